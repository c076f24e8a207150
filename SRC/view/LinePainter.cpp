// The line painter: colour runs split at the selection, tabs expanded, every byte in its own
// cell, control bytes boxed, the rest of the line and the margin cell.
#include "view/LinePainter.h"

#include "syntax/ColourClass.h"
#include "view/ViewFont.h"
#include "view/core/LineMarks.h"
#include "view/core/TextLayout.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

constexpr int kNormal = static_cast<int>(ColourClass::NormalText);
constexpr int kMargin = static_cast<int>(ColourClass::SelectionMargin);
constexpr int kSelected = static_cast<int>(ColourClass::SelectedText);

} // namespace

void CGlyphCache::Build(const QFont& font)
{
    m_font = font;
    const QFontMetrics metrics(font);
    m_lineHeight = std::max(metrics.height(), 1);
    m_ascent = metrics.ascent();
    m_charWidth = std::max(metrics.horizontalAdvance(QLatin1Char('X')), 1);
    m_rawFont = QRawFont::fromFont(font);
    for (int b = 0; b < 256; ++b) {
        const QString ch(DisplayChar(static_cast<uint8_t>(b)));
        const QList<quint32> indexes =
            m_rawFont.isValid() ? m_rawFont.glyphIndexesForString(ch) : QList<quint32>();
        m_glyphs[static_cast<size_t>(b)] = indexes.size() == 1 ? indexes.front() : 0;
    }
}

ViewColours ViewColours::From(const PreferenceValues& preferences)
{
    ViewColours colours;
    for (size_t c = 0; c < colours.text.size(); ++c) {
        colours.text[c] = StoredColour(preferences.colours[c].text);
        colours.background[c] = StoredColour(preferences.colours[c].background);
    }
    return colours;
}

QColor ViewColours::Text(int colourClass) const
{
    return text[static_cast<size_t>(std::clamp(colourClass, 0, kColourClassCount - 1))];
}

QColor ViewColours::Background(int colourClass) const
{
    return background[static_cast<size_t>(std::clamp(colourClass, 0, kColourClassCount - 1))];
}

bool IsBoxedByte(uint8_t byte) { return byte < 0x20 || byte == 0x7F || byte == 0x98; }

void CLinePainter::PaintMargin(QPainter& painter, const QRect& rect, bool marginShown, int icon,
                               const QPixmap& icons)
{
    if (!marginShown) {
        painter.fillRect(rect, m_colours.Background(kNormal));
        return;
    }
    painter.fillRect(rect, m_colours.Background(kMargin));
    if (icon < 0)
        return;
    painter.drawPixmap(rect.left() + 2, rect.top() + (rect.height() - kMarginIconSize) / 2, icons,
                       icon * kMarginIconSize, 0, kMarginIconSize, kMarginIconSize);
}

void CLinePainter::PaintBelowText(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, m_colours.Background(kNormal));
}

void CLinePainter::PaintLine(QPainter& painter, const QRect& rect, int line, std::string_view text,
                             std::span<const ColourBlock> blocks, const HighlightColours& highlight,
                             const TextRange& selection, int offsetChar)
{
    m_text = text;
    m_line = line;
    m_offsetChar = offsetChar;
    m_selection = selection;
    const QColor lineBackground =
        highlight.present ? highlight.background : m_colours.Background(kNormal);
    const QColor restBackground =
        highlight.fillRest ? lineBackground : m_colours.Background(kNormal);
    const int charWidth = m_glyphs.CharWidth();
    const int length = static_cast<int>(text.size());

    if (length == 0) {
        QRect rest = rect;
        if (IsInside(selection, {0, line})) {
            painter.fillRect(QRect(rect.left(), rect.top(), charWidth, rect.height()),
                             m_colours.Background(kSelected));
            rest.setLeft(rect.left() + charWidth);
        }
        painter.fillRect(rest, restBackground);
        return;
    }

    QPoint origin(rect.left() - offsetChar * charWidth, rect.top());
    QColor background = lineBackground;
    QColor textColour = highlight.present ? highlight.text : m_colours.Text(kNormal);
    painter.save();
    painter.setClipRect(rect);
    if (blocks.empty()) {
        PaintRun(painter, origin, rect, 0, length, textColour, background);
    } else {
        // A class sets the text colour unless the line has its own, and always the background.
        const auto classColours = [&](int colourClass) {
            if (!highlight.present)
                textColour = m_colours.Text(colourClass);
            background = m_colours.Background(colourClass);
        };
        const int firstStart = std::clamp(blocks[0].start, 0, length);
        if (firstStart > 0) {
            classColours(kNormal);
            PaintRun(painter, origin, rect, 0, firstStart, textColour, background);
        }
        for (size_t b = 0; b < blocks.size(); ++b) {
            const int start = std::clamp(blocks[b].start, 0, length);
            const int end =
                b + 1 < blocks.size() ? std::clamp(blocks[b + 1].start, start, length) : length;
            classColours(static_cast<int>(blocks[b].colour));
            if (end > start)
                PaintRun(painter, origin, rect, start, end - start, textColour, background);
        }
    }
    painter.restore();

    QRect rest(std::max(origin.x(), rect.left()), rect.top(), 0, rect.height());
    rest.setRight(rect.right());
    if (rest.width() <= 0)
        return;
    if (IsInside(selection, {length, line})) {
        painter.fillRect(QRect(rest.left(), rest.top(), charWidth, rest.height()),
                         m_colours.Background(kSelected));
        rest.setLeft(rest.left() + charWidth);
    }
    painter.fillRect(rest, restBackground);
}

void CLinePainter::UnderlineMisspellings(QPainter& painter, const QRect& rect,
                                         std::span<const Misspelling> words)
{
    if (words.empty())
        return;
    const int charWidth = m_glyphs.CharWidth();
    const int tabSize = text_layout::EffectiveTabSize(m_tabSize);
    const int length = static_cast<int>(m_text.size());
    // The wave runs in the descent below the baseline: two pixels high, a crest every four.
    const int bottom = rect.bottom();
    const int top = std::max(bottom - 2, rect.top() + m_glyphs.Ascent());
    painter.save();
    painter.setClipRect(rect);
    painter.setPen(QPen(QColor(0xE0, 0x00, 0x00), 1));
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPolygon wave;
    for (const Misspelling& word : words) {
        const int begin = std::clamp(word.start, 0, length);
        const int end = std::clamp(word.start + word.length, begin, length);
        const int x0 =
            rect.left()
            + (text_layout::ColumnOfChar(m_text, begin, tabSize) - m_offsetChar) * charWidth;
        const int x1 =
            rect.left()
            + (text_layout::ColumnOfChar(m_text, end, tabSize) - m_offsetChar) * charWidth;
        if (x1 <= rect.left() || x0 > rect.right())
            continue;
        wave.clear();
        for (int x = std::max(x0, rect.left() - 4); x <= std::min(x1, rect.right() + 4); x += 2)
            wave.append(QPoint(x, ((x - x0) / 2) % 2 ? top : bottom));
        painter.drawPolyline(wave);
    }
    painter.restore();
}

void CLinePainter::PaintRun(QPainter& painter, QPoint& origin, const QRect& rect, int start,
                            int count, const QColor& textColour, const QColor& background)
{
    const TextRange& sel = m_selection;
    int selBegin = sel.start.y == m_line ? sel.start.x - start : (sel.start.y < m_line ? 0 : count);
    int selEnd = sel.end.y == m_line ? sel.end.x - start : (sel.end.y > m_line ? count : 0);
    selBegin = std::clamp(selBegin, 0, count);
    selEnd = std::clamp(selEnd, selBegin, count);
    if (selBegin > 0)
        DrawPart(painter, origin, rect, start, selBegin, textColour, background);
    if (selEnd > selBegin)
        DrawPart(painter, origin, rect, start + selBegin, selEnd - selBegin,
                 m_colours.Text(kSelected), m_colours.Background(kSelected));
    if (count > selEnd)
        DrawPart(painter, origin, rect, start + selEnd, count - selEnd, textColour, background);
}

void CLinePainter::DrawPart(QPainter& painter, QPoint& origin, const QRect& rect, int start,
                            int count, const QColor& textColour, const QColor& background)
{
    const int charWidth = m_glyphs.CharWidth();
    // The column of the part's first character follows from where the line started.
    const int startColumn = (origin.x() - rect.left()) / charWidth + m_offsetChar;
    text_layout::ExpandTabs(m_text, start, count, startColumn,
                            text_layout::EffectiveTabSize(m_tabSize), m_visibleWhitespace,
                            m_expanded);
    const int cells = static_cast<int>(m_expanded.size());
    const int space = rect.right() + 1 - origin.x();
    if (space > 0) {
        // Cells left of the rectangle are skipped, cells right of it are not drawn.
        const int first = origin.x() < rect.left() ? (rect.left() - origin.x()) / charWidth : 0;
        const int last = std::min(cells, space / charWidth + 1);
        if (last > first) {
            const int x = origin.x() + first * charWidth;
            painter.fillRect(QRect(x, origin.y(), (last - first) * charWidth, rect.height()),
                             background);
            painter.setPen(textColour);
            painter.setBrush(Qt::NoBrush);
            painter.setFont(m_glyphs.Font());
            const int baseline = origin.y() + m_glyphs.Ascent();
            const int boxTop = origin.y() + std::max(m_glyphs.LineHeight() / 5, 1);
            const int boxHeight = std::max(m_glyphs.LineHeight() * 3 / 5, 2);
            m_runGlyphs.clear();
            m_runPositions.clear();
            for (int i = first; i < last; ++i) {
                const auto b = static_cast<uint8_t>(m_expanded[static_cast<size_t>(i)]);
                if (b == ' ')
                    continue;
                const int cellX = origin.x() + i * charWidth;
                if (IsBoxedByte(b)) {
                    // Drawn here rather than taken from a font, which may have no picture
                    // for it and leave the cell empty.
                    painter.drawRect(cellX + 1, boxTop, std::max(charWidth - 3, 1), boxHeight);
                } else if (const quint32 glyph = m_glyphs.Glyph(b)) {
                    m_runGlyphs.push_back(glyph);
                    m_runPositions.push_back(QPointF(cellX, baseline));
                } else {
                    painter.drawText(cellX, baseline, QString(DisplayChar(b)));
                }
            }
            if (!m_runGlyphs.isEmpty()) {
                QGlyphRun run;
                run.setRawFont(m_glyphs.RawFont());
                run.setGlyphIndexes(m_runGlyphs);
                run.setPositions(m_runPositions);
                painter.drawGlyphRun(QPointF(0, 0), run);
            }
        }
    }
    origin.rx() += cells * charWidth;
}
