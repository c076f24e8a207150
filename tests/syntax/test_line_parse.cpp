// Colour classes, block definition, character classes, number and keyword tests, dispatch.
#include "syntax/ColourClass.h"
#include "syntax/HtmlParser.h"
#include "syntax/LineParse.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"

#include "ParseCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

TEST(ColourClassTest, LabelsAndDefaultColours)
{
    std::set<std::string_view> labels;
    for (int c = 0; c < kColourClassCount; ++c)
        labels.insert(ColourClassLabel(static_cast<ColourClass>(c)));
    EXPECT_EQ(labels.size(), 16u);
    EXPECT_EQ(ColourClassLabel(ColourClass::Preprocessor), "Tag parameter/preprocessor");
    EXPECT_EQ(ColourClassLabel(ColourClass::Entity), "&-values");
    EXPECT_EQ(DefaultColours(ColourClass::NormalText).background, 0xC0C0C0u);
    EXPECT_EQ(DefaultColours(ColourClass::SelectedText).text, 0xC0C0C0u);
    EXPECT_EQ(DefaultColours(ColourClass::ClosingTag).text, 0x6040C0u);
    EXPECT_EQ(DefaultColours(ColourClass::Error).text, 0xFFFFFFu);
    EXPECT_EQ(DefaultColours(ColourClass::Error).background, 0xFF0000u);
    // A number from a damaged record reads as normal text instead of leaving the table.
    EXPECT_EQ(ColourClassLabel(static_cast<ColourClass>(99)), "Normal text");
}

TEST(DefineBlockTest, KeepsStartsStrictlyIncreasing)
{
    ColourBlock blocks[4];
    int count = 0;
    DefineBlock(blocks, count, 0, ColourClass::NormalText);
    DefineBlock(blocks, count, 0, ColourClass::Keyword); // same start: recolours
    DefineBlock(blocks, count, 3, ColourClass::Operator);
    DefineBlock(blocks, count, 2, ColourClass::String); // before the last: ignored
    DefineBlock(blocks, count, 5, ColourClass::Comment);
    EXPECT_EQ(BlocksText(blocks, count), "0:3 3:8 5:7");

    int none = 0;
    DefineBlock(nullptr, none, 0, ColourClass::Keyword);
    EXPECT_EQ(none, 0);
}

TEST(CharacterClassTest, RussianLettersOnlyAmongHighBytes)
{
    for (int b : {0x41, 0x7A, 0xA8, 0xB8, 0xC0, 0xDF, 0xE0, 0xFF})
        EXPECT_TRUE(IsLetter(static_cast<uint8_t>(b))) << b;
    for (int b : {0x30, 0x5F, 0x2E, 0x80, 0xA1, 0xAA, 0xB2, 0xBF, 0x00, 0x20})
        EXPECT_FALSE(IsLetter(static_cast<uint8_t>(b))) << b;
    EXPECT_TRUE(IsWordChar('7'));
    EXPECT_FALSE(IsWordChar('_'));
    EXPECT_TRUE(IsBlank('\t'));
    EXPECT_FALSE(IsBlank('\r'));
}

TEST(NumberTokenTest, HexDecimalAndExponents)
{
    const std::pair<const char*, bool> cases[] = {
        {"0x1F", true}, {"0X1F", false}, {"0xfa0", true}, {"0xg", false},
        {"0x", false},  {"12ab", false}, {"1.5e3", true}, {"1e-5", true},
        {"7", true},    {"e1", false},   {"", false},     {"1_0", false},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(IsNumberToken(text, static_cast<int>(std::strlen(text))), number) << text;
}

TEST(FindKeywordTest, ExactLengthAndCaseModes)
{
    constexpr std::string_view table[] = {"int", "integer", "\xE0\xE1"};
    const auto find = [&](std::string_view word, KeywordCase mode) {
        return FindKeyword(table, word.data(), static_cast<int>(word.size()), mode);
    };
    EXPECT_TRUE(find("int", KeywordCase::Sensitive));
    EXPECT_FALSE(find("in", KeywordCase::Sensitive));
    EXPECT_FALSE(find("INT", KeywordCase::Sensitive));
    EXPECT_TRUE(find("INT", KeywordCase::Insensitive));
    EXPECT_TRUE(find("InTeGeR", KeywordCase::Insensitive));
    // Only ASCII letters fold: the Cyrillic capitals of the entry do not match.
    EXPECT_FALSE(find("\xC0\xC1", KeywordCase::Insensitive));
    EXPECT_TRUE(find("\xE0\xE1", KeywordCase::Insensitive));
}

TEST(EscapedQuoteTest, BackslashBeforeQuoteUnlessItIsEscapedItself)
{
    EXPECT_FALSE(IsEscapedQuote("\"", 0));
    EXPECT_TRUE(IsEscapedQuote("\\\"", 1));
    EXPECT_TRUE(IsEscapedQuote("a\\\"", 2));
    EXPECT_FALSE(IsEscapedQuote("\\\\\"", 2));
    EXPECT_FALSE(IsEscapedQuote("ab\"", 2));
}

TEST(DispatchTest, EveryTypeButPlainTextHasAParser)
{
    EXPECT_EQ(LineParserFor(SourceType::Html), &ParseHtmlLine);
    for (int type = 1; type < kSourceTypeCount; ++type)
        EXPECT_NE(LineParserFor(static_cast<SourceType>(type)), nullptr) << type;
    const std::string_view text = "<b>x</b> /* \"a\" */ // int";
    const CSingleLineSource source(text);
    for (int type : {-1, Number(SourceType::PlainText), kSourceTypeCount, 1000}) {
        ColourBlock blocks[64];
        int count = 0;
        EXPECT_EQ(ParseLine(static_cast<SourceType>(type), 0x04, source, 0, blocks, count), 0u)
            << type;
        EXPECT_EQ(count, 0) << type;
    }
    const auto viaDispatch = [](uint32_t state, const CTextLines& s, int line, ColourBlock* b,
                                int& count) {
        return ParseLine(SourceType::Html, state, s, line, b, count);
    };
    const ParsedLine direct = ParseChecked(ParseHtmlLine, 0, text);
    const ParsedLine dispatched = ParseChecked(viaDispatch, 0, text);
    EXPECT_EQ(dispatched.blocks, direct.blocks);
    EXPECT_EQ(dispatched.state, direct.state);
}

} // namespace
