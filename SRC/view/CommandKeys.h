// The keys of every command, parsed once from the command table: the shortcuts the menus show
// and the command that a key pressed in a view runs.
#pragma once

#include <QKeySequence>
#include <QList>

#include <unordered_map>

class QKeyEvent;

class CKCommandKeys {
public:
    // The keys of the command table, parsed on first use.
    static const CKCommandKeys& Commands();

    // The command a pressed key runs, or 0.
    int CommandOf(const QKeyEvent& event) const;
    int CommandOf(QKeyCombination key) const;
    // A command's keys in the order of its row, the first the one menus show.
    QList<QKeySequence> KeysOf(int id) const;

private:
    CKCommandKeys();

    std::unordered_map<int, int> m_commands;             // combined key -> command
    std::unordered_map<int, QList<QKeySequence>> m_keys; // command -> its keys
};
