// Waiting in the widget tests for something the event loop brings: a condition polled while
// events are served, with a bound that only a fault reaches.
#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

// Long enough for a loaded machine: a test that reaches it has found a fault, not a slow run.
inline constexpr int kEventBoundMs = 60000;

// Serves events until done() holds, waking at least every 10 ms for conditions that change
// without an event of this thread (a file, another thread). False when the bound passed first.
template <typename Condition>
bool ServeEventsUntil(Condition done, int boundMs = kEventBoundMs)
{
    const QDeadlineTimer deadline(boundMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}
