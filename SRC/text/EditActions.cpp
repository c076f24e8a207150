// Descriptions of the edit action codes, as the Undo and Redo menu texts show them.
#include "text/EditActions.h"

std::string_view EditActionDescription(int action)
{
    static constexpr std::string_view descriptions[kEditActionCount] = {
        "Unknown",     "Paste",        "Delete Selection", "Cut",           "Typing",
        "Backspace",   "Indent",       "Drag And Drop",    "Replace",       "Delete",
        "Auto Indent", "Smart Indent", "Macros insert",    "Auto Complete", "Auto Expand",
        "Lower case",  "Upper case",   "Swap case",        "Capitalize",    "Sentencize",
    };
    return action >= 0 && action < kEditActionCount ? descriptions[action] : std::string_view{};
}
