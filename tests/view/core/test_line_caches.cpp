// The parse-state and width caches: lazy filling from the last known state, forgetting states
// from a changed line downward, and the widest line kept through changes.
#include "view/core/LineCaches.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A parser stand-in: the state after line j is the state before it plus j + 1; calls are
// recorded.
struct CountingParse {
    std::vector<int>* lines;
    uint32_t operator()(uint32_t state, int line) const
    {
        lines->push_back(line);
        return state + static_cast<uint32_t>(line) + 1;
    }
};

TEST(ParseStateCacheTest, FillsFromTheLastKnownStateAndKeepsWhatItComputed)
{
    CParseStateCache cache;
    cache.Allocate(10);
    std::vector<int> parsed;
    EXPECT_EQ(cache.StateBefore(0, CountingParse{&parsed}), 0u);
    EXPECT_TRUE(parsed.empty());
    EXPECT_EQ(cache.StateBefore(4, CountingParse{&parsed}), 1u + 2 + 3 + 4);
    EXPECT_EQ(parsed, (std::vector<int>{0, 1, 2, 3}));
    parsed.clear();
    EXPECT_EQ(cache.StateBefore(6, CountingParse{&parsed}), 21u);
    EXPECT_EQ(parsed, (std::vector<int>{4, 5}));
    parsed.clear();
    EXPECT_EQ(cache.StateBefore(3, CountingParse{&parsed}), 6u);
    EXPECT_TRUE(parsed.empty());
}

TEST(ParseStateCacheTest, OneLineChangeForgetsThatLineAndBelowOnly)
{
    CParseStateCache cache;
    cache.Allocate(20);
    std::vector<int> parsed;
    cache.StateBefore(20, CountingParse{&parsed});
    cache.ForgetFrom(10);
    for (int line = 0; line < 10; ++line)
        EXPECT_NE(cache.At(line), CParseStateCache::kUnknown) << line;
    for (int line = 10; line < 20; ++line)
        EXPECT_EQ(cache.At(line), CParseStateCache::kUnknown) << line;
    parsed.clear();
    cache.StateBefore(13, CountingParse{&parsed});
    EXPECT_EQ(parsed, (std::vector<int>{10, 11, 12}));
}

TEST(ParseStateCacheTest, LineCountChangeKeepsEntriesAboveTheChange)
{
    CParseStateCache cache;
    cache.Allocate(8);
    std::vector<int> parsed;
    cache.StateBefore(8, CountingParse{&parsed});
    cache.Resize(12, 5);
    ASSERT_EQ(cache.Count(), 12);
    EXPECT_EQ(cache.At(4), 15u);
    for (int line = 5; line < 12; ++line)
        EXPECT_EQ(cache.At(line), CParseStateCache::kUnknown) << line;
    cache.Resize(3, 1);
    ASSERT_EQ(cache.Count(), 3);
    EXPECT_EQ(cache.At(0), 1u);
    EXPECT_EQ(cache.At(1), CParseStateCache::kUnknown);
}

TEST(ParseStateCacheTest, StoredStateBelowTheKnownOnesIsForgottenToo)
{
    // A painted line far down stores its state; forgetting from above must reach it.
    CParseStateCache cache;
    cache.Allocate(100);
    cache.Store(90, 7);
    cache.ForgetFrom(3);
    EXPECT_EQ(cache.At(90), CParseStateCache::kUnknown);
}

TEST(LineWidthCacheTest, LargestMeasuresOnlyUnknownLines)
{
    CLineWidthCache cache;
    cache.Allocate(4);
    int measured = 0;
    const auto measure = [&](int line) {
        ++measured;
        return line * 10;
    };
    EXPECT_EQ(cache.Width(2, measure), 20);
    EXPECT_EQ(cache.Largest(measure), 30);
    EXPECT_EQ(measured, 4);
    EXPECT_EQ(cache.Largest(measure), 30);
    EXPECT_EQ(measured, 4);
}

// Once every line is measured, the widest follows changes by measuring the lines they made and
// nothing else: narrower (a tie with another line, then the next widest), wider, lines
// inserted and lines removed; and several changes before the widest is asked for.
TEST(LineWidthCacheTest, ChangesKeepTheWidestKnownByMeasuringOnlyChangedLines)
{
    std::vector<int> widths = {5, 9, 9, 3, 7};
    int measured = 0;
    const auto measure = [&](int line) {
        ++measured;
        return widths[static_cast<size_t>(line)];
    };
    CLineWidthCache cache;
    cache.Allocate(5);
    EXPECT_EQ(cache.Largest(measure), 9);
    EXPECT_EQ(measured, 5);

    const struct {
        const char* name;
        int line, removed, inserted;
        std::vector<int> after;
        int widest;
    } steps[] = {
        {"one of two widest narrower", 1, 1, 1, {5, 2, 9, 3, 7}, 9},
        {"the last widest narrower", 2, 1, 1, {5, 2, 4, 3, 7}, 7},
        {"a line wider", 3, 1, 1, {5, 2, 4, 12, 7}, 12},
        {"a line split in three", 0, 1, 3, {1, 1, 3, 2, 4, 12, 7}, 12},
        {"the widest joined away", 4, 3, 1, {1, 1, 3, 2, 6}, 6},
        {"a very wide line", 3, 1, 1, {1, 1, 3, 70000, 6}, 70000},
        {"narrow again", 3, 1, 1, {1, 1, 3, 2, 6}, 6},
    };
    for (const auto& step : steps) {
        widths = step.after;
        measured = 0;
        cache.Replace(step.line, step.removed, step.inserted);
        EXPECT_EQ(measured, 0) << step.name << ": measured when asked";
        EXPECT_EQ(cache.Count(), static_cast<int>(widths.size())) << step.name;
        EXPECT_EQ(cache.Largest(measure), step.widest) << step.name;
        EXPECT_EQ(measured, step.inserted) << step.name;
        for (int line = 0; line < cache.Count(); ++line)
            EXPECT_EQ(cache.Known(line), widths[static_cast<size_t>(line)])
                << step.name << " " << line;
    }

    // Changes far apart, lines coming and going between them, then one question.
    widths = {8, 1, 3, 2, 2, 5, 5};
    cache.Replace(0, 1, 1); // line 0 becomes 8
    cache.Replace(2, 1, 2); // line 2 split: 3 and 2
    cache.Replace(5, 1, 2); // the last line, now line 5, split: 5 and 5
    ASSERT_EQ(cache.Count(), 7);
    measured = 0;
    EXPECT_EQ(cache.Largest(measure), 8);
    EXPECT_EQ(measured, 5) << "lines 0, 2, 3, 5 and 6; lines 1 and 4 kept their widths";
    for (int line = 0; line < cache.Count(); ++line)
        EXPECT_EQ(cache.Known(line), widths[static_cast<size_t>(line)]) << line;
}

} // namespace
