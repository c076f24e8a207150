// A UTF-8 page opened as Windows-1251 in the real program: the hint bar's button, reached from
// the keyboard, reopens it as UTF-8 (only in the active window), and what is typed then is
// saved as UTF-8.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr char kMainWindow[] = "^Tagwright( - .*)?$";

TEST(Encoding, HintBarReopensAUtf8PageAndTypedTextIsSavedAsUtf8)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    const std::string original = "<p>Привет, мир</p>\r\n";
    WriteFile(profile.File("page.html"), original);
    WriteFile(profile.File("other.html"), original);
    // Two windows with a hint each: the key acts on the active one only.
    AppProcess app(profile, {"other.html", "page.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }))
        << WindowName(window);

    // Alt+R is the bar's "Reopen as UTF-8"; the caret is then at the start of the text.
    SendKeys(window, {"alt+r"});
    TypeText(window, "Я");
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html *]"; }))
        << WindowName(window);
    SendKeys(window, {"ctrl+s"});
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }))
        << WindowName(window);
    // The page's own letters come back as the same bytes in either page; the typed letter
    // tells them apart: "Я" is D0 AF in UTF-8 but DF in Windows-1251.
    EXPECT_EQ(ReadFile(profile.File("page.html")), "Я" + original);
    EXPECT_EQ(ReadFile(profile.File("other.html")), original);
}

} // namespace
