// Words between the text's Windows-1251 and the encoding a dictionary declares for itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class CDictionaryText {
public:
    // Prepares the conversion for an encoding name as dictionaries give it ("UTF-8",
    // "KOI8-R", "ISO8859-5", "microsoft-cp1251", ...); false when the system cannot convert it.
    bool Init(std::string_view encoding);

    // Every Windows-1251 character has a Unicode code point, but a single-byte dictionary may
    // lack some: false then.
    bool Encode(std::string_view cp1251, std::string& out) const;
    // False when the word has a character Windows-1251 lacks (or bytes that do not decode).
    bool Decode(std::string_view word, std::string& out) const;

private:
    static constexpr uint16_t kNone = 0xFFFF;
    bool m_utf8 = true;
    // Single-byte encodings: byte to byte both ways, kNone where there is no equivalent.
    std::array<uint16_t, 256> m_toDictionary{};
    std::array<uint16_t, 256> m_fromDictionary{};
};
