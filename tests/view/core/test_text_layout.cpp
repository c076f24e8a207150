// Display columns, the character at a column, tab expansion with visible whitespace, and the
// steps of a smooth scroll.
#include "view/core/TextLayout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace text_layout;

struct ColumnCase {
    const char* name;
    std::string_view line;
    int tabSize;
    int index; // ColumnOfChar(index) == column
    int column;
};
void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class ColumnOfCharTest : public testing::TestWithParam<ColumnCase> {};

TEST_P(ColumnOfCharTest, Column)
{
    const ColumnCase& c = GetParam();
    EXPECT_EQ(ColumnOfChar(c.line, c.index, c.tabSize), c.column);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, ColumnOfCharTest,
    testing::Values(ColumnCase{"PlainBytes", "abcdef", 4, 4, 4},
                    ColumnCase{"TabAtColumn3TakesOne", "abc\tx", 4, 4, 4},
                    ColumnCase{"TabAtColumn4TakesFour", "abcd\tx", 4, 5, 8},
                    ColumnCase{"TabsInARow", "\t\tx", 4, 2, 8},
                    ColumnCase{"TabSizeOne", "a\tb", 1, 2, 2},
                    ColumnCase{"IndexPastTheEndStopsAtTheEnd", "a\tb", 4, 9, 5},
                    ColumnCase{"ZeroBytesAreOneColumn", std::string_view("a\0b", 3), 4, 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TextLayoutTest, CharOfColumnRoundsWithinTabsAndCharacters)
{
    // "a\tb" with tab size 8: a = column 0, the tab 1-7, b = 8.
    const std::string_view line = "a\tb";
    EXPECT_EQ(CharOfColumn(line, 0, 8), 0);
    EXPECT_EQ(CharOfColumn(line, 1, 8), 1);
    // Inside the tab: up to tab size / 2 before its end the caret stays before it.
    EXPECT_EQ(CharOfColumn(line, 4, 8), 1);
    EXPECT_EQ(CharOfColumn(line, 5, 8), 2);
    EXPECT_EQ(CharOfColumn(line, 8, 8), 2);
    EXPECT_EQ(CharOfColumn(line, 9, 8), 3);
    EXPECT_EQ(CharOfColumn(line, 40, 8), 3);
    EXPECT_EQ(CharOfColumn("", 5, 4), 0);
}

TEST(TextLayoutTest, CharAtColumnGivesTheCharacterWhoseCellHoldsTheColumn)
{
    const std::string_view line = "ab\tc";
    EXPECT_EQ(CharAtColumn(line, 0, 4), 0);
    EXPECT_EQ(CharAtColumn(line, 1, 4), 1);
    EXPECT_EQ(CharAtColumn(line, 2, 4), 2); // the tab covers columns 2 and 3
    EXPECT_EQ(CharAtColumn(line, 3, 4), 2);
    EXPECT_EQ(CharAtColumn(line, 4, 4), 3);
    EXPECT_EQ(CharAtColumn(line, 5, 4), 4);
    EXPECT_EQ(CharAtColumn(line, 99, 4), 4);
}

TEST(TextLayoutTest, ExpandTabsShowsWhitespaceWhenAsked)
{
    std::string out;
    ExpandTabs("a\tb c", 0, 5, 0, 4, false, out);
    EXPECT_EQ(out, "a   b c");
    ExpandTabs("a\tb c", 0, 5, 0, 4, true, out);
    EXPECT_EQ(out, "a\xBB  b\x95"
                   "c");
    // A run starting inside the line expands from its own column.
    ExpandTabs("ab\tc", 2, 2, 2, 4, false, out);
    EXPECT_EQ(out, "  c");
    // Without tabs and visible whitespace the bytes are copied as they are.
    ExpandTabs(std::string_view("x\0\x98", 3), 0, 3, 0, 4, false, out);
    EXPECT_EQ(out, std::string("x\0\x98", 3));
}

TEST(TextLayoutTest, TabSizeOutsideTheRangeIsFour)
{
    EXPECT_EQ(EffectiveTabSize(1), 1);
    EXPECT_EQ(EffectiveTabSize(63), 63);
    EXPECT_EQ(EffectiveTabSize(0), 4);
    EXPECT_EQ(EffectiveTabSize(64), 4);
    EXPECT_EQ(EffectiveTabSize(-8), 4);
}

TEST(TextLayoutTest, SmoothScrollOfThirteenLinesMovesThreeAtATime)
{
    EXPECT_EQ(SmoothScrollStep(13), 3);
    EXPECT_EQ(SmoothScrollStep(-13), 3);
    EXPECT_EQ(SmoothScrollStep(5), 1);
}

} // namespace
