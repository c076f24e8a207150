// Cost of one typed character (insertion and its undo record) by buffer size and history.
#include "text/EditActions.h"
#include "text/KTextBuffer.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

void FillBuffer(CKTextBuffer& buffer, int lines)
{
    buffer.InitEmpty();
    std::string text;
    text.reserve(static_cast<size_t>(lines) * 52);
    for (int i = 0; i < lines; ++i)
        text += "<p class=\"x\">Some text of an ordinary line.</p>\r\n";
    int endLine, endChar;
    buffer.RawInsert(nullptr, 0, 0, text, endLine, endChar);
}

// Types one character into the middle of the buffer and takes it out again without undo,
// so that the history stays full (after the warm-up) and the text stays the same.
void BM_TypeCharacter(benchmark::State& state)
{
    CKTextBuffer buffer;
    FillBuffer(buffer, static_cast<int>(state.range(0)));
    const int line = buffer.LineCount() / 2;
    int endLine, endChar;
    for (int i = 0; i < CKTextBuffer::kUndoLimit; ++i)
        buffer.InsertText(nullptr, 0, 0, "a", endLine, endChar, ACTION_TYPING);
    for (auto _ : state) {
        buffer.InsertText(nullptr, line, 5, "x", endLine, endChar, ACTION_TYPING);
        buffer.RawDelete(nullptr, line, 5, line, 6);
    }
    state.counters["history"] = buffer.UndoRecordCount();
}

} // namespace

BENCHMARK(BM_TypeCharacter)->Arg(10)->Arg(2000000);
BENCHMARK_MAIN();
