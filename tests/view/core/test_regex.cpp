// The regular-expression engine: what compiles, how nodes are laid out, what matches, and the
// limits that keep hostile patterns and lines from crashing or hanging the editor.
#include "RegexTestSupport.h"
#include "view/core/Regex.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(RegexCompileTest, RefusedPatterns)
{
    const char* const refused[] = {
        "",     // empty
        ")a",   // a closer first leaves nothing
        "*a",   // operator without an atom
        "(|a)", // the inside starts afresh: no atom
        "()",   // empty group
        "{}",   // empty cluster
        "a**",  // the second "*" applies to the first one's no-op
        "(^)*", // loop atom that consumes nothing
        "{$<}+",
        "[z-a]", // range backwards
        "[a-]",  // "-" right before "]"
        "[-]",
        "[a-\\d]", // a range cannot end in a classification
        "[abc",    // unterminated class
        "[\\",
        "\\",    // escape at the end
        "\\x4g", // bad digits
        "\\x4",    "\\N12a", "\\o018", "[\\x1]",
    };
    for (const char* pattern : refused)
        EXPECT_EQ(RxCompile(pattern), nullptr) << pattern;
}

TEST(RegexCompileTest, AcceptedOddities)
{
    const char* const accepted[] = {
        "a)b", "a}(", "(a",   "{a",      "(a}", "[]",     "[^]",    "a|",    "a*?",
        "^?",  "a|?", "[-a]", "[a-z-9]", "\\q", "\\N999", "\\o777", "[\\]]",
    };
    for (const char* pattern : accepted) {
        RxNode* program = RxCompile(pattern);
        EXPECT_NE(program, nullptr) << pattern;
        RxFree(program);
    }
}

TEST(RegexCompileTest, AtMostSixtyThreeGroups)
{
    std::string pattern;
    for (int i = 0; i < 63; ++i)
        pattern += "(x)";
    std::string subject(63, 'x');
    EXPECT_EQ(Search(pattern, subject).substr(0, 12), "0:0-63 1:0-1");
    EXPECT_NE(Search(pattern, subject).find(" 63:62-63"), std::string::npos);
    EXPECT_EQ(Search(pattern + "(x)", subject + "x"), "compile error");
    EXPECT_EQ(Search("{(x)}" + pattern, subject + "x"), "compile error");
}

TEST(RegexCompileTest, DeepNestingCompilesWithoutRecursion)
{
    const int depth = 200000;
    const std::string pattern = std::string(depth, '{') + "a" + std::string(depth, '}') + "*";
    EXPECT_EQ(Search(pattern, "baa"), "0:0-0");
    EXPECT_EQ(Search(std::string(depth, '{') + "a", "ba"), "0:1-2"); // closed by the end
}

// The node list as text: each node's type in hex, a literal's bytes, and the index of the node
// its link points to.
std::string Layout(const std::string& pattern)
{
    const RxProgram program(RxCompile(pattern));
    if (!program)
        return "compile error";
    std::map<const RxNode*, int> index;
    int i = 0;
    for (const RxNode* n = program.get(); n; n = n->next)
        index[n] = i++;
    std::string text;
    const RxNode* previous = nullptr;
    for (const RxNode* n = program.get(); n; n = n->next) {
        EXPECT_EQ(n->prev, previous);
        previous = n;
        char type[8];
        std::snprintf(type, sizeof type, "%X", n->type);
        if (!text.empty())
            text += ' ';
        text += type;
        if (n->type == RX_LITERAL) {
            text += '\'';
            text.append(reinterpret_cast<const char*>(n->link.bytes), n->length);
            text += '\'';
        } else if (n->type != RX_END && !(n->type >= 0x20 && n->type <= 0x3F) && n->link.partner) {
            text += '>';
            text += std::to_string(index.at(n->link.partner));
        }
    }
    return text;
}

TEST(RegexCompileTest, NodeLayouts)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a*", "182A>3 24'a' 1>0 0 1F"},
        {"a@", "1040>3 24'a' 1>0 0 1F"},
        {"a+", "1>2 182B>4 24'a' 1>1 0 1F"},
        {"a#", "1>2 1023>4 24'a' 1>1 0 1F"},
        {"a?", "183F>2 24'a' 0 1F"},
        {"ab|cd", "24'a' 187C>4 24'b' 2>4 0 24'c' 24'd' 1F"},
        {"(a)", "B01>2 24'a' D01>0 1F"},
        {"{a}(b)", "300>2 24'a' 500>0 B01>5 24'b' D01>3 1F"},
        {"(a)*", "182A>5 B01>3 24'a' D01>1 1>0 0 1F"},
        {"x(ab)+", "24'x' 1>3 182B>7 B01>5 24'ab' D01>3 1>2 0 1F"},
        {"abc\\.d", "24'abc.d' 1F"},
        {"^.$<>\\C\\c", "3 21 4 5 6 7 8 1F"},
        {"\\s\\S\\U\\L\\d\\D\\w\\W[a][^a]", "25 26 27 28 29 2A 2B 2C 22 23 1F"},
    };
    for (const auto& [pattern, layout] : cases)
        EXPECT_EQ(Layout(pattern), layout) << pattern;
}

struct MatchCase {
    const char* name;
    friend void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }
    std::string pattern;
    std::string subject;
    int caseFlag;
    int start;
    std::string expected;
};

class RegexMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(RegexMatchTest, Matches)
{
    const MatchCase& c = GetParam();
    EXPECT_EQ(Search(c.pattern, c.subject, c.caseFlag, c.start), c.expected);
}

const std::string kCyrUpper = "\xC4\xCE\xCC\xA8"; // upper-case de, o, em, yo
const std::string kCyrLower = "\xE4\xEE\xEC\xB8";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Patterns, RegexMatchTest,
    testing::Values(
        // Alternation binds to the single atoms on either side; groups give longer branches.
        MatchCase{"AlternationTakesOneAtomEachSide", "ab|cd", "xacd", 0, 0, "0:1-4"},
        MatchCase{"AlternationFirstBranch", "ab|cd", "abd", 0, 0, "0:0-3"},
        MatchCase{"AlternationIsNotWordLevel", "ab|cd", "ab", 0, 0, "no match"},
        MatchCase{"ChainedAlternatives", "x(a|b|c)y", "xcy", 0, 0, "0:0-3 1:1-2"},
        MatchCase{"SecondBranchGroupSkippedWhole", "a|(bc)d", "ad", 0, 0, "0:0-2"},
        MatchCase{"SecondBranchGroupTaken", "a|(bc)d", "bcd", 0, 0, "0:0-3 1:0-2"},
        MatchCase{"SecondBranchLoopSkippedWhole", "x|b*c", "xc", 0, 0, "0:0-2"},
        MatchCase{"SecondBranchLoopTaken", "x|b*c", "bbc", 0, 0, "0:0-3"},
        MatchCase{"EmptySecondBranch", "(a|)b", "b", 0, 0, "0:0-1 1:0-0"},
        MatchCase{"AlternationOfClusters", "{ab}|{cd}e", "xcde", 0, 0, "0:1-4"},
        // Loops: greedy, lazy, the group of a repeated pass.
        MatchCase{"RepeatedGroupReportsFirstPass", "(a)*", "aaa", 0, 0, "0:0-3 1:0-1"},
        MatchCase{"RepeatedGroupFirstPassPlus", "(a|b)+c", "abbc", 0, 0, "0:0-4 1:0-1"},
        MatchCase{"LazyLoopExtendsUntilTheRestFits", "x@y", "xxy", 0, 0, "0:0-3"},
        MatchCase{"LazyPlusTakesOne", "x#", "xxx", 0, 0, "0:0-1"},
        MatchCase{"LazyGroupLoop", "<(a|b)@>", "abab", 0, 0, "0:0-4 1:0-1"},
        MatchCase{"GreedyGivesBack", "a*ab", "aaab", 0, 0, "0:0-4"},
        MatchCase{"GreedyAnyBetweenLiterals", "\\<.*\\>", "<a><b>", 0, 0, "0:0-6"},
        MatchCase{"LazyAnyBetweenLiterals", "\\<.@\\>", "<a><b>", 0, 0, "0:0-3"},
        MatchCase{"LazyAnyBetweenWordBounds", "<.@>", "<a><b>", 0, 0, "0:0-2"},
        MatchCase{"OptionalGroupUnsetWhenSkipped", "a(b)?c", "ac", 0, 0, "0:0-2"},
        MatchCase{"EmptyMatchAtStart", "a*", "bbb", 0, 0, "0:0-0"},
        MatchCase{"LoopOfEmptyPassEnds", "(a*)*b", "aab", 0, 0, "0:0-3 1:0-2"},
        MatchCase{"LoopOfEmptyPassNoMatch", "{a?}+c", "aab", 0, 0, "no match"},
        MatchCase{"LazyLoopOfEmptyPass", "(a*)@b", "b", 0, 0, "0:0-1"},
        MatchCase{"QuestionAfterStarIsNotLazy", "a*?", "aa", 0, 0, "0:0-2"},
        // Closers and brackets.
        MatchCase{"StrayCloserEndsPattern", "a)b", "xab", 0, 0, "0:1-2"},
        MatchCase{"StrayBraceEndsPattern", "a}b", "a", 0, 0, "0:0-1"},
        MatchCase{"UnclosedGroupEndsWithPattern", "(ab", "xab", 0, 0, "0:1-3 1:1-3"},
        MatchCase{"EitherCloserEndsAGroup", "(a}b", "ab", 0, 0, "0:0-2 1:0-1"},
        MatchCase{"GroupsNumberedByOpening", "((a)(b))", "ab", 0, 0, "0:0-2 1:0-2 2:0-1 3:1-2"},
        // Case: the flag, its switches, and classes that ignore it.
        MatchCase{"IgnoreCaseLiteral", "ABC", "xabc", 0, 0, "0:1-4"},
        MatchCase{"MatchCaseLiteral", "ABC", "xabc", 1, 0, "no match"},
        MatchCase{"ClassIgnoresCaseFlag", "[A-Z]", "abc", 0, 0, "no match"},
        MatchCase{"IgnoreCaseCyrillic", kCyrUpper, "x" + kCyrLower, 0, 0, "0:1-5"},
        MatchCase{"IgnoreCaseCyrillicLower", kCyrLower, kCyrUpper, 0, 0, "0:0-4"},
        MatchCase{"MatchCaseCyrillic", kCyrUpper, kCyrLower, 1, 0, "no match"},
        MatchCase{"IgnoreCaseLoopOfCyrillic", "\xE4+", "\xC4\xE4\xC4", 0, 0, "0:0-3"},
        MatchCase{"CaseOnMidPattern", "a\\Cb", "AB", 0, 0, "no match"},
        MatchCase{"CaseOnMidPatternFits", "a\\Cb", "Ab", 0, 0, "0:0-2"},
        MatchCase{"CaseOffMidPattern", "\\cab", "AB", 1, 0, "0:0-2"},
        MatchCase{"CaseSwitchOutlivesItsBranch", "{\\Cx}|a", "A", 0, 0, "no match"},
        MatchCase{"CaseSwitchResetForEachAttempt", "{b\\C}?A", "ba", 0, 0, "0:1-2"},
        // Classes.
        MatchCase{"EmptyClassNeverMatches", "[]", "]x", 0, 0, "no match"},
        MatchCase{"NegatedEmptyClassMatchesAny", "[^]", "\n", 0, 0, "0:0-1"},
        MatchCase{"ClassRangeOfEscapes", "[\\x41-\\x43]+", "zABCD", 0, 0, "0:1-4"},
        MatchCase{"ClassDashFirstIsLiteral", "[-a]+", "x-a", 0, 0, "0:1-3"},
        MatchCase{"ClassUpperIsAsciiOnly", "[\\U]", kCyrUpper, 0, 0, "no match"},
        MatchCase{"UpperOutsideClassIsCyrillicToo", "\\U\\L", "\xC4\xE4", 0, 0, "0:0-2"},
        MatchCase{"ClassWordIsCyrillicToo", "[\\w]+", "-" + kCyrLower + "9-", 0, 0, "0:1-6"},
        MatchCase{"NegatedClassWord", "[^\\w]", kCyrLower + "-", 0, 0, "0:4-5"},
        MatchCase{"ClassSpaceHasNoVerticalTab", "[\\s]", "\v\f\r", 0, 0, "0:2-3"},
        MatchCase{"ClassEscapedBracket", "[\\]]", "a]", 0, 0, "0:1-2"},
        MatchCase{"ClassControlEscapes", "[\\t\\e]+", "x\t\x1B", 0, 0, "0:1-3"},
        // Escapes and classifications outside classes.
        MatchCase{"SpaceIsFourBytes", "\\s+", "a\v \t\r\n", 0, 0, "0:2-6"},
        MatchCase{"NonSpace", "\\S", " \va", 0, 0, "0:1-2"},
        MatchCase{"WordAndDigit", "\\w+\\d\\D", "-\xE4z12x", 0, 0, "0:1-6"},
        MatchCase{"NonWordSkipsCyrillic", "\\W", "\xE4\xA8!", 0, 0, "0:2-3"},
        MatchCase{"NumericEscapes", "\\N065\\o102\\x43\\x6a", "ABCj", 0, 0, "0:0-4"},
        MatchCase{"DecimalEscapeWraps", "\\N321", "A", 1, 0, "0:0-1"},
        MatchCase{"OtherEscapesAreLiterals", "\\.\\*\\(\\q", "a.*(q", 0, 0, "0:1-5"},
        MatchCase{"ZeroBytesAreCharacters", "a\\N000.", std::string("a\0\0", 3), 0, 0, "0:0-3"},
        // Word bounds look at ASCII letters and digits.
        MatchCase{"WordStartAtLineStartAsksNothing", "< ", " a", 0, 0, "0:0-1"},
        MatchCase{"WordStartInsideLine", "<b", "ab b", 0, 0, "0:3-4"},
        MatchCase{"WordStartFailsAtEnd", "<", "", 0, 0, "no match"},
        MatchCase{"WordStartNotBeforeCyrillic", "<\xE4", "a \xE4", 0, 0, "no match"},
        MatchCase{"WordEndInsideLine", "a>", "ab a", 0, 0, "0:3-4"},
        MatchCase{"WordEndAtLineEndAsksNothing", "\\s>", "a ", 0, 0, "0:1-2"},
        MatchCase{"WordEndFailsAtLineStart", ">", "", 0, 0, "no match"},
        // Line bounds and start positions.
        MatchCase{"LineEndOnlyAtEnd", "$", "abc", 0, 0, "0:3-3"},
        MatchCase{"LineStartTriedOnceAtStart", "^a", "aa", 0, 1, "no match"},
        MatchCase{"LineStartInsideGroup", "(^a)", "aa", 0, 0, "0:0-1 1:0-1"},
        MatchCase{"StartPositionSkipsEarlierMatches", "b", "abab", 0, 2, "0:3-4"},
        MatchCase{"LiteralAtEndPositionFails", "a", "a", 0, 1, "no match"},
        MatchCase{"EmptyMatchAtEndPosition", "x*", "a", 0, 1, "0:1-1"},
        MatchCase{"StartPastEnd", "x*", "a", 0, 2, "no match"},
        MatchCase{"NegativeStart", "a", "a", 0, -1, "no match"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// Fault: a nested attempt per character would exhaust the stack on a long line.
TEST(RegexLimitsTest, LongLinesDoNotExhaustTheStack)
{
    const std::string line(1 << 20, 'a');
    const int length = static_cast<int>(line.size());
    for (const char* pattern : {"(a*)*b", "(a|b)*c", "{a#}*x"}) {
        const RxProgram program(RxCompile(pattern));
        ASSERT_TRUE(program);
        RxMatch match;
        EXPECT_EQ(RxExec(program.get(), line.data(), length, 0, match, 0), 0) << pattern;
    }
    EXPECT_EQ(Search("(a|b)*$", line), "0:0-1048576 1:0-1");
    EXPECT_EQ(Search("{a@}@$", line), "0:0-1048576");
}

// Fault: exponential backtracking would hang the editor; the budget ends it and says so.
TEST(RegexLimitsTest, BudgetEndsCostlySearchesAndSaysSo)
{
    const std::string line(40, 'a');
    const RxProgram costly(RxCompile("(a*)*b"));
    RxMatch match;
    RxBudget budget;
    // Without the budget this search would not end in a lifetime; the time the default
    // budget takes is measured by the benchmark's "worst/" runs.
    EXPECT_EQ(RxExec(costly.get(), line.data(), 40, 0, match, 0, &budget), 0);
    EXPECT_TRUE(budget.exhausted);
    EXPECT_EQ(DescribeMatch(match), "");

    const RxProgram plain(RxCompile("b"));
    EXPECT_EQ(RxExec(plain.get(), line.data(), 40, 0, match, 0, &budget), 0);
    EXPECT_FALSE(budget.exhausted); // an ordinary "not found"

    RxBudget small;
    small.steps = 100;
    small.stepsPerUnit = 0;
    const RxProgram loop(RxCompile("(a|b)*c"));
    EXPECT_EQ(RxExec(loop.get(), line.data(), 40, 0, match, 0, &small), 0);
    EXPECT_TRUE(small.exhausted);
    small.steps = 100;
    EXPECT_EQ(RxExec(plain.get(), "ab", 2, 0, match, 0, &small), 1);
    EXPECT_FALSE(small.exhausted);
}

// Fault: a long literal counted as one step, so the budget did not bound the time; every
// compared or scanned byte counts now.
TEST(RegexLimitsTest, BudgetCountsComparedBytes)
{
    const std::string literal(20000, 'a');
    const std::string line(1 << 20, 'a');
    const RxProgram program(RxCompile(literal));
    for (const int caseFlag : {1, 0}) {
        SCOPED_TRACE(caseFlag ? "matching case" : "ignoring case");
        RxMatch match;
        RxBudget small;
        small.steps = 1000;
        small.stepsPerUnit = 0;
        EXPECT_EQ(RxExec(program.get(), line.data(), static_cast<int>(line.size()), 0, match,
                         caseFlag, &small),
                  0);
        EXPECT_TRUE(small.exhausted);
    }
}

// Fault: a fixed budget stopped searches whose work grows only with the line, reporting a
// line that matches as too costly. The budget grows with the line and the pattern, so such
// searches complete; work that grows faster than the line is still stopped.
TEST(RegexLimitsTest, LinearWorkCompletesAndSuperLinearWorkIsStopped)
{
    const std::string megabyte(1 << 20, 'a');
    std::string ab;
    for (int i = 0; i < 2 << 20; ++i)
        ab += "ab";
    const struct {
        const char* name;
        std::string pattern;
        std::string line;
        int caseFlag;
        std::string expected;
    } cases[] = {
        {"literal of 100 at the end of 1 MB", std::string(99, 'a') + "b", megabyte + "b", 0,
         "0:" + std::to_string(megabyte.size() + 1 - 100) + "-"
             + std::to_string(megabyte.size() + 1)},
        {"literal of 100 matching case", std::string(99, 'a') + "b", megabyte + "b", 1,
         "0:" + std::to_string(megabyte.size() + 1 - 100) + "-"
             + std::to_string(megabyte.size() + 1)},
        {"literal of 20,000 nowhere in 1 MB", std::string(20000, 'a') + "b", megabyte, 0,
         "no match"},
        {"group loop to the end of 10 MB", "(.)*$", std::string(10 << 20, 'x'), 0,
         "0:0-" + std::to_string(10 << 20) + " 1:0-1"},
        {"alternation loop to the end of 4 MB", "(a|b)*$", ab, 0, "0:0-4194304 1:0-1"},
        {"dot loop before 1,000 literal bytes on 1 MB", ".*" + std::string(1000, 'a') + "b",
         megabyte, 0, "too costly"},
        {"nested loops on 40 bytes", "(a*)*b", std::string(40, 'a'), 0, "too costly"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RxProgram program(RxCompile(c.pattern));
        ASSERT_TRUE(program);
        RxMatch match;
        RxBudget budget;
        const int found = RxExec(program.get(), c.line.data(), static_cast<int>(c.line.size()), 0,
                                 match, c.caseFlag, &budget);
        EXPECT_EQ(found              ? DescribeMatch(match)
                  : budget.exhausted ? "too costly"
                                     : "no match",
                  c.expected);
    }
}

// Fault: nothing may read outside the subject, whatever the arguments.
TEST(RegexLimitsTest, ArgumentsOutsideTheSubjectFindNothing)
{
    const RxProgram program(RxCompile("a*"));
    RxMatch match;
    EXPECT_EQ(RxExec(program.get(), "aaa", -1, 0, match, 0), 0);
    EXPECT_EQ(RxExec(program.get(), "aaa", 3, 4, match, 0), 0);
    EXPECT_EQ(RxExec(program.get(), nullptr, 3, 0, match, 0), 0);
    EXPECT_EQ(RxExec(program.get(), nullptr, 0, 0, match, 0), 1);
    EXPECT_EQ(RxExec(nullptr, "aaa", 3, 0, match, 0), 0);
    EXPECT_EQ(DescribeMatch(match), "");
}

// Searches keep all their state to themselves: interleaved and concurrent searches agree with
// one search alone.
TEST(RegexLimitsTest, SearchesDoNotDisturbEachOther)
{
    const RxProgram first(RxCompile("(\\w+)=\\C(X)"));
    const RxProgram second(RxCompile("({ab}|c)+d"));
    const std::string a = "  key=X", b = "xxababcd";
    const auto run = [&](const RxProgram& program, const std::string& subject) {
        RxMatch match;
        RxExec(program.get(), subject.data(), static_cast<int>(subject.size()), 0, match, 0);
        return DescribeMatch(match);
    };
    const std::string expectedA = run(first, a), expectedB = run(second, b);
    EXPECT_EQ(expectedA, "0:2-7 1:2-5 2:6-7");
    EXPECT_EQ(expectedB, "0:2-8 1:2-4");
    bool allSame = true;
    std::thread other([&] {
        for (int i = 0; i < 20000; ++i)
            allSame = allSame && run(second, b) == expectedB;
    });
    bool mineSame = true;
    for (int i = 0; i < 20000; ++i)
        mineSame = mineSame && run(first, a) == expectedA;
    other.join();
    EXPECT_TRUE(allSame);
    EXPECT_TRUE(mineSame);
}

} // namespace
