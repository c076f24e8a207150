// Saves with system calls made to fail or to kill the process at a chosen moment (through the
// preloaded fault library): the folder must hold the old or the new file and the backup.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

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

// A file with a second name is written in place; when that write fails, the message names the
// copy that holds the old text, and the copy is kept.
TEST_F(SaveFaultTest, FailedInPlaceWriteNamesTheCopyOfTheOldText)
{
    for (const bool backup : {false, true}) {
        SCOPED_TRACE(backup ? "with backup" : "without backup");
        std::filesystem::remove_all(dir.Path());
        std::filesystem::create_directory(dir.Path());
        WriteFile(target, kOld);
        std::filesystem::create_hard_link(target, dir.File("other-name.html"));
        std::string output;
        EXPECT_EQ(Save("ftruncate:1:EIO", backup, &output), 1) << output;
        const size_t at = output.find("The old text is kept in ");
        ASSERT_NE(at, std::string::npos) << output;
        std::string copy = output.substr(at + 24);
        copy = copy.substr(0, copy.find(".\n"));
        EXPECT_EQ(ReadFile(copy), kOld) << copy;
        if (backup) {
            EXPECT_EQ(copy, target + ".bak");
        }
    }
}

} // namespace
