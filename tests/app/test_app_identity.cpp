// The program names the desktop entry that the build installs, with the icon and window class
// that entry gives, and carries its icon in every installed size.
#include "app/AppIdentity.h"

#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QSettings>
#include <gtest/gtest.h>

namespace {

TEST(AppIdentityTest, MatchesTheInstalledDesktopEntry)
{
    SetApplicationIdentity();
    const QDir desktop(QStringLiteral(TW_BUILD_DIR "/SRC/res/desktop"));
    const QStringList entries = desktop.entryList({QStringLiteral("*.desktop")});
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front(), QGuiApplication::desktopFileName() + QStringLiteral(".desktop"));

    QSettings entry(desktop.filePath(entries.front()), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(entry.value(QStringLiteral("Icon")).toString(), QGuiApplication::desktopFileName());
    // Under X11 the window class is the application's name.
    EXPECT_EQ(entry.value(QStringLiteral("StartupWMClass")).toString(),
              QGuiApplication::applicationName());

    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

} // namespace
