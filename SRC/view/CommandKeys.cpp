// The key map of the command table.
#include "view/CommandKeys.h"

#include "controls/QtText.h"
#include "res/CommandTable.h"

#include <QKeyEvent>

namespace {

// Shift+Tab arrives as a key of its own; it stands for Tab with Shift.
QKeyCombination Normalised(QKeyCombination key)
{
    const Qt::KeyboardModifiers mods =
        key.keyboardModifiers()
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const Qt::Key code = key.key() == Qt::Key_Backtab ? Qt::Key_Tab : key.key();
    return QKeyCombination(mods, code);
}

} // namespace

const CKCommandKeys& CKCommandKeys::Commands()
{
    static const CKCommandKeys map;
    return map;
}

CKCommandKeys::CKCommandKeys()
{
    for (const CommandSpec& spec : CommandTable()) {
        if (spec.keys.empty())
            continue;
        const QList<QKeySequence> keys = QKeySequence::listFromString(FromUtf8(spec.keys));
        m_keys.emplace(spec.id, keys);
        // A key that two rows name runs the first.
        for (const QKeySequence& key : keys)
            if (!key.isEmpty())
                m_commands.emplace(Normalised(key[0]).toCombined(), spec.id);
    }
}

int CKCommandKeys::CommandOf(QKeyCombination key) const
{
    const auto it = m_commands.find(Normalised(key).toCombined());
    return it == m_commands.end() ? 0 : it->second;
}

int CKCommandKeys::CommandOf(const QKeyEvent& event) const
{
    return CommandOf(QKeyCombination(event.modifiers(), Qt::Key(event.key())));
}

QList<QKeySequence> CKCommandKeys::KeysOf(int id) const
{
    const auto it = m_keys.find(id);
    return it == m_keys.end() ? QList<QKeySequence>() : it->second;
}
