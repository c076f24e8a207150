// tw-replace: loads a file, runs Replace All over it as the Replace dialog does and saves the
// result; the replace driver.
#include "DriverArgs.h"
#include "edit/core/Replace.h"
#include "text/KTextBuffer.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: tw-replace [--page P] [--case] [--word] [--regex] [--from L:C]"
                         " [--selection L1:C1-L2:C2] [--undo] [--bench]"
                         " PATTERN REPLACEMENT IN OUT\n");
    return 2;
}

// Undo commands that would take the history back to its start.
int UndoSteps(const CKTextBuffer& buffer)
{
    int steps = 0;
    for (int i = 0; i < buffer.UndoPosition(); ++i)
        steps += buffer.UndoRecordAt(i).StartsGroup() ? 1 : 0;
    return steps;
}

// What the history holds: its records and the texts they own.
size_t HistoryBytes(const CKTextBuffer& buffer)
{
    size_t bytes = 0;
    for (int i = 0; i < buffer.UndoRecordCount(); ++i) {
        const std::string& text = buffer.UndoRecordAt(i).text;
        bytes += sizeof(UndoRecord);
        if (text.capacity() > std::string().capacity())
            bytes += text.capacity() + 1;
    }
    return bytes;
}

double Ms(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char* argv[])
{
    std::signal(SIGXFSZ, SIG_IGN);

    int page = 0;
    ReplaceFields fields;
    bool undo = false, bench = false, selection = false;
    TextPoint from, selStart, selEnd;
    const char* args[4] = {};
    int argCount = 0;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (!std::strcmp(a, "--page")) {
            if (++i >= argc || !ParseInt(argv[i], page))
                return Usage();
        } else if (!std::strcmp(a, "--from")) {
            if (++i >= argc || !ParsePoint(argv[i], from))
                return Usage();
        } else if (!std::strcmp(a, "--selection")) {
            if (++i >= argc || !ParseRange(argv[i], selStart, selEnd))
                return Usage();
            selection = true;
        } else if (ParseSearchOption(a, fields.flags)) {
            // --case, --word or --regex, taken
        } else if (!std::strcmp(a, "--undo")) {
            undo = true;
        } else if (!std::strcmp(a, "--bench")) {
            bench = true;
        } else if (argCount < 4) {
            args[argCount++] = a;
        } else {
            return Usage();
        }
    }
    if (argCount != 4)
        return Usage();
    fields.findWhat = args[0];
    fields.replaceWith = args[1];

    CKTextBuffer buffer;
    if (!buffer.Load(args[2], LineEnding::Auto, static_cast<CodePage>(page))) {
        std::fprintf(stderr, "tw-replace: %s: %s\n", args[2], buffer.LastErrorText().c_str());
        return 1;
    }
    const EditCaret state =
        selection ? EditCaret::Selecting(selStart, selEnd) : EditCaret::At(from);
    fields.scope = selection ? ReplaceScope::Selection : ReplaceScope::WholeFile;
    CTextSearch search;
    CReplaceSession session(buffer, nullptr, search, state);

    auto started = std::chrono::steady_clock::now();
    const ReplaceOutcome outcome = session.ReplaceAll(fields);
    const double replaceMs = Ms(std::chrono::steady_clock::now() - started);
    switch (outcome.problem) {
    case ReplaceProblem::InvalidPattern:
        std::fprintf(stderr, "tw-replace: invalid regular expression: %s\n", args[0]);
        return 1;
    case ReplaceProblem::TooCostly:
        std::fprintf(stderr, "tw-replace: the regular expression is too costly to search: %s\n",
                     args[0]);
        return 1;
    case ReplaceProblem::CannotExpand:
        std::fprintf(stderr, "tw-replace: cannot expand the replacement at %d:%d; stopped there\n",
                     session.State().caret.y, session.State().caret.x);
        break;
    default:
        break;
    }
    const int steps = UndoSteps(buffer);
    const size_t historyBytes = HistoryBytes(buffer);

    double undoMs = 0;
    auto undoAll = [&] {
        started = std::chrono::steady_clock::now();
        TextPoint cursor;
        while (buffer.CanUndo())
            buffer.Undo(cursor);
        undoMs = Ms(std::chrono::steady_clock::now() - started);
    };
    if (undo)
        undoAll();
    if (!buffer.Save(args[3])) {
        std::fprintf(stderr, "tw-replace: %s: %s\n", args[3], buffer.LastErrorText().c_str());
        return 1;
    }
    std::printf("replaced=%d undo_steps=%d\n", outcome.replaced, steps);
    if (bench) {
        if (!undo)
            undoAll();
        std::printf("replace_ms=%.1f undo_ms=%.1f undo_bytes=%zu\n", replaceMs, undoMs,
                    historyBytes);
    }
    return outcome.problem == ReplaceProblem::CannotExpand ? 1 : 0;
}
