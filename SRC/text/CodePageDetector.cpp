// Code-page detection: every candidate page reads the bytes as characters, and the page whose
// reading looks most like Russian or Ukrainian text, judged by pairs of characters, wins.
#include "text/CodePageDetector.h"

#include "text/CodePageDetectorTables.h"
#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <climits>
#include <cstdint>
#include <cstring>

namespace {

using namespace detect_tables;

constexpr int kSingleBytePages = 5; // pages 0-4, in the order of kUpperClass

// Below this mean score of a pair even the best page's reading is not text (a binary file, or
// a text in another alphabet).
constexpr int64_t kTextFloor = -8 * kScale;
// Once the leading page is this far ahead, the rest of the bytes cannot change the answer.
constexpr int64_t kSettledScore = 100 * kScale;
// The bytes are read in pieces of this size, looking after each whether the answer is settled:
// a Cyrillic text usually is within the first few hundred letters.
constexpr size_t kPiece = 512;

// What the pair scores tell apart: the classes, and capital letters from small ones. Capital
// letters come after the classes.
constexpr int kKinds = kClassCount + (kClassCount - kFirstLetter);

int KindOf(uint8_t cls)
{
    const int c = cls & ~kCapital;
    return cls & kCapital ? kClassCount + c - kFirstLetter : c;
}

int CaseOf(uint8_t cls)
{
    if ((cls & ~kCapital) < kFirstLetter)
        return 0;
    return cls & kCapital ? 2 : 1;
}

struct Model {
    // Score of a character of kind b after one of kind a: the pair of their classes and the
    // change of case.
    std::array<std::array<int16_t, kKinds>, kKinds> pair{};
    // How each single-byte page reads a byte: its kind, and the score of being the character
    // it is within its class.
    std::array<std::array<uint8_t, 256>, kSingleBytePages> kind{};
    std::array<std::array<int16_t, 256>, kSingleBytePages> charScore{};
    // The bytes from 0x80 (less 0x80) that two single-byte pages read differently.
    std::array<std::array<std::bitset<128>, kSingleBytePages>, kSingleBytePages> differ{};
};

Model MakeModel()
{
    Model model;
    std::array<uint8_t, kKinds> classOfKind{};
    for (int c = 0; c < kClassCount; ++c) {
        classOfKind[KindOf(static_cast<uint8_t>(c))] = static_cast<uint8_t>(c);
        if (c >= kFirstLetter)
            classOfKind[KindOf(static_cast<uint8_t>(c | kCapital))] =
                static_cast<uint8_t>(c | kCapital);
    }
    for (int a = 0; a < kKinds; ++a)
        for (int b = 0; b < kKinds; ++b) {
            const uint8_t ca = classOfKind[a], cb = classOfKind[b];
            model.pair[a][b] = static_cast<int16_t>(kPairScore[ca & ~kCapital][cb & ~kCapital]
                                                    + kCaseScore[CaseOf(ca)][CaseOf(cb)]);
        }
    for (int page = 0; page < kSingleBytePages; ++page)
        for (int b = 0; b < 256; ++b) {
            const uint8_t cls = b < 128 ? kAsciiClass[b] : kUpperClass[page][b - 128];
            model.kind[page][b] = static_cast<uint8_t>(KindOf(cls));
            model.charScore[page][b] = b < 128 ? 0 : kUpperScore[page][b - 128];
        }
    for (int a = 0; a < kSingleBytePages; ++a)
        for (int b = 0; b < kSingleBytePages; ++b)
            for (int i = 0; i < 128; ++i)
                model.differ[a][b][i] =
                    model.kind[a][128 + i] != model.kind[b][128 + i]
                    || model.charScore[a][128 + i] != model.charScore[b][128 + i];
    return model;
}

const Model& TheModel()
{
    static const Model model = MakeModel();
    return model;
}

// The running score of one way of reading the bytes. Pairs of two ASCII bytes read alike in
// every page and are left out.
struct Reading {
    int64_t total = 0;
    int64_t pairs = 0;
    uint8_t prev = '\n'; // the start of the text is the start of a line
};

// The end of the run of ASCII bytes from at, eight at a time: where a byte from 0x80 is, or
// size.
size_t AsciiRunEnd(const uint8_t* bytes, size_t at, size_t size)
{
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    for (uint64_t word; at + sizeof word <= size; at += sizeof word) {
        std::memcpy(&word, bytes + at, sizeof word);
        if (word & kHighBits)
            break;
    }
    while (at < size && bytes[at] < 0x80)
        ++at;
    return at;
}

// Passes over the pairs of two ASCII bytes from at, which every page reads alike: returns
// the next byte that forms a pair with a byte from 0x80 (prev is the byte before it), or
// size with prev the last byte.
size_t SkipAsciiPairs(const uint8_t* bytes, size_t at, size_t size, uint8_t& prev)
{
    if (at >= size || (prev & 0x80) || (bytes[at] & 0x80))
        return at;
    const size_t end = AsciiRunEnd(bytes, at, size);
    prev = bytes[end - 1];
    return end;
}

// Reads bytes in the five single-byte pages at once.
void ReadSingleByte(std::array<Reading, kCodePageCount>& readings, const uint8_t* bytes,
                    size_t size)
{
    const Model& model = TheModel();
    uint8_t prev = readings[0].prev;
    int64_t pairs = 0;
    for (size_t i = SkipAsciiPairs(bytes, 0, size, prev); i < size;
         i = SkipAsciiPairs(bytes, i, size, prev)) {
        const uint8_t b = bytes[i++];
        for (int page = 0; page < kSingleBytePages; ++page)
            readings[page].total +=
                model.pair[model.kind[page][prev]][model.kind[page][b]] + model.charScore[page][b];
        ++pairs;
        prev = b;
    }
    for (int page = 0; page < kSingleBytePages; ++page) {
        readings[page].pairs += pairs;
        readings[page].prev = prev;
    }
}

// Reads Windows-1251 bytes decoded from UTF-8.
void ReadDecoded(Reading& reading, const uint8_t* bytes, size_t size)
{
    const Model& model = TheModel();
    const auto& kind = model.kind[Number(CodePage::Windows1251)];
    const auto& charScore = model.charScore[Number(CodePage::Windows1251)];
    for (size_t i = SkipAsciiPairs(bytes, 0, size, reading.prev); i < size;
         i = SkipAsciiPairs(bytes, i, size, reading.prev)) {
        const uint8_t b = bytes[i++];
        reading.total += model.pair[kind[reading.prev]][kind[b]] + charScore[b];
        ++reading.pairs;
        reading.prev = b;
    }
}

// Which single-byte pages read every byte present alike.
using AlikePages = std::array<std::array<bool, kSingleBytePages>, kSingleBytePages>;

AlikePages PagesReadingAlike(const std::bitset<128>& present)
{
    const Model& model = TheModel();
    AlikePages alike{};
    for (int a = 0; a < kSingleBytePages; ++a)
        for (int b = 0; b < kSingleBytePages; ++b)
            alike[a][b] = (present & model.differ[a][b]).none();
    return alike;
}

bool AllPagesDiffer(const AlikePages& alike)
{
    for (int a = 0; a < kSingleBytePages; ++a)
        for (int b = a + 1; b < kSingleBytePages; ++b)
            if (alike[a][b])
                return false;
    return true;
}

// The bytes from 0x80 the head holds (less 0x80), as far as they tell which pages read it alike:
// once every two pages read some byte differently, more bytes cannot make them read alike, and
// the rest is not looked at. from is the first byte from 0x80.
std::bitset<128> PresentBytes(const uint8_t* bytes, size_t from, size_t size)
{
    // Pieces of a plain store per byte, then the set: Cyrillic text mixes the two halves so
    // closely that a test per byte, or setting bits one after another, costs more.
    constexpr size_t kPresentPiece = 512;
    std::array<uint8_t, 256> seen{};
    std::bitset<128> present;
    for (size_t at = from; at < size; at += kPresentPiece) {
        const size_t end = std::min(size, at + kPresentPiece);
        for (size_t i = at; i < end; ++i)
            seen[bytes[i]] = 1;
        for (size_t i = 0; i < 128; ++i)
            present[i] = seen[128 + i] != 0;
        if (AllPagesDiffer(PagesReadingAlike(present)))
            break;
    }
    return present;
}

struct Standing {
    int best = 0;
    int64_t lead = 0; // over the best page that reads the bytes differently
};

Standing Rank(const std::array<int64_t, kCodePageCount>& scores, const AlikePages& readAlike)
{
    // A tie goes to the lower page number: a text in small letters reads alike in Windows-1251
    // and Mac Cyrillic, whose letters а-ю coincide, and Windows-1251 is by far the commoner.
    Standing standing;
    standing.best =
        static_cast<int>(std::max_element(scores.begin(), scores.end()) - scores.begin());
    int64_t runnerUp = INT64_MIN;
    for (int page = 0; page < kCodePageCount; ++page) {
        // Pages that read the bytes alike give the same text: choosing among them is no risk.
        const bool alike = page == standing.best
                           || (page < kSingleBytePages && standing.best < kSingleBytePages
                               && readAlike[page][standing.best]);
        if (!alike)
            runnerUp = std::max(runnerUp, scores[page]);
    }
    standing.lead = scores[standing.best] - runnerUp;
    return standing;
}

} // namespace

CodePageGuess DetectCodePage(std::string_view head, bool headIsCut)
{
    if (head.size() > kCodePageDetectBytes) {
        head = head.substr(0, kCodePageDetectBytes);
        headIsCut = true;
    }
    if (head.starts_with(kUtf8ByteOrderMark))
        return {CodePageGuess::Kind::Page, CodePage::Utf8, CodePage::Utf8, kCodePageSureOdds};

    if (head.find('\0') != std::string_view::npos)
        return {CodePageGuess::Kind::Unsure, std::nullopt, std::nullopt, 0};

    const auto* bytes = reinterpret_cast<const uint8_t*>(head.data());
    const size_t firstHigh = AsciiRunEnd(bytes, 0, head.size());
    if (firstHigh == head.size())
        return {CodePageGuess::Kind::Ascii, std::nullopt, std::nullopt, 0};
    const AlikePages readAlike = PagesReadingAlike(PresentBytes(bytes, firstHigh, head.size()));

    // UTF-8 is read as decoded to Windows-1251, where a character it lacks or a byte that is not
    // UTF-8 becomes "?"; each of those costs what an unassigned character costs.
    const int64_t lossCost = kPairScore[0][kJunk] + kPairScore[kJunk][0];
    Utf8Decoder decoder;
    std::array<char, Utf8Decoder::OutputRoom(kPiece) + 3> decoded;
    std::array<Reading, kCodePageCount> readings{};
    std::array<int64_t, kCodePageCount> scores{};
    Standing standing;
    for (size_t at = 0; at < head.size(); at += kPiece) {
        const size_t size = std::min(kPiece, head.size() - at);
        ReadSingleByte(readings, bytes + at, size);
        size_t decodedSize = decoder.Decode(head.data() + at, size, decoded.data());
        if (at + size == head.size() && !headIsCut)
            decodedSize += decoder.Finish(decoded.data() + decodedSize);
        ReadDecoded(readings[Number(CodePage::Utf8)],
                    reinterpret_cast<const uint8_t*>(decoded.data()), decodedSize);

        for (int page = 0; page < kCodePageCount; ++page)
            scores[page] = readings[page].total;
        scores[Number(CodePage::Utf8)] += decoder.LossyCount() * lossCost;
        standing = Rank(scores, readAlike);
        if (standing.lead >= kSettledScore)
            break;
    }

    const Reading& bestReading = readings[standing.best];
    const bool text = bestReading.total >= kTextFloor * bestReading.pairs;
    // Valid UTF-8 beyond ASCII is taken as UTF-8 whatever its letters: text in a single-byte page
    // practically never forms valid sequences. Text already settled on UTF-8 comes out the same,
    // with the same odds, whether its sequences are all well formed or not: it is not scanned.
    const bool settledOnUtf8 =
        text && standing.best == Number(CodePage::Utf8) && standing.lead >= kSettledScore;
    if (settledOnUtf8 || ScanUtf8(head, headIsCut).valid) {
        const int64_t bestSingle =
            *std::max_element(scores.begin(), scores.begin() + kSingleBytePages);
        const double odds =
            static_cast<double>(scores[Number(CodePage::Utf8)] - bestSingle) / kScale;
        return {CodePageGuess::Kind::Page, CodePage::Utf8, CodePage::Utf8,
                std::max(odds, kCodePageSureOdds)};
    }
    if (!text)
        return {CodePageGuess::Kind::Unsure, std::nullopt, std::nullopt, 0};
    const double odds = static_cast<double>(standing.lead) / kScale;
    const auto best = static_cast<CodePage>(standing.best);
    if (odds < kCodePageSureOdds)
        return {CodePageGuess::Kind::Unsure, std::nullopt, best, odds};
    return {CodePageGuess::Kind::Page, best, best, odds};
}

std::string_view CodePageKeyword(CodePage page)
{
    static constexpr std::string_view kKeywords[kCodePageChoiceCount] = {
        "cp1251", "cp866", "koi8r", "iso8859-5", "mac", "utf8", "auto"};
    return Number(page) >= 0 && Number(page) < kCodePageChoiceCount ? kKeywords[Number(page)]
                                                                    : std::string_view();
}
