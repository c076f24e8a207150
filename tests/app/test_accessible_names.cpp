// What a screen reader would find without a name: the shown menu items, toolbar buttons, panes
// and status panes of the main window with a document open, and the controls of the Options
// pages, the Windows... dialog, Customize Tools and the recovery dialog.
#include "AppFixture.h"

#include "edit/Prop.h"
#include "frame/UserToolsDialog.h"
#include "frame/WindowList.h"
#include "frame/Workspace.h"
#include "support/AccessibleNames.h"

#include <QAccessible>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The items of a menu and its submenus whose accessible name is empty or carries the key after
// a tab, as "menu: name". Hidden items count too: screen readers list them, such as the
// numbered entries of recent files, tools and windows that have nothing to show yet.
void BadMenuItems(QMenu* menu, Names& bad)
{
    emit menu->aboutToShow(); // the update pass that sets the items' texts
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(menu);
    const QList<QAction*> actions = menu->actions();
    for (int i = 0; i < actions.size(); ++i) {
        if (actions[i]->isSeparator())
            continue;
        const QString name = access->child(i)->text(QAccessible::Name);
        if (name.trimmed().isEmpty() || name.contains(QLatin1Char('\t')))
            bad.push_back(menu->title().toStdString() + ": " + name.toStdString());
        if (QMenu* sub = actions[i]->menu())
            BadMenuItems(sub, bad);
    }
}

using AccessibleNamesTest = AppFixture;

TEST_F(AccessibleNamesTest, MainWindowMenusButtonsWorkspaceAndStatusPanes)
{
    Start({});
    ASSERT_TRUE(frame->ActiveChildFrame());
    // Narrow, so that the toolbars show their arrows to the buttons that do not fit.
    frame->resize(400, 300);
    frame->show();
    UpdatePass();

    Names bad;
    for (QAction* top : frame->menuBar()->actions())
        if (top->isVisible())
            BadMenuItems(top->menu(), bad);
    EXPECT_EQ(bad, Names());

    // Toolbar buttons, the arrows among them, the document window's bars and the workspace
    // bar, with each workspace page in turn.
    EXPECT_FALSE(frame->findChildren<QWidget*>(QStringLiteral("qt_toolbar_ext_button")).isEmpty());
    for (QToolBar* bar : frame->findChildren<QToolBar*>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name).isEmpty());
    QTabWidget* tabs = frame->Workspace()->Tabs();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        EXPECT_EQ(UnnamedControls(*frame), Names()) << tabs->tabText(page).toStdString();
    }

    // The status panes, the empty ones too (overwrite and read-only are off).
    Names panes;
    for (QLabel* pane : frame->statusBar()->findChildren<QLabel*>()) {
        const QString name = QAccessible::queryAccessibleInterface(pane)->text(QAccessible::Name);
        panes.push_back(name.toStdString());
        EXPECT_FALSE(name.trimmed().isEmpty()) << "pane " << panes.size();
    }
    EXPECT_EQ(panes.size(), 7u);
}

TEST_F(AccessibleNamesTest, DialogsOfTheMainWindow)
{
    Start({});

    COptionsDialog options(app->Settings(), frame);
    for (QTreeWidgetItemIterator it(options.Tree()); *it; ++it) {
        options.Tree()->setCurrentItem(*it);
        EXPECT_EQ(UnnamedControls(options), Names()) << (*it)->text(0).toStdString();
    }

    CKWindowListDialog windows(
        *frame->findChild<QMdiArea*>(QStringLiteral("workspace")), [](QMdiSubWindow*) {}, frame);
    EXPECT_EQ(UnnamedControls(windows), Names());

    CKUserToolsDialog tools(frame->UserTools(), frame);
    EXPECT_EQ(UnnamedControls(tools), Names());

    RecoveryCandidate copy;
    copy.file = dir.File("copy");
    copy.read.status = RecoveryReadStatus::Ok;
    copy.read.info.title = "Untitled1";
    CKRecoveryDialog recovery({copy}, CKRecoveryDialog::Actions(), frame);
    EXPECT_EQ(UnnamedControls(recovery), Names());
}

} // namespace
