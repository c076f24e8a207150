// The Project tab: a tree of folders and files the user gathers while the program runs, with
// its right-button menu and the request to open a file.
#pragma once

#include "frame/core/ProjectRecords.h"
#include "res/CommandTarget.h"

#include <QTreeWidget>

#include <functional>

class QMenu;

class CKProjectTree : public QTreeWidget, public CKCommandTarget {
    Q_OBJECT
public:
    // The dialogs the commands ask through; tests put scripted answers in their place.
    struct Dialogs {
        // The "Enter new name:" dialog, prefilled with name; false when the user cancels.
        std::function<bool(QWidget* parent, QString& name)> askFolderName;
        // The files chosen to add; none when the user cancels.
        std::function<QStringList(QWidget* parent)> chooseFiles;
    };

    explicit CKProjectTree(QWidget* parent = nullptr);

    void SetDialogs(Dialogs dialogs) { m_dialogs = std::move(dialogs); }
    const ProjectRecords& Records() const { return m_records; }
    QTreeWidgetItem* Root() const { return topLevelItem(0); }
    // The index of the item's record.
    static int RecordIndex(const QTreeWidgetItem* item);

    // The commands, on the current item.
    // Asks for a name and adds a folder; only under the root or a folder.
    void NewFolder();
    // Asks for files and adds them under the current item, whatever its kind.
    void AddFiles();
    // Sends the open request when the current item is a file.
    void OpenFile();

    // The right-button menu of item; the caller owns it.
    QMenu* CreateContextMenu(QTreeWidgetItem* item, QWidget* parent);

    // The path of the current item when it is a file, else empty.
    QString CurrentFilePath() const;
    // The paths of all the files in the tree, in the order they were added.
    QStringList FilePaths() const;

    // The editing commands of a workspace pane (PaneCommands.h).
    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;

signals:
    void openRequested(const QString& path);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTreeWidgetItem* AddItem(QTreeWidgetItem* parent, const QString& name, const QString& path,
                             int kind);
    void PopupMenu(QTreeWidgetItem* item, const QPoint& globalPos);
    void PopupMenuAtCurrent();

    ProjectRecords m_records;
    Dialogs m_dialogs;
};
