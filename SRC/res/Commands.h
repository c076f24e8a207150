// The command vocabulary: texts, shortcuts, prompts and icons of the commands, the menus and
// the toolbars that show them.
#pragma once

#include <span>
#include <string_view>

struct CommandInfo {
    int id;
    std::string_view menuText; // with "&" before the mnemonic
    std::string_view shortcut; // in portable key-sequence text, "Ctrl+S"
    std::string_view prompt;   // shown in the message pane while the item is highlighted
    std::string_view toolTip;
    std::string_view icon;     // resource name of the toolbar image, empty for none
};

const CommandInfo* FindCommand(int id);

enum class MenuItemKind {
    Command,
    Separator,
    RecentFiles, // the recent-file entries
    SourceTypes, // a "Source Type" submenu with the 23 types
    Toolbars,    // a "Toolbars" submenu with the bar toggles
};

struct MenuItem {
    MenuItemKind kind;
    int id = 0;                 // for commands
    std::string_view text = {}; // for submenus
    bool needsDocument = false; // hidden while no document is open
};

struct MenuInfo {
    std::string_view title;
    bool needsDocument;
    std::span<const MenuItem> items;
};

std::span<const MenuInfo> MainMenus();

// Toolbar buttons in order; 0 stands for a separator.
std::span<const int> StandardToolbar();
std::span<const int> ChildFrameTopToolbar();
std::span<const int> ChildFrameToolbar();
