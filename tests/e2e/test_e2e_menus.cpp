// Every menu of the real program walked with the keyboard on an open document, one test per
// menu: each item that starts no outside program is triggered, the windows it opens are named
// and closed with Escape, and the program must still answer after each one. Then the keys that
// move between windows and quit.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// One xdotool call for a run of keys, so a walk down a menu is quick.
void Keys(const std::string& window, const std::string& keys)
{
    RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
    RunCommand("xdotool key " + keys);
}

class MenuWalk {
public:
    MenuWalk(AppProcess& app, std::string mainWindow) : m_app(app), m_main(std::move(mainWindow)) {}

    // The windows of the program besides the main window: dialogs, message boxes, menus.
    std::vector<std::string> Others()
    {
        std::vector<std::string> others = FindWindows(m_app.Pid(), ".*");
        std::erase(others, m_main);
        return others;
    }

    // Runs the keys from the main window, once the program handled them closes whatever they
    // opened with Escape, and notes the names of those windows; true while the program lives
    // and answers with nothing but its main window open.
    bool Step(const std::string& keys)
    {
        Keys(m_main, keys);
        for (int round = 0; round < 6; ++round) {
            if (!Sync(m_main))
                return false;
            const std::vector<std::string> others = Others();
            if (others.empty())
                return m_app.Running();
            const std::string& front = others.front();
            const std::string name = WindowName(front);
            if (!name.empty()) {
                opened.insert(name);
                log += keys + ": " + name + "\n";
            }
            RunCommand("xdotool windowfocus --sync " + front + " 2>/dev/null");
            RunCommand("xdotool key Escape");
            WaitUntil([&] { return FindWindows(m_app.Pid(), ".*").size() <= others.size(); });
        }
        return false;
    }

    // File > Exit, answering No to saving what the walk changed; the exit status.
    int Exit()
    {
        Keys(m_main, "alt+f x");
        for (int round = 0; round < 10; ++round) {
            std::vector<std::string> boxes;
            WaitUntil([&] {
                boxes = Others();
                return !m_app.Running() || !boxes.empty();
            });
            if (boxes.empty())
                break;
            Keys(boxes.front(), "alt+n");
            WaitUntil([&] { return !m_app.Running() || Others().size() < boxes.size(); });
        }
        return m_app.WaitExit();
    }

    std::set<std::string> opened; // the names of the windows the items opened
    std::string log;              // which keys opened which of them

private:
    AppProcess& m_app;
    std::string m_main;
};

std::string Repeat(const std::string& key, int count)
{
    std::string keys;
    for (int i = 0; i < count; ++i)
        keys += " " + key;
    return keys;
}

// The items of a menu by their places below its first item (disabled items are passed over,
// submenus only open).
std::vector<std::string> Places(const std::string& menu, int places)
{
    std::vector<std::string> steps;
    for (int place = 0; place < places; ++place)
        steps.push_back(menu + Repeat("Down", place) + " Return");
    return steps;
}

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct MenuCase {
    const char* name;
    std::vector<std::string> steps;
    // The windows its items open (dialogs, message boxes, submenus that stay open), by name.
    std::set<std::string> opens;
};

void PrintTo(const MenuCase& menu, std::ostream* out) { *out << menu.name; }

class Menus : public testing::TestWithParam<MenuCase> {};

TEST_P(Menus, EveryItemThatStartsNoOutsideProgramRunsAndTheProgramGoesOn)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    WriteFile(profile.File("page.html"),
              "<html>\n<body>\n<p>(text) {more}</p>\n</body>\n</html>\n");
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), "^Tagwright - \\[page.html\\]$");
    ASSERT_FALSE(window.empty());
    MenuWalk walk(app, window);
    for (const std::string& keys : GetParam().steps)
        ASSERT_TRUE(walk.Step(keys))
            << keys << "; opened so far: " << testing::PrintToString(walk.opened);
    EXPECT_EQ(walk.opened, GetParam().opens) << walk.log;
    EXPECT_EQ(walk.Exit(), 0);
}

// The menus whose items stay inside the program are walked place by place; the submenus and
// the menus with items that start other programs (the browser previews and the user tools)
// by their mnemonics.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Walk, Menus,
    testing::Values(
        MenuCase{"File",
                 {"alt+f o", "alt+f s", "alt+f a", "alt+f l", "alt+f e Down Return", "alt+f p",
                  "alt+f v", "alt+f r", "alt+f g", "alt+f n", "alt+f c"},
                 {"Open", "Page Setup", "Print", "Print Preview", "Print Setup", "Save As"}},
        // The longest menu, its items and its submenus each a walk of their own.
        MenuCase{"Edit", Places("alt+e", 22), {"Find", "Replace", "Tagwright"}},
        MenuCase{"EditSubmenus",
                 {"alt+e b n", "alt+e b p", "alt+e b t", "alt+e b c", "alt+e o 1", "alt+e s 1",
                  "alt+e a Return", "ctrl+a alt+e a Down Return", "alt+e a Down Down Return",
                  "alt+e a Up Return"},
                 {"Tagwright"}},
        MenuCase{"View",
                 {"alt+v t Return", "alt+v t Return", "alt+v t Down Return", "alt+v t Down Return",
                  "alt+v s", "alt+v s", "alt+v y Down Return", "alt+v y Up Return", "alt+v o"},
                 {"Options..."}},
        MenuCase{"Insert", Places("alt+i", 10), {"Insert Image", "Select Color"}},
        MenuCase{"Macros", Places("alt+m", 10), {}},
        MenuCase{"Tools", {"alt+t c"}, {"Customize Tools"}},
        MenuCase{"Window", Join(Places("alt+w", 8), {"alt+w w"}), {"Windows"}},
        MenuCase{"Help", {"alt+h a"}, {"About Tagwright"}}),
    [](const testing::TestParamInfo<MenuCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(MenuKeys, CtrlTabGoesToTheWindowUsedBeforeAndCtrlQQuits)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    for (const char* name : {"a.txt", "b.txt", "c.txt"})
        WriteFile(profile.File(name), name);
    AppProcess app(profile, {"a.txt", "b.txt", "c.txt"});
    const std::string window = WaitForWindow(app.Pid(), "^Tagwright - \\[c.txt\\]$");
    ASSERT_FALSE(window.empty());
    // Runs an xdotool command on the main window and waits for the active document's name.
    const auto after = [&](const std::string& command, const std::string& title) {
        RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
        RunCommand("xdotool " + command);
        return WaitUntil([&] { return WindowName(window) == "Tagwright - [" + title + "]"; });
    };
    EXPECT_TRUE(after("key ctrl+Tab", "b.txt"));
    EXPECT_TRUE(after("key ctrl+Tab", "c.txt"));
    // Tab twice with Ctrl held goes two windows back.
    EXPECT_TRUE(after("keydown ctrl key Tab key Tab keyup ctrl", "a.txt")) << WindowName(window);
    EXPECT_TRUE(after("key ctrl+shift+Tab", "b.txt"));
    EXPECT_TRUE(after("key ctrl+F6", "a.txt"));
    Keys(window, "ctrl+q");
    EXPECT_EQ(app.WaitExit(), 0);
}

} // namespace
