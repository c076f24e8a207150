// The shortest edit script between the line lists (a greedy search by number of changes, with
// the lines both texts share at their start and end left out of it), then grouped into hunks.
#include "text/UnifiedDiff.h"

#include <algorithm>

namespace {

// Beyond this many changes the search's memory (about the square of it) is not worth it.
constexpr int kMaxEdits = 3000;

enum class Op { Same, Remove, Add };
struct Step {
    Op op;
    int before; // index of the line in before (Same, Remove)
    int after;  // index of the line in after (Same, Add)
};

using Lines = std::vector<std::string_view>;

// The steps turning before[b0,b1) into after[a0,a1), or false when it takes too many changes.
bool ShortestScript(const Lines& before, int b0, int b1, const Lines& after, int a0, int a1,
                    std::vector<Step>& out)
{
    const int n = b1 - b0, m = a1 - a0;
    const int limit = std::min(n + m, kMaxEdits);
    std::vector<int> v(2 * limit + 3, 0);
    const int offset = limit + 1;
    std::vector<std::vector<int>>
        trace; // trace[d][k + d]: furthest x on diagonal k after d changes
    int found = -1;
    for (int d = 0; d <= limit && found < 0; ++d) {
        for (int k = -d; k <= d; k += 2) {
            int x = (k == -d || (k != d && v[offset + k - 1] < v[offset + k + 1]))
                        ? v[offset + k + 1]
                        : v[offset + k - 1] + 1;
            int y = x - k;
            while (x < n && y < m && before[b0 + x] == after[a0 + y])
                ++x, ++y;
            v[offset + k] = x;
            if (x >= n && y >= m)
                found = d;
        }
        trace.emplace_back(v.begin() + offset - d, v.begin() + offset + d + 1);
    }
    if (found < 0)
        return false;

    std::vector<Step> reversed;
    int x = n, y = m;
    for (int d = found; d >= 0; --d) {
        const int k = x - y;
        int prevX = 0, prevY = 0;
        if (d > 0) {
            const std::vector<int>& prev = trace[d - 1];
            auto at = [&](int kk) { return prev[kk + d - 1]; };
            const int prevK = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? k + 1 : k - 1;
            prevX = at(prevK);
            prevY = prevX - prevK;
        }
        while (x > prevX && y > prevY) {
            --x, --y;
            reversed.push_back({Op::Same, b0 + x, a0 + y});
        }
        if (d > 0) {
            if (x == prevX)
                reversed.push_back({Op::Add, b0 + x, a0 + prevY});
            else
                reversed.push_back({Op::Remove, b0 + prevX, a0 + y});
        }
        x = prevX, y = prevY;
    }
    out.insert(out.end(), reversed.rbegin(), reversed.rend());
    return true;
}

std::string Range(int start, int count)
{
    // A hunk without lines on one side names the line before it.
    const int first = count == 0 ? start : start + 1;
    return std::to_string(first) + "," + std::to_string(count);
}

} // namespace

std::vector<std::string_view> SplitRecoveryLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t pos = 0;
    for (;;) {
        const size_t end = text.find("\r\n", pos);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(pos));
            return lines;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
}

std::string UnifiedDiff(const Lines& before, const Lines& after, std::string_view beforeName,
                        std::string_view afterName, int context)
{
    const int n = static_cast<int>(before.size()), m = static_cast<int>(after.size());
    int head = 0;
    while (head < n && head < m && before[head] == after[head])
        ++head;
    int tail = 0;
    while (tail < n - head && tail < m - head && before[n - 1 - tail] == after[m - 1 - tail])
        ++tail;
    if (head == n && head == m)
        return {};

    std::vector<Step> steps;
    for (int i = 0; i < head; ++i)
        steps.push_back({Op::Same, i, i});
    if (!ShortestScript(before, head, n - tail, after, head, m - tail, steps)) {
        for (int i = head; i < n - tail; ++i)
            steps.push_back({Op::Remove, i, head});
        for (int j = head; j < m - tail; ++j)
            steps.push_back({Op::Add, n - tail, j});
    }
    for (int i = 0; i < tail; ++i)
        steps.push_back({Op::Same, n - tail + i, m - tail + i});

    std::string out;
    out.append("--- ").append(beforeName).append("\n");
    out.append("+++ ").append(afterName).append("\n");
    const int count = static_cast<int>(steps.size());
    int i = 0;
    while (i < count) {
        while (i < count && steps[i].op == Op::Same)
            ++i;
        if (i == count)
            break;
        // The hunk runs from context lines before this change to context lines after the last
        // change that is not more than 2 * context unchanged lines from the one before it.
        const int start = std::max(0, i - context);
        int end = i;
        int sameRun = 0;
        for (int j = i; j < count; ++j) {
            if (steps[j].op == Op::Same) {
                if (++sameRun > 2 * context)
                    break;
            } else {
                sameRun = 0;
                end = j + 1;
            }
        }
        const int stop = std::min(count, end + context);
        int beforeCount = 0, afterCount = 0;
        for (int j = start; j < stop; ++j) {
            beforeCount += steps[j].op != Op::Add;
            afterCount += steps[j].op != Op::Remove;
        }
        out += "@@ -" + Range(steps[start].before, beforeCount) + " +"
               + Range(steps[start].after, afterCount) + " @@\n";
        for (int j = start; j < stop; ++j) {
            const Step& s = steps[j];
            const char mark = s.op == Op::Same ? ' ' : s.op == Op::Remove ? '-' : '+';
            out += mark;
            out.append(s.op == Op::Add ? after[s.after] : before[s.before]);
            out += '\n';
        }
        i = stop;
    }
    return out;
}
