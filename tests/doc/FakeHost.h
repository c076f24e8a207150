// A desktop stand-in for the document tests: scripted dialog answers and a record of what the
// document showed and started.
#pragma once

#include "doc/DocHost.h"

#include <deque>
#include <functional>
#include <vector>

class FakeHost : public CKDocHost {
public:
    bool ChooseFileToOpen(FileDialogRequest& request) override { return Choose(request); }
    bool ChooseFileToSave(FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return Choose(request);
    }
    void ShowError(const QString& text) override { errors << text; }
    void ShowWarning(const QString& text) override { warnings << text; }
    bool AskYesNo(const QString& text) override
    {
        questions << text;
        return answerYes;
    }
    Answer AskYesNoCancel(const QString& text) override
    {
        questions << text;
        if (whenAsked)
            whenAsked();
        return saveChangesAnswer;
    }
    int AskChoice(const QString& text, const QStringList&, int defaultChoice) override
    {
        questions << text;
        if (!choices.empty()) {
            const int next = choices.front();
            choices.pop_front();
            return next;
        }
        return choice < 0 ? defaultChoice : choice;
    }
    void ShowText(const QString& title, const QString& text) override
    {
        shownTexts << title + '\n' + text;
    }
    void SetWaitCursor(bool) override {}
    void OpenWithDefaultProgram(const QString& path, std::function<void()> onFailure) override
    {
        opened << path;
        if (!defaultProgramWorks)
            onFailure();
    }
    bool StartProgram(const QString& program, const QStringList& arguments, QString& error) override
    {
        started.push_back(QStringList{program} + arguments);
        error = QStringLiteral("not started");
        return programsStart;
    }

    // The next save or open dialog: null cancels it.
    std::function<void(FileDialogRequest&)> dialog;

    std::vector<FileDialogRequest> saveRequests;
    QStringList errors;
    QStringList warnings;
    QStringList questions;
    QStringList opened;
    QStringList shownTexts; // title, a line feed and the text
    std::vector<QStringList> started;
    bool answerYes = true;
    Answer saveChangesAnswer = Answer::Yes;
    std::function<void()> whenAsked; // runs while a Yes/No/Cancel question is open
    int choice = -1;                 // the button AskChoice presses; -1 for the default
    std::deque<int> choices;         // buttons for the next questions, before choice applies
    bool defaultProgramWorks = true;
    bool programsStart = true;

private:
    bool Choose(FileDialogRequest& request)
    {
        if (!dialog)
            return false;
        dialog(request);
        return true;
    }
};
