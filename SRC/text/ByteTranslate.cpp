// Table translation and counting, with an AVX2 path chosen at run time.
#include "text/ByteTranslate.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

int64_t TranslateScalar(char* out, const char* in, size_t size, const ByteTable& table,
                        const ByteSet* marks)
{
    int64_t count = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = static_cast<uint8_t>(in[i]);
        if (marks)
            count += (*marks)[b];
        out[i] = static_cast<char>(table[b]);
    }
    return count;
}

int64_t CountScalar(const char* data, size_t size, const ByteSet& marks)
{
    int64_t count = 0;
    for (size_t i = 0; i < size; ++i)
        count += marks[static_cast<uint8_t>(data[i])];
    return count;
}

#if defined(__x86_64__)

// The upper half of a table as eight 16-byte rows, one per high nibble 8-F, each broadcast
// to both lanes. A byte is looked up with a shuffle by its low nibble in the row that its
// high nibble selects.
struct UpperRows {
    __m256i row[8];
};

__attribute__((target("avx2"))) UpperRows LoadRows(const uint8_t* upperHalf)
{
    UpperRows rows;
    for (int k = 0; k < 8; ++k)
        rows.row[k] = _mm256_broadcastsi128_si256(
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(upperHalf + 16 * k)));
    return rows;
}

__attribute__((target("avx2"))) __m256i LookUpHigh(__m256i v, const UpperRows& rows, __m256i result)
{
    const __m256i lowNibble = _mm256_and_si256(v, _mm256_set1_epi8(0x0F));
    const __m256i highNibble = _mm256_and_si256(_mm256_srli_epi16(v, 4), _mm256_set1_epi8(0x0F));
    for (int k = 0; k < 8; ++k) {
        const __m256i inRow = _mm256_cmpeq_epi8(highNibble, _mm256_set1_epi8(static_cast<char>(8 + k)));
        result = _mm256_blendv_epi8(result, _mm256_shuffle_epi8(rows.row[k], lowNibble), inRow);
    }
    return result;
}

// Marks of the upper half as 0 or 1 bytes.
std::array<uint8_t, 128> MarkBytes(const ByteSet& marks)
{
    std::array<uint8_t, 128> bytes;
    for (int i = 0; i < 128; ++i)
        bytes[i] = marks[128 + i] ? 1 : 0;
    return bytes;
}

__attribute__((target("avx2"))) int64_t SumBytes(__m256i v)
{
    const __m256i sums = _mm256_sad_epu8(v, _mm256_setzero_si256());
    return _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1)
        + _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
}

// The last bytes of a run, shorter than a vector, padded with zero bytes (ASCII, unmarked).
__attribute__((target("avx2"))) __m256i LoadTail(const char* p, size_t n)
{
    alignas(32) char block[32] = {};
    std::memcpy(block, p, n);
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(block));
}

__attribute__((target("avx2"))) int64_t TranslateAvx2(char* out, const char* in, size_t size,
                                                      const ByteTable& table, const ByteSet* marks)
{
    const UpperRows tableRows = LoadRows(table.data() + 128);
    const UpperRows markRows = LoadRows(MarkBytes(marks ? *marks : ByteSet{}).data());

    int64_t count = 0;
    for (size_t i = 0; i < size; i += 32) {
        const size_t n = std::min<size_t>(32, size - i);
        const __m256i v = n == 32 ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i))
                                  : LoadTail(in + i, n);
        if (_mm256_movemask_epi8(v) == 0) {
            if (out != in)
                std::memcpy(out + i, in + i, n);
            continue;
        }
        // ASCII bytes keep their value and carry no mark; the others are looked up.
        alignas(32) char result[32];
        _mm256_store_si256(reinterpret_cast<__m256i*>(result), LookUpHigh(v, tableRows, v));
        std::memcpy(out + i, result, n);
        if (marks)
            count += SumBytes(LookUpHigh(v, markRows, _mm256_setzero_si256()));
    }
    return count;
}

__attribute__((target("avx2"))) int64_t CountAvx2(const char* data, size_t size, const ByteSet& marks)
{
    const UpperRows markRows = LoadRows(MarkBytes(marks).data());

    int64_t count = 0;
    for (size_t i = 0; i < size; i += 32) {
        const size_t n = std::min<size_t>(32, size - i);
        const __m256i v = n == 32 ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i))
                                  : LoadTail(data + i, n);
        if (_mm256_movemask_epi8(v) != 0)
            count += SumBytes(LookUpHigh(v, markRows, _mm256_setzero_si256()));
    }
    return count;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

#endif

} // namespace

int64_t TranslateBytes(char* out, const char* in, size_t size, const ByteTable& table,
                       const ByteSet* marks)
{
#if defined(__x86_64__)
    if (HasAvx2())
        return TranslateAvx2(out, in, size, table, marks);
#endif
    return TranslateScalar(out, in, size, table, marks);
}

int64_t CountMarkedBytes(const char* data, size_t size, const ByteSet& marks)
{
#if defined(__x86_64__)
    if (HasAvx2())
        return CountAvx2(data, size, marks);
#endif
    return CountScalar(data, size, marks);
}
