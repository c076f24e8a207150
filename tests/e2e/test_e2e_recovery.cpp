// Typed work outlives the program: killed outright or asked to end by a signal, the next start
// offers the text, restores it, and a save writes it to the original file in its code page.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace {

constexpr char kRecoveryDialog[] = "^Recover Unsaved Changes";

// The recovery copies under the profile, in any run's folder.
std::vector<std::string> Copies(const Profile& profile)
{
    std::vector<std::string> copies;
    const std::filesystem::path root = profile.home + "/.local/state/tagwright/recovery";
    std::error_code error;
    for (const auto& run : std::filesystem::directory_iterator(root, error))
        for (const auto& file : std::filesystem::directory_iterator(run.path(), error))
            if (file.path().extension() == ".twr")
                copies.push_back(file.path());
    return copies;
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
            ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html *]"; }));
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
        const std::string dialog = WaitForWindow(next.Pid(), kRecoveryDialog);
        ASSERT_FALSE(dialog.empty());
        SendKeys(dialog, {"alt+r"});
        const std::string window = WaitForWindow(next.Pid(), "^Tagwright - \\[page.html \\*\\]$");
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

} // namespace
