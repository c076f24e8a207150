// Entry point of the Tagwright editor.
#include "doc/Tagwright.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[])
{
    // A write past the file-size limit then fails with "File too large" and the save says so,
    // instead of the signal killing the editor with every unsaved text.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwright"));
    CTagwrightApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 0;
    const int code = app.ExitRequested() ? 0 : QApplication::exec();
    app.ExitInstance();
    return code;
}
