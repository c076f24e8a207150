// The targets that run commands, the handlers by which each component declares the commands
// of the table it runs, and what a view asks of the window that routes its commands.
#pragma once

#include "res/CommandTable.h"

#include <span>
#include <string>
#include <string_view>

// The state of one command as its update handler leaves it.
struct CmdUI {
    explicit CmdUI(int commandId) : id(commandId) {}
    void Enable(bool on = true) { enabled = on; }
    void SetCheck(bool on = true) { checked = on; }
    void SetText(std::string_view newText)
    {
        text = newText;
        hasText = true;
    }

    int id;
    int index = 0; // the id's place in its run of the table
    bool enabled = true;
    bool checked = false;
    std::string text; // UTF-8
    bool hasText = false;
};

// How a component T runs one command of the table. The handler gets arg plus the id's place
// in the command's run.
template <class T>
struct CommandHandler {
    using Run = void (*)(T& target, int arg);
    // None: the command is always enabled while T is in the chain.
    using Update = void (*)(T& target, CmdUI& ui);

    int id;
    Run run = nullptr; // none: a command that is never enabled
    Update update = nullptr;
    int arg = 0;
};

class QMenu;

class CKCommandTarget {
public:
    virtual ~CKCommandTarget() = default;
    // True when this target handled the command.
    virtual bool OnCommand(int id) = 0;
    // True when this target handles the command; it then sets the state in ui.
    virtual bool OnUpdateCommand(CmdUI& ui) = 0;
};

// What a view asks of the window that holds it.
class CKCommandHost {
public:
    virtual ~CKCommandHost() = default;
    // Something the commands' states or the status texts follow changed.
    virtual void CommandStatesChanged() = 0;
    // The view's context menu at a point of the screen: the window's commands follow the items
    // the view put in menu already (the spelling suggestions of a word).
    virtual void ShowContextMenu(QMenu& menu, int globalX, int globalY) = 0;
};

namespace command_handlers {

// The handler of a command, and the id's place in the command's run.
template <class T>
const CommandHandler<T>* Find(std::span<const CommandHandler<T>> handlers, int id, int& index)
{
    const CommandSpec* spec = FindCommand(id);
    const int first = spec ? spec->id : id;
    index = id - first;
    for (const CommandHandler<T>& handler : handlers)
        if (handler.id == first)
            return &handler;
    return nullptr;
}

template <class T>
bool Serves(std::span<const CommandHandler<T>> handlers, int id)
{
    int index = 0;
    return Find(handlers, id, index) != nullptr;
}

} // namespace command_handlers

// Runs the command if one of the handlers serves it; true when one does.
template <class T>
bool DispatchCommand(T& target, std::span<const CommandHandler<T>> handlers, int id)
{
    int index = 0;
    const CommandHandler<T>* handler = command_handlers::Find(handlers, id, index);
    if (!handler)
        return false;
    if (handler->run)
        handler->run(target, handler->arg + index);
    return true;
}

// Runs the update handler if one of the handlers serves the command; true when one does.
template <class T>
bool DispatchUpdate(T& target, std::span<const CommandHandler<T>> handlers, CmdUI& ui)
{
    const CommandHandler<T>* handler = command_handlers::Find(handlers, ui.id, ui.index);
    if (!handler)
        return false;
    if (!handler->run)
        ui.Enable(false);
    else if (handler->update)
        handler->update(target, ui);
    return true;
}
