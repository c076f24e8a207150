// Scrolling of the text view: the scroll bars, their actions, the wheel and the touchpad, and
// the panes of a split window that follow each other.
#include "view/KTextView.h"

#include "view/ViewSiblings.h"
#include "view/core/TextLayout.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kHorzPageColumns = 22;
constexpr int kWheelStep = 120; // angle of one wheel notch, in eighths of a degree

} // namespace

void CKTextView::RecalcVertBar(bool positionOnly)
{
    QScrollBar* bar = verticalScrollBar();
    const int lines = LineCount();
    const int screen = ScreenLines();
    if (!positionOnly && screen >= lines && TopLine() > 0) {
        m_model.SetTopLine(0);
        viewport()->update();
        PlaceCaret();
    }
    m_barUpdate = true;
    if (!positionOnly) {
        bar->setRange(0, std::max(lines - screen, 0));
        bar->setPageStep(screen);
        bar->setSingleStep(1);
    }
    bar->setValue(TopLine());
    m_barUpdate = false;
}

void CKTextView::RecalcHorzBar(bool positionOnly)
{
    QScrollBar* bar = horizontalScrollBar();
    const int largest = LargestLineWidth();
    const int screen = ScreenChars();
    if (!positionOnly && screen >= largest && OffsetChar() > 0) {
        m_model.SetOffsetChar(0);
        viewport()->update();
        PlaceCaret();
    }
    m_barUpdate = true;
    if (!positionOnly) {
        bar->setRange(0, std::max(largest - screen, 0));
        bar->setPageStep(screen);
        bar->setSingleStep(1);
    }
    bar->setValue(OffsetChar());
    m_barUpdate = false;
}

void CKTextView::ScrollTopTo(int newTop, bool immediate, bool updateBar)
{
    if (newTop == TopLine())
        return;
    if (!immediate && m_smoothScroll) {
        const int step = text_layout::SmoothScrollStep(newTop - TopLine());
        while (TopLine() != newTop) {
            m_model.SetTopLine(TopLine() + std::clamp(newTop - TopLine(), -step, step));
            viewport()->repaint();
            if (updateBar)
                RecalcVertBar(true);
        }
    } else {
        m_model.SetTopLine(newTop);
        viewport()->update();
        if (updateBar)
            RecalcVertBar(true);
    }
    PlaceCaret();
}

void CKTextView::ScrollLeftTo(int newOffset, bool, bool updateBar)
{
    if (newOffset == OffsetChar())
        return;
    m_model.SetOffsetChar(newOffset);
    viewport()->update();
    if (updateBar)
        RecalcHorzBar(true);
    PlaceCaret();
}

void CKTextView::ScrollToLine(int top, bool immediate)
{
    ScrollTopTo(top, immediate);
    SyncSiblings(true);
}

void CKTextView::ScrollToColumn(int offset)
{
    ScrollLeftTo(offset, true);
    SyncSiblings(false);
}

void CKTextView::OnVertBarAction(int action)
{
    if (m_barUpdate)
        return;
    const int screen = ScreenLines();
    int top = TopLine();
    bool immediate = true;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        top -= 1;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        top += 1;
        break;
    case QAbstractSlider::SliderPageStepSub:
        top -= screen - 1;
        immediate = false;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        top += screen - 1;
        immediate = false;
        break;
    case QAbstractSlider::SliderToMinimum:
        top = 0;
        break;
    case QAbstractSlider::SliderToMaximum:
        top = LineCount() - screen + 1;
        break;
    case QAbstractSlider::SliderMove:
        top = verticalScrollBar()->sliderPosition();
        break;
    default:
        return;
    }
    m_model.ScrollVertically(top, immediate);
    // The bar shows where the view went, not where the bar's own step would have gone.
    m_barUpdate = true;
    verticalScrollBar()->setSliderPosition(std::min(TopLine(), verticalScrollBar()->maximum()));
    m_barUpdate = false;
}

void CKTextView::OnHorzBarAction(int action)
{
    if (m_barUpdate)
        return;
    int offset = OffsetChar();
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        offset -= 1;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        offset += 1;
        break;
    case QAbstractSlider::SliderPageStepSub:
        offset -= kHorzPageColumns;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        offset += kHorzPageColumns;
        break;
    case QAbstractSlider::SliderToMinimum:
        offset = 0;
        break;
    case QAbstractSlider::SliderToMaximum:
        offset = LargestLineWidth() - ScreenChars() + 1;
        break;
    case QAbstractSlider::SliderMove:
        offset = horizontalScrollBar()->sliderPosition();
        break;
    default:
        return;
    }
    m_model.ScrollHorizontally(offset);
    m_barUpdate = true;
    horizontalScrollBar()->setSliderPosition(
        std::min(OffsetChar(), horizontalScrollBar()->maximum()));
    m_barUpdate = false;
}

void CKTextView::wheelEvent(QWheelEvent* event)
{
    const int lines = QApplication::wheelScrollLines();
    const bool sideways = event->modifiers() & Qt::ShiftModifier;
    QPoint steps;
    if (!event->pixelDelta().isNull()) {
        // Touchpads give pixels: whole lines and columns of them, the rest kept for later.
        m_wheelRest += event->pixelDelta();
        steps = {m_wheelRest.x() / GetCharWidth(), m_wheelRest.y() / GetLineHeight()};
        m_wheelRest -= QPoint(steps.x() * GetCharWidth(), steps.y() * GetLineHeight());
    } else {
        // High-resolution wheels send fractions of a notch; they add up to whole notches.
        m_wheelRest += event->angleDelta();
        steps = {m_wheelRest.x() / kWheelStep, m_wheelRest.y() / kWheelStep};
        m_wheelRest -= steps * kWheelStep;
        steps *= lines;
    }
    if (sideways || (steps.y() == 0 && steps.x() != 0))
        m_model.ScrollHorizontally(OffsetChar() - (steps.x() ? steps.x() : steps.y()));
    else if (steps.y() != 0)
        m_model.ScrollVertically(TopLine() - steps.y(), true);
    event->accept();
}

void CKTextView::SyncSiblings(bool vertical)
{
    if (!m_siblings)
        return;
    if (vertical)
        m_siblings->TopLineChanged(*this);
    else
        m_siblings->OffsetCharChanged(*this);
}

void CKTextView::FollowSibling(const CKTextView& source, bool vertical)
{
    if (vertical)
        ScrollTopTo(std::clamp(source.TopLine(), 0, LineCount() - 1), true);
    else
        ScrollLeftTo(std::max(source.OffsetChar(), 0), true);
}
