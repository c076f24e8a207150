// Ctrl+Tab and Ctrl+Shift+Tab through the document windows in the order of their last use.
#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QMdiArea;
class QMdiSubWindow;

class CKWindowCycler : public QObject {
    Q_OBJECT
public:
    // Follows the windows the area activates.
    explicit CKWindowCycler(QMdiArea& area, QObject* parent = nullptr);

    // One step (1 forward, -1 back) through the windows from the one used last; while Ctrl
    // is held the order stays, and the window reached is taken up when Ctrl is released.
    void Cycle(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void NoteActivated(QMdiSubWindow* window);
    void EndCycle();

    QMdiArea& m_area;
    std::vector<QPointer<QMdiSubWindow>> m_recent; // last used first
    std::vector<QPointer<QMdiSubWindow>> m_cycle;  // the order while Ctrl is held
    size_t m_cyclePos = 0;
    bool m_cycling = false;
};
