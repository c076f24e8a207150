// The real program's life under an X server: files handed over while it shows a message, the
// keys before the first click, the first size, the default browser's failure, the signals that
// end it and a save over the file-size limit.
#include "E2eSupport.h"

#include "settings/core/GlobalRecord.h"

#include <QSettings>
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {

QVariant SettingsValue(const Profile& profile, const char* key)
{
    return QSettings(QString::fromStdString(profile.SettingsFile()), QSettings::IniFormat)
        .value(QString::fromLatin1(key));
}

constexpr char kMainWindow[] = "^Tagwright - ";
// Message boxes carry the program's name alone.
constexpr char kMessageBox[] = "^Tagwright$";

bool TitleBecomes(const std::string& window, const std::string& title)
{
    return WaitUntil([&] { return WindowName(window) == title; });
}

// A desktop opener in the profile's own folder of programs: it notes the file it was given
// and ends with the given status. The environment entry puts it first on the search path.
std::string FakeOpener(const Profile& profile, int status)
{
    const std::string bin = profile.File("bin");
    std::filesystem::create_directories(bin);
    const std::string note = profile.File("opened");
    WriteFile(bin + "/xdg-open", "#!/bin/sh\necho \"$1\" > '" + note + ".tmp' && mv '" + note
                                     + ".tmp' '" + note + "'\nexit " + std::to_string(status)
                                     + "\n");
    std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
    return "PATH=" + bin + ":" + (std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin");
}

std::string OpenedFile(const Profile& profile)
{
    std::string text = ReadFile(profile.File("opened"));
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

TEST(Session, HandedOverFileThatShowsAMessageLeavesTheFirstInstanceRunning)
{
    Profile profile;
    WriteFile(profile.File("a.html"), "<p>a</p>\n");
    // Opening a folder fails with a message box, also for a user who may read everything.
    std::filesystem::create_directory(profile.File("folder.html"));
    AppProcess first(profile, {"a.html"});
    const std::string window = WaitForWindow(first.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());

    AppProcess second(profile, {"folder.html"});
    EXPECT_EQ(second.WaitExit(), 0);
    const std::string box = WaitForWindow(first.Pid(), kMessageBox);
    ASSERT_FALSE(box.empty());
    SendKeys(box, {"Return"});
    EXPECT_TRUE(WaitUntil([&] { return FindWindows(first.Pid(), kMessageBox).empty(); }));

    // Still running and still taking files: a missing one opens as a new text of that name.
    AppProcess third(profile, {"new.html"});
    EXPECT_EQ(third.WaitExit(), 0);
    EXPECT_TRUE(TitleBecomes(window, "Tagwright - [new.html]")) << WindowName(window);
    EXPECT_TRUE(first.Running());
    EXPECT_FALSE(FileExists(profile.File("new.html")));
}

TEST(Session, KeysWorkBeforeTheFirstClick)
{
    Profile profile;
    // The pointer away from where the window opens: nothing gives it the focus but the program.
    RunCommand("xdotool mousemove 1279 1023");
    AppProcess app(profile, {}, {FakeOpener(profile, 0)});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(TitleBecomes(window, "Tagwright - [HTML1]"));
    // F5 previews the untitled text through the desktop's opener.
    EXPECT_TRUE(WaitUntil([&] {
        RunCommand("xdotool key F5");
        return FileExists(profile.File("opened"));
    }));
}

TEST(Session, KeysReachTheTextAgainAfterADialogCloses)
{
    Profile profile;
    // No window manager gives the focus back, and the pointer is away from the windows.
    RunCommand("xdotool mousemove 1279 1023");
    AppProcess app(profile, {"new.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(TitleBecomes(window, "Tagwright - [new.html]"));
    SendKeys(window, {"ctrl+g"});
    const std::string dialog = WaitForWindow(app.Pid(), "^Go to line number$");
    ASSERT_FALSE(dialog.empty());
    SendKeys(dialog, {"Escape"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Go to line number$").empty(); }));
    ASSERT_TRUE(Sync(window));
    // Keys sent to whatever has the focus now, as a user types: they reach the text.
    EXPECT_TRUE(WaitUntil([&] {
        RunCommand("xdotool key x");
        Sync(window);
        return WindowName(window) == "Tagwright - [new.html *]";
    }));
    RunCommand("xdotool key ctrl+s");
    ASSERT_TRUE(TitleBecomes(window, "Tagwright - [new.html]")) << WindowName(window);
    const std::string saved = ReadFile(profile.File("new.html"));
    EXPECT_FALSE(saved.empty());
    EXPECT_EQ(saved.find_first_not_of('x'), std::string::npos) << saved;
}

TEST(Session, FirstWindowFitsAScreenAtScaleFactorTwo)
{
    Profile profile;
    AppProcess app(profile, {}, {"QT_SCALE_FACTOR=2"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    std::string geometry;
    RunCommand("xdotool getwindowgeometry --shell " + window, &geometry);
    const auto value = [&](const std::string& name) {
        const size_t at = geometry.find(name + "=");
        return at == std::string::npos ? -1 : std::atoi(geometry.c_str() + at + name.size() + 1);
    };
    EXPECT_GT(value("WIDTH"), 0) << geometry;
    EXPECT_LE(value("WIDTH"), 1280) << geometry;
    EXPECT_LE(value("HEIGHT"), 1024) << geometry;
}

TEST(Session, DefaultBrowserThatFailsIsReportedAndThePreviewFileRemoved)
{
    Profile profile;
    AppProcess app(profile, {}, {FakeOpener(profile, 3)});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    SendKeys(window, {"F5"});
    ASSERT_TRUE(WaitUntil([&] { return FileExists(profile.File("opened")); }));
    EXPECT_FALSE(WaitForWindow(app.Pid(), kMessageBox).empty());
    EXPECT_FALSE(FileExists(OpenedFile(profile)));
    EXPECT_FALSE(OpenedFile(profile).empty());
    EXPECT_EQ(SettingsValue(profile, "Settings/LastFiles/LastPreview").toString(), QString());

    // A signal while the message shows still ends the program through its exit.
    ASSERT_TRUE(app.Running());
    kill(app.Pid(), SIGTERM);
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_EQ(SettingsValue(profile, "Settings/GLOBAL").toByteArray().size(), 764);
}

TEST(Session, TheDocumentsOfTheLastRunComeBack)
{
    Profile profile;
    WriteFile(profile.File("a.html"), "<p>a</p>\n");
    WriteFile(profile.File("b.html"), "<p>b</p>\n");
    {
        AppProcess app(profile, {"a.html", "b.html"});
        ASSERT_FALSE(WaitForWindow(app.Pid(), "^Tagwright - \\[b.html\\]$").empty());
        kill(app.Pid(), SIGTERM);
        ASSERT_EQ(app.WaitExit(), 0);
    }
    // Started without files, it shows both again, the active one in front.
    AppProcess again(profile, {});
    const std::string window = WaitForWindow(again.Pid(), "^Tagwright - \\[b.html\\]$");
    ASSERT_FALSE(window.empty());
    SendKeys(window, {"ctrl+Tab"});
    EXPECT_TRUE(TitleBecomes(window, "Tagwright - [a.html]")) << WindowName(window);
}

TEST(Session, ExitSignalsEndThroughTheNormalExitPath)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        Profile profile;
        WriteFile(profile.File("page.html"), "<p>page</p>\n");
        AppProcess app(profile, {}, {FakeOpener(profile, 0)});
        const std::string window = WaitForWindow(app.Pid(), kMainWindow);
        ASSERT_FALSE(window.empty());
        // An untitled text and its preview file.
        SendKeys(window, {"F5"});
        ASSERT_TRUE(WaitUntil([&] { return FileExists(profile.File("opened")); }));
        const std::string preview = OpenedFile(profile);
        EXPECT_EQ(preview.rfind(profile.runtime + "/", 0), 0u) << preview;
        EXPECT_TRUE(FileExists(preview));

        kill(app.Pid(), signal);
        EXPECT_EQ(app.WaitExit(), 0);
        EXPECT_FALSE(FileExists(preview));
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(preview).parent_path()));
        EXPECT_EQ(SettingsValue(profile, "Settings/GLOBAL").toByteArray().size(), 764);
        EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Error code").toInt(), -1);
        EXPECT_EQ(SettingsValue(profile, "Settings/LastFiles/LastPreview").toString(), QString());

        // The lock went with it: the next start runs itself.
        AppProcess next(profile, {"page.html"});
        EXPECT_FALSE(WaitForWindow(next.Pid(), "^Tagwright - \\[page.html\\]$").empty());
    }
}

TEST(Session, SignalDuringTheStartUpReportEndsThroughTheExit)
{
    Profile profile;
    {
        // The trail of a run that ended without its clean-exit record.
        QSettings settings(QString::fromStdString(profile.SettingsFile()), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Settings/Debug Subsystem/Debug mode"), 1);
        settings.setValue(QStringLiteral("Settings/Debug Subsystem/Error code"), 0);
    }
    AppProcess app(profile, {});
    ASSERT_FALSE(WaitForWindow(app.Pid(), "^Tagwright: Debug subsystem$").empty());
    kill(app.Pid(), SIGTERM);
    EXPECT_EQ(app.WaitExit(), 0);
    EXPECT_EQ(SettingsValue(profile, "Settings/Debug Subsystem/Error code").toInt(), -1);
    EXPECT_EQ(SettingsValue(profile, "Settings/GLOBAL").toByteArray().size(), 764);
}

TEST(Session, SaveOverTheFileSizeLimitFailsWithAMessage)
{
    Profile profile;
    const std::string text = std::string(100, 'a') + "\n";
    std::string big;
    while (big.size() < 256 * 1024)
        big += text;
    WriteFile(profile.File("big.txt"), big);

    // The limit is inherited by the program, then the test's own is restored.
    rlimit old;
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &limited);
    AppProcess app(profile, {"big.txt"});
    setrlimit(RLIMIT_FSIZE, &old);

    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(TitleBecomes(window, "Tagwright - [big.txt]"));
    SendKeys(window, {"ctrl+s"});
    EXPECT_FALSE(WaitForWindow(app.Pid(), kMessageBox).empty());
    EXPECT_TRUE(app.Running());
    EXPECT_EQ(ReadFile(profile.File("big.txt")), big);
}

} // namespace
