// Mouse selection of the text view (characters, words, lines), the auto-scroll timer, double
// and right clicks, the pointer shapes, and dragging the selection out as plain text.
#include "view/KTextView.h"

#include "text/QtText.h"
#include "view/MarginArt.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace {

constexpr int kAutoScrollMs = 100;

} // namespace

TextPoint CKTextView::RoundedPosition(QPoint pos)
{
    return PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
}

TextPoint CKTextView::LineAfter(int line) const
{
    return line + 1 < LineCount() ? TextPoint{0, line + 1} : LastLineEnd();
}

void CKTextView::SelectWordsBetween(TextPoint anchor, TextPoint cursor)
{
    TextPoint start, end;
    if (IsBefore(cursor, anchor)) {
        start = {WordStartAt(Line(cursor.y), cursor.x), cursor.y};
        end = {WordEndAt(Line(anchor.y), anchor.x), anchor.y};
    } else {
        start = {WordStartAt(Line(anchor.y), anchor.x), anchor.y};
        end = {WordEndAt(Line(cursor.y), cursor.x), cursor.y};
    }
    SetSelection(start, end);
    m_cursor = end;
}

void CKTextView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->button() == Qt::RightButton) {
        const TextPoint p = RoundedPosition(pos);
        if (!IsInsideSelection(p)) {
            m_cursor = m_anchor = p;
            SetSelection(p, p);
            RevealPosition(p);
            PlaceCaret();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_mousePos = pos;
    if (pos.x() >= MarginWidth()) {
        if (IsInsideSelection(PixelToPosition(pos.x(), pos.y())) && !Settings().dragDropDisabled) {
            m_preparingToDrag = true;
            return;
        }
        m_cursor = RoundedPosition(pos);
        m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
        if (!shift)
            m_anchor = m_cursor;
        PlaceCaret();
        RevealPosition(m_cursor);
        if (ctrl)
            SelectWordsBetween(m_anchor, m_cursor);
        else
            SetSelection(m_anchor, m_cursor);
        PlaceCaret();
        m_wordMode = ctrl;
        m_lineMode = false;
    } else {
        if (ctrl) {
            SelectAll();
            return;
        }
        const int line = PixelToPosition(pos.x(), pos.y()).y;
        m_cursor = {0, line};
        m_idealColumn = 0;
        if (!shift)
            m_anchor = {0, line};
        SetSelection(LineAfter(m_anchor.y), {0, m_cursor.y});
        PlaceCaret();
        RevealPosition(m_cursor);
        m_lineMode = true;
        m_wordMode = false;
    }
    m_dragSelecting = true;
    m_autoScrollTimer.start(kAutoScrollMs, this);
}

void CKTextView::TrackSelection(QPoint pos, bool finalMove)
{
    const TextPoint p = RoundedPosition(pos);
    if (m_lineMode && (pos.x() < MarginWidth() || finalMove)) {
        if (p.y < m_anchor.y)
            SetSelection(LineAfter(m_anchor.y), {0, p.y});
        else
            SetSelection({0, m_anchor.y}, LineAfter(p.y));
        m_cursor = {0, p.y};
        PlaceCaret();
        return;
    }
    if (m_lineMode) {
        viewport()->setCursor(Qt::IBeamCursor);
        m_lineMode = m_wordMode = false;
    }
    m_cursor = p;
    if (m_wordMode)
        SelectWordsBetween(m_anchor, p);
    else
        SetSelection(m_anchor, p);
    m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    PlaceCaret();
}

void CKTextView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragSelecting) {
        m_mousePos = pos;
        TrackSelection(pos, false);
        return;
    }
    if (m_preparingToDrag && (event->buttons() & Qt::LeftButton)) {
        m_preparingToDrag = false;
        StartTextDrag();
        return;
    }
    if (!event->buttons())
        UpdatePointer(pos);
}

void CKTextView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pos = event->position().toPoint();
    if (m_dragSelecting) {
        TrackSelection(pos, true);
        RevealPosition(m_cursor);
        EndDragSelecting();
    }
    if (m_preparingToDrag) {
        m_preparingToDrag = false;
        m_cursor = m_anchor = RoundedPosition(pos);
        m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
        SetSelection(m_cursor, m_cursor);
        PlaceCaret();
    }
}

void CKTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_dragSelecting)
        return;
    const TextPoint p = RoundedPosition(event->position().toPoint());
    m_cursor = m_anchor = p;
    const std::string_view line = Line(p.y);
    const TextPoint start{WordStartAt(line, p.x), p.y};
    const TextPoint end{WordEndAt(line, p.x), p.y};
    SetSelection(start, end);
    m_cursor = end;
    m_idealColumn = ColumnOfChar(m_cursor.y, m_cursor.x);
    RevealPosition(m_cursor);
}

void CKTextView::EndDragSelecting()
{
    m_autoScrollTimer.stop();
    m_dragSelecting = false;
}

void CKTextView::AutoScroll()
{
    if (!m_dragSelecting) {
        m_autoScrollTimer.stop();
        return;
    }
    const QPoint pos = m_mousePos;
    const int height = GetLineHeight();
    const QRect client = viewport()->rect();
    int top = m_topLine;
    if (pos.y() < 0)
        top -= pos.y() < -height ? 3 : 1;
    else if (pos.y() >= client.height())
        top += pos.y() >= client.height() + height ? 3 : 1;
    int offset = m_offsetChar;
    if (pos.x() < 0)
        offset -= 1;
    else if (pos.x() >= client.width())
        offset += 1;
    const int oldTop = m_topLine, oldOffset = m_offsetChar;
    ScrollVertically(top, true);
    ScrollHorizontally(offset);
    if (m_topLine == oldTop && m_offsetChar == oldOffset)
        return;
    const TextPoint p = RoundedPosition(pos);
    if (p == m_cursor)
        return;
    m_cursor = p;
    SetSelection(m_anchor, m_cursor);
    PlaceCaret();
}

void CKTextView::UpdatePointer(QPoint pos)
{
    if (pos.x() < MarginWidth()) {
        viewport()->setCursor(MarginCursor());
    } else if (IsInsideSelection(PixelToPosition(pos.x(), pos.y()))) {
        if (!Settings().dragDropDisabled)
            viewport()->setCursor(Qt::ArrowCursor);
    } else {
        viewport()->setCursor(Qt::IBeamCursor);
    }
}

QMimeData* CKTextView::PrepareDragData()
{
    if (!HasSelection())
        return nullptr;
    const TextRange sel = OrderedSelection();
    std::string text;
    CopyText(sel.start, sel.end, text);
    m_dragStart = sel.start;
    m_dragEnd = sel.end;
    auto* data = new QMimeData;
    data->setText(FromWindows1251(text));
    return data;
}

void CKTextView::StartTextDrag()
{
    QMimeData* data = PrepareDragData();
    if (!data)
        return;
    auto* drag = new QDrag(viewport());
    drag->setMimeData(data);
    m_draggingText = true;
    const Qt::DropAction effect = drag->exec(DragEffects(), Qt::CopyAction);
    m_draggingText = false;
    if (effect != Qt::IgnoreAction)
        AfterDragDrop(effect);
}
