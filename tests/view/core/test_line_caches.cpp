// The parse-state and width caches: lazy filling from the last known state, and forgetting
// from a changed line downward.
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
    cache.Forget(1);
    EXPECT_EQ(cache.Largest(measure), 30);
    EXPECT_EQ(measured, 5);
    cache.Resize(6, 2);
    EXPECT_EQ(cache.Largest(measure), 50);
    EXPECT_EQ(measured, 9);
}

} // namespace
