// The main window as a user meets it: the menus with and without documents, the toolbars and
// their toggles, user tools, the window list, moving between windows and the window state
// kept across a restart.
#include "AppFixture.h"

#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "frame/UserToolsDialog.h"
#include "frame/WindowList.h"
#include "frame/core/UserTools.h"
#include "res/CommandIds.h"
#include "support/BufferLines.h"
#include "support/EventWait.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QUrl>
#include <gtest/gtest.h>

#include <filesystem>

#include <set>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A menu as the user sees it: the visible items' texts without the keys after the tab, one
// string per item, submenus as their titles.
QStringList Items(QMenu* menu)
{
    QStringList items;
    for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator())
            items << action->text().section(QLatin1Char('\t'), 0, 0);
    return items;
}

std::map<QString, QStringList> VisibleMenus(CMainFrame* frame)
{
    std::map<QString, QStringList> menus;
    for (QAction* top : frame->menuBar()->actions())
        if (top->isVisible()) {
            emit top->menu()->aboutToShow();
            menus[top->text()] = Items(top->menu());
        }
    return menus;
}

// Every menu, its submenus too, with no letter marked twice.
void ExpectUniqueMnemonics(QMenu* menu)
{
    std::set<QChar> seen;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) {
            EXPECT_TRUE(seen.insert(text.at(at + 1).toLower()).second)
                << menu->title().toStdString() << ": " << text.toStdString();
        }
        if (action->menu())
            ExpectUniqueMnemonics(action->menu());
    }
}

std::vector<int> Buttons(QToolBar* bar)
{
    std::vector<int> ids;
    for (QAction* action : bar->actions())
        ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
    return ids;
}

class MainWindowTest : public AppFixture {
protected:
    QMdiArea* Mdi() { return frame->findChild<QMdiArea*>(QStringLiteral("workspace")); }
    QToolBar* Bar(const char* name)
    {
        return frame->findChild<QToolBar*>(QString::fromLatin1(name));
    }
    // Documents opened from files a.txt, b.txt, ... in that order.
    void OpenFiles(const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            WriteFile(dir.File(name), name);
            ASSERT_TRUE(app->OpenDocumentFile(Q(dir.File(name))));
        }
    }
    QString ActiveName()
    {
        return frame->ActiveDocument() ? frame->ActiveDocument()->Title() : QString();
    }
    void PresetTools(const std::vector<UserTool>& tools) { WriteUserTools(preset, tools); }
};

TEST_F(MainWindowTest, MenusWithAndWithoutDocumentsFollowTheTable)
{
    PresetTools({{"Echo", "echo", "", ""}});
    Start({});
    const QStringList view{"&Toolbars",
                           "&Status Bar",
                           "Document T&abs",
                           "Source T&ype",
                           "Spe&lling",
                           "&Options...",
                           "&Preview in default browser",
                           "Preview in browser 1",
                           "Preview in browser 2"};
    const QStringList viewEmpty{"&Toolbars", "&Status Bar", "Document T&abs", "&Options..."};
    const QStringList search{"Find in &Files...", "&Replace in Files...", "&Next Result",
                             "&Previous Result"};
    const QString window1 =
        QStringLiteral("&1 ") + frame->ActiveChildFrame()->parentWidget()->windowTitle();
    const std::map<QString, QStringList> full = {
        {"&File",
         {"&New", "&Open...", "&Close", "&Save", "Save &As...", "Save A&ll",
          "Reopen with &Encoding", "&Print...", "Print Pre&view", "P&rint Setup...",
          "Pa&ge Setup...", "E&xit"}},
        {"&Edit",
         {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select A&ll", "&Go to...",
          "&Find...", "R&eplace...", "&Bookmarks", "G&o to", "&Set", "C&ase", "AutoComplete",
          "AutoExpand", "Match Brace"}},
        {"&Search", search},
        {"&View", view},
        {"&Insert",
         {"<B>", "<BR>", "<CENTER>", "<!--  -->", "<FONT>", "Color Picker", "<I>", "<P>", "<U>",
          "<IMG ...>"}},
        {"&Macros",
         {"Macros 0", "Macros 1", "Macros 2", "Macros 3", "Macros 4", "Macros 5", "Macros 6",
          "Macros 7", "Macros 8", "Macros 9"}},
        {"&Tools", {"&1 Echo", "&Customize Tools..."}},
        {"&Window",
         {"&New Window", "&Cascade", "&Tile", "&Arrange Icons", "S&plit", "&Windows...", window1}},
        {"&Help", {"Tagwright &Help", "&Keyboard Shortcuts", "&About Tagwright..."}},
    };
    EXPECT_EQ(VisibleMenus(frame), full);
    for (QAction* top : frame->menuBar()->actions())
        ExpectUniqueMnemonics(top->menu());

    // The Source Type items are one choice: radio marks.
    QAction* html = frame->Router().Action(ID_SOURCE_TYPE_FIRST + 7);
    ASSERT_TRUE(html->actionGroup());
    EXPECT_TRUE(html->actionGroup()->isExclusive());

    for (CTagwrightDoc* doc : app->Documents())
        frame->CloseDocumentWindows(*doc);
    Settle();
    ASSERT_TRUE(app->Documents().empty());
    frame->Router().UpdateAll();
    const std::map<QString, QStringList> empty = {
        {"&File", {"&New", "&Open...", "P&rint Setup...", "E&xit"}},
        {"&Search", search},
        {"&View", viewEmpty},
        {"&Tools", {"&1 Echo", "&Customize Tools..."}},
        {"&Help", {"Tagwright &Help", "&Keyboard Shortcuts", "&About Tagwright..."}},
    };
    EXPECT_EQ(VisibleMenus(frame), empty);
    frame->Router().UpdateAll();
    EXPECT_TRUE(frame->Router().Action(ID_FILE_PRINT_SETUP)->isEnabled());
    EXPECT_TRUE(frame->Router()
                    .Action(ID_APP_EXIT)
                    ->shortcuts()
                    .contains(QKeySequence(QStringLiteral("Ctrl+Q"))));
}

TEST_F(MainWindowTest, ToolbarsShowTheButtonsInOrderAndToggleWithCheckMarks)
{
    Start({});
    frame->show();
    const std::vector<int> standard = {ID_FILE_NEW,
                                       ID_FILE_OPEN,
                                       ID_FILE_SAVE,
                                       ID_FILE_SAVE_ALL,
                                       ID_FILE_PRINT,
                                       0,
                                       ID_EDIT_UNDO,
                                       ID_EDIT_REDO,
                                       0,
                                       ID_EDIT_CUT,
                                       ID_EDIT_COPY,
                                       ID_EDIT_PASTE,
                                       0,
                                       ID_PREVIEW_DEFAULT_BROWSER,
                                       ID_PREVIEW_BROWSER_1,
                                       ID_PREVIEW_BROWSER_2,
                                       0,
                                       ID_EDIT_TOGGLE_BOOKMARK,
                                       ID_EDIT_NEXT_BOOKMARK,
                                       ID_EDIT_PREVIOUS_BOOKMARK,
                                       ID_EDIT_CLEAR_BOOKMARKS,
                                       0,
                                       ID_EDIT_FIND,
                                       ID_EDIT_REPEAT,
                                       ID_EDIT_FIND_PREVIOUS,
                                       ID_EDIT_REPLACE,
                                       0,
                                       ID_EDIT_TAB,
                                       ID_EDIT_UNTAB,
                                       0,
                                       ID_VIEW_WHITESPACE,
                                       ID_EDIT_SWITCH_OVERWRITE,
                                       0,
                                       ID_VIEW_OPTIONS,
                                       ID_APP_ABOUT};
    const std::vector<int> insert = {ID_INSERT_COMMENT, ID_INSERT_COLOUR,    ID_INSERT_BOLD,
                                     ID_INSERT_ITALIC,  ID_INSERT_UNDERLINE, ID_INSERT_PARAGRAPH,
                                     ID_INSERT_FONT,    ID_INSERT_BREAK,     ID_INSERT_CENTER,
                                     ID_INSERT_IMAGE};
    const std::vector<int> macros = {ID_MACRO_0, ID_MACRO_1, ID_MACRO_2, ID_MACRO_3, ID_MACRO_4,
                                     ID_MACRO_5, ID_MACRO_6, ID_MACRO_7, ID_MACRO_8, ID_MACRO_9};
    const std::vector<int> childTop = {ID_SOURCE, ID_PREVIEW};
    const std::vector<int> child = {ID_DOC_CLOSE,
                                    0,
                                    ID_FILE_SAVE,
                                    ID_PREVIEW_DEFAULT_BROWSER,
                                    0,
                                    ID_EDIT_TOGGLE_BOOKMARK,
                                    ID_EDIT_FIND,
                                    ID_WINDOW_SPLIT,
                                    ID_EDIT_GOTO_LINE,
                                    0,
                                    ID_EDIT_SELECT_ALL,
                                    ID_EDIT_COPY,
                                    0,
                                    ID_EDIT_TAB,
                                    ID_EDIT_UNTAB,
                                    0,
                                    ID_EDIT_UPPERCASE,
                                    ID_EDIT_CAPITALIZE,
                                    ID_EDIT_LOWERCASE};
    const QList<QToolBar*> childBars = frame->ActiveChildFrame()->findChildren<QToolBar*>();
    ASSERT_EQ(childBars.size(), 2);
    const std::pair<QToolBar*, std::vector<int>> bars[] = {{Bar("Standard"), standard},
                                                           {Bar("Insert"), insert},
                                                           {Bar("Macros"), macros},
                                                           {childBars[0], childTop},
                                                           {childBars[1], child}};
    for (const auto& [bar, expected] : bars) {
        ASSERT_TRUE(bar);
        EXPECT_EQ(Buttons(bar), expected) << bar->objectName().toStdString();
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                continue;
            EXPECT_FALSE(action->icon().isNull()) << action->data().toInt();
            EXPECT_FALSE(action->toolTip().isEmpty()) << action->data().toInt();
            EXPECT_EQ(bar->widgetForAction(action)->accessibleName(), action->toolTip());
        }
    }

    const std::pair<int, QWidget*> toggles[] = {{ID_VIEW_TOOLBAR, Bar("Standard")},
                                                {ID_VIEW_INSERT_BAR, Bar("Insert")},
                                                {ID_VIEW_MACROS_BAR, Bar("Macros")},
                                                {ID_VIEW_STATUS_BAR, frame->statusBar()}};
    for (const auto& [id, bar] : toggles) {
        QAction* toggle = frame->Router().Action(id);
        frame->Router().UpdateAll();
        EXPECT_TRUE(toggle->isChecked()) << id;
        toggle->trigger();
        EXPECT_FALSE(bar->isVisible()) << id;
        EXPECT_FALSE(toggle->isChecked()) << id;
        toggle->trigger();
        EXPECT_TRUE(bar->isVisible()) << id;
        EXPECT_TRUE(toggle->isChecked()) << id;
    }
}

TEST_F(MainWindowTest, ButtonsOfDocumentCommandsStayDisabledWithoutDocuments)
{
    Start({});
    frame->show();
    QToolBar* standard = Bar("Standard");
    ASSERT_TRUE(standard);
    const auto button = [&](int id) {
        for (QAction* action : standard->actions())
            if (action->data().toInt() == id)
                return action;
        return static_cast<QAction*>(nullptr);
    };
    for (CTagwrightDoc* doc : app->Documents())
        app->CloseDocument(*doc);
    Settle();
    ASSERT_TRUE(app->Documents().empty());
    // The menus follow the documents at the next update pass.
    UpdatePass();
    for (const int id :
         {ID_FILE_SAVE, ID_FILE_SAVE_ALL, ID_FILE_PRINT, ID_PREVIEW_DEFAULT_BROWSER}) {
        SCOPED_TRACE(id);
        QAction* action = button(id);
        ASSERT_TRUE(action);
        EXPECT_TRUE(standard->widgetForAction(action)->isVisible());
        EXPECT_FALSE(action->isEnabled());
        // The menu item of the same command is hidden with the documents.
        EXPECT_FALSE(frame->Router().Action(id)->isVisible());
    }
    EXPECT_TRUE(button(ID_FILE_NEW)->isEnabled());
}

TEST_F(MainWindowTest, UserToolsGetDefaultsAndSayWhenTheirProgramIsMissing)
{
    // A first start has the defaults, ending with the settings file in this editor, and
    // keeps them at exit.
    Start({});
    ASSERT_GE(frame->UserTools().size(), 3u);
    EXPECT_EQ(frame->UserTools().front().name, "Terminal");
    EXPECT_EQ(frame->UserTools().back().command, std::string(kToolThisEditor));
    EXPECT_TRUE(ReadUserTools(*store).empty());
    ASSERT_TRUE(frame->close());
    EXPECT_EQ(ReadUserTools(*store), frame->UserTools());
    app->ExitInstance();
    app.reset();

    WriteFile(dir.File("notes.txt"), "notes");
    PresetTools({{"Missing", "no-such-program-tw", "", ""},
                 {"Notes", std::string(kToolThisEditor),
                  std::string(1, '"').append(dir.File("notes.txt")).append(1, '"'), ""}});
    Start({});
    QAction* missing = frame->Router().Action(ID_TOOLS_FIRST);
    frame->Router().UpdateAll();
    EXPECT_TRUE(missing->isEnabled());
    EXPECT_FALSE(frame->Router().Action(ID_TOOLS_FIRST + 2)->isEnabled());
    missing->trigger();
    ASSERT_EQ(host->errors.size(), 1);
    EXPECT_EQ(
        host->errors.front(),
        QStringLiteral(
            "The tool \"Missing\" cannot be started: program \"no-such-program-tw\" not found."));
    frame->Router().Action(ID_TOOLS_FIRST + 1)->trigger();
    EXPECT_EQ(ActiveName(), QStringLiteral("notes.txt"));

    // A user adds a tool in the dialog; it reaches the menu and the settings.
    CKUserToolsDialog dialog(frame->UserTools());
    dialog.AddButton()->click();
    const std::pair<QLineEdit*, QString> fields[] = {
        {dialog.NameEdit(), "Word count"},
        {dialog.CommandEdit(), "wc"},
        {dialog.ArgumentsEdit(), "-l \"$(FilePath)\""}};
    for (const auto& [edit, text] : fields) {
        edit->setText(text);
        emit edit->textEdited(text);
    }
    EXPECT_EQ(dialog.List()->currentItem()->text(), QStringLiteral("Word count"));
    frame->SetUserTools(dialog.Tools());
    ASSERT_EQ(frame->UserTools().size(), 3u);
    EXPECT_EQ(frame->UserTools()[2], (UserTool{"Word count", "wc", "-l \"$(FilePath)\"", ""}));
    EXPECT_EQ(ReadUserTools(*store), frame->UserTools());
    QMenu* tools = frame->menuBar()->actions().at(6)->menu();
    emit tools->aboutToShow();
    EXPECT_TRUE(Items(tools).contains(QStringLiteral("&3 Word count")));
}

TEST_F(MainWindowTest, AToolThatFailsOrCannotStartSaysWhyInTheWindow)
{
    // A file that is executable but no program: the system refuses to run it.
    WriteFile(dir.File("not-a-program"), "\x7F"
                                         "ELF garbage");
    std::filesystem::permissions(dir.File("not-a-program"), std::filesystem::perms::owner_all);
    PresetTools({{"Fails", "sh", "-c 'echo \"it broke\" >&2; exit 3'", ""},
                 {"Garbage", dir.File("not-a-program"), "", ""}});
    Start({});
    const struct {
        int tool;
        QString message;
    } cases[] = {
        {0, QStringLiteral("The tool \"Fails\" ended with exit status 3.\n\nit broke")},
        {1,
         QStringLiteral("The tool \"Garbage\" cannot be started: program \"%1\" did not run.\n\n")
             .arg(Q(dir.File("not-a-program")))},
    };
    for (const auto& c : cases) {
        host->errors.clear();
        frame->Router().Action(ID_TOOLS_FIRST + c.tool)->trigger();
        ASSERT_TRUE(ServeEventsUntil([&] { return !host->errors.isEmpty(); }));
        EXPECT_TRUE(host->errors.front().startsWith(c.message))
            << host->errors.front().toStdString();
    }
}

TEST_F(MainWindowTest, WindowListActsOnTheChosenWindows)
{
    Start({});
    frame->show();
    OpenFiles({"a.txt", "b.txt"});
    QMdiArea* mdi = Mdi();
    std::vector<QString> saved;
    CKWindowListDialog dialog(*mdi,
                              [&](QMdiSubWindow* sub) { saved.push_back(sub->windowTitle()); });
    QListWidget* list = dialog.List();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("a.txt"));
    for (const char* text : {"&Activate", "&OK", "&Save", "&Close Window(s)", "Cascade",
                             "Tile &Horizontally", "Tile &Vertically", "&Minimize"})
        ASSERT_TRUE(dialog.Button(QString::fromLatin1(text))) << text;

    list->clearSelection();
    list->item(1)->setSelected(true);
    list->item(2)->setSelected(true);
    EXPECT_FALSE(dialog.Button("&Activate")->isEnabled()); // one window at a time
    dialog.Button("&Save")->click();
    EXPECT_EQ(saved, (std::vector<QString>{"a.txt", "b.txt"}));
    dialog.Button("&Minimize")->click();
    EXPECT_TRUE(mdi->subWindowList()[1]->isMinimized());
    EXPECT_TRUE(mdi->subWindowList()[2]->isMinimized());
    dialog.Button("Tile &Vertically")->click();
    const QRect left = mdi->subWindowList()[1]->geometry();
    const QRect right = mdi->subWindowList()[2]->geometry();
    EXPECT_FALSE(mdi->subWindowList()[1]->isMinimized());
    EXPECT_EQ(left.right() + 1, right.left());
    EXPECT_EQ(left.height(), mdi->viewport()->height());
    dialog.Button("Tile &Horizontally")->click();
    EXPECT_EQ(mdi->subWindowList()[1]->geometry().bottom() + 1,
              mdi->subWindowList()[2]->geometry().top());

    dialog.Button("&Close Window(s)")->click();
    Settle();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(app->Documents().size(), 1u);
    list->item(0)->setSelected(true);
    ASSERT_TRUE(dialog.Button("&Activate")->isEnabled());
    dialog.Button("&Activate")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, CascadeLeavesWindowsLargeEnoughToWorkIn)
{
    Start({});
    frame->show();
    OpenFiles({"a.txt", "b.txt", "c.txt", "d.txt"});
    frame->Router().Action(ID_WINDOW_CASCADE)->trigger();
    const QSize space = Mdi()->viewport()->size();
    std::set<int> tops;
    for (QMdiSubWindow* sub : Mdi()->subWindowList()) {
        EXPECT_FALSE(sub->isMaximized());
        EXPECT_GE(sub->width(), space.width() * 2 / 3);
        EXPECT_GE(sub->height(), space.height() * 2 / 3);
        EXPECT_TRUE(QRect(QPoint(0, 0), space).contains(sub->geometry()));
        tops.insert(sub->y());
    }
    EXPECT_GT(tops.size(), 1u);
}

TEST_F(MainWindowTest, CtrlTabGoesThroughTheWindowsInTheOrderOfTheirUse)
{
    Start({});
    frame->show();
    const QString untitled = ActiveName();
    OpenFiles({"a.txt", "b.txt", "c.txt"});
    QMdiArea* mdi = Mdi();
    mdi->setActiveSubWindow(mdi->subWindowList()[1]); // used last: a, c, b, untitled
    QAction* next = frame->Router().Action(ID_WINDOW_NEXT);
    QAction* previous = frame->Router().Action(ID_WINDOW_PREVIOUS);
    EXPECT_TRUE(frame->actions().contains(next));
    EXPECT_TRUE(next->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Tab"))));
    EXPECT_TRUE(next->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+F6"))));
    EXPECT_TRUE(previous->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Tab"))));
    const auto step = [&](QAction* action, bool release) {
        action->trigger();
        if (release) {
            QKeyEvent event(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
            QApplication::sendEvent(frame, &event);
        }
        return ActiveName();
    };
    // While Ctrl is held each Tab goes one further back in the order of use, round to the start.
    QStringList held;
    for (int i = 0; i < 5; ++i)
        held << step(next, i == 4);
    EXPECT_EQ(held, (QStringList{"c.txt", "b.txt", untitled, "a.txt", "c.txt"}));
    // Releasing Ctrl took up c; a single Ctrl+Tab goes back to the window used before, and back.
    EXPECT_EQ(step(next, true), QStringLiteral("a.txt"));
    EXPECT_EQ(step(next, true), QStringLiteral("c.txt"));
    // Backwards starts from the window used longest ago.
    EXPECT_EQ(step(previous, true), untitled);
}

TEST_F(MainWindowTest, PanesFollowTheViewAndAMenuPromptGivesTheMessageBack)
{
    Start({});
    CTagwrightDoc* doc = frame->ActiveDocument();
    ASSERT_TRUE(doc);
    const auto idle = [&] { frame->Router().UpdateAll(); };
    idle();
    EXPECT_EQ(frame->PaneText(ID_PANE_OVERWRITE), QString());
    EXPECT_EQ(frame->PaneText(ID_PANE_READ_ONLY), QString());
    frame->Router().Route(ID_EDIT_SWITCH_OVERWRITE);
    doc->Buffer().SetReadOnly(true);
    idle();
    EXPECT_EQ(frame->PaneText(ID_PANE_OVERWRITE), QStringLiteral("OVR"));
    EXPECT_EQ(frame->PaneText(ID_PANE_READ_ONLY), QStringLiteral("READ"));
    doc->Buffer().SetReadOnly(false);

    // The prompt of a highlighted item holds the message pane until its menu closes.
    const QString before = frame->PaneText(ID_PANE_MESSAGE);
    QStatusTipEvent tip(QStringLiteral("Create a new document"));
    QApplication::sendEvent(frame, &tip);
    EXPECT_EQ(frame->PaneText(ID_PANE_MESSAGE), QStringLiteral("Create a new document"));
    emit frame->menuBar()->actions().front()->menu()->aboutToHide();
    EXPECT_EQ(frame->PaneText(ID_PANE_MESSAGE), before);
}

TEST_F(MainWindowTest, DroppedFilesOpenAndFoldersAreRefused)
{
    Start({});
    const auto drop = [](QWidget* target, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        data.setText(paths.join(u' '));
        // The drop goes where the drag entered.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        QApplication::processEvents();
        return event.isAccepted();
    };
    const auto paths = [this] {
        QStringList open;
        for (CTagwrightDoc* doc : app->Documents())
            open << QFileInfo(doc->PathName()).fileName();
        return open;
    };
    WriteFile(dir.File("a.txt"), "a");
    WriteFile(dir.File("b.html"), "<b>");
    WriteFile(dir.File("c.txt"), "c");
    const QString folder = QString::fromStdString(dir.File("sub"));
    ASSERT_TRUE(QDir().mkdir(folder));

    EXPECT_TRUE(drop(frame, {QString::fromStdString(dir.File("a.txt")), folder,
                             QString::fromStdString(dir.File("b.html"))}));
    EXPECT_TRUE(paths().contains("a.txt"));
    EXPECT_TRUE(paths().contains("b.html"));
    ASSERT_EQ(host->errors.size(), 1);
    EXPECT_EQ(host->errors.front(), "Folders cannot be opened as documents:\n" + folder);

    // On an edit view a file opens too, instead of its name going into the text.
    CTagwrightDoc* active = frame->ActiveDocument();
    ASSERT_TRUE(active);
    const std::vector<std::string> before = BufferLines(active->Buffer());
    EXPECT_TRUE(drop(frame->ActiveView()->Widget(), {QString::fromStdString(dir.File("c.txt"))}));
    EXPECT_TRUE(paths().contains("c.txt"));
    EXPECT_EQ(BufferLines(active->Buffer()), before);
    // Links to the web are no files.
    QMimeData link;
    link.setUrls({QUrl(QStringLiteral("https://example.org/x.html"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &link, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(MainWindowTest, ExitShowsEachDocumentItAsksAbout)
{
    WriteFile(dir.File("a.txt"), "a");
    WriteFile(dir.File("b.txt"), "b");
    Start({QStringLiteral("a.txt"), QStringLiteral("b.txt")});
    ASSERT_EQ(app->Documents().size(), 2u);
    for (CTagwrightDoc* doc : app->Documents())
        doc->Buffer().SetModified(true);
    QStringList shown;
    host->saveChangesAnswer = Answer::No;
    host->whenAsked = [&] { shown << QFileInfo(frame->ActiveDocument()->PathName()).fileName(); };
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(shown, (QStringList{"a.txt", "b.txt"}));
}

TEST_F(MainWindowTest, WindowStateComesBackAtTheNextStart)
{
    struct Case {
        bool maximised;
        bool insertBarShown;
        bool documentTabs;
    };
    for (const Case c : {Case{false, false, true}, Case{true, true, false}}) {
        Start({});
        frame->show();
        if (c.maximised)
            frame->showMaximized();
        else
            frame->setGeometry(60, 50, 640, 480);
        Bar("Insert")->setVisible(c.insertBarShown);
        if (c.documentTabs) {
            EXPECT_TRUE(frame->Router().Route(ID_VIEW_DOCUMENT_TABS));
        }
        Settle();
        ASSERT_TRUE(frame->close());
        app->ExitInstance();
        preset = *store;
        app.reset();
        ASSERT_TRUE(preset.ReadBytes(kSettingsKey, "WindowState"));
        ASSERT_TRUE(preset.ReadBytes(kSettingsKey, "WindowGeometry"));

        Start({});
        frame->show();
        Settle();
        EXPECT_EQ(frame->isMaximized(), c.maximised);
        if (!c.maximised) {
            EXPECT_EQ(frame->size(), QSize(640, 480));
        }
        EXPECT_EQ(Bar("Insert")->isVisible(), c.insertBarShown);
        EXPECT_TRUE(Bar("Standard")->isVisible());
        auto* area = frame->findChild<QMdiArea*>(QStringLiteral("workspace"));
        EXPECT_EQ(area->viewMode(),
                  c.documentTabs ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
        frame->Router().UpdateAll();
        EXPECT_EQ(frame->Router().Action(ID_VIEW_DOCUMENT_TABS)->isChecked(), c.documentTabs);
        app->ExitInstance();
        app.reset();
        preset = MemorySettingsStore();
    }
}

} // namespace
