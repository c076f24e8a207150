// Vector paths of the UTF-8 converters for the common case: ASCII and the letters А-я.
#pragma once

#include <cstdint>

// Decode and encode 32 or 16 bytes at a time for as long as those bytes hold only ASCII and
// the letters U+0410-U+044F (Windows-1251 0xC0-0xFF, UTF-8 D0 90-BF and D1 80-8F), and at
// least 16 bytes remain. They stop before anything else, never inside a sequence, and advance in
// and out past what they did; where the processor has no vector unit for it they do nothing.
// The decoder writes into out no further than one byte per byte read plus 3; the encoder no
// further than three bytes per byte read.
void DecodeCyrillicRuns(const uint8_t*& in, const uint8_t* end, char*& out);
void EncodeCyrillicRuns(const uint8_t*& in, const uint8_t* end, char*& out);
