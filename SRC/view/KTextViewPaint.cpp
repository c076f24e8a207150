// Painting of the text view: one line at a time through an off-screen strip, colour blocks
// from the parser, the selection, the margin with its icons, and the caret.
#include "view/KTextView.h"

#include "syntax/ColourClass.h"
#include "view/MarginArt.h"
#include "view/ViewFont.h"
#include "view/core/LineMarks.h"
#include "view/core/TextLayout.h"

#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kNormal = static_cast<int>(ColourClass::NormalText);
constexpr int kMargin = static_cast<int>(ColourClass::SelectionMargin);
constexpr int kSelected = static_cast<int>(ColourClass::SelectedText);

} // namespace

QColor CKTextView::ClassText(int colourClass) const
{
    colourClass = std::clamp(colourClass, 0, kColourClassCount - 1);
    return StoredColour(Settings().colours[static_cast<size_t>(colourClass)].text);
}

QColor CKTextView::ClassBackground(int colourClass) const
{
    colourClass = std::clamp(colourClass, 0, kColourClassCount - 1);
    return StoredColour(Settings().colours[static_cast<size_t>(colourClass)].background);
}

CKTextView::Highlight CKTextView::LineHighlight(int line) const
{
    const LineHighlightColours h = LineHighlightFor(LineFlags(line));
    if (!h.present)
        return {};
    return {true, RgbColour(h.background), RgbColour(h.text), h.fillRest};
}

const QPixmap& CKTextView::MarginIcons()
{
    if (m_marginIcons.isNull())
        m_marginIcons = MarginIconStrip();
    return m_marginIcons;
}

void CKTextView::PaintMargin(QPainter& painter, const QRect& rect, int line)
{
    if (!Settings().selectionMargin) {
        painter.fillRect(rect, ClassBackground(kNormal));
        return;
    }
    painter.fillRect(rect, ClassBackground(kMargin));
    if (line < 0)
        return;
    const int icon = MarginIconFor(LineFlags(line));
    if (icon < 0)
        return;
    painter.drawPixmap(rect.left() + 2, rect.top() + (rect.height() - kMarginIconSize) / 2,
                       MarginIcons(), icon * kMarginIconSize, 0, kMarginIconSize, kMarginIconSize);
}

void CKTextView::PaintLine(QPainter& painter, const QRect& rect, int line)
{
    if (line < 0) {
        painter.fillRect(rect, ClassBackground(kNormal));
        return;
    }
    const Highlight highlight = LineHighlight(line);
    const QColor lineBackground = highlight.present ? highlight.background : ClassBackground(kNormal);
    const QColor restBackground = highlight.fillRest ? lineBackground : ClassBackground(kNormal);
    const int charWidth = GetCharWidth();
    const int length = LineLength(line);

    if (length == 0) {
        QRect rest = rect;
        if (IsInsideSelection({0, line})) {
            painter.fillRect(QRect(rect.left(), rect.top(), charWidth, rect.height()),
                             ClassBackground(kSelected));
            rest.setLeft(rect.left() + charWidth);
        }
        painter.fillRect(rest, restBackground);
        return;
    }

    const uint32_t state = StateBeforeLine(line);
    m_blocks.resize(static_cast<size_t>(length) + 1);
    int count = 0;
    m_states.Store(line, ParseLine(state, line, m_blocks.data(), count));

    QPoint origin(rect.left() - m_offsetChar * charWidth, rect.top());
    const std::string_view text = Line(line);
    QColor background = lineBackground;
    QColor textColour = highlight.present ? highlight.text : ClassText(kNormal);
    painter.save();
    painter.setClipRect(rect);
    if (count == 0) {
        if (!highlight.present)
            textColour = ClassText(kNormal);
        PaintRun(painter, origin, rect, text, 0, length, line, textColour, background);
    } else {
        const auto classColours = [&](int colourClass) {
            if (!highlight.present)
                textColour = ClassText(colourClass);
            background = ClassBackground(colourClass);
        };
        const int firstStart = std::clamp(m_blocks[0].start, 0, length);
        if (firstStart > 0) {
            classColours(kNormal);
            PaintRun(painter, origin, rect, text, 0, firstStart, line, textColour, background);
        }
        for (int b = 0; b < count; ++b) {
            const int start = std::clamp(m_blocks[b].start, 0, length);
            const int end = b + 1 < count ? std::clamp(m_blocks[b + 1].start, start, length) : length;
            classColours(static_cast<int>(m_blocks[b].colour));
            if (end > start)
                PaintRun(painter, origin, rect, text, start, end - start, line, textColour, background);
        }
    }
    painter.restore();

    QRect rest(std::max(origin.x(), rect.left()), rect.top(), 0, rect.height());
    rest.setRight(rect.right());
    if (rest.width() <= 0)
        return;
    if (IsInsideSelection({length, line})) {
        painter.fillRect(QRect(rest.left(), rest.top(), charWidth, rest.height()),
                         ClassBackground(kSelected));
        rest.setLeft(rest.left() + charWidth);
    }
    painter.fillRect(rest, restBackground);
}

void CKTextView::PaintRun(QPainter& painter, QPoint& origin, const QRect& rect,
                          std::string_view text, int start, int count, int line,
                          const QColor& textColour, const QColor& background)
{
    const TextRange sel = OrderedSelection();
    int selBegin = sel.start.y == line ? sel.start.x - start : (sel.start.y < line ? 0 : count);
    int selEnd = sel.end.y == line ? sel.end.x - start : (sel.end.y > line ? count : 0);
    selBegin = std::clamp(selBegin, 0, count);
    selEnd = std::clamp(selEnd, selBegin, count);
    if (selBegin > 0)
        DrawPart(painter, origin, rect, text, start, selBegin, textColour, background);
    if (selEnd > selBegin)
        DrawPart(painter, origin, rect, text, start + selBegin, selEnd - selBegin,
                 ClassText(kSelected), ClassBackground(kSelected));
    if (count > selEnd)
        DrawPart(painter, origin, rect, text, start + selEnd, count - selEnd, textColour, background);
}

void CKTextView::DrawPart(QPainter& painter, QPoint& origin, const QRect& rect,
                          std::string_view text, int start, int count, const QColor& textColour,
                          const QColor& background)
{
    const int charWidth = GetCharWidth();
    // The column of the part's first character follows from where the line started.
    const int startColumn = (origin.x() - rect.left()) / charWidth + m_offsetChar;
    text_layout::ExpandTabs(text, start, count, startColumn,
                            text_layout::EffectiveTabSize(Settings().tabSize), m_viewWhitespace,
                            m_expanded);
    const int cells = static_cast<int>(m_expanded.size());
    const int space = rect.right() + 1 - origin.x();
    if (space > 0) {
        // Cells left of the strip are skipped, cells right of it are not drawn.
        const int first = origin.x() < rect.left() ? (rect.left() - origin.x()) / charWidth : 0;
        const int last = std::min(cells, space / charWidth + 1);
        if (last > first) {
            const int x = origin.x() + first * charWidth;
            painter.fillRect(QRect(x, origin.y(), (last - first) * charWidth, rect.height()),
                             background);
            painter.setPen(textColour);
            const int baseline = origin.y() + m_ascent;
            m_runGlyphs.clear();
            m_runPositions.clear();
            for (int i = first; i < last; ++i) {
                const auto b = static_cast<uint8_t>(m_expanded[static_cast<size_t>(i)]);
                if (b == ' ')
                    continue;
                const int cellX = origin.x() + i * charWidth;
                if (const quint32 glyph = m_glyphs[b]) {
                    m_runGlyphs.push_back(glyph);
                    m_runPositions.push_back(QPointF(cellX, baseline));
                } else {
                    painter.drawText(cellX, baseline, QString(DisplayChar(b)));
                }
            }
            if (!m_runGlyphs.isEmpty()) {
                QGlyphRun run;
                run.setRawFont(m_rawFont);
                run.setGlyphIndexes(m_runGlyphs);
                run.setPositions(m_runPositions);
                painter.drawGlyphRun(QPointF(0, 0), run);
            }
        }
    }
    origin.rx() += cells * charWidth;
}

void CKTextView::PaintClient(QPainter& painter, const QRect& dirty)
{
    const int width = viewport()->width();
    const int height = GetLineHeight();
    const QFont& font = ViewFont();
    if (m_strip.isNull() || m_strip.width() != width || m_strip.height() != height)
        m_strip = QPixmap(std::max(width, 1), height);
    const int margin = MarginWidth();
    const QRect marginRect(0, 0, margin, height);
    const QRect textRect(margin, 0, width - margin, height);
    const int lineCount = LineCount();
    const int first = std::max(dirty.top(), 0) / height;
    const int bottom = std::min(dirty.bottom(), viewport()->height() - 1);
    for (int row = first; row * height <= bottom; ++row) {
        const int line = m_topLine + row < lineCount ? m_topLine + row : -1;
        {
            QPainter strip(&m_strip);
            strip.setFont(font);
            PaintMargin(strip, marginRect, line);
            PaintLine(strip, textRect, line);
        }
        painter.drawPixmap(0, row * height, m_strip);
    }
    DrawCaret(painter);
}

void CKTextView::DrawCaret(QPainter& painter)
{
    if (!m_caretShown || !m_caretBlinkOn)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(m_caretRect, Qt::white);
    painter.restore();
}

void CKTextView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintClient(painter, event->rect());
}
