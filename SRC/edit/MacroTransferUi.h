// Export and Import of the macros as the Macros options page offers them: a file dialog, the
// transfer, and a message box when it fails.
#pragma once

#include <QString>

#include <functional>

class QWidget;
class SettingsStore;

// Asks for the macro file to save to (save) or to open; empty on cancel.
using MacroFileAsker = std::function<QString(QWidget* parent, bool save)>;
// Shows a failure message.
using MessageTeller = std::function<void(QWidget* parent, const QString& message)>;

QString AskMacroFile(QWidget* parent, bool save);
void TellInMessageBox(QWidget* parent, const QString& message);

// False when the user cancelled the file dialog. After an import that was not cancelled the
// page shows the macros afresh: records read before a fault stay imported.
bool ExportMacrosAsked(QWidget* parent, const SettingsStore& store,
                       const MacroFileAsker& ask = &AskMacroFile,
                       const MessageTeller& tell = &TellInMessageBox);
bool ImportMacrosAsked(QWidget* parent, SettingsStore& store,
                       const MacroFileAsker& ask = &AskMacroFile,
                       const MessageTeller& tell = &TellInMessageBox);
