// Clipboard, dropped and typed text across the Unicode boundary.
#include "edit/EditText.h"

#include <gtest/gtest.h>

namespace {

TEST(EditTextTest, ClipboardTextGetsLfLineEndsAndUnicodeLetters)
{
    EXPECT_EQ(ClipboardTextFromBuffer("\xCF\xF0\xE8\r\nb\rc\nd\x98"),
              QString::fromUtf8("При\nb\nc\nd") + QChar(0x0098));
}

TEST(EditTextTest, ClipboardTextComesBackWithCrLfAndCountsWhatTheCodePageLacks)
{
    const BufferText text = BufferTextFromClipboard(QString::fromUtf8("Жук\r\nі\rx\ny → z 😀 €"));
    EXPECT_EQ(text.bytes, "\xC6\xF3\xEA\r\n\xB3\r\nx\r\ny  z  \x88");
    EXPECT_EQ(text.missing, 2);
    // Round trip of every byte but the line-break ones.
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all.push_back(static_cast<char>(b));
    const BufferText back = BufferTextFromClipboard(ClipboardTextFromBuffer(all));
    EXPECT_EQ(back.bytes, all);
    EXPECT_EQ(back.missing, 0);
}

TEST(EditTextTest, ACombiningAccentIsComposedFirst)
{
    const QString eWithDiaeresis = QString::fromUtf8("е") + QChar(0x0308);
    EXPECT_EQ(BufferTextFromClipboard(eWithDiaeresis).bytes, "\xB8");
    EXPECT_EQ(TypedByte(eWithDiaeresis), 0xB8);
}

TEST(EditTextTest, TypedCharacterGivesItsByteOrIsRefused)
{
    EXPECT_EQ(TypedByte(QStringLiteral("a")), 'a');
    EXPECT_EQ(TypedByte(QString::fromUtf8("ж")), 0xE6);
    EXPECT_EQ(TypedByte(QString::fromUtf8("ї")), 0xBF);
    EXPECT_EQ(TypedByte(QString::fromUtf8("€")), 0x88);
    for (const QString& refused :
         {QString(), QStringLiteral("ab"), QStringLiteral("\r"), QStringLiteral("\t"),
          QString(QChar(0x7F)), QString::fromUtf8("→"), QString::fromUtf8("😀"),
          QString(QChar(0x0098))})
        EXPECT_EQ(TypedByte(refused), std::nullopt) << refused.toStdString();
}

} // namespace
