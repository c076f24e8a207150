// The main window: menus, the toolbars, the document windows, the status bar with its panes
// and clock, the user tools, the window list and the request to open a file.
#pragma once

#include "doc/DocView.h"
#include "frame/core/UserTools.h"
#include "res/CommandTarget.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <span>
#include <vector>

class AppSettings;
class CChildFrame;
class CKCommandRouter;
class CKWorkspaceBar;
class CKDocHost;
class CKDocManager;
class CKFindFilesController;
class CTagwrightDoc;
struct CommandLine;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow, public CKCommandTarget {
    Q_OBJECT
public:
    // The rows of catalogue give the commands their texts, keys and icons; host tells the user
    // of a command that could not finish.
    CMainFrame(CKDocManager& documents, AppSettings& settings, DocViewFactory viewFactory,
               const CCommandCatalogue& catalogue, CKDocHost& host);
    ~CMainFrame() override;

    // Builds the bars, the panes and the clock.
    bool Create();

    CKCommandRouter& Router() { return *m_router; }
    // A new window with a view of doc, opened at full size.
    CChildFrame* CreateChildFrame(CTagwrightDoc& doc);
    std::vector<CChildFrame*> ChildFrames() const;
    CChildFrame* ActiveChildFrame() const;
    CKDocView* ActiveView() const;
    CTagwrightDoc* ActiveDocument() const;
    void ActivateDocument(CTagwrightDoc& doc);
    // Closes every window of doc without asking again.
    void CloseDocumentWindows(CTagwrightDoc& doc);

    // Opens the files a later start handed over, as from the command line, and comes to the
    // front.
    void OpenRequest(const CommandLine& request);
    // Opens a file for the workspace panes; a file that no longer exists is named to the
    // user. False when nothing opened.
    bool OpenFileRequest(const QString& path);
    // Opens files dropped on the window or on a view; folders among them are named to the
    // user, not opened.
    Q_INVOKABLE void OpenDroppedFiles(const QStringList& paths);
    CKWorkspaceBar* Workspace() const { return m_workspace; }
    CKFindFilesController& FindInFiles() const { return *m_findFiles; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;
    // The commands of the main window.
    static std::span<const CommandRow<CMainFrame>> CommandRows();

    // The text of a status pane, for tests and the idle update.
    QString PaneText(int paneId) const;

    const std::vector<UserTool>& UserTools() const { return m_tools; }
    void SetUserTools(std::vector<UserTool> tools);
    // Starts the tool at index; a program that is not installed is reported.
    void RunUserTool(size_t index);
    // Ctrl+Tab and Ctrl+Shift+Tab: one step through the windows in the order of their last
    // use; the order is taken up when Ctrl is released.
    void CycleWindows(int direction);

    // Window size, place, maximised state and the bars' layout, kept in the settings.
    void SaveWindowState();
    void RestoreWindowState();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void AddToolbarToggles(QMenu* menu);
    void AddWindowItems(QMenu* menu);
    void UpdateWindowItems();
    void UpdateToolItems();
    void RestoreMessage();
    void CreateToolBars();
    QToolBar* AddBar(const QString& name, std::span<const int> buttons);
    void LoadUserTools();
    void CustomizeTools();
    void ShowWindowList();
    void EndWindowCycle();
    void NoteActivated(QMdiSubWindow* sub);
    QList<QMdiSubWindow*> OpenWindows() const;
    static void ToggleBar(QWidget* bar);
    void CreateStatusBar();
    void StartClock();
    void UpdateClock();
    void UpdatePanes();
    void UpdateMenusForDocuments();
    void UpdateRecentFileItems();
    void UpdateTitles();
    void ArrangeIcons();
    bool HasMinimizedWindows() const;
    std::vector<CKCommandTarget*> RouteChain();

    CKDocManager& m_documents;
    AppSettings& m_settings;
    CKDocHost& m_host;
    DocViewFactory m_viewFactory;
    CKCommandRouter* m_router;
    QMdiArea* m_mdi = nullptr;
    QToolBar* m_standardBar = nullptr;
    CKWorkspaceBar* m_workspace = nullptr;
    CKFindFilesController* m_findFiles = nullptr;
    QToolBar* m_insertBar = nullptr;
    QToolBar* m_macrosBar = nullptr;
    std::vector<UserTool> m_tools;
    std::vector<QAction*> m_toolItems;
    std::vector<QAction*> m_windowItems;
    QAction* m_windowSeparator = nullptr;
    std::vector<QPointer<QMdiSubWindow>> m_recentWindows; // last used first
    std::vector<QPointer<QMdiSubWindow>> m_cycle; // the order while Ctrl+Tab is held
    size_t m_cyclePos = 0;
    bool m_cycling = false;
    std::vector<QMenu*> m_documentMenus;
    std::vector<QAction*> m_documentItems;
    std::vector<QAction*> m_recentItems;
    QAction* m_recentSeparator = nullptr;
    QLabel* m_messagePane = nullptr;
    QMenu* m_codePageMenu = nullptr; // Reopen with Encoding
    bool m_viewPromptShown = false; // the message pane shows a view's prompt
    std::map<int, QLabel*> m_panes;
    QString m_savedMessage; // the message pane's text while a menu prompt shows
    bool m_promptShown = false;
    bool m_documentItemsShown = true;
};
