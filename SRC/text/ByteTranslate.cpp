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

// Marks of the upper half as 0 or 1 bytes.
std::array<uint8_t, 128> MarkBytes(const ByteSet& marks)
{
    std::array<uint8_t, 128> bytes;
    for (int i = 0; i < 128; ++i)
        bytes[i] = marks[128 + i] ? 1 : 0;
    return bytes;
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
        const __m256i inRow =
            _mm256_cmpeq_epi8(highNibble, _mm256_set1_epi8(static_cast<char>(8 + k)));
        result = _mm256_blendv_epi8(result, _mm256_shuffle_epi8(rows.row[k], lowNibble), inRow);
    }
    return result;
}

__attribute__((target("avx2"))) int64_t SumBytes(__m256i v)
{
    const __m256i sums = _mm256_sad_epu8(v, _mm256_setzero_si256());
    return _mm256_extract_epi64(sums, 0) + _mm256_extract_epi64(sums, 1)
           + _mm256_extract_epi64(sums, 2) + _mm256_extract_epi64(sums, 3);
}

// The whole 4-byte groups of the first n (< 32) bytes at p, the rest zero (ASCII, unmarked).
// A masked load touches no byte past them; the caller takes the last n % 4 bytes one by one.
__attribute__((target("avx2"))) __m256i LoadWholeGroups(const char* p, size_t n)
{
    const __m256i lanes = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i mask = _mm256_cmpgt_epi32(_mm256_set1_epi32(static_cast<int>(n / 4)), lanes);
    return _mm256_maskload_epi32(reinterpret_cast<const int*>(p), mask);
}

__attribute__((target("avx2"))) int64_t TranslateAvx2(char* out, const char* in, size_t size,
                                                      const ByteTable& table, const ByteSet* marks)
{
    const UpperRows tableRows = LoadRows(table.data() + 128);
    const UpperRows markRows = LoadRows(MarkBytes(marks ? *marks : ByteSet{}).data());

    int64_t count = 0;
    size_t i = 0;
    for (; i + 32 <= size; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
        if (_mm256_movemask_epi8(v) == 0) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), v);
            continue;
        }
        // ASCII bytes keep their value and carry no mark; the others are looked up.
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), LookUpHigh(v, tableRows, v));
        if (marks)
            count += SumBytes(LookUpHigh(v, markRows, _mm256_setzero_si256()));
    }
    return count + TranslateScalar(out + i, in + i, size - i, table, marks);
}

__attribute__((target("avx2"))) int64_t CountAvx2(const char* data, size_t size,
                                                  const uint8_t* upperMarks)
{
    const UpperRows markRows = LoadRows(upperMarks);
    int64_t count = 0;
    for (size_t i = 0; i < size; i += 32) {
        const size_t n = std::min<size_t>(32, size - i);
        const __m256i v = n == 32 ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + i))
                                  : LoadWholeGroups(data + i, n);
        if (_mm256_movemask_epi8(v) != 0)
            count += SumBytes(LookUpHigh(v, markRows, _mm256_setzero_si256()));
    }
    for (size_t k = size & ~size_t{3}; k < size; ++k) {
        const uint8_t b = static_cast<uint8_t>(data[k]);
        if (b >= 0x80)
            count += upperMarks[b - 0x80];
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

ByteCounter::ByteCounter(const ByteSet& marks) : m_marks(marks), m_upperMarks(MarkBytes(marks)) {}

int64_t ByteCounter::Count(const char* data, size_t size) const
{
#if defined(__x86_64__)
    if (HasAvx2())
        return CountAvx2(data, size, m_upperMarks.data());
#endif
    return CountScalar(data, size, m_marks);
}
