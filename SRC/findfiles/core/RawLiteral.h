// Finds where a plain search may match in the raw bytes of a file, before any conversion: the
// pattern is brought into the file's page once, so that lines without a candidate are never
// converted or split. A candidate is only a hint; the line it lies on is then searched as Find
// searches it. For every line that holds a match of Find there is a candidate on that line.
#pragma once

#include "text/FileFormat.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

class CRawLiteral {
public:
    // How often each byte turned up in the files searched so far.
    using ByteCounts = std::array<uint64_t, 256>;

    // pattern in Windows-1251; flags as Find takes them. Usable() is false where the bytes
    // cannot be searched directly: a regular expression, an empty pattern, and in UTF-8 a
    // pattern with "?" (which also stands for every character Windows-1251 lacks). The bytes
    // looked for first are those rarest by counts when given (files of any page), else those
    // rarest in text of the page.
    CRawLiteral(std::string_view pattern, uint32_t flags, CodePage codePage,
                const ByteCounts* counts = nullptr);

    bool Usable() const { return !m_accept.empty(); }
    // Finds the same candidates as other (as pages that read ASCII alike do for ASCII).
    bool SameAs(const CRawLiteral& other) const { return m_accept == other.m_accept; }
    // The first candidate that starts in [from, end) and ends by end, or null.
    const char* Find(const char* from, const char* end) const;

private:
    using ByteSet = std::array<bool, 256>;

    bool Accepts(size_t k, const char* p) const { return m_accept[k][static_cast<uint8_t>(*p)]; }
    std::vector<ByteSet> m_accept; // by pattern position: the file bytes that may stand there
    size_t m_anchor = 0;           // the position looked for first: its bytes are the rarest
    uint8_t m_anchorBytes[2] = {};
    int m_anchorCount = 0; // bytes the anchor accepts
};
