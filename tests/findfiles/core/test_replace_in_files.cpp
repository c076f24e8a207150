// Replace in Files writes each file in its own page and line ending, changing only the bytes
// of the chosen matches, keeps backups as the editor's save does, and leaves alone a file
// that changed after it was searched.
#include "FindFilesSupport.h"
#include "findfiles/core/ReplaceInFiles.h"
#include "support/TempDir.h"
#include "view/core/TextSearch.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const std::string kYear = " \xE3."; // " г."

FileResult Only(const SearchRecord& record, const std::string& relative)
{
    for (const FileResult& file : record.files)
        if (file.relativePath == relative)
            return file;
    ADD_FAILURE() << relative << " has no matches";
    return {};
}

FindFilesOptions Replacing(const TempDir& dir, const std::string& pattern,
                           const std::string& replacement, uint32_t flags = 0)
{
    FindFilesOptions options;
    options.pattern = pattern;
    options.replacement = replacement;
    options.flags = flags;
    options.folder = dir.Path();
    return options;
}

TEST(ReplaceInFilesTest, EachFileKeepsItsPageLineEndingAndOtherBytes)
{
    TempDir dir;
    struct Row {
        const char* name;
        CodePage page;
        std::string before; // Windows-1251
        std::string after;
        std::string prefix = {}; // bytes before the text, as they are
    };
    // "Привет" and "пока", box drawing of CP866 that the editor cannot hold, a byte order mark.
    const std::vector<Row> rows = {
        {"koi8r_crlf", CodePage::Koi8R,
         "\xCF\xF0\xE8\xE2\xE5\xF2 2019\r\n\xEF\xEE\xEA\xE0 2019\r\n",
         "\xCF\xF0\xE8\xE2\xE5\xF2 2024" + kYear + "\r\n\xEF\xEE\xEA\xE0 2024" + kYear + "\r\n"},
        {"cp866_lf_with_box_drawing", CodePage::Dos866, "\xEF\xEE\xEA\xE0 2019\n",
         "\xEF\xEE\xEA\xE0 2024" + kYear + "\n", "\xC9\xCD\xBB\n"},
        {"utf8_with_mark", CodePage::Utf8, "2019 \xEF\xEE\xEA\xE0\n",
         "2024" + kYear + " \xEF\xEE\xEA\xE0\n", "\xEF\xBB\xBF"},
        {"mac_lone_cr_lines", CodePage::Macintosh, "a\r2019\nb\r\n", "a\r2024" + kYear + "\nb\r\n"},
    };
    for (const Row& row : rows)
        PutFile(dir.File(std::string(row.name) + ".html"),
                row.prefix + InPage(row.before, row.page));

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        FindFilesOptions options = Replacing(dir, "2019", "2024" + kYear);
        options.codePage = row.page;
        options.masks = {std::string(row.name) + ".html"};
        const SearchRecord record = RunSearch(options);
        ASSERT_EQ(record.files.size(), 1u);
        const FileReplaceOutcome outcome = ReplaceInFile(record.files[0], false);
        EXPECT_EQ(outcome.reason, "");
        EXPECT_EQ(ReadFile(dir.File(std::string(row.name) + ".html")),
                  row.prefix + InPage(row.after, row.page));
    }
}

TEST(ReplaceInFilesTest, TemplatesAndLineBreaksAsReplaceMakesThem)
{
    TempDir dir;
    PutFile(dir.File("page.html"), "<B>Old</B> and <b>more</b>\r\n");
    // "<" and ">" are word boundaries unless escaped.
    const SearchRecord record = RunSearch(
        Replacing(dir, "\\<b\\>(\\w+)\\</b\\>", "<strong>\\U\\1\\E</strong>\\n", FIND_REGEXP));
    const FileReplaceOutcome outcome = ReplaceInFile(Only(record, "page.html"), false);
    EXPECT_EQ(outcome.replaced, 2);
    EXPECT_EQ(ReadFile(dir.File("page.html")),
              "<strong>OLD</strong>\r\n and <strong>MORE</strong>\r\n\r\n");
}

TEST(ReplaceInFilesTest, OnlyTheChosenMatchesChange)
{
    TempDir dir;
    PutFile(dir.File("page.html"), "tel 111\ntel 111\ntel 111\n");
    SearchRecord record = RunSearch(Replacing(dir, "111", "222"));
    FileResult file = Only(record, "page.html");
    ASSERT_EQ(file.matches.size(), 3u);
    file.matches[1].chosen = false;
    EXPECT_EQ(ReplaceInFile(file, false).replaced, 2);
    EXPECT_EQ(ReadFile(dir.File("page.html")), "tel 222\ntel 111\ntel 222\n");

    // None chosen: the file is not written at all.
    for (FoundMatch& match : file.matches)
        match.chosen = false;
    struct stat before, after;
    stat(dir.File("page.html").c_str(), &before);
    EXPECT_EQ(ReplaceInFile(file, false).replaced, 0);
    stat(dir.File("page.html").c_str(), &after);
    EXPECT_EQ(before.st_ino, after.st_ino);
}

TEST(ReplaceInFilesTest, BackupsModeAndAFileChangedMeanwhile)
{
    TempDir dir;
    PutFile(dir.File("kept.html"), "2019\n");
    PutFile(dir.File("plain.html"), "2019\n");
    PutFile(dir.File("changed.html"), "2019\n");
    PutFile(dir.File("bad.html"), "a\n");
    chmod(dir.File("plain.html").c_str(), 0640);
    SearchRecord record = RunSearch(Replacing(dir, "2019", "2024"));

    EXPECT_EQ(ReplaceInFile(Only(record, "kept.html"), true).reason, "");
    EXPECT_EQ(ReadFile(dir.File("kept.html.bak")), "2019\n");
    EXPECT_EQ(ReplaceInFile(Only(record, "plain.html"), false).reason, "");
    EXPECT_FALSE(FileExists(dir.File("plain.html.bak")));
    struct stat st;
    stat(dir.File("plain.html").c_str(), &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // Written after the search, even to the same size: left as it is, and said why.
    PutFile(dir.File("changed.html"), "2018\n");
    const FileReplaceOutcome changed = ReplaceInFile(Only(record, "changed.html"), false);
    EXPECT_EQ(changed.reason, "The file has changed since it was searched.");
    EXPECT_EQ(ReadFile(dir.File("changed.html")), "2018\n");

    // A template naming a group that took no part cannot be expanded: nothing is written.
    record = RunSearch(Replacing(dir, "a(x)?", "\\1", FIND_REGEXP));
    const FileReplaceOutcome bad = ReplaceInFile(Only(record, "bad.html"), false);
    EXPECT_EQ(bad.reason, "The replacement cannot be made for a match (line 1).");
    EXPECT_EQ(ReadFile(dir.File("bad.html")), "a\n");
}

TEST(ReplaceInFilesTest, AllFilesButOpenOnesUntilCancelled)
{
    TempDir dir;
    PutFile(dir.File("a.html"), "x x\n");
    PutFile(dir.File("b.html"), "x\n");
    SearchRecord record = RunSearch(Replacing(dir, "x", "y"));
    ASSERT_EQ(record.files.size(), 2u);
    record.files[1].openDocument = true; // the editor's to change
    std::atomic<bool> cancel{false};
    ReplaceFilesTotals totals = ReplaceInFiles(record.files, false, cancel);
    EXPECT_EQ(totals.replaced, 2);
    EXPECT_EQ(totals.files, 1);
    EXPECT_EQ(ReadFile(dir.File("a.html")), "y y\n");
    EXPECT_EQ(ReadFile(dir.File("b.html")), "x\n");

    cancel = true;
    record = RunSearch(Replacing(dir, "y", "z"));
    totals = ReplaceInFiles(record.files, false, cancel);
    EXPECT_TRUE(totals.cancelled);
    EXPECT_EQ(ReadFile(dir.File("a.html")), "y y\n");
}

TEST(ReplaceInFilesTest, ARunOnItsThreadStopsBetweenFilesKeepingWhatItWrote)
{
    TempDir dir;
    constexpr int kFiles = 5;
    for (int i = 0; i < kFiles; ++i)
        PutFile(dir.File("p" + std::to_string(i) + ".html"), "x x\n");
    const SearchRecord record = RunSearch(Replacing(dir, "x", "y"));
    ASSERT_EQ(record.files.size(), static_cast<size_t>(kFiles));

    // Stopped once the first file is written: it stays written, the others are not touched.
    CReplaceInFilesRun run;
    std::vector<int64_t> progress;
    ReplaceFilesTotals end;
    int finished = 0;
    run.Start(
        record.files, false,
        [&](const ReplaceFilesTotals& totals) {
            progress.push_back(totals.done);
            if (totals.done == 1)
                run.Cancel();
        },
        [&](const ReplaceFilesTotals& totals) {
            end = totals;
            ++finished;
        });
    run.Wait();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(progress, (std::vector<int64_t>{1}));
    EXPECT_TRUE(end.cancelled);
    EXPECT_EQ(end.done, 1);
    EXPECT_EQ(end.files, 1);
    EXPECT_EQ(end.replaced, 2);
    int written = 0;
    for (const FileResult& file : record.files) {
        const std::string text = ReadFile(file.path);
        EXPECT_TRUE(text == "x x\n" || text == "y y\n") << file.path << ": " << text;
        written += text == "y y\n";
    }
    EXPECT_EQ(written, 1);

    // Started again, the run goes through every file.
    run.Start(record.files, false, {}, [&](const ReplaceFilesTotals& totals) { end = totals; });
    run.Wait();
    EXPECT_FALSE(end.cancelled);
    EXPECT_EQ(end.done, kFiles);
    EXPECT_EQ(end.files, kFiles - 1); // the one written before has changed since the search
    ASSERT_EQ(end.failures.size(), 1u);
    EXPECT_EQ(end.failures[0].reason, "The file has changed since it was searched.");
}

TEST(ReplaceInFilesTest, AnOpenDocumentChangesAsOneUndoStep)
{
    CKTextBuffer buffer;
    ASSERT_TRUE(buffer.InitEmpty());
    int endLine = 0, endChar = 0;
    ASSERT_TRUE(buffer.InsertText(nullptr, 0, 0, "ab ab\r\nab", endLine, endChar, 0));
    const int steps = buffer.UndoRecordCount();

    FileResult file;
    file.openDocument = true;
    file.lines = {{0, "ab ab"}, {1, "ab"}};
    for (const TextPoint start : {TextPoint{0, 0}, TextPoint{3, 0}, TextPoint{0, 1}})
        file.matches.push_back({start.y, start, {start.x + 2, start.y}, -1, -1, "x\ny"});
    file.matches[1].chosen = false;
    EXPECT_EQ(ReplaceInBuffer(buffer, nullptr, file).replaced, 2);
    std::string text;
    buffer.CopyText(0, 0, buffer.LineCount() - 1, buffer.LineLength(buffer.LineCount() - 1), text,
                    "|");
    EXPECT_EQ(text, "x|y ab|x|y");
    TextPoint cursor;
    ASSERT_TRUE(buffer.Undo(cursor));
    buffer.CopyText(0, 0, buffer.LineCount() - 1, buffer.LineLength(buffer.LineCount() - 1), text,
                    "|");
    EXPECT_EQ(text, "ab ab|ab");
    EXPECT_EQ(buffer.UndoPosition(), steps);
}

} // namespace
