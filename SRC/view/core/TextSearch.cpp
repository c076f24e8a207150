// Text search over a buffer: plain or regular-expression, forward or backward, wrap, ranges.
#include "view/core/TextSearch.h"

#include "text/Cp1251.h"
#include "view/core/CaretMoves.h"

#include <algorithm>
#include <cstring>

bool IsFindWordByte(uint8_t b) { return cp1251::IsAlnum(b); }

namespace {

int LineLength(const CKTextBuffer& text, int y) { return text.LineLength(y); }

TextPoint Clamped(const CKTextBuffer& text, TextPoint p)
{
    const int last = text.LineCount() - 1;
    if (p.y < 0)
        return {0, 0};
    if (p.y > last)
        return {LineLength(text, last), last};
    return {std::clamp(p.x, 0, LineLength(text, p.y)), p.y};
}

} // namespace

int RegexSubjectExtraLines(std::string_view pattern)
{
    int count = 0;
    for (size_t i = 0; i + 1 < pattern.size(); ++i)
        if (pattern[i] == '\\' && pattern[i + 1] == 'n')
            ++count;
    return count;
}

bool CTextSearch::Prepare(std::string_view pattern, uint32_t flags)
{
    flags &= FIND_MATCH_CASE | FIND_WHOLE_WORD | FIND_REGEXP;
    if (m_prepared && flags == m_flags && pattern == m_pattern)
        return m_flags & FIND_REGEXP ? m_program != nullptr : !m_pattern.empty();

    m_prepared = true;
    m_pattern.assign(pattern);
    m_flags = flags;
    m_program.reset();
    m_joinLines = 0;
    m_folded.clear();
    if (flags & FIND_REGEXP) {
        m_program.reset(RxCompile(pattern));
        m_joinLines = RegexSubjectExtraLines(pattern);
        return m_program != nullptr;
    }
    if (pattern.empty())
        return false;
    if (!(flags & FIND_MATCH_CASE)) {
        // Both sides are compared through the page's upper-case table: the pattern once
        // here, the text byte by byte as it is scanned.
        m_folded.resize(pattern.size());
        for (size_t i = 0; i < pattern.size(); ++i)
            m_folded[i] = static_cast<char>(cp1251::ToUpper(static_cast<uint8_t>(pattern[i])));
        m_first.fill(false);
        m_firstCount = 0;
        for (int b = 0; b < 256; ++b) {
            if (cp1251::ToUpper(static_cast<uint8_t>(b)) != static_cast<uint8_t>(m_folded[0]))
                continue;
            m_first[b] = true;
            if (m_firstCount < 2)
                m_firstBytes[m_firstCount] = static_cast<uint8_t>(b);
            ++m_firstCount;
        }
    }
    return true;
}

bool CTextSearch::IsWholeWord(std::string_view subject, int at) const
{
    const size_t after = at + m_pattern.size();
    if (at > 0 && IsFindWordByte(static_cast<uint8_t>(subject[at - 1])))
        return false;
    return after >= subject.size() || !IsFindWordByte(static_cast<uint8_t>(subject[after]));
}

int CTextSearch::FindPlainFolded(std::string_view subject, int from) const
{
    const size_t n = m_folded.size();
    if (subject.size() < n)
        return -1;
    const auto* s = reinterpret_cast<const uint8_t*>(subject.data());
    const auto* folded = reinterpret_cast<const uint8_t*>(m_folded.data());
    const size_t last = subject.size() - n; // the last offset a match can start at
    const auto& upper = cp1251::Info().upper;
    for (size_t i = from; i <= last; ++i) {
        if (m_firstCount == 1) {
            const void* hit = std::memchr(s + i, m_firstBytes[0], last - i + 1);
            if (!hit)
                return -1;
            i = static_cast<const uint8_t*>(hit) - s;
        } else {
            while (i <= last && !m_first[s[i]])
                ++i;
            if (i > last)
                return -1;
        }
        size_t k = 1;
        while (k < n && upper[s[i + k]] == folded[k])
            ++k;
        if (k == n)
            return static_cast<int>(i);
    }
    return -1;
}

int CTextSearch::FindPlain(std::string_view subject, int from) const
{
    for (;;) {
        int at;
        if (m_flags & FIND_MATCH_CASE) {
            const size_t pos = subject.find(m_pattern, from);
            at = pos == std::string_view::npos ? -1 : static_cast<int>(pos);
        } else {
            at = FindPlainFolded(subject, from);
        }
        if (at < 0 || !(m_flags & FIND_WHOLE_WORD) || IsWholeWord(subject, at))
            return at;
        from = at + 1;
    }
}

std::string_view CTextSearch::Subject(const CKTextBuffer& text, int y)
{
    m_lineStarts.assign(1, 0);
    if (m_joinLines == 0) {
        // An empty line may have no bytes at all, and the engine takes no null subject.
        const std::string_view line = text.Line(y);
        return line.data() ? line : std::string_view("", 0);
    }
    m_joined.assign(text.Line(y));
    const int last = std::min(text.LineCount() - 1, y + m_joinLines);
    for (int line = y + 1; line <= last; ++line) {
        m_joined += '\n';
        m_lineStarts.push_back(static_cast<int>(m_joined.size()));
        m_joined += text.Line(line);
    }
    return m_joined;
}

TextPoint CTextSearch::PointAt(int y, int offset) const
{
    const auto after = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset);
    const int j = static_cast<int>(after - m_lineStarts.begin()) - 1;
    return {offset - m_lineStarts[j], y + j};
}

CTextSearch::Hit CTextSearch::Exec(std::string_view subject, int from)
{
    RxBudget budget;
    if (!RxExec(m_program.get(), subject.data(), static_cast<int>(subject.size()), from, m_match,
                m_flags & FIND_MATCH_CASE, &budget)) {
        if (budget.exhausted)
            m_status = SearchStatus::TooCostly;
        return {};
    }
    return {m_match.start[0], m_match.end[0]};
}

void CTextSearch::Keep(std::string_view subject, const RxMatch& match)
{
    m_matchedText.assign(subject);
    m_match = match;
    m_hasRegexMatch = true;
}

int CTextSearch::MatchInLine(std::string_view subject, std::string_view pattern, uint32_t flags,
                             int& length, int from)
{
    m_status = SearchStatus::NotFound;
    if (!Prepare(pattern, flags)) {
        if (flags & FIND_REGEXP)
            m_status = SearchStatus::InvalidPattern;
        return -1;
    }
    if (!(m_flags & FIND_REGEXP)) {
        const int at = FindPlain(subject, from);
        length = static_cast<int>(m_pattern.size());
        if (at >= 0)
            m_status = SearchStatus::Found;
        return at;
    }
    const Hit hit = Exec(subject, from);
    if (hit.start < 0)
        return -1;
    m_status = SearchStatus::Found;
    length = hit.end - hit.start;
    return hit.start;
}

bool CTextSearch::Forward(const CKTextBuffer& text, TextPoint from, TextPoint end, TextPoint& found)
{
    const bool regex = m_flags & FIND_REGEXP;
    for (int y = from.y; y <= end.y; ++y) {
        const int x = y == from.y ? from.x : 0;
        TextPoint start;
        if (!regex) {
            const std::string_view line = text.Line(y);
            if (x >= static_cast<int>(line.size()))
                continue;
            // Only the searched part of the line counts for whole words: a search that
            // starts inside a word may match at its start.
            const int at = FindPlain(line.substr(x), 0);
            if (at < 0)
                continue;
            start = {x + at, y};
            m_lastMatchLength = static_cast<int>(m_pattern.size());
            m_matchEnd = {start.x + m_lastMatchLength, y};
        } else {
            const std::string_view subject = Subject(text, y);
            const Hit hit = Exec(subject, x);
            if (m_status == SearchStatus::TooCostly)
                return false;
            if (hit.start < 0)
                continue;
            start = PointAt(y, hit.start);
            m_matchEnd = PointAt(y, hit.end);
            m_lastMatchLength = hit.end - hit.start;
            Keep(subject, m_match);
        }
        if (start.y > end.y || (start.y == end.y && start.x >= end.x)) {
            m_hasRegexMatch = false;
            return false; // the match lies past the range
        }
        found = start;
        return true;
    }
    return false;
}

bool CTextSearch::Backward(const CKTextBuffer& text, TextPoint from, bool wholeLine,
                           TextPoint begin, TextPoint& found)
{
    const bool regex = m_flags & FIND_REGEXP;
    RxMatch lastMatch;
    for (int y = from.y; y >= begin.y; --y) {
        const int length = LineLength(text, y);
        // On the caret's line a match must lie wholly before the caret, so that stepping
        // back never selects text that overlaps the current match.
        const bool atCaret = y == from.y && !wholeLine;
        const int limit = atCaret ? from.x : length;
        const std::string_view subject = regex ? Subject(text, y) : text.Line(y);
        int pos = y == begin.y ? begin.x : 0;
        Hit last;
        // The matches are taken one after another as a forward search meets them, each
        // search resuming at the end of the match before: the last one is the answer.
        while (pos <= static_cast<int>(subject.size())) {
            Hit hit;
            if (regex) {
                hit = Exec(subject, pos);
                if (m_status == SearchStatus::TooCostly)
                    return false;
            } else if (const int at = FindPlain(subject, pos); at >= 0) {
                hit = {at, at + static_cast<int>(m_pattern.size())};
            }
            if (hit.start < 0 || hit.start > limit || (atCaret && hit.start == limit))
                break;
            if (atCaret && hit.end > limit) {
                pos = hit.start + 1; // runs past the caret; a later, shorter one may not
                continue;
            }
            last = hit;
            if (regex)
                lastMatch = m_match;
            pos = hit.end > hit.start ? hit.end : hit.start + 1;
        }
        if (last.start < 0)
            continue;
        if (regex)
            Keep(subject, lastMatch);
        // A match that runs over line ends is reported where it starts, on this line.
        found = {last.start, y};
        m_lastMatchLength = last.end - last.start;
        m_matchEnd = regex ? PointAt(y, last.end) : TextPoint{last.end, y};
        return true;
    }
    return false;
}

bool CTextSearch::SearchInRange(const CKTextBuffer& text, std::string_view pattern, TextPoint start,
                                TextPoint begin, TextPoint end, uint32_t flags, bool wrap,
                                TextPoint& found)
{
    m_status = SearchStatus::NotFound;
    m_hasRegexMatch = false;
    m_matchedText.clear();
    m_lastMatchLength = 0;
    if (!Prepare(pattern, flags)) {
        if (flags & FIND_REGEXP)
            m_status = SearchStatus::InvalidPattern;
        return false;
    }
    if (text.LineCount() == 0)
        return false;
    begin = Clamped(text, begin);
    end = Clamped(text, end);
    start = Clamped(text, start);
    if (!IsBefore(begin, end))
        return false;
    if (IsBefore(start, begin))
        start = begin;

    bool hit;
    if (!(flags & FIND_UP)) {
        hit = Forward(text, start, end, found);
        if (!hit && wrap && m_status != SearchStatus::TooCostly)
            hit = Forward(text, begin, end, found);
    } else {
        if (IsBefore(end, start))
            start = end;
        hit = Backward(text, start, false, begin, found);
        // The second pass takes the range's last line whole when the range ends with it.
        if (!hit && wrap && m_status != SearchStatus::TooCostly)
            hit = Backward(text, end, end.x == LineLength(text, end.y), begin, found);
    }
    if (hit)
        m_status = SearchStatus::Found;
    else
        m_hasRegexMatch = false;
    return hit;
}

bool CTextSearch::SearchText(const CKTextBuffer& text, std::string_view pattern, TextPoint start,
                             uint32_t flags, bool wrap, TextPoint& found)
{
    const int last = text.LineCount() - 1;
    const TextPoint end = last < 0 ? TextPoint{} : TextPoint{LineLength(text, last), last};
    return SearchInRange(text, pattern, start, {0, 0}, end, flags, wrap, found);
}
