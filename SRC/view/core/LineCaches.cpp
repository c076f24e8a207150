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
    m_allocated = true;
}

void CLineWidthCache::Drop()
{
    std::vector<int32_t>().swap(m_widths);
    m_allocated = false;
}

void CLineWidthCache::ForgetFrom(int line)
{
    line = std::clamp(line, 0, Count());
    std::fill(m_widths.begin() + line, m_widths.end(), -1);
}

void CLineWidthCache::Resize(int lineCount, int line)
{
    m_widths.resize(static_cast<size_t>(std::max(lineCount, 0)), -1);
    ForgetFrom(line);
}
