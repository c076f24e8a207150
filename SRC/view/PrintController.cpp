// Printing a view's text.
#include "view/PrintController.h"

#include "doc/TagwrightDoc.h"
#include "view/KTextView.h"
#include "view/PrintCommands.h"
#include "view/core/PageSetup.h"

#include <QPrinter>

PrintOptions CKPrintController::Options() const
{
    PrintOptions options;
    options.screenFont = m_view.FontDescription();
    options.screenDpiX = m_view.logicalDpiX();
    options.screenDpiY = m_view.logicalDpiY();
    options.tabSize = m_view.TabSize();
    options.visibleWhitespace = m_view.ViewWhitespace();
    // Read at the start of every job, so that a change in Page Setup applies to the next one.
    options.margins = ReadPageMargins(m_view.Document().Settings().Store());
    options.fontSize = ReadPrintFontSize(m_view.Document().Settings().Store());
    return options;
}

void CKPrintController::Print(bool withDialog)
{
    const PrintRequest request{m_view.Lines(), m_view.LineCount(), Options()};
    QPrinter& printer = ApplicationPrinter();
    if (withDialog || !printer.isValid())
        PrintWithDialog(&m_view, printer, request);
    else
        PrintWithProgress(&m_view, printer, request);
}

void CKPrintController::Preview()
{
    ShowPrintPreview(&m_view, ApplicationPrinter(),
                     {m_view.Lines(), m_view.LineCount(), Options()});
}

void CKPrintController::PageSetup() { RunPageSetup(&m_view, m_view.Document().Settings().Store()); }
