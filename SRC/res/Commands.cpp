// The main menus, the context menu and the toolbars.
#include "res/Commands.h"

#include "res/CommandIds.h"

namespace {

constexpr MenuItem kFileMenu[] = {
    {MenuItemKind::Command, ID_FILE_NEW},
    {MenuItemKind::Command, ID_FILE_OPEN},
    {MenuItemKind::Command, ID_FILE_CLOSE, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE_AS, {}, true},
    {MenuItemKind::Command, ID_FILE_SAVE_ALL, {}, true},
    {MenuItemKind::CodePages, 0, "Reopen with &Encoding", true},
    {MenuItemKind::Separator, 0, {}, true},
    {MenuItemKind::Command, ID_FILE_PRINT, {}, true},
    {MenuItemKind::Command, ID_FILE_PRINT_PREVIEW, {}, true},
    {MenuItemKind::Command, ID_FILE_PRINT_SETUP},
    {MenuItemKind::Command, ID_FILE_PAGE_SETUP, {}, true},
    {MenuItemKind::Separator},
    {MenuItemKind::RecentFiles},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_APP_EXIT},
};

constexpr MenuItem kSpellingMenu[] = {
    {MenuItemKind::Command, ID_VIEW_SPELLING},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_SPELL_RUSSIAN},
    {MenuItemKind::Command, ID_SPELL_UKRAINIAN},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_SPELL_NEXT},
    {MenuItemKind::Command, ID_SPELL_PREVIOUS},
};

constexpr MenuItem kViewMenu[] = {
    {MenuItemKind::Toolbars, 0, "&Toolbars"},
    {MenuItemKind::Command, ID_VIEW_STATUS_BAR},
    {MenuItemKind::Command, ID_VIEW_DOCUMENT_TABS},
    {MenuItemKind::SourceTypes, 0, "Source T&ype", true},
    {MenuItemKind::Submenu, 0, "Spe&lling", true, kSpellingMenu},
    {MenuItemKind::Command, ID_VIEW_OPTIONS},
    {MenuItemKind::Separator, 0, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_DEFAULT_BROWSER, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_BROWSER_1, {}, true},
    {MenuItemKind::Command, ID_PREVIEW_BROWSER_2, {}, true},
};

constexpr MenuItem kMacrosMenu[] = {
    {MenuItemKind::Command, ID_MACRO_0}, {MenuItemKind::Command, ID_MACRO_1},
    {MenuItemKind::Command, ID_MACRO_2}, {MenuItemKind::Command, ID_MACRO_3},
    {MenuItemKind::Command, ID_MACRO_4}, {MenuItemKind::Command, ID_MACRO_5},
    {MenuItemKind::Command, ID_MACRO_6}, {MenuItemKind::Command, ID_MACRO_7},
    {MenuItemKind::Command, ID_MACRO_8}, {MenuItemKind::Command, ID_MACRO_9},
};

constexpr MenuItem kToolsMenu[] = {
    {MenuItemKind::UserTools},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_TOOLS_CUSTOMIZE},
};

constexpr MenuItem kWindowMenu[] = {
    {MenuItemKind::Command, ID_WINDOW_NEW},
    {MenuItemKind::Command, ID_WINDOW_CASCADE},
    {MenuItemKind::Command, ID_WINDOW_TILE},
    {MenuItemKind::Command, ID_WINDOW_ARRANGE},
    {MenuItemKind::Command, ID_WINDOW_SPLIT},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_WINDOW_LIST},
    {MenuItemKind::Windows},
};

constexpr MenuItem kBookmarksMenu[] = {
    {MenuItemKind::Command, ID_EDIT_NEXT_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_PREVIOUS_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_TOGGLE_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_CLEAR_BOOKMARKS},
};

constexpr MenuItem kGoToBookmarkMenu[] = {
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_1},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_2},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_3},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_4},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_5},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_6},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_7},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_8},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_9},
};

constexpr MenuItem kSetBookmarkMenu[] = {
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_1},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_2},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_3},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_4},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_5},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_6},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_7},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_8},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_9},
};

constexpr MenuItem kCaseMenu[] = {
    {MenuItemKind::Command, ID_EDIT_LOWERCASE},
    {MenuItemKind::Command, ID_EDIT_UPPERCASE},
    {MenuItemKind::Command, ID_EDIT_SWAP_CASE},
    {MenuItemKind::Command, ID_EDIT_CAPITALIZE},
    {MenuItemKind::Command, ID_EDIT_SENTENCE_CASE},
};

constexpr MenuItem kEditMenu[] = {
    {MenuItemKind::Command, ID_EDIT_UNDO},
    {MenuItemKind::Command, ID_EDIT_REDO},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_EDIT_CUT},
    {MenuItemKind::Command, ID_EDIT_COPY},
    {MenuItemKind::Command, ID_EDIT_PASTE},
    {MenuItemKind::Command, ID_EDIT_DELETE},
    {MenuItemKind::Command, ID_EDIT_SELECT_ALL},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_EDIT_GOTO_LINE},
    {MenuItemKind::Command, ID_EDIT_FIND},
    {MenuItemKind::Command, ID_EDIT_REPLACE},
    {MenuItemKind::Separator},
    {MenuItemKind::Submenu, 0, "&Bookmarks", false, kBookmarksMenu},
    {MenuItemKind::Submenu, 0, "G&o to", false, kGoToBookmarkMenu},
    {MenuItemKind::Submenu, 0, "&Set", false, kSetBookmarkMenu},
    {MenuItemKind::Submenu, 0, "C&ase", false, kCaseMenu},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_EDIT_AUTO_COMPLETE},
    {MenuItemKind::Command, ID_EDIT_AUTO_EXPAND},
    {MenuItemKind::Command, ID_EDIT_MATCH_BRACE},
};

constexpr MenuItem kSearchMenu[] = {
    {MenuItemKind::Command, ID_SEARCH_FIND_IN_FILES},
    {MenuItemKind::Command, ID_SEARCH_REPLACE_IN_FILES},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_SEARCH_NEXT_RESULT},
    {MenuItemKind::Command, ID_SEARCH_PREVIOUS_RESULT},
};

constexpr MenuItem kInsertMenu[] = {
    {MenuItemKind::Command, ID_INSERT_BOLD},
    {MenuItemKind::Command, ID_INSERT_BREAK},
    {MenuItemKind::Command, ID_INSERT_CENTER},
    {MenuItemKind::Command, ID_INSERT_COMMENT},
    {MenuItemKind::Command, ID_INSERT_FONT},
    {MenuItemKind::Command, ID_INSERT_COLOUR},
    {MenuItemKind::Command, ID_INSERT_ITALIC},
    {MenuItemKind::Command, ID_INSERT_PARAGRAPH},
    {MenuItemKind::Command, ID_INSERT_UNDERLINE},
    {MenuItemKind::Command, ID_INSERT_IMAGE},
};

constexpr MenuItem kHelpMenu[] = {
    {MenuItemKind::Command, ID_HELP_CONTENTS},
    {MenuItemKind::Command, ID_HELP_SHORTCUTS},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_APP_ABOUT},
};

constexpr MenuInfo kMenus[] = {
    {"&File", false, kFileMenu},
    {"&Edit", true, kEditMenu},
    {"&Search", false, kSearchMenu},
    {"&View", false, kViewMenu},
    {"&Insert", true, kInsertMenu},
    {"&Macros", true, kMacrosMenu},
    {"&Tools", false, kToolsMenu},
    {"&Window", true, kWindowMenu},
    {"&Help", false, kHelpMenu},
};

// The right button's menu in a view; its submenus are those of the Edit menu.
constexpr MenuItem kContextMenu[] = {
    {MenuItemKind::Command, ID_EDIT_UNDO},
    {MenuItemKind::Command, ID_EDIT_REDO},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_EDIT_CUT},
    {MenuItemKind::Command, ID_EDIT_COPY},
    {MenuItemKind::Command, ID_EDIT_PASTE},
    {MenuItemKind::Command, ID_EDIT_SELECT_ALL},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_PREVIEW_DEFAULT_BROWSER},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_EDIT_GOTO_LINE},
    {MenuItemKind::Command, ID_EDIT_FIND},
    {MenuItemKind::Command, ID_EDIT_REPLACE},
    {MenuItemKind::Separator},
    {MenuItemKind::Submenu, 0, "Bookmarks", false, kBookmarksMenu},
    {MenuItemKind::Submenu, 0, "Go to", false, kGoToBookmarkMenu},
    {MenuItemKind::Submenu, 0, "Set", false, kSetBookmarkMenu},
};

constexpr int kToolbarToggles[] = {ID_VIEW_TOOLBAR, ID_VIEW_WORKSPACE, ID_VIEW_INSERT_BAR, ID_VIEW_MACROS_BAR};

constexpr int kStandardToolbar[] = {
    ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_ALL, ID_FILE_PRINT, 0,
    ID_EDIT_UNDO, ID_EDIT_REDO, 0,
    ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
    ID_PREVIEW_DEFAULT_BROWSER, ID_PREVIEW_BROWSER_1, ID_PREVIEW_BROWSER_2, 0,
    ID_EDIT_TOGGLE_BOOKMARK, ID_EDIT_NEXT_BOOKMARK, ID_EDIT_PREVIOUS_BOOKMARK, ID_EDIT_CLEAR_BOOKMARKS, 0,
    ID_EDIT_FIND, ID_EDIT_REPEAT, ID_EDIT_FIND_PREVIOUS, ID_EDIT_REPLACE, 0,
    ID_EDIT_TAB, ID_EDIT_UNTAB, 0,
    ID_VIEW_WHITESPACE, ID_EDIT_SWITCH_OVERWRITE, 0,
    ID_VIEW_OPTIONS, ID_APP_ABOUT,
};

constexpr int kInsertToolbar[] = {
    ID_INSERT_COMMENT, ID_INSERT_COLOUR, ID_INSERT_BOLD, ID_INSERT_ITALIC, ID_INSERT_UNDERLINE,
    ID_INSERT_PARAGRAPH, ID_INSERT_FONT, ID_INSERT_BREAK, ID_INSERT_CENTER, ID_INSERT_IMAGE,
};

constexpr int kMacrosToolbar[] = {
    ID_MACRO_0, ID_MACRO_1, ID_MACRO_2, ID_MACRO_3, ID_MACRO_4,
    ID_MACRO_5, ID_MACRO_6, ID_MACRO_7, ID_MACRO_8, ID_MACRO_9,
};

constexpr int kChildTopToolbar[] = {ID_SOURCE, ID_PREVIEW};
constexpr int kChildToolbar[] = {
    ID_DOC_CLOSE, 0,
    ID_FILE_SAVE, ID_PREVIEW_DEFAULT_BROWSER, 0,
    ID_EDIT_TOGGLE_BOOKMARK, ID_EDIT_FIND, ID_WINDOW_SPLIT, ID_EDIT_GOTO_LINE, 0,
    ID_EDIT_SELECT_ALL, ID_EDIT_COPY, 0,
    ID_EDIT_TAB, ID_EDIT_UNTAB, 0,
    ID_EDIT_UPPERCASE, ID_EDIT_CAPITALIZE, ID_EDIT_LOWERCASE,
};

} // namespace

std::span<const MenuInfo> MainMenus() { return kMenus; }
std::span<const MenuItem> ContextMenu() { return kContextMenu; }
std::span<const int> ToolbarToggles() { return kToolbarToggles; }
std::span<const int> StandardToolbar() { return kStandardToolbar; }
std::span<const int> InsertToolbar() { return kInsertToolbar; }
std::span<const int> MacrosToolbar() { return kMacrosToolbar; }
std::span<const int> ChildFrameTopToolbar() { return kChildTopToolbar; }
std::span<const int> ChildFrameToolbar() { return kChildToolbar; }
