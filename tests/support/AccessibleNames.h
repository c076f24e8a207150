// The controls of a window that a screen reader would find without a name: buttons, edits,
// lists and boxes whose accessible name (their text, their label's buddy link or a name set
// on them) is empty. Parts of a control (a combo box's edit, a text box's scroll bars) and
// hidden controls are left out.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include <string>
#include <vector>

inline bool IsAccessibleControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w)
           || qobject_cast<const QTextEdit*>(w);
}

// Class and object name of each, for the failure message.
inline std::vector<std::string> UnnamedControls(QWidget& window)
{
    std::vector<std::string> unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!IsAccessibleControl(w) || !w->isVisibleTo(&window))
            continue;
        bool part = false;
        for (QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
            part = part || IsAccessibleControl(p);
        if (part)
            continue;
        QAccessibleInterface* access = QAccessible::queryAccessibleInterface(w);
        if (!access || access->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.push_back(std::string(w->metaObject()->className()) + ' '
                              + w->objectName().toStdString());
    }
    return unnamed;
}
