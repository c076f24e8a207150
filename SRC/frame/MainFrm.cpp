// The main window, its bars and panes, and the window commands.
#include "frame/MainFrm.h"

#include "doc/DocHost.h"
#include "doc/DocManager.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "frame/ChildFrm.h"
#include "frame/CommandRouter.h"
#include "frame/Workspace.h"
#include "res/CommandIds.h"
#include "res/Commands.h"
#include "res/Strings.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTime>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

namespace {

constexpr int kClockIntervalMs = 1000;

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
    : m_documents(documents), m_host(host), m_settings(settings), m_viewFactory(std::move(viewFactory)),
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
    CreateMenus();
    TW_TRACE(m_settings, "Menus created");
    CreateToolBar();
    TW_TRACE(m_settings, "Toolbar created");
    m_workspace = new CKWorkspaceBar(m_host, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_workspace);
    connect(m_workspace, &CKWorkspaceBar::openRequested, this, &CMainFrame::OpenFileRequest);
    m_router->Action(ID_VIEW_WORKSPACE)->setCheckable(true);
    TW_TRACE(m_settings, "Workspace created");
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("workspace"));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        UpdateTitles();
        UpdateMenusForDocuments();
        m_router->UpdateAll();
    });
    CreateStatusBar();
    TW_TRACE(m_settings, "Status bar created");
    StartClock();
    connect(m_router, &CKCommandRouter::idle, this, [this] {
        UpdateMenusForDocuments();
        UpdatePanes();
    });
    UpdateMenusForDocuments();
    m_router->UpdateAll();
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
        QMenu* menu = menuBar()->addMenu(FromView(info.title));
        m_router->WatchMenu(menu);
        if (info.needsDocument)
            m_documentMenus.push_back(menu);
        for (const MenuItem& item : info.items) {
            QAction* added = nullptr;
            switch (item.kind) {
            case MenuItemKind::Command:
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
                QMenu* types = menu->addMenu(FromView(item.text));
                m_router->WatchMenu(types);
                for (int type = 0; type < kSourceTypeCount; ++type) {
                    QAction* action = m_router->Action(ID_SOURCE_TYPE_FIRST + type);
                    action->setText(FromView(SourceTypeName(type)));
                    action->setCheckable(true);
                    types->addAction(action);
                }
                added = types->menuAction();
                break;
            }
            case MenuItemKind::Submenu: {
                QMenu* sub = menu->addMenu(FromView(item.text));
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
                m_codePageMenu = menu->addMenu(FromView(item.text));
                m_router->WatchMenu(m_codePageMenu);
                for (int page = 0; page < kCodePageCount; ++page) {
                    QAction* action = m_router->Action(ID_FILE_REOPEN_FIRST + page);
                    action->setText(FromView(CodePageName(page)));
                    action->setCheckable(true);
                    m_codePageMenu->addAction(action);
                }
                added = m_codePageMenu->menuAction();
                break;
            }
            case MenuItemKind::Toolbars: {
                QMenu* bars = menu->addMenu(FromView(item.text));
                QAction* toggle = m_router->Action(ID_VIEW_TOOLBAR);
                toggle->setCheckable(true);
                bars->addAction(toggle);
                bars->addAction(m_router->Action(ID_VIEW_WORKSPACE));
                break;
            }
            }
            if (item.needsDocument && added)
                m_documentItems.push_back(added);
        }
    }
    m_router->Action(ID_VIEW_STATUS_BAR)->setCheckable(true);
}

void CMainFrame::CreateToolBar()
{
    m_standardBar = addToolBar(QStringLiteral("Standard"));
    m_standardBar->setObjectName(QStringLiteral("Standard"));
    m_standardBar->setIconSize(QSize(16, 16));
    for (const int id : StandardToolbar()) {
        if (id == 0)
            m_standardBar->addSeparator();
        else
            m_standardBar->addAction(m_router->Action(id));
    }
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
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
    m_messagePane = new QLabel(FromView(ResString(IDS_IDLE_MESSAGE)), this);
    statusBar()->addWidget(m_messagePane, 1);
    for (const auto& [id, sizing] : kPanes) {
        auto* pane = new QLabel(this);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QString::fromLatin1(sizing)) + 8);
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
        m_panes[id]->setText(enabled ? text : QString());
        m_panes[id]->setEnabled(enabled);
    }
    // A view's prompt (an incremental search) holds the message pane while it lasts.
    QString prompt;
    if (view && view->PaneText(ID_PANE_MESSAGE, prompt)) {
        m_messagePane->setText(prompt);
        m_viewPromptShown = true;
    } else if (m_viewPromptShown) {
        m_messagePane->setText(FromView(ResString(IDS_IDLE_MESSAGE)));
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
        m_host.ShowError(FromView(ResString(IDS_OPEN_MISSING)).arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return m_documents.OpenDocumentFile(path) != nullptr;
}

std::span<const CommandRow<CMainFrame>> CMainFrame::CommandRows()
{
    using Row = CommandRow<CMainFrame>;
    const auto needsDocument = [](CMainFrame& f, CmdUI& ui) { ui.Enable(f.ActiveDocument() != nullptr); };
    static const Row rows[] = {
        {{ID_VIEW_TOOLBAR, "Standard Toolbar", {}, "Show or hide the toolbar", "Toggle ToolBar"},
         [](CMainFrame& f, int) { f.m_standardBar->setVisible(!f.m_standardBar->isVisible()); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_standardBar->isVisible()); }},
        {{ID_VIEW_WORKSPACE, "&Workspace", {}, "Show or hide the workspace", "Toggle Workspace"},
         [](CMainFrame& f, int) { f.m_workspace->setVisible(!f.m_workspace->isVisibleTo(&f)); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.m_workspace->isVisibleTo(&f)); }},
        {{ID_VIEW_STATUS_BAR, "&Status Bar", {}, "Show or hide the status bar", "Toggle StatusBar"},
         [](CMainFrame& f, int) { f.statusBar()->setVisible(!f.statusBar()->isVisible()); },
         [](CMainFrame& f, CmdUI& ui) { ui.SetCheck(f.statusBar()->isVisible()); }},
        {{ID_WINDOW_NEW, "&New Window", {}, "Open another window for the active document", "New Window"},
         [](CMainFrame& f, int) {
             if (CTagwrightDoc* doc = f.ActiveDocument())
                 f.CreateChildFrame(*doc);
         },
         needsDocument},
        {{ID_WINDOW_CASCADE, "&Cascade", {}, "Arrange windows so they overlap", "Cascade Windows"},
         [](CMainFrame& f, int) { f.m_mdi->cascadeSubWindows(); }, needsDocument},
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
    event->accept();
}
