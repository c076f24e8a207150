// One print job of a text on a printer: the print font, the pagination made once for the
// job, and each page painted with its rows and footer.
#pragma once

#include "settings/core/Preferences.h"
#include "view/LinePainter.h"
#include "view/core/Pagination.h"

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

// What a job takes from the view and the settings.
struct PrintOptions {
    LogFont screenFont = DefaultPreferences().font;
    int screenDpiX = 96;
    int screenDpiY = 96;
    int tabSize = 4;
    bool visibleWhitespace = false;
    int32_t fontSize = kPrintFontAsScreen; // see PrintFont
    PageMargins margins;
};

class CPrintJob {
public:
    // Progress of pagination and printing: (done, total); false stops the job.
    using Progress = std::function<bool(int, int)>;

    CPrintJob(const CTextLines& text, int lineCount, const PrintOptions& options);

    // Makes the print font for the printer and paginates; false when progress stopped it.
    bool Begin(QPrinter& printer, const Progress& progress = {});
    int PageCount() const { return m_pagination ? m_pagination->PageCount() : 0; }
    const CPagination* Pagination() const { return m_pagination.get(); }
    // Paints page (from 1) onto a painter that is open on the printer Begin saw.
    void PaintPage(QPainter& painter, int page) const;
    // Prints the pages of the printer's range (all when it has none) after Begin; false when
    // the printer failed or progress stopped the job.
    bool PrintPages(QPrinter& printer, const Progress& progress = {});

private:
    const CTextLines& m_text;
    int m_lineCount;
    PrintOptions m_options;
    CGlyphCache m_glyphs;
    ViewColours m_colours; // black on white for every class
    std::unique_ptr<CPagination> m_pagination;
};
