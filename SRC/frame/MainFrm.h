// The main window: it puts together the menus, toolbars and status bar, the document windows
// and the workspace, routes commands, runs the window commands and the user tools, and keeps
// its size and layout.
#pragma once

#include "doc/DocView.h"
#include "frame/core/UserTools.h"
#include "res/CommandTarget.h"

#include <QMainWindow>

#include <span>
#include <vector>

class AppSettings;
class CChildFrame;
class CKCommandRouter;
class CKMenuBuilder;
class CKStatusBar;
class CKWindowCycler;
class CKWorkspaceBar;
class CKDocHost;
class CKDocManager;
class CKFindFilesController;
class CTagwrightDoc;
struct CommandLine;
class QMdiArea;
class QMdiSubWindow;
class QToolBar;

class CMainFrame : public QMainWindow, public CKCommandTarget, private CKCommandHost {
    Q_OBJECT
public:
    // host tells the user of a command that could not finish.
    CMainFrame(CKDocManager& documents, AppSettings& settings, DocViewFactory viewFactory,
               CKDocHost& host);
    ~CMainFrame() override;

    // Builds the bars, the panes and the clock.
    bool Create();

    CKCommandRouter& Router() { return *m_router; }
    // Recomputes now what the commands, the menus and the status panes show; otherwise that
    // happens once after each change.
    void UpdateCommandStates();
    // A new window with a view of doc, opened at full size.
    CChildFrame* CreateChildFrame(CTagwrightDoc& doc);
    std::vector<CChildFrame*> ChildFrames() const;
    CChildFrame* ActiveChildFrame() const;
    CKDocView* ActiveView() const;
    CTagwrightDoc* ActiveDocument() const;
    void ActivateDocument(CTagwrightDoc& doc);
    // The documents with a file, in window order, each with the place its first window shows,
    // and the active one: what the next start reopens.
    SessionDocuments OpenDocumentsForSession() const;
    // Shows doc's window as the session left it: split or not, the caret, the selection and
    // the first line.
    void RestoreDocumentWindow(CTagwrightDoc& doc, const SessionDocument& entry);
    // Closes every window of doc without asking again.
    void CloseDocumentWindows(CTagwrightDoc& doc);

    // Opens the files a later start handed over, as from the command line, and comes to the
    // front with the keyboard in the active document's text.
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
    // The commands the main window runs.
    static std::span<const CommandHandler<CMainFrame>> CommandHandlers();

    // The text of a status pane, for tests.
    QString PaneText(int paneId) const;

    const std::vector<UserTool>& UserTools() const { return m_tools; }
    void SetUserTools(std::vector<UserTool> tools);
    // Starts the tool at index; a program that is not installed is reported.
    void RunUserTool(size_t index);

    // Window size, place, maximised state, the bars' layout and whether the document windows
    // show as tabs, kept in the settings.
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
    // What the views ask of the window.
    void CommandStatesChanged() override;
    void ShowContextMenu(QMenu& menu, int globalX, int globalY) override;

    void CreateToolBars();
    QToolBar* AddBar(const QString& name, std::span<const int> buttons);
    void LoadUserTools();
    void CustomizeTools();
    void ShowWindowList();
    QList<QMdiSubWindow*> OpenWindows() const;
    static void ToggleBar(QWidget* bar);
    bool ShowsDocumentTabs() const;
    void ShowDocumentTabs(bool on);
    // After a modal dialog closed: the window that opened it takes the keyboard again, which
    // no one else does on a desktop without a window manager.
    void TakeBackFocus();
    void ShowActiveStatus();
    void UpdateTitles();
    void ArrangeIcons();
    bool HasMinimizedWindows() const;
    std::vector<CKCommandTarget*> RouteChain();

    CKDocManager& m_documents;
    AppSettings& m_settings;
    CKDocHost& m_host;
    DocViewFactory m_viewFactory;
    CKCommandRouter* m_router;
    CKMenuBuilder* m_menus;
    QMdiArea* m_mdi = nullptr;
    CKWindowCycler* m_cycler = nullptr;
    CKStatusBar* m_statusBar = nullptr;
    QToolBar* m_standardBar = nullptr;
    CKWorkspaceBar* m_workspace = nullptr;
    CKFindFilesController* m_findFiles = nullptr;
    QToolBar* m_insertBar = nullptr;
    QToolBar* m_macrosBar = nullptr;
    std::vector<UserTool> m_tools;
};
