// Printing a text: print font and metrics from the printer, pages painted from the pagination.
#include "view/PrintJob.h"

#include "view/ViewFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace {

QString PrintedString(const std::string& bytes)
{
    QString s;
    s.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char c : bytes)
        s.append(DisplayChar(static_cast<uint8_t>(c)));
    return s;
}

// The one place that puts a row of text on the page.
void PaintRow(QPainter& painter, int left, int baseline, const std::string& text)
{
    if (!text.empty())
        painter.drawText(QPoint(left, baseline), PrintedString(text));
}

} // namespace

CPrintJob::CPrintJob(const CLineSource& text, int lineCount, const PrintOptions& options)
    : m_text(text), m_lineCount(lineCount), m_options(options)
{
}

bool CPrintJob::Begin(QPrinter& printer, const Progress& progress)
{
    LogFont printFont = m_options.screenFont;
    printFont.height =
        PrintFontSize(printFont.height, printer.logicalDpiY(), m_options.screenDpiY);
    printFont.width = PrintFontSize(printFont.width, printer.logicalDpiX(), m_options.screenDpiX);
    m_font = MakeViewFont(printFont);
    const QFontMetricsF metrics(m_font, &printer);
    PrintFontMetrics font;
    // Advances are rounded up so that a row measured to fit never runs past the margin.
    for (int b = 0; b < 256; ++b)
        font.advance[b] = static_cast<int>(
            std::ceil(metrics.horizontalAdvance(DisplayChar(static_cast<uint8_t>(b)))));
    font.lineHeight = static_cast<int>(std::ceil(metrics.height()));
    m_ascent = static_cast<int>(std::ceil(metrics.ascent()));

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
    painter.setFont(m_font);
    painter.setPen(Qt::black);
    for (const PrintedRow& row : m_pagination->RowsOfPage(page))
        PaintRow(painter, layout.textArea.left, row.y + m_ascent, row.text);
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
