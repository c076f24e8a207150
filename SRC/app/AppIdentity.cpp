// The program's name, version, desktop entry and window icon.
#include "app/AppIdentity.h"

#include "res/VersionInfo.h"

#include <QGuiApplication>
#include <QIcon>

void SetApplicationIdentity()
{
    // The icon files live in a static library, so their resource is registered by hand.
    Q_INIT_RESOURCE(appicon);

    // The name is also the window class the desktop entry's StartupWMClass names.
    QGuiApplication::setApplicationName(QStringLiteral("Tagwright"));
    QGuiApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionBuild));
    QGuiApplication::setDesktopFileName(QStringLiteral(TW_APP_ID));

    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
}
