// Fast byte loops over code-page tables: translation through a 256-entry table and counting
// of marked bytes. Every table of the program maps ASCII to itself and marks no ASCII byte,
// which lets the vector paths pass over plain ASCII at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

using ByteTable = std::array<uint8_t, 256>;
using ByteSet = std::array<bool, 256>;

// out[i] = table[in[i]]; out may equal in. Returns how many input bytes are in marks (0 when
// marks is null).
int64_t TranslateBytes(char* out, const char* in, size_t size, const ByteTable& table,
                       const ByteSet* marks = nullptr);
// Counts the bytes of a set in many runs of text; set up once per set.
class ByteCounter {
public:
    explicit ByteCounter(const ByteSet& marks);
    int64_t Count(const char* data, size_t size) const;

private:
    const ByteSet& m_marks;
    std::array<uint8_t, 128> m_upperMarks; // marks of 0x80-0xFF as 0 or 1
};
