// The Workspace bar: a dockable, resizable bar with the Explorer and Project tabs. It hands
// on their requests to open a file and tells which of them holds the keyboard focus.
#pragma once

#include <QDockWidget>

class CKCommandTarget;
class CKDocHost;
class CKExplorerPane;
class CKProjectTree;
class QTabWidget;

class CKWorkspaceBar : public QDockWidget {
    Q_OBJECT
public:
    CKWorkspaceBar(CKDocHost& host, QWidget* parent);

    QTabWidget* Tabs() const { return m_tabs; }
    CKExplorerPane* Explorer() const { return m_explorer; }
    CKProjectTree* Project() const { return m_project; }
    // The pane the keyboard focus is in, which commands reach first; null when the focus is
    // outside the bar.
    CKCommandTarget* FocusedPane() const;

signals:
    void openRequested(const QString& path);
    // A pane's current item changed, and with it what Copy takes.
    void currentChanged();

private:
    QTabWidget* m_tabs;
    CKExplorerPane* m_explorer;
    CKProjectTree* m_project;
};
