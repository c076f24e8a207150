// The file dialog and messages of macro export and import.
#include "edit/MacroTransferUi.h"

#include "controls/KFileDialog.h"
#include "edit/core/Macros.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

constexpr std::string_view kMacroFilter =
    "Tagwright Macroses file (*.tgm)|*.tgm|All Files (*.*)|*.*||";

bool Report(QWidget* parent, const MacroTransfer& transfer, const MessageTeller& tell)
{
    if (!transfer.ok)
        tell(parent, QString::fromStdString(transfer.message));
    return true;
}

} // namespace

QString AskMacroFile(QWidget* parent, bool save)
{
    QFileDialog dialog(parent);
    dialog.setNameFilters(CKFileDialog::NameFilters(kMacroFilter));
    if (save) {
        // The dialog asks before an existing file is replaced.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("tgm"));
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

void TellInMessageBox(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::NoIcon, QString(), message, QMessageBox::Ok, parent);
    box.exec();
}

bool ExportMacrosAsked(QWidget* parent, const SettingsStore& store, const MacroFileAsker& ask,
                       const MessageTeller& tell)
{
    const QString path = ask(parent, true);
    return !path.isEmpty() && Report(parent, ExportMacros(store, path.toStdString()), tell);
}

bool ImportMacrosAsked(QWidget* parent, SettingsStore& store, const MacroFileAsker& ask,
                       const MessageTeller& tell)
{
    const QString path = ask(parent, false);
    return !path.isEmpty() && Report(parent, ImportMacros(store, path.toStdString()), tell);
}
