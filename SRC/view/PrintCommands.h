// Print, print without dialog, Print Preview and Page Setup of a text: the dialogs, the
// printer and the progress with its Cancel button around a print job.
#pragma once

#include "view/PrintJob.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPrinter;
class QWidget;
class SettingsStore;

// What to print: the text and the options the view and the settings give at the moment.
struct PrintRequest {
    const CTextLines& text;
    int lineCount = 0;
    PrintOptions options;
};

// The printer every job and Print Setup use; it keeps the user's choices between jobs.
QPrinter& ApplicationPrinter();
// Print Setup: the paper and orientation of the application's printer. True on OK.
bool RunPrintSetup(QWidget* parent);

// Runs a job on the printer with a progress dialog whose Cancel stops it between pages.
// False when cancelled or the printer failed.
bool PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintRequest& request);
// The print dialog first; false also when the dialog was cancelled.
bool PrintWithDialog(QWidget* parent, QPrinter& printer, const PrintRequest& request);
// Shows the pages in the preview window, which can print them too.
void ShowPrintPreview(QWidget* parent, QPrinter& printer, const PrintRequest& request);

// The page-setup dialog: the four margins in millimetres to a hundredth and the print font's
// size (see PrintFont).
class CPageSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit CPageSetupDialog(const PageMargins& margins, int32_t fontSize = kPrintFontAsScreen,
                              QWidget* parent = nullptr);
    PageMargins Margins() const;
    int32_t FontSize() const;

private:
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_right;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_bottom;
    QComboBox* m_fontSize;
};

// Page Setup: the dialog initialised from the settings; OK writes the margins and the font
// size back (the next job uses them), Cancel changes nothing. True when they were written.
bool RunPageSetup(QWidget* parent, SettingsStore& store);
