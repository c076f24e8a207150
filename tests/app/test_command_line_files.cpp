// The files of the command line, at start-up and handed over by a later start: each opens in
// the code page asked for with its own line ending, a missing one starts empty in that page, and
// the caret goes to the line asked for.
#include "AppFixture.h"

#include "text/CodePages.h"
#include "view/KTextView.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class CommandLineFilesTest : public AppFixture {
protected:
    CTagwrightDoc* Document(const std::string& name)
    {
        for (CTagwrightDoc* doc : app->Documents())
            if (doc->PathName() == QString::fromStdString(dir.File(name)))
                return doc;
        return nullptr;
    }
    static TextPoint Caret(CTagwrightDoc& doc)
    {
        return dynamic_cast<CKTextView&>(*doc.Views().front()).CursorPos();
    }
};

TEST_F(CommandLineFilesTest, FilesOpenInTheAskedCodePageWithTheCaretOnTheAskedLine)
{
    // KOI8-R: "Ёж" on line 3 of a CR LF page; a LF page of two lines.
    WriteFile(dir.File("a.html"), "<p>\r\none\r\n\xB3\xD6\r\nlast\r\n");
    WriteFile(dir.File("b.txt"), "first\nsecond line\n");
    Start({"--encoding", "koi8r", "--line", "3", "a.html", "b.txt", "new.html"});
    ASSERT_EQ(app->Documents().size(), 3u);

    CTagwrightDoc* a = Document("a.html");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(a->Buffer().LineEnding(), LineEnding::Dos);
    EXPECT_EQ(std::string(a->Buffer().LineText(2), 2), "\xA8\xE6"); // Windows-1251
    EXPECT_EQ(Caret(*a), (TextPoint{0, 2}));

    // Its line ending is its own, not the one of the file before; line 3 is past its text.
    CTagwrightDoc* b = Document("b.txt");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(b->Buffer().LineEnding(), LineEnding::Macintosh);
    const int last = b->Buffer().LineCount() - 1;
    EXPECT_EQ(Caret(*b), (TextPoint{b->Buffer().LineLength(last), last}));

    CTagwrightDoc* created = Document("new.html");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_FALSE(created->IsModified());
}

TEST_F(CommandLineFilesTest, WithoutAnEncodingFilesOpenInWindows1251)
{
    WriteFile(dir.File("page.html"), "\xB3\xD6\n");
    Start({"page.html"});
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(app->Documents().front()->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(std::string(app->Documents().front()->Buffer().LineText(0), 2), "\xB3\xD6");
    EXPECT_EQ(Caret(*app->Documents().front()), (TextPoint{0, 0}));
}

TEST_F(CommandLineFilesTest, HandedOverFilesOpenLikeThoseOfTheStart)
{
    WriteFile(dir.File("a.html"), "1\n2\n3\n4\n");
    WriteFile(dir.File("b.html"), "\xB3\xD6\n");
    Start({"a.html"});
    ASSERT_EQ(app->Documents().size(), 1u);

    CommandLine request;
    request.files = {dir.File("b.html"), dir.File("a.html")};
    request.codePage = CodePage::Koi8R;
    request.line = 4;
    app->OnHandOver(request);
    ASSERT_EQ(app->Documents().size(), 2u);
    CTagwrightDoc* b = Document("b.html");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(std::string(b->Buffer().LineText(0), 2), "\xA8\xE6");
    // The open document keeps its text and page; its caret moves.
    CTagwrightDoc* a = Document("a.html");
    EXPECT_EQ(a->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(Caret(*a), (TextPoint{0, 3}));
}

} // namespace
