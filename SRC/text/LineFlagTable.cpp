// Lookup and upkeep of the line flag entries.
#include "text/LineFlagTable.h"

#include <algorithm>

namespace {
bool LineBefore(const std::pair<int, uint32_t>& entry, int line) { return entry.first < line; }
} // namespace

std::vector<CLineFlagTable::Entry>::iterator CLineFlagTable::LowerBound(int line)
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), line, LineBefore);
}

std::vector<CLineFlagTable::Entry>::const_iterator CLineFlagTable::LowerBound(int line) const
{
    return std::lower_bound(m_entries.begin(), m_entries.end(), line, LineBefore);
}

uint32_t CLineFlagTable::At(int line) const
{
    const auto it = LowerBound(line);
    return it != m_entries.end() && it->first == line ? it->second : 0;
}

void CLineFlagTable::Set(int line, uint32_t flags)
{
    const auto it = LowerBound(line);
    const bool present = it != m_entries.end() && it->first == line;
    if (flags == 0) {
        if (present)
            m_entries.erase(it);
    } else if (present) {
        it->second = flags;
    } else {
        m_entries.insert(it, {line, flags});
    }
}

int CLineFlagTable::NextWith(uint32_t flag, int from) const
{
    for (auto it = LowerBound(from); it != m_entries.end(); ++it)
        if (it->second & flag)
            return it->first;
    return -1;
}

int CLineFlagTable::PrevWith(uint32_t flag, int from) const
{
    for (auto it = LowerBound(from + 1); it != m_entries.begin();) {
        --it;
        if (it->second & flag)
            return it->first;
    }
    return -1;
}

void CLineFlagTable::LinesInserted(int after, int count)
{
    for (auto it = LowerBound(after + 1); it != m_entries.end(); ++it)
        it->first += count;
}

void CLineFlagTable::LinesRemoved(int first, int count)
{
    const auto begin = LowerBound(first);
    const auto end = LowerBound(first + count);
    for (auto it = end; it != m_entries.end(); ++it)
        it->first -= count;
    m_entries.erase(begin, end);
}
