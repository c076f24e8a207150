// Command ids of menus, toolbars and accelerators, and the ids of the status-bar panes.
#pragma once

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FIRST = 57616, // the recent files, nine entries
    ID_FILE_MRU_LAST = 57624,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    ID_FILE_SAVE_ALL = 32773,
    ID_PREVIEW_DEFAULT_BROWSER = 32775,
    ID_PREVIEW_BROWSER_1 = 37273,
    ID_PREVIEW_BROWSER_2 = 37274,
    ID_PREVIEW = 37254,
    ID_SOURCE = 37253,
    ID_DOC_CLOSE = 37255,
    ID_SOURCE_TYPE_FIRST = 37500, // 23 source types, 37500-37522
    ID_SOURCE_TYPE_LAST = 37522,
};

enum PaneId : int {
    ID_PANE_MESSAGE = 0,
    ID_PANE_POSITION = 8633,
    ID_PANE_OVERWRITE = 59140,
    ID_PANE_LINE_ENDING = 8632,
    ID_PANE_CODE_PAGE = 8641,
    ID_PANE_READ_ONLY = 8642,
    ID_PANE_CLOCK = 8643,
};

// The request to open a file by its full path (from the other panes and a second instance).
constexpr int WM_OPEN_REQUEST = 1129;
