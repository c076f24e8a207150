// The main window as the application builds it: command routing, the document windows and
// their titles, the Source Type menu, the status panes and the open request.
#include "doc/Tagwright.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "doc/core/SourceTypes.h"
#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "frame/MainFrm.h"
#include "res/CommandIds.h"
#include "support/TempDir.h"
#include "text/KFileDialog.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A target that handles one command and records what reached it.
class Target : public CKCommandTarget {
public:
    Target(int id, bool enable) : m_id(id), m_enable(enable) {}
    bool OnCommand(int id) override
    {
        calls.push_back(id);
        return id == m_id;
    }
    bool OnUpdateCommand(CmdUI& ui) override
    {
        if (ui.id != m_id)
            return false;
        ui.Enable(m_enable);
        ui.SetCheck(true);
        return true;
    }
    std::vector<int> calls;

private:
    int m_id;
    bool m_enable;
};

TEST(CommandRouterTest, CommandsTravelTheChainAndUnhandledOnesAreDisabled)
{
    Target view(ID_FILE_SAVE, true), app(ID_FILE_NEW, false);
    QObject owner;
    CKCommandRouter router([&] { return std::vector<CKCommandTarget*>{&view, &app}; }, &owner);
    QAction* save = router.Action(ID_FILE_SAVE);
    QAction* fresh = router.Action(ID_FILE_NEW);
    QAction* open = router.Action(ID_FILE_OPEN);
    EXPECT_EQ(save->text(), QStringLiteral("&Save"));
    EXPECT_EQ(save->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    fresh->setCheckable(true);
    router.UpdateAll();
    EXPECT_TRUE(save->isEnabled());
    EXPECT_FALSE(fresh->isEnabled());
    EXPECT_TRUE(fresh->isChecked());
    EXPECT_FALSE(open->isEnabled());

    EXPECT_TRUE(router.Route(ID_FILE_NEW));
    EXPECT_EQ(view.calls, std::vector<int>{ID_FILE_NEW});
    EXPECT_EQ(app.calls, std::vector<int>{ID_FILE_NEW});
    EXPECT_TRUE(router.Route(ID_FILE_SAVE));
    EXPECT_EQ(app.calls.size(), 1u);
    EXPECT_FALSE(router.Route(ID_FILE_OPEN));
}

class MainFrameTest : public testing::Test {
protected:
    void Start(const QStringList& args)
    {
        app = std::make_unique<CTagwrightApp>();
        ASSERT_TRUE(app->InitInstance(QStringList{QStringLiteral("tagwright")} + args));
        frame = app->MainFrame();
    }
    void Idle() { QApplication::processEvents(); }
    void TearDown() override
    {
        if (app) {
            for (CTagwrightDoc* doc : app->Documents())
                doc->Buffer().SetModified(false);
            app->ExitInstance();
        }
    }
    QString Q(const std::string& s) { return QString::fromStdString(s); }

    TempDir dir;
    std::unique_ptr<CTagwrightApp> app;
    CMainFrame* frame = nullptr;
};

TEST_F(MainFrameTest, FileOnTheCommandLineOpensMaximisedWithItsTitle)
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
    frame->Router().idle();
    EXPECT_EQ(frame->PaneText(ID_PANE_LINE_ENDING), QStringLiteral("CRLF: MAC"));
    EXPECT_EQ(frame->PaneText(ID_PANE_CODE_PAGE), QStringLiteral("ENC: WIN"));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d$")).match(frame->PaneText(ID_PANE_CLOCK)).hasMatch());
    auto* clock = frame->findChild<QTimer*>(QStringLiteral("clock"));
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->interval(), 1000);
}

TEST_F(MainFrameTest, SourceTypeMenuChecksTheCurrentTypeAndChangesIt)
{
    Start({});
    ASSERT_EQ(app->Documents().size(), 1u);
    CTagwrightDoc* doc = app->Documents().front();
    EXPECT_EQ(doc->Title(), QStringLiteral("HTML1"));
    EXPECT_EQ(doc->SourceType(), SRC_HTML);

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
        EXPECT_EQ(action->text().toStdString(), SourceTypeName(type));
        EXPECT_EQ(action->isChecked(), type == SRC_HTML) << type;
    }
    typeMenu->actions().at(SRC_PYTHON)->trigger();
    EXPECT_EQ(doc->SourceType(), SRC_PYTHON);
    EXPECT_TRUE(typeMenu->actions().at(SRC_PYTHON)->isChecked());
    EXPECT_FALSE(typeMenu->actions().at(SRC_HTML)->isChecked());
}

TEST_F(MainFrameTest, OpenRequestOpensAFileOnce)
{
    WriteFile(dir.File("a.txt"), "a");
    Start({});
    frame->OpenRequest(Q(dir.File("a.txt")));
    frame->OpenRequest(Q(dir.File("a.txt")));
    ASSERT_EQ(app->Documents().size(), 2u);
    EXPECT_EQ(app->Documents().back()->Title(), QStringLiteral("a.txt"));
    EXPECT_EQ(&frame->ActiveChildFrame()->Document(), app->Documents().back());
    EXPECT_EQ(app->Recent().Paths().front(), dir.File("a.txt"));

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

TEST_F(MainFrameTest, HandedOverFilesOpenAsAtStartUpAndMissingOnesAsNewTexts)
{
    WriteFile(dir.File("win.txt"), "\xC0\xE1\r\n\xE2\r\n");
    Start({});
    // As after a Save As in CP866 with Unix line ends.
    GlobalSettings& global = app->Settings().Global();
    global.codePage = 1;
    global.lineEnding = 1;
    frame->OpenRequest(Q(dir.File("win.txt")));
    ASSERT_EQ(app->Documents().size(), 2u);
    CKTextBuffer& buffer = app->Documents().back()->Buffer();
    EXPECT_EQ(buffer.CodePage(), 0);
    EXPECT_EQ(buffer.LineEnding(), 0);
    EXPECT_EQ(buffer.Line(0), "\xC0\xE1");
    EXPECT_EQ(global.codePage, 1);

    // A path that does not exist: a new text that the first save writes there.
    frame->OpenRequest(Q(dir.File("new.html")));
    ASSERT_EQ(app->Documents().size(), 3u);
    EXPECT_EQ(app->Documents().back()->Title(), QStringLiteral("new.html"));
    EXPECT_FALSE(FileExists(dir.File("new.html")));
}

// Clicks a button of the next question box.
void AnswerNextQuestion(QMessageBox::StandardButton button, bool* asked)
{
    QTimer::singleShot(0, [button, asked] {
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box && box->isVisible()) {
                    *asked = box->text().contains(QStringLiteral("no longer exists"));
                    box->button(button)->click();
                    return;
                }
            }
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });
}

TEST_F(MainFrameTest, RecentFileThatNoLongerExistsSaysSoAndLeavesTheListIfTheUserAgrees)
{
    Start({});
    const std::string gone = dir.File("gone.html");
    app->Recent().Add(gone);
    for (const auto& [button, kept] :
         {std::pair{QMessageBox::No, true}, {QMessageBox::Yes, false}}) {
        bool asked = false;
        AnswerNextQuestion(button, &asked);
        EXPECT_TRUE(frame->Router().Route(ID_FILE_MRU_FIRST));
        EXPECT_TRUE(asked);
        EXPECT_EQ(app->Documents().size(), 1u);
        const std::vector<std::string>& paths = app->Recent().Paths();
        EXPECT_EQ(!paths.empty() && paths.front() == gone, kept);
    }
}

// Runs action on the first visible top-level widget of type T once the event loop turns.
template <typename T, typename Action>
void OnNextVisible(Action action)
{
    QTimer::singleShot(0, [action] {
        const QDeadlineTimer deadline(5000);
        while (!deadline.hasExpired()) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* widget = qobject_cast<T*>(w); widget && widget->isVisible()) {
                    action(widget);
                    return;
                }
            }
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    });
}

TEST_F(MainFrameTest, OpeningAFileOpenInAnotherPageAsksToReopenItThere)
{
    WriteFile(dir.File("page.html"), "\xD0\x94\xD0\xB0\r\n"); // "Да" in UTF-8
    Start({Q(dir.File("page.html"))});
    ASSERT_EQ(app->Documents().size(), 1u);
    CTagwrightDoc* doc = app->Documents().front();
    ASSERT_EQ(doc->Buffer().CodePage(), 0);
    for (const auto& [button, page] : {std::pair{QMessageBox::No, 0}, {QMessageBox::Yes, 5}}) {
        QString question;
        OnNextVisible<CKFileDialog>([&, button = button](CKFileDialog* dialog) {
            dialog->selectFile(Q(dir.File("page.html")));
            dialog->findChild<QComboBox*>(QStringLiteral("fileEncoding"))->setCurrentIndex(5);
            // The question comes once the dialog has closed.
            OnNextVisible<QMessageBox>([&question, button](QMessageBox* box) {
                question = box->text();
                box->button(button)->click();
            });
            dialog->accept();
        });
        EXPECT_TRUE(frame->Router().Route(ID_FILE_OPEN));
        EXPECT_TRUE(question.contains(QStringLiteral("already open in the code page \"Windows (CP-1251)\"")))
            << question.toStdString();
        EXPECT_EQ(app->Documents().size(), 1u);
        EXPECT_EQ(doc->Buffer().CodePage(), page);
    }
    EXPECT_EQ(doc->Buffer().Line(0), "\xC4\xE0");
}

} // namespace
