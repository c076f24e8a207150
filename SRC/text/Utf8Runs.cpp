// Shuffle-based UTF-8 decoding and encoding of ASCII and the letters А-я, 32 or 16 bytes at a
// time.
#include "text/Utf8Runs.h"

#include <array>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#if defined(__x86_64__)

namespace {

using Shuffle = std::array<uint8_t, 16>;

struct ShuffleTables {
    std::array<Shuffle, 256> compact; // gathers the bytes whose bit is set in the index
    std::array<Shuffle, 256> expand;  // from 8 (first, second) pairs, every first byte and the
                                      // second bytes whose bit is set
    std::array<uint8_t, 256> bits;    // bits set in the index
};

ShuffleTables BuildTables()
{
    ShuffleTables t{};
    for (int mask = 0; mask < 256; ++mask) {
        Shuffle compact, expand;
        compact.fill(0x80); // a shuffle index with the high bit set gives 0
        expand.fill(0x80);
        int kept = 0, expanded = 0;
        for (int j = 0; j < 8; ++j) {
            expand[expanded++] = static_cast<uint8_t>(2 * j);
            if (mask & (1 << j)) {
                compact[kept++] = static_cast<uint8_t>(j);
                expand[expanded++] = static_cast<uint8_t>(2 * j + 1);
            }
        }
        t.compact[mask] = compact;
        t.expand[mask] = expand;
        t.bits[mask] = static_cast<uint8_t>(kept);
    }
    return t;
}

const ShuffleTables& Tables()
{
    static const ShuffleTables tables = BuildTables();
    return tables;
}

bool HasSsse3()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}

__m128i Bytes(int b) { return _mm_set1_epi8(static_cast<char>(b)); }

__m128i Load(const Shuffle& s)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.data()));
}

__attribute__((target("ssse3"))) void DecodeSsse3(const uint8_t*& in, const uint8_t* end,
                                                  char*& out)
{
    const ShuffleTables& tables = Tables();
    while (end - in >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const int high = _mm_movemask_epi8(v);
        if (high == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
            in += 16;
            out += 16;
            continue;
        }
        // Signed comparisons: 0x80-0xBF are the bytes below (signed) 0xC0.
        const __m128i previous = _mm_slli_si128(v, 1);
        const __m128i lead =
            _mm_or_si128(_mm_cmpeq_epi8(v, Bytes(0xD0)), _mm_cmpeq_epi8(v, Bytes(0xD1)));
        const __m128i afterD0 = _mm_and_si128(
            _mm_cmpeq_epi8(previous, Bytes(0xD0)),
            _mm_and_si128(_mm_cmpgt_epi8(v, Bytes(0x8F)), _mm_cmplt_epi8(v, Bytes(0xC0))));
        const __m128i afterD1 =
            _mm_and_si128(_mm_cmpeq_epi8(previous, Bytes(0xD1)), _mm_cmplt_epi8(v, Bytes(0x90)));
        const int leads = _mm_movemask_epi8(lead);
        const int seconds = _mm_movemask_epi8(_mm_or_si128(afterD0, afterD1));
        if ((leads | seconds) != high || seconds != ((leads << 1) & 0xFFFF))
            return;
        // D0 90-BF is 0xC0-0xEF, D1 80-8F is 0xF0-0xFF: the second byte plus 0x30 or 0x70.
        const __m128i values = _mm_add_epi8(v, _mm_or_si128(_mm_and_si128(afterD0, Bytes(0x30)),
                                                            _mm_and_si128(afterD1, Bytes(0x70))));
        // A lead in the last byte waits for the next 16.
        const int taken = leads & 0x8000 ? 15 : 16;
        const int keep = ~leads & (taken == 16 ? 0xFFFF : 0x7FFF);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(values, Load(tables.compact[keep & 0xFF])));
        out += tables.bits[keep & 0xFF];
        _mm_storel_epi64(
            reinterpret_cast<__m128i*>(out),
            _mm_shuffle_epi8(_mm_srli_si128(values, 8), Load(tables.compact[keep >> 8])));
        out += tables.bits[keep >> 8];
        in += taken;
    }
}

__attribute__((target("ssse3"))) void EncodeSsse3(const uint8_t*& in, const uint8_t* end,
                                                  char*& out)
{
    const ShuffleTables& tables = Tables();
    while (end - in >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
        const int high = _mm_movemask_epi8(v);
        if (high == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), v);
            in += 16;
            out += 16;
            continue;
        }
        const __m128i letter =
            _mm_and_si128(_mm_cmpgt_epi8(v, Bytes(0xBF)), _mm_cmplt_epi8(v, _mm_setzero_si128()));
        const int letters = _mm_movemask_epi8(letter);
        if (letters != high)
            return;
        // 0xC0-0xEF become D0 90-BF, 0xF0-0xFF D1 80-8F.
        const __m128i late = _mm_and_si128(letter, _mm_cmpgt_epi8(v, Bytes(0xEF)));
        const __m128i first = _mm_or_si128(
            _mm_andnot_si128(letter, v),
            _mm_or_si128(_mm_and_si128(letter, Bytes(0xD0)), _mm_and_si128(late, Bytes(0x01))));
        const __m128i second = _mm_sub_epi8(
            v, _mm_or_si128(_mm_and_si128(letter, Bytes(0x30)), _mm_and_si128(late, Bytes(0x40))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_unpacklo_epi8(first, second),
                                          Load(tables.expand[letters & 0xFF])));
        out += 8 + tables.bits[letters & 0xFF];
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(out),
            _mm_shuffle_epi8(_mm_unpackhi_epi8(first, second), Load(tables.expand[letters >> 8])));
        out += 8 + tables.bits[letters >> 8];
        in += 16;
    }
}

// The same two loops 32 bytes at a time; the gathering still goes by 8-byte pieces.
__attribute__((target("avx2"))) __m256i Bytes32(int b)
{
    return _mm256_set1_epi8(static_cast<char>(b));
}

__attribute__((target("avx2"))) void StoreCompacted(__m128i values, int keep,
                                                    const ShuffleTables& tables, char*& out)
{
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out),
                     _mm_shuffle_epi8(values, Load(tables.compact[keep & 0xFF])));
    out += tables.bits[keep & 0xFF];
    _mm_storel_epi64(
        reinterpret_cast<__m128i*>(out),
        _mm_shuffle_epi8(_mm_srli_si128(values, 8), Load(tables.compact[(keep >> 8) & 0xFF])));
    out += tables.bits[(keep >> 8) & 0xFF];
}

__attribute__((target("avx2"))) void DecodeAvx2(const uint8_t*& in, const uint8_t* end, char*& out)
{
    const ShuffleTables& tables = Tables();
    while (end - in >= 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
        const uint32_t high = static_cast<uint32_t>(_mm256_movemask_epi8(v));
        if (high == 0) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), v);
            in += 32;
            out += 32;
            continue;
        }
        // Each byte's predecessor: the lanes shifted by one byte, the low lane's last byte
        // carried into the high lane.
        const __m256i previous = _mm256_alignr_epi8(v, _mm256_permute2x128_si256(v, v, 0x08), 15);
        const __m256i lead = _mm256_or_si256(_mm256_cmpeq_epi8(v, Bytes32(0xD0)),
                                             _mm256_cmpeq_epi8(v, Bytes32(0xD1)));
        const __m256i afterD0 =
            _mm256_and_si256(_mm256_cmpeq_epi8(previous, Bytes32(0xD0)),
                             _mm256_andnot_si256(_mm256_cmpgt_epi8(v, Bytes32(0xBF)),
                                                 _mm256_cmpgt_epi8(v, Bytes32(0x8F))));
        const __m256i afterD1 = _mm256_and_si256(_mm256_cmpeq_epi8(previous, Bytes32(0xD1)),
                                                 _mm256_cmpgt_epi8(Bytes32(0x90), v));
        const uint32_t leads = static_cast<uint32_t>(_mm256_movemask_epi8(lead));
        const uint32_t seconds =
            static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_or_si256(afterD0, afterD1)));
        if ((leads | seconds) != high || seconds != leads << 1)
            return;
        const __m256i values =
            _mm256_add_epi8(v, _mm256_or_si256(_mm256_and_si256(afterD0, Bytes32(0x30)),
                                               _mm256_and_si256(afterD1, Bytes32(0x70))));
        const bool leadLast = leads & 0x80000000u;
        const uint32_t keep = ~leads & (leadLast ? 0x7FFFFFFFu : 0xFFFFFFFFu);
        StoreCompacted(_mm256_castsi256_si128(values), static_cast<int>(keep & 0xFFFF), tables,
                       out);
        StoreCompacted(_mm256_extracti128_si256(values, 1), static_cast<int>(keep >> 16), tables,
                       out);
        in += leadLast ? 31 : 32;
    }
}

__attribute__((target("avx2"))) void StoreExpanded(__m128i pairs, int letters,
                                                   const ShuffleTables& tables, char*& out)
{
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                     _mm_shuffle_epi8(pairs, Load(tables.expand[letters])));
    out += 8 + tables.bits[letters];
}

__attribute__((target("avx2"))) void EncodeAvx2(const uint8_t*& in, const uint8_t* end, char*& out)
{
    const ShuffleTables& tables = Tables();
    while (end - in >= 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in));
        const uint32_t high = static_cast<uint32_t>(_mm256_movemask_epi8(v));
        if (high == 0) {
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), v);
            in += 32;
            out += 32;
            continue;
        }
        const __m256i letter = _mm256_and_si256(_mm256_cmpgt_epi8(v, Bytes32(0xBF)),
                                                _mm256_cmpgt_epi8(_mm256_setzero_si256(), v));
        const uint32_t letters = static_cast<uint32_t>(_mm256_movemask_epi8(letter));
        if (letters != high)
            return;
        const __m256i late = _mm256_and_si256(letter, _mm256_cmpgt_epi8(v, Bytes32(0xEF)));
        const __m256i first = _mm256_or_si256(
            _mm256_andnot_si256(letter, v), _mm256_or_si256(_mm256_and_si256(letter, Bytes32(0xD0)),
                                                            _mm256_and_si256(late, Bytes32(0x01))));
        const __m256i second =
            _mm256_sub_epi8(v, _mm256_or_si256(_mm256_and_si256(letter, Bytes32(0x30)),
                                               _mm256_and_si256(late, Bytes32(0x40))));
        // Per lane: the low pairs hold bytes 0-7 and 16-23, the high pairs 8-15 and 24-31.
        const __m256i low = _mm256_unpacklo_epi8(first, second);
        const __m256i highPairs = _mm256_unpackhi_epi8(first, second);
        StoreExpanded(_mm256_castsi256_si128(low), letters & 0xFF, tables, out);
        StoreExpanded(_mm256_castsi256_si128(highPairs), (letters >> 8) & 0xFF, tables, out);
        StoreExpanded(_mm256_extracti128_si256(low, 1), (letters >> 16) & 0xFF, tables, out);
        StoreExpanded(_mm256_extracti128_si256(highPairs, 1), letters >> 24, tables, out);
        in += 32;
    }
}

} // namespace

void DecodeCyrillicRuns(const uint8_t*& in, const uint8_t* end, char*& out)
{
    if (HasAvx2())
        DecodeAvx2(in, end, out);
    if (HasSsse3())
        DecodeSsse3(in, end, out);
}

void EncodeCyrillicRuns(const uint8_t*& in, const uint8_t* end, char*& out)
{
    if (HasAvx2())
        EncodeAvx2(in, end, out);
    if (HasSsse3())
        EncodeSsse3(in, end, out);
}

#else

void DecodeCyrillicRuns(const uint8_t*&, const uint8_t*, char*&) {}
void EncodeCyrillicRuns(const uint8_t*&, const uint8_t*, char*&) {}

#endif
