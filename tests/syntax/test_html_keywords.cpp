// The HTML keyword table: its built-in words per flag value and its lookups.
#include "syntax/HtmlKeywords.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(HtmlKeywordsTest, BuiltInWordsPerFlagValue)
{
    const std::map<uint32_t, int> expected = {
        {0x001, 55}, {0x002, 100}, {0x003, 1},  {0x008, 39}, {0x010, 65},
        {0x011, 1},  {0x020, 94},  {0x040, 16}, {0x041, 12}, {0x061, 2},
        {0x081, 3},  {0x0C1, 19},  {0x0C3, 3},  {0x0D1, 1},  {0x1C1, 1},
    };
    const CHtmlKeywordTable& table = HtmlKeywords();
    std::map<uint32_t, int> found;
    for (const HtmlKeywordGroup& group : BuiltInHtmlKeywords()) {
        for (const std::string_view word : group.words) {
            uint32_t flags = 0;
            ASSERT_TRUE(table.Lookup(word, flags)) << word;
            ++found[flags];
        }
    }
    EXPECT_EQ(found, expected);
    EXPECT_EQ(table.Count(), 412);
    EXPECT_EQ(table.MaxWordLength(), 18); // ONREADYSTATECHANGE
}

TEST(HtmlKeywordsTest, LookupOfWordsThatBelongToTwoGroups)
{
    const std::pair<std::string_view, uint32_t> cases[] = {
        {"LINK", 0x003},  {"BUTTON", 0x011},   {"CENTER", 0x0D1},     {"SUB", 0x061},
        {"HTML", 0x0C3},  {"SCRIPT", 0x1C1},   {"CODE", 0x001},       {"TEXT", 0x002},
        {"IMAGE", 0x010}, {"!DOCTYPE", 0x001}, {"HTTP-EQUIV", 0x002}, {"JAVASCRIPT1.2", 0x010},
    };
    for (const auto& [word, expected] : cases) {
        uint32_t flags = 0;
        EXPECT_TRUE(HtmlKeywords().Lookup(word, flags)) << word;
        EXPECT_EQ(flags, expected) << word;
    }
}

TEST(HtmlKeywordsTest, ExactLookupNeedsUpperCaseAndLookupAsUpperFolds)
{
    const CHtmlKeywordTable& table = HtmlKeywords();
    uint32_t flags = 0;
    EXPECT_FALSE(table.Lookup("nbsp", flags));
    EXPECT_TRUE(table.LookupAsUpper("nbsp", flags));
    EXPECT_EQ(flags, 0x020u);
    EXPECT_TRUE(table.LookupAsUpper("OnReadyStateChange", flags));
    EXPECT_EQ(flags, 0x008u);
    for (std::string_view miss : {"", "NBSP;", "FOO", "ONREADYSTATECHANGES", "\xE0"})
        EXPECT_FALSE(table.LookupAsUpper(miss, flags)) << miss;
}

TEST(HtmlKeywordsTest, FillingTwiceKeepsTheSameTable)
{
    FillHtmlKeywords();
    const CHtmlKeywordTable* first = &HtmlKeywords();
    FillHtmlKeywords();
    EXPECT_EQ(&HtmlKeywords(), first);
    EXPECT_EQ(HtmlKeywords().Count(), 412);
}

TEST(HtmlKeywordsTest, AWordGivenAgainTakesTheLaterFlags)
{
    constexpr std::string_view first[] = {"B", "I"};
    constexpr std::string_view second[] = {"B"};
    const HtmlKeywordGroup groups[] = {{0x001, first}, {0x041, second}};
    const CHtmlKeywordTable table(groups);
    uint32_t flags = 0;
    EXPECT_EQ(table.Count(), 2);
    EXPECT_TRUE(table.Lookup("B", flags));
    EXPECT_EQ(flags, 0x041u);
}

} // namespace
