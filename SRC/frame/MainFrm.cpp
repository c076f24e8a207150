// The main window, its bars and panes, and the window commands.
#include "frame/MainFrm.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "frame/StatusPanes.h"
#include "frame/UserToolsDialog.h"
#include "frame/WindowList.h"
#include "frame/Workspace.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "res/Strings.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"
#include "view/PrintCommands.h"

#include <QCloseEvent>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kClockIntervalMs = 1000;
constexpr std::string_view kWindowStateName = "WindowState";
constexpr std::string_view kWindowGeometryName = "WindowGeometry";

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

// The panes right of the message pane, with the texts that size them.
const std::pair<int, const char*> kPanes[] = {
    {ID_PANE_POSITION, "Ln XXX, Col XXX"}, {ID_PANE_OVERWRITE, "OVR"},
    {ID_PANE_LINE_ENDING, "CLRF: UNIX"},   {ID_PANE_CODE_PAGE, "ENC: DOS"},
    {ID_PANE_READ_ONLY, "READ"},
};

} // namespace

CMainFrame::CMainFrame(CKDocManager& documents, AppSettings& settings, DocViewFactory viewFactory,
                       const CCommandCatalogue& catalogue, CKDocHost& host)
    : m_documents(documents), m_settings(settings), m_host(host), m_viewFactory(std::move(viewFactory)),
      m_router(new CKCommandRouter([this] { return RouteChain(); }, catalogue,
                                   [&host](const QString& text) { host.ShowError(text); }, this))
{
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
    LoadUserTools();
    CreateMenus();
    TW_TRACE(m_settings, "Menus created");
    CreateToolBars();
    TW_TRACE(m_settings, "Toolbars created");
    m_workspace = new CKWorkspaceBar(m_host, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_workspace);
    connect(m_workspace, &CKWorkspaceBar::openRequested, this, &CMainFrame::OpenFileRequest);
    TW_TRACE(m_settings, "Workspace created");
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("workspace"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        NoteActivated(sub);
        UpdateTitles();
        UpdateMenusForDocuments();
        m_router->UpdateAll();
    });
    CreateStatusBar();
    TW_TRACE(m_settings, "Status bar created");
    // Commands with keys but no menu item reach the window through actions of its own.
    addAction(m_router->Action(ID_WINDOW_NEXT));
    addAction(m_router->Action(ID_WINDOW_PREVIOUS));
    StartClock();
    connect(m_router, &CKCommandRouter::idle, this, [this] {
        UpdateMenusForDocuments();
        UpdatePanes();
    });
    UpdateMenusForDocuments();
    m_router->UpdateAll();
    RestoreWindowState();
    return true;
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

void CMainFrame::CreateMenus()
{
    for (const MenuInfo& info : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(FromUtf8(info.title));
        m_router->WatchMenu(menu);
        if (info.needsDocument)
            m_documentMenus.push_back(menu);
        for (const MenuItem& item : info.items) {
            QAction* added = nullptr;
            switch (item.kind) {
            case MenuItemKind::Command:
                // A command no component offers (yet) has no item.
                if (!m_router->Catalogue().Find(item.id))
                    break;
                added = m_router->Action(item.id);
                menu->addAction(added);
                break;
            case MenuItemKind::Separator:
                added = menu->addSeparator();
                break;
            case MenuItemKind::RecentFiles:
                for (int id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id) {
                    QAction* action = m_router->Action(id);
                    action->setVisible(false);
                    menu->addAction(action);
                    m_recentItems.push_back(action);
                }
                connect(menu, &QMenu::aboutToShow, this, [this] { UpdateRecentFileItems(); });
                break;
            case MenuItemKind::SourceTypes: {
                QMenu* types = menu->addMenu(FromUtf8(item.text));
                m_router->WatchMenu(types);
                // One type at a time: the items show radio marks.
                auto* group = new QActionGroup(types);
                group->setExclusive(true);
                for (int type = 0; type < kSourceTypeCount; ++type) {
                    QAction* action = m_router->Action(ID_SOURCE_TYPE_FIRST + type);
                    action->setText(FromUtf8(SourceTypeName(type)));
                    action->setCheckable(true);
                    group->addAction(action);
                    types->addAction(action);
                }
                added = types->menuAction();
                break;
            }
            case MenuItemKind::Submenu: {
                QMenu* sub = menu->addMenu(FromUtf8(item.text));
                m_router->WatchMenu(sub);
                for (const MenuItem& subItem : item.items) {
                    if (subItem.kind == MenuItemKind::Command)
                        sub->addAction(m_router->Action(subItem.id));
                    else if (subItem.kind == MenuItemKind::Separator)
                        sub->addSeparator();
                }
                added = sub->menuAction();
                break;
            }
            case MenuItemKind::CodePages: {
                // One entry per code page, named as in the file dialog; the ENC pane opens the
                // same menu.
                m_codePageMenu = menu->addMenu(FromUtf8(item.text));
                m_router->WatchMenu(m_codePageMenu);
                for (int page = 0; page < kCodePageCount; ++page) {
                    QAction* action = m_router->Action(ID_FILE_REOPEN_FIRST + page);
                    action->setText(FromUtf8(CodePageName(page)));
                    action->setCheckable(true);
                    m_codePageMenu->addAction(action);
                }
                added = m_codePageMenu->menuAction();
                break;
            }
            case MenuItemKind::Toolbars: {
                QMenu* bars = menu->addMenu(FromUtf8(item.text));
                m_router->WatchMenu(bars);
                AddToolbarToggles(bars);
                break;
            }
            case MenuItemKind::UserTools:
                for (int id = ID_TOOLS_FIRST; id <= ID_TOOLS_LAST; ++id) {
                    QAction* action = m_router->Action(id);
                    menu->addAction(action);
                    m_toolItems.push_back(action);
                }
                connect(menu, &QMenu::aboutToShow, this, [this] { UpdateToolItems(); });
                UpdateToolItems();
                break;
            case MenuItemKind::Windows:
                AddWindowItems(menu);
                break;
            }
            if (item.needsDocument && added)
                m_documentItems.push_back(added);
        }
    }
    m_router->Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
    if (auto* more = menuBar()->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("More menus")); // the arrow to menus that do not fit
    // The prompt of the last item highlighted goes with its menu.
    for (QAction* top : menuBar()->actions())
        if (QMenu* menu = top->menu())
            connect(menu, &QMenu::aboutToHide, this, [this] { RestoreMessage(); });
}

void CMainFrame::AddToolbarToggles(QMenu* menu)
{
    for (const int id : ToolbarToggles()) {
        if (!m_router->Catalogue().Find(id))
            continue;
        QAction* toggle = m_router->Action(id);
        toggle->setCheckable(true);
        menu->addAction(toggle);
    }
}

void CMainFrame::AddWindowItems(QMenu* menu)
{
    m_windowSeparator = menu->addSeparator();
    for (int id = ID_WINDOW_DOCUMENT_FIRST; id <= ID_WINDOW_DOCUMENT_LAST; ++id) {
        QAction* action = m_router->Action(id);
        action->setCheckable(true);
        menu->addAction(action);
        m_windowItems.push_back(action);
    }
    connect(menu, &QMenu::aboutToShow, this, [this] { UpdateWindowItems(); });
    UpdateWindowItems();
}

void CMainFrame::UpdateWindowItems()
{
    const QList<QMdiSubWindow*> windows = OpenWindows();
    m_windowSeparator->setVisible(!windows.isEmpty());
    for (size_t i = 0; i < m_windowItems.size(); ++i) {
        const bool shown = static_cast<qsizetype>(i) < windows.size();
        m_windowItems[i]->setVisible(shown);
        if (shown)
            m_windowItems[i]->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(windows[static_cast<qsizetype>(i)]->windowTitle()));
    }
}

void CMainFrame::UpdateToolItems()
{
    for (size_t i = 0; i < m_toolItems.size(); ++i) {
        const bool shown = i < m_tools.size();
        m_toolItems[i]->setVisible(shown);
        if (shown)
            m_toolItems[i]->setText(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(FromStd(m_tools[i].name)));
    }
}

void CMainFrame::RestoreMessage()
{
    if (m_promptShown) {
        m_promptShown = false;
        m_messagePane->setText(m_savedMessage);
    }
}

QToolBar* CMainFrame::AddBar(const QString& name, std::span<const int> buttons)
{
    QToolBar* bar = addToolBar(name);
    // The saved layout finds each bar by its object name.
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    m_router->FillToolBar(bar, buttons);
    return bar;
}

void CMainFrame::CreateToolBars()
{
    m_standardBar = AddBar(QStringLiteral("Standard"), StandardToolbar());
    m_insertBar = AddBar(QStringLiteral("Insert"), InsertToolbar());
    m_macrosBar = AddBar(QStringLiteral("Macros"), MacrosToolbar());
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
    UpdateToolItems();
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
        context.documentPath = QFile::encodeName(doc->PathName()).toStdString();
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
    if (!QProcess::startDetached(program, arguments, folder))
        m_host.ShowError(ResText(IDS_TOOL_NOT_STARTED).arg(FromStd(tool.name), program));
}

QList<QMdiSubWindow*> CMainFrame::OpenWindows() const
{
    QList<QMdiSubWindow*> windows;
    if (!m_mdi)
        return windows;
    // A closed window stays in the area, hidden, until it is deleted.
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (!sub->isHidden() || sub->isMinimized())
            windows.append(sub);
    return windows;
}

void CMainFrame::ShowWindowList()
{
    CKWindowListDialog dialog(*m_mdi, [](QMdiSubWindow* sub) {
        if (auto* frame = qobject_cast<CChildFrame*>(sub->widget()))
            frame->Document().DoFileSave();
    }, this);
    dialog.exec();
}

void CMainFrame::NoteActivated(QMdiSubWindow* sub)
{
    if (!sub || m_cycling)
        return;
    std::erase_if(m_recentWindows, [sub](const QPointer<QMdiSubWindow>& w) { return !w || w == sub; });
    m_recentWindows.insert(m_recentWindows.begin(), sub);
}

void CMainFrame::CycleWindows(int direction)
{
    if (!m_cycling) {
        std::erase_if(m_recentWindows, [](const QPointer<QMdiSubWindow>& w) { return !w || w->isHidden(); });
        // Windows the area knows but that were never active (none, normally) come last.
        for (QMdiSubWindow* sub : OpenWindows())
            if (std::find(m_recentWindows.begin(), m_recentWindows.end(), sub) == m_recentWindows.end())
                m_recentWindows.emplace_back(sub);
        if (m_recentWindows.size() < 2)
            return;
        m_cycle = m_recentWindows;
        m_cyclePos = 0;
        m_cycling = true;
        qApp->installEventFilter(this);
    }
    const size_t count = m_cycle.size();
    m_cyclePos = (m_cyclePos + count + static_cast<size_t>(direction > 0 ? 1 : count - 1)) % count;
    if (QMdiSubWindow* sub = m_cycle[m_cyclePos])
        m_mdi->setActiveSubWindow(sub);
}

void CMainFrame::EndWindowCycle()
{
    qApp->removeEventFilter(this);
    m_cycling = false;
    m_cycle.clear();
    NoteActivated(m_mdi->activeSubWindow());
}

void CMainFrame::SaveWindowState()
{
    SettingsStore& store = m_settings.Store();
    const QByteArray state = saveState();
    const QByteArray geometry = saveGeometry();
    store.WriteBinary(kSettingsKey, kWindowStateName, state.constData(), static_cast<size_t>(state.size()));
    store.WriteBinary(kSettingsKey, kWindowGeometryName, geometry.constData(), static_cast<size_t>(geometry.size()));
}

void CMainFrame::RestoreWindowState()
{
    const SettingsStore& store = m_settings.Store();
    const auto toBytes = [](const std::vector<uint8_t>& bytes) {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    };
    // A value that Qt does not take leaves the first layout as it is.
    if (const auto geometry = store.ReadBytes(kSettingsKey, kWindowGeometryName))
        restoreGeometry(toBytes(*geometry));
    if (const auto state = store.ReadBytes(kSettingsKey, kWindowStateName))
        restoreState(toBytes(*state));
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_cycling && event->type() == QEvent::KeyRelease
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control)
        EndWindowCycle();
    // A click on the ENC pane of a document offers to reopen it in another code page.
    const auto codePagePane = m_panes.find(ID_PANE_CODE_PAGE);
    if (codePagePane != m_panes.end() && watched == codePagePane->second
        && event->type() == QEvent::MouseButtonPress && codePagePane->second->isEnabled() && m_codePageMenu) {
        m_codePageMenu->popup(codePagePane->second->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::CreateStatusBar()
{
    m_messagePane = new QLabel(ResText(IDS_IDLE_MESSAGE), this);
    statusBar()->addWidget(m_messagePane, 1);
    for (const auto& [id, sizing] : kPanes) {
        auto* pane = new QLabel(this);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(sizing)) + 8);
        SetStatusPaneText(*pane, id, QString());
        statusBar()->addPermanentWidget(pane);
        m_panes[id] = pane;
    }
    m_panes[ID_PANE_CODE_PAGE]->installEventFilter(this);
    m_panes[ID_PANE_CODE_PAGE]->setCursor(Qt::PointingHandCursor);
    auto* clock = new QLabel(this);
    clock->setAlignment(Qt::AlignCenter);
    clock->setMinimumWidth(clock->fontMetrics().horizontalAdvance(QTime::currentTime().toString(QStringLiteral("HH:mm"))) + 8);
    statusBar()->addPermanentWidget(clock);
    m_panes[ID_PANE_CLOCK] = clock;
}

void CMainFrame::StartClock()
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("clock"));
    connect(timer, &QTimer::timeout, this, [this] { UpdateClock(); });
    timer->start(kClockIntervalMs);
    UpdateClock();
}

void CMainFrame::UpdateClock()
{
    m_panes[ID_PANE_CLOCK]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm")));
}

void CMainFrame::UpdatePanes()
{
    CKDocView* view = ActiveView();
    for (const auto& [id, sizing] : kPanes) {
        QString text;
        const bool enabled = view && view->PaneText(id, text);
        SetStatusPaneText(*m_panes[id], id, enabled ? text : QString());
        m_panes[id]->setEnabled(enabled);
    }
    // A view's prompt (an incremental search) holds the message pane while it lasts.
    QString prompt;
    if (view && view->PaneText(ID_PANE_MESSAGE, prompt)) {
        m_messagePane->setText(prompt);
        m_viewPromptShown = true;
    } else if (m_viewPromptShown) {
        m_messagePane->setText(ResText(IDS_IDLE_MESSAGE));
        m_viewPromptShown = false;
    }
}

QString CMainFrame::PaneText(int paneId) const
{
    if (paneId == ID_PANE_MESSAGE)
        return m_messagePane->text();
    const auto it = m_panes.find(paneId);
    return it == m_panes.end() ? QString() : it->second->text();
}

void CMainFrame::UpdateMenusForDocuments()
{
    const bool haveDocument = !m_documents.Documents().empty();
    if (haveDocument == m_documentItemsShown)
        return;
    m_documentItemsShown = haveDocument;
    for (QMenu* menu : m_documentMenus)
        menu->menuAction()->setVisible(haveDocument);
    std::vector<QAction*> items = m_documentItems;
    for (int id : {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_ALL})
        items.push_back(m_router->Action(id));
    for (QAction* item : items) {
        item->setVisible(haveDocument);
        // Hiding an action leaves its shortcut switched off after it shows again; setting
        // the shortcut anew registers it in the action's present state.
        if (haveDocument && !item->shortcut().isEmpty())
            item->setShortcut(item->shortcut());
    }
}

void CMainFrame::UpdateRecentFileItems()
{
    const std::vector<std::string>& paths = m_documents.Recent().Paths();
    for (size_t i = 0; i < m_recentItems.size(); ++i) {
        QAction* action = m_recentItems[i];
        action->setVisible(i < paths.size());
        if (i < paths.size())
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(QFile::decodeName(paths[i].c_str()))));
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
    setWindowTitle(doc ? QStringLiteral("Tagwright - [%1]").arg(ActiveChildFrame()->parentWidget()->windowTitle())
                       : QStringLiteral("Tagwright"));
}

CChildFrame* CMainFrame::CreateChildFrame(CTagwrightDoc& doc)
{
    auto* frame = new CChildFrame(doc, m_viewFactory, *m_router);
    QMdiSubWindow* sub = m_mdi->addSubWindow(frame);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(&doc, &CTagwrightDoc::titleChanged, frame, [this] { UpdateTitles(); });
    connect(frame, &CChildFrame::viewClosed, this,
            [this](CTagwrightDoc* closed) { m_documents.OnViewClosed(closed); });
    connect(frame, &QObject::destroyed, this, [this] { QTimer::singleShot(0, this, [this] { UpdateTitles(); }); });
    sub->showMaximized();
    frame->setFocus();
    UpdateTitles();
    UpdateMenusForDocuments();
    m_router->UpdateAll();
    return frame;
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

std::span<const CommandRow<CMainFrame>> CMainFrame::CommandRows()
{
    using Row = CommandRow<CMainFrame>;
    const auto needsDocument = [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.ActiveDocument() != nullptr); };
    static const Row rows[] = {
        {{ID_VIEW_TOOLBAR, "Standard Toolbar", {}, "Show or hide the Standard toolbar", "Toggle Standard toolbar"},
         [](CMainFrame& f, int) { ToggleBar(f.m_standardBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_standardBar->isVisible()); }},
        {{ID_VIEW_WORKSPACE, "&Workspace", {}, "Show or hide the workspace", "Toggle Workspace"},
         [](CMainFrame& f, int) { f.m_workspace->setVisible(!f.m_workspace->isVisibleTo(&f)); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_workspace->isVisibleTo(&f)); }},
        {{ID_VIEW_INSERT_BAR, "Insert", {}, "Show or hide the Insert toolbar", "Toggle Insert toolbar"},
         [](CMainFrame& f, int) { ToggleBar(f.m_insertBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_insertBar->isVisible()); }},
        {{ID_VIEW_MACROS_BAR, "Macros", {}, "Show or hide the Macros toolbar", "Toggle Macros toolbar"},
         [](CMainFrame& f, int) { ToggleBar(f.m_macrosBar); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_macrosBar->isVisible()); }},
        {{ID_VIEW_STATUS_BAR, "&Status Bar", {}, "Show or hide the status bar", "Toggle StatusBar"},
         [](CMainFrame& f, int) { ToggleBar(f.statusBar()); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.statusBar()->isVisible()); }},
        {{ID_FILE_PRINT_SETUP, "P&rint Setup...", {}, "Change the printer and printing options", "Print Setup"},
         [](CMainFrame& f, int) { RunPrintSetup(&f); }},
        {{ID_TOOLS_FIRST, {}, {}, "Start this tool"},
         [](CMainFrame& f, int index) { f.RunUserTool(static_cast<size_t>(index)); },
         [](CMainFrame& f, CmdUI& ui) { ui.Enable(static_cast<size_t>(ui.id - ID_TOOLS_FIRST) < f.m_tools.size()); },
         0, ID_TOOLS_LAST - ID_TOOLS_FIRST + 1},
        {{ID_TOOLS_CUSTOMIZE, "&Customize Tools...", {}, "Add, change or remove the tools of this menu",
          "Customize Tools"},
         [](CMainFrame& f, int) { f.CustomizeTools(); }},
        {{ID_WINDOW_LIST, "&Windows...", {}, "List the open windows and act on them", "Windows"},
         [](CMainFrame& f, int) { f.ShowWindowList(); }, needsDocument},
        {{ID_WINDOW_NEXT, "Next Window", "Ctrl+Tab; Ctrl+F6", "Go to the window used before this one", "Next Window"},
         [](CMainFrame& f, int) { f.CycleWindows(1); }, needsDocument},
        {{ID_WINDOW_PREVIOUS, "Previous Window", "Ctrl+Shift+Tab; Ctrl+Shift+Backtab; Ctrl+Shift+F6",
          "Go back through the windows in the order of their use", "Previous Window"},
         [](CMainFrame& f, int) { f.CycleWindows(-1); }, needsDocument},
        {{ID_WINDOW_DOCUMENT_FIRST, {}, {}, "Activate this window"},
         [](CMainFrame& f, int index) {
             const QList<QMdiSubWindow*> windows = f.OpenWindows();
             if (index < windows.size())
                 f.m_mdi->setActiveSubWindow(windows[index]);
         },
         [](CMainFrame& f, CmdUI& ui) {
             const QList<QMdiSubWindow*> windows = f.OpenWindows();
             const qsizetype index = ui.id - ID_WINDOW_DOCUMENT_FIRST;
             ui.Enable(index < windows.size());
             ui.SetCheck(index < windows.size() && windows[index] == f.m_mdi->activeSubWindow());
         },
         0, ID_WINDOW_DOCUMENT_LAST - ID_WINDOW_DOCUMENT_FIRST + 1},
        {{ID_WINDOW_NEW, "&New Window", {}, "Open another window for the active document", "New Window"},
         [](CMainFrame& f, int) {
             if (CTagwrightDoc* doc = f.ActiveDocument())
                 f.CreateChildFrame(*doc);
         },
         needsDocument},
        {{ID_WINDOW_CASCADE, "&Cascade", {}, "Arrange windows so they overlap", "Cascade Windows"},
         [](CMainFrame& f, int) { CascadeWindows(*f.m_mdi, f.OpenWindows()); }, needsDocument},
        {{ID_WINDOW_TILE, "&Tile", {}, "Arrange windows as non-overlapping tiles", "Tile Windows"},
         [](CMainFrame& f, int) { f.m_mdi->tileSubWindows(); }, needsDocument},
        {{ID_WINDOW_ARRANGE, "&Arrange Icons", {}, "Arrange icons at the bottom of the window", "Arrange Icons"},
         [](CMainFrame& f, int) { f.ArrangeIcons(); },
         [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.HasMinimizedWindows()); }},
        {{ID_WINDOW_SPLIT, "S&plit", {}, "Split the active window into panes", "Split"},
         [](CMainFrame& f, int) {
             if (CChildFrame* frame = f.ActiveChildFrame())
                 frame->ToggleSplit();
         },
         needsDocument},
    };
    return rows;
}

bool CMainFrame::OnCommand(int id) { return RunCommandRow<CMainFrame>(*this, CommandRows(), id); }

bool CMainFrame::OnUpdateCommand(CmdUI& ui)
{
    return UpdateCommandRow<CMainFrame>(*this, CommandRows(), ui);
}

bool CMainFrame::HasMinimizedWindows() const
{
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    return std::any_of(subs.begin(), subs.end(), [](QMdiSubWindow* sub) { return sub->isMinimized(); });
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

bool CMainFrame::event(QEvent* event)
{
    // A menu prompt replaces the message pane's text until the menu closes.
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (!tip.isEmpty()) {
            if (!m_promptShown)
                m_savedMessage = m_messagePane->text();
            m_promptShown = true;
            m_messagePane->setText(tip);
        } else if (m_promptShown) {
            m_promptShown = false;
            m_messagePane->setText(m_savedMessage);
        }
        return true;
    }
    return QMainWindow::event(event);
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
