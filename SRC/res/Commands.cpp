// The command table, the main menus and the toolbars.
#include "res/Commands.h"

#include "res/CommandIds.h"

#include <algorithm>
#include <array>

namespace {

constexpr CommandInfo kCommands[] = {
    {ID_FILE_NEW, "&New", "Ctrl+N", "Create a new document", "New", "new"},
    {ID_FILE_OPEN, "&Open...", "Ctrl+O", "Open an existing document", "Open", "open"},
    {ID_FILE_CLOSE, "&Close", "", "Close the active document", "Close", ""},
    {ID_FILE_SAVE, "&Save", "Ctrl+S", "Save the active document", "Save", "save"},
    {ID_FILE_SAVE_AS, "Save &As...", "", "Save the active document with a new name",
     "Save As", ""},
    {ID_FILE_SAVE_ALL, "Save A&ll", "Ctrl+Shift+S", "Save all modified documents", "Save All",
     "saveall"},
    {ID_APP_EXIT, "E&xit", "", "Quit the application; prompts to save documents", "Exit", ""},
    {ID_VIEW_TOOLBAR, "Standard Toolbar", "", "Show or hide the toolbar", "Toggle ToolBar", ""},
    {ID_VIEW_STATUS_BAR, "&Status Bar", "", "Show or hide the status bar", "Toggle StatusBar",
     ""},
    {ID_PREVIEW_DEFAULT_BROWSER, "&Preview in default browser", "F5",
     "Preview the document in the system default browser", "Preview in system default browser",
     "preview"},
    {ID_PREVIEW_BROWSER_1, "Preview in browser 1", "F6", "Preview the document in browser 1",
     "Preview in browser 1", "browser1"},
    {ID_PREVIEW_BROWSER_2, "Preview in browser 2", "F7", "Preview the document in browser 2",
     "Preview in browser 2", "browser2"},
    {ID_SOURCE, "Source", "", "Show the source", "Source", "source"},
    {ID_PREVIEW, "Preview", "", "Show the preview", "Preview", "preview"},
    {ID_DOC_CLOSE, "Close", "", "Close the document", "Close", "close"},
    {ID_WINDOW_NEW, "&New Window", "", "Open another window for the active document",
     "New Window", ""},
    {ID_WINDOW_CASCADE, "&Cascade", "", "Arrange windows so they overlap", "Cascade Windows",
     ""},
    {ID_WINDOW_TILE, "&Tile", "", "Arrange windows as non-overlapping tiles", "Tile Windows", ""},
    {ID_WINDOW_ARRANGE, "&Arrange Icons", "", "Arrange icons at the bottom of the window",
     "Arrange Icons", ""},
    {ID_WINDOW_SPLIT, "S&plit", "", "Split the active window into panes", "Split", ""},
    {ID_EDIT_COPY, "&Copy", "Ctrl+C", "Copy the selection and put it on the Clipboard", "Copy",
     ""},
    {ID_EDIT_SELECT_ALL, "Select A&ll", "Ctrl+A", "Select the entire document", "Select All",
     ""},
    {ID_APP_ABOUT, "&About Tagwright...", "",
     "Display program information, version number and copyright", "About", "about"},
};

constexpr MenuItem kFileMenu[] = {
    {MenuItemKind::Command, ID_FILE_NEW},
    {MenuItemKind::Command, ID_FILE_OPEN},
    {MenuItemKind::Command, ID_FILE_CLOSE, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE_AS, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE_ALL, {}, true},
    {MenuItemKind::Separator},
    {MenuItemKind::RecentFiles},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_APP_EXIT},
};

constexpr MenuItem kViewMenu[] = {
    {MenuItemKind::Toolbars, 0, "&Toolbars"},
    {MenuItemKind::Command, ID_VIEW_STATUS_BAR},
    {MenuItemKind::SourceTypes, 0, "Source T&ype", true},
    {MenuItemKind::Separator, 0, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_DEFAULT_BROWSER, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_BROWSER_1, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_BROWSER_2, {}, true},
};

constexpr MenuItem kWindowMenu[] = {
    {MenuItemKind::Command, ID_WINDOW_NEW},
    {MenuItemKind::Command, ID_WINDOW_CASCADE},
    {MenuItemKind::Command, ID_WINDOW_TILE},
    {MenuItemKind::Command, ID_WINDOW_ARRANGE},
    {MenuItemKind::Command, ID_WINDOW_SPLIT},
};

constexpr MenuItem kEditMenu[] = {
    {MenuItemKind::Command, ID_EDIT_COPY},
    {MenuItemKind::Command, ID_EDIT_SELECT_ALL},
};

constexpr MenuItem kHelpMenu[] = {
    {MenuItemKind::Command, ID_APP_ABOUT},
};

constexpr MenuInfo kMenus[] = {
    {"&File", false, kFileMenu},
    {"&Edit", true, kEditMenu},
    {"&View", false, kViewMenu},
    {"&Window", true, kWindowMenu},
    {"&Help", false, kHelpMenu},
};

constexpr int kStandardToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_ALL, 0,
    ID_PREVIEW_DEFAULT_BROWSER, ID_PREVIEW_BROWSER_1, ID_PREVIEW_BROWSER_2, 0,
    ID_APP_ABOUT,
};

constexpr int kChildTopToolbar[] = {ID_SOURCE, ID_PREVIEW};
constexpr int kChildToolbar[] = {ID_DOC_CLOSE, 0, ID_FILE_SAVE, ID_PREVIEW_DEFAULT_BROWSER};

} // namespace

const CommandInfo* FindCommand(int id)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands),
                                 [id](const CommandInfo& c) { return c.id == id; });
    return it == std::end(kCommands) ? nullptr : it;
}

std::span<const MenuInfo> MainMenus() { return kMenus; }
std::span<const int> StandardToolbar() { return kStandardToolbar; }
std::span<const int> ChildFrameTopToolbar() { return kChildTopToolbar; }
std::span<const int> ChildFrameToolbar() { return kChildToolbar; }
