// The number test and keyword lookup shared by the parsers.
#include "syntax/LineParse.h"

#include <cstring>

bool IsNumberToken(const char* text, int length)
{
    const auto* t = reinterpret_cast<const uint8_t*>(text);
    if (length >= 3 && t[0] == '0' && t[1] == 'x') {
        for (int i = 2; i < length; ++i)
            if (!IsHexDigit(t[i]))
                return false;
        return true;
    }
    if (length < 1 || !IsDigit(t[0]))
        return false;
    for (int i = 1; i < length; ++i) {
        const uint8_t c = t[i];
        if (!IsDigit(c) && c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return false;
    }
    return true;
}

namespace {

uint8_t FoldAscii(uint8_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

bool EqualIgnoringAsciiCase(const char* a, const char* b, int length)
{
    for (int i = 0; i < length; ++i)
        if (FoldAscii(static_cast<uint8_t>(a[i])) != FoldAscii(static_cast<uint8_t>(b[i])))
            return false;
    return true;
}

} // namespace

bool FindKeyword(std::span<const std::string_view> table, const char* text, int length,
                 KeywordCase mode)
{
    for (const std::string_view entry : table) {
        if (static_cast<int>(entry.size()) != length)
            continue;
        if (mode == KeywordCase::Sensitive ? std::memcmp(entry.data(), text, length) == 0
                                           : EqualIgnoringAsciiCase(entry.data(), text, length))
            return true;
    }
    return false;
}
