// The real program under an X server: the window title, the hand-over to a running instance,
// a file name that is not UTF-8, a clean exit, the report after a killed run, and a preview
// through the default browser.
#include "E2eSupport.h"

#include "settings/core/GlobalRecord.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QVariant SettingsValue(const Profile& profile, const char* key)
{
    return QSettings(Q(profile.SettingsFile()), QSettings::IniFormat)
        .value(QString::fromLatin1(key));
}

void SetSettingsValue(const Profile& profile, const char* key, const QVariant& value)
{
    QSettings settings(Q(profile.SettingsFile()), QSettings::IniFormat);
    settings.setValue(QString::fromLatin1(key), value);
}

constexpr char kMainWindow[] = "^Tagwright( - .*)?$";

// File > Exit from the keyboard.
void ExitThroughTheMenu(const std::string& window) { SendKeys(window, {"alt+f", "x"}); }

TEST(EndToEnd, WindowTitleNamesTheFileFromTheCommandLine)
{
    Profile profile;
    WriteFile(profile.File("page.html"), "<html><body>page</body></html>\n");
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    EXPECT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }))
        << WindowName(window);
}

TEST(EndToEnd, SecondInstanceHandsItsFileToTheFirstAndLeavesTheSettingsAlone)
{
    Profile profile;
    WriteFile(profile.File("second.html"), "<p>second</p>\n");
    AppProcess first(profile, {});
    const std::string window = WaitForWindow(first.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    EXPECT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [HTML1]"; }));

    AppProcess second(profile, {"second.html"});
    EXPECT_EQ(second.WaitExit(), 0);
    EXPECT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [second.html]"; }))
        << WindowName(window);
    EXPECT_FALSE(FileExists(profile.SettingsFile()));
    EXPECT_TRUE(first.Running());
}

TEST(EndToEnd, AFileNameThatIsNotUtf8IsOpenedAndSavedByItsBytes)
{
    Profile profile;
    const std::string file = profile.File("caf\xe9.html");
    WriteFile(file, "<p>old</p>");
    AppProcess first(profile, {});
    const std::string window = WaitForWindow(first.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    // Handed over by a later start, as a file manager does; shown with a replacement mark for
    // the byte that is not UTF-8.
    AppProcess second(profile, {"caf\xe9.html"});
    EXPECT_EQ(second.WaitExit(10000), 0);
    ASSERT_TRUE(
        WaitUntil([&] { return WindowName(window) == "Tagwright - [caf\xef\xbf\xbd.html]"; }, 5000))
        << WindowName(window);
    SendKeys(window, {"ctrl+End", "x", "ctrl+s"});
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(file) == "<p>old</p>x"; }, 8000)) << ReadFile(file);
    EXPECT_FALSE(FileExists(profile.File("caf\xef\xbf\xbd.html")));
}

// The text the program put on the clipboard, as UTF-8.
std::string Clipboard()
{
    std::string text;
    RunCommand("xclip -o -selection clipboard 2>/dev/null", &text);
    return text;
}

TEST(EndToEnd, SecondStartHandsItsFilesEncodingAndLineToTheRunningInstance)
{
    if (RunCommand("command -v xclip >/dev/null") != 0)
        GTEST_SKIP() << "xclip not found (Debian package xclip; scripts/setup installs it)";
    Profile profile;
    // Pages in KOI8-R in a folder of their own: the second start runs there, the first not.
    const std::string folder = profile.File("pages");
    std::filesystem::create_directories(folder);
    WriteFile(folder + "/a.html", "<p>\n\xF3\xD4\xD2\xCF\xCB\xC1 A</p>"); // "Строка A"
    WriteFile(folder + "/b.html", "<p>\none\n\xF4\xD2\xC5\xD4\xD8\xD1 B\nfour\n"); // "Третья B"
    AppProcess first(profile, {});
    const std::string window = WaitForWindow(first.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [HTML1]"; }));

    AppProcess second(profile, {"--encoding", "koi8r", "--line", "3", "a.html", "b.html"}, {},
                      folder);
    EXPECT_EQ(second.WaitExit(), 0);
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [b.html]"; }))
        << WindowName(window);
    // The caret stands at the start of line 3: Shift+End selects that line.
    SendKeys(window, {"shift+End", "ctrl+c"});
    EXPECT_TRUE(WaitUntil([] { return Clipboard() == "Третья B"; })) << Clipboard();

    // a.html has two lines: the caret went to the end of its text. The windows in front of it
    // close first.
    for (const char* title : {"Tagwright - [b.html]", "Tagwright - [HTML1]"}) {
        if (WindowName(window) == title) {
            SendKeys(window, {"alt+f", "c"});
            WaitUntil([&] { return WindowName(window) != title; });
        }
    }
    ASSERT_EQ(WindowName(window), "Tagwright - [a.html]");
    SendKeys(window, {"shift+Home", "ctrl+c"});
    EXPECT_TRUE(WaitUntil([] { return Clipboard() == "Строка A</p>"; })) << Clipboard();
    EXPECT_TRUE(first.Running());
}

// The desktop groups the window with the installed entry: its class is the entry's
// StartupWMClass, and it carries the icon.
TEST(EndToEnd, WindowBelongsToTheDesktopEntry)
{
    Profile profile;
    AppProcess app(profile, {});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    std::string wmClass, icon, entry;
    ASSERT_EQ(RunCommand("xprop -id " + window + " WM_CLASS", &wmClass), 0);
    RunCommand("xprop -id " + window + " _NET_WM_ICON | head -c 200", &icon);
    RunCommand("grep -h '^StartupWMClass=' " TW_BUILD_DIR "/SRC/res/desktop/*.desktop", &entry);
    ASSERT_EQ(entry.rfind("StartupWMClass=", 0), 0u) << entry;
    const std::string windowClass = entry.substr(15, entry.find('\n') - 15);
    EXPECT_NE(wmClass.find(", \"" + windowClass + "\""), std::string::npos) << wmClass;
    EXPECT_NE(icon.find("_NET_WM_ICON(CARDINAL) ="), std::string::npos) << icon;
}

TEST(EndToEnd, CleanExitWritesTheSettings)
{
    Profile profile;
    AppProcess app(profile, {});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ExitThroughTheMenu(window);
    ASSERT_EQ(app.WaitExit(), 0);
    EXPECT_EQ(SettingsValue(profile, "Settings/GLOBAL").toByteArray().size(), 764);
    EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Error code").toInt(), -1);
    EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Debug mode").toInt(), 0);
}

TEST(EndToEnd, KilledRunIsReportedAtTheNextStart)
{
    Profile profile;
    SetSettingsValue(profile, "Settings/Debug Subsystem/Debug mode", 1);
    {
        AppProcess killed(profile, {});
        ASSERT_FALSE(WaitForWindow(killed.Pid(), kMainWindow).empty());
        killed.Kill(SIGKILL);
    }
    EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Error code").toInt(), 0);
    EXPECT_GT(SettingsValue(profile, "Settings/Debug Subsystem/Number of items").toInt(), 2);

    // The killed run's lock does not keep the next start from running.
    AppProcess next(profile, {});
    const std::string report = WaitForWindow(next.Pid(), "^Tagwright: Debug subsystem$");
    ASSERT_FALSE(report.empty());
    EXPECT_TRUE(FindWindows(next.Pid(), kMainWindow).empty());
    // The focus starts on "Ignore error"; two steps on is "Close program".
    SendKeys(report, {"Tab", "Tab", "space"});
    EXPECT_EQ(next.WaitExit(), 0);
    EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Error code").toInt(), -1);
    EXPECT_FALSE(SettingsValue(profile, "Settings/GLOBAL").isValid());

    // Shown once: the start after it opens the editor.
    AppProcess after(profile, {});
    EXPECT_FALSE(WaitForWindow(after.Pid(), kMainWindow).empty());
    EXPECT_TRUE(FindWindows(after.Pid(), "Debug subsystem").empty());
}

TEST(EndToEnd, PreviewOpensThePreviewFileInTheDefaultBrowserAndExitRemovesIt)
{
    Profile profile;
    // A stand-in browser registered for HTML pages: it notes the file it was given.
    const std::string seen = profile.File("browser-saw.txt");
    const std::string stub = profile.File("stub-browser");
    WriteFile(stub, "#!/bin/sh\ncp \"$1\" '" + seen + ".tmp' && echo \"$1\" >> '" + seen
                        + ".tmp' && mv '" + seen + ".tmp' '" + seen + "'\n");
    std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
    std::filesystem::create_directories(profile.data + "/applications");
    WriteFile(profile.data + "/applications/stub-browser.desktop",
              "[Desktop Entry]\nType=Application\nName=Stub\nExec=" + stub
                  + " %f\nMimeType=text/html;\n");
    WriteFile(profile.config + "/mimeapps.list",
              "[Default Applications]\ntext/html=stub-browser.desktop\n");

    // The preview goes through its own file when the document is not saved first.
    PreferenceValues preferences = DefaultPreferences();
    preferences.saveBeforePreview = 0;
    const std::vector<uint8_t> record = EncodeGlobalRecord(preferences, {});
    SetSettingsValue(profile, "Settings/GLOBAL",
                     QByteArray(reinterpret_cast<const char*>(record.data()), int(record.size())));

    const std::string page = "<html><body>preview me</body></html>";
    WriteFile(profile.File("page.html"), page + "\n");
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), "page.html");
    ASSERT_FALSE(window.empty());
    SendKeys(window, {"F5"});
    ASSERT_TRUE(WaitUntil([&] { return FileExists(seen); }));
    const std::string previewFile = profile.File("~TagwrightPreview.HTML");
    EXPECT_EQ(ReadFile(seen), page + "\n" + previewFile + "\n");
    EXPECT_TRUE(FileExists(previewFile));
    EXPECT_EQ(SettingsValue(profile, "Settings/LastFiles/LastPreview").toString(), Q(previewFile));

    ExitThroughTheMenu(window);
    ASSERT_EQ(app.WaitExit(), 0);
    EXPECT_FALSE(FileExists(previewFile));
    EXPECT_EQ(SettingsValue(profile, "Settings/LastFiles/LastPreview").toString(), QString());
}

TEST(EndToEnd, PageIsShownInTheRecordsColours)
{
    Profile profile;
    std::string page;
    for (int i = 0; i < 30; ++i)
        page += "<table><tr><td>cell &amp; more</td></tr></table>\n";
    WriteFile(profile.File("page.html"), page);
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }));

    const PreferenceValues defaults = DefaultPreferences();
    const uint32_t keyword = defaults.colours[3].text;
    const uint32_t background = defaults.colours[0].background;
    int keywordPixels = 0;
    EXPECT_TRUE(WaitUntil([&] {
        const std::string histogram = ScreenHistogram(profile);
        keywordPixels = CountPixels(histogram, keyword);
        return keywordPixels > 100 && CountPixels(histogram, background) > 10000;
    })) << keywordPixels
        << " pixels in the keyword colour";
}

} // namespace
