// Typed work outlives the program: killed outright or asked to end by a signal, the next start
// offers the text, restores it, and a save writes it to the original file in its code page, or
// asks first where the file lost bytes when it was read. A recovery folder with things in it
// that are no copies does not stop the start.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kRecoveryDialog[] = "^Recover Unsaved Changes";
// Message boxes carry the program's name alone.
constexpr char kMessageBox[] = "^Tagwright$";

std::string RecoveryRoot(const Profile& profile)
{
    return profile.home + "/.local/state/tagwright/recovery";
}

// The recovery copies under the profile, in any run's folder.
std::vector<std::string> Copies(const Profile& profile)
{
    std::vector<std::string> copies;
    const std::filesystem::path root = RecoveryRoot(profile);
    std::error_code error;
    for (const auto& run : std::filesystem::directory_iterator(root, error))
        for (const auto& file : std::filesystem::directory_iterator(run.path(), error))
            if (file.path().extension() == ".twr")
                copies.push_back(file.path());
    return copies;
}

// At a start after a crash: restores the one copy offered, of page.html; the window of the
// restored text, or empty when none came.
std::string RestoreOfferedCopy(AppProcess& next)
{
    const std::string dialog = WaitForWindow(next.Pid(), kRecoveryDialog);
    if (dialog.empty())
        return {};
    SendKeys(dialog, {"alt+r"});
    return WaitForWindow(next.Pid(), "^Tagwright - \\[page.html \\*\\]$");
}

TEST(Recovery, TypedTextSurvivesKillAndTermAndIsSavedInItsCodePage)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    for (const int signal : {SIGKILL, SIGTERM}) {
        SCOPED_TRACE(signal);
        Profile profile;
        // "Мир" in KOI8-R.
        WriteFile(profile.File("page.html"), "\xed\xc9\xd2");
        {
            AppProcess app(profile, {"--encoding", "koi8r", "page.html"});
            const std::string window = WaitForWindow(app.Pid(), "^Tagwright - \\[page.html\\]$");
            ASSERT_FALSE(window.empty());
            SendKeys(window, {"End", "space", "o", "k"});
            ASSERT_TRUE(
                WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html *]"; }));
            // The copy comes 2 s after the last key; a signal does not wait for it.
            if (signal == SIGKILL) {
                ASSERT_TRUE(WaitUntil([&] { return Copies(profile).size() == 1; }));
            }
            app.Kill(signal);
            app.WaitExit();
        }
        ASSERT_EQ(Copies(profile).size(), 1u);
        EXPECT_EQ(ReadFile(profile.File("page.html")), "\xed\xc9\xd2");

        AppProcess next(profile, {});
        const std::string window = RestoreOfferedCopy(next);
        ASSERT_FALSE(window.empty());
        // Nothing reached the file before the save.
        EXPECT_EQ(ReadFile(profile.File("page.html")), "\xed\xc9\xd2");
        SendKeys(window, {"ctrl+s"});
        ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }))
            << WindowName(window);
        EXPECT_EQ(ReadFile(profile.File("page.html")), "\xed\xc9\xd2 ok");
        // Saved: the copy is gone.
        EXPECT_TRUE(WaitUntil([&] { return Copies(profile).empty(); }));
    }
}

TEST(Recovery, ARestoredTextAsksBeforeSavingOverBytesItsFileLost)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    // Box drawing in CP866, which Windows-1251 cannot hold.
    const std::string page = "<p>\xc9\xcd\xcd\xbb</p>";
    WriteFile(profile.File("page.html"), page);
    {
        AppProcess app(profile, {"--encoding", "cp866", "page.html"});
        const std::string warning = WaitForWindow(app.Pid(), kMessageBox);
        ASSERT_FALSE(warning.empty());
        SendKeys(warning, {"Return"});
        const std::string window = WaitForWindow(app.Pid(), "^Tagwright - \\[page.html\\]$");
        ASSERT_FALSE(window.empty());
        SendKeys(window, {"ctrl+End", "x"});
        ASSERT_TRUE(WaitUntil([&] { return Copies(profile).size() == 1; }, 8000));
        app.Kill(SIGKILL);
    }
    AppProcess next(profile, {});
    const std::string window = RestoreOfferedCopy(next);
    ASSERT_FALSE(window.empty());
    SendKeys(window, {"ctrl+s"});
    // The same question as before the crash; declined, the file keeps its box drawing.
    const std::string question = WaitForWindow(next.Pid(), kMessageBox, 8000);
    ASSERT_FALSE(question.empty()) << "saved without asking";
    SendKeys(question, {"Escape"});
    EXPECT_TRUE(WaitUntil([&] { return FindWindows(next.Pid(), kMessageBox).empty(); }, 5000));
    EXPECT_EQ(ReadFile(profile.File("page.html")), page);
    EXPECT_EQ(WindowName(window), "Tagwright - [page.html *]");
}

TEST(Recovery, APipeAndHugeFilesInTheRecoveryFolderAreListedAsDamagedAndKept)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    // The folder of a run that did not end cleanly.
    const std::string run = RecoveryRoot(profile) + "/run-1-1";
    std::filesystem::create_directories(run);
    ASSERT_EQ(mkfifo((run + "/doc1.twr").c_str(), 0600), 0);
    for (const auto& [name, size] :
         {std::pair{"doc2.twr", int64_t(200) << 30}, {"doc3.twr", int64_t(4) << 30}}) {
        WriteFile(run + "/" + name, "TWRECOVR");
        ASSERT_EQ(truncate((run + "/" + name).c_str(), size), 0);
    }
    AppProcess app(profile, {});
    const std::string dialog = WaitForWindow(app.Pid(), kRecoveryDialog);
    ASSERT_FALSE(dialog.empty()) << "the start hangs or ended";
    SendKeys(dialog, {"Escape"});
    EXPECT_FALSE(WaitForWindow(app.Pid(), "^Tagwright - ").empty());
    EXPECT_TRUE(app.Running());
    for (const char* name : {"doc1.twr", "doc2.twr", "doc3.twr"})
        EXPECT_TRUE(FileExists(run + "/" + name)) << name;
}

} // namespace
