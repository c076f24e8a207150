// The print dialogs and the progress of a print job.
#include "view/PrintCommands.h"

#include "view/core/PageSetup.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kMaxMarginMm = 1000.0;
// The print font sizes offered besides those of the screen font.
constexpr int kFontPoints[] = {6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24};

QDoubleSpinBox* MarginBox(int32_t hundredths)
{
    auto* box = new QDoubleSpinBox;
    box->setDecimals(2);
    box->setRange(0.0, kMaxMarginMm);
    box->setSingleStep(1.0);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(hundredths / 100.0);
    return box;
}

int32_t Hundredths(const QDoubleSpinBox* box)
{
    return static_cast<int32_t>(std::lround(box->value() * 100.0));
}

} // namespace

QPrinter& ApplicationPrinter()
{
    // Made on first use, after the application object, and kept to the end of the process:
    // the windows that print come and go, the user's printer choices stay.
    static QPrinter* printer = new QPrinter(QPrinter::HighResolution);
    return *printer;
}

bool RunPrintSetup(QWidget* parent)
{
    QPageSetupDialog dialog(&ApplicationPrinter(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    return dialog.exec() == QDialog::Accepted;
}

bool PrintWithProgress(QWidget* parent, QPrinter& printer, const PrintRequest& request)
{
    QProgressDialog progress(QObject::tr("Preparing the pages..."), QObject::tr("Cancel"), 0,
                             std::max(request.lineCount, 1), parent);
    progress.setWindowTitle(QObject::tr("Print"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    auto step = [&progress](int done, int total) {
        progress.setMaximum(std::max(total, 1));
        progress.setValue(done);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    CPrintJob job(request.text, request.lineCount, request.options);
    if (!job.Begin(printer, step))
        return false;
    progress.setLabelText(QObject::tr("Printing %n page(s)...", nullptr, job.PageCount()));
    const bool printed = job.PrintPages(printer, step);
    progress.setValue(progress.maximum());
    return printed;
}

bool PrintWithDialog(QWidget* parent, QPrinter& printer, const PrintRequest& request)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return PrintWithProgress(parent, printer, request);
}

void ShowPrintPreview(QWidget* parent, QPrinter& printer, const PrintRequest& request)
{
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { PrintWithProgress(&preview, *target, request); });
    preview.exec();
}

CPageSetupDialog::CPageSetupDialog(const PageMargins& margins, int32_t fontSize, QWidget* parent)
    : QDialog(parent), m_left(MarginBox(margins.left)), m_right(MarginBox(margins.right)),
      m_top(MarginBox(margins.top)), m_bottom(MarginBox(margins.bottom)), m_fontSize(new QComboBox)
{
    setWindowTitle(tr("Page Setup"));
    auto* form = new QFormLayout(this);
    form->addRow(tr("&Left:"), m_left);
    form->addRow(tr("&Right:"), m_right);
    form->addRow(tr("&Top:"), m_top);
    form->addRow(tr("&Bottom:"), m_bottom);

    m_fontSize->setObjectName(QStringLiteral("printFontSize"));
    m_fontSize->addItem(tr("As on the screen"), kPrintFontAsScreen);
    m_fontSize->addItem(tr("Half the screen size"), kPrintFontHalfScreen);
    for (const int points : kFontPoints)
        m_fontSize->addItem(tr("%1 pt").arg(points), points);
    if (m_fontSize->findData(fontSize) < 0 && fontSize > 0) // a size kept by hand in the file
        m_fontSize->addItem(tr("%1 pt").arg(fontSize), fontSize);
    m_fontSize->setCurrentIndex(std::max(m_fontSize->findData(fontSize), 0));
    form->addRow(tr("Print &font size:"), m_fontSize);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

PageMargins CPageSetupDialog::Margins() const
{
    return {Hundredths(m_left), Hundredths(m_right), Hundredths(m_top), Hundredths(m_bottom)};
}

int32_t CPageSetupDialog::FontSize() const { return m_fontSize->currentData().toInt(); }

bool RunPageSetup(QWidget* parent, SettingsStore& store)
{
    CPageSetupDialog dialog(ReadPageMargins(store), ReadPrintFontSize(store), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool margins = WritePageMargins(store, dialog.Margins());
    return WritePrintFontSize(store, dialog.FontSize()) && margins;
}
