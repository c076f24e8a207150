// Windows-1251, the text's in-memory code page: Unicode mapping, letters and case.
// Every letter test and case mapping of the program goes through these tables, never
// through the C library's locale.
#pragma once

#include <array>
#include <cstdint>

namespace cp1251 {

// Unicode code point of a byte. The unassigned byte 0x98 maps to U+0098, so that every
// byte has a distinct code point and text survives a round trip through Unicode.
char16_t ToUnicode(uint8_t b);
// Byte of a code point, or -1 when Windows-1251 has none.
int FromUnicode(char32_t cp);

struct CharInfo {
    std::array<uint8_t, 256> upper; // case partner or the byte itself
    std::array<uint8_t, 256> lower;
    std::array<bool, 256> letter; // ASCII and Cyrillic letters
};
const CharInfo& Info();

inline bool IsLetter(uint8_t b) { return Info().letter[b]; }
inline bool IsDigit(uint8_t b) { return b >= '0' && b <= '9'; }
inline bool IsSpace(uint8_t b) { return b == ' ' || (b >= '\t' && b <= '\r'); }
inline bool IsAlnum(uint8_t b) { return IsLetter(b) || IsDigit(b); }
inline bool IsUpper(uint8_t b) { return IsLetter(b) && Info().lower[b] != b; }
inline bool IsLower(uint8_t b) { return IsLetter(b) && Info().upper[b] != b; }
inline uint8_t ToUpper(uint8_t b) { return Info().upper[b]; }
inline uint8_t ToLower(uint8_t b) { return Info().lower[b]; }

} // namespace cp1251
