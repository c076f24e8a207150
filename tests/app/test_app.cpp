// The application as the program starts it, on fakes: the document windows and their titles,
// the Source Type menu, the status panes, the open request, closing windows of modified
// documents, the window commands and the settings written at exit.
#include "AppFixture.h"
#include "support/EventWait.h"

#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "res/CommandIds.h"
#include "res/CommandTable.h"
#include "settings/core/AppSettings.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QRegularExpression>
#include <QTime>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

class AppTest : public AppFixture {
protected:
    void Type(CTagwrightDoc& doc, const std::string& text)
    {
        int line, ch;
        doc.Buffer().InsertText(nullptr, 0, 0, text, line, ch, 0);
    }
    // What a later start with this one file hands over.
    void HandOver(const std::string& path)
    {
        CommandLine request;
        request.files = {path};
        frame->OpenRequest(request);
    }
};

TEST_F(AppTest, FileOnTheCommandLineOpensMaximisedWithItsTitle)
{
    WriteFile(dir.File("page.html"), "<p>\n</p>\n");
    Start({Q(dir.File("page.html"))});
    ASSERT_EQ(app->Documents().size(), 1u);
    CChildFrame* child = frame->ActiveChildFrame();
    ASSERT_TRUE(child);
    EXPECT_TRUE(child->parentWidget()->isMaximized());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tagwright - [page.html]"));

    // The mark follows the text.
    CTagwrightDoc& doc = child->Document();
    int line, ch;
    doc.Buffer().InsertText(nullptr, 0, 0, "x", line, ch, 0);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tagwright - [page.html *]"));

    frame->Router().UpdateAll();
    EXPECT_EQ(frame->PaneText(ID_PANE_LINE_ENDING), QStringLiteral("CRLF: UNIX"));
    EXPECT_EQ(frame->PaneText(ID_PANE_CODE_PAGE), QStringLiteral("ENC: WIN"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$"))
                    .match(frame->PaneText(ID_PANE_CLOCK))
                    .hasMatch());
    // The clock wakes the program once a minute, as the minute starts.
    auto* clock = frame->findChild<QTimer*>(QStringLiteral("clock"));
    ASSERT_TRUE(clock);
    EXPECT_TRUE(clock->isSingleShot());
    const int due = (QTime::currentTime().msecsSinceStartOfDay() + clock->remainingTime()) % 60000;
    EXPECT_TRUE(due < 1000 || due > 59000) << due;
}

TEST_F(AppTest, SourceTypeMenuChecksTheCurrentTypeAndChangesIt)
{
    Start({});
    ASSERT_EQ(app->Documents().size(), 1u);
    CTagwrightDoc* doc = app->Documents().front();
    EXPECT_EQ(doc->Title(), QStringLiteral("HTML1"));
    EXPECT_EQ(doc->SourceType(), SourceType::Html);

    QMenu* typeMenu = nullptr;
    for (QMenu* menu : frame->menuBar()->findChildren<QMenu*>())
        if (menu->title() == QStringLiteral("Source T&ype"))
            typeMenu = menu;
    ASSERT_TRUE(typeMenu);
    ASSERT_EQ(typeMenu->actions().size(), kSourceTypeCount);
    ASSERT_TRUE(frame->ActiveView());
    emit typeMenu->aboutToShow();
    for (int type = 0; type < kSourceTypeCount; ++type) {
        QAction* action = typeMenu->actions().at(type);
        EXPECT_EQ(action->text().toStdString(), SourceTypeName(static_cast<SourceType>(type)));
        EXPECT_EQ(action->isChecked(), type == Number(SourceType::Html)) << type;
    }
    typeMenu->actions().at(Number(SourceType::Python))->trigger();
    EXPECT_EQ(doc->SourceType(), SourceType::Python);
    EXPECT_TRUE(typeMenu->actions().at(Number(SourceType::Python))->isChecked());
    EXPECT_FALSE(typeMenu->actions().at(Number(SourceType::Html))->isChecked());
}

TEST_F(AppTest, OpenRequestOpensAFileOnce)
{
    WriteFile(dir.File("a.txt"), "a");
    Start({});
    HandOver(dir.File("a.txt"));
    HandOver(dir.File("a.txt"));
    ASSERT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(app->Documents().back()->Title(), QStringLiteral("a.txt"));
    EXPECT_EQ(&frame->ActiveChildFrame()->Document(), app->Documents().back());
    EXPECT_EQ(app->Session().Recent().Paths().front(), dir.File("a.txt"));

    // Another window of the same document numbers the titles.
    frame->Router().Route(ID_WINDOW_NEW);
    EXPECT_EQ(frame->ChildFrames().size(), 3u);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Tagwright - [a.txt:2]"));

    // Closing the document closes both of its windows.
    frame->Router().Route(ID_DOC_CLOSE);
    for (int i = 0; i < 5 && app->Documents().size() != 1; ++i)
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(frame->ChildFrames().size(), 1u);
}

TEST_F(AppTest, AHandOverGivesTheKeysToTheTextNotToTheHintBar)
{
    // A UTF-8 page read as Windows-1251 shows the code page hint with its buttons.
    WriteFile(dir.File("u.html"), "<p>\xD0\x94\xD0\xB0</p>\r\n");
    WriteFile(dir.File("b.txt"), "b");
    Start({Q(dir.File("u.html")), Q(dir.File("b.txt"))});
    frame->show();
    ASSERT_TRUE(ServeEventsUntil([&] { return frame->isActiveWindow(); }));
    CChildFrame* hinted = frame->ChildFrames().front();
    auto* bar = hinted->findChild<QWidget*>(QStringLiteral("encodingBar"));
    ASSERT_TRUE(bar && bar->isVisibleTo(hinted));
    // The bar's button had the focus when the window was left for another.
    frame->ActivateDocument(hinted->Document());
    QWidget* button = bar->findChildren<QAbstractButton*>().front();
    button->setFocus();
    ASSERT_TRUE(ServeEventsUntil([&] { return button->hasFocus(); }));
    frame->ActivateDocument(frame->ChildFrames().back()->Document());
    ASSERT_TRUE(ServeEventsUntil([&] { return frame->ActiveChildFrame() != hinted; }));

    HandOver(dir.File("u.html"));
    ASSERT_EQ(frame->ActiveChildFrame(), hinted);
    EXPECT_TRUE(
        ServeEventsUntil([&] { return QApplication::focusWidget() == hinted->View()->Widget(); }));
}

// A name that is not UTF-8 reaches the panes and dialogs with replacement marks; opened from
// there, from the command line or the recent files, it is the one file on disk.
TEST_F(AppTest, AFileWhoseNameIsNotUtf8OpensOnceFromEveryRoute)
{
    const std::string file = dir.File("caf\xe9.html");
    WriteFile(file, "<p>caf\xe9</p>");
    WriteFile(dir.File("twice\xe8.html"), "");
    WriteFile(dir.File("twice\xe9.html"), "");
    Start({});
    CTagwrightDoc* doc = app->OpenDocumentFile(QFile::decodeName(file.c_str()));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->NativePathName(), file);
    EXPECT_EQ(doc->Buffer().Line(0), "<p>caf\xe9</p>");
    HandOver(file);
    EXPECT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(app->Session().Recent().Paths().front(), file);

    // Two files that read the same: neither is taken for the other.
    EXPECT_EQ(app->OpenDocumentFile(QFile::decodeName(dir.File("twice\xe9.html").c_str())),
              nullptr);
    EXPECT_EQ(host->errors.size(), 1);
    EXPECT_EQ(app->Documents().size(), 2u);
}

TEST_F(AppTest, HandedOverFilesOpenAsAtStartUpAndMissingOnesAsNewTexts)
{
    WriteFile(dir.File("win.txt"), "\xC0\xE1\r\n\xE2\r\n");
    Start({});
    // As after a Save As in CP866 with Unix line ends.
    app->Session().SetRememberedFormat({CodePage::Dos866, LineEnding::Unix});
    HandOver(dir.File("win.txt"));
    ASSERT_EQ(app->Documents().size(), 2u);
    CKTextBuffer& buffer = app->Documents().back()->Buffer();
    EXPECT_EQ(buffer.CodePage(), CodePage::Windows1251);
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Dos);
    EXPECT_EQ(buffer.Line(0), "\xC0\xE1");
    EXPECT_EQ(app->Session().RememberedFormat().codePage, CodePage::Dos866);

    // A path that does not exist: a new text that the first save writes there.
    HandOver(dir.File("new.html"));
    ASSERT_EQ(app->Documents().size(), 3u);
    EXPECT_EQ(app->Documents().back()->Title(), QStringLiteral("new.html"));
    EXPECT_FALSE(FileExists(dir.File("new.html")));
}

TEST_F(AppTest, RecentFileThatNoLongerExistsSaysSoAndLeavesTheListIfTheUserAgrees)
{
    Start({});
    const std::string gone = dir.File("gone.html");
    app->Session().Recent().Add(gone);
    for (const auto& [answer, kept] : {std::pair{false, true}, {true, false}}) {
        host->questions.clear();
        host->answerYes = answer;
        EXPECT_TRUE(frame->Router().Route(ID_FILE_MRU_FIRST));
        ASSERT_EQ(host->questions.size(), 1);
        EXPECT_TRUE(host->questions.front().contains(QStringLiteral("no longer exists")));
        EXPECT_EQ(app->Documents().size(), 1u);
        const std::vector<std::string>& paths = app->Session().Recent().Paths();
        EXPECT_EQ(!paths.empty() && paths.front() == gone, kept);
    }
}

TEST_F(AppTest, OpeningAFileOpenInAnotherPageAsksToReopenItThere)
{
    WriteFile(dir.File("page.html"), "\xD0\x94\xD0\xB0\r\n"); // "Да" in UTF-8
    Start({QString::fromStdString(dir.File("page.html"))});
    ASSERT_EQ(app->Documents().size(), 1u);
    CTagwrightDoc* doc = app->Documents().front();
    ASSERT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
    host->dialog = [this](FileDialogRequest& r) {
        r.path = QString::fromStdString(dir.File("page.html"));
        r.paths = {r.path};
        r.folder = QString::fromStdString(dir.Path());
        r.codePage = CodePage::Utf8;
    };
    for (const auto& [answer, page] :
         {std::pair{false, CodePage::Windows1251}, {true, CodePage::Utf8}}) {
        host->questions.clear();
        host->answerYes = answer;
        EXPECT_TRUE(frame->Router().Route(ID_FILE_OPEN));
        ASSERT_EQ(host->questions.size(), 1);
        EXPECT_TRUE(host->questions.front().contains(
            QStringLiteral("already open in the code page \"Windows (CP-1251)\"")));
        EXPECT_EQ(app->Documents().size(), 1u);
        EXPECT_EQ(doc->Buffer().CodePage(), page);
    }
    EXPECT_EQ(doc->Buffer().Line(0), "\xC4\xE0");

    // File > Reopen with Encoding lists the six pages, checks the document's and reopens in
    // the one picked.
    QMenu* file = frame->menuBar()->actions().front()->menu();
    QMenu* pages = nullptr;
    for (QAction* item : file->actions())
        if (item->text() == QStringLiteral("Reopen with &Encoding"))
            pages = item->menu();
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->actions().size(), 6);
    EXPECT_EQ(pages->actions()[5]->text(), QStringLiteral("UTF-8"));
    frame->Router().UpdateAll();
    EXPECT_TRUE(pages->actions()[5]->isChecked());
    pages->actions()[0]->trigger();
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(doc->Buffer().Line(0), "\xD0\x94\xD0\xB0");
}

TEST_F(AppTest, HelpSaysWhereItLookedForAMissingManual)
{
    Start({});
    // The test program's folder has no manual beside it or above it.
    ASSERT_FALSE(QFile::exists(QCoreApplication::applicationDirPath() + "/../README.md"));
    EXPECT_TRUE(frame->Router().Route(ID_HELP_CONTENTS));
    ASSERT_EQ(host->errors.size(), 1);
    EXPECT_TRUE(host->errors.front().startsWith(QStringLiteral("The manual is not installed")))
        << host->errors.front().toStdString();
}

TEST_F(AppTest, OpenTakesSeveralFilesAtOnce)
{
    Start({});
    const QStringList chosen = {Q(dir.File("a.html")), Q(dir.File("b.css"))};
    WriteFile(dir.File("a.html"), "a");
    WriteFile(dir.File("b.css"), "b");
    host->dialog = [&](FileDialogRequest& r) {
        r.paths = chosen;
        r.path = chosen.front();
        r.folder = Q(dir.Path());
    };
    EXPECT_TRUE(frame->Router().Route(ID_FILE_OPEN));
    QStringList open;
    for (const CTagwrightDoc* doc : app->Documents())
        if (!doc->PathName().isEmpty())
            open << doc->PathName();
    EXPECT_EQ(open, chosen);
}

TEST_F(AppTest, ClosingTheMainWindowAsksForEachModifiedDocument)
{
    Start({});
    CTagwrightDoc& doc = *app->Documents().front();
    Type(doc, "unsaved");
    frame->show();

    // Cancel keeps everything open.
    host->saveChangesAnswer = Answer::Cancel;
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(host->questions.size(), 1);
    EXPECT_TRUE(host->questions.front().contains(QStringLiteral("HTML1")));
    EXPECT_EQ(app->Documents().size(), 1u);
    EXPECT_TRUE(frame->isVisible());

    // Yes saves through the save dialog, then the window closes.
    const std::string path = dir.File("saved.html");
    host->saveChangesAnswer = Answer::Yes;
    host->dialog = [&](FileDialogRequest& request) { request.path = Q(path); };
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(host->questions.size(), 2);
    EXPECT_EQ(ReadFile(path), "unsaved");
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(AppTest, ClosingTheLastWindowOfAModifiedDocumentAsksOnce)
{
    Start({});
    CTagwrightDoc* doc = app->Documents().front();
    Type(*doc, "x");
    frame->Router().Route(ID_WINDOW_NEW);
    ASSERT_EQ(frame->ChildFrames().size(), 2u);

    // Another window of the document remains: no question.
    frame->ChildFrames().back()->parentWidget()->close();
    Settle();
    EXPECT_TRUE(host->questions.isEmpty());
    ASSERT_EQ(frame->ChildFrames().size(), 1u);

    // The last one asks; No closes without saving and the document goes with it.
    const QPointer<CTagwrightDoc> closing(doc);
    host->saveChangesAnswer = Answer::Cancel;
    EXPECT_FALSE(frame->ChildFrames().front()->parentWidget()->close());
    EXPECT_EQ(host->questions.size(), 1);
    host->saveChangesAnswer = Answer::No;
    EXPECT_TRUE(frame->ChildFrames().front()->parentWidget()->close());
    Settle();
    EXPECT_TRUE(app->Documents().empty());
    EXPECT_TRUE(closing.isNull());
    EXPECT_TRUE(frame->ChildFrames().empty());
    EXPECT_TRUE(host->saveRequests.empty());
}

TEST_F(AppTest, MenusShowTheTextsAndKeysOfTheCommandTable)
{
    Start({});
    QStringList titles;
    for (QAction* menu : frame->menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&Search", "&View", "&Insert", "&Macros",
                                   "&Tools", "&Window", "&Help"}));
    // Each command takes its row's text and keys, whichever component runs it.
    for (const int id : {ID_FILE_NEW, ID_FILE_SAVE, ID_EDIT_COPY, ID_EDIT_AUTO_EXPAND,
                         ID_INSERT_BOLD, ID_MACRO_7, ID_WINDOW_SPLIT, ID_APP_ABOUT}) {
        const CommandSpec* spec = FindCommand(id);
        ASSERT_TRUE(spec) << id;
        QAction* action = frame->Router().Action(id);
        EXPECT_EQ(action->text().toStdString(), spec->menu) << id;
        const QString keys =
            QString::fromUtf8(spec->keys.data(), static_cast<qsizetype>(spec->keys.size()));
        EXPECT_EQ(action->shortcuts(),
                  keys.isEmpty() ? QList<QKeySequence>() : QKeySequence::listFromString(keys))
            << id;
    }
    EXPECT_EQ(frame->Router().Action(ID_EDIT_COPY)->shortcuts().size(), 2);
}

TEST_F(AppTest, ArrangeIconsIsEnabledWithMinimisedWindowsAndLinesThemUp)
{
    Start({});
    frame->show();
    frame->Router().Route(ID_FILE_NEW);
    frame->Router().Route(ID_FILE_NEW);
    QAction* arrange = frame->Router().Action(ID_WINDOW_ARRANGE);
    frame->Router().UpdateAll();
    EXPECT_FALSE(arrange->isEnabled());

    auto* mdi = frame->findChild<QMdiArea*>(QStringLiteral("workspace"));
    ASSERT_TRUE(mdi);
    const QList<QMdiSubWindow*> subs = mdi->subWindowList();
    ASSERT_EQ(subs.size(), 3);
    for (QMdiSubWindow* sub : subs)
        sub->showNormal();
    subs[0]->showMinimized();
    subs[1]->showMinimized();
    subs[0]->move(40, 40);
    subs[1]->move(80, 10);
    frame->Router().UpdateAll();
    ASSERT_TRUE(arrange->isEnabled());
    arrange->trigger();
    const int bottom = mdi->viewport()->height();
    EXPECT_EQ(subs[0]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(subs[1]->geometry().bottom() + 1, bottom);
    EXPECT_EQ(subs[0]->x(), 0);
    EXPECT_EQ(subs[1]->x(), subs[0]->width());
}

TEST_F(AppTest, ExitWritesTheRecordAndTheRecentFilesToTheStore)
{
    WriteFile(dir.File("a.txt"), "a");
    Start({Q(dir.File("a.txt"))});
    app->Settings().Preferences().SetTabSize(7);
    app->ExitInstance();
    EXPECT_EQ(store->ReadString(kRecentFilesKey, "File1"), dir.File("a.txt"));
    const auto record = store->ReadBytes(kSettingsKey, "GLOBAL");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->size(), 764u);
    app.reset();
}

TEST_F(AppTest, SettingsThatCannotBeWrittenAreReportedOnceARun)
{
    preset.writable = false;
    Start({});
    app->Settings().SaveDebugMode(); // as when the Options dialog closes
    app->Settings().SaveDebugMode();
    ASSERT_EQ(host->warnings.size(), 1);
    EXPECT_TRUE(host->warnings[0].contains(QStringLiteral("cannot be written")))
        << host->warnings[0].toStdString();
    app->ExitInstance();
    EXPECT_EQ(host->warnings.size(), 1);
    app.reset();
}

TEST_F(AppTest, FilesOpenedWithoutTheDialogTakeTheirOwnPageAcrossARestart)
{
    WriteFile(dir.File("koi.html"), "\xE4\xC1\r\n"); // "Да" in KOI8-R
    WriteFile(dir.File("unix.txt"), "a\nb\n");
    WriteFile(dir.File("dos.html"), "x\r\n");
    Start({});
    host->dialog = [this](FileDialogRequest& r) {
        r.path = Q(dir.File("koi.html"));
        r.paths = {r.path};
        r.folder = Q(dir.Path());
        r.codePage = CodePage::Koi8R;
        r.lineEnding = LineEnding::Dos;
    };
    EXPECT_TRUE(frame->Router().Route(ID_FILE_OPEN));
    HandOver(dir.File("unix.txt"));
    HandOver(dir.File("dos.html"));
    const auto opened = [this](const std::string& name) -> CTagwrightDoc& {
        for (CTagwrightDoc* doc : app->Documents())
            if (doc->PathName() == Q(dir.File(name)))
                return *doc;
        ADD_FAILURE() << name << " is not open";
        return *app->Documents().front();
    };
    EXPECT_EQ(opened("koi.html").Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(opened("unix.txt").Buffer().CodePage(), CodePage::Windows1251);
    // Detected, not the dialog's choice for another file.
    EXPECT_NE(opened("unix.txt").Buffer().LineEnding(), LineEnding::Dos);
    EXPECT_EQ(opened("dos.html").Buffer().LineEnding(), LineEnding::Dos);
    app->ExitInstance();
    preset = *store;
    app.reset();

    Start({});
    HandOver(dir.File("koi.html"));
    EXPECT_EQ(opened("koi.html").Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_EQ(opened("koi.html").Buffer().Line(0), "\xC4\xE0");
}

} // namespace
