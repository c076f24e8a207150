// Saves with system calls made to fail or to kill the process at a chosen moment (through the
// preloaded fault library): the folder must hold the old or the new file and the backup.
#include "support/TempDir.h"
#include "text/OldTextCopy.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <sys/file.h>
#include <fcntl.h>
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
        {"link:1:EPERM,fsync:2:EIO", "The copy of the old text could not be made: Input/output error"},
        {"link:1:EMLINK,write:2:ENOSPC", "The copy of the old text could not be made: No space left on device"},
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

// A save killed at any step leaves the whole old or new text under the target's name, and the
// backup holds the earlier backup or, once the new text is in place, the old text. Making the
// backup by a link may fail (too many links, no links on the file system): the old file is
// then copied, never renamed away.
TEST_F(SaveFaultTest, KilledSaveLeavesAWholeFileAndBackup)
{
    std::string seen;
    for (const char* noLink : {"", "link:1:EMLINK,"}) {
        for (const char* call : {"write:1", "fsync:1", "fsync:2", "fsync:3", "link:1", "rename:1",
                                 "rename:2", "unlink:1", "unlink:2", "unlink:3"}) {
            const std::string fault = noLink + std::string(call) + ":KILL";
            SCOPED_TRACE(fault);
            std::filesystem::remove_all(dir.Path());
            std::filesystem::create_directory(dir.Path());
            WriteFile(target, kOld);
            WriteFile(target + ".bak", kOlder);
            Save(fault, true);
            ASSERT_TRUE(FileExists(target)) << Names(Snapshot(dir.Path()));
            const std::string now = ReadFile(target);
            const std::string backup = ReadFile(target + ".bak");
            ASSERT_TRUE(now == kOld || now == kNew) << now;
            if (now == kOld)
                EXPECT_EQ(backup, kOlder);
            else
                EXPECT_TRUE(backup == kOlder || backup == kOld) << backup;
            seen += now == kOld ? 'o' : 'n';
        }
    }
    // Kills came both before and after the new text took the target's name.
    EXPECT_NE(seen.find('o'), std::string::npos);
    EXPECT_NE(seen.find('n'), std::string::npos);
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
        {"rename:1:EIO", true, "The backup copy page.html.bak cannot be made: Input/output error", false},
        {"ftruncate:1:EIO,ftruncate:2:EIO", false, "Input/output error. The old text is kept in ", true},
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
