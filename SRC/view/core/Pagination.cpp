// Print font size, margins, word wrapping and the page start table.
#include "view/core/Pagination.h"

#include "view/core/TextLayout.h"

#include <algorithm>
#include <cstdio>

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * b;
    const int64_t half = (c > 0 ? c : -int64_t(c)) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude =
        ((product < 0 ? -product : product) + half) / (c > 0 ? c : -int64_t(c));
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

LogFont PrintFont(LogFont font, int32_t size, const PrintResolution& dpi)
{
    if (size > 0) {
        // The screen font at the size asked for; a width set keeps its proportion.
        const int32_t height = -MulDiv(size, dpi.screenDpiY, 72);
        if (font.height != 0)
            font.width = MulDiv(font.width, -height, font.height < 0 ? -font.height : font.height);
        font.height = height;
    }
    const int divisor = size == kPrintFontHalfScreen ? 2 : 1;
    font.height = MulDiv(font.height, dpi.printerDpiY, divisor * dpi.screenDpiY);
    font.width = MulDiv(font.width, dpi.printerDpiX, divisor * dpi.screenDpiX);
    return font;
}

PrintLayout MakePrintLayout(DeviceRect page, const PageMargins& margins, int dpiX, int dpiY,
                            int lineHeight)
{
    if (page.left > page.right)
        std::swap(page.left, page.right);
    if (page.top > page.bottom)
        std::swap(page.top, page.bottom);
    PrintLayout layout;
    layout.lineHeight = std::max(lineHeight, 1);
    DeviceRect& text = layout.textArea;
    text.left = page.left + HundredthsMmToDevice(margins.left, dpiX);
    text.top = page.top + HundredthsMmToDevice(margins.top, dpiY);
    text.right = page.right - HundredthsMmToDevice(margins.right, dpiX);
    text.bottom = page.bottom - HundredthsMmToDevice(margins.bottom, dpiY);
    text.bottom -= layout.lineHeight + layout.lineHeight / 2;
    layout.footerBand = {text.left, text.bottom, text.right,
                         text.bottom + layout.lineHeight + layout.lineHeight / 2};
    return layout;
}

void WrapRows(std::string_view text, const std::array<int, 256>& advance, int width,
              std::vector<RowSpan>& rows)
{
    rows.clear();
    const int length = static_cast<int>(text.size());
    if (length == 0) {
        rows.push_back({0, 0});
        return;
    }
    auto skipSpaces = [&](int i) {
        while (i < length && text[i] == ' ')
            ++i;
        return i;
    };
    int start = 0;
    while (start < length) {
        int used = 0;
        int lastSpace = -1; // the last space after a word of the row: where it may break
        bool sawWord = false;
        int i = start;
        for (; i < length; ++i) {
            const uint8_t c = static_cast<uint8_t>(text[i]);
            if (used + advance[c] > width && i > start)
                break;
            if (c == ' ' && sawWord)
                lastSpace = i;
            sawWord = sawWord || c != ' ';
            used += advance[c];
        }
        if (i == length) {
            rows.push_back({start, length - start});
            break;
        }
        int end = i;
        int next = i;
        if (text[i] == ' ') {
            next = skipSpaces(i);
        } else if (lastSpace >= 0) {
            end = lastSpace;
            next = skipSpaces(lastSpace);
        }
        rows.push_back({start, end - start});
        start = next;
    }
}

CPagination::CPagination(const PrintText& text, const PrintFontMetrics& font,
                         const PrintLayout& layout)
    : m_text(text), m_font(font), m_layout(layout)
{
}

void CPagination::WrapLine(int line) const
{
    const int length = m_text.source.LineLength(line);
    const std::string_view bytes(m_text.source.LineText(line), static_cast<size_t>(length));
    text_layout::ExpandTabs(bytes, 0, length, 0, text_layout::EffectiveTabSize(m_text.tabSize),
                            m_text.visibleWhitespace, m_expanded);
    WrapRows(m_expanded, m_font.advance, m_layout.textArea.Width(), m_rows);
}

int CPagination::RowsPerPage() const
{
    // A page holds at least one row, so that every row is printed however small the area.
    return std::max(1, m_layout.textArea.Height() / m_layout.lineHeight);
}

bool CPagination::Paginate(const std::function<bool(int, int)>& progress)
{
    constexpr int kProgressStep = 4096;
    m_starts.assign(1, PageStart{0, 0});
    const int perPage = RowsPerPage();
    int used = 0; // rows on the current page
    for (int line = 0; line < m_text.lineCount; ++line) {
        if (progress && line % kProgressStep == 0 && !progress(line, m_text.lineCount)) {
            m_starts.clear();
            return false;
        }
        WrapLine(line);
        const int rows = static_cast<int>(m_rows.size());
        if (used > 0 && used + rows > perPage) {
            m_starts.push_back({line, 0});
            used = 0;
        }
        // A line taller than a page goes on over the following pages.
        int placed = 0;
        while (rows - placed > perPage - used) {
            placed += perPage - used;
            m_starts.push_back({line, placed});
            used = 0;
        }
        used += rows - placed;
    }
    return true;
}

std::vector<PrintedRow> CPagination::RowsOfPage(int page) const
{
    std::vector<PrintedRow> printed;
    if (page < 1 || page > PageCount())
        return printed;
    const PageStart from = m_starts[page - 1];
    const PageStart to = page < PageCount() ? m_starts[page] : PageStart{m_text.lineCount, 0};
    int y = m_layout.textArea.top;
    for (int line = from.line; line < to.line || (line == to.line && to.row > 0); ++line) {
        WrapLine(line);
        const int first = line == from.line ? from.row : 0;
        const int last = line == to.line ? to.row : static_cast<int>(m_rows.size());
        for (int row = first; row < last; ++row) {
            const RowSpan& span = m_rows[row];
            printed.push_back({m_expanded.substr(span.start, span.length), y});
            y += m_layout.lineHeight;
        }
    }
    return printed;
}

std::string CPagination::FooterText(int page) const
{
    char text[32];
    std::snprintf(text, sizeof text, "Page %d/%d", page, PageCount());
    return text;
}
