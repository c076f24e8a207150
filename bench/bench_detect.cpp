// Cost of detecting the code page of 64 KB, the most the detector looks at: plain text and an
// HTML page in each page, from the detector's test fixtures repeated.
#include "text/CodePageDetector.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Fixture(const std::string& name)
{
    std::ifstream in(std::string(TW_DETECT_FIXTURES) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The fixture's lines over and over, as plain text or as paragraphs of a page, cut at 64 KB.
std::string Head(const std::string& name, bool html)
{
    std::istringstream lines(Fixture(name));
    std::string line, text = html ? "<!DOCTYPE html>\n<html><body>\n" : "";
    while (text.size() < kCodePageDetectBytes) {
        if (!std::getline(lines, line)) {
            lines.clear();
            lines.seekg(0);
            continue;
        }
        text += html ? "<p class=\"text\">" + line + "</p>\n" : line + "\n";
    }
    text.resize(kCodePageDetectBytes);
    return text;
}

void BM_Detect(benchmark::State& state, const char* fixture, bool html)
{
    const std::string head = Head(fixture, html);
    for (auto _ : state)
        benchmark::DoNotOptimize(DetectCodePage(head, true));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * head.size());
}

} // namespace

BENCHMARK_CAPTURE(BM_Detect, cp1251, "cp1251.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, cp866, "cp866.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, koi8r, "koi8r.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, iso8859_5, "iso8859-5.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, mac, "mac.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, utf8, "utf8.txt", false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, cp1251_html, "cp1251.txt", true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Detect, utf8_html, "utf8.txt", true)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
