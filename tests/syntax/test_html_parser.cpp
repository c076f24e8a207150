// The HTML line parser: tags, attributes, references, comments, strings and SCRIPT elements.
#include "syntax/HtmlParser.h"

#include "ParseCheck.h"
#include "ParserCase.h"

#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// Classes: 0 normal, 3 keyword, 4 closing tag, 5 number, 6 string, 7 comment, 8 operator,
// 9 attribute, 11 event, 12 enumerated value, 13 reference, 14 unknown, 15 error.
constexpr uint32_t kTagNamed = HS_IN_TAG | HS_NAMED;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HtmlTags, ParserCaseTest,
    testing::Values(
        ParserCase{"OpenAndCloseOnOneLine", SourceType::Html, 0, "<B>bold</B>", "0:3 1:3 2:3 3:0 7:3 8:4 9:4 10:3", 0},
        ParserCase{"AttributesStringAndNumber", SourceType::Html, 0, "<FONT COLOR=\"red\" SIZE=3>",
                 "0:3 1:3 6:9 11:8 12:6 13:6 18:9 22:8 23:5 24:3", 0},
        ParserCase{"LowerCaseNamesAreLookedUpUpperCased", SourceType::Html, 0, "<font size=3>",
                 "0:3 1:3 6:9 10:8 11:5 12:3", 0},
        ParserCase{"UnquotedFileNameIsUnknown", SourceType::Html, 0, "<A HREF=page.html>",
                 "0:3 1:3 3:9 7:8 8:14 17:3", 0},
        ParserCase{"EventAttribute", SourceType::Html, 0, "<BODY ONLOAD=\"init()\">",
                 "0:3 1:3 6:11 12:8 13:6 14:6 21:3", 0},
        ParserCase{"EnumeratedValueThatIsAlsoATag", SourceType::Html, 0, "<DIV ALIGN=CENTER>",
                 "0:3 1:3 5:9 10:8 11:12 17:3", 0},
        ParserCase{"TagNameInAttributePositionIsUnknown", SourceType::Html, 0, "<P B>", "0:3 1:3 3:14 4:3", 0},
        ParserCase{"DigitLetterTokenIsUnknown", SourceType::Html, 0, "<TD WIDTH=12px>", "0:3 1:3 4:9 9:8 10:14 14:3",
                 0},
        ParserCase{"HashColourValue", SourceType::Html, 0, "<FONT COLOR=#FF00aa>", "0:3 1:3 6:9 11:8 12:5 19:3", 0},
        ParserCase{"SlashAfterNameIsOperator", SourceType::Html, 0, "<BR/>", "0:3 1:3 3:8 4:3", 0},
        ParserCase{"DoctypeWithAttributeWords", SourceType::Html, 0, "<!DOCTYPE HTML PUBLIC>",
                 "0:3 1:3 10:9 15:9 21:3", 0},
        ParserCase{"ReferenceInTag", SourceType::Html, 0, "<A HREF=&amp;x>", "0:3 1:3 3:9 7:8 8:13 13:14 14:3", 0},
        ParserCase{"UnknownReferenceInTag", SourceType::Html, 0, "<P &foo;>", "0:3 1:3 3:14 8:3", 0},
        ParserCase{"AmpersandAtLineEndInTag", SourceType::Html, 0, "<P &", "0:3 1:3 3:14", kTagNamed},
        ParserCase{"StringInTagOpenAtLineEnd", SourceType::Html, 0, "<A HREF=\"x", "0:3 1:3 3:9 7:8 8:6 9:6",
                 kTagNamed | HS_STRING},
        ParserCase{"StringInTagClosedOnNextLine", SourceType::Html, kTagNamed | HS_STRING, "y\">", "0:6 2:3", 0},
        ParserCase{"TagSpansLines", SourceType::Html, HS_IN_TAG, "  B", "2:3", kTagNamed},
        ParserCase{"CommentInsideTag", SourceType::Html, 0, "<B <!-- x", "0:3 1:3 3:7 8:7", kTagNamed | HS_COMMENT}),
    ParserCaseName);
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HtmlErrors, ParserCaseTest,
    testing::Values(
        ParserCase{"UnknownFirstWordUpToClosingBracket", SourceType::Html, 0, "<FOO x>y", "0:3 1:15 7:0", 0},
        ParserCase{"SecondLessThanBeforeName", SourceType::Html, 0, "<<B>", "0:3 1:15", 0},
        ParserCase{"LessThanAfterName", SourceType::Html, 0, "<B <I>", "0:3 1:3 3:15", 0},
        ParserCase{"NumberBeforeNameErrsAfterIt", SourceType::Html, 0, "<3 B>", "0:3 3:15", 0},
        ParserCase{"AttributeWhereTagNameBelongs", SourceType::Html, 0, "<HREF>", "0:3 1:15", 0},
        ParserCase{"SecondSlashBeforeName", SourceType::Html, 0, "<//B>", "0:3 1:4 2:15", 0},
        ParserCase{"PunctuationBeforeName", SourceType::Html, 0, "<=B>", "0:3 1:15", 0},
        ParserCase{"ErrorRunsToNextLine", SourceType::Html, HS_IN_TAG | HS_ERROR, "abc", "0:15", HS_IN_TAG | HS_ERROR},
        ParserCase{"ErrorEndsWithTheTagKeepingScript", SourceType::Html, HS_SCRIPT | HS_IN_TAG | HS_ERROR | HS_CLOSING,
                 "abc > d", "0:15 6:0", HS_SCRIPT}),
    ParserCaseName);
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    HtmlTextCommentsAndScripts, ParserCaseTest,
    testing::Values(
        ParserCase{"ReferencesOutsideTags", SourceType::Html, 0, "&nbsp; &foo; &#160; &", "0:13 7:0 13:13 20:0", 0},
        ParserCase{"HighSymbolsTakeTheColourBefore", SourceType::Html, 0, "a \x85 b \xCF\xF0", "0:0 4:0 6:0", 0},
        ParserCase{"BracketOutsideTagIsText", SourceType::Html, 0, "a > b", "0:0 2:0 4:0", 0},
        ParserCase{"ExclamationOutsideTagMovesOn", SourceType::Html, 0, "!a!", "0:0 2:0", 0},
        ParserCase{"CommentOpens", SourceType::Html, 0, "a <!-- b", "0:0 2:7 7:7", HS_COMMENT},
        ParserCase{"CommentCloses", SourceType::Html, HS_COMMENT, "c --> d", "0:7 6:0", 0},
        ParserCase{"CommentCloserNeedsAllThree", SourceType::Html, HS_COMMENT, "--", "0:7", HS_COMMENT},
        ParserCase{"ScriptTagEntersScript", SourceType::Html, 0, "<SCRIPT>", "0:3 1:3 7:3", HS_SCRIPT},
        ParserCase{"ScriptComparisonAndLineComment", SourceType::Html, HS_SCRIPT, "if (a < b) // c",
                 "0:0 3:0 4:0 6:0 8:0 9:0 11:7", HS_SCRIPT},
        ParserCase{"LessThanEndsScriptLine", SourceType::Html, HS_SCRIPT, "a <", "0:0 2:0", HS_SCRIPT},
        ParserCase{"ClosingTagLeavesScript", SourceType::Html, HS_SCRIPT, "x</SCRIPT>", "0:0 1:3 2:4 3:4 9:3", 0},
        ParserCase{"AnyClosingTagLeavesScript", SourceType::Html, HS_SCRIPT, "</B>", "0:3 1:4 2:4 3:3", 0},
        ParserCase{"ScriptBlockCommentOpens", SourceType::Html, HS_SCRIPT, "a /* b", "0:0 2:7 5:7",
                 HS_SCRIPT | HS_SCRIPT_COMMENT},
        ParserCase{"ScriptBlockCommentCloses", SourceType::Html, HS_SCRIPT | HS_SCRIPT_COMMENT, "c */ d", "0:7 5:0",
                 HS_SCRIPT},
        ParserCase{"SlashesOutsideScriptAreText", SourceType::Html, 0, "a // b", "0:0 2:0 3:0 5:0", 0},
        ParserCase{"EmptyLineKeepsAnyState", SourceType::Html, 0xDE, "", "", 0xDE},
        ParserCase{"BlankLineKeepsState", SourceType::Html, HS_IN_TAG | HS_STRING, " \t ", "", HS_IN_TAG | HS_STRING}),
    ParserCaseName);
// clang-format on

TEST(HtmlParserContractTest, SameStateWithAndWithoutBlocksForEveryIncomingState)
{
    const std::string_view lines[] = {
        "<A HREF=\"x.html\" ONCLICK=go()>&copy; &#169;</A>",
        "<!-- a --> b <//x> <3",
        "</SCRIPT> x < y /* z */ // w",
        "\"\" & &x &# # #fff <!- <!-- -->",
        "\x01\x7F\xFF!!<!",
        "<B =\xA8\xB8 12ab 0x1F>",
        "*/ --> \">",
        "<",
        "&",
    };
    for (const std::string_view text : lines)
        for (uint32_t state = 0; state < 0x100; ++state)
            ParseChecked(ParseHtmlLine, state, text);
}

// A line is parsed where it lies: a line far larger than any stack parses without a copy.
TEST(HtmlParserLongLineTest, HugeLinesParseInPlace)
{
    const std::string huge(20 << 20, 'x');
    const auto stateAfter = [](uint32_t state, const std::string& text) {
        int count = 0;
        return ParseHtmlLine(state, CSingleLineSource(text), 0, nullptr, count);
    };
    EXPECT_EQ(stateAfter(0, "<A HREF=" + huge + ">"), 0u);
    EXPECT_EQ(stateAfter(0, "<" + huge + ">"), 0u);
    EXPECT_EQ(stateAfter(0, "<!--" + huge), HS_COMMENT);
    EXPECT_EQ(stateAfter(0, "<P TITLE=\"" + huge), kTagNamed | HS_STRING);
    EXPECT_EQ(stateAfter(0, "&" + huge), 0u);

    const std::string wide = "<A HREF=" + std::string(4 << 20, 'y') + ">";
    const ParsedLine parsed = ParseChecked(ParseHtmlLine, 0, wide);
    EXPECT_EQ(parsed.blocks, "0:3 1:3 3:9 7:8 8:14 " + std::to_string(wide.size() - 1) + ":3");
}

} // namespace
