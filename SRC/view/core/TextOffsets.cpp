// Line start offsets filled lazily and forgotten from the first changed line on.
#include "view/core/TextOffsets.h"

#include <algorithm>

void CTextOffsets::FillTo(int line, int64_t offset)
{
    const int count = m_text.LineCount();
    line = std::min(line, count - 1);
    if (m_starts.empty())
        m_starts.push_back(0);
    while (static_cast<int>(m_starts.size()) <= line
           || (static_cast<int>(m_starts.size()) < count && m_starts.back() <= offset)) {
        const int last = static_cast<int>(m_starts.size()) - 1;
        const int64_t next = m_starts.back() + LineLength(last) + 1;
        if (static_cast<int>(m_starts.size()) > line && next > offset)
            break;
        m_starts.push_back(next);
    }
}

int64_t CTextOffsets::LineStart(int line)
{
    if (line <= 0)
        return 0;
    if (line >= m_text.LineCount())
        return Length();
    FillTo(line, -1);
    return m_starts[static_cast<size_t>(line)];
}

int64_t CTextOffsets::Length()
{
    const int last = m_text.LineCount() - 1;
    return LineStart(last) + LineLength(last);
}

TextPoint CTextOffsets::PointAt(int64_t offset)
{
    offset = std::max<int64_t>(offset, 0);
    FillTo(0, offset);
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    const int line = static_cast<int>(after - m_starts.begin()) - 1;
    const int64_t column =
        std::min<int64_t>(offset - m_starts[static_cast<size_t>(line)], LineLength(line));
    return {static_cast<int32_t>(column), line};
}

void CTextOffsets::ForgetAfter(int line)
{
    if (line < 0)
        m_starts.clear();
    else if (static_cast<int>(m_starts.size()) > line + 1)
        m_starts.resize(static_cast<size_t>(line) + 1);
}
