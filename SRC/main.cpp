// Entry point of the Tagwright editor.
#include "doc/AppIdentity.h"
#include "doc/CommandLine.h"
#include "doc/Tagwright.h"

#include <QApplication>
#include <QDir>

#include <csignal>
#include <cstdio>

int main(int argc, char* argv[])
{
    // A write past the file-size limit then fails with "File too large" and the save says so,
    // instead of the signal killing the editor with every unsaved text.
    std::signal(SIGXFSZ, SIG_IGN);

    // Help, version and mistakes are answered before the toolkit looks for a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = ParseCommandLine(arguments, QDir::currentPath());
    if (commandLine.action != CommandLine::Action::Run) {
        std::fputs(commandLine.output.toLocal8Bit().constData(),
                   commandLine.action == CommandLine::Action::Error ? stderr : stdout);
        return commandLine.exitCode;
    }

    // The toolkit is given the program's name alone, so no file is taken for its options.
    int toolkitArgc = 1;
    QApplication qapp(toolkitArgc, argv);
    SetApplicationIdentity();
    CTagwrightApp app;
    if (!app.InitInstance(commandLine))
        return 0;
    const int code = app.ExitRequested() ? 0 : QApplication::exec();
    app.ExitInstance();
    return code;
}
