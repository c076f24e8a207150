// Builds the main window's menus, its toolbars and the views' context menu from the lists of
// commands in SRC/res, with the actions of the command router; keeps the entries that follow
// the program's state (recent files, user tools, open windows, items that need a document).
#pragma once

#include <QObject>
#include <QPoint>
#include <QStringList>

#include <functional>
#include <span>
#include <vector>

class CKCommandRouter;
class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
struct MenuItem;

// Where the entries that change come from.
struct MenuSources {
    std::function<QStringList()> recentFiles; // paths as shown, most recent first
    std::function<QStringList()> toolNames;
    std::function<QStringList()> windowTitles; // the open windows in order
};

class CKMenuBuilder : public QObject {
    Q_OBJECT
public:
    CKMenuBuilder(CKCommandRouter& router, MenuSources sources, QObject* parent = nullptr);

    void FillMenuBar(QMenuBar& bar);
    // The buttons of the commands in order; 0 stands for a separator.
    void FillToolBar(QToolBar& bar, std::span<const int> buttons);
    // The view's context menu after the items menu holds already, shown at a point of the
    // screen until it closes.
    void ShowContextMenu(QMenu& menu, QPoint globalPos);
    // The menus and items that need a document show only while one is open.
    void ShowDocumentItems(bool haveDocument);
    // The Reopen with Encoding menu, which the code page pane opens too.
    QMenu* CodePageMenu() const { return m_codePageMenu; }
    // The user tools changed.
    void UpdateToolItems();

signals:
    // A menu of the menu bar closed.
    void menuClosed();

private:
    // The actions of a run of commands from the table, in order.
    std::vector<QAction*> RunActions(int firstId);
    // Commands, separators and submenus.
    void AddItems(QMenu& menu, std::span<const MenuItem> items);
    QAction* AddItem(QMenu& menu, const MenuItem& item);
    // The entries of a run that update shows, numbered, before the menu opens; slotName (a
    // string id with %1 for the number) names them until then.
    void AddNumberedRun(QMenu& menu, int firstId, int slotName, std::vector<QAction*>& items,
                        void (CKMenuBuilder::*update)());
    // The first entries show the texts, numbered from 1; the rest hide.
    static void ShowNumbered(const std::vector<QAction*>& items, const QStringList& texts);
    void UpdateRecentFileItems();
    void UpdateWindowItems();

    CKCommandRouter& m_router;
    MenuSources m_sources;
    std::vector<QMenu*> m_documentMenus;
    std::vector<QAction*> m_documentItems;
    std::vector<QAction*> m_recentItems;
    std::vector<QAction*> m_toolItems;
    std::vector<QAction*> m_windowItems;
    QAction* m_windowSeparator = nullptr;
    QMenu* m_codePageMenu = nullptr;
    bool m_documentItemsShown = true;
};
