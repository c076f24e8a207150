// Searching a buffer: case, whole words, regular expressions over line ends, direction, wrap
// and ranges, and the failures that are not "not found".
#include "support/LinesBuffer.h"
#include "view/core/TextSearch.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Found {
    int x, y, length;
    friend bool operator==(const Found&, const Found&) = default;
};

std::ostream& operator<<(std::ostream& os, const Found& f)
{
    return os << f.y << ':' << f.x << " len=" << f.length;
}

class TextSearchTest : public testing::Test {
protected:
    void SetLines(const std::vector<std::string>& lines) { FillBuffer(buffer, lines); }
    std::optional<Found> Search(const std::string& pattern, uint32_t flags, TextPoint start = {},
                                bool wrap = false)
    {
        TextPoint found;
        if (!search.SearchText(buffer, pattern, start, flags, wrap, found))
            return std::nullopt;
        return Found{found.x, found.y, search.LastMatchLength()};
    }

    CKTextBuffer buffer;
    CTextSearch search;
};

TEST_F(TextSearchTest, CaseFollowsThePageTables)
{
    // "Привет ЁЖ і" in Windows-1251, then the same upper-cased.
    SetLines({"x \xCF\xF0\xE8\xE2\xE5\xF2 \xB8\xE6 \xB3", "Foo FOO"});
    EXPECT_EQ(Search("foo", 0), (Found{0, 1, 3}));
    EXPECT_EQ(Search("foo", 0, {1, 1}), (Found{4, 1, 3}));
    EXPECT_EQ(Search("foo", FIND_MATCH_CASE), std::nullopt);
    EXPECT_EQ(Search("\xEF\xD0\xC8\xC2\xC5\xD2", 0), (Found{2, 0, 6}));
    EXPECT_EQ(Search("\xA8\xC6 \xB2", 0), (Found{9, 0, 4}));
    EXPECT_EQ(Search("\xA8\xC6", FIND_MATCH_CASE), std::nullopt);
    EXPECT_EQ(Search("X \xCF", FIND_MATCH_CASE), std::nullopt);
}

TEST_F(TextSearchTest, WholeWordsCountEveryCyrillicLetter)
{
    struct Case {
        std::string line;
        bool found;
    };
    const Case cases[] = {
        {"a foo b", true},
        {"foo_bar", true}, // the underscore is no word byte here
        {"(foo)", true},
        {"foobar", false},
        {"3foo", false},
        {"foo\xBF", false}, // Ukrainian yi
        {"\xA2"
         "foo",
         false},            // Belarusian short u
        {"foo\x90", false}, // Serbian dje
        {"\x83"
         "foo",
         false},            // Macedonian gje
        {"foo\xFF", false}, // Russian ya
    };
    for (const Case& c : cases) {
        SetLines({c.line});
        EXPECT_EQ(Search("foo", FIND_WHOLE_WORD).has_value(), c.found) << c.line;
    }
    // Only the part searched counts: a search from inside a word may match at its start.
    SetLines({"xfoo foo"});
    EXPECT_EQ(Search("foo", FIND_WHOLE_WORD, {1, 0}), (Found{1, 0, 3}));
    EXPECT_EQ(Search("foo", FIND_WHOLE_WORD), (Found{5, 0, 3}));
}

TEST_F(TextSearchTest, RegularExpressionsReachOverLineEnds)
{
    SetLines({"xab", "cd", "ab", "cz"});
    EXPECT_EQ(Search("b\\nc", FIND_REGEXP), (Found{2, 0, 3}));
    EXPECT_EQ(search.MatchEnd(), (TextPoint{1, 1}));
    EXPECT_EQ(search.MatchedText(), "xab\ncd");
    // Backward, the match is reported on the line where it starts.
    EXPECT_EQ(Search("b\\nc", FIND_REGEXP | FIND_UP, {2, 3}), (Found{1, 2, 3}));
    EXPECT_EQ(search.MatchEnd(), (TextPoint{1, 3}));
    EXPECT_EQ(Search("b\\nc", FIND_REGEXP | FIND_UP, {1, 2}), (Found{2, 0, 3}));
    // A line start is the line's own start, also when the search starts later on it.
    EXPECT_EQ(Search("^ab", FIND_REGEXP, {1, 0}), (Found{0, 2, 2}));
    EXPECT_EQ(Search("^AB", FIND_REGEXP | FIND_MATCH_CASE), std::nullopt);
}

TEST_F(TextSearchTest, DirectionWrapAndRanges)
{
    SetLines({"one two", "two one", "three"});
    EXPECT_EQ(Search("one", 0, {1, 0}), (Found{4, 1, 3}));
    EXPECT_EQ(Search("one", 0, {5, 1}), std::nullopt);
    EXPECT_EQ(Search("one", 0, {5, 1}, true), (Found{0, 0, 3}));
    EXPECT_EQ(Search("one", FIND_UP, {4, 1}), (Found{0, 0, 3}));
    EXPECT_EQ(Search("two", FIND_UP, {0, 0}), std::nullopt);
    EXPECT_EQ(Search("two", FIND_UP, {0, 0}, true), (Found{0, 1, 3}));
    // Backward from the start of a match finds the one before, not the same again.
    EXPECT_EQ(Search("o", FIND_UP, {6, 0}), (Found{0, 0, 1}));
    EXPECT_EQ(Search("e", FIND_UP, {4, 2}), (Found{3, 2, 1}));

    // Backward, matches follow one another as a forward search meets them, and none may
    // run past the start.
    struct Back {
        std::string line, pattern;
        uint32_t flags;
        int from;
        std::optional<Found> found;
    };
    const Back backs[] = {
        {"aaa", "aa", 0, 3, Found{0, 0, 2}},
        {"aaaa", "aa", 0, 4, Found{2, 0, 2}},
        {"aaa", "aa", FIND_REGEXP, 3, Found{0, 0, 2}},
        {"abcab", "cab", 0, 4, std::nullopt},                // would end past the start
        {"cabx", "(cab)|a", FIND_REGEXP, 2, Found{1, 0, 1}}, // a later match that fits
        {"x ab", "a", 0, 2, std::nullopt},
        {"ab ab", "ab", FIND_WHOLE_WORD, 5, Found{3, 0, 2}},
    };
    for (const Back& b : backs) {
        SetLines({b.line});
        EXPECT_EQ(Search(b.pattern, b.flags | FIND_UP, {b.from, 0}), b.found)
            << b.line << " / " << b.pattern;
    }
    SetLines({"one two", "two one", "three"});

    TextPoint found;
    // A match that starts before the range's end may run past it; one at its end may not.
    EXPECT_TRUE(search.SearchInRange(buffer, "two", {}, {1, 0}, {5, 1}, 0, false, found));
    EXPECT_EQ(found, (TextPoint{4, 0}));
    EXPECT_TRUE(search.SearchInRange(buffer, "one", {}, {5, 0}, {5, 1}, 0, false, found));
    EXPECT_EQ(found, (TextPoint{4, 1}));
    EXPECT_FALSE(search.SearchInRange(buffer, "one", {}, {5, 0}, {4, 1}, 0, false, found));
    EXPECT_FALSE(search.SearchInRange(buffer, "one", {}, {2, 1}, {2, 1}, 0, true, found));

    SetLines({""});
    EXPECT_EQ(Search("", FIND_REGEXP | FIND_UP, {}, true), std::nullopt);
    EXPECT_EQ(Search("^", FIND_REGEXP, {}, true), std::nullopt);
}

TEST_F(TextSearchTest, FailuresOtherThanNotFound)
{
    SetLines({"abc", std::string(40, 'a')});
    EXPECT_EQ(Search("(ab", FIND_REGEXP), (Found{0, 0, 2})); // an open group ends the pattern
    EXPECT_EQ(Search("[z-a]", FIND_REGEXP), std::nullopt);
    EXPECT_EQ(search.Status(), SearchStatus::InvalidPattern);
    EXPECT_EQ(Search("*a", FIND_REGEXP, {}, true), std::nullopt);
    EXPECT_EQ(search.Status(), SearchStatus::InvalidPattern);
    EXPECT_EQ(Search("zz", FIND_REGEXP), std::nullopt);
    EXPECT_EQ(search.Status(), SearchStatus::NotFound);
    EXPECT_EQ(Search("(a*)*b", FIND_REGEXP, {0, 1}), std::nullopt);
    EXPECT_EQ(search.Status(), SearchStatus::TooCostly);
}

} // namespace
