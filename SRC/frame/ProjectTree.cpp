// The project tree, its commands and its right-button menu.
#include "frame/ProjectTree.h"

#include "frame/PaneCommands.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QStyle>

#include <memory>

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool AskFolderName(QWidget* parent, QString& name)
{
    bool ok = false;
    name = QInputDialog::getText(parent, QStringLiteral("Enter new name:"),
                                 QStringLiteral("New Folder Name:"), QLineEdit::Normal, name, &ok);
    return ok;
}

QStringList ChooseFiles(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Add File(s) to Folder"), QDir::homePath());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QStringLiteral("All Files (*)"));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.resize(760, 480);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

} // namespace

CKProjectTree::CKProjectTree(QWidget* parent)
    : QTreeWidget(parent), m_dialogs{AskFolderName, ChooseFiles}
{
    setObjectName(QStringLiteral("projectTree"));
    setAccessibleName(QStringLiteral("Project"));
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    const ProjectRecord& root = m_records.At(0);
    auto* item = new QTreeWidgetItem(this, QStringList{FromUtf8(root.name)});
    item->setData(0, Qt::UserRole, 0);
    item->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    setCurrentItem(item);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* activated) {
        setCurrentItem(activated);
        OpenFile();
    });
}

int CKProjectTree::RecordIndex(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

QTreeWidgetItem* CKProjectTree::AddItem(QTreeWidgetItem* parent, const QString& name,
                                        const QString& path, int kind)
{
    const int index = m_records.Add(name.toStdString(), path.toStdString(), kind);
    auto* item = new QTreeWidgetItem(parent, QStringList{FromUtf8(m_records.At(index).name)});
    item->setData(0, Qt::UserRole, index);
    item->setIcon(
        0, style()->standardIcon(kind == PROJECT_FILE ? QStyle::SP_FileIcon : QStyle::SP_DirIcon));
    if (kind == PROJECT_FILE)
        item->setToolTip(0, path);
    parent->setExpanded(true);
    return item;
}

void CKProjectTree::NewFolder()
{
    QTreeWidgetItem* parent = currentItem();
    if (!parent || !m_records.HoldsFolders(RecordIndex(parent)))
        return;
    QString name = QStringLiteral("New Folder");
    if (!m_dialogs.askFolderName(this, name) || name.isEmpty())
        return;
    setCurrentItem(AddItem(parent, name, QString(), PROJECT_FOLDER));
}

void CKProjectTree::AddFiles()
{
    QTreeWidgetItem* parent = currentItem();
    if (!parent)
        return;
    // The current item stays, so that more files can go into the same folder.
    for (const QString& path : m_dialogs.chooseFiles(this))
        AddItem(parent, QFileInfo(path).fileName(), QFileInfo(path).absoluteFilePath(),
                PROJECT_FILE);
}

void CKProjectTree::OpenFile()
{
    const QString path = CurrentFilePath();
    if (!path.isEmpty())
        emit openRequested(path);
}

QMenu* CKProjectTree::CreateContextMenu(QTreeWidgetItem* item, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    if (m_records.IsFile(RecordIndex(item))) {
        menu->addAction(QStringLiteral("Open File"), this, &CKProjectTree::OpenFile);
        menu->addAction(QStringLiteral("Delete File From Project"))->setEnabled(false);
    } else {
        menu->addAction(QStringLiteral("New Folder"), this, &CKProjectTree::NewFolder);
        menu->addAction(QStringLiteral("Delete Folder"))->setEnabled(false);
        menu->addAction(QStringLiteral("Add File(s) to Folder"), this, &CKProjectTree::AddFiles);
    }
    return menu;
}

void CKProjectTree::PopupMenu(QTreeWidgetItem* item, const QPoint& globalPos)
{
    if (!item)
        return;
    setCurrentItem(item);
    const std::unique_ptr<QMenu> menu(CreateContextMenu(item, this));
    menu->exec(globalPos);
}

void CKProjectTree::PopupMenuAtCurrent()
{
    QTreeWidgetItem* item = currentItem();
    if (!item)
        return;
    const QRect rect = visualItemRect(item);
    PopupMenu(item, viewport()->mapToGlobal(QPoint(rect.left() + 16, rect.bottom())));
}

void CKProjectTree::contextMenuEvent(QContextMenuEvent* event)
{
    // From the keyboard the menu belongs to the current item, from the mouse to the item
    // under it.
    if (event->reason() == QContextMenuEvent::Keyboard)
        PopupMenuAtCurrent();
    else
        PopupMenu(itemAt(event->pos()), event->globalPos());
}

void CKProjectTree::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        PopupMenuAtCurrent();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

QString CKProjectTree::CurrentFilePath() const
{
    const int index = RecordIndex(currentItem());
    return m_records.IsFile(index) ? FromUtf8(m_records.At(index).path) : QString();
}

QStringList CKProjectTree::FilePaths() const
{
    QStringList paths;
    for (int i = 0; i < m_records.Count(); ++i)
        if (m_records.IsFile(i))
            paths.append(FromUtf8(m_records.At(i).path));
    return paths;
}

bool CKProjectTree::OnCommand(int id) { return RunPaneCommand(id, CurrentFilePath()); }

bool CKProjectTree::OnUpdateCommand(CmdUI& ui)
{
    return UpdatePaneCommand(ui, !CurrentFilePath().isEmpty());
}
