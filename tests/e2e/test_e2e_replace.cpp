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

    // From the end of the file: "Whole file" covers the text above the caret.
    SendKeys(window, {"ctrl+End", "ctrl+h"});
    const std::string dialog = WaitForWindow(app.Pid(), "^Replace$");
    ASSERT_FALSE(dialog.empty());
    const auto answer = [&](const std::string& key) {
        const std::string box = WaitForWindow(app.Pid(), "^Tagwright$");
        ASSERT_FALSE(box.empty());
        SendKeys(box, {key});
        ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Tagwright$").empty(); }));
    };
    // An empty replacement asks first; No leaves the text.
    SendKeys(dialog, {"ctrl+a", "b", "Tab", "ctrl+a", "BackSpace", "alt+a"});
    answer("alt+n");
    SendKeys(dialog, {"shift+Tab", "ctrl+a", "t", "d", "Tab", "shift+t", "shift+d", "alt+a"});
    // Replace All ends by telling how many it replaced.
    answer("Return");
    SendKeys(dialog, {"Escape"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Replace$").empty(); }));
    SendKeys(window, {"ctrl+s"});
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(page) == "<TD>a</TD>\r\n<TD>b</TD>\r\n"; }))
        << ReadFile(page);
}

} // namespace
