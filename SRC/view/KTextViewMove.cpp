// Caret movement and keyboard selection of the text view, Copy and Select All, the clipboard.
#include "view/KTextView.h"

#include "res/CommandIds.h"
#include "text/KTextBuffer.h"
#include "text/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <algorithm>

void CKTextView::SetSelection(TextPoint start, TextPoint end)
{
    if (start == m_selStart && end == m_selEnd)
        return;
    if (start == m_selStart) {
        RepaintLines(std::min(end.y, m_selEnd.y), std::max(end.y, m_selEnd.y));
    } else {
        const TextRange now = Ordered(start, end);
        const TextRange before = OrderedSelection();
        RepaintLines(now.start.y, now.end.y);
        RepaintLines(before.start.y, before.end.y);
    }
    m_selStart = start;
    m_selEnd = end;
}

void CKTextView::SetCursorPos(TextPoint p)
{
    m_cursor = p;
    m_idealColumn = ColumnOfChar(p.y, p.x);
    PlaceCaret();
}

void CKTextView::FinishMove(bool extend, bool keepIdealColumn)
{
    if (!keepIdealColumn)
        m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    RevealPosition(m_cursor);
    PlaceCaret();
    if (!extend)
        m_anchor = m_cursor;
    SetSelection(m_anchor, m_cursor);
}

void CKTextView::MoveCharLeft(bool extend)
{
    if (HasSelection() && !extend) {
        m_cursor = OrderedSelection().start;
    } else if (m_cursor.x == 0) {
        if (m_cursor.y > 0)
            m_cursor = {LineLength(m_cursor.y - 1), m_cursor.y - 1};
    } else {
        --m_cursor.x;
        if (m_buffer && m_cursor.x > 0 && m_buffer->IsLeadByte(m_cursor.y, m_cursor.x))
            --m_cursor.x;
    }
    FinishMove(extend);
}

void CKTextView::MoveCharRight(bool extend)
{
    if (HasSelection() && !extend) {
        m_cursor = OrderedSelection().end;
    } else if (m_cursor.x >= LineLength(m_cursor.y)) {
        if (m_cursor.y < LineCount() - 1)
            m_cursor = {0, m_cursor.y + 1};
    } else {
        ++m_cursor.x;
        if (m_buffer && m_cursor.x < LineLength(m_cursor.y)
            && m_buffer->IsLeadByte(m_cursor.y, m_cursor.x))
            ++m_cursor.x;
    }
    FinishMove(extend);
}

void CKTextView::MoveWordLeft(bool extend)
{
    if (HasSelection() && !extend) {
        MoveCharLeft(extend);
        return;
    }
    const std::optional<TextPoint> target = WordLeftOf(CaretText(), m_cursor);
    if (!target)
        return;
    m_cursor = *target;
    FinishMove(extend);
}

void CKTextView::MoveWordRight(bool extend)
{
    if (HasSelection() && !extend) {
        MoveCharRight(extend);
        return;
    }
    const WordRightMove move = WordRightOf(CaretText(), m_cursor);
    if (!move.target)
        return;
    m_cursor = *move.target;
    if (move.emptyLineStep) {
        MoveCharRight(extend);
        return;
    }
    FinishMove(extend);
}

void CKTextView::MoveLineUp(bool extend)
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

void CKTextView::MoveLineDown(bool extend)
{
    if (HasSelection() && !extend)
        m_cursor = OrderedSelection().end;
    if (m_cursor.y < LineCount() - 1) {
        if (m_idealColumn < 0)
            m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
        ++m_cursor.y;
        m_cursor.x = std::min(CharOfColumn(m_cursor.y, m_idealColumn), LineLength(m_cursor.y));
    }
    FinishMove(extend, true);
}

void CKTextView::MovePageUp(bool extend)
{
    const int screen = ScreenLines();
    const int top = std::max(m_topLine - screen + 1, 0);
    if (top != m_topLine) {
        ScrollTopTo(top, false);
        SyncSiblings(true);
    }
    m_cursor.y = std::max(m_cursor.y + 1 - screen, 0);
    m_cursor.x = std::min(m_cursor.x, LineLength(m_cursor.y));
    FinishMove(extend);
}

void CKTextView::MovePageDown(bool extend)
{
    const int screen = ScreenLines();
    const int last = LineCount() - 1;
    const int top = std::min(m_topLine + screen - 1, last);
    if (top != m_topLine) {
        ScrollTopTo(top, false);
        SyncSiblings(true);
    }
    m_cursor.y = std::min(m_cursor.y + screen - 1, last);
    m_cursor.x = std::min(m_cursor.x, LineLength(m_cursor.y));
    FinishMove(extend);
}

void CKTextView::ScrollOneLine(int direction)
{
    if ((direction < 0 && m_topLine <= 0) || (direction > 0 && m_topLine >= LineCount() - 1))
        return;
    ScrollTopTo(m_topLine + direction, false);
    SyncSiblings(true);
}

void CKTextView::MoveHome(bool extend)
{
    m_cursor.x = HomeTarget(Line(m_cursor.y), m_cursor.x);
    FinishMove(extend);
}

void CKTextView::MoveLineEnd(bool extend)
{
    m_cursor.x = LineLength(m_cursor.y);
    FinishMove(extend);
}

void CKTextView::MoveTextBegin(bool extend)
{
    m_cursor = {0, 0};
    FinishMove(extend);
}

void CKTextView::MoveTextEnd(bool extend)
{
    m_cursor = LastLineEnd();
    FinishMove(extend);
}

bool CKTextView::RunMoveCommand(int id)
{
    if (id < ID_EDIT_CHAR_LEFT || id > ID_EDIT_EXT_TEXT_END)
        return false;
    if (id == ID_EDIT_SCROLL_UP || id == ID_EDIT_SCROLL_DOWN) {
        ScrollOneLine(id == ID_EDIT_SCROLL_UP ? -1 : 1);
        return true;
    }
    const bool extend = (id - ID_EDIT_CHAR_LEFT) % 2 == 1;
    switch (id - (extend ? 1 : 0)) {
    case ID_EDIT_CHAR_LEFT: MoveCharLeft(extend); break;
    case ID_EDIT_CHAR_RIGHT: MoveCharRight(extend); break;
    case ID_EDIT_WORD_LEFT: MoveWordLeft(extend); break;
    case ID_EDIT_WORD_RIGHT: MoveWordRight(extend); break;
    case ID_EDIT_LINE_UP: MoveLineUp(extend); break;
    case ID_EDIT_LINE_DOWN: MoveLineDown(extend); break;
    case ID_EDIT_PAGE_UP: MovePageUp(extend); break;
    case ID_EDIT_PAGE_DOWN: MovePageDown(extend); break;
    case ID_EDIT_LINE_END: MoveLineEnd(extend); break;
    case ID_EDIT_HOME: MoveHome(extend); break;
    case ID_EDIT_TEXT_BEGIN: MoveTextBegin(extend); break;
    case ID_EDIT_TEXT_END: MoveTextEnd(extend); break;
    }
    return true;
}

TextPoint CKTextView::LastLineEnd() const
{
    const int last = LineCount() - 1;
    return {LineLength(last), last};
}

void CKTextView::Copy()
{
    if (!HasSelection())
        return;
    const TextRange sel = OrderedSelection();
    std::string text;
    CopyText(sel.start, sel.end, text);
    PutToClipboard(text);
}

void CKTextView::SelectAll()
{
    m_cursor = LastLineEnd();
    m_selStart = {0, 0};
    m_selEnd = m_cursor;
    PlaceCaret();
    viewport()->update();
}

bool CKTextView::PutToClipboard(const std::string& text)
{
    if (text.empty())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString unicode = FromWindows1251(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(unicode);
    const bool accepted = clipboard->text() == unicode;
    QGuiApplication::restoreOverrideCursor();
    return accepted;
}

bool CKTextView::GetFromClipboard(std::string& text) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return false;
    text = ToWindows1251(data->text());
    return true;
}

bool CKTextView::ClipboardHasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}
