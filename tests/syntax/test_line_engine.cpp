// The shared line engine, driven by a small family with C-style comments and strings.
#include "syntax/LineEngine.h"

#include "ParseCheck.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr uint32_t kJustOpened = 0x1; // scratch: "/*" was recognised in the previous pass

// "//" line comments, "/*" ... "*/" block comments and double-quoted strings with escapes.
int RecogniseMini(CEngineLine& line)
{
    const int i = line.i;
    const uint8_t c = line.At(i);
    const uint8_t before = i > 0 ? line.At(i - 1) : 0;
    if (line.state & PS_LINE_COMMENT) {
        line.Block(i, ColourClass::Comment);
        return kEndLine;
    }
    if (line.state & PS_STRING) {
        if (c == '"' && !IsEscapedQuote(reinterpret_cast<const char*>(line.text), i)) {
            line.state &= ~PS_STRING;
            line.redefine = true;
        }
        return 1;
    }
    if (line.state & PS_BLOCK_COMMENT) {
        if (c == '/' && before == '*' && !(line.scratch & kJustOpened)) {
            line.state &= ~PS_BLOCK_COMMENT;
            line.redefine = true;
        }
        line.scratch &= ~kJustOpened;
        return 1;
    }
    if (c == '/' && before == '/') {
        line.Block(i - 1, ColourClass::Comment);
        line.state |= PS_LINE_COMMENT;
        return kEndLine;
    }
    if (c == '"') {
        line.Block(i, ColourClass::String);
        line.state |= PS_STRING;
        return 1;
    }
    if (c == '*' && before == '/') {
        line.Block(i - 1, ColourClass::Comment);
        line.state |= PS_BLOCK_COMMENT;
        line.scratch |= kJustOpened;
        return 1;
    }
    return kNoMatch;
}

constexpr std::string_view kKeywords[] = {"int", "return"};
constexpr std::string_view kTypes[] = {"BOOL"};
constexpr KeywordTable kTables[] = {
    {kKeywords, ColourClass::Keyword, KeywordCase::Sensitive},
    {kTypes, ColourClass::User1, KeywordCase::Sensitive},
};
const EngineFamily kMini{.recognise = RecogniseMini, .tables = kTables};

uint32_t ParseMini(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                   int& count)
{
    return RunLineEngine(kMini, state, source, line, blocks, count);
}

struct EngineCase {
    const char* name;
    uint32_t stateIn;
    std::string_view text;
    const char* blocks;
    uint32_t stateOut;
};
void PrintTo(const EngineCase& c, std::ostream* os) { *os << c.name; }

class LineEngineTest : public testing::TestWithParam<EngineCase> {};

TEST_P(LineEngineTest, BlocksAndState)
{
    const EngineCase& c = GetParam();
    const ParsedLine parsed = ParseChecked(ParseMini, c.stateIn, c.text);
    EXPECT_EQ(parsed.blocks, c.blocks) << c.text;
    EXPECT_EQ(parsed.state, c.stateOut) << c.text;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, LineEngineTest,
    testing::Values(
        EngineCase{"EmptyLineKeepsOnlyBlockComment", 0x0D, "", "", 0x04},
        EngineCase{"OneCharLineDropsString", 0x08, "\\", "", 0},
        EngineCase{"KeywordAtColumnZeroReplacesNormalText", 0, "return 0", "0:3 6:8 7:5", 0},
        EngineCase{"BlanksAndPunctuationAreOperators", 0, "int x;", "0:3 3:8 4:0 5:8", 0},
        EngineCase{"SecondTableColour", 0, "BOOL b", "0:10 4:8 5:0", 0},
        EngineCase{"FunctionBeforeParenthesisAfterBlanks", 0, "foo  (1)",
                   "0:11 3:8 4:8 5:8 6:5 7:8", 0},
        EngineCase{"IdentifierAtLineEndIsNormal", 0, "x = foo", "0:0 1:8 2:8 3:8 4:0", 0},
        EngineCase{"DotBetweenDigitsBelongsToTheNumber", 0, "a.b 1.5", "0:0 1:8 2:0 3:8 4:5", 0},
        EngineCase{"HexNumberAndUpperCaseX", 0, "0x1F 0X1F", "0:5 4:8 5:0", 0},
        EngineCase{"StringAtColumnZero", 0, "\"ab\" x", "0:6 4:8 5:0", 0},
        EngineCase{"EscapedQuoteKeepsStringOpen", 0, "\"a\\\"b\" c", "0:6 6:8 7:0", 0},
        EngineCase{"BackslashCarriesStringOver", 0, "s = \"ab\\", "0:0 1:8 2:8 3:8 4:6",
                   PS_STRING},
        EngineCase{"OtherLineEndClosesString", 0, "s = \"ab", "0:0 1:8 2:8 3:8 4:6", 0},
        EngineCase{"StringContinuesFromPreviousLine", PS_STRING, "cd\" x", "0:6 3:8 4:0", 0},
        EngineCase{"LineCommentEndsWithTheLine", 0, "a // b", "0:0 1:8 2:7", 0},
        EngineCase{"LineCommentCarriedByBackslash", 0, "a // b\\", "0:0 1:8 2:7",
                   PS_LINE_COMMENT},
        EngineCase{"BlockCommentStaysOpen", 0, "a /* b", "0:0 1:8 2:7 3:7", PS_BLOCK_COMMENT},
        EngineCase{"BlockCommentClosesThenNormal", PS_BLOCK_COMMENT, "x */ y",
                   "0:7 4:8 5:0", 0},
        EngineCase{"SlashStarSlashDoesNotClose", 0, "/*/ x", "0:7 1:7", PS_BLOCK_COMMENT},
        EngineCase{"LineCommentAtColumnZero", 0, "// x", "0:7", 0},
        EngineCase{"LineCommentAfterBlanks", 0, "  // x", "0:8 1:8 2:7", 0}),
    [](const testing::TestParamInfo<EngineCase>& info) { return info.param.name; });
// clang-format on

TEST(LineEngineContractTest, SameStateWithAndWithoutBlocksForEveryIncomingState)
{
    const std::string_view lines[] = {
        "int main(void) { return 0; } // done",
        "\"unterminated \\",
        "/* a */ b /* c",
        "x.y.z 1.2.3 .5 a. ",
        "\\\\\"\"",
        "\xC0\xE1\xA8 \x80\xB2 f(",
        "*/ \"\" //\\",
    };
    for (const std::string_view text : lines)
        for (uint32_t state = 0; state < 0x20; ++state)
            ParseChecked(ParseMini, state, text);
}

} // namespace
