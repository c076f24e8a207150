// Telling whether another program changed a file since it was loaded or saved.
#include "text/FileIdentity.h"
#include "text/KTextBuffer.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileIdentity Known()
{
    FileIdentity id;
    id.exists = true;
    id.device = 8;
    id.inode = 1234;
    id.size = 100;
    id.mtimeNs = 1'700'000'000'000'000'000;
    id.hash = 0xABCD;
    return id;
}

struct RuleCase {
    const char* name;
    FileIdentity known;
    FileIdentity now;
    bool readable; // whether the file can be read for its hash
    uint64_t hashNow;
    DiskChange expected;
    bool hashAskedFor;
};

FileIdentity With(FileIdentity id, void (*change)(FileIdentity&))
{
    change(id);
    return id;
}

TEST(FileIdentityRules, TableOfChanges)
{
    const FileIdentity known = Known();
    const FileIdentity later = With(known, [](FileIdentity& id) { id.mtimeNs += 5; });
    const RuleCase cases[] = {
        {"untouched", known, known, true, 0xABCD, DiskChange::None, false},
        {"touched only", known, later, true, 0xABCD, DiskChange::None, true},
        {"same size, other bytes", known, later, true, 0x1111, DiskChange::Changed, true},
        {"time changed, file unreadable", known, later, false, 0, DiskChange::Changed, true},
        {"other size", known, With(known, [](FileIdentity& id) { id.size = 101; }), true, 0xABCD,
         DiskChange::Changed, false},
        {"replaced by rename (new inode)", known,
         With(known, [](FileIdentity& id) { id.inode = 99; }), true, 0xABCD, DiskChange::Changed,
         false},
        {"on another mount", known, With(known, [](FileIdentity& id) { id.device = 9; }), true,
         0xABCD, DiskChange::Changed, false},
        {"deleted or moved", known, FileIdentity{}, true, 0, DiskChange::Gone, false},
        {"appears where there was none", FileIdentity{}, known, true, 0xABCD, DiskChange::Changed,
         false},
        {"still none", FileIdentity{}, FileIdentity{}, true, 0, DiskChange::None, false},
    };
    for (const RuleCase& c : cases) {
        bool asked = false;
        const DiskChange change = CompareIdentity(c.known, c.now, [&](uint64_t& hash) {
            asked = true;
            hash = c.hashNow;
            return c.readable;
        });
        EXPECT_EQ(change, c.expected) << c.name;
        EXPECT_EQ(asked, c.hashAskedFor) << c.name;
    }
}

TEST(FileIdentityRules, HashDependsOnBytesNotOnHowTheyCome)
{
    std::string bytes;
    for (int i = 0; i < 1000; ++i)
        bytes += static_cast<char>(i * 7 + i / 13);
    ContentHash whole;
    whole.Add(bytes.data(), bytes.size());
    for (size_t piece : {1u, 3u, 31u, 32u, 33u, 500u}) {
        ContentHash cut;
        for (size_t at = 0; at < bytes.size(); at += piece)
            cut.Add(bytes.data() + at, std::min(piece, bytes.size() - at));
        EXPECT_EQ(cut.Value(), whole.Value()) << "pieces of " << piece;
    }
    // One byte changed anywhere, or one more zero byte, gives another hash.
    for (size_t at : {size_t{0}, size_t{500}, bytes.size() - 1}) {
        std::string other = bytes;
        other[at] ^= 1;
        ContentHash h;
        h.Add(other.data(), other.size());
        EXPECT_NE(h.Value(), whole.Value()) << "byte " << at;
    }
    ContentHash longer;
    longer.Add(bytes.data(), bytes.size());
    longer.Add("", 1);
    EXPECT_NE(longer.Value(), whole.Value());
}

void SetTime(const std::string& path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 123}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// What other programs do to a file after the editor read or wrote it.
struct DiskCase {
    const char* name;
    void (*act)(const TempDir& dir, const std::string& path);
    DiskChange expected;
};

TEST(FileIdentityOnDisk, ChangesByOtherProgramsAfterLoadAndAfterSave)
{
    const DiskCase cases[] = {
        {"nothing", [](const TempDir&, const std::string&) {}, DiskChange::None},
        {"touched", [](const TempDir&, const std::string& p) { SetTime(p, 1'600'000'000); },
         DiskChange::None},
        {"same size, other bytes",
         [](const TempDir&, const std::string& p) {
             const int fd = open(p.c_str(), O_WRONLY);
             ASSERT_GE(fd, 0);
             ASSERT_EQ(pwrite(fd, "X", 1, 2), 1);
             close(fd);
             SetTime(p, 1'600'000'000);
         },
         DiskChange::Changed},
        {"line appended",
         [](const TempDir&, const std::string& p) { WriteFile(p, ReadFile(p) + "more\n"); },
         DiskChange::Changed},
        {"replaced by rename, same bytes",
         [](const TempDir& d, const std::string& p) {
             WriteFile(d.File("new"), ReadFile(p));
             ASSERT_EQ(rename(d.File("new").c_str(), p.c_str()), 0);
         },
         DiskChange::Changed},
        {"deleted", [](const TempDir&, const std::string& p) { ASSERT_EQ(unlink(p.c_str()), 0); },
         DiskChange::Gone},
        {"moved away",
         [](const TempDir& d, const std::string& p) {
             ASSERT_EQ(rename(p.c_str(), d.File("moved").c_str()), 0);
         },
         DiskChange::Gone},
        {"deleted and recreated",
         [](const TempDir&, const std::string& p) {
             std::string bytes = ReadFile(p);
             bytes[0] = 'Z';
             ASSERT_EQ(unlink(p.c_str()), 0);
             WriteFile(p, bytes);
         },
         DiskChange::Changed},
    };
    for (bool afterSave : {false, true}) {
        for (const DiskCase& c : cases) {
            TempDir dir;
            const std::string path = dir.File("b.txt");
            WriteFile(path, "alpha\r\nbeta\r\n");
            CKTextBuffer buffer;
            ASSERT_TRUE(buffer.Load(path.c_str(), LineEnding::Auto, CodePage::Windows1251));
            if (afterSave) {
                int endLine = 0, endChar = 0;
                ASSERT_TRUE(buffer.InsertText(nullptr, 0, 0, "new ", endLine, endChar, 0));
                ASSERT_TRUE(buffer.Save(path.c_str()));
            }
            c.act(dir, path);
            EXPECT_EQ(CheckDiskFile(buffer.FileState(), path), c.expected)
                << c.name << (afterSave ? " after a save" : " after a load");
        }
    }
}

TEST(FileIdentityOnDisk, LoadRecordsTheBytesReadInAnyCodePage)
{
    TempDir dir;
    const std::string path = dir.File("page.txt");
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += static_cast<char>(0x80 + i % 100);
    WriteFile(path, bytes);
    FileIdentity read;
    ASSERT_TRUE(ReadIdentity(path, read));
    for (CodePage page : {CodePage::Windows1251, CodePage::Dos866, CodePage::Utf8}) {
        CKTextBuffer buffer;
        ASSERT_TRUE(buffer.Load(path.c_str(), LineEnding::Auto, page));
        EXPECT_EQ(buffer.FileState(), read) << "page " << Number(page);
    }
}

} // namespace
