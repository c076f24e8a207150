// UTF-8 encoding and decoding of Windows-1251 text.
#include "text/Utf8Text.h"

#include "text/Cp1251.h"

#include <cstdint>

std::string Cp1251ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const char16_t cp = cp1251::ToUnicode(static_cast<uint8_t>(c));
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | cp >> 6);
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | cp >> 12);
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

namespace {

// The continuation bytes that follow a lead byte; -1 for a byte that cannot lead.
int ContinuationCount(uint8_t lead)
{
    if (lead < 0x80)
        return 0;
    if (lead >= 0xC2 && lead < 0xE0)
        return 1;
    if (lead >= 0xE0 && lead < 0xF0)
        return 2;
    if (lead >= 0xF0 && lead < 0xF5)
        return 3;
    return -1;
}

} // namespace

std::string Utf8ToCp1251(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const uint8_t lead = static_cast<uint8_t>(utf8[i]);
        const int extra = ContinuationCount(lead);
        bool valid = extra >= 0 && i + static_cast<size_t>(extra) < utf8.size();
        char32_t cp = extra > 0 ? lead & (0x3F >> extra) : lead;
        size_t next = i + 1;
        for (int k = 0; valid && k < extra; ++k, ++next) {
            const uint8_t c = static_cast<uint8_t>(utf8[next]);
            valid = (c & 0xC0) == 0x80;
            cp = cp << 6 | (c & 0x3F);
        }
        const int byte = valid ? cp1251::FromUnicode(cp) : -1;
        out += byte >= 0 ? static_cast<char>(byte) : '?';
        i = valid ? next : i + 1;
    }
    return out;
}
