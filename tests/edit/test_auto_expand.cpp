// AutoExpand with the template table and its escapes, and AutoComplete.
#include "EditFixture.h"

#include "edit/core/Templates.h"
#include "text/EditActions.h"

#include <ostream>
#include <set>
#include <tuple>

namespace {

using AutoExpandTest = EditFixture;

TEST(ExpandTemplates, HoldTheTwentySevenLowerCaseAbbreviations)
{
    const auto templates = ExpandTemplates();
    EXPECT_EQ(templates.size(), 27u);
    std::set<std::string_view> keys;
    for (const ExpandTemplate& t : templates) {
        keys.insert(t.key);
        // Every template with escapes ends with one, so nothing literal is left behind it.
        const size_t slash = t.text.rfind('\\');
        if (slash != std::string_view::npos) {
            EXPECT_EQ(slash, t.text.size() - 2) << t.key;
        }
    }
    EXPECT_EQ(keys.size(), 27u);
    EXPECT_EQ(FindExpandTemplate("img"), "<IMG border=\"0\" src=\"\">\\l\\l");
    EXPECT_EQ(FindExpandTemplate("TD"), "");
}

struct ExpandCase {
    const char* word;
    TextLines after;
    EditCaret caret;
};
void PrintTo(const ExpandCase& c, std::ostream* os) { *os << c.word; }

class ExpandCaseTest : public EditFixture, public testing::WithParamInterface<ExpandCase> {};

// In a plain-text document, from the word typed at the start of a line.
TEST_P(ExpandCaseTest, ReplacesTheWordAndPlacesTheCaret)
{
    const ExpandCase& c = GetParam();
    const int length = static_cast<int>(std::string_view(c.word).size());
    SetLines({c.word});
    ASSERT_TRUE(rules.CanAutoExpand(At(length, 0)));
    state = rules.AutoExpand(At(length, 0));
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(state, c.caret);
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Auto Expand\tCtrl+Z");
    Undo();
    EXPECT_EQ(Lines(), (TextLines{c.word}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Templates, ExpandCaseTest,
    testing::Values(ExpandCase{"head", {"<HEAD>", "", "</HEAD>", ""}, At(0, 1)},
                    ExpandCase{"title", {"<TITLE></TITLE>"}, At(7, 0)},
                    ExpandCase{"img", {"<IMG border=\"0\" src=\"\">"}, At(21, 0)},
                    ExpandCase{"p", {"<P>"}, At(3, 0)},
                    ExpandCase{"fs",
                               {"<FRAMESET frameborder=\"1\" cols=\"1\" rows=\"1\">", "",
                                "</FRAMESET>", ""},
                               At(0, 1)},
                    ExpandCase{"doc",
                               {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">",
                                "<HTML>", "<HEAD>", "<TITLE>Document Title</TITLE>", "</HEAD>",
                                "<BODY>", "", "</BODY>", "</HTML>", ""},
                               At(0, 6)}),
    [](const auto& info) { return std::string(info.param.word); });
// clang-format on

TEST_F(AutoExpandTest, LineBreaksIndentLikeTypedOnesInHtml)
{
    options.htmlDocument = true;
    SetLines({"  head"});
    state = rules.AutoExpand(At(6, 0));
    EXPECT_EQ(Lines(), (TextLines{"  <HEAD>", "  \t", "  </HEAD>", "  "}));
    EXPECT_EQ(state, At(3, 1));
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"  head"}));
}

TEST_F(AutoExpandTest, NeedsAWholeLowerCaseAbbreviationEndingAtTheCaret)
{
    SetLines({"TD tdx x-td"});
    for (const int x : {2, 5, 0}) {
        EXPECT_EQ(rules.AutoExpand(At(x, 0)), At(x, 0));
    }
    EXPECT_FALSE(rules.CanAutoExpand(At(5, 0))); // "x" follows the caret
    EXPECT_FALSE(rules.CanAutoExpand(At(0, 0)));
    state = rules.AutoExpand(At(11, 0)); // the word after "-" is td
    EXPECT_EQ(Lines(), (TextLines{"TD tdx x-<TD>", "", "</TD>", ""}));
    EXPECT_EQ(buffer.UndoRecordAt(0).action, ACTION_AUTO_EXPAND);
}

TEST_F(AutoExpandTest, LowerCaseTagsKeepTheCaretPlaces)
{
    options.lowerCaseTags = true;
    for (const auto& [word, line, x] : {std::tuple{"img", "<img border=\"0\" src=\"\">", 21},
                                        {"title", "<title></title>", 7},
                                        {"a", "<a href=\"\"></a>", 9}}) {
        SetLines({word});
        state = rules.AutoExpand(At(static_cast<int>(std::string_view(word).size()), 0));
        EXPECT_EQ(Lines(), (TextLines{line}));
        EXPECT_EQ(state, At(x, 0)) << word;
    }
}

TEST_F(AutoExpandTest, LeavesWordsInQuotedAttributeValuesAlone)
{
    const struct {
        TextLines lines; // the caret stands at the end of the last line
        bool expands;
    } cases[] = {
        {{"<A href=\"td"}, false},
        {{"<IMG alt='b"}, false},
        {{"<A", "  title=\"p"}, false},           // the tag opened a line above
        {{"<A href=\"x\">td"}, true},             // the value and the tag are closed
        {{"He said \"td"}, true},                 // quotes in the text are not a value
        {{"a < b \"td"}, true},                   // a lone "<" opens no tag
        {{"<!-- <A href=\"x -->", "\"td"}, true}, // a comment holds no tags
        {{"<A href=x>\"td"}, true},
    };
    for (const auto& c : cases) {
        SetLines(c.lines);
        const int y = static_cast<int>(c.lines.size()) - 1;
        const EditCaret caret = At(static_cast<int>(c.lines.back().size()), y);
        EXPECT_EQ(rules.CanAutoExpand(caret), c.expands) << c.lines.back();
        rules.AutoExpand(caret);
        EXPECT_EQ(Lines() != c.lines, c.expands) << c.lines.back();
    }
}

TEST_F(AutoExpandTest, CyrillicLettersOfEveryLanguageBelongToTheWord)
{
    // Serbian, Ukrainian, Belarusian and Macedonian letters.
    for (const char* word : {"\x80\x90", "\xAA\xBA\xAF\xBF\xB2\xB3\xA5\xB4", "\xA1\xA2",
                             "\x81\x83\x8D\x9D\xBD\xBE\xA3\xBC"}) {
        SetLines({std::string(word) + "td"});
        EXPECT_TRUE(rules.CanAutoExpand(At(static_cast<int>(buffer.LineLength(0)), 0)));
        EXPECT_EQ(rules.AutoExpand(At(buffer.LineLength(0), 0)), At(buffer.LineLength(0), 0))
            << "td is not a word of its own here";
    }
}

struct EscapeCase {
    const char* name;
    TextLines before;
    EditCaret caret; // after the word "k"
    const char* text;
    TextLines after;
    EditCaret result;
};
void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class EscapeTest : public EditFixture, public testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, MovesEditsOrIsSkipped)
{
    const EscapeCase& c = GetParam();
    options.useTabs = std::string_view(c.name) != "tabFillSpaces";
    SetLines(c.before);
    state = rules.ExpandTemplate(c.caret, c.text);
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(state, c.result);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Escapes, EscapeTest,
    testing::Values(
        EscapeCase{"unknownSkipped", {"k"}, At(1, 0), "<A>\\x\\q", {"<A>"}, At(3, 0)},
        EscapeCase{"home", {"  k"}, At(3, 0), "z\\h", {"  z"}, At(2, 0)},
        EscapeCase{"down", {"k", "abc"}, At(1, 0), "z\\d", {"z", "abc"}, At(1, 1)},
        EscapeCase{"leftRight", {"k"}, At(1, 0), "ab\\l\\l\\r", {"ab"}, At(1, 0)},
        EscapeCase{"rightWraps", {"k", "z"}, At(1, 0), "a\\r", {"a", "z"}, At(0, 1)},
        EscapeCase{"leftWraps", {"z", "k"}, At(1, 1), "a\\l\\l", {"z", "a"}, At(1, 0)},
        EscapeCase{"backspace", {"k"}, At(1, 0), "ab\\l\\b", {"b"}, At(0, 0)},
        EscapeCase{"delete", {"k"}, At(1, 0), "ab\\l\\l\\e", {"b"}, At(0, 0)},
        EscapeCase{"tabFill", {"k"}, At(1, 0), "a\\t", {"a\t"}, At(2, 0)},
        EscapeCase{"tabFillSpaces", {"k"}, At(1, 0), "a\\t", {"a   "}, At(4, 0)},
        // Up twice keeps the column the caret had before the short line.
        EscapeCase{"idealColumn", {"abcdef", "x", "k"}, At(1, 2), "abcd\\u\\u",
                   {"abcdef", "x", "abcd"}, At(4, 0)},
        EscapeCase{"upOnFirstLine", {"k"}, At(1, 0), "ab\\u", {"ab"}, At(2, 0)},
        EscapeCase{"trailingBackslash", {"k"}, At(1, 0), "ab\\", {"ab"}, At(2, 0)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using AutoCompleteTest = EditFixture;

TEST_F(AutoCompleteTest, CompletesFromTheNearestWordAbove)
{
    SetLines({"internal", "international", "inte"});
    ASSERT_TRUE(rules.CanAutoComplete(At(4, 2)));
    state = rules.AutoComplete(At(4, 2));
    EXPECT_EQ(Lines(), (TextLines{"internal", "international", "international"}));
    EXPECT_EQ(state, At(13, 2));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Auto Complete\tCtrl+Z");
    // The completed word is now the nearest match of itself: nothing more to add.
    const int records = buffer.UndoRecordCount();
    EXPECT_EQ(rules.AutoComplete(state), At(13, 2));
    EXPECT_EQ(buffer.UndoRecordCount(), records);
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"internal", "international", "inte"}));
}

TEST_F(AutoCompleteTest, WrapsToTheWordsBelowAndStopsAtTheWordEnd)
{
    SetLines({"x", "in", "inter-view"});
    state = rules.AutoComplete(At(2, 1));
    EXPECT_EQ(Lines(), (TextLines{"x", "inter", "inter-view"}));
    EXPECT_EQ(state, At(5, 1));
}

TEST_F(AutoCompleteTest, MatchesOnlyWholeWordStartsInTheSameCase)
{
    // "Inter" has no match in its own case but itself; "inter" inside a word after a Ukrainian
    // letter is not a word start, so the completion comes from the line above it.
    SetLines({"international", "\xB3interval", "inte", "Inter"});
    EXPECT_EQ(rules.AutoComplete(At(5, 3)), At(5, 3));
    state = rules.AutoComplete(At(4, 2));
    EXPECT_EQ(Lines()[2], "international");
}

TEST_F(AutoCompleteTest, CompletesCyrillicWords)
{
    // Ukrainian: a word starting with yi completed from the word for hedgehog.
    SetLines({"\xBF\xE6\xE0\xEA \xA2", "\xBF"});
    state = rules.AutoComplete(At(1, 1));
    EXPECT_EQ(Lines()[1], "\xBF\xE6\xE0\xEA");
}

TEST_F(AutoCompleteTest, IsDisabledOnTheFirstLineAndInsideAWord)
{
    SetLines({"inte internal", "internal", "inter x"});
    EXPECT_FALSE(rules.CanAutoComplete(At(4, 0)));
    EXPECT_EQ(rules.AutoComplete(At(4, 0)), At(4, 0));
    EXPECT_FALSE(rules.CanAutoComplete(At(3, 2)));
    EXPECT_FALSE(rules.CanAutoComplete(At(0, 2)));
    EXPECT_TRUE(rules.CanAutoComplete(At(5, 2)));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

} // namespace
