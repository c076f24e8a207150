// Entry point of the Tagwright editor: the command line, then the desktop's services handed to
// the application.
#include "app/AppIdentity.h"
#include "app/DesktopHost.h"
#include "app/Tagwright.h"
#include "instance/CommandLine.h"
#include "instance/InstanceGuard.h"
#include "settings/DebugReportDialog.h"
#include "settings/KSettingsStore.h"

#include <QApplication>
#include <QMainWindow>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The owner of dialogs: the active window, else the main window.
QWidget* DialogParent()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(widget))
            return widget;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    // A write past the file-size limit then fails with "File too large" and the save says so,
    // instead of the signal killing the editor with every unsaved text.
    std::signal(SIGXFSZ, SIG_IGN);

    // Help, version and mistakes are answered before the toolkit looks for a display.
    // File names are kept as the bytes they were given: they need not be UTF-8.
    const std::vector<std::string> arguments(argv, argv + argc);
    std::error_code noFolder;
    const std::string folder = std::filesystem::current_path(noFolder).string();
    const CommandLine commandLine = ParseCommandLine(arguments, folder);
    if (commandLine.action != CommandLine::Action::Run) {
        std::fputs(commandLine.output.toLocal8Bit().constData(),
                   commandLine.action == CommandLine::Action::Error ? stderr : stdout);
        return commandLine.exitCode;
    }

    // The toolkit is given the program's name alone, so no file is taken for its options.
    int toolkitArgc = 1;
    QApplication qapp(toolkitArgc, argv);
    SetApplicationIdentity();
    AppServices services;
    services.guard = std::make_unique<CKInstanceGuard>(CKInstanceGuard::DefaultFolder());
    const QString settingsPath = CKSettingsStore::DefaultPath();
    bool settingsRefused = false;
    services.store = CKSettingsStore::Open(settingsPath, settingsRefused);
    if (settingsRefused)
        services.refusedSettingsFile = settingsPath;
    services.host = std::make_unique<CKDesktopHost>(&DialogParent);
    services.askAfterCrash = &CKDebugReportDialog::Ask;
    CTagwrightApp app(std::move(services));
    if (!app.InitInstance(commandLine))
        return app.StartExitCode();
    const int code = app.ExitRequested() ? 0 : QApplication::exec();
    app.ExitInstance();
    return code;
}
