// Margin icons and line highlights by line flags.
#include "view/core/LineMarks.h"

#include "text/TextTypes.h"

#include <iterator>

namespace {

// Icon strip rows in order: the first flag a line holds picks its row.
constexpr uint32_t kIconFlags[] = {
    LINEFLAG_HIGHLIGHT_GREEN, LINEFLAG_HIGHLIGHT_RED, LINEFLAG_NOTE,           LineFlagBookmark(1),
    LineFlagBookmark(2),      LineFlagBookmark(3),    LineFlagBookmark(4),     LineFlagBookmark(5),
    LineFlagBookmark(6),      LineFlagBookmark(7),    LineFlagBookmark(8),     LineFlagBookmark(9),
    LineFlagBookmark(0),      LINEFLAG_MARK,          LINEFLAG_HIGHLIGHT_TEAL,
};

} // namespace

int MarginIconFor(uint32_t flags)
{
    for (int row = 0; row < static_cast<int>(std::size(kIconFlags)); ++row)
        if (flags & kIconFlags[row])
            return row < kMarginIconCount ? row : -1;
    return -1;
}

LineHighlightColours LineHighlightFor(uint32_t flags)
{
    if (flags & LINEFLAG_HIGHLIGHT_GREEN)
        return {true, 0x008000, 0xFFFFFF, true};
    if (flags & LINEFLAG_HIGHLIGHT_RED)
        return {true, 0xFF0000, 0xFFFFFF, true};
    if (flags & LINEFLAG_HIGHLIGHT_TEAL)
        return {true, 0x008080, 0xFFFFFF, true};
    return {};
}
