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
// How many bytes are in marks.
int64_t CountMarkedBytes(const char* data, size_t size, const ByteSet& marks);
