// The explorer pane: a file-system tree with filters, opening files in the editor.
#include "frame/ExplorerPane.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "frame/FileTypeIcons.h"
#include "frame/PaneCommands.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "text/FileFilter.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>

CKExplorerPane::CKExplorerPane(CKDocHost& host, QWidget* parent)
    : QWidget(parent), m_host(host), m_filters(new QComboBox(this)), m_tree(new QTreeView(this)),
      m_icons(std::make_unique<CKFileTypeIcons>())
{
    setObjectName(QStringLiteral("explorer"));
    // One entry per name and pattern list of the open dialog's filter; an entry's tip shows
    // its patterns with "," between them.
    for (const FileFilterEntry& entry : ParseFileFilter(ResString(IDS_FILE_FILTER))) {
        QStringList patterns;
        for (const std::string& pattern : entry.patterns)
            patterns << QString::fromStdString(pattern);
        m_filters->addItem(QString::fromStdString(entry.name), patterns);
        const QString shown =
            QString::fromStdString(entry.patternText).replace(QLatin1Char(';'), QLatin1Char(','));
        m_filters->setItemData(m_filters->count() - 1, shown, Qt::ToolTipRole);
    }
    m_filters->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_filters->setMinimumContentsLength(4);
    m_filters->setAccessibleName(QStringLiteral("File filter"));
    auto* refresh = new QPushButton(QStringLiteral("Refresh"), this);
    refresh->setObjectName(QStringLiteral("refresh"));
    connect(refresh, &QPushButton::clicked, this, &CKExplorerPane::Refresh);
    connect(m_filters, &QComboBox::currentIndexChanged, this, &CKExplorerPane::ApplyFilter);

    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setAccessibleName(QStringLiteral("Files"));
    m_tree->installEventFilter(this);
    m_tree->viewport()->installEventFilter(this);
    AttachModel(new QFileSystemModel(this));
    // Enter and a double click.
    connect(m_tree, &QTreeView::activated, this, &CKExplorerPane::OpenIfFile);

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_filters, 1);
    bar->addWidget(refresh);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(bar);
    layout->addWidget(m_tree, 1);

    ApplyFilter();
    ShowPath(QDir::homePath());
    m_tree->expand(m_model->index(QDir::homePath()));
}

CKExplorerPane::~CKExplorerPane()
{
    delete m_tree;
    delete m_model;
}

void CKExplorerPane::AttachModel(QFileSystemModel* model)
{
    model->setIconProvider(m_icons.get());
    // Folders are never filtered out, and files that do not match are hidden, not greyed.
    model->setFilter(QDir::AllDirs | QDir::Files | QDir::Drives | QDir::NoDotAndDotDot);
    model->setNameFilterDisables(false);
    model->setRootPath(QDir::rootPath());
    QItemSelectionModel* oldSelection = m_tree->selectionModel();
    m_tree->setModel(model);
    delete oldSelection;
    for (int column = 1; column < model->columnCount(); ++column)
        m_tree->hideColumn(column);
    // The rows of a folder arrive, and are sorted, some time after the folder was asked for,
    // and move the item ShowPath showed.
    connect(model, &QFileSystemModel::directoryLoaded, this, &CKExplorerPane::KeepPathInView);
    connect(model, &QFileSystemModel::layoutChanged, this, &CKExplorerPane::KeepPathInView);
    delete m_model;
    m_model = model;
}

void CKExplorerPane::ApplyFilter()
{
    m_model->setNameFilters(m_filters->currentData().toStringList());
    m_filters->setToolTip(m_filters->currentData(Qt::ToolTipRole).toString());
}

void CKExplorerPane::Refresh()
{
    // A model rereads a folder only when its watcher reports a change, and watchers miss
    // some (network folders, a full watch table); a new model reads every folder afresh.
    const QString current = CurrentPath();
    AttachModel(new QFileSystemModel(this));
    ApplyFilter();
    ShowPath(current.isEmpty() ? QDir::homePath() : current);
}

void CKExplorerPane::ShowPath(const QString& path)
{
    const QModelIndex index = m_model->index(path);
    if (!index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        m_tree->expand(up);
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtTop);
    m_pathToShow = m_model->filePath(index);
    m_showClock.start();
}

void CKExplorerPane::KeepPathInView()
{
    // Only while the folders settle, and only until the user moves in the tree.
    constexpr int kSettleMs = 3000;
    if (m_pathToShow.isEmpty() || m_showClock.elapsed() > kSettleMs) {
        m_pathToShow.clear();
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (!m_pathToShow.isEmpty())
            m_tree->scrollTo(m_model->index(m_pathToShow), QAbstractItemView::PositionAtTop);
    });
}

QString CKExplorerPane::CurrentPath() const
{
    const QModelIndex index = m_tree->currentIndex();
    return index.isValid() ? m_model->filePath(index) : QString();
}

void CKExplorerPane::OpenIfFile(const QModelIndex& index)
{
    if (index.isValid() && !m_model->isDir(index))
        emit openRequested(m_model->filePath(index));
}

void CKExplorerPane::OpenExternally(const QString& path)
{
    // The host answers later; the pane may be gone by then.
    QPointer<CKExplorerPane> self(this);
    m_host.OpenWithDefaultProgram(path, [self, path] {
        if (self)
            self->m_host.ShowError(ResText(IDS_NOT_SHOWN).arg(QDir::toNativeSeparators(path)));
    });
}

QMenu* CKExplorerPane::CreateContextMenu(const QModelIndex& index, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    if (!index.isValid())
        return menu;
    const QString path = m_model->filePath(index);
    if (!m_model->isDir(index)) {
        menu->addAction(QStringLiteral("&Open in Tagwright"), this,
                        [this, path] { emit openRequested(path); });
        menu->addSeparator();
        menu->addAction(QStringLiteral("Open with &Default Program"), this,
                        [this, path] { OpenExternally(path); });
    } else {
        menu->addAction(QStringLiteral("Open &Folder"), this,
                        [this, path] { OpenExternally(path); });
    }
    menu->addAction(QStringLiteral("Open &Containing Folder"), this,
                    [this, path] { OpenExternally(QFileInfo(path).absolutePath()); });
    menu->addAction(QStringLiteral("Copy &Path"), this,
                    [path] { RunPaneCommand(ID_EDIT_COPY, QDir::toNativeSeparators(path)); });
    return menu;
}

void CKExplorerPane::PopupMenu(const QModelIndex& index, const QPoint& globalPos)
{
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    const std::unique_ptr<QMenu> menu(CreateContextMenu(index, this));
    menu->exec(globalPos);
}

void CKExplorerPane::PopupMenuAtCurrent()
{
    const QRect rect = m_tree->visualRect(m_tree->currentIndex());
    PopupMenu(m_tree->currentIndex(),
              m_tree->viewport()->mapToGlobal(QPoint(rect.left() + 16, rect.bottom())));
}

bool CKExplorerPane::eventFilter(QObject* watched, QEvent* event)
{
    // The menu of the item under the mouse, or of the current item from the keyboard (the
    // menu key or Shift+F10).
    if (event->type() == QEvent::ContextMenu) {
        auto* menuEvent = static_cast<QContextMenuEvent*>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard)
            PopupMenuAtCurrent();
        else if (watched == m_tree->viewport())
            PopupMenu(m_tree->indexAt(menuEvent->pos()), menuEvent->globalPos());
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::Wheel
        || event->type() == QEvent::KeyPress)
        m_pathToShow.clear();
    if (event->type() == QEvent::KeyPress && watched == m_tree) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            PopupMenuAtCurrent();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool CKExplorerPane::OnCommand(int id)
{
    return RunPaneCommand(id, QDir::toNativeSeparators(CurrentPath()));
}

bool CKExplorerPane::OnUpdateCommand(CmdUI& ui)
{
    return UpdatePaneCommand(ui, m_tree->currentIndex().isValid());
}
