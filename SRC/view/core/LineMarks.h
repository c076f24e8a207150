// What line flags show in the view: the margin icon of a line and the highlight colours that
// three flags give the whole line.
#pragma once

#include <cstdint>

// Flags that colour a whole line; the program itself never sets them.
constexpr uint32_t LINEFLAG_HIGHLIGHT_GREEN = 0x10000;
constexpr uint32_t LINEFLAG_HIGHLIGHT_RED = 0x20000;
constexpr uint32_t LINEFLAG_NOTE = 0x40000; // an icon only
constexpr uint32_t LINEFLAG_HIGHLIGHT_TEAL = 0x100000;

constexpr int kMarginIconCount = 14; // images in the icon strip, 16 x 16 each
constexpr int kMarginIconSize = 16;

// The row of the margin icon strip for a line's flags, or -1 for none. A flag without an image
// (the teal highlight) also gives -1.
int MarginIconFor(uint32_t flags);

// Colours as 0xRRGGBB.
struct LineHighlightColours {
    bool present = false; // false: the colour classes apply
    uint32_t background = 0;
    uint32_t text = 0;
    bool fillRest = false; // the rest of the line right of the text takes the background
};
LineHighlightColours LineHighlightFor(uint32_t flags);
