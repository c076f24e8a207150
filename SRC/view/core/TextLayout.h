// Display columns of a line: tab stops, the column of a character, the character at a column,
// and the display text of a run with visible whitespace.
#pragma once

#include <string>
#include <string_view>

namespace text_layout {

// Bytes the view draws for a tab and a space while whitespace is shown.
constexpr char kVisibleTab = static_cast<char>(0xBB);
constexpr char kVisibleSpace = static_cast<char>(0x95);

// The tab size the view works with: 1 to 63 as set, anything else 4.
int EffectiveTabSize(int tabSize);

// Columns that a tab starting at column takes.
inline int TabAdvance(int column, int tabSize) { return tabSize - column % tabSize; }

// The display column where character index starts.
int ColumnOfChar(std::string_view line, int index, int tabSize);
// The character index the caret takes for a column on vertical moves: before a character
// when the column lies in its first half (tabs: up to half the tab size before its end),
// after it otherwise; the line length past the end.
int CharOfColumn(std::string_view line, int column, int tabSize);
// The character whose cell holds a column (a click anywhere on a character lands before it);
// the line length past the end.
int CharAtColumn(std::string_view line, int column, int tabSize);

// The display text of count characters from start, whose first one is at startColumn: tabs
// become spaces up to the next stop; with visible whitespace a tab starts with kVisibleTab
// and a space becomes kVisibleSpace. One byte per display column.
void ExpandTabs(std::string_view line, int start, int count, int startColumn, int tabSize,
                bool visibleWhitespace, std::string& out);

// The lines each step of a smooth scroll over distance moves; the last step stops short at the
// target.
int SmoothScrollStep(int distance);

} // namespace text_layout
