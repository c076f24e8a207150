// Plain patterns over the raw bytes of a file in its own page.
#include "findfiles/core/RawLiteral.h"

#include "text/CodePages.h"
#include "text/Cp1251.h"
#include "text/Utf8Text.h"
#include "view/core/TextSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>

namespace {

// How often a character turns up in the pages and sources people search, roughly: blanks and
// small Latin letters most, then markup, small Cyrillic letters by their frequency in Russian,
// digits, capitals, the rest.
int Commonness(uint8_t c)
{
    // "оеаинтсрвлкмдпу", then "яыьгзбчйхжшю".
    static const std::string_view kCyrillicOften =
        "\xEE\xE5\xE0\xE8\xED\xF2\xF1\xF0\xE2\xEB\xEA\xEC\xE4\xEF\xF3";
    static const std::string_view kCyrillicSome =
        "\xFF\xFB\xFC\xE3\xE7\xE1\xF7\xE9\xF5\xE6\xF8\xFE";
    if (c == ' ' || c == '\n' || c == '\r' || c == '\t')
        return 100;
    if (c && std::strchr("etaoinsr", c))
        return 80;
    if (c >= 'a' && c <= 'z')
        return std::strchr("jqxz", c) ? 15 : 50;
    if (c && std::strchr("<>\"=/", c))
        return 50;
    if (kCyrillicOften.find(static_cast<char>(c)) != std::string_view::npos)
        return 40;
    if (kCyrillicSome.find(static_cast<char>(c)) != std::string_view::npos)
        return 20;
    if (c >= '0' && c <= '9')
        return 20;
    return c >= 0x20 ? 10 : 1;
}

// The same for a byte of UTF-8: the lead bytes of Cyrillic letters are everywhere in Cyrillic
// text; a byte that ends a letter is as common as the two letters it can end (after D0 and
// after D1).
int Utf8Commonness(uint8_t b)
{
    if (b < 0x80)
        return Commonness(b);
    if (b == 0xD0 || b == 0xD1)
        return 100;
    if (b >= 0xC0)
        return 30;
    const auto letter = [](char32_t cp) {
        const int c = cp1251::FromUnicode(cp);
        return c < 0 ? 1 : Commonness(static_cast<uint8_t>(c));
    };
    return letter(0x400 + (b - 0x80)) + letter(0x440 + (b - 0x80));
}

using ByteSets = std::vector<std::array<bool, 256>>;

// Whether a file's character c (in Windows-1251) stands for the pattern's character want.
bool Matches(uint8_t c, uint8_t want, bool matchCase)
{
    return matchCase ? c == want : cp1251::ToUpper(c) == cp1251::ToUpper(want);
}

// By pattern position, the bytes of a file in a page of tables that may stand there.
ByteSets AcceptedBytes(std::string_view pattern, uint32_t flags, CodePage codePage)
{
    const ByteTable* load = LoadTable(codePage);
    ByteSets accept(pattern.size());
    for (size_t k = 0; k < pattern.size(); ++k) {
        for (int b = 0; b < 256; ++b) {
            // The character the editor holds for this byte of the file.
            const uint8_t c = load ? (*load)[b] : static_cast<uint8_t>(b);
            accept[k][b] = Matches(c, static_cast<uint8_t>(pattern[k]), flags & FIND_MATCH_CASE);
        }
    }
    return accept;
}

// The same for UTF-8, by byte of the pattern's characters encoded; empty when the bytes are no
// guide. Every character the pattern's character matches (its other case) must be as long in
// UTF-8, and the pattern must hold no "?", which also stands for every character Windows-1251
// lacks and every byte that is not UTF-8.
ByteSets Utf8AcceptedBytes(std::string_view pattern, uint32_t flags)
{
    ByteSets accept;
    for (const char want : pattern) {
        if (want == '?')
            return {};
        const size_t first = accept.size();
        for (int c = 0; c < 256; ++c) {
            const bool matchCase = flags & FIND_MATCH_CASE;
            if (!Matches(static_cast<uint8_t>(c), static_cast<uint8_t>(want), matchCase))
                continue;
            const std::string bytes = Cp1251ToUtf8(std::string(1, static_cast<char>(c)));
            if (accept.size() == first)
                accept.resize(first + bytes.size());
            if (accept.size() != first + bytes.size())
                return {};
            for (size_t j = 0; j < bytes.size(); ++j)
                accept[first + j][static_cast<uint8_t>(bytes[j])] = true;
        }
    }
    return accept;
}

} // namespace

CRawLiteral::CRawLiteral(std::string_view pattern, uint32_t flags, CodePage codePage,
                         const ByteCounts* counts)
{
    if (pattern.empty() || (flags & FIND_REGEXP))
        return;
    m_accept = codePage == CodePage::Utf8 ? Utf8AcceptedBytes(pattern, flags)
                                          : AcceptedBytes(pattern, flags, codePage);
    if (m_accept.empty())
        return;

    // The anchor: the position whose bytes are rarest. By counts, a byte never seen still costs
    // a look, and a position of more than two bytes, looked for byte by byte, costs as much as
    // if every byte were one of them.
    const ByteTable* load = LoadTable(codePage);
    const uint64_t everyByte =
        counts ? std::accumulate(counts->begin(), counts->end(), uint64_t{0}) : 0;
    const auto commonness = [&](uint8_t byte) -> uint64_t {
        if (counts)
            return (*counts)[byte] + 1;
        return codePage == CodePage::Utf8 ? Utf8Commonness(byte)
                                          : Commonness(load ? (*load)[byte] : byte);
    };
    uint64_t best = UINT64_MAX;
    for (size_t k = 0; k < m_accept.size(); ++k) {
        uint64_t score = 0;
        int bytes = 0;
        for (int b = 0; b < 256; ++b) {
            if (m_accept[k][b]) {
                score += commonness(static_cast<uint8_t>(b));
                ++bytes;
            }
        }
        if (bytes > 2)
            score += everyByte;
        if (score < best) {
            best = score;
            m_anchor = k;
        }
    }
    m_anchorCount = 0;
    for (int b = 0; b < 256; ++b) {
        if (!m_accept[m_anchor][b])
            continue;
        if (m_anchorCount < 2)
            m_anchorBytes[m_anchorCount] = static_cast<uint8_t>(b);
        ++m_anchorCount;
    }
}

const char* CRawLiteral::Find(const char* from, const char* end) const
{
    const size_t n = m_accept.size();
    if (m_anchorCount == 0 || end - from < static_cast<ptrdiff_t>(n))
        return nullptr;
    const char* const anchorEnd = end - n + m_anchor + 1; // past the last place of the anchor
    // The next place of each anchor byte, kept while it lies ahead (anchorEnd: none), so
    // that neither byte's stretch is scanned twice.
    const char* next[2] = {nullptr, nullptr};
    const auto nextOf = [&](int i, const char* p) {
        if (next[i] < p) {
            const void* hit = std::memchr(p, m_anchorBytes[i], anchorEnd - p);
            next[i] = hit ? static_cast<const char*>(hit) : anchorEnd;
        }
        return next[i];
    };
    for (const char* a = from + m_anchor; a < anchorEnd; ++a) {
        if (m_anchorCount <= 2) {
            a = m_anchorCount == 1 ? nextOf(0, a) : std::min(nextOf(0, a), nextOf(1, a));
            if (a == anchorEnd)
                return nullptr;
        } else if (!Accepts(m_anchor, a)) {
            continue;
        }
        const char* start = a - m_anchor;
        size_t k = 0;
        while (k < n && Accepts(k, start + k))
            ++k;
        if (k == n)
            return start;
    }
    return nullptr;
}
