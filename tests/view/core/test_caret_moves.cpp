// Word moves, Home, word bounds and the selection hit test over a few lines of text.
#include "view/core/CaretMoves.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

class Lines : public CTextLines {
public:
    explicit Lines(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
    int LineCount() const override { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int line) const override { return m_lines[line]; }
    const CTextLines& Text() const { return *this; }

private:
    std::vector<std::string> m_lines;
};

struct MoveCase {
    const char* name;
    std::vector<std::string> lines;
    TextPoint from;
    std::optional<TextPoint> to; // none: nothing happens
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class WordLeftTest : public testing::TestWithParam<MoveCase> {};

TEST_P(WordLeftTest, Target)
{
    const MoveCase& c = GetParam();
    const Lines lines(c.lines);
    EXPECT_EQ(WordLeftOf(lines.Text(), c.from), c.to);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, WordLeftTest,
    testing::Values(
        MoveCase{"StartOfTextDoesNothing", {"abc"}, {0, 0}, std::nullopt},
        MoveCase{"ToTheStartOfTheWord", {"foo bar"}, {6, 0}, TextPoint{4, 0}},
        MoveCase{"OverBlanksToThePreviousWord", {"foo  bar"}, {5, 0}, TextPoint{0, 0}},
        MoveCase{"PunctuationRunStopsAtWordOrBlank", {"a+-=b"}, {4, 0}, TextPoint{1, 0}},
        MoveCase{"FromLineStartStopsAfterPreviousText", {"abc  ", "x"}, {0, 1}, TextPoint{3, 0}},
        MoveCase{"UnderscoreBeforeLineEndTakesTheWord", {"ab_  ", "x"}, {0, 1}, TextPoint{0, 0}},
        MoveCase{"BlankLineGoesToItsStart", {"   ", "x"}, {0, 1}, TextPoint{0, 0}},
        MoveCase{"CyrillicLettersAreWordCharacters", {"x \xC4\xE0\xA8\xB8"}, {6, 0}, TextPoint{2, 0}},
        MoveCase{"EveryCyrillicLetterOfThePageIsAWordCharacter",
                 {"x \xB2\xB3\xAF\xBF\xAA\xBA\xA5\xB4\xA1\xA2\x80\x90\x8A\x9A\xA3\xBC\xBD\xBE\x8F\x9F"},
                 {22, 0}, TextPoint{2, 0}},
        MoveCase{"DigitsAndUnderscoreAreWordCharacters", {"x a_1"}, {5, 0}, TextPoint{2, 0}},
        MoveCase{"MinusAndFullStopAreNot", {"ab-.cd"}, {4, 0}, TextPoint{2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct RightCase {
    const char* name;
    std::vector<std::string> lines;
    TextPoint from;
    std::optional<TextPoint> to;
    bool emptyLineStep;
};
void PrintTo(const RightCase& c, std::ostream* os) { *os << c.name; }

class WordRightTest : public testing::TestWithParam<RightCase> {};

TEST_P(WordRightTest, Target)
{
    const RightCase& c = GetParam();
    const Lines lines(c.lines);
    const WordRightMove move = WordRightOf(lines.Text(), c.from);
    EXPECT_EQ(move.target, c.to);
    EXPECT_EQ(move.emptyLineStep, c.emptyLineStep);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, WordRightTest,
    testing::Values(
        RightCase{"FromWordStartToNextWord", {"foo  bar"}, {0, 0}, TextPoint{5, 0}, false},
        RightCase{"FromBlankToNextWord", {"foo  bar"}, {3, 0}, TextPoint{5, 0}, false},
        RightCase{"OverUkrainianAndSerbianLetters", {"\xB3\xBF\x9A\x9F x"}, {0, 0}, TextPoint{5, 0}, false},
        RightCase{"PunctuationRunThenBlanks", {"+= x"}, {0, 0}, TextPoint{3, 0}, false},
        RightCase{"LastWordEndsAtLineEnd", {"foo bar"}, {4, 0}, TextPoint{7, 0}, false},
        RightCase{"EndOfLastLineDoesNothing", {"foo"}, {3, 0}, std::nullopt, false},
        RightCase{"EndOfLineBeforeEmptyLineStepsOnce", {"foo", "", "x"}, {3, 0}, TextPoint{0, 1}, true},
        RightCase{"EndOfLineContinuesOnTheNextLine", {"foo", "  bar"}, {3, 0}, TextPoint{2, 1}, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CaretMovesTest, HomeAlternatesBetweenIndentAndLineStart)
{
    EXPECT_EQ(HomeTarget("    x", 5), 4);
    EXPECT_EQ(HomeTarget("    x", 4), 0);
    EXPECT_EQ(HomeTarget("    x", 0), 4);
    EXPECT_EQ(HomeTarget("  \t ", 3), 0);
    EXPECT_EQ(HomeTarget("", 0), 0);
}

TEST(CaretMovesTest, WordBoundsAroundAPosition)
{
    const std::string_view line = "<a href=x_1>";
    EXPECT_EQ(WordStartAt(line, 6), 3);
    EXPECT_EQ(WordEndAt(line, 6), 7);
    // Just after a word: the word before.
    EXPECT_EQ(WordStartAt(line, 2), 1);
    EXPECT_EQ(WordEndAt(line, 2), 2);
    // Between two non-word bytes nothing.
    EXPECT_EQ(WordStartAt(line, 0), 0);
    EXPECT_EQ(WordEndAt(line, 0), 0);
    EXPECT_EQ(WordEndAt(line, 9), 11);
}

TEST(CaretMovesTest, SelectionHitTest)
{
    const TextRange oneLine = Ordered({5, 2}, {2, 2});
    EXPECT_EQ(oneLine.start, (TextPoint{2, 2}));
    EXPECT_TRUE(IsInside(oneLine, {2, 2}));
    EXPECT_TRUE(IsInside(oneLine, {4, 2}));
    EXPECT_FALSE(IsInside(oneLine, {5, 2}));
    const TextRange lines = Ordered({0, 4}, {3, 1});
    EXPECT_FALSE(IsInside(lines, {2, 1}));
    EXPECT_TRUE(IsInside(lines, {3, 1}));
    EXPECT_TRUE(IsInside(lines, {99, 1}));
    EXPECT_TRUE(IsInside(lines, {0, 3}));
    EXPECT_FALSE(IsInside(lines, {0, 4}));
    EXPECT_FALSE(IsInside(Ordered({1, 1}, {1, 1}), {1, 1}));
}

} // namespace
