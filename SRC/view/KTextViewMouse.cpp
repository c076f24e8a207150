// Mouse selection of the text view (characters, Ctrl for words, the margin for lines, Ctrl in
// the margin for all), the auto-scroll timer, the pointer shapes, and dragging the selection
// out as text.
#include "view/KTextView.h"

#include "controls/QtText.h"
#include "view/MarginArt.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>

namespace {

constexpr int kAutoScrollMs = 100;

} // namespace

TextPoint CKTextView::RoundedPosition(QPoint pos)
{
    return PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
}

void CKTextView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (event->button() == Qt::RightButton) {
        const TextPoint p = RoundedPosition(pos);
        if (!IsInsideSelection(p)) {
            m_model.PlaceAt(p);
            m_model.RevealPosition(p);
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_mousePos = pos;
    if (pos.x() >= MarginWidth()) {
        if (IsInsideSelection(PixelToPosition(pos.x(), pos.y())) && m_dragDropEnabled) {
            m_preparingToDrag = true;
            return;
        }
        m_model.StartCharSelection(RoundedPosition(pos), shift, ctrl);
    } else if (ctrl) {
        m_model.SelectAll();
        return;
    } else {
        m_model.StartLineSelection(PixelToPosition(pos.x(), pos.y()).y, shift);
    }
    m_dragSelecting = true;
    m_autoScrollTimer.start(kAutoScrollMs, this);
}

void CKTextView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragSelecting) {
        m_mousePos = pos;
        const bool lineMode = m_model.LineMode();
        m_model.TrackSelection(RoundedPosition(pos), pos.x() < MarginWidth(), false);
        if (lineMode && !m_model.LineMode())
            viewport()->setCursor(Qt::IBeamCursor);
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
        m_model.TrackSelection(RoundedPosition(pos), pos.x() < MarginWidth(), true);
        m_model.RevealPosition(CursorPos());
        EndDragSelecting();
    }
    if (m_preparingToDrag) {
        m_preparingToDrag = false;
        m_model.PlaceAt(RoundedPosition(pos));
    }
}

void CKTextView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || m_dragSelecting)
        return;
    m_model.SelectWordAt(RoundedPosition(event->position().toPoint()));
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
    int top = TopLine();
    if (pos.y() < 0)
        top -= pos.y() < -height ? 3 : 1;
    else if (pos.y() >= client.height())
        top += pos.y() >= client.height() + height ? 3 : 1;
    int offset = OffsetChar();
    if (pos.x() < 0)
        offset -= 1;
    else if (pos.x() >= client.width())
        offset += 1;
    const int oldTop = TopLine(), oldOffset = OffsetChar();
    m_model.ScrollVertically(top, true);
    m_model.ScrollHorizontally(offset);
    if (TopLine() != oldTop || OffsetChar() != oldOffset)
        m_model.ExtendTo(RoundedPosition(pos));
}

void CKTextView::UpdatePointer(QPoint pos)
{
    if (pos.x() < MarginWidth()) {
        viewport()->setCursor(MarginCursor());
    } else if (IsInsideSelection(PixelToPosition(pos.x(), pos.y()))) {
        if (m_dragDropEnabled)
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
    m_model.StartTextDrag(sel);
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
    const Qt::DropAction effect = drag->exec(DragEffects(), Qt::CopyAction);
    m_model.EndTextDrag();
    if (effect != Qt::IgnoreAction)
        RunGuarded([&] { AfterDragDrop(effect); });
}
