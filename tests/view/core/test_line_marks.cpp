// Margin icons and line highlights by line flags.
#include "text/TextTypes.h"
#include "view/core/LineMarks.h"

#include <gtest/gtest.h>

namespace {

TEST(LineMarksTest, FirstFlagInIconOrderPicksTheIcon)
{
    EXPECT_EQ(MarginIconFor(0), -1);
    EXPECT_EQ(MarginIconFor(LINEFLAG_HIGHLIGHT_GREEN | LineFlagBookmark(1)), 0);
    EXPECT_EQ(MarginIconFor(LINEFLAG_NOTE), 2);
    EXPECT_EQ(MarginIconFor(LineFlagBookmark(1)), 3);
    EXPECT_EQ(MarginIconFor(LineFlagBookmark(9)), 11);
    // Bookmarks 1 to 9 come before bookmark 0.
    EXPECT_EQ(MarginIconFor(LineFlagBookmark(0) | LineFlagBookmark(3)), 5);
    EXPECT_EQ(MarginIconFor(LineFlagBookmark(0)), 12);
    EXPECT_EQ(MarginIconFor(LINEFLAG_MARK), 13);
    // The teal highlight has no picture.
    EXPECT_EQ(MarginIconFor(LINEFLAG_HIGHLIGHT_TEAL), -1);
    EXPECT_EQ(MarginIconFor(LINEFLAG_HIGHLIGHT_TEAL | LINEFLAG_MARK), 13);
}

TEST(LineMarksTest, HighlightFlagsInOrderOfPrecedence)
{
    EXPECT_FALSE(LineHighlightFor(LINEFLAG_MARK).present);
    const LineHighlightColours green =
        LineHighlightFor(LINEFLAG_HIGHLIGHT_GREEN | LINEFLAG_HIGHLIGHT_RED);
    EXPECT_EQ(green.background, 0x008000u);
    EXPECT_EQ(green.text, 0xFFFFFFu);
    EXPECT_TRUE(green.fillRest);
    EXPECT_EQ(LineHighlightFor(LINEFLAG_HIGHLIGHT_RED | LINEFLAG_HIGHLIGHT_TEAL).background,
              0xFF0000u);
    EXPECT_EQ(LineHighlightFor(LINEFLAG_HIGHLIGHT_TEAL).background, 0x008080u);
}

} // namespace
