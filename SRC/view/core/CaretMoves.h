// Where the caret goes on word moves, Home and double clicks, and the ordering and hit test of
// a selection. Positions are (character index, line).
#pragma once

#include "text/TextLines.h"
#include "text/TextTypes.h"

#include <cstdint>
#include <optional>
#include <string_view>

// Letters, digits and the underscore: what word moves and double clicks take as a word.
bool IsCaretWordChar(uint8_t c);

inline bool IsBefore(TextPoint a, TextPoint b) { return a.y < b.y || (a.y == b.y && a.x < b.x); }

struct TextRange {
    TextPoint start;
    TextPoint end;
};
// The two ends in text order.
inline TextRange Ordered(TextPoint a, TextPoint b)
{
    return IsBefore(b, a) ? TextRange{b, a} : TextRange{a, b};
}
// Whether p is a selected position of the ordered range r (its end is not).
bool IsInside(const TextRange& r, TextPoint p);

// Ctrl+Left from p; nothing at the start of the text.
std::optional<TextPoint> WordLeftOf(const CTextLines& text, TextPoint p);

// Ctrl+Right from p. At the end of the last line nothing; from the end of a line followed by
// an empty one the caller moves one character right from the start of the empty line instead
// (emptyLineStep).
struct WordRightMove {
    std::optional<TextPoint> target;
    bool emptyLineStep = false;
};
WordRightMove WordRightOf(const CTextLines& text, TextPoint p);

// Home: the first character that is not a blank, or the line start when the line is blank or
// the caret already stands there.
int HomeTarget(std::string_view line, int cursor);

// The start and end of the run of word characters around index x.
int WordStartAt(std::string_view line, int x);
int WordEndAt(std::string_view line, int x);
