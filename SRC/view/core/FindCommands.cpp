// Find, Find Next and Previous, incremental search and Go to line over a view's positions.
#include "view/core/FindCommands.h"

#include "res/Strings.h"
#include "text/KTextBuffer.h"

#include <algorithm>

std::string FindInitialText(const CKTextBuffer& text, const FindCaret& view,
                            std::string_view remembered)
{
    const TextRange& s = view.selection;
    if (text.LineCount() == 0 || view.cursor.y >= text.LineCount())
        return std::string(remembered);
    if (s.start == s.end) {
        const std::string_view line = text.Line(view.cursor.y);
        const int x = std::min(view.cursor.x, static_cast<int>(line.size()));
        const int start = WordStartAt(line, x);
        const int end = WordEndAt(line, x);
        if (start < end)
            return std::string(line.substr(start, end - start));
    } else if (s.start.y == s.end.y) {
        return std::string(text.Line(s.start.y).substr(s.start.x, s.end.x - s.start.x));
    }
    return std::string(remembered);
}

FindOptions CFindMemory::Opening(const FindOptions& stored, const CKTextBuffer& text,
                                 const FindCaret& view) const
{
    FindOptions options = m_searchedBefore ? m_last : stored;
    options.text = FindInitialText(text, view, options.text);
    return options;
}

void CFindMemory::Closed(const FindOptions& fields)
{
    m_searchedBefore = true;
    m_last = fields;
}

FindCaret MatchSelection(const CTextSearch& search, TextPoint found)
{
    return {search.MatchEnd(), {found, search.MatchEnd()}};
}

std::optional<FindCaret> FindAgain(const CKTextBuffer& text, CTextSearch& search,
                                   const FindCaret& view, std::string_view pattern, uint32_t flags,
                                   bool invert)
{
    if (invert)
        flags ^= FIND_UP;
    TextPoint start = view.cursor;
    if ((flags & FIND_UP) && !(view.selection.start == view.selection.end))
        start = view.selection.start;
    TextPoint found;
    if (!search.SearchText(text, pattern, start, flags, true, found))
        return std::nullopt;
    return MatchSelection(search, found);
}

std::optional<TextPoint> GotoLineTarget(const CKTextBuffer& text, long long number)
{
    const int count = text.LineCount();
    if (number < 1 || count == 0)
        return std::nullopt;
    if (number > count)
        return TextPoint{text.LineLength(count - 1), count - 1};
    return TextPoint{0, static_cast<int>(number - 1)};
}

bool CIncrementalSearch::CanStart(const CKTextBuffer& text, TextPoint cursor, bool forward)
{
    const int count = text.LineCount();
    if (count == 0)
        return false;
    if (forward)
        return !(cursor.y == count - 1 && cursor.x >= text.LineLength(count - 1));
    return !(cursor == TextPoint{0, 0});
}

CIncrementalSearch::Step CIncrementalSearch::Search(const CKTextBuffer& text, CTextSearch& search,
                                                    const FindCaret& view, bool advance)
{
    if (m_text.empty())
        return {FindCaret::At(m_start)};
    if (advance)
        m_start = m_forward ? view.selection.end : view.selection.start;
    TextPoint found;
    if (!search.SearchText(text, m_text, m_start, m_forward ? 0 : FIND_UP, true, found)) {
        m_found = false;
        return {std::nullopt, true};
    }
    m_found = true;
    return {MatchSelection(search, found)};
}

CIncrementalSearch::Step CIncrementalSearch::Start(const CKTextBuffer& text, CTextSearch& search,
                                                   const FindCaret& view, bool forward)
{
    bool advance = false;
    if (!m_running) {
        if (!m_text.empty())
            m_previousText = m_text;
        m_text.clear();
        m_saved = view;
        m_start = view.cursor;
        m_running = true;
    } else if (forward == m_forward) {
        if (m_text.empty())
            m_text = m_previousText;
        else
            advance = true;
    }
    m_forward = forward;
    m_found = true;
    return Search(text, search, view, advance);
}

CIncrementalSearch::Step CIncrementalSearch::Type(const CKTextBuffer& text, CTextSearch& search,
                                                  const FindCaret& view, uint8_t c)
{
    if (!m_running)
        return {};
    if (c == 27) {
        m_running = false;
        return {m_saved};
    }
    if (c < 32 && c != '\t') {
        m_running = false; // Enter and the other control characters
        return {};
    }
    if (!m_found)
        return {std::nullopt, true};
    m_text += static_cast<char>(c);
    return Search(text, search, view, false);
}

CIncrementalSearch::Step CIncrementalSearch::Backspace(const CKTextBuffer& text,
                                                       CTextSearch& search, const FindCaret& view)
{
    if (!m_running || m_text.empty())
        return {};
    m_text.pop_back();
    return Search(text, search, view, false);
}

std::string CIncrementalSearch::StatusText() const
{
    if (!m_running)
        return {};
    const StringId id = !m_found    ? IDS_ISEARCH_FAILED
                        : m_forward ? IDS_ISEARCH_FORWARD
                                    : IDS_ISEARCH_BACKWARD;
    std::string prompt(ResString(id));
    const size_t at = prompt.find("%1");
    if (at != std::string::npos)
        prompt.replace(at, 2, m_text);
    return prompt;
}
