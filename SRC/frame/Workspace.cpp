// The Workspace bar and its two tabs.
#include "frame/Workspace.h"

#include "frame/ExplorerPane.h"
#include "frame/ProjectTree.h"

#include <QApplication>
#include <QIcon>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTreeView>

namespace {

// The desktop's icon where its theme has one, the program's own otherwise.
QIcon TabIcon(const QString& themeName, const QString& fallback)
{
    return QIcon::fromTheme(themeName, QIcon(QStringLiteral(":/workspace/") + fallback));
}

// The tabs ask for the bar's first size; the main window sizes a docked bar by its content.
class WorkspaceTabs : public QTabWidget {
public:
    using QTabWidget::QTabWidget;
    QSize sizeHint() const override { return {200, 200}; }
};

} // namespace

CKWorkspaceBar::CKWorkspaceBar(CKDocHost& host, QWidget* parent)
    : QDockWidget(QStringLiteral("Workspace"), parent), m_tabs(new WorkspaceTabs(this)),
      m_explorer(new CKExplorerPane(host, m_tabs)), m_project(new CKProjectTree(m_tabs))
{
    Q_INIT_RESOURCE(workspace);
    setObjectName(QStringLiteral("Workspace"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
                | QDockWidget::DockWidgetFloatable);
    m_tabs->setObjectName(QStringLiteral("workspaceTabs"));
    m_tabs->addTab(m_explorer,
                   TabIcon(QStringLiteral("system-file-manager"), QStringLiteral("explorer")),
                   QStringLiteral("Explorer"));
    m_tabs->addTab(m_project, TabIcon(QStringLiteral("folder"), QStringLiteral("project")),
                   QStringLiteral("Project"));
    setWidget(m_tabs);
    connect(m_explorer, &CKExplorerPane::openRequested, this, &CKWorkspaceBar::openRequested);
    connect(m_project, &CKProjectTree::openRequested, this, &CKWorkspaceBar::openRequested);
    connect(m_explorer->Tree()->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CKWorkspaceBar::currentChanged);
    connect(m_project, &QTreeWidget::currentItemChanged, this, &CKWorkspaceBar::currentChanged);
}

CKCommandTarget* CKWorkspaceBar::FocusedPane() const
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return nullptr;
    if (m_explorer->isAncestorOf(focus))
        return m_explorer;
    if (focus == m_project)
        return m_project;
    return nullptr;
}
