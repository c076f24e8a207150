// Key presses sent straight to a widget, for widget tests.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

inline void KeyClick(QWidget* widget, int key, const QString& text = {},
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

inline void KeyClicks(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        KeyClick(widget, c.toUpper().unicode(), QString(c));
}
