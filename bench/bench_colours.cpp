// Colouring speed on generated HTML pages: the state-only pass over every line (what the view
// does when the user jumps to the end), the full pass with blocks, and loading the same page.
// Usage: bench-colours [benchmark flags] [PAGE_100MB [PAGE_10MB]]; without pages it writes
// them with tw-genhtml into a temporary folder and removes them afterwards.
#include "syntax/BufferLineSource.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/HtmlParser.h"
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

std::string g_pages[2]; // 100 MB, 10 MB

const CKTextBuffer& Page(int which)
{
    static std::unique_ptr<CKTextBuffer> buffers[2];
    if (!buffers[which]) {
        buffers[which] = std::make_unique<CKTextBuffer>();
        if (!buffers[which]->Load(g_pages[which].c_str(), -1, 0)) {
            std::fprintf(stderr, "bench-colours: cannot load %s\n", g_pages[which].c_str());
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
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(buffer.LineCount()), benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(state.iterations() * bytes);
}

void BM_StatePass(benchmark::State& state)
{
    const CKTextBuffer& buffer = Page(static_cast<int>(state.range(0)));
    const CBufferLineSource source(buffer);
    for (auto _ : state) {
        uint32_t s = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            int count = 0;
            s = ParseHtmlLine(s, source, line, nullptr, count);
        }
        benchmark::DoNotOptimize(s);
    }
    Report(state, buffer);
}

void BM_FullPass(benchmark::State& state)
{
    const CKTextBuffer& buffer = Page(static_cast<int>(state.range(0)));
    const CBufferLineSource source(buffer);
    std::vector<ColourBlock> blocks;
    for (auto _ : state) {
        uint32_t s = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            blocks.resize(static_cast<size_t>(buffer.LineLength(line)) + 1);
            int count = 0;
            s = ParseHtmlLine(s, source, line, blocks.data(), count);
            benchmark::DoNotOptimize(blocks.data());
        }
        benchmark::DoNotOptimize(s);
    }
    Report(state, buffer);
}

void BM_Load(benchmark::State& state)
{
    const std::string& path = g_pages[state.range(0)];
    int lines = 0;
    for (auto _ : state) {
        CKTextBuffer buffer;
        benchmark::DoNotOptimize(buffer.Load(path.c_str(), -1, 0));
        lines = buffer.LineCount();
    }
    state.counters["lines/s"] =
        benchmark::Counter(lines, benchmark::Counter::kIsIterationInvariantRate);
}

std::string MakePage(const std::filesystem::path& folder, const char* self, const char* name,
                     long lines)
{
    const auto genhtml = std::filesystem::absolute(self).parent_path().parent_path() / "tw-genhtml";
    const auto out = folder / name;
    const std::string command =
        genhtml.string() + " --lines " + std::to_string(lines) + " " + out.string();
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "bench-colours: %s failed\n", command.c_str());
        std::exit(1);
    }
    return out.string();
}

} // namespace

BENCHMARK(BM_Load)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StatePass)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullPass)->ArgName("page100MB")->Arg(0)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FullPass)->ArgName("page10MB")->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    std::filesystem::path temp;
    for (int i = 1; i < argc && i < 3; ++i)
        g_pages[i - 1] = argv[i];
    if (g_pages[0].empty() || g_pages[1].empty()) {
        const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        temp = std::filesystem::path(base) / ("tw-bench-colours-" + std::to_string(getpid()));
        std::filesystem::create_directories(temp);
        if (g_pages[0].empty())
            g_pages[0] = MakePage(temp, argv[0], "page100.html", 2000000);
        if (g_pages[1].empty())
            g_pages[1] = MakePage(temp, argv[0], "page10.html", 200000);
    }
    FillHtmlKeywords();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (!temp.empty())
        std::filesystem::remove_all(temp);
    return 0;
}
