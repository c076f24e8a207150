// Entry point of the Tagwright editor.
#include "doc/Tagwright.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tagwright"));
    CTagwrightApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 0;
    const int code = QApplication::exec();
    app.ExitInstance();
    return code;
}
