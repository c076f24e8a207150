// The view's per-line caches: the parse state after each line, forgotten from a changed line
// downward, and each line's display width, kept through changes; four bytes a line each,
// filled lazily.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <map>
#include <vector>

// The parse state after each line; kUnknown until computed.
class CParseStateCache {
public:
    static constexpr uint32_t kUnknown = 0xFFFFFFFF;

    bool Allocated() const { return m_allocated; }
    int Count() const { return static_cast<int>(m_states.size()); }
    void Allocate(int lineCount);
    void Drop();

    uint32_t At(int line) const { return m_states[static_cast<size_t>(line)]; }
    void Store(int line, uint32_t state);

    // The state in force at the start of line. Missing states above it are computed one line
    // at a time from the last known one with parse(stateBefore, line) and kept.
    template <typename Parse>
    uint32_t StateBefore(int line, Parse&& parse)
    {
        if (line <= 0)
            return 0;
        const int previous = line - 1;
        if (m_states[static_cast<size_t>(previous)] != kUnknown)
            return m_states[static_cast<size_t>(previous)];
        int known = previous;
        while (known >= 0 && m_states[static_cast<size_t>(known)] == kUnknown)
            --known;
        uint32_t state = known >= 0 ? m_states[static_cast<size_t>(known)] : 0;
        for (int j = known + 1; j <= previous; ++j) {
            state = parse(state, j);
            m_states[static_cast<size_t>(j)] = state;
        }
        if (previous + 1 > m_knownEnd)
            m_knownEnd = previous + 1;
        return state;
    }

    // Forgets the states from line on.
    void ForgetFrom(int line);
    // The text now has lineCount lines and changed from line on: entries above it stay.
    void Resize(int lineCount, int line);

    size_t Bytes() const { return m_states.capacity() * sizeof(uint32_t); }

private:
    std::vector<uint32_t> m_states;
    // Every entry from here on is unknown, so forgetting never touches more than was filled.
    int m_knownEnd = 0;
    bool m_allocated = false;
};

// Display widths of the lines, -1 until measured, with the number of lines of each measured
// width and the range that holds every line not measured yet: once all lines were measured, the
// widest stays known through any changes for the cost of measuring the changed lines alone.
class CLineWidthCache {
public:
    bool Allocated() const { return m_allocated; }
    int Count() const { return static_cast<int>(m_widths.size()); }
    void Allocate(int lineCount);
    void Drop();

    template <typename Measure>
    int Width(int line, Measure&& measure)
    {
        int32_t& width = m_widths[static_cast<size_t>(line)];
        if (width < 0) {
            width = measure(line);
            Tally(width, 1);
        }
        return width;
    }
    // The largest width of all lines, measuring the unknown ones: every line the first time,
    // afterwards those changed since.
    template <typename Measure>
    int Largest(Measure&& measure)
    {
        for (int line = m_unknownFrom; line < m_unknownTo; ++line)
            Width(line, measure);
        m_unknownFrom = m_unknownTo = 0;
        return Widest();
    }

    // The removed lines from line on were replaced by inserted ones, not measured yet.
    void Replace(int line, int removed, int inserted);
    // The width measured last, or -1 when unknown.
    int Known(int line) const { return m_widths[static_cast<size_t>(line)]; }

    size_t Bytes() const { return m_widths.capacity() * sizeof(int32_t); }

private:
    // Widths below this are counted in a plain array; the rare wider lines in a map.
    static constexpr int kDenseWidths = 1 << 16;
    void Tally(int width, int lines);
    int Widest();

    std::vector<int32_t> m_widths;
    // Measured lines by width; the widest counted one is at or below m_denseTop.
    std::vector<int> m_denseCounts;
    int m_denseTop = 0;
    std::map<int32_t, int> m_wideCounts;
    int m_unknownFrom = 0; // every unknown line lies in [from, to)
    int m_unknownTo = 0;
    bool m_allocated = false;
};
