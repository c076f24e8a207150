// The real program: Find in Files opens a result with Enter, then Replace in Files changes an
// open document and a closed file.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(EndToEnd, FindInFilesOpensAResultAndReplaceInFilesChangesOpenAndClosedFiles)
{
    Profile profile;
    const std::string site = profile.File("site");
    ASSERT_EQ(system(("mkdir -p '" + site + "'").c_str()), 0);
    WriteFile(site + "/a.htm", "<p>old</p>\r\n");
    WriteFile(site + "/b.htm", "b old\r\n");
    WriteFile(site + "/d.htm", "one\r\nx zebra y\r\n");
    AppProcess app(profile, {site + "/a.htm"});
    const std::string window = WaitForWindow(app.Pid(), "^Tagwright - ");
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [a.htm]"; }, 5000));

    // The only result opens with Enter, its match selected: typing replaces it.
    SendKeys(window, {"ctrl+shift+f"});
    const std::string find = WaitForWindow(app.Pid(), "^Find in Files$");
    ASSERT_FALSE(find.empty());
    SendKeys(find, {"ctrl+a", "z", "e", "b", "r", "a", "Return"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Find in Files$").empty(); }, 5000));
    // Enter on the file's row opens its first match; one pressed before the result arrived
    // opens nothing and is pressed again.
    const auto opened = [&] { return WindowName(window) == "Tagwright - [d.htm]"; };
    for (int attempt = 0; attempt < 5 && !opened(); ++attempt) {
        SendKeys(window, {"Return"});
        WaitUntil(opened, 3000);
    }
    ASSERT_TRUE(opened());
    SendKeys(window, {"Q", "ctrl+s"});
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(site + "/d.htm") == "one\r\nx Q y\r\n"; }, 5000))
        << ReadFile(site + "/d.htm");

    // Replace: a.htm is open, b.htm is not.
    SendKeys(window, {"ctrl+shift+h"});
    const std::string replace = WaitForWindow(app.Pid(), "^Replace in Files$");
    ASSERT_FALSE(replace.empty());
    SendKeys(replace,
             {"alt+n", "ctrl+a", "o", "l", "d", "alt+p", "ctrl+a", "n", "e", "w", "Return"});
    ASSERT_TRUE(
        WaitUntil([&] { return FindWindows(app.Pid(), "^Replace in Files$").empty(); }, 5000));
    // Replace is offered once the preview is complete.
    EXPECT_TRUE(WaitUntil(
        [&] {
            SendKeys(window, {"alt+r"});
            return ReadFile(site + "/b.htm") == "b new\r\n";
        },
        10000))
        << ReadFile(site + "/b.htm");
    EXPECT_EQ(ReadFile(site + "/a.htm"), "<p>old</p>\r\n"); // changed in the editor only
    SendKeys(window, {"ctrl+shift+s"});
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(site + "/a.htm") == "<p>new</p>\r\n"; }, 5000))
        << ReadFile(site + "/a.htm");
}

} // namespace
