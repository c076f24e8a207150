// What a command handler offers the command routing: running a command and updating its
// enabled state, check mark and text.
#pragma once

#include <QString>

// The state of one command as its update handler leaves it.
struct CmdUI {
    explicit CmdUI(int commandId) : id(commandId) {}
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
    void SetText(const QString& newText)
    {
        text = newText;
        hasText = true;
    }

    int id;
    bool enabled = true;
    bool checked = false;
    QString text;
    bool hasText = false;
};

class CKCommandTarget {
public:
    virtual ~CKCommandTarget() = default;
    // True when this target handled the command.
    virtual bool OnCommand(int id) = 0;
    // True when this target handles the command; it then sets the state in ui.
    virtual bool OnUpdateCommand(CmdUI& ui) = 0;
};
