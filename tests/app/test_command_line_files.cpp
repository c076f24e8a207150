// The files of the command line, at start-up and handed over by a later start: each opens in
// the code page asked for with its own line ending, a missing one starts empty in that page, and
// the caret goes to the line asked for.
#include "AppFixture.h"

#include "frame/CommandRouter.h"
#include "res/CommandIds.h"
#include "text/CodePages.h"
#include "view/KTextView.h"

#include <QDir>
#include <QLabel>
#include <gtest/gtest.h>

#include <algorithm>

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

TEST_F(CommandLineFilesTest, AutoOpensEachFileInThePageItsBytesShow)
{
    // "Утро выдалось холодным, и мы решили остаться дома." in KOI8-R, twice.
    const std::string once =
        "\xF5\xD4\xD2\xCF \xD7\xD9\xC4\xC1\xCC\xCF\xD3\xD8 \xC8\xCF\xCC\xCF\xC4\xCE\xD9\xCD, "
        "\xC9 \xCD\xD9 \xD2\xC5\xDB\xC9\xCC\xC9 \xCF\xD3\xD4\xC1\xD4\xD8\xD3\xD1 \xC4\xCF\xCD\xC1.";
    WriteFile(dir.File("koi.html"), once + " " + once);
    WriteFile(dir.File("plain.html"), "<p>hello</p>");
    Start({"--encoding", "auto", "koi.html", "plain.html"});
    ASSERT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(Document("koi.html")->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(Document("plain.html")->Buffer().CodePage(), CodePage::Windows1251);
    // The ENC pane of the active document tells how its page was chosen.
    frame->Router().UpdateAll();
    ASSERT_EQ(frame->PaneText(ID_PANE_CODE_PAGE), QStringLiteral("ENC: WIN"));
    const QList<QLabel*> labels = frame->findChildren<QLabel*>();
    const auto pane = std::find_if(labels.begin(), labels.end(), [](QLabel* l) {
        return l->text() == QStringLiteral("ENC: WIN");
    });
    ASSERT_NE(pane, labels.end());
    EXPECT_EQ(
        (*pane)->toolTip(),
        QStringLiteral("The file holds only ASCII characters; it was opened as Windows-1251."));
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
    // The open document is read again in the page asked for; its caret moves.
    CTagwrightDoc* a = Document("a.html");
    EXPECT_EQ(a->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(Caret(*a), (TextPoint{0, 3}));
    EXPECT_TRUE(host->questions.isEmpty());
}

TEST_F(CommandLineFilesTest, AnOpenFileWithChangesIsReadInTheAskedPageOnlyWhenTheUserAgrees)
{
    WriteFile(dir.File("k.html"), "\xB3\xD6\n");
    Start({"k.html"});
    CTagwrightDoc* k = Document("k.html");
    ASSERT_NE(k, nullptr);
    int line, ch;
    k->Buffer().InsertText(nullptr, 0, 0, "x", line, ch, 0);

    CommandLine request;
    request.files = {dir.File("k.html")};
    request.codePage = CodePage::Koi8R;
    host->answerYes = false;
    app->OnHandOver(request);
    ASSERT_EQ(host->questions.size(), 1);
    EXPECT_EQ(k->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(std::string(k->Buffer().LineText(0), 3), "x\xB3\xD6");

    host->answerYes = true;
    app->OnHandOver(request);
    EXPECT_EQ(host->questions.size(), 2);
    EXPECT_EQ(k->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(std::string(k->Buffer().LineText(0), 2), "\xA8\xE6");
    EXPECT_FALSE(k->IsModified());
}

} // namespace
