// Loading files into lines and saving them back: line endings, code pages, zero bytes,
// backups and failures.
#include "support/BufferLines.h"
#include "support/RecordingView.h"
#include "support/TempDir.h"
#include "text/CodePages.h"
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string> SnapshotText(const CKTextSnapshot& snapshot)
{
    std::vector<std::string> lines;
    for (int i = 0; i < snapshot.LineCount(); ++i)
        lines.emplace_back(snapshot.Line(i));
    return lines;
}

class LoadSaveTest : public testing::Test {
protected:
    // Writes bytes to a file and loads it.
    bool LoadBytes(const std::string& bytes, LineEnding mode = LineEnding::Auto,
                   CodePage page = CodePage::Windows1251)
    {
        WriteFile(in, bytes);
        return buffer.Load(in.c_str(), mode, page);
    }
    std::string SaveBytes(LineEnding mode = LineEnding::Auto)
    {
        EXPECT_TRUE(buffer.Save(out.c_str(), mode)) << buffer.LastErrorText();
        return ReadFile(out);
    }

    TempDir dir;
    std::string in = dir.File("in.txt");
    std::string out = dir.File("out.txt");
    CKTextBuffer buffer;
};

struct DetectCase {
    const char* name;
    friend void PrintTo(const DetectCase& c, std::ostream* os) { *os << c.name; }
    std::string file;
    int mode;
    std::vector<std::string> lines;
};

class DetectTest : public LoadSaveTest, public testing::WithParamInterface<DetectCase> {};

TEST_P(DetectTest, DetectsModeSplitsAndSavesBackExactly)
{
    ASSERT_TRUE(LoadBytes(GetParam().file));
    EXPECT_EQ(Number(buffer.LineEnding()), GetParam().mode);
    EXPECT_EQ(BufferLines(buffer), GetParam().lines);
    EXPECT_EQ(SaveBytes(), GetParam().file);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, DetectTest,
    testing::Values(
        DetectCase{"CrLf", "a\r\nb\r\n", 0, {"a", "b", ""}},
        DetectCase{"Lf", "a\nb", 2, {"a", "b"}},
        DetectCase{"LfCr", "a\n\rb", 1, {"a", "\rb"}},
        DetectCase{"CrOnlyIsOneLine", "a\rb", 0, {"a\rb"}},
        DetectCase{"Empty", "", 0, {""}},
        DetectCase{"CrCrLfEndsNoLine", "a\r\r\nb\r\nc", 0, {"a\r\r\nb", "c"}},
        DetectCase{"OddCrRunEndsLine", "a\r\r\r\nb", 0, {"a\r\r", "b"}},
        DetectCase{"LoneLfInCrLfFile", "a\r\nb\nc\r\n", 0, {"a", "b\nc", ""}},
        DetectCase{"OnlyTerminator", "\r\n", 0, {"", ""}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(LoadSaveTest, SavesInAnotherMode)
{
    ASSERT_TRUE(LoadBytes("a\nb"));
    EXPECT_EQ(SaveBytes(LineEnding::Dos), "a\r\nb");
    EXPECT_EQ(buffer.LineEnding(),
              LineEnding::Macintosh); // saving in another mode does not change the buffer's
}

TEST_F(LoadSaveTest, FirstLineLongerThanABlockStillDecidesTheMode)
{
    // The first LF lies beyond the first block; in the last case it is the file's last byte,
    // and in the one before the CR of CR LF ends one block and the LF starts the next.
    const std::string longLine(70000, 'x');
    const struct {
        std::string file;
        LineEnding mode;
        int lines;
    } cases[] = {
        {longLine + "\r\nend", LineEnding::Dos, 2},
        {longLine + "\n\rend", LineEnding::Unix, 2},
        {longLine + "\nend", LineEnding::Macintosh, 2},
        {std::string(32767, 'x') + "\r\nend", LineEnding::Dos, 2},
        {longLine + "\n", LineEnding::Macintosh, 2},
        {longLine, LineEnding::Dos, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.size());
        ASSERT_TRUE(LoadBytes(c.file));
        EXPECT_EQ(buffer.LineEnding(), c.mode);
        EXPECT_EQ(buffer.LineCount(), c.lines);
        EXPECT_EQ(SaveBytes(), c.file);
    }
}

TEST_F(LoadSaveTest, CrLfSplitAcrossBlockBoundaries)
{
    // Put the CR of a terminator at the last byte of the first block, and an odd CR run
    // across the second boundary.
    std::string file(32767, 'a');
    file += "\r\nb";
    file += std::string(65536 - file.size() - 1, 'c');
    file += "\r\r\r\nd";
    ASSERT_TRUE(LoadBytes(file));
    ASSERT_EQ(buffer.LineCount(), 3);
    EXPECT_EQ(buffer.LineLength(0), 32767);
    EXPECT_EQ(buffer.Line(2), "d");
    EXPECT_EQ(SaveBytes(), file);
}

// Any arrangement of all 256 byte values, zero bytes included, comes back byte for byte in
// page 0, in each line-ending mode.
TEST_F(LoadSaveTest, EveryByteSurvivesInEveryMode)
{
    std::mt19937 rng(42);
    for (int round = 0; round < 30; ++round) {
        std::string file;
        for (int repeat = 0; repeat < 1 + round % 4; ++repeat)
            for (int b = 0; b < 256; ++b)
                file.push_back(static_cast<char>(b));
        std::shuffle(file.begin(), file.end(), rng);
        for (int mode = -1; mode <= 2; ++mode) {
            ASSERT_TRUE(LoadBytes(file, static_cast<LineEnding>(mode)));
            ASSERT_EQ(SaveBytes(), file) << "round " << round << " mode " << mode;
        }
    }
}

TEST_F(LoadSaveTest, ZeroBytesAreKeptInLines)
{
    const std::string file("a\0b\r\n\0\0\r\nc\0", 11);
    ASSERT_TRUE(LoadBytes(file));
    EXPECT_EQ(BufferLines(buffer),
              (std::vector<std::string>{std::string("a\0b", 3), std::string(2, '\0'),
                                        std::string("c\0", 2)}));
    EXPECT_EQ(SaveBytes(), file);
}

TEST_F(LoadSaveTest, PseudoGraphicsOfCp866LoadAsZeroBytesAndAreCounted)
{
    // 0xB0 maps to 0x00: the line keeps it and goes on; saving gives 0x00, not 0xB0.
    ASSERT_TRUE(LoadBytes("\x80\xB0\x81\r\n\xB1", LineEnding::Auto, CodePage::Dos866));
    EXPECT_EQ(BufferLines(buffer),
              (std::vector<std::string>{std::string("\xC0\0\xC1", 3), std::string(1, '\0')}));
    EXPECT_EQ(buffer.LossyByteCount(), 2);
    EXPECT_EQ(SaveBytes(), std::string("\x80\0\x81\r\n\0", 6));
}

TEST_F(LoadSaveTest, EveryPageConvertsBothWays)
{
    for (const CodePage page :
         {CodePage::Dos866, CodePage::Koi8R, CodePage::Iso8859_5, CodePage::Macintosh}) {
        std::string file;
        int lossy = 0;
        for (int b = 0; b < 256; ++b) {
            if (b == '\r' || b == '\n')
                continue;
            file.push_back(static_cast<char>(b));
            lossy += LossyFileBytes(page)[b];
        }
        ASSERT_TRUE(LoadBytes(file, LineEnding::Dos, page));
        EXPECT_EQ(buffer.CodePage(), page);
        EXPECT_EQ(buffer.LossyByteCount(), lossy);
        const std::string saved = SaveBytes();
        ASSERT_EQ(saved.size(), file.size());
        int changed = 0;
        for (size_t i = 0; i < file.size(); ++i) {
            const uint8_t b = static_cast<uint8_t>(file[i]);
            EXPECT_EQ(static_cast<uint8_t>(buffer.Line(0)[i]), (*LoadTable(page))[b]);
            changed += saved[i] != file[i];
        }
        EXPECT_EQ(changed, lossy) << "page " << Number(page);
    }
}

TEST_F(LoadSaveTest, UnsaveableCharsAreCountedForTheTargetPage)
{
    // "5€ № «ёлка»" and a no-break space on the second line. Each page lacks some of the
    // marks; ISO 8859-5 and Mac Cyrillic hold Ukrainian letters at other bytes than the page's
    // table writes them.
    ASSERT_TRUE(LoadBytes("5\x88 \xB9 \xAB\xB8\xEB\xEA\xE0\xBB\r\n\xA0\xB2\xBA"));
    EXPECT_EQ(buffer.LossyByteCount(), 0);
    const std::pair<CodePage, int> counts[] = {
        {CodePage::Windows1251, 0}, {CodePage::Dos866, 4},    {CodePage::Koi8R, 6},
        {CodePage::Iso8859_5, 5},   {CodePage::Macintosh, 3}, {CodePage::Utf8, 0},
    };
    for (const auto& [page, count] : counts)
        EXPECT_EQ(buffer.UnsaveableCharCount(page), count) << "page " << Number(page);
}

TEST_F(LoadSaveTest, LoadingResetsStateAndNotifies)
{
    RecordingView view;
    buffer.InitEmpty();
    buffer.AttachView(&view);
    int endLine, endChar;
    buffer.InsertText(nullptr, 0, 0, "x", endLine, endChar, 4);
    view.notifications.clear();
    ASSERT_TRUE(LoadBytes("abc"));
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_FALSE(buffer.CanUndo());
    EXPECT_FALSE(buffer.IsReadOnly());
    ASSERT_EQ(view.notifications.size(), 1u);
    EXPECT_EQ(view.notifications[0].flags, UPD_RESET);
}

TEST_F(LoadSaveTest, FailedLoadLeavesTheBufferAsItWasAndSaysWhy)
{
    ASSERT_TRUE(LoadBytes("keep\r\nme"));
    EXPECT_FALSE(buffer.Load(dir.File("missing.txt").c_str()));
    EXPECT_EQ(buffer.LastError(), ENOENT);
    EXPECT_FALSE(buffer.LastErrorText().empty());
    EXPECT_FALSE(buffer.Load(dir.Path().c_str()));
    EXPECT_EQ(buffer.LastError(), EISDIR);
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"keep", "me"}));
}

// Anything but a regular file is refused at once, saying why: a FIFO without a writer would
// block the open for ever and a device like /dev/zero would never end.
TEST_F(LoadSaveTest, OnlyRegularFilesAreLoaded)
{
    ASSERT_TRUE(LoadBytes("keep"));
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
        EXPECT_FALSE(buffer.Load(path.c_str())) << path;
        EXPECT_EQ(buffer.LastErrorText(), "It is not a regular file.") << path;
    }
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"keep"}));
}

// A file that keeps growing while it is read ends the load with an error rather than filling
// the memory (the fault library appends 4 MB before each read from the second on).
// Loaded lines share the blocks of the file's text and get storage of their own when they
// change; a snapshot keeps reading the loaded text through changes and a new load.
TEST_F(LoadSaveTest, LoadedLinesChangeAloneAndStayReadableByASnapshot)
{
    ASSERT_TRUE(LoadBytes("alpha\r\nbeta\r\n\r\ngamma\r\n"));
    const std::vector<std::string> loaded = {"alpha", "beta", "", "gamma", ""};
    auto snapshot = buffer.PinSnapshot();
    ASSERT_TRUE(snapshot);
    int endLine, endChar;
    ASSERT_TRUE(buffer.InsertText(nullptr, 0, 5, std::string(40, 'x'), endLine, endChar, 0));
    ASSERT_TRUE(buffer.InsertText(nullptr, 2, 0, "new\r\nline", endLine, endChar, 0));
    ASSERT_TRUE(buffer.DeleteText(nullptr, 1, 2, 4, 1, 0));
    ASSERT_TRUE(buffer.DeleteText(nullptr, 0, 0, 0, 3, 0));
    const std::vector<std::string> changed = {"ha" + std::string(40, 'x'), "beamma", ""};
    EXPECT_EQ(BufferLines(buffer), changed);
    EXPECT_EQ(SnapshotText(*snapshot), loaded);
    buffer.ReleaseSnapshot();
    EXPECT_EQ(SaveBytes(), "ha" + std::string(40, 'x') + "\r\nbeamma\r\n");

    snapshot = buffer.PinSnapshot();
    ASSERT_TRUE(LoadBytes("other"));
    EXPECT_EQ(SnapshotText(*snapshot), changed);
    TextPoint cursor;
    EXPECT_FALSE(buffer.Undo(cursor));
    EXPECT_EQ(BufferLines(buffer), std::vector<std::string>{"other"});
}

TEST_F(LoadSaveTest, FileThatKeepsGrowingIsRefused)
{
    WriteFile(in, std::string(100000, 'a'));
    std::string output;
    EXPECT_EQ(RunCommand("ASAN_OPTIONS=verify_asan_link_order=0 LD_PRELOAD=" TW_BUILD_DIR
                         "/tests/libtw_fault.so TW_FAULT=read:2:GROW " TW_BUILD_DIR "/tw-loadsave '"
                             + in + "' '" + out + "' 2>&1",
                         &output),
              1);
    EXPECT_NE(output.find("The file kept growing while it was read."), std::string::npos) << output;
    EXPECT_FALSE(FileExists(out));
}

TEST_F(LoadSaveTest, SaveClearsModifiedOnlyWhenAsked)
{
    ASSERT_TRUE(LoadBytes("abc"));
    int endLine, endChar;
    buffer.InsertText(nullptr, 0, 0, "x", endLine, endChar, 4);
    ASSERT_TRUE(buffer.Save(dir.File("preview.html").c_str(), LineEnding::Auto, false));
    EXPECT_TRUE(buffer.IsModified());
    ASSERT_TRUE(buffer.Save(out.c_str()));
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_EQ(ReadFile(out), "xabc");
}

TEST_F(LoadSaveTest, BackupKeepsThePreviousFile)
{
    WriteFile(out, "old");
    WriteFile(out + ".bak", "older");
    ASSERT_TRUE(LoadBytes("new"));
    buffer.SetBackupOnSave(true);
    SaveBytes();
    EXPECT_EQ(ReadFile(out), "new");
    EXPECT_EQ(ReadFile(out + ".bak"), "old");

    buffer.SetBackupOnSave(false);
    WriteFile(out + ".bak", "untouched");
    SaveBytes();
    EXPECT_EQ(ReadFile(out + ".bak"), "untouched");
}

TEST_F(LoadSaveTest, SaveKeepsPermissionBits)
{
    WriteFile(out, "#!/bin/sh\n");
    chmod(out.c_str(), 0751);
    ASSERT_TRUE(LoadBytes("#!/bin/sh\necho hi\n"));
    SaveBytes();
    struct stat st;
    ASSERT_EQ(stat(out.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0751u);
}

TEST_F(LoadSaveTest, NewFileGetsTheUsualPermissions)
{
    const mode_t mask = umask(022);
    ASSERT_TRUE(LoadBytes("x"));
    SaveBytes();
    umask(mask);
    struct stat st;
    ASSERT_EQ(stat(out.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST_F(LoadSaveTest, SaveThroughASymbolicLinkReplacesItsTarget)
{
    const std::string real = dir.File("real.html");
    WriteFile(real, "old");
    ASSERT_EQ(symlink("real.html", out.c_str()), 0);
    ASSERT_TRUE(LoadBytes("new"));
    buffer.SetBackupOnSave(true);
    SaveBytes();
    struct stat st;
    ASSERT_EQ(lstat(out.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFile(real), "new");
    EXPECT_EQ(ReadFile(real + ".bak"), "old");
}

TEST_F(LoadSaveTest, FailedSavesLeaveNoTemporaryFile)
{
    ASSERT_TRUE(LoadBytes("x"));
    EXPECT_FALSE(buffer.Save(dir.File("no/such/folder/x.txt").c_str()));
    EXPECT_EQ(buffer.LastError(), ENOENT);
    EXPECT_FALSE(buffer.Save(dir.Path().c_str())); // a folder
    EXPECT_EQ(buffer.LastError(), EISDIR);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
        files += entry.path().filename().string().starts_with("TGW");
    EXPECT_EQ(files, 0);
}

// Large inputs go through the driver, one process per file, on a memory-backed folder where
// there is one.
class LargeFileTest : public testing::Test {
protected:
    static std::string Folder()
    {
        return std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    }
    void RoundTrip(const std::string& file, const std::string& expectedSummary)
    {
        const std::string out = file + ".out";
        std::string summary;
        ASSERT_EQ(RunCommand(std::string(TW_BUILD_DIR "/tw-loadsave '") + file + "' '" + out + "'",
                             &summary),
                  0);
        EXPECT_EQ(summary, expectedSummary);
        EXPECT_EQ(RunCommand("cmp -s '" + file + "' '" + out + "'"), 0);
        std::filesystem::remove(out);
    }
};

TEST_F(LargeFileTest, OneLineOf20Megabytes)
{
    const std::string file = Folder() + "/tw-test-long-line-" + std::to_string(getpid());
    std::string text(20 << 20, 'x');
    for (size_t i = 0; i < text.size(); i += 4099)
        text[i] = static_cast<char>(0x80 + i % 128);
    WriteFile(file, text);
    RoundTrip(file, "lines=1 mode=0 lossy=0 unsaveable=0\n");
    std::filesystem::remove(file);
}

#if !TW_SANITIZED
TEST_F(LargeFileTest, OneGigabyteOfMixedLines)
{
    const std::string file = Folder() + "/tw-test-1g-" + std::to_string(getpid());
    long blocks = 0;
    {
        std::ofstream out(file, std::ios::binary);
        std::string block;
        std::mt19937 rng(11);
        for (int i = 0; i < 4096; ++i) {
            block.append(rng() % 120, static_cast<char>('a' + rng() % 26));
            block += i % 7 == 1 ? "\n" : "\r\n"; // lone LFs stay inside lines
        }
        for (; out.tellp() < (1ll << 30); ++blocks)
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
    const long lines = blocks * (4096 - 585) + 1;
    RoundTrip(file, "lines=" + std::to_string(lines) + " mode=0 lossy=0 unsaveable=0\n");
    std::filesystem::remove(file);
}
#endif

} // namespace
