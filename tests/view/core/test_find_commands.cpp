// Find's initial text, Find Next and Previous, Go to line, and incremental search's keys and
// prompts, on a buffer without a display.
#include "support/LinesBuffer.h"
#include "view/core/FindCommands.h"

#include <gtest/gtest.h>

// Found by the test framework through the argument's namespace, so outside the anonymous one.
void PrintTo(const FindCaret& c, std::ostream* os)
{
    *os << "cursor " << c.cursor.y << ':' << c.cursor.x << " selection " << c.selection.start.y
        << ':' << c.selection.start.x << '-' << c.selection.end.y << ':' << c.selection.end.x;
}

namespace {

FindCaret Selected(TextPoint a, TextPoint b) { return {b, Ordered(a, b)}; }

class FindCommandsTest : public testing::Test {
protected:
    FindCommandsTest() { FillBuffer(buffer, {"alpha beta_gamma", "x beta", "", "Beta end"}); }

    CIncrementalSearch::Step Key(uint8_t c) { return Apply(isearch.Type(buffer, search, view, c)); }
    CIncrementalSearch::Step Apply(CIncrementalSearch::Step step)
    {
        if (step.caret)
            view = *step.caret;
        return step;
    }

    CKTextBuffer buffer;
    CTextSearch search;
    CIncrementalSearch isearch;
    FindCaret view;
};

TEST_F(FindCommandsTest, FindOpensWithTheWordOrTheSelectedText)
{
    EXPECT_EQ(FindInitialText(buffer, FindCaret::At({8, 0}), "old"), "beta_gamma");
    EXPECT_EQ(FindInitialText(buffer, FindCaret::At({5, 0}), "old"), "alpha");
    EXPECT_EQ(FindInitialText(buffer, FindCaret::At({0, 2}), "old"), "old");
    EXPECT_EQ(FindInitialText(buffer, Selected({2, 1}, {0, 1}), "old"), "x ");
    EXPECT_EQ(FindInitialText(buffer, Selected({0, 0}, {1, 1}), "old"), "old");
}

TEST_F(FindCommandsTest, FindRemembersPerView)
{
    const FindOptions stored{"stored", FIND_UP | FIND_MATCH_CASE};
    CFindMemory memory;
    FindOptions opening = memory.Opening(stored, buffer, FindCaret::At({0, 2}));
    EXPECT_EQ(opening.text, "stored");
    EXPECT_EQ(opening.flags, FIND_UP | FIND_MATCH_CASE);
    EXPECT_EQ(memory.Opening(stored, buffer, FindCaret::At({1, 1})).text, "x");
    EXPECT_FALSE(memory.SearchedBefore());

    memory.Closed({"mine", FIND_REGEXP});
    EXPECT_TRUE(memory.SearchedBefore());
    opening = memory.Opening(stored, buffer, FindCaret::At({0, 2}));
    EXPECT_EQ(opening.text, "mine"); // the view's own Find comes before the settings
    EXPECT_EQ(opening.flags, FIND_REGEXP);
    memory.Forget();
    EXPECT_EQ(memory.Opening(stored, buffer, FindCaret::At({0, 2})).text, "stored");
}

TEST_F(FindCommandsTest, FindAgainAndPrevious)
{
    // Down from the cursor, so a match right after the cursor is found.
    auto next = FindAgain(buffer, search, FindCaret::At({0, 0}), "beta", 0, false);
    ASSERT_TRUE(next);
    EXPECT_EQ(*next, Selected({6, 0}, {10, 0}));
    next = FindAgain(buffer, search, *next, "beta", 0, false);
    EXPECT_EQ(*next, Selected({2, 1}, {6, 1}));
    // Previous inverts the direction and starts at the selection's start.
    auto previous = FindAgain(buffer, search, *next, "beta", 0, true);
    EXPECT_EQ(*previous, Selected({6, 0}, {10, 0}));
    previous = FindAgain(buffer, search, *previous, "beta", FIND_UP, false);
    EXPECT_EQ(*previous, Selected({0, 3}, {4, 3})); // wrapped round from the end
    EXPECT_EQ(FindAgain(buffer, search, *previous, "beta", FIND_WHOLE_WORD | FIND_UP, true),
              Selected({6, 0}, {10, 0})); // the underscore is no word byte here
    EXPECT_EQ(FindAgain(buffer, search, *previous, "delta", 0, false), std::nullopt);
}

TEST_F(FindCommandsTest, GotoLineLimits)
{
    EXPECT_EQ(GotoLineTarget(buffer, 0), std::nullopt);
    EXPECT_EQ(GotoLineTarget(buffer, -3), std::nullopt);
    EXPECT_EQ(GotoLineTarget(buffer, 1), (TextPoint{0, 0}));
    EXPECT_EQ(GotoLineTarget(buffer, 4), (TextPoint{0, 3}));
    EXPECT_EQ(GotoLineTarget(buffer, 99999), (TextPoint{8, 3}));
}

TEST_F(FindCommandsTest, IncrementalSearchKeysAndPrompts)
{
    view = Selected({1, 0}, {3, 0});
    const FindCaret before = view;
    EXPECT_EQ(isearch.StatusText(), "");
    Apply(isearch.Start(buffer, search, view, true));
    EXPECT_EQ(view, FindCaret::At({3, 0}));
    EXPECT_EQ(isearch.StatusText(), "Incremental search: ");
    Key('B');
    EXPECT_EQ(view, Selected({6, 0}, {7, 0}));
    Key('e');
    EXPECT_EQ(view, Selected({6, 0}, {8, 0}));
    EXPECT_EQ(isearch.StatusText(), "Incremental search: Be");
    Apply(isearch.Start(buffer, search, view, true)); // the next one
    EXPECT_EQ(view, Selected({2, 1}, {4, 1}));
    Apply(isearch.Start(buffer, search, view, false)); // turned round, from the start
    EXPECT_EQ(view, Selected({6, 0}, {8, 0}));
    EXPECT_EQ(isearch.StatusText(), "Incremental search backward: Be");
    Apply(isearch.Start(buffer, search, view, false)); // wraps to the last line
    EXPECT_EQ(view, Selected({0, 3}, {2, 3}));

    EXPECT_TRUE(Key('z').beep);
    EXPECT_EQ(view, Selected({0, 3}, {2, 3})); // a failed step keeps the selection
    EXPECT_EQ(isearch.StatusText(), "Incremental search failed: Bez");
    const auto ignored = Key('q');
    EXPECT_TRUE(ignored.beep);
    EXPECT_EQ(isearch.Text(), "Bez");
    Apply(isearch.Backspace(buffer, search, view));
    EXPECT_EQ(isearch.StatusText(), "Incremental search backward: Be");

    EXPECT_EQ(Key(27).caret, before); // Escape gives back the selection it began with
    EXPECT_FALSE(isearch.Running());
    EXPECT_EQ(isearch.StatusText(), "");

    // A new search starts empty; the same key again takes the previous text.
    Apply(isearch.Start(buffer, search, FindCaret::At({0, 0}), true));
    EXPECT_EQ(isearch.Text(), "");
    Apply(isearch.Start(buffer, search, view, true));
    EXPECT_EQ(isearch.Text(), "Be");
    Key('\t');
    EXPECT_TRUE(isearch.Failed());
    Apply(isearch.Backspace(buffer, search, view));
    EXPECT_EQ(view, Selected({6, 0}, {8, 0}));
    for (const char c : std::string("ta "))
        Key(c);
    EXPECT_EQ(view, Selected({0, 3}, {5, 3}));
    EXPECT_FALSE(Key(13).caret.has_value()); // Enter keeps the found selection
    EXPECT_FALSE(isearch.Running());
}

TEST_F(FindCommandsTest, IncrementalSearchStartsOnlyWhereItCanMove)
{
    EXPECT_FALSE(CIncrementalSearch::CanStart(buffer, {8, 3}, true));
    EXPECT_TRUE(CIncrementalSearch::CanStart(buffer, {8, 3}, false));
    EXPECT_FALSE(CIncrementalSearch::CanStart(buffer, {0, 0}, false));
    EXPECT_TRUE(CIncrementalSearch::CanStart(buffer, {0, 0}, true));
}

} // namespace
