// Typing into the real program through the X server's keyboard: a new HTML page, Cyrillic
// text, automatic and smart indentation, Tab and Backspace, undo and redo, a template and a bold
// tag around a selected word, a misspelled word corrected from the right-button menu, and the
// saved bytes.
#include "E2eSupport.h"

#include "spell/core/SpellChecker.h"
#include "text/Utf8Text.h"

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
    ASSERT_TRUE(WaitUntil([&] {
        return WindowName(window) == "Tagwright - [page.html]"
               && !ReadFile(profile.File("page.html")).empty();
    })) << WindowName(window);
    EXPECT_EQ(ReadFile(profile.File("page.html")), "<TD>\r\n\t<B>word</B>\r\n</TD>\r\n");
}

TEST(Editing, FirstSpellingSuggestionReplacesATypedWord)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    CSpellChecker checker(std::string(kSystemDictionaryFolder), profile.File("no-words.txt"));
    if (!checker.Available(SpellLanguage::Russian))
        GTEST_SKIP() << "no Russian dictionary";

    AppProcess app(profile, {"new.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [new.html]"; }, 5000))
        << WindowName(window);
    TypeText(window, "слва");
    SendKeys(window, {"ctrl+s"});
    ASSERT_TRUE(WaitUntil([&] { return !ReadFile(profile.File("new.html")).empty(); }, 20000));
    // The word as the program got it: on a busy machine the first letters may be lost while the
    // program starts reading keys, or the keyboard mapping of a letter change before it reads it.
    const std::string typed = ReadFile(profile.File("new.html"));
    if (checker.Check(typed, SpellLanguage::Russian) != SpellVerdict::Misspelled)
        GTEST_SKIP() << "typed a correct word: " << Cp1251ToUtf8(typed);
    const std::vector<std::string> suggestions = checker.Suggest(typed, SpellLanguage::Russian);
    ASSERT_FALSE(suggestions.empty());

    // The menu key opens the view's menu for the word at the caret, suggestions first. The
    // pointer goes to the screen's far corner first: over the menu it would pick an item.
    const auto others = [&] {
        std::vector<std::string> windows = FindWindows(app.Pid(), ".*");
        std::erase(windows, window);
        return windows;
    };
    RunCommand("xdotool mousemove --sync 4000 4000");
    SendKeys(window, {"Menu"});
    ASSERT_TRUE(WaitUntil([&] { return !others().empty(); }, 10000)) << "no menu";
    RunCommand("xdotool key --delay 100 Down Return");
    ASSERT_TRUE(WaitUntil([&] { return others().empty(); }, 10000));
    SendKeys(window, {"ctrl+s"});
    EXPECT_TRUE(
        WaitUntil([&] { return ReadFile(profile.File("new.html")) == suggestions[0]; }, 20000))
        << Cp1251ToUtf8(ReadFile(profile.File("new.html"))) << " instead of "
        << Cp1251ToUtf8(suggestions[0]);
}

} // namespace
