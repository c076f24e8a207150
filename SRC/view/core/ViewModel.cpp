// Caret movement, keyboard and mouse selection and scrolling targets of a text view, and
// carrying its positions across changes of the text.
#include "view/core/ViewModel.h"

#include "view/core/TextLayout.h"

#include <algorithm>

void CTextViewModel::Reset()
{
    m_topLine = 0;
    m_offsetChar = 0;
    m_idealColumn = -1;
    m_anchor = m_cursor = m_selStart = m_selEnd = TextPoint{};
    m_wordMode = m_lineMode = false;
    m_draggingText = false;
}

// ---- State ------------------------------------------------------------------------------

void CTextViewModel::SetCursor(TextPoint p)
{
    m_cursor = p;
    m_idealColumn = ColumnOfChar(p.y, p.x);
    m_host.CaretMoved();
}

void CTextViewModel::SetSelection(TextPoint start, TextPoint end)
{
    if (start == m_selStart && end == m_selEnd)
        return;
    const TextRange before{m_selStart, m_selEnd};
    m_selStart = start;
    m_selEnd = end;
    m_host.SelectionChanged(before, {start, end});
}

// ---- Columns ----------------------------------------------------------------------------

int CTextViewModel::ColumnOfChar(int line, int index) const
{
    return text_layout::ColumnOfChar(m_host.Line(line), index,
                                     text_layout::EffectiveTabSize(m_host.TabSize()));
}

int CTextViewModel::CharOfColumn(int line, int column) const
{
    return text_layout::CharOfColumn(m_host.Line(line), column,
                                     text_layout::EffectiveTabSize(m_host.TabSize()));
}

int CTextViewModel::CharAtColumn(int line, int column) const
{
    return text_layout::CharAtColumn(m_host.Line(line), column,
                                     text_layout::EffectiveTabSize(m_host.TabSize()));
}

TextPoint CTextViewModel::LastLineEnd() const
{
    const int last = m_host.LineCount() - 1;
    return {LineLength(last), last};
}

TextPoint CTextViewModel::LineAfter(int line) const
{
    return line + 1 < m_host.LineCount() ? TextPoint{0, line + 1} : LastLineEnd();
}

// ---- Scrolling --------------------------------------------------------------------------

void CTextViewModel::ScrollVertically(int top, bool immediate)
{
    top = std::clamp(top, 0, m_host.LineCount() - 1);
    if (top != m_topLine)
        m_host.ScrollToLine(top, immediate);
}

void CTextViewModel::ScrollHorizontally(int offset)
{
    offset = std::max(std::min(offset, m_host.LargestLineWidth() - 1), 0);
    if (offset != m_offsetChar)
        m_host.ScrollToColumn(offset);
}

void CTextViewModel::RevealPosition(TextPoint p)
{
    const int screen = m_host.ScreenLines();
    int top = m_topLine;
    if (p.y >= top + screen)
        top = p.y - screen + 1;
    if (p.y < top)
        top = p.y;
    ScrollVertically(top, false);

    const int column = ColumnOfChar(p.y, p.x);
    const int chars = m_host.ScreenChars();
    int offset = m_offsetChar;
    if (column > offset + chars - 5)
        offset = column - chars + 5;
    if (column < offset)
        offset = column;
    ScrollHorizontally(offset);
    m_host.CaretMoved();
}

void CTextViewModel::RevealWithContext(TextPoint p)
{
    constexpr int kContextLines = 3;
    const int screen = m_host.ScreenLines();
    const int context = std::clamp((screen - 1) / 2, 0, kContextLines);
    int top = m_topLine;
    if (p.y > top + screen - 1 - context) // no screen past the end of the text for it
        top = std::min(p.y - screen + 1 + context, std::max(m_host.LineCount() - screen, 0));
    if (p.y < top + context)
        top = p.y - context;
    ScrollVertically(top, false);
    RevealPosition(p);
}

void CTextViewModel::ScrollOneLine(int direction)
{
    if ((direction < 0 && m_topLine <= 0) || (direction > 0 && m_topLine >= m_host.LineCount() - 1))
        return;
    m_host.ScrollToLine(m_topLine + direction, false);
}

// ---- Commands ---------------------------------------------------------------------------

void CTextViewModel::FinishMove(bool extend, bool keepIdealColumn)
{
    if (!keepIdealColumn)
        m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    RevealPosition(m_cursor);
    if (!extend)
        m_anchor = m_cursor;
    SetSelection(m_anchor, m_cursor);
}

void CTextViewModel::MoveCharLeft(bool extend)
{
    if (HasSelection() && !extend) {
        m_cursor = OrderedSelection().start;
    } else if (m_cursor.x == 0) {
        if (m_cursor.y > 0)
            m_cursor = {LineLength(m_cursor.y - 1), m_cursor.y - 1};
    } else {
        --m_cursor.x;
    }
    FinishMove(extend);
}

void CTextViewModel::MoveCharRight(bool extend)
{
    if (HasSelection() && !extend) {
        m_cursor = OrderedSelection().end;
    } else if (m_cursor.x >= LineLength(m_cursor.y)) {
        if (m_cursor.y < m_host.LineCount() - 1)
            m_cursor = {0, m_cursor.y + 1};
    } else {
        ++m_cursor.x;
    }
    FinishMove(extend);
}

void CTextViewModel::MoveWordLeft(bool extend)
{
    if (HasSelection() && !extend) {
        MoveCharLeft(extend);
        return;
    }
    const std::optional<TextPoint> target = WordLeftOf(Text(), m_cursor);
    if (!target)
        return;
    m_cursor = *target;
    FinishMove(extend);
}

void CTextViewModel::MoveWordRight(bool extend)
{
    if (HasSelection() && !extend) {
        MoveCharRight(extend);
        return;
    }
    const WordRightMove move = WordRightOf(Text(), m_cursor);
    if (!move.target)
        return;
    m_cursor = *move.target;
    if (move.emptyLineStep) {
        MoveCharRight(extend);
        return;
    }
    FinishMove(extend);
}

void CTextViewModel::MoveLineUp(bool extend)
{
    if (HasSelection() && !extend)
        m_cursor = OrderedSelection().start;
    if (m_cursor.y > 0) {
        if (m_idealColumn < 0)
            m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
        --m_cursor.y;
        m_cursor.x = std::min(CharOfColumn(m_cursor.y, m_idealColumn), LineLength(m_cursor.y));
    }
    FinishMove(extend, true);
}

void CTextViewModel::MoveLineDown(bool extend)
{
    if (HasSelection() && !extend)
        m_cursor = OrderedSelection().end;
    if (m_cursor.y < m_host.LineCount() - 1) {
        if (m_idealColumn < 0)
            m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
        ++m_cursor.y;
        m_cursor.x = std::min(CharOfColumn(m_cursor.y, m_idealColumn), LineLength(m_cursor.y));
    }
    FinishMove(extend, true);
}

void CTextViewModel::MovePageUp(bool extend)
{
    const int screen = m_host.ScreenLines();
    const int top = std::max(m_topLine - screen + 1, 0);
    if (top != m_topLine)
        m_host.ScrollToLine(top, false);
    m_cursor.y = std::max(m_cursor.y + 1 - screen, 0);
    m_cursor.x = std::min(m_cursor.x, LineLength(m_cursor.y));
    FinishMove(extend);
}

void CTextViewModel::MovePageDown(bool extend)
{
    const int screen = m_host.ScreenLines();
    const int last = m_host.LineCount() - 1;
    const int top = std::min(m_topLine + screen - 1, last);
    if (top != m_topLine)
        m_host.ScrollToLine(top, false);
    m_cursor.y = std::min(m_cursor.y + screen - 1, last);
    m_cursor.x = std::min(m_cursor.x, LineLength(m_cursor.y));
    FinishMove(extend);
}

void CTextViewModel::MoveHome(bool extend)
{
    m_cursor.x = HomeTarget(m_host.Line(m_cursor.y), m_cursor.x);
    FinishMove(extend);
}

void CTextViewModel::MoveLineEnd(bool extend)
{
    m_cursor.x = LineLength(m_cursor.y);
    FinishMove(extend);
}

void CTextViewModel::MoveTextBegin(bool extend)
{
    m_cursor = {0, 0};
    FinishMove(extend);
}

void CTextViewModel::MoveTextEnd(bool extend)
{
    m_cursor = LastLineEnd();
    FinishMove(extend);
}

void CTextViewModel::SelectAll()
{
    m_cursor = LastLineEnd();
    SetSelection({0, 0}, m_cursor);
    m_host.CaretMoved();
}

// ---- Mouse ------------------------------------------------------------------------------

void CTextViewModel::SelectWordsBetween(TextPoint anchor, TextPoint cursor)
{
    TextPoint start, end;
    if (IsBefore(cursor, anchor)) {
        start = {WordStartAt(m_host.Line(cursor.y), cursor.x), cursor.y};
        end = {WordEndAt(m_host.Line(anchor.y), anchor.x), anchor.y};
    } else {
        start = {WordStartAt(m_host.Line(anchor.y), anchor.x), anchor.y};
        end = {WordEndAt(m_host.Line(cursor.y), cursor.x), cursor.y};
    }
    SetSelection(start, end);
    m_cursor = end;
}

void CTextViewModel::StartCharSelection(TextPoint p, bool keepAnchor, bool words)
{
    m_cursor = p;
    m_idealColumn = ColumnOfChar(p.y, p.x);
    if (!keepAnchor)
        m_anchor = m_cursor;
    RevealPosition(m_cursor);
    if (words)
        SelectWordsBetween(m_anchor, m_cursor);
    else
        SetSelection(m_anchor, m_cursor);
    m_host.CaretMoved();
    m_wordMode = words;
    m_lineMode = false;
}

void CTextViewModel::StartLineSelection(int line, bool keepAnchor)
{
    m_cursor = {0, line};
    m_idealColumn = 0;
    if (!keepAnchor)
        m_anchor = {0, line};
    SetSelection(LineAfter(m_anchor.y), {0, m_cursor.y});
    RevealPosition(m_cursor);
    m_lineMode = true;
    m_wordMode = false;
}

void CTextViewModel::TrackSelection(TextPoint p, bool inMargin, bool finalMove)
{
    if (m_lineMode && (inMargin || finalMove)) {
        if (p.y < m_anchor.y)
            SetSelection(LineAfter(m_anchor.y), {0, p.y});
        else
            SetSelection({0, m_anchor.y}, LineAfter(p.y));
        m_cursor = {0, p.y};
        m_host.CaretMoved();
        return;
    }
    // Moving into the text leaves line mode for character selection.
    if (m_lineMode)
        m_lineMode = m_wordMode = false;
    m_cursor = p;
    if (m_wordMode)
        SelectWordsBetween(m_anchor, p);
    else
        SetSelection(m_anchor, p);
    m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    m_host.CaretMoved();
}

void CTextViewModel::ExtendTo(TextPoint p)
{
    if (p == m_cursor)
        return;
    m_cursor = p;
    SetSelection(m_anchor, m_cursor);
    m_host.CaretMoved();
}

void CTextViewModel::SelectWordAt(TextPoint p)
{
    m_cursor = m_anchor = p;
    const std::string_view line = m_host.Line(p.y);
    SetSelection({WordStartAt(line, p.x), p.y}, {WordEndAt(line, p.x), p.y});
    m_cursor = m_selEnd;
    m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    RevealPosition(m_cursor);
}

void CTextViewModel::PlaceAt(TextPoint p)
{
    m_cursor = m_anchor = p;
    m_idealColumn = ColumnOfChar(p.y, p.x);
    SetSelection(p, p);
    m_host.CaretMoved();
}

void CTextViewModel::StartTextDrag(TextRange range)
{
    m_dragStart = range.start;
    m_dragEnd = range.end;
    m_draggingText = true;
}

// ---- Changes of the text ----------------------------------------------------------------

bool CTextViewModel::Carry(const UpdateContext& ctx)
{
    for (TextPoint* p : {&m_cursor, &m_selStart, &m_selEnd, &m_anchor})
        ctx.AdjustPosition(*p);
    if (m_draggingText) {
        ctx.AdjustPosition(m_dragStart);
        ctx.AdjustPosition(m_dragEnd);
    }
    const int oldTop = m_topLine;
    TextPoint top{0, m_topLine};
    ctx.AdjustPosition(top);
    m_topLine = std::clamp(top.y, 0, m_host.LineCount() - 1);
    return m_topLine != oldTop;
}
