// The Windows-1251 table and the letter and case tables derived from it.
#include "text/Cp1251.h"

namespace cp1251 {
namespace {

// 0x80-0xBF; 0xC0-0xFF are U+0410-U+044F in order.
constexpr std::array<char16_t, 64> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// Cyrillic capitals U+0400-U+042F pair with U+0450-U+045F and U+0430-U+044F; Ghe with upturn
// U+0490 with U+0491.
char32_t UnicodeLowerOf(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp >= 0x0400 && cp <= 0x040F)
        return cp + 0x50;
    if (cp >= 0x0410 && cp <= 0x042F)
        return cp + 0x20;
    if (cp == 0x0490)
        return 0x0491;
    return cp;
}

bool IsUnicodeLetter(char32_t cp)
{
    return (cp >= 'A' && cp <= 'Z') || (cp >= 'a' && cp <= 'z') || (cp >= 0x0400 && cp <= 0x045F)
           || cp == 0x0490 || cp == 0x0491;
}

CharInfo BuildInfo()
{
    CharInfo info{};
    for (int b = 0; b < 256; ++b) {
        info.upper[b] = info.lower[b] = static_cast<uint8_t>(b);
        info.letter[b] = IsUnicodeLetter(ToUnicode(static_cast<uint8_t>(b)));
    }
    for (int b = 0; b < 256; ++b) {
        const char32_t lower = UnicodeLowerOf(ToUnicode(static_cast<uint8_t>(b)));
        if (lower == ToUnicode(static_cast<uint8_t>(b)))
            continue;
        const int partner = FromUnicode(lower);
        if (partner < 0)
            continue;
        info.lower[b] = static_cast<uint8_t>(partner);
        info.upper[partner] = static_cast<uint8_t>(b);
    }
    return info;
}

} // namespace

char16_t ToUnicode(uint8_t b)
{
    if (b < 0x80)
        return b;
    return b < 0xC0 ? kHigh[b - 0x80] : static_cast<char16_t>(0x0410 + b - 0xC0);
}

int FromUnicode(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<int>(cp);
    static const auto reverse = [] {
        // A direct table for the Cyrillic block; the few other characters are searched.
        std::array<int16_t, 0x60> cyrillic{};
        cyrillic.fill(-1);
        for (int b = 0x80; b < 0x100; ++b) {
            const char16_t cp = ToUnicode(static_cast<uint8_t>(b));
            if (cp >= 0x0400 && cp < 0x0460)
                cyrillic[cp - 0x0400] = static_cast<int16_t>(b);
        }
        return cyrillic;
    }();
    if (cp >= 0x0400 && cp < 0x0460)
        return reverse[cp - 0x0400];
    for (int i = 0; i < 64; ++i)
        if (kHigh[i] == cp)
            return 0x80 + i;
    return -1;
}

const CharInfo& Info()
{
    static const CharInfo info = BuildInfo();
    return info;
}

} // namespace cp1251
