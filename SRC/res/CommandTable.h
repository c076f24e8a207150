// The command table: one row per command with its texts, keys, image and flags. Menus,
// toolbars, the context menu and the key map name commands by id and take the rest from here;
// each component runs its own commands through handlers by id.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

enum CommandFlags : uint32_t {
    // A key of a running incremental search: the search goes on. Every other command ends
    // the search first, keeping what it found.
    CMD_SEARCH_KEY = 0x1,
    // Menus show the command's state with a check mark.
    CMD_CHECKABLE = 0x2,
};

// The image of a toolbar button: the name in the desktop's icon theme, and the program's own
// image (a resource name below ":/toolbar/") used where the theme has none.
struct CommandIcon {
    std::string_view themeName;
    std::string_view resourceName;
};

// Texts are UTF-8.
struct CommandSpec {
    int id = 0;
    std::string_view menu;   // with "&" before the mnemonic
    std::string_view keys;   // default keys as portable key-sequence text, "Ctrl+S; F2"
    std::string_view prompt; // in the message pane while the item is highlighted
    std::string_view tip;    // the toolbar button's tip
    CommandIcon icon;
    uint32_t flags = 0;
    // A run of count ids from id that one handler serves by place (the recent files, the
    // source types); the menus give the entries their texts.
    int count = 1;

    bool Holds(int command) const { return command >= id && command < id + count; }
};

std::span<const CommandSpec> CommandTable();
// The row of a command, or of the run it belongs to; null for an id the table does not know.
const CommandSpec* FindCommand(int id);
bool EndsIncrementalSearch(int id);
