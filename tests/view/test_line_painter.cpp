// The line painter on its own, onto an image: colour runs and the selection, tab stops, boxed
// control bytes, the rest of the line, the margin cell, and a horizontal offset. The font is
// pinned to one the set-up installs, without antialiasing, so pixels carry exact colours.
#include "settings/core/Preferences.h"
#include "syntax/ColourClass.h"
#include "view/LinePainter.h"
#include "view/MarginArt.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

class LinePainterTest : public testing::Test {
protected:
    LinePainterTest() : colours(ViewColours::From(DefaultPreferences()))
    {
        QFont font(QStringLiteral("DejaVu Sans Mono"));
        font.setPixelSize(16);
        font.setStyleStrategy(QFont::NoAntialias);
        glyphs.Build(font);
    }

    // Paints line 0 of text into a strip of columns cells beside a margin of 20 pixels.
    QImage Paint(std::string_view text, std::vector<ColourBlock> blocks = {},
                 TextRange selection = {}, HighlightColours highlight = {}, int offset = 0,
                 bool visibleWhitespace = false, int columns = 12)
    {
        QImage image(20 + columns * glyphs.CharWidth(), glyphs.LineHeight(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        CLinePainter lines(glyphs, colours, 4, visibleWhitespace);
        lines.PaintMargin(painter, QRect(0, 0, 20, image.height()), true, 13, MarginIconStrip());
        lines.PaintLine(painter, QRect(20, 0, image.width() - 20, image.height()), 0, text, blocks,
                        highlight, selection, offset);
        return image;
    }
    // The colours in the cell of a display column.
    QList<QColor> Cell(const QImage& image, int column) const
    {
        QList<QColor> found;
        const int left = 20 + column * glyphs.CharWidth();
        for (int y = 0; y < image.height(); ++y)
            for (int x = left; x < left + glyphs.CharWidth(); ++x)
                if (!found.contains(image.pixelColor(x, y)))
                    found.push_back(image.pixelColor(x, y));
        return found;
    }
    QColor Text(ColourClass c) const { return colours.Text(int(c)); }
    QColor Back(ColourClass c) const { return colours.Background(int(c)); }

    CGlyphCache glyphs;
    ViewColours colours;
};

TEST_F(LinePainterTest, BlocksAndSelectionGiveEachCellItsColours)
{
    const std::vector<ColourBlock> blocks = {{2, ColourClass::Keyword}, {5, ColourClass::Comment}};
    const QImage image = Paint("ab<p>cd", blocks, {{4, 0}, {6, 0}});
    EXPECT_TRUE(Cell(image, 0).contains(Text(ColourClass::NormalText)));
    EXPECT_TRUE(Cell(image, 3).contains(Back(ColourClass::Keyword)));
    EXPECT_TRUE(Cell(image, 3).contains(Text(ColourClass::Keyword)));
    EXPECT_TRUE(Cell(image, 4).contains(Back(ColourClass::SelectedText)));
    EXPECT_TRUE(Cell(image, 5).contains(Back(ColourClass::SelectedText)));
    EXPECT_TRUE(Cell(image, 6).contains(Back(ColourClass::Comment)));
    // Right of the text: the normal background, no selected end-of-line cell.
    EXPECT_EQ(Cell(image, 8), QList<QColor>{Back(ColourClass::NormalText)});
    // The margin's own background around the icon.
    EXPECT_EQ(image.pixelColor(0, 0), Back(ColourClass::SelectionMargin));
    EXPECT_NE(image.pixelColor(10, image.height() / 2), Back(ColourClass::SelectionMargin));
}

TEST_F(LinePainterTest, ControlBytesAndTheUnassignedByteAreBoxedInTheTextColour)
{
    std::string text = "a";
    text += '\0';
    text += "\x01\x1F\x7F\x98";
    text += "z";
    const QImage image = Paint(text);
    for (int column = 1; column <= 5; ++column) {
        const QList<QColor> cell = Cell(image, column);
        EXPECT_TRUE(cell.contains(Text(ColourClass::NormalText))) << column;
        EXPECT_TRUE(cell.contains(Back(ColourClass::NormalText))) << column;
    }
    // Each byte keeps its one cell: the z stands in column 6.
    EXPECT_TRUE(Cell(image, 6).contains(Text(ColourClass::NormalText)));
    EXPECT_EQ(Cell(image, 7), QList<QColor>{Back(ColourClass::NormalText)});
}

TEST_F(LinePainterTest, TabsReachTheNextStopAndOffsetScrollsTheLine)
{
    const QImage image = Paint("a\tb", {}, {}, {}, 0, true);
    EXPECT_TRUE(Cell(image, 1).contains(Text(ColourClass::NormalText))); // the tab mark
    EXPECT_EQ(Cell(image, 2), QList<QColor>{Back(ColourClass::NormalText)});
    EXPECT_TRUE(Cell(image, 4).contains(Text(ColourClass::NormalText))); // b at the stop

    // Scrolled by four columns, b is the first cell.
    const QImage scrolled = Paint("a\tb", {}, {}, {}, 4);
    EXPECT_TRUE(Cell(scrolled, 0).contains(Text(ColourClass::NormalText)));
    EXPECT_EQ(Cell(scrolled, 1), QList<QColor>{Back(ColourClass::NormalText)});
}

TEST_F(LinePainterTest, HighlightFillsTheLineAndASelectedLineEndShowsOneCell)
{
    const HighlightColours red{true, QColor(255, 0, 0), QColor(255, 255, 255), true};
    const QImage image = Paint("ab", {}, {{1, 0}, {0, 1}}, red);
    EXPECT_TRUE(Cell(image, 0).contains(QColor(255, 0, 0)));
    EXPECT_TRUE(Cell(image, 0).contains(QColor(255, 255, 255)));
    EXPECT_TRUE(Cell(image, 1).contains(Back(ColourClass::SelectedText)));
    EXPECT_EQ(Cell(image, 2), QList<QColor>{Back(ColourClass::SelectedText)}); // the line end
    EXPECT_EQ(Cell(image, 3), QList<QColor>{QColor(255, 0, 0)});               // filled rest

    // An empty selected line: one selected cell, then the normal background.
    const QImage empty = Paint("", {}, {{0, 0}, {0, 1}});
    EXPECT_EQ(Cell(empty, 0), QList<QColor>{Back(ColourClass::SelectedText)});
    EXPECT_EQ(Cell(empty, 1), QList<QColor>{Back(ColourClass::NormalText)});
}

} // namespace
