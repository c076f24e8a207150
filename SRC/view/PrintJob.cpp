// Printing a text: print font and metrics from the printer, pages painted from the pagination.
#include "view/PrintJob.h"

#include "view/ViewFont.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

ViewColours PrintColours()
{
    ViewColours colours;
    colours.text.fill(Qt::black);
    colours.background.fill(Qt::white);
    return colours;
}

} // namespace

CPrintJob::CPrintJob(const CTextLines& text, int lineCount, const PrintOptions& options)
    : m_text(text), m_lineCount(lineCount), m_options(options), m_colours(PrintColours())
{
}

bool CPrintJob::Begin(QPrinter& printer, const Progress& progress)
{
    // Every byte takes one cell, as on the screen, so a row's width is its length in cells.
    const LogFont printFont = PrintFont(
        m_options.screenFont, m_options.fontSize,
        {m_options.screenDpiX, m_options.screenDpiY, printer.logicalDpiX(), printer.logicalDpiY()});
    m_glyphs.Build(MakeViewFont(printFont));
    PrintFontMetrics font;
    font.advance.fill(m_glyphs.CharWidth());
    font.lineHeight = m_glyphs.LineHeight();

    const DeviceRect page{0, 0, printer.width(), printer.height()};
    const PrintLayout layout = MakePrintLayout(page, m_options.margins, printer.logicalDpiX(),
                                               printer.logicalDpiY(), font.lineHeight);
    m_pagination = std::make_unique<CPagination>(
        PrintText{m_text, m_lineCount, m_options.tabSize, m_options.visibleWhitespace}, font,
        layout);
    if (!m_pagination->Paginate(progress)) {
        m_pagination.reset();
        return false;
    }
    return true;
}

void CPrintJob::PaintPage(QPainter& painter, int page) const
{
    if (!m_pagination)
        return;
    const PrintLayout& layout = m_pagination->Layout();
    // Rows are already expanded and wrapped: the painter draws them as they are.
    CLinePainter rows(m_glyphs, m_colours, 1, false);
    const int width = layout.textArea.Width();
    for (const PrintedRow& row : m_pagination->RowsOfPage(page))
        rows.PaintLine(painter, QRect(layout.textArea.left, row.y, width, layout.lineHeight), 0,
                       row.text, {}, {}, {}, 0);
    painter.setFont(m_glyphs.Font());
    painter.setPen(Qt::black);
    const DeviceRect& band = layout.footerBand;
    painter.drawText(QRect(band.left, band.top, band.Width(), band.Height()),
                     Qt::AlignHCenter | Qt::AlignBottom | Qt::TextSingleLine,
                     QString::fromLatin1(m_pagination->FooterText(page).c_str()));
}

bool CPrintJob::PrintPages(QPrinter& printer, const Progress& progress)
{
    const int count = PageCount();
    if (count == 0)
        return false;
    int first = 1;
    int last = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::min(printer.fromPage(), count);
        last = std::clamp(printer.toPage(), first, count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int page = first; page <= last; ++page) {
        if (progress && !progress(page - first, last - first + 1)) {
            printer.abort();
            painter.end();
            return false;
        }
        if (page > first && !printer.newPage()) {
            painter.end();
            return false;
        }
        PaintPage(painter, page);
    }
    return painter.end();
}
