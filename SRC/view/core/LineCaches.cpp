// Allocation and invalidation of the view's per-line caches.
#include "view/core/LineCaches.h"

#include <algorithm>

void CParseStateCache::Allocate(int lineCount)
{
    m_states.assign(static_cast<size_t>(std::max(lineCount, 0)), kUnknown);
    m_knownEnd = 0;
    m_allocated = true;
}

void CParseStateCache::Drop()
{
    std::vector<uint32_t>().swap(m_states);
    m_knownEnd = 0;
    m_allocated = false;
}

void CParseStateCache::Store(int line, uint32_t state)
{
    m_states[static_cast<size_t>(line)] = state;
    if (line + 1 > m_knownEnd)
        m_knownEnd = line + 1;
}

void CParseStateCache::ForgetFrom(int line)
{
    line = std::max(line, 0);
    const int end = std::min(m_knownEnd, Count());
    if (line < end)
        std::fill(m_states.begin() + line, m_states.begin() + end, kUnknown);
    m_knownEnd = std::min(m_knownEnd, line);
}

void CParseStateCache::Resize(int lineCount, int line)
{
    ForgetFrom(line);
    m_states.resize(static_cast<size_t>(std::max(lineCount, 0)), kUnknown);
    m_knownEnd = std::min(m_knownEnd, Count());
}

void CLineWidthCache::Allocate(int lineCount)
{
    m_widths.assign(static_cast<size_t>(std::max(lineCount, 0)), -1);
    m_denseCounts.clear();
    m_denseTop = 0;
    m_wideCounts.clear();
    m_unknownFrom = 0;
    m_unknownTo = Count();
    m_allocated = true;
}

void CLineWidthCache::Drop()
{
    std::vector<int32_t>().swap(m_widths);
    std::vector<int>().swap(m_denseCounts);
    m_denseTop = 0;
    m_wideCounts.clear();
    m_unknownFrom = m_unknownTo = 0;
    m_allocated = false;
}

void CLineWidthCache::Tally(int width, int lines)
{
    if (width < kDenseWidths) {
        if (static_cast<size_t>(width) >= m_denseCounts.size())
            m_denseCounts.resize(static_cast<size_t>(width) + 1, 0);
        m_denseCounts[static_cast<size_t>(width)] += lines;
        m_denseTop = std::max(m_denseTop, width);
        return;
    }
    const auto it = m_wideCounts.try_emplace(width, 0).first;
    it->second += lines;
    if (it->second == 0)
        m_wideCounts.erase(it);
}

int CLineWidthCache::Widest()
{
    if (!m_wideCounts.empty())
        return m_wideCounts.rbegin()->first;
    // The top only comes down as far as the widest line that is left.
    while (m_denseTop > 0 && m_denseCounts[static_cast<size_t>(m_denseTop)] == 0)
        --m_denseTop;
    return m_denseTop;
}

void CLineWidthCache::Replace(int line, int removed, int inserted)
{
    const auto at = m_widths.begin() + line;
    for (auto it = at; it != at + removed; ++it)
        if (*it >= 0)
            Tally(*it, -1);
    // The entries that stay are overwritten in place; only a change of the line count moves
    // those after them.
    const int kept = std::min(removed, inserted);
    std::fill(at, at + kept, -1);
    if (removed > kept)
        m_widths.erase(at + kept, at + removed);
    else if (inserted > kept)
        m_widths.insert(at + kept, static_cast<size_t>(inserted - kept), -1);

    // The unknown range moves with the lines after the change and takes in the new lines.
    const int shift = inserted - removed;
    if (m_unknownFrom >= m_unknownTo) {
        m_unknownFrom = line;
        m_unknownTo = line + inserted;
        return;
    }
    if (m_unknownFrom >= line + removed)
        m_unknownFrom += shift;
    if (m_unknownTo > line)
        m_unknownTo = std::max(m_unknownTo + shift, line);
    m_unknownFrom = std::min(m_unknownFrom, line);
    m_unknownTo = std::max(m_unknownTo, line + inserted);
}
