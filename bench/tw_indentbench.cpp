// tw-indentbench: block indent and unindent of every line of a large HTML page through the
// editing rules, and their undo. The time of each half of the page is taken in the same run
// (when the change reaches the middle line), so a cost that grows along the page shows as a
// difference between the halves. Times are the process's CPU time, which other work on a
// shared machine disturbs far less than the wall clock.
// Usage: tw-indentbench [PAGE]; without a page it writes a 2-million-line one with tw-genhtml.
#include "edit/core/EditRules.h"
#include "syntax/HtmlKeywords.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <time.h>
#include <unistd.h>

namespace {

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Stands in for the edit view: notes when a change reaches the middle line, and passes the
// buffer's reports to the rules.
class TimingView : public CKBufferView {
public:
    void OnBufferChanged(CKBufferView*, const UpdateContext*, uint32_t, int line) override
    {
        if (line == middleLine)
            reachedMiddle = CpuSeconds();
    }
    void OnEditAction(int action, const char* text, int length) override
    {
        rules->OnEditAction(EditCaret{}, action, std::string_view(text, length));
    }

    CEditRules* rules = nullptr;
    int middleLine = 0;
    double reachedMiddle = 0;
};

struct Timing {
    double firstHalf = 0;
    double secondHalf = 0;
    double Total() const { return firstHalf + secondHalf; }
};

struct Result {
    Timing change;
    double undo = 0;
};

// One block command over every line, then its undo; the least time of each over the runs.
template <typename Command>
Result Measure(CKTextBuffer& buffer, TimingView& view, CEditRules& rules, Command command, int runs)
{
    const int last = buffer.LineCount() - 1;
    const EditCaret all = EditCaret::Selecting({0, 0}, {buffer.LineLength(last), last});
    Result best{{1e9, 1e9}, 1e9};
    for (int i = 0; i < runs; ++i) {
        // The first change after an undo releases what could have been redone; a typed space
        // taken back at once pays that here rather than in the first half of the next run.
        rules.Type(EditCaret::At({0, 0}), ' ');
        rules.Undo();
        const double start = CpuSeconds();
        (rules.*command)(all);
        const double end = CpuSeconds();
        const Timing t{view.reachedMiddle - start, end - view.reachedMiddle};
        const double undoStart = CpuSeconds();
        rules.Undo();
        const double undo = CpuSeconds() - undoStart;
        // Other work on the machine only ever adds time: the least of each figure is its own.
        best.change.firstHalf = std::min(best.change.firstHalf, t.firstHalf);
        best.change.secondHalf = std::min(best.change.secondHalf, t.secondHalf);
        best.undo = std::min(best.undo, undo);
    }
    return best;
}

void Report(const char* name, const Result& r)
{
    const double ratio = r.change.secondHalf / r.change.firstHalf;
    std::printf("%-10s %8.3f s  halves %6.3f / %6.3f s (ratio %.2f, %s)  undo %8.3f s (%s)\n", name,
                r.change.Total(), r.change.firstHalf, r.change.secondHalf, ratio,
                ratio > 0.8 && ratio < 1.25 ? "linear" : "NOT linear", r.undo,
                r.undo <= r.change.Total() ? "no slower" : "SLOWER");
}

} // namespace

int main(int argc, char* argv[])
{
    std::string page;
    std::filesystem::path temp;
    if (argc > 1) {
        page = argv[1];
    } else {
        const bool shm = std::filesystem::is_directory("/dev/shm");
        temp = (shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path())
               / ("tw-indentbench-" + std::to_string(::getpid()) + ".html");
        page = temp.string();
        const auto genhtml = std::filesystem::absolute(argv[0]).parent_path() / "tw-genhtml";
        const std::string command = genhtml.string() + " --lines 2000000 " + page;
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "tw-indentbench: %s failed\n", command.c_str());
            return 1;
        }
    }

    std::error_code error;
    const auto bytes = std::filesystem::file_size(page, error);
    CKTextBuffer buffer;
    const bool loaded = buffer.Load(page.c_str());
    if (!temp.empty())
        std::filesystem::remove(temp);
    if (!loaded) {
        std::fprintf(stderr, "tw-indentbench: cannot load %s\n", page.c_str());
        return 1;
    }
    TimingView view;
    view.middleLine = buffer.LineCount() / 2;
    buffer.AttachView(&view);
    CEditRules rules(
        buffer, &view, [] { return EditOptions{}; }, HtmlKeywords());
    view.rules = &rules;

    std::printf("%d lines, %.1f MB\n", buffer.LineCount(),
                error ? 0.0 : static_cast<double>(bytes) / 1e6);
    const int runs = 7;
    Report("indent", Measure(buffer, view, rules, &CEditRules::IndentRight, runs));
    // Unindent a page whose every line starts with a tab: the tab comes off each line.
    const int last = buffer.LineCount() - 1;
    rules.IndentRight(EditCaret::Selecting({0, 0}, {buffer.LineLength(last), last}));
    Report("unindent", Measure(buffer, view, rules, &CEditRules::IndentLeft, runs));
    return 0;
}
