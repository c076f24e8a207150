// The engine against a plain recursive reading of the matching rules, on many small random
// patterns and lines: the start bytes, single-character runs and the explicit stack must
// never change what a search finds.
#include "RegexReference.h"
#include "RegexTestSupport.h"
#include "view/core/Regex.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string RandomPattern(std::mt19937& rng)
{
    static const char* const pieces[] = {
        "a",    "b",    "A", ".", "*", "+", "@",   "#",   "?",   "|",   "(", ")",  "{",    "}",
        "[ab]", "[^a]", "^", "$", "<", ">", "\\C", "\\c", "\\w", "\\s", " ", "ab", "\xE4", "\xC4",
    };
    std::string pattern;
    const int count = 1 + static_cast<int>(rng() % 9);
    for (int i = 0; i < count; ++i)
        pattern += pieces[rng() % std::size(pieces)];
    return pattern;
}

std::string RandomSubject(std::mt19937& rng)
{
    static const char chars[] = {'a', 'b', 'A', 'B', ' ', '\xE4', '\xC4', '\0'};
    std::string subject;
    const int length = static_cast<int>(rng() % 10);
    for (int i = 0; i < length; ++i)
        subject += chars[rng() % std::size(chars)];
    return subject;
}

TEST(RegexReferenceTest, EngineAgreesWithRecursiveReading)
{
    std::mt19937 rng(20240611);
    int compared = 0;
    for (int round = 0; round < 40000; ++round) {
        const std::string pattern = RandomPattern(rng);
        const RxProgram program(RxCompile(pattern));
        if (!program)
            continue;
        for (int line = 0; line < 4; ++line) {
            const std::string subject = RandomSubject(rng);
            const int length = static_cast<int>(subject.size());
            const int start = static_cast<int>(rng() % (length + 1));
            const int caseFlag = static_cast<int>(rng() % 2);

            RxMatch expected;
            ReferenceMatcher reference(program.get(), subject.data(), length);
            const ReferenceMatcher::Result result = reference.Exec(start, expected, caseFlag);
            RxMatch actual;
            RxBudget budget;
            const int found =
                RxExec(program.get(), subject.data(), length, start, actual, caseFlag, &budget);
            if (result == ReferenceMatcher::kGaveUp || budget.exhausted)
                continue;
            ++compared;
            ASSERT_EQ(found, result == ReferenceMatcher::kMatch ? 1 : 0)
                << "pattern '" << pattern << "' subject '" << subject << "' start " << start
                << " case " << caseFlag;
            ASSERT_EQ(DescribeMatch(actual), found ? DescribeMatch(expected) : "")
                << "pattern '" << pattern << "' subject '" << subject << "' start " << start
                << " case " << caseFlag;
        }
    }
    EXPECT_GT(compared, 50000);
}

} // namespace
