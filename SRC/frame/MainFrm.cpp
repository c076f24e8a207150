// The main window: its parts put together, the document windows, the window commands and
// the user tools.
#include "frame/MainFrm.h"

#include "controls/DroppedFiles.h"
#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "doc/TagwrightDoc.h"
#include "findfiles/FindFilesController.h"
#include "findfiles/SearchResultsPane.h"
#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "frame/MenuBuilder.h"
#include "frame/ProjectTree.h"
#include "frame/SplitPanes.h"
#include "frame/StatusBar.h"
#include "frame/ToolRun.h"
#include "frame/UserToolsDialog.h"
#include "frame/WindowCycler.h"
#include "frame/WindowList.h"
#include "frame/Workspace.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "res/Strings.h"
#include "session/core/Session.h"
#include "settings/core/AppSettings.h"
#include "view/PrintCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

bool Installed(std::string_view program)
{
    return !QStandardPaths::findExecutable(FromUtf8(program)).isEmpty();
}

// A program named by a path must be an executable file there; a bare name is looked up on
// the search path.
bool ProgramExists(const QString& program)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace

CMainFrame::CMainFrame(CKDocManager& documents, AppSettings& settings, DocViewFactory viewFactory,
                       CKDocHost& host)
    : m_documents(documents), m_settings(settings), m_host(host),
      m_router(new CKCommandRouter([this] { return RouteChain(); },
                                   [&host](const QString& text) { host.ShowError(text); }, this))
{
    // Every view of the window tells it of its changes and shows its context menu through it.
    m_viewFactory = [this, factory = std::move(viewFactory)](CTagwrightDoc& doc, QWidget* parent) {
        CKDocView* view = factory(doc, parent);
        view->SetCommandHost(this);
        return view;
    };
    MenuSources sources;
    sources.recentFiles = [this] {
        QStringList paths;
        for (const std::string& path : m_documents.Session().Recent().Paths())
            paths << QDir::toNativeSeparators(QFile::decodeName(path.c_str()));
        return paths;
    };
    sources.toolNames = [this] {
        QStringList names;
        for (const UserTool& tool : m_tools)
            names << FromStd(tool.name);
        return names;
    };
    sources.windowTitles = [this] {
        QStringList titles;
        for (QMdiSubWindow* sub : OpenWindows())
            titles << sub->windowTitle();
        return titles;
    };
    m_menus = new CKMenuBuilder(*m_router, std::move(sources), this);
    Q_INIT_RESOURCE(icons);
    setWindowTitle(QStringLiteral("Tagwright"));
    // The first size fits the screen, also a small one or one with a large scale factor.
    QSize size(1000, 720);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    resize(size);
}

CMainFrame::~CMainFrame()
{
    // Closing the windows below activates others; the frame no longer follows that. The
    // document windows go while the frame is still whole, since their end reaches the
    // document manager through the frame.
    if (m_mdi) {
        m_mdi->disconnect(this);
        delete m_mdi;
    }
}

bool CMainFrame::Create()
{
    setAcceptDrops(true);
    LoadUserTools();
    m_menus->FillMenuBar(*menuBar());
    connect(m_menus, &CKMenuBuilder::menuClosed, this, [this] { m_statusBar->EndMenuPrompt(); });
    TW_TRACE(m_settings, "Menus created");
    CreateToolBars();
    TW_TRACE(m_settings, "Toolbars created");
    m_workspace = new CKWorkspaceBar(m_host, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_workspace);
    connect(m_workspace, &CKWorkspaceBar::openRequested, this, &CMainFrame::OpenFileRequest);
    connect(m_workspace, &CKWorkspaceBar::currentChanged, m_router, &CKCommandRouter::Invalidate);
    TW_TRACE(m_settings, "Workspace created");
    m_findFiles = new CKFindFilesController(
        *this, {m_documents, m_settings.Store(), [this] { return ActiveView(); },
                [this] { return m_settings.Preferences().IsOn(Switch::CreateBackups); }, m_host,
                [this] { return m_workspace->Project()->FilePaths(); }});
    connect(&m_findFiles->Pane(), &CKSearchResultsPane::resultsChanged, m_router,
            &CKCommandRouter::Invalidate);
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("workspace"));
    setCentralWidget(m_mdi);
    m_cycler = new CKWindowCycler(*m_mdi, this);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // A document window brought to the front shows what became of its file meanwhile.
        if (auto* frame = sub ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr)
            frame->Document().CheckDiskFile();
        UpdateTitles();
        UpdateCommandStates();
    });
    m_statusBar = new CKStatusBar(this);
    setStatusBar(m_statusBar);
    // A click on the ENC pane of a document offers to reopen it in another code page.
    connect(m_statusBar, &CKStatusBar::codePagePaneClicked, this,
            [this](QPoint at) { m_menus->CodePageMenu()->popup(at); });
    TW_TRACE(m_settings, "Status bar created");
    // Commands with keys but no menu item reach the window through actions of its own.
    addAction(m_router->Action(ID_WINDOW_NEXT));
    addAction(m_router->Action(ID_WINDOW_PREVIOUS));
    // What the commands show follows the focus (a workspace pane takes some of them) and the
    // clipboard (Paste).
    connect(qApp, &QApplication::focusChanged, m_router, &CKCommandRouter::Invalidate);
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, m_router,
            &CKCommandRouter::Invalidate);
    connect(m_router, &CKCommandRouter::updated, this, [this] {
        m_menus->ShowDocumentItems(!m_documents.Documents().empty());
        ShowActiveStatus();
    });
    UpdateCommandStates();
    RestoreWindowState();
    // Watches every window for modal dialogs that close.
    qApp->installEventFilter(this);
    return true;
}

void CMainFrame::UpdateCommandStates() { m_router->UpdateAll(); }

void CMainFrame::CommandStatesChanged() { m_router->Invalidate(); }

void CMainFrame::ShowContextMenu(QMenu& menu, int globalX, int globalY)
{
    m_menus->ShowContextMenu(menu, QPoint(globalX, globalY));
}

void CMainFrame::ShowActiveStatus()
{
    if (CKDocView* view = ActiveView()) {
        const ViewStatus status = view->Status();
        m_statusBar->ShowStatus(&status);
        // How the code page was chosen, when detection chose it.
        m_statusBar->SetCodePageNote(view->Document().CodePageNote());
    } else {
        m_statusBar->ShowStatus(nullptr);
        m_statusBar->SetCodePageNote({});
    }
}

QString CMainFrame::PaneText(int paneId) const { return m_statusBar->PaneText(paneId); }

QToolBar* CMainFrame::AddBar(const QString& name, std::span<const int> buttons)
{
    QToolBar* bar = addToolBar(name);
    // The saved layout finds each bar by its object name.
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    m_menus->FillToolBar(*bar, buttons);
    return bar;
}

void CMainFrame::CreateToolBars()
{
    m_standardBar = AddBar(QStringLiteral("Standard"), StandardToolbar());
    m_insertBar = AddBar(QStringLiteral("Insert"), InsertToolbar());
    m_macrosBar = AddBar(QStringLiteral("Macros"), MacrosToolbar());
}

QList<QMdiSubWindow*> CMainFrame::OpenWindows() const
{
    return m_mdi ? ::OpenWindows(*m_mdi) : QList<QMdiSubWindow*>();
}

CChildFrame* CMainFrame::CreateChildFrame(CTagwrightDoc& doc)
{
    auto* frame = new CChildFrame(doc, m_viewFactory, *m_menus);
    QMdiSubWindow* sub = m_mdi->addSubWindow(frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(&doc, &CTagwrightDoc::titleChanged, frame, [this] { UpdateTitles(); });
    // The window's views left the document as the window went: the document may go now.
    connect(frame, &QObject::destroyed, this, [this, closed = &doc] {
        m_documents.OnViewClosed(closed);
        QTimer::singleShot(0, this, [this] {
            UpdateTitles();
            m_router->Invalidate();
        });
    });
    sub->showMaximized();
    frame->setFocus();
    UpdateTitles();
    UpdateCommandStates();
    return frame;
}

void CMainFrame::ToggleBar(QWidget* bar) { bar->setVisible(!bar->isVisible()); }

void CMainFrame::LoadUserTools()
{
    // The defaults reach the settings file with the rest at exit: a start writes nothing.
    m_tools = ReadUserTools(m_settings.Store());
    if (m_tools.empty())
        m_tools = DefaultUserTools(Installed);
}

void CMainFrame::SetUserTools(std::vector<UserTool> tools)
{
    m_tools = std::move(tools);
    WriteUserTools(m_settings.Store(), m_tools);
    m_menus->UpdateToolItems();
}

void CMainFrame::CustomizeTools()
{
    CKUserToolsDialog dialog(m_tools, this);
    if (dialog.exec() == QDialog::Accepted)
        SetUserTools(dialog.Tools());
}

void CMainFrame::RunUserTool(size_t index)
{
    if (index >= m_tools.size())
        return;
    const UserTool& tool = m_tools[index];
    ToolContext context;
    if (const CTagwrightDoc* doc = ActiveDocument())
        context.documentPath = doc->NativePathName();
    context.homeFolder = QFile::encodeName(QDir::homePath()).toStdString();
    context.settingsFile = m_settings.Store().Location();
    const ToolLaunch launch = ResolveUserTool(tool, context);
    QStringList arguments;
    for (const std::string& argument : launch.arguments)
        arguments << QFile::decodeName(argument.c_str());
    if (launch.inThisEditor) {
        for (const QString& path : arguments)
            m_documents.OpenDocumentFile(path);
        return;
    }
    const QString program = QFile::decodeName(launch.program.c_str());
    if (!ProgramExists(program)) {
        m_host.ShowError(ResText(IDS_TOOL_NOT_FOUND).arg(FromStd(tool.name), program));
        return;
    }
    QString folder = QFile::decodeName(launch.folder.c_str());
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    StartUserTool(FromStd(tool.name), program, arguments, folder, this,
                  [this](const QString& message) { m_host.ShowError(message); });
}

void CMainFrame::ShowWindowList()
{
    CKWindowListDialog dialog(
        *m_mdi,
        [](QMdiSubWindow* sub) {
            if (auto* frame = qobject_cast<CChildFrame*>(sub->widget()))
                frame->Document().DoFileSave();
        },
        this);
    dialog.exec();
}

void CMainFrame::SaveWindowState()
{
    const auto toBytes = [](const QByteArray& bytes) {
        return std::vector<uint8_t>(bytes.begin(), bytes.end());
    };
    m_documents.Session().SaveWindowLayout(
        {toBytes(saveGeometry()), toBytes(saveState()), ShowsDocumentTabs()});
}

void CMainFrame::RestoreWindowState()
{
    const WindowLayout layout = m_documents.Session().ReadWindowLayout();
    const auto toBytes = [](const std::vector<uint8_t>& bytes) {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    };
    // A value that Qt does not take leaves the first layout as it is.
    restoreGeometry(toBytes(layout.geometry));
    restoreState(toBytes(layout.state));
    ShowDocumentTabs(layout.documentTabs);
}

bool CMainFrame::ShowsDocumentTabs() const { return m_mdi->viewMode() == QMdiArea::TabbedView; }

void CMainFrame::ShowDocumentTabs(bool on)
{
    m_mdi->setViewMode(on ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (on) {
        m_mdi->setDocumentMode(true);
        m_mdi->setTabsMovable(true);
        m_mdi->setTabsClosable(true); // a tab closes as its window does, asking about changes
    }
}

void CMainFrame::UpdateTitles()
{
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub->widget());
        if (!frame)
            continue;
        CTagwrightDoc& doc = frame->Document();
        QString title = doc.DisplayTitle();
        std::vector<CChildFrame*> windows;
        for (CChildFrame* other : ChildFrames())
            if (&other->Document() == &doc)
                windows.push_back(other);
        if (windows.size() > 1) {
            const auto it = std::find(windows.begin(), windows.end(), frame);
            title = doc.Title() + QStringLiteral(":%1").arg(it - windows.begin() + 1)
                    + (doc.IsModified() ? QStringLiteral(" *") : QString());
        }
        sub->setWindowTitle(title);
    }
    CTagwrightDoc* doc = ActiveDocument();
    setWindowTitle(doc ? QStringLiteral("Tagwright - [%1]")
                             .arg(ActiveChildFrame()->parentWidget()->windowTitle())
                       : QStringLiteral("Tagwright"));
}

std::vector<CChildFrame*> CMainFrame::ChildFrames() const
{
    std::vector<CChildFrame*> frames;
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(sub->widget()))
            frames.push_back(frame);
    return frames;
}

CChildFrame* CMainFrame::ActiveChildFrame() const
{
    if (!m_mdi)
        return nullptr;
    // While the main window is not active the area has no current window; the one active
    // last still receives the commands.
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    const QList<QMdiSubWindow*> history = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    if (!sub && !history.isEmpty())
        sub = history.constLast();
    return sub ? qobject_cast<CChildFrame*>(sub->widget()) : nullptr;
}

CKDocView* CMainFrame::ActiveView() const
{
    CChildFrame* frame = ActiveChildFrame();
    return frame ? frame->View() : nullptr;
}

CTagwrightDoc* CMainFrame::ActiveDocument() const
{
    CKDocView* view = ActiveView();
    return view ? &view->Document() : nullptr;
}

void CMainFrame::ActivateDocument(CTagwrightDoc& doc)
{
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        auto* frame = qobject_cast<CChildFrame*>(sub->widget());
        if (frame && &frame->Document() == &doc) {
            m_mdi->setActiveSubWindow(sub);
            return;
        }
    }
}

SessionDocuments CMainFrame::OpenDocumentsForSession() const
{
    SessionDocuments session;
    CChildFrame* active = ActiveChildFrame();
    std::vector<const CTagwrightDoc*> listed;
    for (CChildFrame* frame : ChildFrames()) {
        CTagwrightDoc& doc = frame->Document();
        // Untitled texts come back through their recovery copies, not the session.
        if (doc.NativePathName().empty()
            || std::find(listed.begin(), listed.end(), &doc) != listed.end())
            continue;
        listed.push_back(&doc);
        if (active && &active->Document() == &doc)
            session.active = static_cast<int>(session.documents.size());
        const CKDocView* view = frame->View();
        session.documents.push_back({doc.NativePathName(),
                                     {doc.Buffer().CodePage(), doc.Buffer().LineEnding()},
                                     view ? view->Place() : ViewPlace{},
                                     frame->Panes().IsSplit()});
    }
    return session;
}

void CMainFrame::RestoreDocumentWindow(CTagwrightDoc& doc, const SessionDocument& entry)
{
    for (CChildFrame* frame : ChildFrames()) {
        if (&frame->Document() != &doc)
            continue;
        if (entry.split != frame->Panes().IsSplit())
            frame->ToggleSplit();
        if (CKDocView* view = frame->View())
            view->MoveToPlace(entry.place);
        return;
    }
}

void CMainFrame::CloseDocumentWindows(CTagwrightDoc& doc)
{
    for (CChildFrame* frame : ChildFrames())
        if (&frame->Document() == &doc)
            frame->CloseWithoutAsking();
}

void CMainFrame::OpenRequest(const CommandLine& request)
{
    m_documents.OpenCommandLine(request);
    raise();
    activateWindow();
    // The text takes the keys, not a bar of its window that had the focus last.
    if (CChildFrame* frame = ActiveChildFrame())
        frame->setFocus();
}

bool CMainFrame::OpenFileRequest(const QString& path)
{
    // The file may have gone since the pane listed it.
    if (!QFileInfo::exists(path)) {
        m_host.ShowError(ResText(IDS_OPEN_MISSING).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return m_documents.OpenDocumentFile(path) != nullptr;
}

void CMainFrame::OpenDroppedFiles(const QStringList& paths)
{
    QStringList folders;
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            folders << QDir::toNativeSeparators(path);
        else
            OpenFileRequest(path);
    }
    if (!folders.isEmpty())
        m_host.ShowError(ResText(IDS_DROPPED_FOLDERS).arg(folders.join(u'\n')));
}

namespace {

// Files from a file manager are taken as a copy; anything else is refused.
void OfferFileDrag(QDragMoveEvent* event)
{
    if (DroppedLocalPaths(event->mimeData()).isEmpty())
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) { OfferFileDrag(event); }

void CMainFrame::dragMoveEvent(QDragMoveEvent* event) { OfferFileDrag(event); }

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList paths = DroppedLocalPaths(event->mimeData());
    if (paths.isEmpty())
        return event->ignore();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // Opened once the drop is over, so that no message box runs inside it.
    QMetaObject::invokeMethod(
        this, [this, paths] { OpenDroppedFiles(paths); }, Qt::QueuedConnection);
}

bool CMainFrame::HasMinimizedWindows() const
{
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    return std::any_of(subs.begin(), subs.end(),
                       [](QMdiSubWindow* sub) { return sub->isMinimized(); });
}

void CMainFrame::ArrangeIcons()
{
    // The minimised windows line up along the bottom edge, left to right, in a new row above
    // when a row is full.
    const int width = m_mdi->viewport()->width();
    int x = 0;
    int rowBottom = m_mdi->viewport()->height();
    for (QMdiSubWindow* sub : m_mdi->subWindowList()) {
        if (!sub->isMinimized())
            continue;
        const QSize size = sub->size();
        if (x > 0 && x + size.width() > width) {
            x = 0;
            rowBottom -= size.height();
        }
        sub->move(x, rowBottom - size.height());
        x += size.width();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!m_documents.SaveAllModified()) {
        event->ignore();
        return;
    }
    SaveWindowState();
    WriteUserTools(m_settings.Store(), m_tools);
    event->accept();
}

std::vector<CKCommandTarget*> CMainFrame::RouteChain()
{
    std::vector<CKCommandTarget*> chain;
    if (CKCommandTarget* pane = m_workspace ? m_workspace->FocusedPane() : nullptr)
        chain.push_back(pane);
    if (CKDocView* view = ActiveView()) {
        chain.push_back(view);
        chain.push_back(&view->Document());
    }
    chain.push_back(this);
    chain.push_back(&m_documents);
    return chain;
}

std::span<const CommandHandler<CMainFrame>> CMainFrame::CommandHandlers()
{
    using Handler = CommandHandler<CMainFrame>;
    const auto needsDocument = [](CMainFrame& f, CmdUI& ui) {
        ui.Enable(f.ActiveDocument() != nullptr);
    };
    static const Handler handlers[] = {
        {ID_VIEW_TOOLBAR, [](CMainFrame& f, int) { ToggleBar(f.m_standardBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_standardBar->isVisible()); }},
        {ID_VIEW_WORKSPACE,
         [](CMainFrame& f, int) { f.m_workspace->setVisible(!f.m_workspace->isVisibleTo(&f)); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_workspace->isVisibleTo(&f)); }},
        {ID_VIEW_INSERT_BAR, [](CMainFrame& f, int) { ToggleBar(f.m_insertBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_insertBar->isVisible()); }},
        {ID_VIEW_MACROS_BAR, [](CMainFrame& f, int) { ToggleBar(f.m_macrosBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_macrosBar->isVisible()); }},
        {ID_VIEW_STATUS_BAR, [](CMainFrame& f, int) { ToggleBar(f.statusBar()); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.statusBar()->isVisible()); }},
        {ID_VIEW_DOCUMENT_TABS,
         [](CMainFrame& f, int) { f.ShowDocumentTabs(!f.ShowsDocumentTabs()); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.ShowsDocumentTabs()); }},
        {ID_FILE_PRINT_SETUP, [](CMainFrame& f, int) { RunPrintSetup(&f); }},
        {ID_TOOLS_FIRST,
         [](CMainFrame& f, int index) { f.RunUserTool(static_cast<size_t>(index)); },
         [](CMainFrame& f, CmdUI& ui) {
             ui.Enable(static_cast<size_t>(ui.index) < f.m_tools.size());
         }},
        {ID_TOOLS_CUSTOMIZE, [](CMainFrame& f, int) { f.CustomizeTools(); }},
        {ID_SEARCH_FIND_IN_FILES, [](CMainFrame& f, int) { f.m_findFiles->ShowDialog(false); }},
        {ID_SEARCH_REPLACE_IN_FILES, [](CMainFrame& f, int) { f.m_findFiles->ShowDialog(true); }},
        {ID_SEARCH_NEXT_RESULT, [](CMainFrame& f, int) { f.m_findFiles->GoToResult(1); },
         [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.m_findFiles->HasResults()); }},
        {ID_SEARCH_PREVIOUS_RESULT, [](CMainFrame& f, int) { f.m_findFiles->GoToResult(-1); },
         [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.m_findFiles->HasResults()); }},
        {ID_WINDOW_LIST, [](CMainFrame& f, int) { f.ShowWindowList(); }, needsDocument},
        {ID_WINDOW_NEXT, [](CMainFrame& f, int) { f.m_cycler->Cycle(1); }, needsDocument},
        {ID_WINDOW_PREVIOUS, [](CMainFrame& f, int) { f.m_cycler->Cycle(-1); }, needsDocument},
        {ID_WINDOW_DOCUMENT_FIRST,
         [](CMainFrame& f, int index) {
             const QList<QMdiSubWindow*> windows = f.OpenWindows();
             if (index < windows.size())
                 f.m_mdi->setActiveSubWindow(windows[index]);
         },
         [](CMainFrame& f, CmdUI& ui) {
             const QList<QMdiSubWindow*> windows = f.OpenWindows();
             ui.Enable(ui.index < windows.size());
             ui.SetCheck(ui.index < windows.size()
                         && windows[ui.index] == f.m_mdi->activeSubWindow());
         }},
        {ID_WINDOW_NEW,
         [](CMainFrame& f, int) {
             if (CTagwrightDoc* doc = f.ActiveDocument())
                 f.CreateChildFrame(*doc);
         },
         needsDocument},
        {ID_WINDOW_CASCADE, [](CMainFrame& f, int) { CascadeWindows(*f.m_mdi, f.OpenWindows()); },
         needsDocument},
        {ID_WINDOW_TILE, [](CMainFrame& f, int) { f.m_mdi->tileSubWindows(); }, needsDocument},
        {ID_WINDOW_ARRANGE, [](CMainFrame& f, int) { f.ArrangeIcons(); },
         [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.HasMinimizedWindows()); }},
        {ID_WINDOW_SPLIT,
         [](CMainFrame& f, int) {
             if (CChildFrame* frame = f.ActiveChildFrame())
                 frame->ToggleSplit();
         },
         needsDocument},
    };
    return handlers;
}

bool CMainFrame::OnCommand(int id)
{
    return DispatchCommand<CMainFrame>(*this, CommandHandlers(), id);
}

bool CMainFrame::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CMainFrame>(*this, CommandHandlers(), ui);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        const auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isModal() && window != this)
            QMetaObject::invokeMethod(this, &CMainFrame::TakeBackFocus, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::TakeBackFocus()
{
    // A dialog that opened another one gets the keyboard back first.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->activateWindow();
        return;
    }
    if (!isVisible())
        return;
    activateWindow();
    if (!focusWidget())
        if (CChildFrame* frame = ActiveChildFrame())
            frame->setFocus();
}

bool CMainFrame::event(QEvent* event)
{
    // A menu prompt replaces the message pane's text until the menu closes.
    if (event->type() == QEvent::StatusTip) {
        m_statusBar->ShowMenuPrompt(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}
