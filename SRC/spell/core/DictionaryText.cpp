// Conversion of words for a dictionary: UTF-8 directly, single-byte encodings through byte
// tables that the system's converter fills once.
#include "spell/core/DictionaryText.h"

#include "text/Utf8Page.h"
#include "text/Utf8Text.h"

#include <iconv.h>

#include <cctype>
#include <vector>

namespace {

std::string Upper(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// Fills table[b] with what byte b of "from" is in "to", or kNone. False when the system has
// no converter between the two.
bool FillTable(const char* to, const char* from, std::array<uint16_t, 256>& table, uint16_t none)
{
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    for (int b = 0; b < 256; ++b) {
        char in = static_cast<char>(b);
        char out[8];
        char* inPtr = &in;
        char* outPtr = out;
        size_t inLeft = 1, outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        const bool converted =
            iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1);
        table[b] = converted && outPtr - out == 1 ? static_cast<uint8_t>(out[0]) : none;
    }
    iconv_close(cd);
    return true;
}

// Maps every byte through table; false at a byte that has no equivalent.
bool MapBytes(const std::array<uint16_t, 256>& table, uint16_t none, std::string_view in,
              std::string& out)
{
    out.resize(in.size());
    for (size_t k = 0; k < in.size(); ++k) {
        const uint16_t b = table[static_cast<uint8_t>(in[k])];
        if (b == none)
            return false;
        out[k] = static_cast<char>(b);
    }
    return true;
}

} // namespace

bool CDictionaryText::Init(std::string_view encoding)
{
    std::string name = Upper(encoding);
    m_utf8 = name == "UTF-8" || name == "UTF8";
    if (m_utf8)
        return true;
    // Dictionaries name the Windows code pages their own way.
    if (name.starts_with("MICROSOFT-"))
        name = name.substr(10);
    return FillTable(name.c_str(), "CP1251", m_toDictionary, kNone)
           && FillTable("CP1251", name.c_str(), m_fromDictionary, kNone);
}

bool CDictionaryText::Encode(std::string_view cp1251, std::string& out) const
{
    if (m_utf8) {
        out = Cp1251ToUtf8(cp1251);
        return true;
    }
    return MapBytes(m_toDictionary, kNone, cp1251, out);
}

bool CDictionaryText::Decode(std::string_view word, std::string& out) const
{
    if (m_utf8) {
        Utf8Decoder decoder;
        std::vector<char> bytes(Utf8Decoder::OutputRoom(word.size()) + 3);
        size_t n = decoder.Decode(word.data(), word.size(), bytes.data());
        n += decoder.Finish(bytes.data() + n);
        if (decoder.LossyCount() != 0 || decoder.HadByteOrderMark())
            return false;
        out.assign(bytes.data(), n);
        return true;
    }
    return MapBytes(m_fromDictionary, kNone, word, out);
}
