// Fuzzes the regular-expression engine: compiling, searching with a random case flag and start
// position, and expanding a template, then checks the record and compares short searches with
// the plain recursive reading of the matching rules.
//
// Input: byte 0 flags (bit 0 match case, the rest picks the start), byte 1 the pattern's
// length, byte 2 the template's length, then the pattern, the template and the subject.
#include "../view/core/RegexReference.h"
#include "view/core/Regex.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

// Exact-size copies, so that a read past the end is caught.
std::vector<char> Take(const uint8_t*& data, size_t count)
{
    std::vector<char> bytes(data, data + count);
    data += count;
    return bytes;
}

void CheckRecord(const RxMatch& match, int found, int start, int length)
{
    for (int k = 0; k < kRxSlots; ++k) {
        const int32_t from = match.start[k], to = match.end[k];
        Check((from < 0) == (to < 0));
        if (!found || from < 0) {
            Check(from == -1 && to == -1);
            continue;
        }
        Check(from <= to && to <= length);
    }
    if (found)
        Check(match.start[0] >= start);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const int flags = data[0];
    const size_t patternLength = std::min<size_t>(data[1], size - 3);
    const size_t templateLength = std::min<size_t>(data[2], size - 3 - patternLength);
    const uint8_t* next = data + 3;
    const std::vector<char> pattern = Take(next, patternLength);
    const std::vector<char> replacement = Take(next, templateLength);
    const std::vector<char> subject = Take(next, size - 3 - patternLength - templateLength);

    const RxProgram program(RxCompile(std::string_view(pattern.data(), pattern.size())));
    if (!program)
        return 0;
    const int length = static_cast<int>(subject.size());
    const int start = (flags >> 1) % (length + 1);
    const int caseFlag = flags & 1;

    RxMatch match;
    RxBudget budget;
    budget.steps = 200'000;
    const int found =
        RxExec(program.get(), subject.data(), length, start, match, caseFlag, &budget);
    Check(found == 0 || found == 1);
    Check(!(found && budget.exhausted));
    CheckRecord(match, found, start, length);

    if (length <= 64 && !budget.exhausted) {
        RxMatch expected;
        ReferenceMatcher reference(program.get(), subject.data(), length);
        const ReferenceMatcher::Result result = reference.Exec(start, expected, caseFlag);
        if (result != ReferenceMatcher::kGaveUp) {
            Check(found == (result == ReferenceMatcher::kMatch));
            if (found)
                Check(std::memcmp(&match, &expected, sizeof match) == 0);
        }
    }

    const std::string_view templateText(replacement.data(), replacement.size());
    std::string text;
    if (found) {
        const int expanded = RxExpandReplacement(templateText, subject.data(), length, match, text);
        Check(expanded == 0 || (expanded == -1 && text.empty()));
    }
    // A record that does not fit the subject must fail cleanly, never read outside.
    RxMatch hostile;
    for (int k = 0; k < kRxSlots; ++k) {
        hostile.start[k] = static_cast<int32_t>(k * 7 % (length + 3)) - 1;
        hostile.end[k] = static_cast<int32_t>(k * 13 % (length + 5)) - 2;
    }
    RxExpandReplacement(templateText, subject.data(), length, hostile, text);
    return 0;
}
