// Colouring speed of the C/C++ parser beside the HTML parser, measured in the same run: the
// full pass with blocks over about 10 MB of generated C++ and of generated HTML, and the C/C++
// state-only pass. Usage: bench-parsers [benchmark flags] [CPP_10MB HTML_10MB]; without files
// it writes them with tw-gencpp and tw-genhtml into a temporary folder and removes them
// afterwards.
#include "doc/core/SourceTypes.h"
#include "syntax/BufferLineSource.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/ParseDispatch.h"
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

constexpr int kCpp = 0;
constexpr int kHtml = 1;
std::string g_files[2];

const CKTextBuffer& File(int which)
{
    static std::unique_ptr<CKTextBuffer> buffers[2];
    if (!buffers[which]) {
        buffers[which] = std::make_unique<CKTextBuffer>();
        if (!buffers[which]->Load(g_files[which].c_str(), -1, 0)) {
            std::fprintf(stderr, "bench-parsers: cannot load %s\n", g_files[which].c_str());
            std::exit(1);
        }
    }
    return *buffers[which];
}

int TypeOf(int which)
{
    return which == kCpp ? SRC_CPP : SRC_HTML;
}

void Report(benchmark::State& state, const CKTextBuffer& buffer)
{
    int64_t bytes = 0;
    for (int line = 0; line < buffer.LineCount(); ++line)
        bytes += buffer.LineLength(line);
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(buffer.LineCount()), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_FullPass(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    const CKTextBuffer& buffer = File(which);
    const CBufferLineSource source(buffer);
    const LineParser parser = LineParserFor(TypeOf(which));
    std::vector<ColourBlock> blocks;
    for (auto _ : state) {
        uint32_t s = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            blocks.resize(static_cast<size_t>(buffer.LineLength(line)) + 1);
            int count = 0;
            s = parser(s, source, line, blocks.data(), count);
            benchmark::DoNotOptimize(blocks.data());
        }
        benchmark::DoNotOptimize(s);
    }
    Report(state, buffer);
}

void BM_StatePass(benchmark::State& state)
{
    const int which = static_cast<int>(state.range(0));
    const CKTextBuffer& buffer = File(which);
    const CBufferLineSource source(buffer);
    const LineParser parser = LineParserFor(TypeOf(which));
    for (auto _ : state) {
        uint32_t s = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            int count = 0;
            s = parser(s, source, line, nullptr, count);
        }
        benchmark::DoNotOptimize(s);
    }
    Report(state, buffer);
}

std::string MakeFile(const std::filesystem::path& folder, const char* self, const char* tool,
    const char* name, long lines)
{
    const auto program = std::filesystem::absolute(self).parent_path().parent_path() / tool;
    const auto out = folder / name;
    const std::string command
        = program.string() + " --lines " + std::to_string(lines) + " " + out.string();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "bench-parsers: %s failed\n", command.c_str());
        std::exit(1);
    }
    return out.string();
}

} // namespace

BENCHMARK(BM_FullPass)
    ->ArgName("cpp10MB")
    ->Arg(kCpp)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_FullPass)
    ->ArgName("html10MB")
    ->Arg(kHtml)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StatePass)
    ->ArgName("cpp10MB")
    ->Arg(kCpp)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    std::filesystem::path temp;
    if (argc >= 3) {
        g_files[kCpp] = argv[1];
        g_files[kHtml] = argv[2];
    } else {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        temp = std::filesystem::path(base) / ("tw-bench-parsers-" + std::to_string(getpid()));
        std::filesystem::create_directories(temp);
        // About 10 MB each: 380,000 generated C++ lines, 200,000 generated HTML lines.
        g_files[kCpp] = MakeFile(temp, argv[0], "tw-gencpp", "source.cpp", 380000);
        g_files[kHtml] = MakeFile(temp, argv[0], "tw-genhtml", "page.html", 200000);
    }
    FillHtmlKeywords();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!temp.empty())
        std::filesystem::remove_all(temp);
    return 0;
}
