// Command routing: one action per command id, sent along the chain of targets (active view,
// its document, the frame, the application), with update handlers run before a menu shows
// and on an idle timer.
#pragma once

#include "frame/CommandTarget.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QTimer;

class CKCommandRouter : public QObject {
    Q_OBJECT
public:
    using Chain = std::function<std::vector<CKCommandTarget*>()>;

    CKCommandRouter(Chain chain, QObject* parent);

    // The action of a command, created on first use from the command table (text, shortcut,
    // prompt, icon); triggering it routes the command.
    QAction* Action(int id);

    // Sends the command along the chain; false when no target handled it.
    bool Route(int id);
    // Runs the update handlers of one command; a command that no target handles is disabled.
    void Update(int id);
    void UpdateAll();
    // Updates the commands of a menu (and its submenus) just before it shows.
    void WatchMenu(QMenu* menu);

signals:
    // After every idle pass, for the panes and other idle work of the frame.
    void idle();

private:
    void UpdateMenu(QMenu* menu);

    Chain m_chain;
    std::map<int, QAction*> m_actions;
    QTimer* m_idleTimer;
};
