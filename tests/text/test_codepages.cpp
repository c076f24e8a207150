// The conversion tables, the lossy byte sets derived from them, and Windows-1251 letters.
#include "text/CodePages.h"
#include "text/Cp1251.h"
#include "text/StandardPages.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Pages by their numbers, as the file dialog's list and the stored settings give them.
CodePage Page(int number) { return static_cast<CodePage>(number); }
// Pages 1 to 4 convert through byte tables.
constexpr int kLastTablePage = Number(CodePage::Macintosh);

int Count(const std::array<bool, 256>& set)
{
    int n = 0;
    for (bool b : set)
        n += b;
    return n;
}

TEST(CodePageTest, AsciiPassesUnchangedEverywhere)
{
    for (int page = 1; page <= kLastTablePage; ++page)
        for (int b = 0; b < 0x80; ++b) {
            EXPECT_EQ((*LoadTable(Page(page)))[b], b);
            EXPECT_EQ((*SaveTable(Page(page)))[b], b);
        }
    EXPECT_EQ(LoadTable(Page(0)), nullptr);
    EXPECT_EQ(SaveTable(Page(0)), nullptr);
    EXPECT_EQ(LoadTable(Page(5)), nullptr);
}

struct ConversionCase {
    int page;
    bool load;
    uint8_t from, to;
};

TEST(CodePageTest, KnownConversions)
{
    const ConversionCase cases[] = {
        {1, true, 0x80, 0xC0},  {1, false, 0xC0, 0x80}, {1, true, 0xB3, 0xA6},
        {1, false, 0xA6, 0xB3}, {1, false, 0x85, 0x3A}, {1, false, 0x99, 0x54},
        {1, true, 0xB0, 0x00},  {2, true, 0xC1, 0xE0},  {2, false, 0xE0, 0xC1},
        {3, true, 0xB0, 0xC0},  {3, false, 0xC0, 0xB0}, {4, true, 0xDF, 0xFF},
        {4, false, 0xFF, 0xDF},
    };
    for (const ConversionCase& c : cases) {
        const ByteTable* table = c.load ? LoadTable(Page(c.page)) : SaveTable(Page(c.page));
        EXPECT_EQ((*table)[c.from], c.to) << "page " << c.page << " byte " << int(c.from);
    }
}

TEST(CodePageTest, LossyByteCountsPerPage)
{
    EXPECT_EQ(Count(LossyFileBytes(Page(0))), 0);
    EXPECT_EQ(Count(LossyFileBytes(Page(1))), 47);
    EXPECT_EQ(Count(LossyFileBytes(Page(2))), 3);
    EXPECT_EQ(Count(LossyFileBytes(Page(3))), 15);
    EXPECT_EQ(Count(LossyFileBytes(Page(4))), 30);
    for (int b = 0xB0; b <= 0xDF; ++b) {
        if (b != 0xB3 && b != 0xBF && b != 0xC5 && b != 0xD8) { // the four the table maps
            EXPECT_TRUE(LossyFileBytes(Page(1))[b]) << b;
        }
    }
    EXPECT_TRUE(LossyFileBytes(Page(2))[0xA0]);
    EXPECT_TRUE(LossyFileBytes(Page(2))[0xA8]);
    EXPECT_TRUE(LossyFileBytes(Page(2))[0xB8]);
}

// The Unicode character the system's converter gives to byte b of the named page; 0 when it
// gives none.
char16_t SystemToUnicode(const char* page, uint8_t b)
{
    const iconv_t cd = iconv_open("UTF-16LE", page);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return 0;
    char in[1] = {static_cast<char>(b)};
    unsigned char out[4] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = sizeof out;
    const bool ok =
        iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1) && outLeft == 2;
    iconv_close(cd);
    return ok ? static_cast<char16_t>(out[0] | out[1] << 8) : char16_t{0};
}

// The system's converter is the reference for what the pages mean to other programs. Each
// character a save changes into another, in the eyes of the standard page, is counted.
TEST(CodePageTest, StandardPagesAgreeWithTheSystemConverter)
{
    const char* const names[] = {nullptr, "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};
    for (int page = 1; page <= Number(CodePage::Macintosh); ++page) {
        ASSERT_NE(SystemToUnicode(names[page], 'A'), 0) << names[page] << " is not known to iconv";
        for (int b = 0; b < 256; ++b) {
            const uint8_t byte = static_cast<uint8_t>(b);
            ASSERT_EQ(StandardPageToUnicode(Page(page), byte), SystemToUnicode(names[page], byte))
                << names[page] << " byte " << b;
            const uint8_t written = (*SaveTable(Page(page)))[b];
            const bool keptForOthers =
                SystemToUnicode(names[page], written) == cp1251::ToUnicode(byte);
            const bool keptForUs = (*LoadTable(Page(page)))[written] == b;
            EXPECT_EQ(MisreadChars(Page(page))[b], !keptForOthers || !keptForUs)
                << names[page] << " char " << b;
        }
    }
    EXPECT_TRUE(MisreadChars(CodePage::Koi8R)[0x88]); // the euro sign is no KOI8-R character
    EXPECT_TRUE(
        MisreadChars(CodePage::Iso8859_5)[0xB2]); // written where the page has another letter
    EXPECT_FALSE(MisreadChars(CodePage::Koi8R)[0xB8]);
    EXPECT_EQ(Count(MisreadChars(CodePage::Windows1251)), 0);
    EXPECT_EQ(Count(MisreadChars(CodePage::Utf8)), 0);
}

TEST(CodePageTest, UnsaveableCharsAreThoseThatDoNotComeBack)
{
    for (int page = 1; page <= kLastTablePage; ++page)
        for (int c = 0; c < 256; ++c)
            EXPECT_EQ(UnsaveableChars(Page(page))[c],
                      (*LoadTable(Page(page)))[(*SaveTable(Page(page)))[c]] != c);
    EXPECT_TRUE(UnsaveableChars(Page(1))[0xAB]); // guillemets
    EXPECT_TRUE(UnsaveableChars(Page(1))[0xBB]);
    EXPECT_FALSE(UnsaveableChars(Page(1))[0xC0]);
    EXPECT_EQ(Count(UnsaveableChars(Page(0))), 0);
}

TEST(CodePageTest, NamesInListOrder)
{
    EXPECT_EQ(CodePageName(Page(0)), "Windows (CP-1251)");
    EXPECT_EQ(CodePageName(Page(1)), "DOS (OEM,CP866)");
    EXPECT_EQ(CodePageName(Page(2)), "KOI8-R (Unix)");
    EXPECT_EQ(CodePageName(Page(3)), "ISO 8859-5 (Unix)");
    EXPECT_EQ(CodePageName(Page(4)), "Macintosh");
    EXPECT_EQ(CodePageName(Page(5)), "UTF-8");
    EXPECT_EQ(CodePageName(CodePage::Detect), "Detect");
    EXPECT_EQ(CodePageName(Page(kCodePageChoiceCount)), "");
    EXPECT_EQ(LineEndingName(LineEnding::Auto), "Auto");
    EXPECT_EQ(LineEndingName(LineEnding::Dos), "DOS: CR LF (0x0D 0x0A)");
    EXPECT_EQ(LineEndingName(LineEnding::Unix), "Unix: LF (0x0A), for LF CR files");
    EXPECT_EQ(LineEndingName(LineEnding::Macintosh), "Unix: LF (0x0A)");
}

TEST(Cp1251Test, CyrillicLettersHaveCasePartners)
{
    EXPECT_TRUE(cp1251::IsLetter(0xC0));
    EXPECT_EQ(cp1251::ToLower(0xC0), 0xE0);
    EXPECT_EQ(cp1251::ToUpper(0xFF), 0xDF);
    EXPECT_EQ(cp1251::ToUpper(0xB8), 0xA8); // yo
    EXPECT_EQ(cp1251::ToLower(0xA8), 0xB8);
    EXPECT_EQ(cp1251::ToUpper(0xB4), 0xA5); // ghe with upturn
    EXPECT_EQ(cp1251::ToUpper(0x90), 0x80); // dje
    EXPECT_EQ(cp1251::ToUpper('q'), 'Q');
    EXPECT_FALSE(cp1251::IsLetter(0xAB));
    EXPECT_FALSE(cp1251::IsLetter('5'));
    EXPECT_FALSE(cp1251::IsLetter(0xB5)); // micro sign has no partner here
    int letters = 0;
    for (int b = 0; b < 256; ++b) {
        letters += cp1251::IsLetter(b);
        // Case mapping is a pairing: mapping back gives the byte again.
        if (cp1251::IsUpper(b)) {
            EXPECT_EQ(cp1251::ToUpper(cp1251::ToLower(b)), b);
        }
    }
    EXPECT_EQ(letters, 52 + 64 + 2 + 28); // ASCII, А-я, Ёё, the other Slavic letters
}

TEST(Cp1251Test, UnicodeRoundTripOfEveryByte)
{
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(cp1251::FromUnicode(cp1251::ToUnicode(b)), b);
    EXPECT_EQ(cp1251::ToUnicode(0xC0), 0x0410);
    EXPECT_EQ(cp1251::ToUnicode(0x88), 0x20AC);
    EXPECT_EQ(cp1251::FromUnicode(0x4E00), -1);
}

} // namespace

namespace {

// The vector path must agree with a plain table walk for every length and alignment.
TEST(ByteTranslateTest, AgreesWithThePlainTableWalk)
{
    std::mt19937 rng(3);
    for (int page = 1; page <= kLastTablePage; ++page) {
        const ByteTable& table = *LoadTable(Page(page));
        const ByteSet& marks = LossyFileBytes(Page(page));
        for (size_t size : {0, 1, 7, 31, 32, 33, 64, 95, 1000}) {
            std::string in(size + 3, '\0');
            for (char& c : in)
                c = static_cast<char>(rng() % 3 ? rng() : rng() % 128);
            const char* begin = in.data() + size % 3; // unaligned starts
            std::string out(size, '\0');
            int64_t expectedCount = 0;
            std::string expected(size, '\0');
            for (size_t i = 0; i < size; ++i) {
                const uint8_t b = static_cast<uint8_t>(begin[i]);
                expected[i] = static_cast<char>(table[b]);
                expectedCount += marks[b];
            }
            EXPECT_EQ(TranslateBytes(out.data(), begin, size, table, &marks), expectedCount);
            EXPECT_EQ(out, expected) << "page " << page << " size " << size;
            EXPECT_EQ(ByteCounter(marks).Count(begin, size), expectedCount);
        }
    }
}

} // namespace
