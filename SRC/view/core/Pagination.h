// Printing without a device: the print font's size, the page margins, word wrapping of lines
// into rows, the table of page starts and what each page holds. All lengths are printer
// device units except the margins, which are kept in hundredths of a millimetre.
#pragma once

#include "settings/core/Preferences.h"
#include "syntax/LineParse.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Page margins in hundredths of a millimetre.
struct PageMargins {
    static constexpr int32_t kDefault = 1000; // 10 mm
    int32_t left = kDefault;
    int32_t right = kDefault;
    int32_t top = kDefault;
    int32_t bottom = kDefault;
    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
// A length in hundredths of a millimetre on a device of dpi pixels per inch.
inline int32_t HundredthsMmToDevice(int32_t value, int32_t dpi) { return MulDiv(value, dpi, 2540); }

// The print font's size as Page Setup keeps it: as the view's font on the screen, half of
// that, or a size in points (from 1).
inline constexpr int32_t kPrintFontAsScreen = 0;
inline constexpr int32_t kPrintFontHalfScreen = -1;

struct PrintResolution {
    int screenDpiX = 96;
    int screenDpiY = 96;
    int printerDpiX = 96;
    int printerDpiY = 96;
};
// The view's font (sizes in screen pixels) as the print font (sizes in printer pixels).
LogFont PrintFont(LogFont screenFont, int32_t size, const PrintResolution& dpi);

struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// Where text and footer go on every page.
struct PrintLayout {
    DeviceRect textArea;
    DeviceRect footerBand; // below the text area, one and a half line heights tall
    int lineHeight = 1;
};
// The page area less the margins (converted at the device's resolution) and the footer band.
PrintLayout MakePrintLayout(DeviceRect pageArea, const PageMargins& margins, int dpiX, int dpiY,
                            int lineHeight);

// The print font as pagination needs it: the advance of each byte's character and the height
// of one row.
struct PrintFontMetrics {
    std::array<int, 256> advance{};
    int lineHeight = 1;
};

// One row of a wrapped line: a run of its expanded text.
struct RowSpan {
    int start = 0;
    int length = 0;
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};
// Breaks expanded text into rows no wider than width: at spaces where a row holds whole words
// (the spaces at a break are dropped), inside a word that is wider than a row by itself, so that
// nothing is ever cut off. Every row holds at least one character; empty text is one empty row.
void WrapRows(std::string_view text, const std::array<int, 256>& advance, int width,
              std::vector<RowSpan>& rows);

// The text to print and how its tabs expand.
struct PrintText {
    const CTextLines& source;
    int lineCount = 0;
    int tabSize = 4;
    bool visibleWhitespace = false;
};

// The first row printed on a page. A line moves whole to the next page when it does not fit
// on the rest of one; only a line taller than a whole page starts pages inside itself.
struct PageStart {
    int line = 0;
    int row = 0;
    friend bool operator==(const PageStart&, const PageStart&) = default;
};

// A row as it is printed: its expanded text and the top of its cell.
struct PrintedRow {
    std::string text;
    int y = 0;
};

// One print job's pagination, made once and then asked for each page.
class CPagination {
public:
    CPagination(const PrintText& text, const PrintFontMetrics& font, const PrintLayout& layout);

    // Builds the page start table. progress (lines done, line count) is asked now and then and
    // stops the work when it answers false; the result is then false and the table empty.
    bool Paginate(const std::function<bool(int, int)>& progress = {});

    int PageCount() const { return static_cast<int>(m_starts.size()); }
    const std::vector<PageStart>& PageStarts() const { return m_starts; }
    const PrintLayout& Layout() const { return m_layout; }
    // Rows rendered on page (from 1), from the top of the text area down.
    std::vector<PrintedRow> RowsOfPage(int page) const;
    // "Page n/count".
    std::string FooterText(int page) const;

private:
    // The expanded text of a line and its rows, in the members below.
    void WrapLine(int line) const;
    int RowsPerPage() const;

    PrintText m_text;
    PrintFontMetrics m_font;
    PrintLayout m_layout;
    std::vector<PageStart> m_starts;
    mutable std::string m_expanded;
    mutable std::vector<RowSpan> m_rows;
};
