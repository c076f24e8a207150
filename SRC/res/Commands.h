// The main menus, the view's context menu and the toolbars: which commands they show, in
// order. The commands' texts, keys and images come from the command table.
#pragma once

#include <span>
#include <string_view>

enum class MenuItemKind {
    Command,
    Separator,
    RecentFiles, // the recent-file entries
    SourceTypes, // a "Source Type" submenu with the 23 types
    CodePages,   // a "Reopen with Encoding" submenu with the code pages
    Toolbars,    // a "Toolbars" submenu with the bar toggles
    Submenu,     // a submenu of the commands in items
    UserTools,   // the user-defined tools
    Windows,     // the open windows, numbered
};

struct MenuItem {
    MenuItemKind kind;
    int id = 0;                           // for commands
    std::string_view text = {};           // for submenus
    bool needsDocument = false;           // hidden while no document is open
    std::span<const MenuItem> items = {}; // for Submenu
};

struct MenuInfo {
    std::string_view title;
    bool needsDocument;
    std::span<const MenuItem> items;
};

std::span<const MenuInfo> MainMenus();
// The view's context menu.
std::span<const MenuItem> ContextMenu();

// The show/hide commands of the "Toolbars" submenu, in order.
std::span<const int> ToolbarToggles();

// Toolbar buttons in order; 0 stands for a separator.
std::span<const int> StandardToolbar();
std::span<const int> InsertToolbar();
std::span<const int> MacrosToolbar();
std::span<const int> ChildFrameTopToolbar();
std::span<const int> ChildFrameToolbar();
