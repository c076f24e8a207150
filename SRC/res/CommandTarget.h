// Commands as each component declares them: one row per command with its id, handler, update
// handler, default keys and texts; the targets that run them; and the catalogue of every
// row that menus, toolbars and accelerators are built from.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    bool enabled = true;
    bool checked = false;
    std::string text; // UTF-8
    bool hasText = false;
};

// What a command shows. Texts are UTF-8.
struct CommandInfo {
    constexpr CommandInfo(int commandId = 0, std::string_view menu = {}, std::string_view keyText = {},
                          std::string_view promptText = {}, std::string_view tip = {},
                          std::string_view iconName = {})
        : id(commandId), menuText(menu), keys(keyText), prompt(promptText), toolTip(tip),
          icon(iconName)
    {
    }

    int id;
    std::string_view menuText; // with "&" before the mnemonic
    std::string_view keys;     // default keys as portable key-sequence text, "Ctrl+S; F2"
    std::string_view prompt;   // shown in the message pane while the item is highlighted
    std::string_view toolTip;
    std::string_view icon;     // resource name of the toolbar image, empty for none
};

// One command of a component T. A row may stand for a run of count ids from info.id (the
// recent files, the source types); its handler then gets arg plus the id's place in the run.
template <class T>
struct CommandRow {
    using Run = void (*)(T& target, int arg);
    // None: the command is always enabled while T is in the chain.
    using Update = void (*)(T& target, CmdUI& ui);

    constexpr CommandRow(CommandInfo commandInfo, Run runHandler = nullptr,
                         Update updateHandler = nullptr, int argument = 0, int idCount = 1)
        : info(commandInfo), run(runHandler), update(updateHandler), arg(argument), count(idCount)
    {
    }

    CommandInfo info;
    Run run;
    Update update;
    int arg;
    int count;

    bool Holds(int id) const { return id >= info.id && id < info.id + count; }
};

class CKCommandTarget {
public:
    virtual ~CKCommandTarget() = default;
    // True when this target handled the command.
    virtual bool OnCommand(int id) = 0;
    // True when this target handles the command; it then sets the state in ui.
    virtual bool OnUpdateCommand(CmdUI& ui) = 0;
};

// The command handling of a target from its rows.
template <class T>
bool RunCommandRow(T& target, std::span<const CommandRow<T>> rows, int id)
{
    for (const CommandRow<T>& row : rows)
        if (row.Holds(id)) {
            // A row without a handler stands for a command that is never enabled.
            if (row.run)
                row.run(target, row.arg + id - row.info.id);
            return true;
        }
    return false;
}

template <class T>
bool UpdateCommandRow(T& target, std::span<const CommandRow<T>> rows, CmdUI& ui)
{
    for (const CommandRow<T>& row : rows)
        if (row.Holds(ui.id)) {
            if (row.update)
                row.update(target, ui);
            return true;
        }
    return false;
}

// Every command the program knows, gathered from the components' rows.
class CCommandCatalogue {
public:
    template <class T>
    void Add(std::span<const CommandRow<T>> rows)
    {
        for (const CommandRow<T>& row : rows)
            m_entries.push_back({&row.info, row.count});
    }
    // The row's texts for an id, or null.
    const CommandInfo* Find(int id) const
    {
        for (const Entry& e : m_entries)
            if (id >= e.info->id && id < e.info->id + e.count)
                return e.info;
        return nullptr;
    }
    // Each row's info once, in the order added.
    std::vector<const CommandInfo*> All() const
    {
        std::vector<const CommandInfo*> all;
        for (const Entry& e : m_entries)
            all.push_back(e.info);
        return all;
    }

private:
    struct Entry {
        const CommandInfo* info;
        int count;
    };
    std::vector<Entry> m_entries;
};
