// UTF-8 decoding to Windows-1251 and encoding back, with the well-formedness rules of UTF-8.
#include "text/Utf8Page.h"

#include "text/Cp1251.h"
#include "text/Utf8Runs.h"

#include <array>
#include <cstring>

namespace {

// Windows-1251 byte of each code point of the Basic Multilingual Plane, 0 where it has none.
// Only code points from U+0080 are looked up, and none of them maps to 0.
const uint8_t* FromUnicodeTable()
{
    static const auto table = [] {
        std::array<uint8_t, 0x10000> t{};
        for (int b = 0x80; b < 0x100; ++b)
            t[cp1251::ToUnicode(static_cast<uint8_t>(b))] = static_cast<uint8_t>(b);
        return t;
    }();
    return table.data();
}

// Length of the sequence a byte starts; 0 for a byte that cannot start one (a continuation
// byte, C0 and C1 which could only start overlong forms, F5-FF which would go past U+10FFFF).
int SequenceLength(uint8_t lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC2)
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF5 ? 4 : 0;
}

// Whether b may stand at position index (1-3) of a sequence started by lead. The second byte's
// narrower ranges shut out the overlong forms of E0 and F0, the surrogates of ED and the code
// points above U+10FFFF of F4.
bool FitsAt(uint8_t lead, int index, uint8_t b)
{
    uint8_t low = 0x80, high = 0xBF;
    if (index == 1) {
        switch (lead) {
        case 0xE0:
            low = 0xA0;
            break;
        case 0xED:
            high = 0x9F;
            break;
        case 0xF0:
            low = 0x90;
            break;
        case 0xF4:
            high = 0x8F;
            break;
        default:
            break;
        }
    }
    return b >= low && b <= high;
}

char32_t CodePointOf(const uint8_t* s, int length)
{
    static constexpr uint8_t kLeadBits[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t cp = s[0] & kLeadBits[length];
    for (int i = 1; i < length; ++i)
        cp = (cp << 6) | (s[i] & 0x3F);
    return cp;
}

// Copies the ASCII bytes at the start of [in, end); eight at a time while they last.
void CopyAscii(const uint8_t*& in, const uint8_t* end, char*& out)
{
    while (end - in >= 8) {
        uint64_t word;
        std::memcpy(&word, in, 8);
        if (word & 0x8080808080808080ull)
            break;
        std::memcpy(out, in, 8);
        in += 8;
        out += 8;
    }
    while (in < end && *in < 0x80)
        *out++ = static_cast<char>(*in++);
}

// UTF-8 of each Windows-1251 byte, padded to four bytes so that it can be stored whole.
struct Utf8Char {
    char bytes[4];
    uint8_t length;
};

const std::array<Utf8Char, 256>& ToUtf8Table()
{
    static const auto table = [] {
        std::array<Utf8Char, 256> t{};
        for (int b = 0; b < 0x100; ++b) {
            const char16_t cp = cp1251::ToUnicode(static_cast<uint8_t>(b));
            Utf8Char& c = t[b];
            if (cp < 0x80) {
                c = {{static_cast<char>(cp), 0, 0, 0}, 1};
            } else if (cp < 0x800) {
                c = {{static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F)), 0,
                      0},
                     2};
            } else {
                c = {{static_cast<char>(0xE0 | (cp >> 12)),
                      static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                      static_cast<char>(0x80 | (cp & 0x3F)), 0},
                     3};
            }
        }
        return t;
    }();
    return table;
}

} // namespace

Utf8Scan ScanUtf8(std::string_view bytes, bool endMayBeCut)
{
    Utf8Scan scan;
    const uint8_t* in = reinterpret_cast<const uint8_t*>(bytes.data());
    const uint8_t* const end = in + bytes.size();
    while (in < end) {
        if (*in < 0x80) {
            // ASCII eight bytes at a time, markup being much of many files.
            constexpr uint64_t kHighBits = 0x8080808080808080ULL;
            uint64_t word;
            ++in;
            while (end - in >= static_cast<ptrdiff_t>(sizeof word)
                   && (std::memcpy(&word, in, sizeof word), (word & kHighBits) == 0))
                in += sizeof word;
            continue;
        }
        scan.nonAscii = true;
        const uint8_t lead = *in;
        const int length = SequenceLength(lead);
        if (length == 0)
            return {false, true};
        for (int i = 1; i < length; ++i) {
            if (in + i == end)
                return {endMayBeCut, true};
            if (!FitsAt(lead, i, in[i]))
                return {false, true};
        }
        in += length;
    }
    return scan;
}

void Utf8Decoder::Emit(char32_t codePoint, char*& out)
{
    if (m_atStart) {
        m_atStart = false;
        if (codePoint == 0xFEFF) {
            m_byteOrderMark = true;
            return;
        }
    }
    const uint8_t b = codePoint < 0x10000 ? FromUnicodeTable()[codePoint] : 0;
    *out++ = b ? static_cast<char>(b) : '?';
    m_lossy += b == 0;
}

void Utf8Decoder::EmitInvalid(size_t count, char*& out)
{
    m_atStart = false;
    std::memset(out, '?', count);
    out += count;
    m_lossy += static_cast<int64_t>(count);
}

size_t Utf8Decoder::CompletePending(const uint8_t* in, size_t size, char*& out)
{
    const uint8_t lead = m_pending[0];
    const int length = SequenceLength(lead);
    size_t used = 0;
    while (m_pendingSize < length) {
        if (used == size)
            return used;
        if (!FitsAt(lead, m_pendingSize, in[used])) {
            EmitInvalid(m_pendingSize, out);
            m_pendingSize = 0;
            return used;
        }
        m_pending[m_pendingSize++] = in[used++];
    }
    Emit(CodePointOf(m_pending, length), out);
    m_pendingSize = 0;
    return used;
}

// Decodes the sequence at in, or keeps it for the next piece when the piece ends inside it.
// An invalid sequence gives one "?" per byte up to the first byte that does not fit, and the
// decoding goes on at that byte.
const uint8_t* Utf8Decoder::DecodeSequence(const uint8_t* in, const uint8_t* end, char*& out)
{
    const uint8_t lead = *in;
    const int length = SequenceLength(lead);
    if (length == 0) {
        EmitInvalid(1, out);
        return in + 1;
    }
    for (int i = 1; i < length; ++i) {
        if (in + i == end) {
            std::memcpy(m_pending, in, i);
            m_pendingSize = i;
            return end;
        }
        if (!FitsAt(lead, i, in[i])) {
            EmitInvalid(i, out);
            return in + i;
        }
    }
    Emit(CodePointOf(in, length), out);
    return in + length;
}

size_t Utf8Decoder::Decode(const char* data, size_t size, char* out)
{
    const uint8_t* in = reinterpret_cast<const uint8_t*>(data);
    const uint8_t* const end = in + size;
    char* const start = out;
    if (m_pendingSize > 0)
        in += CompletePending(in, size, out);
    if (m_atStart && in < end) {
        if (*in == 0xEF)
            in = DecodeSequence(in, end, out); // a byte order mark, perhaps
        else
            m_atStart = false;
    }

    const uint8_t* const table = FromUnicodeTable();
    while (in < end) {
        DecodeCyrillicRuns(in, end, out);
        // At least the next 16 bytes, which the vector path left, one sequence at a time.
        const uint8_t* const stop = end - in > 16 ? in + 16 : end;
        while (in < stop) {
            const uint8_t lead = *in;
            if (lead < 0x80) {
                CopyAscii(in, end, out);
                continue;
            }
            // Two-byte sequences hold all of Cyrillic, the common case; decoded here directly.
            if (lead >= 0xC2 && lead < 0xE0 && end - in >= 2 && (in[1] & 0xC0) == 0x80) {
                const uint8_t b = table[((lead & 0x1F) << 6) | (in[1] & 0x3F)];
                *out++ = b ? static_cast<char>(b) : '?';
                m_lossy += b == 0;
                in += 2;
                continue;
            }
            in = DecodeSequence(in, end, out);
        }
    }
    return static_cast<size_t>(out - start);
}

size_t Utf8Decoder::Finish(char* out)
{
    char* const start = out;
    if (m_pendingSize > 0)
        EmitInvalid(m_pendingSize, out);
    m_pendingSize = 0;
    return static_cast<size_t>(out - start);
}

Utf8Encoder::Utf8Encoder()
    : m_input(std::make_unique<char[]>(kPiece)), m_output(std::make_unique<char[]>(3 * kPiece + 1))
{
}

size_t Utf8Encoder::EncodeUtf8(const char* data, size_t size, char* out)
{
    const auto& table = ToUtf8Table();
    const uint8_t* in = reinterpret_cast<const uint8_t*>(data);
    const uint8_t* const end = in + size;
    char* const start = out;
    while (in < end) {
        EncodeCyrillicRuns(in, end, out);
        // At least the next 16 bytes, which the vector path left. Each character is stored as
        // four bytes and the output moves on by its length.
        const uint8_t* const stop = end - in > 16 ? in + 16 : end;
        while (in < stop) {
            const Utf8Char& c = table[*in++];
            std::memcpy(out, c.bytes, 4);
            out += c.length;
        }
    }
    return static_cast<size_t>(out - start);
}
