// What a document or the application asks of the desktop: file dialogs, messages, questions
// and starting other programs. Tests put a scripted host in its place.
#pragma once

#include "text/FileFormat.h"

#include <QString>
#include <QStringList>

#include <functional>

// The file dialog with its code page and line-ending lists.
struct FileDialogRequest {
    // In.
    QString fileName;      // proposed name, may hold a folder
    QString initialFolder; // used when fileName has no folder
    CodePage codePage = CodePage::Windows1251;
    LineEnding lineEnding = LineEnding::Auto;
    // Out, on confirmation.
    QString path;      // the first file chosen
    QStringList paths; // every file chosen: an open dialog takes several at once
    QString folder;    // the folder the dialog ended in
};

enum class Answer { Yes, No, Cancel };

class CKDocHost {
public:
    virtual ~CKDocHost() = default;

    virtual bool ChooseFileToOpen(FileDialogRequest& request) = 0;
    virtual bool ChooseFileToSave(FileDialogRequest& request) = 0;
    virtual void ShowError(const QString& text) = 0;
    virtual void ShowWarning(const QString& text) = 0;
    virtual bool AskYesNo(const QString& text) = 0;
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // A question answered by one of the buttons named by choices; gives the index of the one
    // pressed. Escape or closing the box gives the default, so make that the safe one.
    virtual int AskChoice(const QString& text, const QStringList& choices, int defaultChoice) = 0;
    // A window with a text to read, such as the differences between two texts.
    virtual void ShowText(const QString& title, const QString& text) = 0;
    virtual void SetWaitCursor(bool on) = 0;
    // Opens a file with the desktop's default program for it. The answer comes later:
    // onFailure runs when the desktop could not show the file.
    virtual void OpenWithDefaultProgram(const QString& path, std::function<void()> onFailure) = 0;
    // Starts a program detached; on failure error holds the reason.
    virtual bool StartProgram(const QString& program, const QStringList& arguments,
                              QString& error) = 0;
};
