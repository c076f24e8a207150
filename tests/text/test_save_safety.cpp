// Saves that must fail cleanly (read-only folder or file, full disk, a planted link) and what
// a save keeps of the file it replaces (owner, mode bits, extended attributes, other names),
// run through the tw-loadsave driver, as an unprivileged user where needed.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/file.h>
#include <sys/xattr.h>
#include <fcntl.h>
#include <vector>
#include <unistd.h>

namespace {

const std::string kDriver = TW_BUILD_DIR "/tw-loadsave";

// Runs the driver as the unprivileged user "nobody" when the tests run as root, so that
// permissions apply.
int RunDriverUnprivileged(const std::string& in, const std::string& out, std::string* output,
                          const char* options = "")
{
    const std::string prefix =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups -- " : "";
    return RunCommand(prefix + kDriver + " " + options + " '" + in + "' '" + out + "' 2>&1", output);
}

int RunDriver(const std::string& in, const std::string& out, std::string* output = nullptr,
              const char* options = "")
{
    return RunCommand(kDriver + " " + options + " '" + in + "' '" + out + "' 2>&1", output);
}

struct stat StatOf(const std::string& path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st;
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

// A small tmpfs that is unmounted however the test ends.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const std::string& path)
        : m_path(path), m_mounted(mount("tmpfs", path.c_str(), "tmpfs", 0, "size=64k") == 0)
    {
    }
    ~SmallFileSystem()
    {
        if (m_mounted)
            umount(m_path.c_str());
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool Mounted() const { return m_mounted; }

private:
    std::string m_path;
    bool m_mounted;
};

// A small tmpfs stands for a full disk; a file-size limit for a quota.
class FullDiskTest : public SaveSafetyTest, public testing::WithParamInterface<size_t> {};

TEST_P(FullDiskTest, FullFileSystemFailsTheSaveAndKeepsTheOldFile)
{
    const std::string mountPoint = dir.File("small");
    std::filesystem::create_directory(mountPoint);
    const SmallFileSystem small(mountPoint);
    if (!small.Mounted())
        GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
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

// A link in a sticky folder (such as /tmp) that belongs to another user is not followed: it
// could aim the save at any file of the user's. Links of the user or the folder's owner are.
TEST_F(SaveSafetyTest, PlantedLinkInStickyFolderIsRefused)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a link to another user";
    const std::string shared = dir.File("shared");
    std::filesystem::create_directory(shared);
    chmod(shared.c_str(), 01777);
    const std::string victim = dir.File("victim.txt");
    WriteFile(victim, "precious");
    struct Case {
        uid_t linkOwner;
        bool followed;
    };
    for (const Case c : {Case{65534, false}, Case{0, true}}) {
        SCOPED_TRACE("link owner " + std::to_string(c.linkOwner));
        const std::string link = shared + "/page.html";
        std::filesystem::remove(link);
        std::filesystem::create_symlink(victim, link);
        ASSERT_EQ(lchown(link.c_str(), c.linkOwner, c.linkOwner), 0);
        std::string output;
        EXPECT_EQ(RunDriver(in, link, &output), c.followed ? 0 : 1) << output;
        if (c.followed) {
            EXPECT_EQ(ReadFile(victim), "new text\r\n");
            WriteFile(victim, "precious");
        } else {
            EXPECT_NE(output.find("symbolic link that another user put in a shared folder"),
                      std::string::npos)
                << output;
            EXPECT_EQ(ReadFile(victim), "precious");
        }
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_EQ(CountTemporaryFiles(shared), 0);
    }
}

// The owner and group are given back before the mode: a change of owner clears the set-user-ID
// and set-group-ID bits.
TEST_F(SaveSafetyTest, SaveKeepsSetIdBits)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give files away";
    const std::string target = dir.File("tool.sh");
    WriteFile(target, "old");
    ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
    ASSERT_EQ(chmod(target.c_str(), 06755), 0);
    std::string output;
    ASSERT_EQ(RunDriver(in, target, &output), 0) << output;
    EXPECT_EQ(StatOf(target).st_mode & 07777, 06755u);
    EXPECT_EQ(StatOf(target).st_uid, 65534u);
    EXPECT_EQ(ReadFile(target), "new text\r\n");
}

// Extended attributes and the access list come over to the new file, so that a 0600 file
// readable by one more user does not become readable by its group.
TEST_F(SaveSafetyTest, SaveKeepsExtendedAttributesAndAccessList)
{
    const std::string target = dir.File("secret.txt");
    WriteFile(target, "old");
    chmod(target.c_str(), 0600);
    // An access list "owner rw, user 65534 r, group none, mask r, others none".
    struct Entry {
        uint16_t tag, perm;
        uint32_t id;
    };
    const uint32_t version = 2;
    const Entry entries[] = {{0x01, 6, ~0u}, {0x02, 4, 65534}, {0x04, 0, ~0u}, {0x10, 4, ~0u}, {0x20, 0, ~0u}};
    std::string acl(reinterpret_cast<const char*>(&version), 4);
    acl.append(reinterpret_cast<const char*>(entries), sizeof entries);
    if (setxattr(target.c_str(), "user.origin", "tagwright", 9, 0) != 0
        || setxattr(target.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "the file system here keeps no extended attributes or access lists";
    const mode_t mode = StatOf(target).st_mode & 07777;

    std::string output;
    ASSERT_EQ(RunDriver(in, target, &output, "--backup"), 0) << output;
    EXPECT_EQ(ReadFile(target), "new text\r\n");
    char value[256];
    const ssize_t n = getxattr(target.c_str(), "user.origin", value, sizeof value);
    EXPECT_EQ(std::string(value, n > 0 ? n : 0), "tagwright");
    const ssize_t m = getxattr(target.c_str(), "system.posix_acl_access", value, sizeof value);
    EXPECT_EQ(std::string(value, m > 0 ? m : 0), acl);
    EXPECT_EQ(StatOf(target).st_mode & 07777, mode);
}

// Where an attribute cannot be copied (here every fsetxattr fails, through strace's fault
// injection), the new file could not be the same: the text goes into the old file in place,
// which keeps its attributes.
TEST_F(SaveSafetyTest, AttributesThatCannotBeCopiedMakeTheSaveWriteInPlace)
{
    if (RunCommand("strace -qq -o /dev/null true") != 0)
        GTEST_SKIP() << "strace is missing or may not trace here";
    const std::string target = dir.File("tagged.txt");
    WriteFile(target, "old");
    if (setxattr(target.c_str(), "user.origin", "tagwright", 9, 0) != 0)
        GTEST_SKIP() << "the file system here keeps no extended attributes";
    const ino_t inode = StatOf(target).st_ino;
    std::string output;
    // The leak checker of a sanitizer build cannot run under a tracer.
    ASSERT_EQ(RunCommand("ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null "
                         "-e inject=fsetxattr:error=EPERM " + kDriver
                             + " '" + in + "' '" + target + "' 2>&1",
                         &output),
              0)
        << output;
    EXPECT_EQ(ReadFile(target), "new text\r\n");
    EXPECT_EQ(StatOf(target).st_ino, inode);
    char value[64];
    const ssize_t n = getxattr(target.c_str(), "user.origin", value, sizeof value);
    EXPECT_EQ(std::string(value, n > 0 ? n : 0), "tagwright");
    EXPECT_EQ(CountTemporaryFiles(dir.Path()), 0);
}

// A file the new file could not replace faithfully is written in place: one of another user
// in a folder the user may write (the new file would be the user's), and one with other names
// (they would keep the old text). Backups and ordinary files stay as before.
TEST_F(SaveSafetyTest, FileOfAnotherUserOrWithOtherNamesIsWrittenInPlace)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to run the save as another user";
    const std::string folder = dir.File("open");
    std::filesystem::create_directory(folder);
    chmod(folder.c_str(), 0777);
    const std::string target = folder + "/theirs.txt";
    for (const char* options : {"", "--backup"}) {
        SCOPED_TRACE(options);
        WriteFile(target, "old text");
        chmod(target.c_str(), 0666);
        std::string output;
        ASSERT_EQ(RunDriverUnprivileged(in, target, &output, options), 0) << output;
        EXPECT_EQ(ReadFile(target), "new text\r\n");
        EXPECT_EQ(StatOf(target).st_uid, 0u) << "the file stays root's";
        EXPECT_EQ(StatOf(target).st_mode & 07777, 0666u);
        if (*options) {
            EXPECT_EQ(ReadFile(target + ".bak"), "old text");
        }
        EXPECT_EQ(CountTemporaryFiles(folder), 0);
        std::filesystem::remove(target + ".bak");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    }

    const std::string linked = dir.File("linked.txt");
    const std::string other = dir.File("other-name.txt");
    WriteFile(linked, "old text");
    std::filesystem::create_hard_link(linked, other);
    std::string output;
    ASSERT_EQ(RunDriver(in, linked, &output, "--backup"), 0) << output;
    EXPECT_EQ(ReadFile(other), "new text\r\n");
    EXPECT_EQ(std::filesystem::hard_link_count(linked), 2u);
    EXPECT_EQ(ReadFile(linked + ".bak"), "old text");
}

// Temporary files of killed saves of the same target go at the next save, unless a running
// save holds them; those of other files stay.
TEST_F(SaveSafetyTest, NextSaveRemovesStaleTemporaryFiles)
{
    const std::string target = dir.File("page.html");
    WriteFile(target, "old");
    const std::string stale = dir.File("TGW-page.html-a1B2c3");
    const std::string held = dir.File("TGW-page.html-d4E5f6");
    const std::string otherFile = dir.File("TGW-page.htm-g7H8i9");
    for (const std::string& path : {stale, held, otherFile})
        WriteFile(path, std::string(1000, 't'));
    const int holder = open(held.c_str(), O_RDONLY);
    ASSERT_EQ(flock(holder, LOCK_EX), 0);
    ASSERT_EQ(RunDriver(in, target), 0);
    close(holder);
    EXPECT_FALSE(FileExists(stale));
    EXPECT_TRUE(FileExists(held));
    EXPECT_TRUE(FileExists(otherFile));
    EXPECT_EQ(ReadFile(target), "new text\r\n");
}

} // namespace
