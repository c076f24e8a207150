// Saves that must fail cleanly (read-only folder or file, full disk, a planted link) and what
// a save keeps of the file it replaces (owner, mode bits, extended attributes, other names),
// run through the tw-loadsave driver, as an unprivileged user where needed.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <spawn.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string kDriver = TW_BUILD_DIR "/tw-loadsave";

// Runs the driver as the unprivileged user "nobody" when the tests run as root, so that
// permissions apply; home is a folder of that user's.
int RunDriverUnprivileged(const std::string& in, const std::string& out, std::string* output,
                          const char* options = "", const std::string& home = "/nonexistent")
{
    const std::string prefix =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups -- env HOME='" + home
                             + "' XDG_STATE_HOME= "
                       : "";
    return RunCommand(prefix + kDriver + " " + options + " '" + in + "' '" + out + "' 2>&1",
                      output);
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

// An access list as the system keeps it in an extended attribute: a version, then entries
// of tag (owner 1, user 2, group 4, mask 0x10, others 0x20), permission bits and id.
struct AclEntry {
    uint16_t tag, perm;
    uint32_t id;
};

std::string AccessList(std::initializer_list<AclEntry> entries)
{
    const uint32_t version = 2;
    std::string acl(reinterpret_cast<const char*>(&version), sizeof version);
    for (const AclEntry& entry : entries)
        acl.append(reinterpret_cast<const char*>(&entry), sizeof entry);
    return acl;
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

// A file the user may write in a folder the user may not is written in place, with the copy of
// the old text in a folder of the user's own. A backup cannot be made there: with backups on
// the save stops and says so.
TEST_F(SaveSafetyTest, WritableFileInReadOnlyFolderIsWrittenInPlace)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to run the save as another user";
    const std::string home = dir.File("home");
    std::filesystem::create_directory(home);
    ASSERT_EQ(chown(home.c_str(), 65534, 65534), 0);
    const std::string folder = dir.File("ro");
    std::filesystem::create_directory(folder);
    const std::string target = folder + "/page.html";
    WriteFile(target, "old");
    WriteFile(target + ".bak", "older");
    chmod(target.c_str(), 0666);
    chmod(folder.c_str(), 0555);
    const ino_t inode = StatOf(target).st_ino;

    std::string output;
    EXPECT_EQ(RunDriverUnprivileged(in, target, &output, "--backup", home), 1);
    EXPECT_NE(output.find("The backup copy page.html.bak cannot be made: Permission denied"),
              std::string::npos)
        << output;
    EXPECT_EQ(ReadFile(target), "old");

    ASSERT_EQ(RunDriverUnprivileged(in, target, &output, "", home), 0) << output;
    EXPECT_EQ(ReadFile(target), "new text\r\n");
    EXPECT_EQ(StatOf(target).st_ino, inode);
    EXPECT_EQ(ReadFile(target + ".bak"), "older");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
    // The copy of the old text went with the save.
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
        EXPECT_FALSE(entry.is_regular_file()) << entry.path();

    // Without a folder of its own for the copy, the save does not write over the file.
    EXPECT_EQ(RunDriverUnprivileged(in, target, &output), 1);
    EXPECT_NE(output.find("no folder of your own"), std::string::npos) << output;
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
class SmallDiskTest : public SaveSafetyTest {
protected:
    void SetUp() override
    {
        SaveSafetyTest::SetUp();
        std::filesystem::create_directory(mountPoint);
        small = std::make_unique<SmallFileSystem>(mountPoint);
        if (!small->Mounted())
            GTEST_SKIP() << "cannot mount a tmpfs here (needs root)";
    }
    const std::string mountPoint = dir.File("small");
    const std::string target = mountPoint + "/page.html";
    std::unique_ptr<SmallFileSystem> small;
};

class FullDiskTest : public SmallDiskTest, public testing::WithParamInterface<size_t> {};

TEST_P(FullDiskTest, FullFileSystemFailsTheSaveAndKeepsTheOldFile)
{
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

// clang-format off
INSTANTIATE_TEST_SUITE_P(TextSizes, FullDiskTest, testing::Values(size_t{10}, size_t{3} << 20));
// clang-format on

// A file written in place (here one with a second name) on a disk with room for the new text
// aside and the copy of the old, but not for the file to grow: the save stops before it
// writes anything over the file, and leaves no copy behind.
TEST_F(SmallDiskTest, FullDiskStopsAnInPlaceSaveBeforeTheFileChanges)
{
    const std::string oldText(4096, 'o');
    const std::string newText(24 * 1024, 'n');
    WriteFile(target, oldText);
    std::filesystem::create_hard_link(target, mountPoint + "/other-name.html");
    WriteFile(in, newText);
    // Leave room for the new text and the copy of the old one, and 8 KB more.
    struct statvfs fs;
    ASSERT_EQ(statvfs(mountPoint.c_str(), &fs), 0);
    const size_t room = fs.f_bavail * fs.f_frsize;
    ASSERT_GT(room, newText.size() + oldText.size() + 8192);
    WriteFile(mountPoint + "/filler",
              std::string(room - newText.size() - oldText.size() - 8192, 'f'));

    std::string output;
    EXPECT_EQ(RunDriver(in, target, &output), 1);
    EXPECT_NE(output.find("No space left on device"), std::string::npos) << output;
    EXPECT_EQ(ReadFile(target), oldText);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mountPoint), {}), 3)
        << "nothing but the file, its second name and the filler";
}

// Long names: the temporary names of a save fit whatever the name's length. The backup adds
// ".bak" to the name; where that does not fit, or a folder holds the backup's name, a save with
// backups on stops before it touches the file and says why, and one without them saves.
TEST_F(SaveSafetyTest, BackupThatCannotBeMadeStopsTheSave)
{
    const struct Case {
        size_t nameLength;
        bool folderInTheWay; // a folder named "<name>.bak"
        bool backup;
        const char* refusal; // null: the save succeeds
    } cases[] = {
        {245, false, false, nullptr},
        {251, false, true, nullptr},
        {252, false, false, nullptr},
        {252, false, true, "cannot be made: File name too long"},
        {255, false, true, "cannot be made: File name too long"},
        {255, false, false, nullptr},
        {20, true, true, "cannot be made: Is a directory"},
        {20, true, false, nullptr},
    };
    for (const Case& c : cases) {
        for (const bool inPlace : {false, true}) {
            SCOPED_TRACE(std::to_string(c.nameLength) + (c.folderInTheWay ? " folder" : "")
                         + (c.backup ? " backup" : "") + (inPlace ? " in place" : ""));
            const std::string folder = dir.File("long");
            std::filesystem::remove_all(folder);
            std::filesystem::create_directory(folder);
            const std::string target = folder + "/" + std::string(c.nameLength, 'x');
            WriteFile(target, "old");
            if (inPlace)
                std::filesystem::create_hard_link(target, folder + "/other-name");
            if (c.folderInTheWay)
                std::filesystem::create_directory(target + ".bak");
            std::string output;
            const int status = RunDriver(in, target, &output, c.backup ? "--backup" : "");
            if (c.refusal) {
                EXPECT_EQ(status, 1);
                EXPECT_NE(output.find(c.refusal), std::string::npos) << output;
                EXPECT_NE(output.find("Create backup copies"), std::string::npos) << output;
                EXPECT_EQ(ReadFile(target), "old");
            } else {
                EXPECT_EQ(status, 0) << output;
                EXPECT_EQ(ReadFile(target), "new text\r\n");
                if (c.backup) {
                    EXPECT_EQ(ReadFile(target + ".bak"), "old");
                }
            }
            const size_t expected = 1 + inPlace + c.folderInTheWay + (c.backup && !c.refusal);
            EXPECT_EQ(
                static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {})),
                expected);
        }
    }
}

// A new file takes the mode and access list the system gives any new file in its folder (a
// default access list, not the umask, then decides), as a file made by touch does.
TEST_F(SaveSafetyTest, NewFileTakesTheFoldersDefaultAccessList)
{
    const std::string folder = dir.File("shared");
    std::filesystem::create_directory(folder);
    // "user rwx, user 65534 rw, group rwx, mask rwx, others r-x" as the folder's default.
    const std::string acl = AccessList(
        {{0x01, 7, ~0u}, {0x02, 6, 65534}, {0x04, 7, ~0u}, {0x10, 7, ~0u}, {0x20, 5, ~0u}});
    if (setxattr(folder.c_str(), "system.posix_acl_default", acl.data(), acl.size(), 0) != 0)
        GTEST_SKIP() << "the file system here keeps no access lists";
    const std::string touched = folder + "/touched";
    close(open(touched.c_str(), O_CREAT | O_WRONLY, 0666));
    const std::string saved = folder + "/saved.html";
    std::string output;
    ASSERT_EQ(RunDriver(in, saved, &output), 0) << output;

    const auto accessList = [](const std::string& path) {
        char value[256];
        const ssize_t n = getxattr(path.c_str(), "system.posix_acl_access", value, sizeof value);
        return std::string(value, n > 0 ? static_cast<size_t>(n) : 0);
    };
    EXPECT_FALSE(accessList(touched).empty());
    EXPECT_EQ(accessList(saved), accessList(touched));
    EXPECT_EQ(StatOf(saved).st_mode & 07777, StatOf(touched).st_mode & 07777);
}

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
    const std::string acl = AccessList(
        {{0x01, 6, ~0u}, {0x02, 4, 65534}, {0x04, 0, ~0u}, {0x10, 4, ~0u}, {0x20, 0, ~0u}});
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
                         "-e inject=fsetxattr:error=EPERM "
                             + kDriver + " '" + in + "' '" + target + "' 2>&1",
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
