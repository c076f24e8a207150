// Command routing: one action per command id, built from the command table (text, keys,
// prompt, icon), sent along the chain of targets (active view, its document, the frame, the
// application), with update handlers run before a menu shows and whenever something they
// follow changed.
#pragma once

#include "res/CommandTarget.h"

#include <QObject>
#include <QString>

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
    // Tells the user why a command could not finish.
    using Report = std::function<void(const QString& text)>;

    CKCommandRouter(Chain chain, Report report, QObject* parent);

    // The action of a command, created on first use from its row of the table; triggering
    // it routes the command.
    QAction* Action(int id);

    // The action of a command's toolbar button: it shares the command's text, image, state and
    // route, but not its visibility, so a menu item hidden without documents leaves its button
    // in place, disabled.
    QAction* ButtonAction(int id);

    // Sends the command along the chain; false when no target handled it. A command that
    // runs out of memory is reported and counts as handled: the program goes on.
    bool Route(int id);
    // Runs the update handlers of one command; a command that no target handles is disabled.
    void Update(int id);
    // Recomputes the state of every command now, then tells the window (updated).
    void UpdateAll();
    // Something the states follow changed: they are recomputed once, when the program next
    // waits for events. Nothing is recomputed while nothing changes.
    void Invalidate();
    // Updates the commands of a menu (and its submenus) just before it shows.
    void WatchMenu(QMenu* menu);

signals:
    // After every update pass, for the panes and the other states of the window.
    void updated();

private:
    void UpdateMenu(QMenu* menu);
    QAction* NewAction(int id);

    Chain m_chain;
    Report m_report;
    std::map<int, QAction*> m_actions;
    std::map<int, QAction*> m_buttonActions;
    QTimer* m_pendingUpdate; // started by a change, runs once
};
