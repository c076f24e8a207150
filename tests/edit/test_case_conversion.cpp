// The five case conversions, on text and as commands on a selection.
#include "EditFixture.h"

#include "edit/core/CaseConversion.h"
#include "text/EditActions.h"

#include <ostream>

namespace {

struct ConversionCase {
    const char* name;
    CaseConversion conversion;
    std::string in;
    std::string out;
};
void PrintTo(const ConversionCase& c, std::ostream* os) { *os << c.name; }

class ConversionTest : public testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionTest, ConvertsByteForByte)
{
    std::string text = GetParam().in;
    ConvertCase(text, GetParam().conversion);
    EXPECT_EQ(text, GetParam().out);
}

// Cyrillic of several languages: a ya yo, Ukrainian i yi ghe-upturn ye, Belarusian short u,
// Serbian lje dje je dze, Macedonian gje kje.
const std::string kCyrillicLower = "\xE0\xFF\xB8\xB3\xBF\xB4\xBA\xA2\x9A\x90\xBC\xBE\x83\x9D";
const std::string kCyrillicUpper = "\xC0\xDF\xA8\xB2\xAF\xA5\xAA\xA1\x8A\x80\xA3\xBD\x81\x8D";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, ConversionTest,
    testing::Values(
        ConversionCase{"upper", CaseConversion::Upper, "Mixed 1.x " + kCyrillicLower,
                       "MIXED 1.X " + kCyrillicUpper},
        ConversionCase{"lower", CaseConversion::Lower, "Mixed 1.X " + kCyrillicUpper,
                       "mixed 1.x " + kCyrillicLower},
        ConversionCase{"swap", CaseConversion::Swap,
                       "Hello wORLD " + kCyrillicUpper + kCyrillicLower,
                       "hELLO World " + kCyrillicLower + kCyrillicUpper},
        ConversionCase{"capitalizeDigit", CaseConversion::Capitalize, "3d model", "3D Model"},
        ConversionCase{"capitalizeApostropheHyphenBlanks", CaseConversion::Capitalize,
                       "o'neil WELL-KNOWN\r\nnew\tline", "O'neil Well-known\r\nNew\tLine"},
        // "привет мир" and "ЁЛКА ёж": each word's first letter up, the rest down.
        ConversionCase{"capitalizeCyrillic", CaseConversion::Capitalize,
                       "\xEF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0 \xA8\xCB\xCA\xC0 \xB8\xE6",
                       "\xCF\xF0\xE8\xE2\xE5\xF2 \xCC\xE8\xF0 \xA8\xEB\xEA\xE0 \xA8\xE6"},
        ConversionCase{"sentence", CaseConversion::Sentence, "HELLO WORLD. SECOND ONE",
                       "Hello world. Second one"},
        ConversionCase{"sentenceDecimalPoint", CaseConversion::Sentence, "PI IS 3.14 OK",
                       "Pi is 3.14 ok"},
        ConversionCase{"sentenceQuestionMark", CaseConversion::Sentence, "WHY? NO", "Why? no"},
        // "ПРИВЕТ. МИР": the sentence start after the full stop is a Cyrillic letter.
        ConversionCase{"sentenceCyrillic", CaseConversion::Sentence,
                       "\xCF\xD0\xC8\xC2\xC5\xD2. \xCC\xC8\xD0",
                       "\xCF\xF0\xE8\xE2\xE5\xF2. \xCC\xE8\xF0"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using CaseCommandTest = EditFixture;

TEST_F(CaseCommandTest, ConvertsTheSelectionAsOneStepAndSelectsItAgain)
{
    for (const EditCaret& sel : {Sel({6, 0}, {3, 1}), Sel({3, 1}, {6, 0})}) {
        SetLines({"hello world", "second"});
        state = rules.ConvertCase(sel, CaseConversion::Upper);
        EXPECT_EQ(Lines(), (TextLines{"hello WORLD", "SECond"}));
        EXPECT_EQ(state, (EditCaret{{6, 0}, {6, 0}, {3, 1}}));
        EXPECT_EQ(rules.UndoMenuText(), "&Undo Upper case\tCtrl+Z");
        Undo();
        EXPECT_EQ(Lines(), (TextLines{"hello world", "second"}));
    }
}

TEST_F(CaseCommandTest, RecordsEachConversionsActionCode)
{
    const std::pair<CaseConversion, int> codes[] = {{CaseConversion::Upper, 16},
                                                    {CaseConversion::Lower, 15},
                                                    {CaseConversion::Swap, 17},
                                                    {CaseConversion::Capitalize, 18},
                                                    {CaseConversion::Sentence, 19}};
    for (const auto& [conversion, code] : codes) {
        SetLines({"Some text"});
        rules.ConvertCase(Sel({0, 0}, {9, 0}), conversion);
        ASSERT_EQ(buffer.UndoRecordCount(), 2);
        EXPECT_EQ(buffer.UndoRecordAt(0).action, code);
        EXPECT_EQ(buffer.UndoRecordAt(1).action, code);
    }
}

TEST_F(CaseCommandTest, DoesNothingWithoutASelectionOrOnAReadOnlyBuffer)
{
    SetLines({"text"});
    EXPECT_EQ(rules.ConvertCase(At(2, 0), CaseConversion::Upper), At(2, 0));
    buffer.SetReadOnly(true);
    rules.ConvertCase(Sel({0, 0}, {4, 0}), CaseConversion::Upper);
    EXPECT_EQ(Lines(), (TextLines{"text"}));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

} // namespace
