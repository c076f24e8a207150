// Paints one line of text and one margin cell onto any QPainter from what it is handed: the
// font's measures and glyphs, the colours, the colour blocks and the selection. The screen and
// the printer share it.
#pragma once

#include "settings/core/Preferences.h"
#include "spell/core/LineSpeller.h"
#include "syntax/LineParse.h"
#include "view/core/CaretMoves.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QRawFont>

#include <array>
#include <span>
#include <string>
#include <string_view>

class QPainter;
class QRect;

// The view font measured, with the glyph of every byte so that each byte is placed in its own
// cell and no glyph width shifts the line.
class CGlyphCache {
public:
    void Build(const QFont& font);
    bool Built() const { return m_lineHeight > 0; }
    void Drop() { m_lineHeight = -1; }

    const QFont& Font() const { return m_font; }
    int LineHeight() const { return m_lineHeight; }
    int CharWidth() const { return m_charWidth; }
    int Ascent() const { return m_ascent; }
    const QRawFont& RawFont() const { return m_rawFont; }
    // 0: the font has no glyph of its own; the character is drawn through a fallback font.
    quint32 Glyph(uint8_t byte) const { return m_glyphs[byte]; }

private:
    QFont m_font;
    QRawFont m_rawFont;
    std::array<quint32, 256> m_glyphs{};
    int m_lineHeight = -1;
    int m_charWidth = 1;
    int m_ascent = 0;
};

// The text and background colour of each colour class.
struct ViewColours {
    std::array<QColor, kColourClassCount> text;
    std::array<QColor, kColourClassCount> background;

    static ViewColours From(const PreferenceValues& preferences);
    QColor Text(int colourClass) const;
    QColor Background(int colourClass) const;
};

// Colours that line flags give a whole line.
struct HighlightColours {
    bool present = false;
    QColor background, text;
    bool fillRest = false; // the rest of the line right of the text takes the background
};

// Bytes that have no picture of their own (the control bytes and 0x98): the painter draws
// them as a small box.
bool IsBoxedByte(uint8_t byte);

class CLinePainter {
public:
    CLinePainter(const CGlyphCache& glyphs, const ViewColours& colours, int tabSize,
                 bool visibleWhitespace)
        : m_glyphs(glyphs), m_colours(colours), m_tabSize(tabSize),
          m_visibleWhitespace(visibleWhitespace)
    {
    }

    // One line into rect, scrolled by offsetChar columns: its colour blocks (ordered by
    // start), the highlight of its flags and the ordered selection.
    void PaintLine(QPainter& painter, const QRect& rect, int line, std::string_view text,
                   std::span<const ColourBlock> blocks, const HighlightColours& highlight,
                   const TextRange& selection, int offsetChar);
    // Wavy red lines under the misspelled words of the line just painted (in characters of
    // its text), drawn over the text into the same rect. Only the screen shows them.
    void UnderlineMisspellings(QPainter& painter, const QRect& rect,
                               std::span<const Misspelling> words);
    // The area below the last line.
    void PaintBelowText(QPainter& painter, const QRect& rect);
    // The margin cell of a line; icon is the row of the icon strip or -1 for none.
    void PaintMargin(QPainter& painter, const QRect& rect, bool marginShown, int icon,
                     const QPixmap& icons);

private:
    void PaintRun(QPainter& painter, QPoint& origin, const QRect& rect, int start, int count,
                  const QColor& textColour, const QColor& background);
    void DrawPart(QPainter& painter, QPoint& origin, const QRect& rect, int start, int count,
                  const QColor& textColour, const QColor& background);

    const CGlyphCache& m_glyphs;
    const ViewColours& m_colours;
    int m_tabSize;
    bool m_visibleWhitespace;
    // The line being painted.
    std::string_view m_text;
    int m_line = 0;
    int m_offsetChar = 0;
    TextRange m_selection;
    std::string m_expanded;
    QList<quint32> m_runGlyphs;
    QList<QPointF> m_runPositions;
};
