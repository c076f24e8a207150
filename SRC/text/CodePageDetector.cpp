// Code-page detection: every candidate page reads the bytes as characters, and the page whose
// reading looks most like Russian or Ukrainian text, judged by letter pairs, wins.
#include "text/CodePageDetector.h"

#include "text/CodePageDetectorTables.h"
#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <memory>

namespace {

using namespace detect_tables;

constexpr int kSingleBytePages = 5; // pages 0-4, in the order of kUpperClass

// Below this mean score of a pair even the best page's reading is not text (a binary file, or
// a text in another alphabet).
constexpr int kTextFloor = -8 * kScale;

// How one page reads bytes: the class of each byte, and the score of an upper byte for being
// the character it is within its class.
struct ClassTable {
    std::array<uint8_t, 256> classes{};
    std::array<int16_t, 256> charScore{};
};

std::array<ClassTable, kSingleBytePages> MakeClassTables()
{
    std::array<ClassTable, kSingleBytePages> tables{};
    for (int page = 0; page < kSingleBytePages; ++page) {
        ClassTable& table = tables[page];
        std::copy(std::begin(kAsciiClass), std::end(kAsciiClass), table.classes.begin());
        std::copy(std::begin(kUpperClass[page]), std::end(kUpperClass[page]),
                  table.classes.begin() + 128);
        std::copy(std::begin(kUpperScore[page]), std::end(kUpperScore[page]),
                  table.charScore.begin() + 128);
    }
    return tables;
}

const std::array<ClassTable, kSingleBytePages>& ClassTables()
{
    static const auto tables = MakeClassTables();
    return tables;
}

int CaseOf(uint8_t cls)
{
    if ((cls & ~kCapital) < kFirstLetter)
        return 0;
    return cls & kCapital ? 2 : 1;
}

int PairScore(uint8_t a, uint8_t b)
{
    return kPairScore[a & ~kCapital][b & ~kCapital] + kCaseScore[CaseOf(a)][CaseOf(b)];
}

struct Score {
    int64_t total = 0;
    int64_t pairs = 0; // pairs scored
};

// Score of the bytes read through one class table: the pairs of pure ASCII read alike in every
// page and are left out.
Score ScoreBytes(const uint8_t* bytes, size_t size, const ClassTable& table)
{
    Score score;
    uint8_t prev = ' ';
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = bytes[i];
        if ((prev | b) & 0x80) {
            score.total += PairScore(table.classes[prev], table.classes[b]) + table.charScore[b];
            ++score.pairs;
        }
        prev = b;
    }
    return score;
}

// UTF-8 read as text: decoded to Windows-1251, where a character it lacks or a byte that is not
// UTF-8 becomes "?"; each of those costs what an unassigned character costs.
Score ScoreUtf8(std::string_view head, bool headIsCut)
{
    auto decoded = std::make_unique<char[]>(Utf8Decoder::OutputRoom(head.size()));
    Utf8Decoder decoder;
    size_t size = decoder.Decode(head.data(), head.size(), decoded.get());
    if (!headIsCut)
        size += decoder.Finish(decoded.get() + size);
    const int64_t lossCost = kPairScore[0][kJunk] + kPairScore[kJunk][0];
    Score score = ScoreBytes(reinterpret_cast<const uint8_t*>(decoded.get()), size, ClassTables()[0]);
    score.total += decoder.LossyCount() * lossCost;
    return score;
}

// Whether two single-byte pages read every byte present alike (as the same class).
bool ReadAlike(int a, int b, const std::bitset<128>& present)
{
    const auto& ta = ClassTables()[a];
    const auto& tb = ClassTables()[b];
    for (int i = 0; i < 128; ++i)
        if (present[i] && (ta.classes[128 + i] != tb.classes[128 + i] ||
                           ta.charScore[128 + i] != tb.charScore[128 + i]))
            return false;
    return true;
}

} // namespace

CodePageGuess DetectCodePage(std::string_view head, bool headIsCut)
{
    if (head.size() > kCodePageDetectBytes) {
        head = head.substr(0, kCodePageDetectBytes);
        headIsCut = true;
    }
    if (head.starts_with(kUtf8ByteOrderMark))
        return {CodePageGuess::Kind::Page, CP_UTF8, kCodePageSureOdds};

    const auto* bytes = reinterpret_cast<const uint8_t*>(head.data());
    std::bitset<128> present;
    for (const uint8_t b : head)
        if (b & 0x80)
            present.set(b & 0x7F);
    if (present.none())
        return {CodePageGuess::Kind::Ascii, -1, 0};

    std::array<Score, kCodePageCount> read{};
    for (int page = 0; page < kSingleBytePages; ++page)
        read[page] = ScoreBytes(bytes, head.size(), ClassTables()[page]);
    read[CP_UTF8] = ScoreUtf8(head, headIsCut);
    std::array<int64_t, kCodePageCount> scores{};
    std::transform(read.begin(), read.end(), scores.begin(), [](const Score& s) { return s.total; });

    // Valid UTF-8 beyond ASCII is taken as UTF-8 whatever its letters: text in a single-byte page
    // practically never forms valid sequences.
    if (ScanUtf8(head, headIsCut).valid) {
        const int64_t bestSingle = *std::max_element(scores.begin(), scores.begin() + kSingleBytePages);
        const double odds = static_cast<double>(scores[CP_UTF8] - bestSingle) / kScale;
        return {CodePageGuess::Kind::Page, CP_UTF8, std::max(odds, kCodePageSureOdds)};
    }

    // A tie goes to the lower page number: a text in small letters reads alike in Windows-1251
    // and Mac Cyrillic, whose letters а-ю coincide, and Windows-1251 is by far the commoner.
    const int best = static_cast<int>(std::max_element(scores.begin(), scores.end()) - scores.begin());
    if (read[best].total < kTextFloor * read[best].pairs)
        return {CodePageGuess::Kind::Unsure, -1, 0};
    // The runner-up is the best page that reads the bytes differently: pages that read them
    // alike give the same text, and choosing among them is no risk.
    int64_t runnerUp = INT64_MIN;
    for (int page = 0; page < kCodePageCount; ++page) {
        const bool alike = page == best || (page < kSingleBytePages && best < kSingleBytePages &&
                                            ReadAlike(page, best, present));
        if (!alike)
            runnerUp = std::max(runnerUp, scores[page]);
    }
    const double odds = static_cast<double>(scores[best] - runnerUp) / kScale;
    if (odds < kCodePageSureOdds)
        return {CodePageGuess::Kind::Unsure, -1, 0};
    return {CodePageGuess::Kind::Page, best, odds};
}

std::string_view CodePageKeyword(int page)
{
    static constexpr std::string_view kKeywords[kCodePageCount] = {
        "cp1251", "cp866", "koi8r", "iso8859-5", "mac", "utf8"};
    return page >= 0 && page < kCodePageCount ? kKeywords[page] : std::string_view();
}
