// File dialogs, message boxes, the wait cursor and starting browsers.
#include "app/DesktopHost.h"

#include "controls/KFileDialog.h"
#include "res/Strings.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

bool CKDesktopHost::RunFileDialog(bool open, FileDialogRequest& request)
{
    CKFileDialog dialog(open ? CKFileDialog::Mode::Open : CKFileDialog::Mode::Save, QString(),
                        ResString(IDS_FILE_FILTER), m_parent());
    const QFileInfo proposed(request.fileName);
    const bool hasFolder = request.fileName.contains(QLatin1Char('/'));
    if (hasFolder)
        dialog.setDirectory(proposed.absolutePath());
    else if (!request.initialFolder.isEmpty())
        dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(proposed.fileName());
    dialog.SetCodePage(request.codePage);
    dialog.SetLineEnding(request.lineEnding);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    request.path = dialog.selectedFiles().constFirst();
    request.folder = dialog.directory().absolutePath();
    request.codePage = dialog.CodePage();
    request.lineEnding = dialog.LineEnding();
    return true;
}

bool CKDesktopHost::ChooseFileToOpen(FileDialogRequest& request) { return RunFileDialog(true, request); }

bool CKDesktopHost::ChooseFileToSave(FileDialogRequest& request) { return RunFileDialog(false, request); }

void CKDesktopHost::ShowError(const QString& text)
{
    QMessageBox::critical(m_parent(), QApplication::applicationName(), text);
}

void CKDesktopHost::ShowWarning(const QString& text)
{
    QMessageBox::warning(m_parent(), QApplication::applicationName(), text);
}

bool CKDesktopHost::AskYesNo(const QString& text)
{
    return QMessageBox::question(m_parent(), QApplication::applicationName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

Answer CKDesktopHost::AskYesNoCancel(const QString& text)
{
    switch (QMessageBox::question(m_parent(), QApplication::applicationName(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void CKDesktopHost::SetWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

bool CKDesktopHost::OpenWithDefaultProgram(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

bool CKDesktopHost::StartProgram(const QString& program, const QStringList& arguments, QString& error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
        return true;
    error = process.errorString();
    return false;
}
