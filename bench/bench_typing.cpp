// Cost of one typed character (insertion and its undo record) by buffer size and history, in
// the buffer alone and through the editing rules.
#include "edit/core/EditRules.h"
#include "syntax/HtmlKeywords.h"
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

// Passes the buffer's reports of closed groups to the rules, as the edit view does.
class RulesView : public CKBufferView {
public:
    void OnBufferChanged(CKBufferView*, const UpdateContext*, uint32_t, int) override {}
    void OnEditAction(int action, const char* text, int length) override
    {
        rules->OnEditAction(EditCaret{}, action, std::string_view(text, length));
    }
    CEditRules* rules = nullptr;
};

// The same through the typing rule: its undo group, the report to the view and the caret.
// Smart Undo is off so that every character is a group of its own and the history stays at
// its limit.
void BM_TypeThroughRules(benchmark::State& state)
{
    CKTextBuffer buffer;
    FillBuffer(buffer, static_cast<int>(state.range(0)));
    RulesView view;
    EditOptions options;
    options.smartUndo = false;
    CEditRules rules(
        buffer, &view, [&] { return options; }, HtmlKeywords());
    view.rules = &rules;
    const int line = buffer.LineCount() / 2;
    for (int i = 0; i < CKTextBuffer::kUndoLimit; ++i)
        rules.Type(EditCaret::At({0, 0}), 'a');
    for (auto _ : state) {
        benchmark::DoNotOptimize(rules.Type(EditCaret::At({5, line}), 'x'));
        buffer.RawDelete(nullptr, line, 5, line, 6);
    }
    state.counters["history"] = buffer.UndoRecordCount();
}

} // namespace

BENCHMARK(BM_TypeCharacter)->Arg(10)->Arg(2000000);
BENCHMARK(BM_TypeThroughRules)->Arg(10)->Arg(2000000);
BENCHMARK_MAIN();
