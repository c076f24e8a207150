// Edit action codes: the reason recorded with each undo group, and their descriptions.
#pragma once

#include <string_view>

enum EditAction : int {
    ACTION_UNKNOWN = 0,
    ACTION_PASTE = 1,
    ACTION_DELETE_SELECTION = 2,
    ACTION_CUT = 3,
    ACTION_TYPING = 4,
    ACTION_BACKSPACE = 5,
    ACTION_INDENT = 6,
    ACTION_DRAG_AND_DROP = 7,
    ACTION_REPLACE = 8,
    ACTION_DELETE = 9,
    ACTION_AUTO_INDENT = 10,
    ACTION_SMART_INDENT = 11,
    ACTION_MACROS_INSERT = 12,
    ACTION_AUTO_COMPLETE = 13,
    ACTION_AUTO_EXPAND = 14,
    ACTION_LOWER_CASE = 15,
    ACTION_UPPER_CASE = 16,
    ACTION_SWAP_CASE = 17,
    ACTION_CAPITALIZE = 18,
    ACTION_SENTENCIZE = 19,
};
constexpr int kEditActionCount = 20;

// The description of a code 0-19; empty for any other code.
std::string_view EditActionDescription(int action);
