// The Files page of the Options dialog: file handling, the debug subsystem and the two
// external browsers.
#pragma once

#include "edit/MacroTransferUi.h"
#include "settings/core/Preferences.h"

#include <QWidget>

#include <functional>

class AppSettings;
class QCheckBox;
class QLineEdit;

// Asks for a file to open, starting at initial; empty on cancel.
using ProgramAsker = std::function<QString(QWidget* parent, const QString& initial)>;
QString AskProgramFile(QWidget* parent, const QString& initial);

class CPropFiles : public QWidget {
    Q_OBJECT
public:
    CPropFiles(AppSettings& settings, QWidget* parent = nullptr);

    void SetProgramAsker(ProgramAsker ask) { m_askProgram = std::move(ask); }
    void SetMessageTeller(MessageTeller tell) { m_tell = std::move(tell); }
    // Browser 1 or 2.
    QLineEdit* BrowserField(int browser) const { return m_paths[browser - 1]; }
    void Browse(int browser);
    // Applies the checks of Browse to the paths as typed (an empty one means no browser). On
    // the first that fails, tells the user why, puts the focus into its field and gives false.
    bool CheckBrowserPaths();

private:
    QCheckBox* AddCheckBox(const QString& text, Switch preference);
    QWidget* AddBrowser(int browser, const QString& title);
    void StorePath(int browser, const QString& text);
    // Why the path cannot be kept as a browser, or nothing.
    QString ProgramProblem(const QString& path) const;

    AppSettings& m_settings;
    QLineEdit* m_paths[2] = {};
    ProgramAsker m_askProgram = &AskProgramFile;
    MessageTeller m_tell = &TellInMessageBox;
};
