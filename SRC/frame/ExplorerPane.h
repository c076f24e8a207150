// The Explorer tab: the file system as a tree, a list of file filters from the open dialog's
// filter text with "Refresh", and a right-button menu that opens files in this editor.
#pragma once

#include "res/CommandTarget.h"

#include <QElapsedTimer>
#include <QWidget>

#include <memory>

class CKDocHost;
class CKFileTypeIcons;
class QComboBox;
class QFileSystemModel;
class QMenu;
class QModelIndex;
class QTreeView;

class CKExplorerPane : public QWidget, public CKCommandTarget {
    Q_OBJECT
public:
    // The host carries out the file actions that belong to other programs and reports their
    // failures.
    explicit CKExplorerPane(CKDocHost& host, QWidget* parent = nullptr);
    ~CKExplorerPane() override;

    QComboBox* FilterList() const { return m_filters; }
    QTreeView* Tree() const { return m_tree; }
    QFileSystemModel* Model() const { return m_model; }

    // Expands the tree down to path and makes it the current item.
    void ShowPath(const QString& path);
    // The full path of the current item, empty for none.
    QString CurrentPath() const;
    // Reads the folders afresh and applies the chosen filter again.
    void Refresh();
    // The right-button menu of the item at index; the caller owns it.
    QMenu* CreateContextMenu(const QModelIndex& index, QWidget* parent);

    // The editing commands of a workspace pane (PaneCommands.h).
    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;

signals:
    void openRequested(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows model in the tree in place of the one before.
    void AttachModel(QFileSystemModel* model);
    void ApplyFilter();
    void KeepPathInView();
    void OpenIfFile(const QModelIndex& index);
    void OpenExternally(const QString& path);
    void PopupMenu(const QModelIndex& index, const QPoint& globalPos);
    void PopupMenuAtCurrent();

    CKDocHost& m_host;
    QComboBox* m_filters;
    QTreeView* m_tree;
    // Shared by the models, which ask it from their reading thread too: it outlives them.
    std::unique_ptr<CKFileTypeIcons> m_icons;
    QFileSystemModel* m_model = nullptr;
    // The item ShowPath showed, kept in view while the folders above it are read.
    QString m_pathToShow;
    QElapsedTimer m_showClock;
};
