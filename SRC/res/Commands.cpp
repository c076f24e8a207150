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

std::span<const MenuInfo> MainMenus() { return kMenus; }
std::span<const int> StandardToolbar() { return kStandardToolbar; }
std::span<const int> ChildFrameTopToolbar() { return kChildTopToolbar; }
std::span<const int> ChildFrameToolbar() { return kChildToolbar; }
