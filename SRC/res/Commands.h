// The main menus and the toolbars: which commands they show, in order. The commands' texts,
// keys and icons come from the rows of the components that handle them.
#pragma once

#include <span>
#include <string_view>

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
