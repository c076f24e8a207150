// The charset a page declares for itself, and the reopen hint that detection and the
// declaration give together.
#include "text/CharsetDeclaration.h"
#include "text/CodePages.h"
#include "text/Cp1251.h"
#include "text/EncodingHint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DeclarationCase {
    const char* text;
    const char* name; // the declared name as it stands in the text; empty for none
    std::optional<CodePage> page;
};

TEST(CharsetDeclarationTest, FindsTheFirstDeclarationAndItsPage)
{
    const DeclarationCase cases[] = {
        {"<html><head><meta charset=\"koi8-r\"></head>", "koi8-r", CodePage::Koi8R},
        {"<META CHARSET=Windows-1251>", "Windows-1251", CodePage::Windows1251},
        {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">", "utf-8",
         CodePage::Utf8},
        {"<meta content='text/html;charset = ISO-8859-5' http-equiv='content-type'/>", "ISO-8859-5",
         CodePage::Iso8859_5},
        {"<?xml version=\"1.0\" encoding=\"ibm866\"?><meta charset=\"utf-8\">", "ibm866",
         CodePage::Dos866},
        {"\xEF\xBB\xBF<?xml version='1.0' encoding='x-mac-cyrillic'?>", "x-mac-cyrillic",
         CodePage::Macintosh},
        // A charset of none of the pages is found, for Save As to offer an update.
        {"<meta charset=\"iso-8859-1\">", "iso-8859-1", std::nullopt},
        // Not declarations: a comment, other tags and attributes, an encoding past the start.
        {"<!-- <meta charset=\"koi8-r\"> --><meta charset=\"cp1251\">", "cp1251",
         CodePage::Windows1251},
        {"<metadata charset=\"koi8-r\"><p>charset=koi8-r</p>", "", std::nullopt},
        {"<meta name=\"charset\" content=\"koi8-r\">", "", std::nullopt},
        {"<p>x</p><?xml version=\"1.0\" encoding=\"koi8-r\"?>", "", std::nullopt},
        {"<meta charset=", "", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const DeclarationCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string_view text = c.text;
        const CharsetDeclaration found = FindCharsetDeclaration(text);
        EXPECT_EQ(text.substr(found.offset, found.length), c.name);
        EXPECT_EQ(found.page, c.page);
    }
}

TEST(CharsetDeclarationTest, EachPageHasTheNameItIsDeclaredWith)
{
    for (int number = 0; number < kCodePageCount; ++number) {
        const auto page = static_cast<CodePage>(number);
        EXPECT_EQ(CodePageOfCharset(CharsetNameOfPage(page)), page) << number;
    }
    EXPECT_EQ(CharsetNameOfPage(CodePage::Utf8), "utf-8");
    EXPECT_EQ(CharsetNameOfPage(CodePage::Detect), "");
}

// Windows-1251 bytes of UTF-16 text, then in another page through the page's table.
std::string InPage(std::u16string_view text, CodePage page)
{
    std::string bytes;
    for (char16_t c : text) {
        const auto b = static_cast<uint8_t>(cp1251::FromUnicode(c));
        bytes += static_cast<char>(SaveTable(page) ? (*SaveTable(page))[b] : b);
    }
    return bytes;
}

const std::u16string kRussian =
    u"Без труда не вытащишь и рыбку из пруда. Утро выдалось холодным, и мы "
    u"решили остаться дома.";

TEST(EncodingHintTest, DetectionFirstThenTheDeclaration)
{
    using Reason = CodePageHint::Reason;
    const struct {
        const char* name;
        std::string head;
        CodePage opened;
        std::optional<CodePage> page;
        Reason reason;
    } cases[] = {
        {"Koi8OpenedAsWindows", InPage(kRussian, CodePage::Koi8R), CodePage::Windows1251,
         CodePage::Koi8R, Reason::LooksLike},
        {"Koi8OpenedAsKoi8", InPage(kRussian, CodePage::Koi8R), CodePage::Koi8R, std::nullopt,
         Reason::LooksLike},
        {"Cp866OpenedAsKoi8", InPage(kRussian, CodePage::Dos866), CodePage::Koi8R, CodePage::Dos866,
         Reason::LooksLike},
        {"AsciiDeclaringUtf8", "<meta charset=\"utf-8\"><p>Hello</p>", CodePage::Windows1251,
         CodePage::Utf8, Reason::Declares},
        {"DeclarationMatches", "<meta charset=\"utf-8\"><p>Hello</p>", CodePage::Utf8, std::nullopt,
         Reason::LooksLike},
        {"DeclaringAnotherCharset", "<meta charset=\"iso-8859-1\">", CodePage::Koi8R, std::nullopt,
         Reason::LooksLike},
        // The bytes outweigh a declaration that does not fit them.
        {"Koi8DeclaringWindows",
         "<meta charset=\"windows-1251\">" + InPage(kRussian, CodePage::Koi8R),
         CodePage::Windows1251, CodePage::Koi8R, Reason::LooksLike},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CodePageHint hint = SuggestedCodePage(c.head, false, c.opened);
        EXPECT_EQ(hint.page, c.page);
        if (hint.page) {
            EXPECT_EQ(hint.reason, c.reason);
        }
    }
}

} // namespace
