// The Workspace bar: the project tree's commands, the explorer's filters and open requests,
// the main frame's handling of an open request, the focused pane first in the command route,
// and the bar's show/hide command.
#include "doc/DocManager.h"
#include "doc/FakeHost.h"
#include "frame/CommandRouter.h"
#include "frame/ExplorerPane.h"
#include "frame/MainFrm.h"
#include "frame/ProjectTree.h"
#include "frame/Workspace.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"
#include "settings/core/MemorySettingsStore.h"
#include "support/EventWait.h"
#include "support/KeyClicks.h"
#include "support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileSystemModel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("-")
                                        : action->text() + (action->isEnabled() ? "" : " (off)"));
    return texts;
}

// A project tree whose dialogs answer from the test.
struct ScriptedTree {
    ScriptedTree()
    {
        tree.SetDialogs({[this](QWidget*, QString& name) {
                             ++asked;
                             EXPECT_EQ(name, QStringLiteral("New Folder"));
                             name = folderName;
                             return !folderName.isEmpty();
                         },
                         [this](QWidget*) { return chosenFiles; }});
    }
    QTreeWidgetItem* Select(QTreeWidgetItem* item)
    {
        tree.setCurrentItem(item);
        return item;
    }
    const ProjectRecord& Record(const QTreeWidgetItem* item) const
    {
        return tree.Records().At(CKProjectTree::RecordIndex(item));
    }

    CKProjectTree tree;
    QString folderName = QStringLiteral("Pages");
    QStringList chosenFiles;
    int asked = 0;
};

TEST(ProjectTreeTest, NewFolderGoesUnderTheRootOrAFolderAndFilesUnderAnyItem)
{
    ScriptedTree s;
    QTreeWidgetItem* root = s.tree.Root();
    EXPECT_EQ(root->text(0), QStringLiteral("Project"));
    EXPECT_EQ(s.Record(root).kind, PROJECT_ROOT);

    s.Select(root);
    s.tree.NewFolder();
    ASSERT_EQ(root->childCount(), 1);
    QTreeWidgetItem* folder = root->child(0);
    EXPECT_EQ(folder->text(0), QStringLiteral("Pages"));
    EXPECT_EQ(s.Record(folder).kind, PROJECT_FOLDER);

    s.folderName = QStringLiteral("Style");
    s.Select(folder);
    s.tree.NewFolder();
    ASSERT_EQ(folder->childCount(), 1);
    EXPECT_EQ(s.Record(folder->child(0)).kind, PROJECT_FOLDER);

    s.chosenFiles = {QStringLiteral("/srv/site/index.html"), QStringLiteral("/srv/site/a.css")};
    s.Select(folder);
    s.tree.AddFiles();
    ASSERT_EQ(folder->childCount(), 3);
    QTreeWidgetItem* file = folder->child(1);
    EXPECT_EQ(file->text(0), QStringLiteral("index.html"));
    EXPECT_EQ(s.Record(file).path, "/srv/site/index.html");
    EXPECT_EQ(s.Record(file).kind, PROJECT_FILE);
    EXPECT_EQ(s.Record(folder->child(2)).path, "/srv/site/a.css");

    // A file takes no folder, not even the question; it does take a file.
    const int asked = s.asked;
    s.Select(file);
    s.tree.NewFolder();
    EXPECT_EQ(s.asked, asked);
    EXPECT_EQ(file->childCount(), 0);
    s.chosenFiles = {QStringLiteral("/srv/site/note.txt")};
    s.tree.AddFiles();
    ASSERT_EQ(file->childCount(), 1);
    EXPECT_EQ(s.Record(file->child(0)).kind, PROJECT_FILE);
    // The files a search of the Project takes, folders left out.
    EXPECT_EQ(s.tree.FilePaths(), (QStringList{QStringLiteral("/srv/site/index.html"),
                                               QStringLiteral("/srv/site/a.css"),
                                               QStringLiteral("/srv/site/note.txt")}));

    // Cancelling either dialog adds nothing.
    s.folderName.clear();
    s.chosenFiles.clear();
    s.Select(root);
    s.tree.NewFolder();
    s.tree.AddFiles();
    EXPECT_EQ(root->childCount(), 1);
    EXPECT_EQ(s.tree.Records().Count(), 6);
}

TEST(ProjectTreeTest, MenusKeepTheDeletesDisabledAndOpenFileSendsTheRequest)
{
    ScriptedTree s;
    s.chosenFiles = {QStringLiteral("/srv/site/index.html")};
    s.Select(s.tree.Root());
    s.tree.AddFiles();
    QTreeWidgetItem* file = s.tree.Root()->child(0);

    const std::unique_ptr<QMenu> folderMenu(s.tree.CreateContextMenu(s.tree.Root(), nullptr));
    EXPECT_EQ(MenuTexts(*folderMenu),
              (QStringList{"New Folder", "Delete Folder (off)", "Add File(s) to Folder"}));
    const std::unique_ptr<QMenu> fileMenu(s.tree.CreateContextMenu(file, nullptr));
    EXPECT_EQ(MenuTexts(*fileMenu), (QStringList{"Open File", "Delete File From Project (off)"}));

    QStringList requests;
    QObject::connect(&s.tree, &CKProjectTree::openRequested,
                     [&](const QString& path) { requests << path; });
    s.Select(file);
    fileMenu->actions().at(0)->trigger();
    KeyClick(&s.tree, Qt::Key_Return);
    // Neither a folder nor the root asks to open anything.
    s.Select(s.tree.Root());
    s.tree.OpenFile();
    KeyClick(&s.tree, Qt::Key_Return);
    EXPECT_EQ(requests, QStringList(2, QStringLiteral("/srv/site/index.html")));

    // The Delete key's command stops at the tree, disabled.
    CmdUI del(ID_EDIT_DELETE);
    EXPECT_TRUE(s.tree.OnUpdateCommand(del));
    EXPECT_FALSE(del.enabled);
}

// Opens the widget's menu from the keyboard, with Shift+F10 or else as the menu key does, and
// returns the texts of the menu that pops up, closing it.
QStringList MenuFromKeyboard(QWidget* widget, bool shiftF10)
{
    QStringList texts;
    QTimer::singleShot(0, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            texts = MenuTexts(*menu);
            menu->close();
        }
    });
    if (shiftF10) {
        KeyClick(widget, Qt::Key_F10, {}, Qt::ShiftModifier);
    } else {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                widget->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(widget, &event);
    }
    return texts;
}

TEST(ProjectTreeTest, KeyboardOpensTheMenuOfTheCurrentItem)
{
    ScriptedTree s;
    s.chosenFiles = {QStringLiteral("/srv/site/index.html")};
    s.Select(s.tree.Root());
    s.tree.AddFiles();
    s.tree.show();
    EXPECT_EQ(MenuFromKeyboard(&s.tree, true).value(0), QStringLiteral("New Folder"));
    s.Select(s.tree.Root()->child(0));
    EXPECT_EQ(MenuFromKeyboard(&s.tree, false).value(0), QStringLiteral("Open File"));
}

class ExplorerTest : public testing::Test {
protected:
    ExplorerTest()
    {
        for (const char* name : {"a.html", "b.cpp", "C.HTM", "notes"})
            WriteFile(dir.File(name), "x");
        QDir(QString::fromStdString(dir.Path())).mkdir(QStringLiteral("sub"));
        pane.resize(300, 400);
        pane.ShowPath(Folder());
    }
    QString Folder() const { return QString::fromStdString(dir.Path()); }
    QString Path(const char* name) const { return QString::fromStdString(dir.File(name)); }
    // The names the tree shows in the folder.
    QStringList Shown()
    {
        QFileSystemModel* model = pane.Model();
        const QModelIndex folder = model->index(Folder());
        if (model->canFetchMore(folder))
            model->fetchMore(folder);
        QStringList names;
        for (int row = 0; row < model->rowCount(folder); ++row)
            names << model->index(row, 0, folder).data().toString();
        names.sort();
        return names;
    }
    // Whether the folder comes to show exactly these names once the model has read it.
    testing::AssertionResult ComesToShow(const QStringList& names)
    {
        if (ServeEventsUntil([&] { return Shown() == names; }))
            return testing::AssertionSuccess();
        return testing::AssertionFailure()
               << "shows " << Shown().join(QLatin1Char(' ')).toStdString();
    }
    void ChooseFilter(const QString& name)
    {
        pane.FilterList()->setCurrentIndex(pane.FilterList()->findText(name));
    }

    TempDir dir;
    FakeHost host;
    CKExplorerPane pane{host};
};

TEST_F(ExplorerTest, FilterListComesFromTheOpenFilterAndHidesOtherFiles)
{
    const QComboBox* filters = pane.FilterList();
    ASSERT_EQ(filters->count(), 10);
    EXPECT_EQ(filters->itemText(0), QStringLiteral("All Supported (...)"));
    EXPECT_EQ(filters->itemText(1), QStringLiteral("HTML Files (.html;.htm;.shtml;.xhtml;.ihtml)"));
    EXPECT_EQ(filters->itemData(1, Qt::ToolTipRole).toString(),
              QStringLiteral("*.htm,*.html,*.shtml,*.xhtml,*.ihtml"));
    EXPECT_EQ(filters->itemData(9, Qt::ToolTipRole).toString(), QStringLiteral("*.*"));

    // Patterns match without regard to case; folders always show.
    ChooseFilter(QStringLiteral("HTML Files (.html;.htm;.shtml;.xhtml;.ihtml)"));
    EXPECT_TRUE(ComesToShow({"C.HTM", "a.html", "sub"}));
    ChooseFilter(QStringLiteral("C/C++ Files (.c;.cpp;.cxx;.h;.hpp;.hxx)"));
    EXPECT_TRUE(ComesToShow({"b.cpp", "sub"}));
    // "*.*" takes files without an extension too.
    ChooseFilter(QStringLiteral("All Files (*.*)"));
    EXPECT_TRUE(ComesToShow({"C.HTM", "a.html", "b.cpp", "notes", "sub"}));
}

TEST_F(ExplorerTest, RefreshRereadsTheFoldersWithTheChosenFilter)
{
    ChooseFilter(QStringLiteral("Style Sheets (.css)"));
    EXPECT_TRUE(ComesToShow({"sub"}));
    // As when the watcher misses a change.
    pane.Model()->setOption(QFileSystemModel::DontWatchForChanges);
    WriteFile(dir.File("site.css"), "x");
    WriteFile(dir.File("site.js"), "x");
    pane.Tree()->setCurrentIndex(pane.Model()->index(Path("sub")));
    pane.findChild<QPushButton*>(QStringLiteral("refresh"))->click();
    EXPECT_TRUE(ComesToShow({"site.css", "sub"}));
    EXPECT_EQ(pane.CurrentPath(), Path("sub"));
}

TEST_F(ExplorerTest, FilesOpenFromEnterAndTheMenuAndFoldersDoNot)
{
    ASSERT_TRUE(ComesToShow({"C.HTM", "a.html", "b.cpp", "sub"}));
    QStringList requests;
    QObject::connect(&pane, &CKExplorerPane::openRequested,
                     [&](const QString& path) { requests << path; });
    QFileSystemModel* model = pane.Model();
    const QModelIndex file = model->index(Path("a.html"));
    const QModelIndex folder = model->index(Path("sub"));

    pane.Tree()->setCurrentIndex(file);
    KeyClick(pane.Tree(), Qt::Key_Return);
    pane.Tree()->setCurrentIndex(folder);
    KeyClick(pane.Tree(), Qt::Key_Return);
    EXPECT_EQ(requests, QStringList{Path("a.html")});

    const std::unique_ptr<QMenu> fileMenu(pane.CreateContextMenu(file, nullptr));
    const QStringList fileItems = MenuTexts(*fileMenu);
    ASSERT_GE(fileItems.size(), 3);
    EXPECT_EQ(fileItems.mid(0, 2), (QStringList{"&Open in Tagwright", "-"}));
    fileMenu->actions().at(0)->trigger();
    EXPECT_EQ(requests, QStringList(2, Path("a.html")));

    const std::unique_ptr<QMenu> folderMenu(pane.CreateContextMenu(folder, nullptr));
    EXPECT_FALSE(MenuTexts(*folderMenu).contains(QStringLiteral("&Open in Tagwright")));
    // The folder of an item opens through the desktop.
    for (QAction* action : folderMenu->actions())
        if (action->text() == QStringLiteral("Open &Containing Folder"))
            action->trigger();
    EXPECT_EQ(host.opened, QStringList{Folder()});

    pane.show();
    pane.Tree()->setCurrentIndex(file);
    EXPECT_EQ(MenuFromKeyboard(pane.Tree(), true).value(0), QStringLiteral("&Open in Tagwright"));
}

// A document keeper that records what reaches it.
class FakeDocuments : public CKDocManager {
public:
    std::vector<CTagwrightDoc*> Documents() const override { return {}; }
    CTagwrightDoc* OpenDocumentFile(const QString& path) override
    {
        opened << path;
        return nullptr;
    }
    int OpenCommandLine(const CommandLine&) override { return 0; }
    CSession& Session() override { return m_session; }
    bool SaveAllModified() override { return true; }
    void OnViewClosed(CTagwrightDoc*) override {}
    bool OnCommand(int id) override
    {
        commands.push_back(id);
        return true;
    }
    bool OnUpdateCommand(CmdUI&) override { return true; }

    QStringList opened;
    std::vector<int> commands;

private:
    std::vector<CTagwrightDoc*> m_documents;
    MemorySettingsStore m_store;
    CSession m_session{m_store};
};

class WorkspaceFrameTest : public testing::Test {
protected:
    WorkspaceFrameTest() : settings(store), frame(documents, settings, nullptr, host)
    {
        frame.Create();
        workspace = frame.Workspace();
    }

    TempDir dir;
    MemorySettingsStore store;
    AppSettings settings;
    FakeDocuments documents;
    FakeHost host;
    CMainFrame frame;
    CKWorkspaceBar* workspace = nullptr;
};

TEST_F(WorkspaceFrameTest, BarHoldsTheTwoTabsAndItsCommandShowsAndHidesIt)
{
    ASSERT_NE(workspace, nullptr);
    EXPECT_EQ(workspace->windowTitle(), QStringLiteral("Workspace"));
    EXPECT_EQ(workspace->objectName(), QStringLiteral("Workspace"));
    ASSERT_EQ(workspace->Tabs()->count(), 2);
    EXPECT_EQ(workspace->Tabs()->tabText(0), QStringLiteral("Explorer"));
    EXPECT_EQ(workspace->Tabs()->tabText(1), QStringLiteral("Project"));
    EXPECT_FALSE(workspace->Tabs()->tabIcon(1).isNull());

    frame.show();
    QApplication::processEvents();
    EXPECT_NEAR(workspace->widget()->width(), 200, 4);
    QAction* toggle = frame.Router().Action(ID_VIEW_WORKSPACE);
    EXPECT_EQ(toggle->text(), QStringLiteral("&Workspace"));
    frame.Router().UpdateAll();
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(workspace->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(workspace->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    // Closed by its own button, the bar loses the check mark as well.
    workspace->close();
    frame.Router().UpdateAll();
    EXPECT_FALSE(toggle->isChecked());
}

TEST_F(WorkspaceFrameTest, OpenRequestForAMissingFileNamesItAndOpensNothing)
{
    const QString missing = QString::fromStdString(dir.File("gone.html"));
    EXPECT_FALSE(frame.OpenFileRequest(missing));
    EXPECT_TRUE(documents.opened.isEmpty());
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(missing));

    // From the project tree as from anywhere: a file that is there goes to the documents.
    const QString present = QString::fromStdString(dir.File("here.html"));
    WriteFile(dir.File("here.html"), "<p>");
    CKProjectTree* tree = workspace->Project();
    tree->SetDialogs({nullptr, [&](QWidget*) { return QStringList{present}; }});
    tree->setCurrentItem(tree->Root());
    tree->AddFiles();
    tree->setCurrentItem(tree->Root()->child(0));
    tree->OpenFile();
    EXPECT_EQ(documents.opened, QStringList{present});
    EXPECT_EQ(host.errors.size(), 1);
}

TEST_F(WorkspaceFrameTest, CommandsGoFirstToTheFocusedPane)
{
    frame.show();
    QApplication::setActiveWindow(&frame);
    CKExplorerPane* explorer = workspace->Explorer();
    WriteFile(dir.File("page.html"), "x");
    explorer->ShowPath(QString::fromStdString(dir.File("page.html")));
    explorer->Tree()->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), explorer->Tree());

    QApplication::clipboard()->clear();
    EXPECT_TRUE(frame.Router().Route(ID_EDIT_COPY));
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromStdString(dir.File("page.html")));
    // Delete stops at the pane, disabled, and never reaches the rest of the chain.
    frame.Router().Action(ID_EDIT_DELETE);
    frame.Router().UpdateAll();
    EXPECT_FALSE(frame.Router().Action(ID_EDIT_DELETE)->isEnabled());
    EXPECT_TRUE(frame.Router().Route(ID_EDIT_DELETE));
    EXPECT_TRUE(documents.commands.empty());

    // Elsewhere the same commands take the usual route.
    workspace->Project()->setFocus();
    EXPECT_TRUE(frame.Router().Route(ID_EDIT_DELETE));
    EXPECT_TRUE(documents.commands.empty());
    QApplication::focusWidget()->clearFocus();
    frame.Router().Route(ID_EDIT_COPY);
    EXPECT_EQ(documents.commands, std::vector<int>{ID_EDIT_COPY});
}

} // namespace
