// Colouring speed on generated sources, measured in one run: for a 100 MB, 2-million-line HTML
// page the state-only pass over every line (what the view does when the user jumps to the
// end), the full pass with blocks and loading the page; the full pass over a 10 MB HTML page;
// and the C/C++ parser's full and state-only passes over 10 MB of C++.
// Usage: bench-colours [benchmark flags] [PAGE_100MB [PAGE_10MB [CPP_10MB]]]; files not given
// are written with tw-genhtml and tw-gencpp into a temporary folder and removed afterwards.
#include "syntax/HtmlKeywords.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

struct Input {
    const char* file;
    const char* generator;
    long lines;
    SourceType sourceType;
    std::string path;
};

// Indexed by the benchmarks' argument.
Input g_inputs[] = {
    {"page100.html", "tw-genhtml", 2000000, SourceType::Html, {}},
    {"page10.html", "tw-genhtml", 200000, SourceType::Html, {}},
    {"source10.cpp", "tw-gencpp", 380000, SourceType::Cpp, {}},
};
constexpr int kInputs = static_cast<int>(std::size(g_inputs));

const CKTextBuffer& Loaded(int which)
{
    static std::unique_ptr<CKTextBuffer> buffers[kInputs];
    if (!buffers[which]) {
        buffers[which] = std::make_unique<CKTextBuffer>();
        if (!buffers[which]->Load(g_inputs[which].path.c_str())) {
            std::fprintf(stderr, "bench-colours: cannot load %s\n", g_inputs[which].path.c_str());
            std::exit(1);
        }
    }
    return *buffers[which];
}

void Report(benchmark::State& state, const CKTextBuffer& buffer)
{
    int64_t bytes = 0;
    for (int line = 0; line < buffer.LineCount(); ++line)
        bytes += buffer.LineLength(line);
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(buffer.LineCount()),
                                                   benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(state.iterations() * bytes);
}

// Parses every line in turn, with blocks or state only.
void Pass(benchmark::State& state, bool withBlocks)
{
    const int which = static_cast<int>(state.range(0));
    const CKTextBuffer& buffer = Loaded(which);
    const CTextLines& source = buffer;
    const LineParser parser = LineParserFor(g_inputs[which].sourceType);
    std::vector<ColourBlock> blocks;
    for (auto _ : state) {
        uint32_t s = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            int count = 0;
            if (withBlocks) {
                blocks.resize(static_cast<size_t>(buffer.LineLength(line)) + 1);
                s = parser(s, source, line, blocks.data(), count);
                benchmark::DoNotOptimize(blocks.data());
            } else {
                s = parser(s, source, line, nullptr, count);
            }
        }
        benchmark::DoNotOptimize(s);
    }
    Report(state, buffer);
}

void BM_StatePass(benchmark::State& state) { Pass(state, false); }
void BM_FullPass(benchmark::State& state) { Pass(state, true); }

// Reports the same counters as the passes: every run written to one CSV file must.
void BM_Load(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    const std::string& path = g_inputs[which].path;
    for (auto _ : state) {
        CKTextBuffer buffer;
        benchmark::DoNotOptimize(buffer.Load(path.c_str()));
    }
    Report(state, Loaded(which));
}

void Generate(const std::filesystem::path& folder, const char* self, Input& input)
{
    const auto program =
        std::filesystem::absolute(self).parent_path().parent_path() / input.generator;
    input.path = (folder / input.file).string();
    const std::string command =
        program.string() + " --lines " + std::to_string(input.lines) + " " + input.path;
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "bench-colours: %s failed\n", command.c_str());
        std::exit(1);
    }
}

} // namespace

BENCHMARK(BM_Load)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StatePass)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullPass)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullPass)->ArgName("page10MB")->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_FullPass)->ArgName("cpp10MB")->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_StatePass)->ArgName("cpp10MB")->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc && i <= kInputs; ++i)
        g_inputs[i - 1].path = argv[i];
    std::filesystem::path temp;
    for (Input& input : g_inputs) {
        if (!input.path.empty())
            continue;
        if (temp.empty()) {
            const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
            temp = std::filesystem::path(base) / ("tw-bench-colours-" + std::to_string(getpid()));
            std::filesystem::create_directories(temp);
        }
        Generate(temp, argv[0], input);
    }
    FillHtmlKeywords();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!temp.empty())
        std::filesystem::remove_all(temp);
    return 0;
}
