// Typing into the real program through the X server's keyboard: a new HTML page, Cyrillic
// text, automatic and smart indentation, Tab and Backspace, undo and redo, a template and a bold
// tag around a selected word, and the saved bytes.
#include "E2eSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr char kMainWindow[] = "^Tagwright( - .*)?$";

TEST(Editing, TypedLinesAreSavedAsTypedInWindows1251)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    AppProcess app(profile, {"new.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [new.html]"; }))
        << WindowName(window);

    // Enter after an indenting tag of an HTML page indents the new line by a tab.
    TypeText(window, "<td>");
    SendKeys(window, {"Return"});
    TypeText(window, "Привет, мир");
    EXPECT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [new.html *]"; }))
        << WindowName(window);
    // The next line copies the tab; Tab adds one; Backspace takes back the last letter.
    SendKeys(window, {"Return", "Tab"});
    TypeText(window, "ab");
    SendKeys(window, {"BackSpace"});
    // Undo takes back the Backspace, Redo does it again.
    SendKeys(window, {"ctrl+z", "ctrl+y", "ctrl+s"});
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [new.html]"; }))
        << WindowName(window);
    EXPECT_EQ(ReadFile(profile.File("new.html")),
              "<td>\r\n\t\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0\r\n\t\ta");
}

TEST(Editing, ExpandedTemplateAndWrappedWordAreSaved)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }))
        << WindowName(window);

    // Alt+Enter turns td into a cell with the caret on the indented line inside it.
    TypeText(window, "td");
    SendKeys(window, {"alt+Return"});
    TypeText(window, "word");
    // The typed word, selected backwards, gets wrapped in bold tags.
    SendKeys(window, {"shift+Left", "shift+Left", "shift+Left", "shift+Left", "ctrl+b", "ctrl+s"});
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"
                                    && !ReadFile(profile.File("page.html")).empty(); }))
        << WindowName(window);
    EXPECT_EQ(ReadFile(profile.File("page.html")), "<TD>\r\n\t<B>word</B>\r\n</TD>\r\n");
}

} // namespace
