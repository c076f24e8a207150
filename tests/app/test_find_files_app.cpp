// Find and Replace in Files in the running application: open documents searched in their
// unsaved text, a result opened in the page its file was read in with the match selected,
// F4 from the window, and Replace over an open document (one undo step) and files on disk
// (each in its page; one changed since the search is left alone and named).
#include "app/AppFixture.h"
#include "findfiles/core/FindFilesSupport.h"
#include "findfiles/FindFilesController.h"
#include "findfiles/SearchResultsPane.h"
#include "frame/CommandRouter.h"
#include "res/CommandIds.h"
#include "view/KTextView.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <fstream>
#include <sstream>

namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::string kHello = "\xcf\xf0\xe8\xe2\xe5\xf2"; // "Привет" in Windows-1251
const std::string kBye = "\xcf\xee\xea\xe0";           // "Пока"

class FindFilesAppTest : public AppFixture {
protected:
    void SetUp() override
    {
        site = dir.File("site");
        PutFile(site + "/open.htm", "<p>" + kHello + "</p>\r\n");
        PutFile(site + "/koi.htm", InPage("one\n<b>" + kHello + "</b>\n", CodePage::Koi8R));
        PutFile(site + "/later.htm", InPage(kHello + "\n", CodePage::Koi8R));
    }
    CKFindFilesController& Controller() { return frame->FindInFiles(); }
    CKSearchResultsPane& Pane() { return Controller().Pane(); }
    void Search(bool replace, std::optional<CodePage> page)
    {
        FindFilesFields fields;
        fields.findWhat = kHello;
        fields.replaceWith = kBye;
        fields.folder = QString::fromStdString(site);
        fields.masks = QStringLiteral("*.htm");
        fields.codePage = page;
        QString problem;
        ASSERT_TRUE(Controller().Start(fields, replace, problem)) << problem.toStdString();
        Controller().Wait();
        ASSERT_FALSE(Controller().IsRunning());
    }
    int FileIndex(const std::string& relative)
    {
        const auto& files = Pane().Files();
        for (size_t i = 0; i < files.size(); ++i)
            if (files[i].relativePath == relative)
                return static_cast<int>(i);
        return -1;
    }
    CKTextView* ActiveTextView() { return dynamic_cast<CKTextView*>(frame->ActiveView()); }

    std::string site;
};

} // namespace

TEST_F(FindFilesAppTest, OpenDocumentsAreSearchedInMemoryAndAResultOpensInItsPage)
{
    Start({QString::fromStdString(site + "/open.htm")});
    CTagwrightDoc* open = frame->ActiveDocument();
    ASSERT_TRUE(open);
    // An unsaved second line holding the word: found, though the file has it once.
    int endLine = 0, endChar = 0;
    open->Buffer().InsertText(nullptr, 1, 0, kHello, endLine, endChar, 0);

    Search(false, CodePage::Koi8R);
    const int openIndex = FileIndex("open.htm");
    ASSERT_GE(openIndex, 0);
    EXPECT_TRUE(Pane().Files()[openIndex].openDocument);
    EXPECT_EQ(Pane().Files()[openIndex].matches.size(), 2u);
    EXPECT_TRUE(Pane().isVisibleTo(frame));

    const int koi = FileIndex("koi.htm");
    ASSERT_GE(koi, 0);
    Controller().OpenResult(koi, 0);
    CTagwrightDoc* opened = frame->ActiveDocument();
    ASSERT_TRUE(opened);
    EXPECT_TRUE(opened->PathName().endsWith(QStringLiteral("koi.htm")));
    EXPECT_EQ(opened->Buffer().CodePage(), CodePage::Koi8R);
    CKTextView* view = ActiveTextView();
    ASSERT_TRUE(view);
    EXPECT_EQ(view->SelectionStart(), (TextPoint{3, 1}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{9, 1}));
    EXPECT_EQ(opened->Buffer().Line(1).substr(3, 6), kHello);

    // F4 from the window goes on to the next result, whichever file it is in.
    frame->Router().UpdateAll();
    QAction* next = frame->Router().Action(ID_SEARCH_NEXT_RESULT);
    ASSERT_TRUE(next->isEnabled());
    EXPECT_TRUE(next->shortcuts().contains(QKeySequence(Qt::Key_F4)));
    const auto where = [&] {
        CKTextView* shown = ActiveTextView();
        return shown ? std::pair(shown->Document().PathName(), shown->SelectionStart()) : std::pair(QString(), TextPoint{});
    };
    next->trigger();
    const auto first = where();
    next->trigger();
    const auto second = where();
    EXPECT_FALSE(first.first.isEmpty());
    EXPECT_FALSE(second.first.isEmpty());
    EXPECT_NE(first, second);
    frame->Router().Action(ID_SEARCH_PREVIOUS_RESULT)->trigger();
    EXPECT_EQ(where(), first);
}

TEST_F(FindFilesAppTest, ReplaceChangesTheOpenTextAsOneStepAndWritesClosedFilesInTheirPage)
{
    Start({QString::fromStdString(site + "/open.htm")});
    CTagwrightDoc* open = frame->ActiveDocument();
    ASSERT_TRUE(open);
    const std::string openOnDisk = ReadAll(site + "/open.htm");

    Search(true, CodePage::Koi8R);
    ASSERT_EQ(Pane().Files().size(), 3u);
    // A closed file changes on disk after the search.
    PutFile(site + "/later.htm", InPage(kHello + " changed\n", CodePage::Koi8R));
    const std::string laterNow = ReadAll(site + "/later.htm");

    Pane().ReplaceButton()->click();

    EXPECT_EQ(open->Buffer().Line(0), "<p>" + kBye + "</p>");
    EXPECT_TRUE(open->IsModified());
    EXPECT_EQ(ReadAll(site + "/open.htm"), openOnDisk); // nothing written for an open text
    EXPECT_EQ(ReadAll(site + "/koi.htm"), InPage("one\n<b>" + kBye + "</b>\n", CodePage::Koi8R));
    EXPECT_EQ(ReadAll(site + "/later.htm"), laterNow);
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(QStringLiteral("later.htm")));
    EXPECT_TRUE(Pane().Status()->text().startsWith(QStringLiteral("Replaced 2 occurrences in 2 files.")));
    EXPECT_FALSE(Pane().ReplaceButton()->isEnabled());

    // One Undo takes the whole replace in the document back.
    frame->Router().UpdateAll();
    frame->Router().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(open->Buffer().Line(0), "<p>" + kHello + "</p>");
}

TEST_F(FindFilesAppTest, AnOpenTextChangedAfterTheSearchIsNotReplaced)
{
    Start({QString::fromStdString(site + "/open.htm")});
    CTagwrightDoc* open = frame->ActiveDocument();
    ASSERT_TRUE(open);
    Search(true, CodePage::Koi8R);
    int endLine = 0, endChar = 0;
    open->Buffer().InsertText(nullptr, 0, 0, "x", endLine, endChar, 0);

    Pane().ReplaceButton()->click();
    EXPECT_EQ(open->Buffer().Line(0), "x<p>" + kHello + "</p>");
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(QStringLiteral("open.htm")));
}
