// Find and Replace in Files in the running application: open documents searched in their
// unsaved text, a result opened in the page its file was read in with the match selected,
// F4 from the window, and Replace over an open document (one undo step) and files on disk
// (each in its page; one changed since the search is left alone and named).
#include "app/AppFixture.h"
#include "findfiles/FindFilesController.h"
#include "findfiles/SearchResultsPane.h"
#include "findfiles/core/FindFilesSupport.h"
#include "frame/CommandRouter.h"
#include "frame/MainFrm.h"
#include "frame/ProjectTree.h"
#include "frame/Workspace.h"
#include "res/CommandIds.h"
#include "support/EventWait.h"
#include "view/KTextView.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
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
    void Search(bool replace, std::optional<CodePage> page,
                FindFilesScope scope = FindFilesScope::Folder)
    {
        FindFilesFields fields;
        fields.findWhat = kHello;
        fields.replaceWith = kBye;
        fields.scope = scope;
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
    UpdatePass();
    QAction* nextResult = frame->Router().Action(ID_SEARCH_NEXT_RESULT);
    EXPECT_FALSE(nextResult->isEnabled());

    Search(false, CodePage::Koi8R);
    // F4 works as soon as there are results, without anything else happening first.
    EXPECT_TRUE(ServeEventsUntil([&] { return nextResult->isEnabled(); }));
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
        return shown ? std::pair(shown->Document().PathName(), shown->SelectionStart())
                     : std::pair(QString(), TextPoint{});
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
    // The open text is changed at once; the files on disk are written off the window's
    // thread, which hears of the end through its events.
    EXPECT_EQ(open->Buffer().Line(0), "<p>" + kBye + "</p>");
    EXPECT_TRUE(Controller().IsRunning());
    EXPECT_TRUE(Pane().Status()->text().startsWith(QStringLiteral("Replacing: ")));
    EXPECT_FALSE(Pane().ReplaceButton()->isEnabled());
    Controller().Wait();
    EXPECT_FALSE(Controller().IsRunning());

    EXPECT_EQ(open->Buffer().Line(0), "<p>" + kBye + "</p>");
    EXPECT_TRUE(open->IsModified());
    EXPECT_EQ(ReadAll(site + "/open.htm"), openOnDisk); // nothing written for an open text
    EXPECT_EQ(ReadAll(site + "/koi.htm"), InPage("one\n<b>" + kBye + "</b>\n", CodePage::Koi8R));
    EXPECT_EQ(ReadAll(site + "/later.htm"), laterNow);
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(QStringLiteral("later.htm")));
    EXPECT_TRUE(
        Pane().Status()->text().startsWith(QStringLiteral("Replaced 2 occurrences in 2 files.")));
    EXPECT_FALSE(Pane().ReplaceButton()->isEnabled());

    // One Undo takes the whole replace in the document back.
    frame->Router().UpdateAll();
    frame->Router().Action(ID_EDIT_UNDO)->trigger();
    EXPECT_EQ(open->Buffer().Line(0), "<p>" + kHello + "</p>");
}

TEST_F(FindFilesAppTest, AStoppedReplaceCountsExactlyTheFilesItWrote)
{
    constexpr int kFiles = 40;
    for (int i = 0; i < kFiles; ++i)
        PutFile(site + "/many/p" + std::to_string(i) + ".htm", kHello + "\n");
    Start({});
    Search(true, CodePage::Windows1251); // the two pages in KOI8-R hold no match in this page
    const int matched = kFiles + 1;
    ASSERT_EQ(Pane().Files().size(), static_cast<size_t>(matched));

    Pane().ReplaceButton()->click();
    Controller().Stop();
    Controller().Wait();
    // However far the run got, every file is whole, old or new, and the end counts the new.
    int written = 0;
    for (const FileResult& file : Pane().Files()) {
        const std::string text = ReadAll(file.path);
        const bool replaced = text.find(InPage(kBye, file.codePage)) != std::string::npos;
        EXPECT_TRUE(replaced || text.find(InPage(kHello, file.codePage)) != std::string::npos)
            << file.path;
        written += replaced;
    }
    const QString status = Pane().Status()->text();
    EXPECT_TRUE(
        status.startsWith(QStringLiteral("Replaced %1 occurrences in %1 files.").arg(written)))
        << status.toStdString();
    EXPECT_EQ(status.contains(QStringLiteral("Stopped: ")), written < matched)
        << status.toStdString();
    EXPECT_FALSE(Controller().IsRunning());
}

TEST_F(FindFilesAppTest, TheProjectsFilesAreSearchedBelowTheirCommonFolder)
{
    PutFile(dir.File("elsewhere/more/extra.htm"), InPage(kHello + "\n", CodePage::Koi8R));
    PutFile(dir.File("elsewhere/skipped.txt"), kHello + "\n");
    Start({});
    CKProjectTree& project = *frame->Workspace()->Project();
    QString chosen;
    project.SetDialogs({{}, [&](QWidget*) { return QStringList{chosen}; }});
    project.setCurrentItem(project.Root());
    for (const std::string& file : {site + "/koi.htm", dir.File("elsewhere/more/extra.htm"),
                                    dir.File("elsewhere/skipped.txt")}) {
        chosen = QString::fromStdString(file);
        project.AddFiles();
    }

    Search(false, CodePage::Koi8R, FindFilesScope::Project);
    std::vector<std::string> shown;
    for (const FileResult& file : Pane().Files())
        shown.push_back(file.relativePath);
    std::sort(shown.begin(), shown.end());
    // later.htm and open.htm lie in the folder but not in the Project; the masks leave out
    // the text file.
    EXPECT_EQ(shown, (std::vector<std::string>{"elsewhere/more/extra.htm", "site/koi.htm"}));
    EXPECT_TRUE(Pane().windowTitle().endsWith(QStringLiteral("Project")));
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
    Controller().Wait();
    EXPECT_EQ(open->Buffer().Line(0), "x<p>" + kHello + "</p>");
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(QStringLiteral("open.htm")));
}
