// The order of use of the document windows and the steps through it.
#include "frame/WindowCycler.h"

#include "frame/WindowList.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

CKWindowCycler::CKWindowCycler(QMdiArea& area, QObject* parent) : QObject(parent), m_area(area)
{
    connect(&m_area, &QMdiArea::subWindowActivated, this, &CKWindowCycler::NoteActivated);
}

void CKWindowCycler::NoteActivated(QMdiSubWindow* window)
{
    if (!window || m_cycling)
        return;
    std::erase_if(m_recent,
                  [window](const QPointer<QMdiSubWindow>& w) { return !w || w == window; });
    m_recent.insert(m_recent.begin(), window);
}

void CKWindowCycler::Cycle(int direction)
{
    if (!m_cycling) {
        std::erase_if(m_recent,
                      [](const QPointer<QMdiSubWindow>& w) { return !w || w->isHidden(); });
        // Windows the area knows but that were never active (none, normally) come last.
        for (QMdiSubWindow* window : OpenWindows(m_area))
            if (std::find(m_recent.begin(), m_recent.end(), window) == m_recent.end())
                m_recent.emplace_back(window);
        if (m_recent.size() < 2)
            return;
        m_cycle = m_recent;
        m_cyclePos = 0;
        m_cycling = true;
        qApp->installEventFilter(this);
    }
    const size_t count = m_cycle.size();
    m_cyclePos = (m_cyclePos + count + static_cast<size_t>(direction > 0 ? 1 : count - 1)) % count;
    if (QMdiSubWindow* window = m_cycle[m_cyclePos])
        m_area.setActiveSubWindow(window);
}

void CKWindowCycler::EndCycle()
{
    qApp->removeEventFilter(this);
    m_cycling = false;
    m_cycle.clear();
    NoteActivated(m_area.activeSubWindow());
}

bool CKWindowCycler::eventFilter(QObject* watched, QEvent* event)
{
    if (m_cycling && event->type() == QEvent::KeyRelease
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Control)
        EndCycle();
    return QObject::eventFilter(watched, event);
}
