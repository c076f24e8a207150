// Painting through the same code as the screen into an image: the colours of a tag, an
// attribute, an entity, the margin, a selected run, a highlighted line and a selected empty
// line come from the record.
#include "ViewFixture.h"

#include "view/core/LineMarks.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace {

class ViewRenderTest : public ViewFixture {
protected:
    void SetUp() override
    {
        // A font the set-up installs, its glyphs without antialiasing, so that glyph pixels
        // carry the exact text colour on any machine.
        LogFont font = Preferences().Font();
        std::memcpy(font.faceName.data(), "DejaVu Sans Mono", 16);
        font.quality = 3;
        font.height = -16;
        Preferences().SetFont(font);
    }

    QImage Paint()
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        view->PaintClient(painter, image.rect());
        return image;
    }

    static QColor Stored(uint32_t bbggrr)
    {
        return QColor(bbggrr & 0xFF, (bbggrr >> 8) & 0xFF, (bbggrr >> 16) & 0xFF);
    }
    QColor Text(ColourClass c) { return Stored(Preferences().Colours(c).text); }
    QColor Back(ColourClass c) { return Stored(Preferences().Colours(c).background); }

    // The colours found in the cell of a character.
    QList<QColor> CellColours(const QImage& image, TextPoint p)
    {
        const QRect cell(view->PositionToPixel(p),
                         QSize(view->GetCharWidth(), view->GetLineHeight()));
        QList<QColor> colours;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (!colours.contains(image.pixelColor(x, y)))
                    colours.push_back(image.pixelColor(x, y));
        return colours;
    }
    // A cell drawn with exactly these two colours: a glyph on its background.
    void ExpectCell(const QImage& image, TextPoint p, const QColor& text, const QColor& background)
    {
        const QList<QColor> colours = CellColours(image, p);
        EXPECT_TRUE(colours.contains(text))
            << p.x << "," << p.y << " " << text.name().toStdString();
        EXPECT_TRUE(colours.contains(background)) << p.x << "," << p.y;
        EXPECT_EQ(colours.size(), 2) << p.x << "," << p.y;
    }
};

TEST_F(ViewRenderTest, TagAttributeEntityMarginAndSelectionInTheRecordColours)
{
    SetLines({"<a href=\"x\">T&amp;x</a>", "", "plain text", "last"});
    Buffer().ChangeLineFlag(3, LINEFLAG_MARK, true, false);
    CKTextView& v = MakeView(6, 30);
    v.SetSelection({1, 2}, {0, 1}); // "ain text" from line 2 back to the empty line 1
    const QImage image = Paint();

    ExpectCell(image, {1, 0}, Text(ColourClass::Keyword), Back(ColourClass::Keyword)); // a
    ExpectCell(image, {3, 0}, Text(ColourClass::Preprocessor),
               Back(ColourClass::Preprocessor));                                      // href
    ExpectCell(image, {14, 0}, Text(ColourClass::Entity), Back(ColourClass::Entity)); // amp
    ExpectCell(image, {3, 2}, Text(ColourClass::SelectedText), Back(ColourClass::SelectedText));
    ExpectCell(image, {0, 2}, Text(ColourClass::NormalText), Back(ColourClass::NormalText));

    // The selected empty line shows one selected cell, then the normal background.
    EXPECT_EQ(image.pixelColor(v.PositionToPixel({0, 1}) + QPoint(1, 1)),
              Back(ColourClass::SelectedText));
    EXPECT_EQ(image.pixelColor(v.PositionToPixel({0, 1}) + QPoint(v.GetCharWidth() + 1, 1)),
              Back(ColourClass::NormalText));
    // The selection ends inside line 2, so its end-of-line cell is not selected.
    EXPECT_EQ(image.pixelColor(v.PositionToPixel({10, 2}) + QPoint(1, 1)),
              Back(ColourClass::NormalText));

    // The margin in its own background, with an icon on the marked line only.
    const int lh = v.GetLineHeight();
    EXPECT_EQ(image.pixelColor(1, 1), Back(ColourClass::SelectionMargin));
    EXPECT_EQ(image.pixelColor(10, lh / 2), Back(ColourClass::SelectionMargin));
    EXPECT_NE(image.pixelColor(10, 3 * lh + lh / 2), Back(ColourClass::SelectionMargin));
    // Below the text: the normal background.
    EXPECT_EQ(image.pixelColor(100, 5 * lh + 2), Back(ColourClass::NormalText));

    // A changed colour shows at once.
    StoredColours keyword = Preferences().Colours(ColourClass::Keyword);
    keyword.text = 0x0000FF; // red
    Preferences().SetColours(ColourClass::Keyword, keyword);
    ExpectCell(Paint(), {1, 0}, QColor(255, 0, 0), Back(ColourClass::Keyword));
}

TEST_F(ViewRenderTest, HighlightedLineFillsToTheRightEdge)
{
    SetLines({"abc"});
    doc->SetSourceType(SourceType::PlainText);
    Buffer().ChangeLineFlag(0, LINEFLAG_HIGHLIGHT_RED, true, false);
    CKTextView& v = MakeView(2, 20);
    const QImage image = Paint();
    // Plain text has no colour blocks, so the line keeps the highlight's colours.
    ExpectCell(image, {1, 0}, QColor(255, 255, 255), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(v.width() - 2, 2), QColor(255, 0, 0));
}

TEST_F(ViewRenderTest, EveryByteTakesOneCellIncludingControlBytes)
{
    std::string line = "ab";
    line += '\0';
    line += "\x01\x98\xC0\xFF|";
    SetLines({line});
    doc->SetSourceType(SourceType::PlainText);
    CKTextView& v = MakeView(2, 20);
    const QImage image = Paint();
    // The bar after the seven cells stands at column 7.
    ExpectCell(image, {7, 0}, Text(ColourClass::NormalText), Back(ColourClass::NormalText));
    // NUL, 0x01 and 0x98 are drawn as marks in the text colour whatever the font holds.
    for (int x = 2; x < 7; ++x)
        ExpectCell(image, {x, 0}, Text(ColourClass::NormalText), Back(ColourClass::NormalText));
    EXPECT_EQ(CellColours(image, {8, 0}).size(), 1);
    (void)v;
}

TEST_F(ViewRenderTest, VisibleWhitespaceShowsTabsAndSpaces)
{
    SetLines({"a\tb c"});
    doc->SetSourceType(SourceType::PlainText);
    CKTextView& v = MakeView(2, 20);
    const QImage plain = Paint();
    EXPECT_EQ(CellColours(plain, {1, 0}).size(), 1); // tab: blank
    v.SetViewWhitespace(true);
    const QImage shown = Paint();
    EXPECT_EQ(CellColours(shown, {1, 0}).size(), 2); // the tab mark
    EXPECT_EQ(CellColours(shown, {3, 0}).size(), 2); // the space mark
    EXPECT_EQ(v.PositionToPixel({2, 0}).x(), v.MarginWidth() + 4 * v.GetCharWidth());
}

} // namespace
