// The string table: user-visible texts by number.
#pragma once

#include <string_view>

enum StringId : int {
    IDS_DOC_DESCRIPTOR = 129,
    IDS_UNDO_MENU = 8615,
    IDS_REDO_MENU = 8616,
    IDS_UNDO_NOTHING = 8617,
    IDS_FILE_FILTER = 8640,
    IDS_IDLE_MESSAGE = 57345,
    IDS_ASK_TO_SAVE = 61440,
    IDS_VERSION_LINE = 8700,
    IDS_COMPILED_ON = 8701,
    IDS_NO_TEMP_PREVIEW = 8702,
    IDS_NO_PREVIEW_PROGRAM = 8703,
    IDS_NO_BROWSER_PATH = 8704,
    IDS_BROWSER_NOT_STARTED = 8705,
    IDS_OPEN_FAILED = 8706,
    IDS_SAVE_FAILED = 8707,
    IDS_LOSSY_LOAD = 8708,
    IDS_LOSSY_SAVE = 8709,
    IDS_UNSAVEABLE_SAVE = 8710,
    IDS_RECENT_MISSING = 8711,
    IDS_DEBUG_TITLE = 8720,
    IDS_DEBUG_WARNING = 8721,
    IDS_DEBUG_CHOOSE = 8722,
    IDS_DEBUG_RESET = 8723,
    IDS_DEBUG_IGNORE = 8724,
    IDS_DEBUG_DISABLE = 8725,
    IDS_DEBUG_CLOSE = 8726,
    IDS_DEBUG_RESET_TIP = 8727,
    IDS_DEBUG_IGNORE_TIP = 8728,
    IDS_DEBUG_DISABLE_TIP = 8729,
    IDS_DEBUG_CLOSE_TIP = 8730,
    IDS_FILE_ENCODING = 8731,
    IDS_LINE_ENDING = 8732,
    IDS_OUT_OF_MEMORY = 8733,
    IDS_ABOUT_TITLE = 8734,
    IDS_MACRO_CANNOT_WRITE = 8658,
    IDS_MACRO_CANNOT_READ = 8659,
    IDS_MACRO_BAD_FILE = 8660,
    IDS_MACRO_FILE_CUT_SHORT = 8740,
};

// The text of a string; empty for an unknown number. Texts with "%1", "%2" take arguments
// in that order.
std::string_view ResString(int id);

// The fields of the document type's descriptor (string 129), separated by "\n".
enum DocDescriptorField { DOC_WINDOW_TITLE, DOC_NAME, DOC_NEW_FILE_NAME, DOC_FILTER_NAME,
                          DOC_FILTER_EXTENSION, DOC_REGISTERED_TYPE, DOC_TYPE_DESCRIPTION };
std::string_view DocDescriptorField(int field);
