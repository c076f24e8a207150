// The real program: Replace All through the Replace dialog opened with Ctrl+H, then a save.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(EndToEnd, ReplaceAllFromTheDialogIsSaved)
{
    Profile profile;
    const std::string page = profile.File("page.html");
    WriteFile(page, "<td>a</td>\r\n<td>b</td>\r\n");
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), "^Tagwright - ");
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }));

    SendKeys(window, {"ctrl+h"});
    const std::string dialog = WaitForWindow(app.Pid(), "^Replace$");
    ASSERT_FALSE(dialog.empty());
    SendKeys(dialog, {"ctrl+a", "t", "d", "Tab", "ctrl+a", "shift+t", "shift+d", "alt+a"});
    // Replace All ends by telling that nothing more is found.
    const std::string told = WaitForWindow(app.Pid(), "^Tagwright$");
    ASSERT_FALSE(told.empty());
    SendKeys(told, {"Return"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Tagwright$").empty(); }));
    SendKeys(dialog, {"Escape"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Replace$").empty(); }));
    SendKeys(window, {"ctrl+s"});
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(page) == "<TD>a</TD>\r\n<TD>b</TD>\r\n"; }))
        << ReadFile(page);
}

} // namespace
