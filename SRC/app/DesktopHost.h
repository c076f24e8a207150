// The desktop's dialogs, message boxes and program starts for the documents and the
// application.
#pragma once

#include "doc/DocHost.h"

#include <functional>

class QWidget;

class CKDesktopHost : public CKDocHost {
public:
    // parent gives the dialogs their owner window; it may return null.
    explicit CKDesktopHost(std::function<QWidget*()> parent) : m_parent(std::move(parent)) {}

    bool ChooseFileToOpen(FileDialogRequest& request) override;
    bool ChooseFileToSave(FileDialogRequest& request) override;
    void ShowError(const QString& text) override;
    void ShowWarning(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    Answer AskYesNoCancel(const QString& text) override;
    int AskChoice(const QString& text, const QStringList& choices, int defaultChoice) override;
    void ShowText(const QString& title, const QString& text) override;
    void SetWaitCursor(bool on) override;
    void OpenWithDefaultProgram(const QString& path, std::function<void()> onFailure) override;
    bool StartProgram(const QString& program, const QStringList& arguments,
                      QString& error) override;

private:
    bool RunFileDialog(bool open, FileDialogRequest& request);

    std::function<QWidget*()> m_parent;
};
