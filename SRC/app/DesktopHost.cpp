// File dialogs, message boxes, the wait cursor and starting browsers.
#include "app/DesktopHost.h"

#include "controls/KFileDialog.h"
#include "recovery/RecoveryDialog.h"
#include "res/Strings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

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
    request.paths = dialog.selectedFiles();
    request.path = request.paths.constFirst();
    // A typed path may name another folder than the one the dialog shows.
    request.folder = QFileInfo(request.path).absolutePath();
    request.codePage = dialog.CodePage();
    request.lineEnding = dialog.LineEnding();
    return true;
}

bool CKDesktopHost::ChooseFileToOpen(FileDialogRequest& request)
{
    return RunFileDialog(true, request);
}

bool CKDesktopHost::ChooseFileToSave(FileDialogRequest& request)
{
    return RunFileDialog(false, request);
}

void CKDesktopHost::ShowError(const QString& text)
{
    QMessageBox::critical(m_parent(), QApplication::applicationName(), text);
}

void CKDesktopHost::ShowText(const QString& title, const QString& text)
{
    ShowTextWindow(title, text, m_parent());
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

int CKDesktopHost::AskChoice(const QString& text, const QStringList& choices, int defaultChoice)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text,
                    QMessageBox::NoButton, m_parent());
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices)
        buttons << box.addButton(choice, QMessageBox::ActionRole);
    QAbstractButton* safe = buttons.value(defaultChoice);
    if (safe) {
        box.setDefaultButton(qobject_cast<QPushButton*>(safe));
        box.setEscapeButton(safe);
    }
    box.exec();
    const int chosen = static_cast<int>(buttons.indexOf(box.clickedButton()));
    return chosen >= 0 ? chosen : defaultChoice;
}

void CKDesktopHost::SetWaitCursor(bool on)
{
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void CKDesktopHost::OpenWithDefaultProgram(const QString& path, std::function<void()> onFailure)
{
    // The desktop's opener tells by its exit status whether a program took the file; the
    // editor goes on meanwhile. It may wait for the browser: it has no owner, so that the
    // editor's exit neither kills it nor waits for it.
    auto* opener = new QProcess;
    opener->setProgram(QStringLiteral("xdg-open"));
    opener->setArguments({QFileInfo(path).absoluteFilePath()});
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, onFailure](int code, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || code != 0)
                             onFailure();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, onFailure](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         onFailure();
                     });
    opener->start();
}

bool CKDesktopHost::StartProgram(const QString& program, const QStringList& arguments,
                                 QString& error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
        return true;
    error = process.errorString();
    return false;
}
