// Print font size, margins, word wrapping and pages, on a device of 254 dots per inch where a
// hundredth of a millimetre is a tenth of a dot and every character is 10 dots wide.
#include "settings/core/MemorySettingsStore.h"
#include "settings/core/SettingsStore.h"
#include "support/LinesSource.h"
#include "view/core/PageSetup.h"
#include "view/core/Pagination.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kDpi = 254;
constexpr int kCharWidth = 10;
constexpr int kLineHeight = 10;

PrintFontMetrics EvenFont()
{
    PrintFontMetrics font;
    font.advance.fill(kCharWidth);
    font.lineHeight = kLineHeight;
    return font;
}

// A text area rows tall and columns wide, below a top margin of 1 mm (10 dots).
PrintLayout Area(int columns, int rows)
{
    PrintLayout layout;
    layout.lineHeight = kLineHeight;
    layout.textArea = {10, 10, 10 + columns * kCharWidth, 10 + rows * kLineHeight};
    layout.footerBand = {10, layout.textArea.bottom, layout.textArea.right,
                         layout.textArea.bottom + 15};
    return layout;
}

std::vector<std::string> Wrapped(std::string_view text, int columns)
{
    std::vector<RowSpan> spans;
    WrapRows(text, EvenFont().advance, columns * kCharWidth, spans);
    std::vector<std::string> rows;
    for (const RowSpan& s : spans)
        rows.emplace_back(text.substr(s.start, s.length));
    return rows;
}

struct Printout {
    int pages = 0;
    std::vector<PageStart> starts;
    std::vector<std::vector<std::string>> rows; // per page
    std::vector<std::string> footers;
};

Printout Print(const std::vector<std::string>& lines, PrintLayout layout, int tabSize = 4)
{
    const LinesSource source(lines);
    CPagination pagination(PrintText{source, source.Count(), tabSize, false}, EvenFont(), layout);
    EXPECT_TRUE(pagination.Paginate());
    Printout out;
    out.pages = pagination.PageCount();
    out.starts = pagination.PageStarts();
    for (int page = 1; page <= out.pages; ++page) {
        std::vector<std::string> rows;
        int y = layout.textArea.top;
        for (const PrintedRow& row : pagination.RowsOfPage(page)) {
            EXPECT_EQ(row.y, y) << "page " << page;
            if (layout.textArea.Height() >= kLineHeight) {
                EXPECT_LE(row.y + kLineHeight, layout.textArea.bottom) << "page " << page;
            }
            EXPECT_LE(static_cast<int>(row.text.size()) * kCharWidth, layout.textArea.Width());
            y += kLineHeight;
            rows.push_back(row.text);
        }
        out.rows.push_back(rows);
        out.footers.push_back(pagination.FooterText(page));
    }
    return out;
}

TEST(PrintSizesTest, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1000, 300, 2540), 118);
    EXPECT_EQ(MulDiv(1270, 1, 2540), 1);
    EXPECT_EQ(MulDiv(-5, 1, 2), -3);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000); // the product needs 64 bits
}

TEST(PrintSizesTest, PrintFontTakesTheChosenSizeAtThePrintersResolution)
{
    const struct {
        int32_t height, width; // the screen font, at 96 dpi
        int32_t size;
        int printerDpiX, printerDpiY;
        int32_t printHeight, printWidth;
    } cases[] = {
        {-16, 0, kPrintFontAsScreen, 1200, 1200, -200, 0},
        {-16, 0, kPrintFontHalfScreen, 1200, 1200, -100, 0}, // 16 px, half of it at 1200 dpi
        {-16, 8, kPrintFontHalfScreen, 600, 600, -50, 25},
        {0, 0, kPrintFontHalfScreen, 600, 600, 0, 0},
        {-16, 0, 12, 1200, 1200, -200, 0},  // 12 pt are 16 px at 96 dpi
        {-16, 8, 24, 600, 1200, -400, 100}, // twice as high keeps the proportion
        {0, 0, 9, 600, 600, -75, 0},        // a font of the default height
    };
    for (const auto& c : cases) {
        LogFont screen;
        screen.height = c.height;
        screen.width = c.width;
        const LogFont print = PrintFont(screen, c.size, {96, 96, c.printerDpiX, c.printerDpiY});
        EXPECT_EQ(print.height, c.printHeight) << c.height << " " << c.size;
        EXPECT_EQ(print.width, c.printWidth) << c.height << " " << c.size;
    }
}

TEST(PrintSizesTest, MarginsComeFromTheSettingsAndDefaultTo10mm)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadPageMargins(store), PageMargins{});
    EXPECT_EQ(PageMargins{}.left, 1000);
    const DeviceRect page{0, 0, 2100, 2970}; // A4 at 254 dpi
    PrintLayout layout = MakePrintLayout(page, ReadPageMargins(store), kDpi, kDpi, 20);
    EXPECT_EQ(layout.textArea, (DeviceRect{100, 100, 2000, 2870 - 30}));
    EXPECT_EQ(layout.footerBand, (DeviceRect{100, 2840, 2000, 2870}));

    ASSERT_TRUE(WritePageMargins(store, PageMargins{2000, 500, 1500, 0}));
    EXPECT_EQ(store.ReadNumber("Settings/PageSetup", "LeftMargin", -1), 2000);
    EXPECT_EQ(store.ReadNumber("Settings/PageSetup", "BottomMargin", -1), 0);
    layout = MakePrintLayout(page, ReadPageMargins(store), kDpi, kDpi, 20);
    EXPECT_EQ(layout.textArea, (DeviceRect{200, 150, 2050, 2970 - 30}));
    // A page area given upside down is normalised first.
    layout = MakePrintLayout(DeviceRect{2100, 2970, 0, 0}, PageMargins{}, kDpi, kDpi, 20);
    EXPECT_EQ(layout.textArea, (DeviceRect{100, 100, 2000, 2840}));
}

TEST(WrapRowsTest, BreaksAtSpacesAndInsideWordsWiderThanARow)
{
    using Rows = std::vector<std::string>;
    EXPECT_EQ(Wrapped("", 5), Rows{""});
    EXPECT_EQ(Wrapped("hello", 5), Rows{"hello"});
    EXPECT_EQ(Wrapped("hello world", 5), (Rows{"hello", "world"}));
    EXPECT_EQ(Wrapped("hello world", 8), (Rows{"hello", "world"}));
    EXPECT_EQ(Wrapped("a bc de f", 5), (Rows{"a bc", "de f"}));
    EXPECT_EQ(Wrapped("one   two", 4), (Rows{"one ", "two"}));
    // A word wider than the row is broken, never cut off.
    EXPECT_EQ(Wrapped("http://example/abc", 6), (Rows{"http:/", "/examp", "le/abc"}));
    EXPECT_EQ(Wrapped("a verylongword", 5), (Rows{"a", "veryl", "ongwo", "rd"}));
    EXPECT_EQ(Wrapped("    indented", 6), (Rows{"    in", "dented"}));
    // Even a row narrower than one character takes one character per row.
    EXPECT_EQ(Wrapped("abc", 0), (Rows{"a", "b", "c"}));
    // Cyrillic letters wrap like any other.
    EXPECT_EQ(Wrapped("\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0", 7),
              (Rows{"\xCF\xF0\xE8\xE2\xE5\xF2", "\xEC\xE8\xF0"}));
}

TEST(PaginationTest, EmptyDocumentPrintsOnePageWithItsFooter)
{
    const Printout out = Print({""}, Area(10, 5));
    EXPECT_EQ(out.pages, 1);
    EXPECT_EQ(out.rows[0], std::vector<std::string>{""});
    EXPECT_EQ(out.footers, std::vector<std::string>{"Page 1/1"});
}

TEST(PaginationTest, ThreePagesAreNumberedOneToThreeOfThree)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 12; ++i)
        lines.push_back("line " + std::to_string(i));
    const Printout out = Print(lines, Area(10, 5));
    EXPECT_EQ(out.starts, (std::vector<PageStart>{{0, 0}, {5, 0}, {10, 0}}));
    EXPECT_EQ(out.footers, (std::vector<std::string>{"Page 1/3", "Page 2/3", "Page 3/3"}));
    EXPECT_EQ(out.rows[2], (std::vector<std::string>{"line 10", "line 11"}));
}

TEST(PaginationTest, AWrappedLineThatDoesNotFitMovesWholeToTheNextPage)
{
    // Tabs are expanded before wrapping.
    const Printout out = Print({"a", "b", "c", "d", "\tx y z w"}, Area(4, 5));
    EXPECT_EQ(out.starts, (std::vector<PageStart>{{0, 0}, {4, 0}}));
    EXPECT_EQ(out.rows[1], (std::vector<std::string>{"    ", "x y", "z w"}));
}

TEST(PaginationTest, ALineTallerThanAPageGoesOnOverTheFollowingPages)
{
    std::string tall;
    for (int i = 0; i < 12; ++i)
        tall += (i ? " w" : "w") + std::to_string(i % 10);
    const Printout out = Print({"first", tall, "end"}, Area(4, 5));
    EXPECT_EQ(out.starts, (std::vector<PageStart>{{0, 0}, {1, 0}, {1, 5}, {1, 10}}));
    EXPECT_EQ(out.rows[3], (std::vector<std::string>{"w0", "w1", "end"}));
    // Every word of the tall line is printed once, in order.
    std::string printed;
    for (size_t page = 1; page < out.rows.size(); ++page)
        for (const std::string& row : out.rows[page])
            printed += (printed.empty() ? "" : " ") + row;
    EXPECT_EQ(printed, tall + " end");
}

TEST(PaginationTest, ATextAreaLowerThanARowStillPrintsEveryRow)
{
    // Margins larger than the paper leave no room, yet nothing is lost.
    const Printout out = Print({"ab", "c"}, Area(1, 0));
    EXPECT_EQ(out.pages, 3);
    EXPECT_EQ(out.footers.back(), "Page 3/3");
}

TEST(PaginationTest, ProgressCanStopTheWork)
{
    const std::vector<std::string> lines(10000, "x");
    const LinesSource source(lines);
    CPagination pagination(PrintText{source, source.Count(), 4, false}, EvenFont(), Area(10, 5));
    int asked = 0;
    EXPECT_FALSE(pagination.Paginate([&](int done, int total) {
        EXPECT_EQ(total, 10000);
        return ++asked < 2 && done < total;
    }));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(pagination.PageCount(), 0);
    EXPECT_TRUE(pagination.RowsOfPage(1).empty());
}

} // namespace
