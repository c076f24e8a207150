// The view's per-line caches: the parse state after each line and each line's display width,
// four bytes a line each, filled lazily and forgotten from a changed line downward.
#pragma once

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
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

// Display widths of the lines; -1 until computed.
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
        if (width < 0)
            width = measure(line);
        return width;
    }
    // The largest width of all lines, measuring the unknown ones.
    template <typename Measure>
    int Largest(Measure&& measure)
    {
        int largest = 0;
        for (size_t line = 0; line < m_widths.size(); ++line) {
            int32_t& width = m_widths[line];
            if (width < 0)
                width = measure(static_cast<int>(line));
            if (width > largest)
                largest = width;
        }
        return largest;
    }

    // The largest width from line to the end, measuring the unknown ones.
    template <typename Measure>
    int LargestFrom(int line, Measure&& measure)
    {
        int largest = 0;
        for (size_t l = static_cast<size_t>(std::max(line, 0)); l < m_widths.size(); ++l)
            largest = std::max(largest, Width(static_cast<int>(l), measure));
        return largest;
    }
    // The largest width from line to the end as measured so far; INT_MAX when one is unknown.
    int KnownLargestFrom(int line) const
    {
        int largest = 0;
        for (size_t l = static_cast<size_t>(std::max(line, 0)); l < m_widths.size(); ++l) {
            if (m_widths[l] < 0)
                return INT_MAX;
            largest = std::max(largest, static_cast<int>(m_widths[l]));
        }
        return largest;
    }
    // The width measured last, or -1 when unknown.
    int Known(int line) const { return m_widths[static_cast<size_t>(line)]; }
    void Forget(int line) { m_widths[static_cast<size_t>(line)] = -1; }
    void ForgetFrom(int line);
    void Resize(int lineCount, int line);

    size_t Bytes() const { return m_widths.capacity() * sizeof(int32_t); }

private:
    std::vector<int32_t> m_widths;
    bool m_allocated = false;
};
