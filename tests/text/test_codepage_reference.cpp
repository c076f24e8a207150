// The conversion tables and the Windows-1251 Unicode table checked byte by byte against the
// system's iconv, an implementation that owes nothing to ours. Where the tables are meant to
// differ, a row of the table of known differences says which bytes, how and why.
#include "text/CodePages.h"
#include "text/Cp1251.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

// One byte through iconv: the byte or code point it becomes, none when the other side lacks
// the character.
class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool Opened() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // The output bytes for one input byte, empty when it cannot be converted.
    std::string Convert(uint8_t byte) const
    {
        char in[1] = {static_cast<char>(byte)};
        char out[8];
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)
            || inLeft != 0)
            return {};
        return std::string(out, static_cast<size_t>(outPtr - out));
    }
    std::optional<uint8_t> Byte(uint8_t byte) const
    {
        const std::string out = Convert(byte);
        return out.size() == 1 ? std::optional<uint8_t>(static_cast<uint8_t>(out[0]))
                               : std::nullopt;
    }

private:
    iconv_t m_cd;
};

std::string Hex(std::optional<uint32_t> value)
{
    if (!value)
        return "none";
    char text[16];
    std::snprintf(text, sizeof text, "0x%02X", *value);
    return text;
}

enum class Way { Load, Save };

// A known difference: on a page and way, the bytes of a range (or of a list) convert as the
// rule says instead of as iconv does.
struct Difference {
    int page;
    Way way;
    uint8_t first, last;                              // the range
    std::vector<std::pair<uint8_t, uint8_t>> exactly; // or these bytes to these values
    enum Rule { Zero, Unchanged, Ascii, Listed } rule;
    const char* reason;

    bool Covers(int p, Way w, uint8_t b) const
    {
        if (p != page || w != way)
            return false;
        if (rule == Listed) {
            for (const auto& [from, to] : exactly)
                if (from == b)
                    return true;
            return false;
        }
        return b >= first && b <= last;
    }
    bool Allows(uint8_t b, uint8_t value, std::optional<uint8_t> reference) const
    {
        switch (rule) {
        case Zero:
            return value == 0 && !reference;
        case Unchanged:
            return value == b;
        case Ascii:
            return value < 0x80 && !reference;
        case Listed:
            for (const auto& [from, to] : exactly)
                if (from == b)
                    return value == to;
        }
        return false;
    }
};

const std::vector<Difference>& KnownDifferences()
{
    // clang-format off
    static const std::vector<Difference> rows = {
        {1, Way::Load, 0xB0, 0xFE, {}, Difference::Zero,
         "box drawing and signs that Windows-1251 lacks read as a zero byte"},
        {1, Way::Load, 0, 0, {{0xB3, 0xA6}, {0xBF, 0xAC}, {0xC5, 0x86}, {0xD8, 0x87}}, Difference::Listed,
         "four box-drawing lines read as the nearest sign Windows-1251 has: | as a broken bar, "
         "a corner as a not sign, crossings as daggers"},
        {1, Way::Save, 0x80, 0xBF, {}, Difference::Ascii,
         "characters CP866 lacks are written as \"?\" or a near ASCII sign (quotes, dashes, "
         "the ellipsis as \":\", the bullet, section and pilcrow as the DOS glyph codes)"},
        {1, Way::Save, 0, 0, {{0x86, 0xC5}, {0x87, 0xD8}, {0xA6, 0xB3}, {0xAC, 0xBF}, {0xB5, 0xE7}},
         Difference::Listed,
         "the reverse of the four lines, and the micro sign written as 0xE7 as the table lays "
         "down; these count as characters the page cannot hold"},
        {2, Way::Load, 0x80, 0xBF, {}, Difference::Unchanged,
         "box drawing and the signs of KOI8-R (degree, middle dot, copyright too) pass unchanged"},
        {2, Way::Save, 0x80, 0xBF, {}, Difference::Unchanged,
         "signs of Windows-1251 other than Yo pass unchanged"},
        {3, Way::Load, 0x80, 0xAF, {}, Difference::Unchanged,
         "control codes and the letters of the other languages of ISO 8859-5 pass unchanged"},
        {3, Way::Load, 0xF2, 0xFF, {}, Difference::Unchanged,
         "the small letters of the other languages pass unchanged"},
        {3, Way::Save, 0x80, 0xBF, {}, Difference::Unchanged,
         "signs and the letters of the other languages of Windows-1251 pass unchanged"},
        {4, Way::Load, 0xA0, 0xFF, {}, Difference::Unchanged,
         "signs and the letters of the other languages of the Macintosh page pass unchanged; "
         "0xFF, the currency sign, reads as ya"},
        {4, Way::Save, 0x80, 0xBF, {}, Difference::Unchanged,
         "signs and the letters of the other languages of Windows-1251 pass unchanged"},
    };
    return rows;
}
// clang-format on

// The page's name for iconv.
const char* IconvName(int page)
{
    static const char* const names[] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};
    return names[page];
}

TEST(CodePageReferenceTest, TablesAgreeWithIconvButForTheKnownDifferences)
{
    std::vector<int> used(KnownDifferences().size());
    for (int page = 1; page <= Number(CodePage::Macintosh); ++page) {
        for (const Way way : {Way::Load, Way::Save}) {
            const bool load = way == Way::Load;
            const Iconv reference =
                load ? Iconv("CP1251", IconvName(page)) : Iconv(IconvName(page), "CP1251");
            ASSERT_TRUE(reference.Opened()) << "iconv lacks " << IconvName(page);
            const ByteTable& table = load ? *LoadTable(static_cast<CodePage>(page))
                                          : *SaveTable(static_cast<CodePage>(page));
            for (int b = 0x80; b <= 0xFF; ++b) {
                const std::optional<uint8_t> expected = reference.Byte(static_cast<uint8_t>(b));
                if (expected == table[b])
                    continue;
                bool allowed = false;
                for (size_t row = 0; row < KnownDifferences().size(); ++row) {
                    const Difference& difference = KnownDifferences()[row];
                    if (difference.Covers(page, way, static_cast<uint8_t>(b))
                        && difference.Allows(static_cast<uint8_t>(b), table[b], expected)) {
                        allowed = true;
                        ++used[row];
                        break;
                    }
                }
                EXPECT_TRUE(allowed)
                    << (load ? "loading " : "saving ") << IconvName(page) << " byte " << Hex(b)
                    << " gives " << Hex(table[b]) << ", iconv " << Hex(expected);
            }
        }
    }
    for (size_t row = 0; row < used.size(); ++row)
        EXPECT_GT(used[row], 0) << "a known difference that no longer occurs: "
                                << KnownDifferences()[row].reason;
}

// The table the text is drawn and copied through: every byte as iconv reads Windows-1251, but
// 0x98, which Windows-1251 leaves unassigned and which is kept as the control code U+0098 so
// that no byte of a file is lost.
TEST(CodePageReferenceTest, Windows1251UnicodeTableAgreesWithIconv)
{
    const Iconv reference("UTF-32LE", "CP1251");
    ASSERT_TRUE(reference.Opened());
    for (int b = 0; b <= 0xFF; ++b) {
        const std::string out = reference.Convert(static_cast<uint8_t>(b));
        std::optional<uint32_t> expected;
        if (out.size() == 4)
            expected = static_cast<uint8_t>(out[0]) | static_cast<uint8_t>(out[1]) << 8
                       | static_cast<uint8_t>(out[2]) << 16
                       | static_cast<uint32_t>(static_cast<uint8_t>(out[3])) << 24;
        if (b == 0x98) {
            EXPECT_FALSE(expected) << Hex(expected);
            EXPECT_EQ(cp1251::ToUnicode(0x98), 0x98);
            continue;
        }
        EXPECT_EQ(std::optional<uint32_t>(cp1251::ToUnicode(static_cast<uint8_t>(b))), expected)
            << Hex(b);
        EXPECT_EQ(cp1251::FromUnicode(cp1251::ToUnicode(static_cast<uint8_t>(b))), b) << Hex(b);
    }
}

} // namespace
