// Saves with system calls made to fail or to kill the process at a chosen moment (through the
// preloaded fault library): the folder must hold the old or the new file and the backup.
#include "support/TempDir.h"
#include "text/OldTextCopy.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace {

const std::string kDriver = TW_BUILD_DIR "/tw-loadsave";
const std::string kShim = TW_BUILD_DIR "/tests/libtw_fault.so";

// Every file of a folder with its bytes.
std::map<std::string, std::string> Snapshot(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files[entry.path().filename().string()] = ReadFile(entry.path().string());
    return files;
}

std::string Names(const std::map<std::string, std::string>& files)
{
    std::string names;
    for (const auto& [name, bytes] : files)
        names += name + "(" + std::to_string(bytes.size()) + ") ";
    return names;
}

class SaveFaultTest : public testing::Test {
protected:
    void SetUp() override
    {
        in = input.File("in.txt");
        WriteFile(in, kNew);
        target = dir.File("page.html");
    }

    // Runs the driver with the faults; gives its exit status (a kill counts as failure).
    int Save(const std::string& faults, bool backup, std::string* output = nullptr,
             const std::string& path = {})
    {
        // The sanitizers' runtime must otherwise come first in the process.
        const std::string env = "ASAN_OPTIONS=verify_asan_link_order=0 LD_PRELOAD='" + kShim
                                + "' TW_FAULT='" + faults + "' ";
        return RunCommand(env + kDriver + (backup ? " --backup '" : " '") + in + "' '"
                              + (path.empty() ? target : path) + "' 2>&1",
                          output);
    }

    static inline const std::string kOld = "old text\r\n";
    static inline const std::string kOlder = "older text\r\n";
    static inline const std::string kNew = "new text\r\n";
    TempDir input; // the driver's input lives apart from the folder under test
    TempDir dir;
    std::string in;
    std::string target;
};

// A save that fails at any step leaves every file of the folder as it was: the target, an
// earlier backup (or none), and no temporary file.
TEST_F(SaveFaultTest, FailedSaveLeavesTheFolderAsItWas)
{
    const struct {
        const char* fault;
        const char* reason;
    } cases[] = {
        {"write:1:ENOSPC", "No space left on device"},
        {"fsync:1:EIO", "Input/output error"},
        {"rename:1:EIO", "Input/output error"},
        // The backup's name cannot be taken: the old file takes its own name back.
        {"rename:2:EIO", "The backup copy page.html.bak cannot be made: Input/output error"},
        {"link:1:EMLINK,rename:1:EIO", "Input/output error"},
        {"link:1:EPERM,fsync:2:EIO",
         "The copy of the old text could not be made: Input/output error"},
        {"link:1:EMLINK,write:2:ENOSPC",
         "The copy of the old text could not be made: No space left on device"},
    };
    for (const auto& [fault, reason] : cases) {
        for (const bool hadBackup : {false, true}) {
            SCOPED_TRACE(std::string(fault) + (hadBackup ? ", with an earlier backup" : ""));
            std::filesystem::remove_all(dir.Path());
            std::filesystem::create_directory(dir.Path());
            WriteFile(target, kOld);
            if (hadBackup)
                WriteFile(target + ".bak", kOlder);
            const auto before = Snapshot(dir.Path());
            std::string output;
            EXPECT_EQ(Save(fault, true, &output), 1) << output;
            EXPECT_NE(output.find(std::string(": ") + reason), std::string::npos) << output;
            EXPECT_EQ(Names(Snapshot(dir.Path())), Names(before));
            EXPECT_EQ(Snapshot(dir.Path()), before);
        }
    }
}

// A save killed at any system call that changes the folder or syncs it leaves the whole old or new
// text under the target's name. With backups on, an earlier backup stays whole until the new text
// is in place; from then on the old text is in the backup or, if the kill came before the backup
// took its name, in a temporary file the next save removes. Making the backup by a link may fail
// (too many links, no links on the file system): the old file is then copied, never renamed away.
// The texts span several writes, so kills also land inside the new file and the copy.
TEST_F(SaveFaultTest, KilledAtEveryCallLeavesAWholeFileAndTheOldText)
{
    std::string oldText, newText;
    for (int i = 0; oldText.size() < 3 * 65536; ++i) {
        oldText += "old line " + std::to_string(i) + "\r\n";
        newText += "new line " + std::to_string(i) + " changed\r\n";
    }
    WriteFile(in, newText);
    const struct {
        const char* name;
        bool backup, earlierBackup;
        const char* faults; // added before the kill
    } setups[] = {
        {"no backup", false, false, ""},
        {"first backup", true, false, ""},
        {"backup over an earlier one", true, true, ""},
        {"backup by a copy", true, true, "link:1:EMLINK,"},
    };
    constexpr int kKilled = 128 + SIGKILL;
    for (const auto& setup : setups) {
        int sawOld = 0, sawNew = 0;
        for (const char* function : {"write", "fsync", "rename", "link", "unlink", "ftruncate"}) {
            // The Nth call of the function, until a save makes fewer calls and ends by itself.
            for (int call = 1;; ++call) {
                const std::string fault =
                    setup.faults + std::string(function) + ":" + std::to_string(call) + ":KILL";
                SCOPED_TRACE(std::string(setup.name) + ", " + fault);
                std::filesystem::remove_all(dir.Path());
                std::filesystem::create_directory(dir.Path());
                WriteFile(target, oldText);
                if (setup.earlierBackup)
                    WriteFile(target + ".bak", kOlder);
                std::string output;
                const int status = Save(fault, setup.backup, &output);
                ASSERT_TRUE(status == kKilled || status == 0) << status << ": " << output;
                const auto files = Snapshot(dir.Path());
                ASSERT_TRUE(files.contains("page.html")) << Names(files);
                const std::string& now = files.at("page.html");
                ASSERT_TRUE(now == oldText || now == newText) << now.size() << " bytes";
                (now == oldText ? sawOld : sawNew)++;
                const auto backup = files.find("page.html.bak");
                if (now == oldText || !setup.backup) {
                    // Nothing happened to the backup yet.
                    if (setup.earlierBackup) {
                        EXPECT_TRUE(backup != files.end() && backup->second == kOlder)
                            << Names(files);
                    } else {
                        EXPECT_TRUE(backup == files.end()) << Names(files);
                    }
                } else {
                    bool oldKept = false;
                    for (const auto& [name, bytes] : files)
                        oldKept = oldKept
                                  || ((name == "page.html.bak" || name.starts_with("TGW"))
                                      && bytes == oldText);
                    EXPECT_TRUE(oldKept) << Names(files);
                    if (backup != files.end() && backup->second != oldText) {
                        EXPECT_EQ(backup->second, kOlder);
                    }
                }
                if (status == 0)
                    break;
            }
        }
        // Kills came both before and after the new text took the target's name.
        EXPECT_GT(sawOld, 0) << setup.name;
        EXPECT_GT(sawNew, 0) << setup.name;
    }
}

// A link whose text turns out longer than measured is read again, not cut off and followed
// to a wrong name.
TEST_F(SaveFaultTest, CutLinkTextIsReadAgain)
{
    WriteFile(target, kOld);
    const std::string link = dir.File("link.html");
    std::filesystem::create_symlink("page.html", link);
    std::string output;
    ASSERT_EQ(Save("readlink:1:CUT", false, &output, link), 0) << output;
    EXPECT_EQ(ReadFile(target), kNew);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Snapshot(dir.Path()).size(), 2u) << Names(Snapshot(dir.Path()));
}

// A file with a second name is written in place. No room for the new text stops the save
// before the file changes; a write that fails puts the old text back; only when that fails
// too does the copy of the old text stay, named in the message. Older backups stay as they were.
TEST_F(SaveFaultTest, FailedInPlaceWritePutsTheOldTextBack)
{
    const struct {
        const char* fault;
        bool backup;
        const char* reason;
        bool copyKept;
    } cases[] = {
        {"posix_fallocate:1:ENOSPC", false, "No space left on device", false},
        {"posix_fallocate:1:EDQUOT", true, "Disk quota exceeded", false},
        {"ftruncate:1:EIO", false, "Input/output error. The file was left as it was.", false},
        {"fsync:4:EIO", true, "Input/output error. The file was left as it was.", false},
        {"rename:1:EIO", true, "The backup copy page.html.bak cannot be made: Input/output error",
         false},
        {"ftruncate:1:EIO,ftruncate:2:EIO", false, "Input/output error. The old text is kept in ",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directory(dir.Path());
        WriteFile(target, kOld);
        WriteFile(target + ".bak", kOlder);
        std::filesystem::create_hard_link(target, dir.File("other-name.html"));
        const auto before = Snapshot(dir.Path());
        std::string output;
        EXPECT_EQ(Save(c.fault, c.backup, &output), 1) << output;
        EXPECT_NE(output.find(std::string(": ") + c.reason), std::string::npos) << output;
        if (!c.copyKept) {
            EXPECT_EQ(Snapshot(dir.Path()), before) << Names(Snapshot(dir.Path()));
            continue;
        }
        const size_t at = output.find("The old text is kept in ");
        ASSERT_NE(at, std::string::npos) << output;
        std::string copy = output.substr(at + 24);
        copy = copy.substr(0, copy.find(".\n"));
        EXPECT_EQ(ReadFile(copy), kOld) << copy;
        EXPECT_EQ(FindOldTextCopies(target).size(), 1u);
    }
}

// A save killed while it writes over the file leaves the copy of the old text, which the next
// open finds and can put back; a copy that is not the user's, or that a running save holds,
// is not offered.
TEST_F(SaveFaultTest, KilledInPlaceWriteLeavesACopyToRestoreFrom)
{
    const std::string longOld = "the old text, longer than the new one\r\n";
    WriteFile(target, longOld);
    std::filesystem::create_hard_link(target, dir.File("other-name.html"));
    // The third fsync follows the write over the file.
    Save("fsync:3:KILL", false);
    ASSERT_NE(ReadFile(target), longOld) << "the kill came before the write";
    auto copies = FindOldTextCopies(target);
    ASSERT_EQ(copies.size(), 1u) << Names(Snapshot(dir.Path()));
    EXPECT_EQ(ReadFile(copies[0].path), longOld);
    EXPECT_EQ(copies[0].size, static_cast<int64_t>(longOld.size()));
    EXPECT_EQ(FindOldTextCopies(dir.File("other-name.html")).size(), 0u)
        << "copies are found by the name that was saved";

    if (geteuid() == 0) {
        const std::string planted = target + ".old-Zz9Zz9";
        WriteFile(planted, "planted");
        ASSERT_EQ(chown(planted.c_str(), 65534, 65534), 0);
        EXPECT_EQ(FindOldTextCopies(target).size(), 1u);
        std::filesystem::remove(planted);
    }
    {
        const int holder = open(copies[0].path.c_str(), O_RDONLY);
        ASSERT_EQ(flock(holder, LOCK_EX), 0);
        EXPECT_EQ(FindOldTextCopies(target).size(), 0u);
        close(holder);
    }

    std::string reason;
    ASSERT_TRUE(RestoreOldTextCopy(copies[0].path, target, reason)) << reason;
    EXPECT_EQ(ReadFile(target), longOld);
    EXPECT_EQ(ReadFile(dir.File("other-name.html")), longOld) << "the file stays one file";
    EXPECT_FALSE(FileExists(copies[0].path));
    EXPECT_EQ(Snapshot(dir.Path()).size(), 2u) << Names(Snapshot(dir.Path()));
}

} // namespace
