// Pages opened in the wrong code page in the real program: the hint bar's button, reached from
// the keyboard, reopens a UTF-8 page as UTF-8 (only in the active window) and a KOI8-R page as
// KOI8-R, and what is typed then is saved in that page.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr char kMainWindow[] = "^Tagwright( - .*)?$";

// Presses Alt+R in the window of the document named title, types "Я" at the caret (the start
// of the text after a reopen) and saves.
void ReopenTypeAndSave(const std::string& window, const std::string& title)
{
    // The caret is at the start of the text after the reopen.
    SendKeys(window, {"alt+r"});
    TypeText(window, "Я");
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [" + title + " *]"; }))
        << WindowName(window);
    SendKeys(window, {"ctrl+s"});
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [" + title + "]"; }))
        << WindowName(window);
}

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

    // Alt+R is the bar's "Reopen as UTF-8".
    ASSERT_NO_FATAL_FAILURE(ReopenTypeAndSave(window, "page.html"));
    // The page's own letters come back as the same bytes in either page; the typed letter
    // tells them apart: "Я" is D0 AF in UTF-8 but DF in Windows-1251.
    EXPECT_EQ(ReadFile(profile.File("page.html")), "Я" + original);
    EXPECT_EQ(ReadFile(profile.File("other.html")), original);
}

TEST(Encoding, Koi8PageOpenedInTheDefaultPageIsReopenedReadableWithAltR)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    // "Утро выдалось холодным, и мы решили остаться дома." in KOI8-R, twice.
    const std::string once =
        "\xF5\xD4\xD2\xCF \xD7\xD9\xC4\xC1\xCC\xCF\xD3\xD8 \xC8\xCF\xCC\xCF\xC4\xCE\xD9\xCD, "
        "\xC9 \xCD\xD9 \xD2\xC5\xDB\xC9\xCC\xC9 \xCF\xD3\xD4\xC1\xD4\xD8\xD3\xD1 \xC4\xCF\xCD\xC1.";
    const std::string original = "<p>" + once + " " + once + "</p>\n";
    WriteFile(profile.File("koi.html"), original);
    AppProcess app(profile, {"koi.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [koi.html]"; }))
        << WindowName(window);

    // Alt+R is the bar's "Reopen as KOI8-R". The typed letter is written in KOI8-R: "Я" is F1
    // there, DF in Windows-1251.
    ASSERT_NO_FATAL_FAILURE(ReopenTypeAndSave(window, "koi.html"));
    EXPECT_EQ(ReadFile(profile.File("koi.html")), "\xF1" + original);
}

} // namespace
