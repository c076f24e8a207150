// The main window's status bar: the message pane, the panes that show the active view's
// status, and the clock. A menu item's prompt holds the message pane while its menu is open.
#pragma once

#include "view/core/ViewStatus.h"

#include <QStatusBar>
#include <QTime>

#include <map>

class QLabel;
class QTimer;

// Milliseconds from now to the start of the next minute, when the clock changes.
int MillisecondsToNextMinute(QTime now);

class CKStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CKStatusBar(QWidget* parent = nullptr);

    // The panes of the active view; null leaves them empty and disabled. A running incremental
    // search's prompt holds the message pane while it lasts.
    void ShowStatus(const ViewStatus* status);
    // How the active document's code page was chosen, shown as the code page pane's tooltip.
    void SetCodePageNote(const QString& note);
    // The prompt of a highlighted menu item, or an empty text when none is highlighted; the
    // message pane's own text comes back then.
    void ShowMenuPrompt(const QString& prompt);
    // A menu closed: its last prompt goes with it.
    void EndMenuPrompt();
    // The text of a pane by its id, for tests.
    QString PaneText(int paneId) const;

signals:
    // The code page pane was clicked while it shows a document's page.
    void codePagePaneClicked(QPoint globalPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPane(int id, const std::string& text);
    void UpdateClock();

    QLabel* m_message;
    std::map<int, QLabel*> m_panes;
    QLabel* m_clock;
    QTimer* m_clockTimer;
    QString m_savedMessage; // the message pane's text while a menu prompt shows
    bool m_menuPromptShown = false;
    bool m_viewPromptShown = false; // the message pane shows a view's prompt
};
