// The main menus and the toolbars.
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
    {MenuItemKind::Command, ID_FILE_PAGE_SETUP, {}, true},
    {MenuItemKind::Separator},
    {MenuItemKind::RecentFiles},
    {MenuItemKind::Separator},
    {MenuItemKind::Command, ID_APP_EXIT},
};

constexpr MenuItem kViewMenu[] = {
    {MenuItemKind::Toolbars, 0, "&Toolbars"},
    {MenuItemKind::Command, ID_VIEW_STATUS_BAR},
    {MenuItemKind::SourceTypes, 0, "Source T&ype", true},
    {MenuItemKind::Command, ID_VIEW_OPTIONS},
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

constexpr MenuItem kBookmarksMenu[] = {
    {MenuItemKind::Command, ID_EDIT_NEXT_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_PREVIOUS_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_TOGGLE_BOOKMARK},
    {MenuItemKind::Command, ID_EDIT_CLEAR_BOOKMARKS},
};

constexpr MenuItem kGoToBookmarkMenu[] = {
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 0},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 1},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 2},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 3},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 4},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 5},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 6},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 7},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 8},
    {MenuItemKind::Command, ID_EDIT_GO_BOOKMARK_0 + 9},
};

constexpr MenuItem kSetBookmarkMenu[] = {
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 0},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 1},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 2},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 3},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 4},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 5},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 6},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 7},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 8},
    {MenuItemKind::Command, ID_EDIT_SET_BOOKMARK_0 + 9},
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
    {MenuItemKind::Command, ID_EDIT_FIND},
    {MenuItemKind::Command, ID_EDIT_REPEAT},
    {MenuItemKind::Command, ID_EDIT_FIND_PREVIOUS},
    {MenuItemKind::Command, ID_EDIT_REPLACE},
    {MenuItemKind::Command, ID_EDIT_GOTO_LINE},
    {MenuItemKind::Separator},
    {MenuItemKind::Submenu, 0, "Bookmarks", false, kBookmarksMenu},
    {MenuItemKind::Submenu, 0, "Go to", false, kGoToBookmarkMenu},
    {MenuItemKind::Submenu, 0, "Set", false, kSetBookmarkMenu},
    {MenuItemKind::Submenu, 0, "Case", false, kCaseMenu},
    {MenuItemKind::Command, ID_EDIT_AUTO_COMPLETE},
    {MenuItemKind::Command, ID_EDIT_AUTO_EXPAND},
    {MenuItemKind::Command, ID_EDIT_MATCH_BRACE},
};

constexpr MenuItem kInsertMenu[] = {
    {MenuItemKind::Command, ID_INSERT_BOLD},
    {MenuItemKind::Command, ID_INSERT_BREAK},
    {MenuItemKind::Command, ID_INSERT_CENTER},
    {MenuItemKind::Command, ID_INSERT_COMMENT},
    {MenuItemKind::Command, ID_INSERT_FONT},
    {MenuItemKind::Command, ID_INSERT_ITALIC},
    {MenuItemKind::Command, ID_INSERT_PARAGRAPH},
    {MenuItemKind::Command, ID_INSERT_UNDERLINE},
    {MenuItemKind::Command, ID_INSERT_COLOUR},
    {MenuItemKind::Command, ID_INSERT_IMAGE},
};

constexpr MenuItem kHelpMenu[] = {
    {MenuItemKind::Command, ID_APP_ABOUT},
};

constexpr MenuInfo kMenus[] = {
    {"&File", false, kFileMenu},
    {"&Edit", true, kEditMenu},
    {"&Insert", true, kInsertMenu},
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

std::span<const MenuInfo> MainMenus() { return kMenus; }
std::span<const int> StandardToolbar() { return kStandardToolbar; }
std::span<const int> ChildFrameTopToolbar() { return kChildTopToolbar; }
std::span<const int> ChildFrameToolbar() { return kChildToolbar; }
