// Replacement templates: group references, case changes, escapes and how bad ones end.
#include "view/core/Regex.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TemplateCase {
    const char* name;
    friend void PrintTo(const TemplateCase& c, std::ostream* os) { *os << c.name; }
    std::string replacement;
    int result;
    std::string text;
};

class RegexTemplateTest : public testing::TestWithParam<TemplateCase> {};

// The subject "Ab cD" matched by "(\w+) (\w+)(x?)", with group 4 never set.
TEST_P(RegexTemplateTest, Expands)
{
    const std::string subject = "Ab cD";
    const RxProgram program(RxCompile("(\\w+) (\\w+)(x?)"));
    RxMatch match;
    ASSERT_EQ(RxExec(program.get(), subject.data(), 5, 0, match, 0), 1);
    std::string text = "old";
    EXPECT_EQ(RxExpandReplacement(GetParam().replacement, subject.data(), 5, match, text),
              GetParam().result);
    EXPECT_EQ(text, GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Templates, RegexTemplateTest,
    testing::Values(
        TemplateCase{"PlainTextAndGroups", "[\\2|\\1|\\0]", 0, "[cD|Ab|Ab cD]"},
        TemplateCase{"UpperThenEndThenUpperFirst", "\\U\\1\\E-\\u\\2", 0, "AB-CD"},
        TemplateCase{"UpperAndLowerOnUpperWins", "\\L\\U\\1\\2", 0, "ABCD"},
        TemplateCase{"LowerAll", "\\L\\0", 0, "ab cd"},
        TemplateCase{"LowerEndsWithSmallE", "\\L\\1\\e\\2", 0, "abcD"},
        TemplateCase{"UpperFirstOfPieceAfterWholeConversion", "\\L\\u\\2", 0, "Cd"},
        TemplateCase{"LowerFirstOnce", "\\l\\1\\1", 0, "abAb"},
        TemplateCase{"UpperFirstGoesFirstLowerWaits", "\\l\\u\\2\\1", 0, "CDab"},
        TemplateCase{"UpperFirstWaitsForNonEmptyPiece", "\\u\\3\\2", 0, "CD"},
        TemplateCase{"TemplateCharactersArePieces", "\\Uab\\Ecd\\uef", 0, "ABcdEf"},
        TemplateCase{"ControlEscapes", "\\a\\b\\n\\r\\t", 0, "\a\b\n\r\t"},
        TemplateCase{"OtherEscapesAreThemselves", "\\f\\v\\q\\\\", 0, "fvq\\"},
        TemplateCase{"NumericEscapes", "\\d065\\o102\\x43\\x6A", 0, "ABCj"},
        TemplateCase{"DecimalWraps", "\\d321", 0, "A"},
        TemplateCase{"NumericEscapesAreConverted", "\\U\\x61", 0, "A"},
        TemplateCase{"CyrillicCase", "\\U\xE4\xB8\\E\\L\xC4\xA8", 0, "\xC4\xA8\xE4\xB8"},
        TemplateCase{"UnsetGroupFails", "x\\4", -1, ""},
        TemplateCase{"BackslashAtEndFails", "x\\", -1, ""},
        TemplateCase{"BadHexDigitEndsEmpty", "ab\\x4g\\4", 0, ""},
        TemplateCase{"MissingDigitEndsEmpty", "ab\\d25", 0, ""},
        TemplateCase{"BadOctalDigitEndsEmpty", "\\1\\o018", 0, ""},
        TemplateCase{"FailureBeforeBadDigitWins", "\\4\\x", -1, ""},
        TemplateCase{"ZeroByteTemplateCharacter", std::string("a\0b", 3), 0, std::string("a\0b", 3)}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Fault: a record that does not fit the subject must not make the expansion read outside it.
TEST(RegexTemplateLimitsTest, OffsetsOutsideTheSubjectFail)
{
    RxMatch match;
    for (int k = 0; k < kRxSlots; ++k)
        match.start[k] = match.end[k] = -1;
    std::string text;
    const std::pair<int, int> ranges[] = {{2, 100}, {3, 2}, {-5, 2}, {0, -1}, {4, 5}};
    for (const auto& [from, to] : ranges) {
        match.start[1] = from;
        match.end[1] = to;
        EXPECT_EQ(RxExpandReplacement("\\1", "abcd", 4, match, text), -1) << from << "-" << to;
    }
    match.start[1] = 4;
    match.end[1] = 4;
    EXPECT_EQ(RxExpandReplacement("<\\1>", "abcd", 4, match, text), 0);
    EXPECT_EQ(text, "<>");
}

} // namespace
