// Every menu of the real program walked with the keyboard on an open document: each item that
// starts no outside program is triggered, the dialogs it opens are closed with Escape, and the
// program must still answer (its About box opens and closes) after each one. Then the keys
// that move between windows and quit.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// One xdotool call for a run of keys, so a walk down a menu is quick.
void Keys(const std::string& window, const std::string& keys)
{
    RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
    RunCommand("xdotool key --delay 60 " + keys);
}

std::string Repeat(const std::string& key, int count)
{
    std::string keys;
    for (int i = 0; i < count; ++i)
        keys += key + " ";
    return keys;
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

    // Runs the keys from the main window, then closes whatever opened with Escape; true while
    // the program lives and answers.
    bool Step(const std::string& keys)
    {
        Keys(m_main, keys);
        std::this_thread::sleep_for(std::chrono::milliseconds(350));
        for (int round = 0; round < 6; ++round) {
            std::vector<std::string> others = Others();
            if (others.empty()) {
                // On a loaded machine a dialog may still be on its way.
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                others = Others();
                if (others.empty())
                    break;
            }
            if (round == 0)
                ++opened;
            RunCommand("xdotool windowfocus --sync " + others.front() + " 2>/dev/null");
            RunCommand("xdotool key Escape");
            WaitUntil([&] { return Others().size() < others.size(); }, 1500);
        }
        return Answers();
    }

    // The About box opens from the menu and goes with Escape.
    bool Answers()
    {
        if (!m_app.Running() || !Others().empty())
            return false;
        Keys(m_main, "alt+h a");
        const std::string about = WaitForWindow(m_app.Pid(), "^About Tagwright$", 10000);
        if (about.empty())
            return false;
        Keys(about, "Escape");
        return WaitUntil([&] { return Others().empty(); }, 5000);
    }

    int opened = 0; // steps that opened a window

private:
    AppProcess& m_app;
    std::string m_main;
};

TEST(Menus, EveryItemThatStartsNoOutsideProgramRunsAndTheProgramGoesOn)
{
    if (RunCommand("command -v xdotool >/dev/null") != 0)
        GTEST_SKIP() << "xdotool not found";
    Profile profile;
    WriteFile(profile.File("page.html"), "<html>\n<body>\n<p>(text) {more}</p>\n</body>\n</html>\n");
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), "^Tagwright - \\[page.html\\]$");
    ASSERT_FALSE(window.empty());
    MenuWalk walk(app, window);
    ASSERT_TRUE(walk.Answers());

    // Menus whose items stay inside the program: each place in turn, by moving down from the
    // first item (disabled items are passed over, submenus only open).
    const std::pair<const char*, int> walked[] = {
        {"alt+e", 22}, {"alt+i", 10}, {"alt+m", 10}, {"alt+w", 8},
    };
    for (const auto& [menu, places] : walked)
        for (int place = 0; place < places; ++place)
            ASSERT_TRUE(walk.Step(std::string(menu) + " " + Repeat("Down", place) + "Return"))
                << menu << " item " << place;

    // The submenus and the menus with items that start other programs (the browser previews
    // and the user tools), by their mnemonics.
    const char* chosen[] = {
        "alt+e b n", "alt+e b p", "alt+e b t", "alt+e b c", "alt+e o 1", "alt+e s 1", "alt+e a Return",
        "ctrl+a alt+e a Down Return", "alt+e a Down Down Return", "alt+e a Up Return",
        "alt+f o", "alt+f s", "alt+f a", "alt+f l", "alt+f e Down Return", "alt+f p", "alt+f v",
        "alt+f r", "alt+f g", "alt+f n",
        "alt+v t Return", "alt+v t Return", "alt+v t Down Return", "alt+v t Down Return",
        "alt+v s", "alt+v s", "alt+v y Down Return", "alt+v y Up Return",
        "alt+t c",
        "alt+w w",
        "alt+f c",
    };
    for (const char* keys : chosen)
        ASSERT_TRUE(walk.Step(keys)) << keys;

    // The keys reached the menus: many items opened a dialog (Go to, Find, Replace, the colour
    // and image dialogs, the file and print dialogs, Customize Tools, Windows...).
    EXPECT_GE(walk.opened, 15);

    // Exit, answering No to saving what the walk changed.
    Keys(window, "alt+f x");
    for (int round = 0; round < 10 && app.Running(); ++round) {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        for (const std::string& box : walk.Others())
            Keys(box, "alt+n");
    }
    EXPECT_EQ(app.WaitExit(10000), 0);
}

TEST(Menus, CtrlTabGoesToTheWindowUsedBeforeAndCtrlQQuits)
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
        return WaitUntil([&] { return WindowName(window) == "Tagwright - [" + title + "]"; }, 5000);
    };
    EXPECT_TRUE(after("key ctrl+Tab", "b.txt"));
    EXPECT_TRUE(after("key ctrl+Tab", "c.txt"));
    // Tab twice with Ctrl held goes two windows back.
    EXPECT_TRUE(after("keydown ctrl key Tab key Tab keyup ctrl", "a.txt")) << WindowName(window);
    EXPECT_TRUE(after("key ctrl+shift+Tab", "b.txt"));
    EXPECT_TRUE(after("key ctrl+F6", "a.txt"));
    Keys(window, "ctrl+q");
    EXPECT_EQ(app.WaitExit(10000), 0);
}

} // namespace
