// Saves that must fail cleanly (read-only folder or file, full disk) and saves killed midway,
// run through the tw-loadsave driver as an unprivileged user where needed.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <vector>
#include <unistd.h>

extern char** environ;

namespace {

const std::string kDriver = TW_BUILD_DIR "/tw-loadsave";

// Runs the driver as the unprivileged user "nobody" when the tests run as root, so that
// permissions apply.
int RunDriverUnprivileged(const std::string& in, const std::string& out, std::string* output)
{
    const std::string prefix =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups -- " : "";
    return RunCommand(prefix + kDriver + " '" + in + "' '" + out + "' 2>&1", output);
}

int CountTemporaryFiles(const std::string& folder)
{
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        n += entry.path().filename().string().starts_with("TGW");
    return n;
}

class SaveSafetyTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Everyone may pass through the test folder; the cases set the rest.
        chmod(dir.Path().c_str(), 0755);
        in = dir.File("in.txt");
        WriteFile(in, "new text\r\n");
        chmod(in.c_str(), 0644);
    }
    TempDir dir;
    std::string in;
};

TEST_F(SaveSafetyTest, ReadOnlyFolderFailsAndKeepsFileAndBackup)
{
    const std::string folder = dir.File("ro");
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/page.html";
    WriteFile(target, "old");
    WriteFile(target + ".bak", "older");
    chmod(target.c_str(), 0666);
    chmod(folder.c_str(), 0555);
    std::string output;
    EXPECT_NE(RunDriverUnprivileged(in, target, &output), 0);
    EXPECT_NE(output.find("Permission denied"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(ReadFile(target + ".bak"), "older");
    EXPECT_EQ(CountTemporaryFiles(folder), 0);
}

TEST_F(SaveSafetyTest, ReadOnlyFileInWritableFolderIsNotReplaced)
{
    const std::string folder = dir.File("rw");
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/page.html";
    WriteFile(target, "old");
    chmod(target.c_str(), 0444);
    chmod(folder.c_str(), 0777);
    std::string output;
    EXPECT_NE(RunDriverUnprivileged(in, target, &output), 0);
    EXPECT_NE(output.find("Permission denied"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(CountTemporaryFiles(folder), 0);
}

// A small tmpfs stands for a full disk; a file-size limit for a quota.
class FullDiskTest : public SaveSafetyTest, public testing::WithParamInterface<size_t> {};

TEST_P(FullDiskTest, FullFileSystemFailsTheSaveAndKeepsTheOldFile)
{
    const std::string mountPoint = dir.File("small");
    std::filesystem::create_directory(mountPoint);
    if (mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here";
    const std::string target = mountPoint + "/page.html";
    WriteFile(target, "old");
    // Fill what is left.
    WriteFile(mountPoint + "/filler", std::string(1 << 20, 'f'));
    WriteFile(in, std::string(GetParam(), 'n'));
    std::string output;
    const int status = RunCommand(kDriver + " '" + in + "' '" + target + "' 2>&1", &output);
    EXPECT_NE(status, 0);
    EXPECT_NE(output.find("No space left on device"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(CountTemporaryFiles(mountPoint), 0);
    umount(mountPoint.c_str());
}

INSTANTIATE_TEST_SUITE_P(TextSizes, FullDiskTest, testing::Values(size_t{10}, size_t{3} << 20));

TEST_F(SaveSafetyTest, FileSizeLimitFailsTheSave)
{
    const std::string target = dir.File("page.html");
    WriteFile(target, "old");
    WriteFile(in, std::string(1 << 20, 'n'));
    std::string output;
    const int status = RunCommand("bash -c 'ulimit -f 64; exec " + kDriver + " \"" + in + "\" \""
                                      + target + "\"' 2>&1",
                                  &output);
    EXPECT_EQ(status, 1);
    EXPECT_NE(output.find("File too large"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), "old");
    EXPECT_EQ(CountTemporaryFiles(dir.Path()), 0);
}

// Whenever a save is killed, the target's name holds the whole old or the whole new text; with
// backups on, the backup holds the old text once the target holds the new one.
class KilledSaveTest : public SaveSafetyTest, public testing::WithParamInterface<bool> {};

TEST_P(KilledSaveTest, LeavesTheOldOrTheNewFile)
{
    const bool backup = GetParam();
    const std::string target = dir.File("page.html");
    const std::string oldText(8 << 20, 'o');
    const std::string newText(8 << 20, 'n');
    WriteFile(in, newText);
    std::mt19937 rng(7);
    int sawOld = 0, sawNew = 0;
    for (int round = 0; round < 24; ++round) {
        WriteFile(target, oldText);
        std::filesystem::remove(target + ".bak");
        pid_t pid;
        std::vector<const char*> argv = {kDriver.c_str(), in.c_str(), target.c_str(), nullptr};
        if (backup)
            argv.insert(argv.begin() + 1, "--backup");
        ASSERT_EQ(posix_spawn(&pid, kDriver.c_str(), nullptr, nullptr,
                              const_cast<char**>(argv.data()), environ),
                  0);
        std::this_thread::sleep_for(std::chrono::microseconds(rng() % 60000));
        kill(pid, SIGKILL);
        int status;
        waitpid(pid, &status, 0);
        const std::string now = ReadFile(target);
        ASSERT_TRUE(now == oldText || now == newText)
            << "round " << round << ": " << now.size() << " bytes";
        if (now == newText && backup) {
            EXPECT_EQ(ReadFile(target + ".bak"), oldText);
        }
        (now == oldText ? sawOld : sawNew)++;
        for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
            if (entry.path().filename().string().starts_with("TGW"))
                std::filesystem::remove(entry.path());
    }
    RecordProperty("old", sawOld);
    RecordProperty("new", sawNew);
}

INSTANTIATE_TEST_SUITE_P(Backup, KilledSaveTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "WithBackup" : "NoBackup"; });

// Root may give the new file the old file's owner and group.
TEST_F(SaveSafetyTest, SaveKeepsOwnerAndGroupWhereAllowed)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give files away";
    const std::string target = dir.File("owned.txt");
    WriteFile(target, "old");
    ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
    std::string output;
    ASSERT_EQ(RunCommand(kDriver + " '" + in + "' '" + target + "'", &output), 0);
    struct stat st;
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 65534u);
    EXPECT_EQ(st.st_gid, 65534u);
    EXPECT_EQ(ReadFile(target), "new text\r\n");
}

} // namespace
