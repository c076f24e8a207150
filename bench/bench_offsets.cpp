// Cost of the character offsets an assistive client asks for in a 100 MB text: the caret's
// offset after a change on the caret line (the starts before it stay cached), after a change
// at the top (every start after it is counted again), and a position from an offset.
#include "text/KTextBuffer.h"
#include "view/core/TextOffsets.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int kLines = 2'000'000; // 52 bytes a line: about 100 MB

class BufferText : public CViewModelHost {
public:
    BufferText()
    {
        buffer.InitEmpty();
        std::string text;
        text.reserve(static_cast<size_t>(kLines) * 52);
        for (int i = 0; i < kLines; ++i)
            text += "<p class=\"x\">Some text of an ordinary line.</p>\r\n";
        int endLine, endChar;
        buffer.RawInsert(nullptr, 0, 0, text, endLine, endChar);
    }
    int LineCount() const override { return buffer.LineCount(); }
    std::string_view Line(int line) const override { return buffer.Line(line); }
    int TabSize() const override { return 4; }
    int ScreenLines() override { return 50; }
    int ScreenChars() override { return 100; }
    int LargestLineWidth() override { return 0; }
    void ScrollToLine(int, bool) override {}
    void ScrollToColumn(int) override {}
    void SelectionChanged(TextRange, TextRange) override {}
    void CaretMoved() override {}

    CKTextBuffer buffer;
};

BufferText& Text()
{
    static BufferText text;
    return text;
}

void BM_CaretOffsetAfterChangeOnCaretLine(benchmark::State& state)
{
    CTextOffsets offsets(Text());
    const TextPoint caret{10, kLines - 10};
    offsets.OffsetOf(caret);
    for (auto _ : state) {
        offsets.ForgetAfter(caret.y);
        benchmark::DoNotOptimize(offsets.OffsetOf(caret));
    }
}

void BM_CaretOffsetAfterChangeAtTop(benchmark::State& state)
{
    CTextOffsets offsets(Text());
    const TextPoint caret{10, kLines - 10};
    for (auto _ : state) {
        offsets.ForgetAfter(0);
        benchmark::DoNotOptimize(offsets.OffsetOf(caret));
    }
}

void BM_PositionOfOffset(benchmark::State& state)
{
    CTextOffsets offsets(Text());
    const int64_t length = offsets.Length();
    int64_t offset = 0;
    for (auto _ : state) {
        offset = (offset + 7'654'321) % length;
        benchmark::DoNotOptimize(offsets.PointAt(offset));
    }
}

} // namespace

BENCHMARK(BM_CaretOffsetAfterChangeOnCaretLine);
BENCHMARK(BM_CaretOffsetAfterChangeAtTop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PositionOfOffset);
BENCHMARK_MAIN();
