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
    CodePages,   // a "Reopen with Encoding" submenu with the code pages
    Toolbars,    // a "Toolbars" submenu with the bar toggles
    Submenu,     // a submenu of the commands in items
    UserTools,   // the user-defined tools
    Windows,     // the open windows, numbered
};

struct MenuItem {
    MenuItemKind kind;
    int id = 0;                 // for commands
    std::string_view text = {}; // for submenus
    bool needsDocument = false; // hidden while no document is open
    std::span<const MenuItem> items = {}; // for Submenu
};

struct MenuInfo {
    std::string_view title;
    bool needsDocument;
    std::span<const MenuItem> items;
};

std::span<const MenuInfo> MainMenus();

// The show/hide commands of the "Toolbars" submenu, in order.
std::span<const int> ToolbarToggles();

// Toolbar buttons in order; 0 stands for a separator.
std::span<const int> StandardToolbar();
std::span<const int> InsertToolbar();
std::span<const int> MacrosToolbar();
std::span<const int> ChildFrameTopToolbar();
std::span<const int> ChildFrameToolbar();

// The image of a toolbar button: the name in the desktop's icon theme and the program's own
// image (a resource name below ":/toolbar/") used where the theme has none.
struct CommandIcon {
    int id;
    std::string_view themeName;
    std::string_view resourceName;
};
// The image of a command, or null for a command without one.
const CommandIcon* FindCommandIcon(int id);
std::span<const CommandIcon> CommandIcons();
