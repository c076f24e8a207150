// "Match Brace": bracket numbers, enabling and the jumps, as a table of cases.
#include "support/LinesSource.h"
#include "view/core/BraceMatch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(BraceMatchTest, BracketNumbersAndPartners)
{
    const std::string table = "{}()[]<>";
    for (int i = 0; i < 8; ++i) {
        const int b = BracketNumber(static_cast<uint8_t>(table[i]));
        EXPECT_EQ(b, i + 1);
        EXPECT_EQ(table[PartnerBracket(b) - 1], table[i ^ 1]);
    }
    EXPECT_EQ(BracketNumber('a'), 0);
    EXPECT_EQ(BracketNumber(0), 0);
    EXPECT_EQ(BracketNumber(0xAB), 0); // the Cyrillic quote is not a bracket
}

TEST(BraceMatchTest, EnabledByABracketAtOrBeforeTheCaret)
{
    EXPECT_TRUE(CanMatchBrace("(a", 0));
    EXPECT_TRUE(CanMatchBrace("a)", 2));
    EXPECT_TRUE(CanMatchBrace("a>b", 2));
    EXPECT_FALSE(CanMatchBrace("a(b", 0));
    EXPECT_FALSE(CanMatchBrace("a(bc", 3));
    EXPECT_FALSE(CanMatchBrace("", 0));
}

struct JumpCase {
    const char* what;
    std::vector<std::string> lines;
    TextPoint cursor;
    std::optional<TextPoint> expected;
};

TEST(BraceMatchTest, Jumps)
{
    const std::vector<JumpCase> cases = {
        {"before the opening one goes before the final closing one",
         {"(a(b)c)"},
         {0, 0},
         TextPoint{6, 0}},
        {"after the closing one goes after the opening one", {"(a(b)c)"}, {7, 0}, TextPoint{1, 0}},
        {"the inner pair", {"(a(b)c)"}, {2, 0}, TextPoint{4, 0}},
        {"a tag's angle brackets pair", {"<a href=\"x\">text</a>"}, {0, 0}, TextPoint{11, 0}},
        {"the byte at the caret wins over the one before", {"(x)(y)"}, {3, 0}, TextPoint{5, 0}},
        {"other kinds of bracket do not count", {"{(})"}, {0, 0}, TextPoint{2, 0}},
        {"brackets in strings count too", {"f(\")\")"}, {1, 0}, TextPoint{3, 0}},
        {"forward across lines", {"int f() {", "  return 0;", "}"}, {8, 0}, TextPoint{0, 2}},
        {"backward across empty lines", {"[", "", "", "x]"}, {2, 3}, TextPoint{1, 0}},
        {"a bracket with no partner stays", {"(ab", "cd"}, {0, 0}, std::nullopt},
        {"a closing one with no partner stays", {"ab)"}, {3, 0}, std::nullopt},
        {"no bracket at the caret", {"abc"}, {1, 0}, std::nullopt},
        {"a line outside the text", {"()"}, {0, 5}, std::nullopt},
    };
    for (const JumpCase& c : cases) {
        const LinesSource source(c.lines);
        EXPECT_EQ(MatchBrace(source, c.cursor), c.expected) << c.what;
    }
}

} // namespace
