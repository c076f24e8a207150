// The regular-expression engine against PCRE2 (no JIT) and std::regex, line by line over
// 10 MB of generated HTML, on five kinds of pattern. Each engine gets the pattern in its own
// syntax with the same meaning; the first match in every line is searched and the matching
// lines counted, and the counts must agree. At the end a table gives the engine's CPU time as
// a ratio of the other two. The "worst" runs time the engine alone on hostile searches, each of
// which must end within about a second (matched or reported as too costly).
#include "view/core/Regex.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

struct PatternSet {
    const char* name;
    std::string engine; // in the engine's own syntax
    int caseFlag;
    std::string other; // the same search for PCRE2 and std::regex
};

// The case-insensitive Cyrillic word ("document" in Russian, Windows-1251): the engine folds
// case itself; the other two get a class for each letter, since neither knows Windows-1251
// case partners.
const std::vector<PatternSet>& Patterns()
{
    static const std::vector<PatternSet> patterns = {
        {"literal", "content", 1, "content"},
        {"class-run", "[0-9]+", 1, "[0-9]+"},
        {"group-alternation", "({table}|{page}|{value})", 1, "(table|page|value)"},
        {"any-between-literals", "\\<td.*\\</td\\>", 1, "<td.*</td>"},
        {"cyrillic-ignore-case", "\xC4\xCE\xCA\xD3\xCC\xC5\xCD\xD2", 0,
         "[\xC4\xE4][\xCE\xEE][\xCA\xEA][\xD3\xF3][\xCC\xEC][\xC5\xE5][\xCD\xED][\xD2\xF2]"},
    };
    return patterns;
}

struct Text {
    std::string bytes;
    std::vector<std::string_view> lines;
};

// 200,000 lines (about 10 MB) from tw-genhtml, LF-separated, in Windows-1251.
const Text& Html()
{
    static const Text text = [] {
        char path[] = "/tmp/tw-bench-regex-XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0)
            close(fd);
        const std::string command =
            std::string(TW_GENHTML) + " --lines 200000 --lf '" + path + "' >/dev/null";
        Text t;
        if (fd < 0 || std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "bench-regex: cannot generate the text\n");
            std::exit(1);
        }
        std::ifstream in(path, std::ios::binary);
        t.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::remove(path);
        size_t begin = 0;
        while (begin < t.bytes.size()) {
            size_t end = t.bytes.find('\n', begin);
            if (end == std::string::npos)
                end = t.bytes.size();
            t.lines.emplace_back(t.bytes.data() + begin, end - begin);
            begin = end + 1;
        }
        return t;
    }();
    return text;
}

long SearchEngine(const PatternSet& p)
{
    const RxProgram program(RxCompile(p.engine));
    RxMatch match;
    long found = 0;
    for (const std::string_view line : Html().lines)
        found +=
            RxExec(program.get(), line.data(), static_cast<int>(line.size()), 0, match, p.caseFlag);
    return found;
}

long SearchPcre2(const PatternSet& p)
{
    int error;
    PCRE2_SIZE offset;
    pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.other.data()), p.other.size(),
                                     0, &error, &offset, nullptr);
    pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
    long found = 0;
    for (const std::string_view line : Html().lines)
        found += pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(line.data()), line.size(), 0, 0,
                             data, nullptr)
                 >= 0;
    pcre2_match_data_free(data);
    pcre2_code_free(code);
    return found;
}

long SearchStd(const PatternSet& p)
{
    const std::regex re(p.other);
    std::cmatch match;
    long found = 0;
    for (const std::string_view line : Html().lines)
        found += std::regex_search(line.data(), line.data() + line.size(), match, re);
    return found;
}

using Searcher = long (*)(const PatternSet&);

void RunSearch(benchmark::State& state, const PatternSet& p, Searcher search, long expected)
{
    long found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = search(p));
    if (found != expected)
        state.SkipWithError("the engines disagree on the number of matching lines");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * Html().bytes.size()));
    state.counters["lines"] = static_cast<double>(found);
}

// Prints the usual table and keeps each run's CPU time for the ratios (steadier than wall time
// on a shared machine).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred)
                times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Hostile searches of one long line: each ends as a match, or as too costly for the budget.
struct WorstCase {
    const char* name;
    std::string pattern;
    std::string line;
};

const std::vector<WorstCase>& WorstCases()
{
    static const std::vector<WorstCase> cases = [] {
        std::string ab;
        for (int i = 0; i < 2 << 20; ++i)
            ab += "ab";
        return std::vector<WorstCase>{
            {"long-literal-1MB", std::string(20000, 'a') + "b", std::string(1 << 20, 'a')},
            {"dot-star-literal-1MB", ".*" + std::string(1000, 'a') + "b",
             std::string(1 << 20, 'a')},
            {"group-loop-4MB", "(a|b)*$", ab},
            // Exponential backtracking: only the budget ends it.
            {"nested-star-40", "(a*)*b", std::string(40, 'a')},
        };
    }();
    return cases;
}

void RunWorstCase(benchmark::State& state, const WorstCase& c)
{
    const RxProgram program(RxCompile(c.pattern));
    RxMatch match;
    RxBudget budget;
    int found = 0;
    for (auto _ : state)
        found = RxExec(program.get(), c.line.data(), static_cast<int>(c.line.size()), 0, match, 0,
                       &budget);
    state.counters["matched"] = found;
    state.counters["too costly"] = budget.exhausted;
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const Searcher engines[] = {SearchEngine, SearchPcre2, SearchStd};
    const char* const engineNames[] = {"engine", "pcre2", "std"};
    for (const PatternSet& p : Patterns()) {
        const long expected = SearchPcre2(p);
        for (int e = 0; e < 3; ++e)
            benchmark::RegisterBenchmark(
                (std::string(p.name) + "/" + engineNames[e]).c_str(),
                [&p, search = engines[e], expected](benchmark::State& state) {
                    RunSearch(state, p, search, expected);
                })
                ->Unit(benchmark::kMillisecond);
    }
    for (const WorstCase& c : WorstCases())
        benchmark::RegisterBenchmark((std::string("worst/") + c.name).c_str(),
                                     [&c](benchmark::State& state) { RunWorstCase(state, c); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\n%-22s %12s %12s\n", "pattern", "engine/pcre2", "engine/std");
    for (const PatternSet& p : Patterns()) {
        const std::string name = p.name;
        const auto& t = reporter.times;
        if (!t.count(name + "/engine") || !t.count(name + "/pcre2") || !t.count(name + "/std"))
            continue;
        std::printf("%-22s %12.2f %12.3f\n", p.name, t.at(name + "/engine") / t.at(name + "/pcre2"),
                    t.at(name + "/engine") / t.at(name + "/std"));
    }
    benchmark::Shutdown();
    return 0;
}
