// Another program changes the file under the running editor: the save asks first, Reload from
// the bar is taken back by Undo, and a deleted file is written again by Save.
#include "E2eSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr char kMainWindow[] = "^Tagwright( - .*)?$";

class DiskChange : public testing::Test {
protected:
    void SetUp() override
    {
        if (RunCommand("command -v xdotool >/dev/null") != 0)
            GTEST_SKIP() << "xdotool not found";
        WriteFile(file, "first line\n");
        app = std::make_unique<AppProcess>(profile, std::vector<std::string>{"b.txt"});
        window = WaitForWindow(app->Pid(), kMainWindow);
        ASSERT_FALSE(window.empty());
        ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt]"));
    }

    bool TitleBecomes(const std::string& title)
    {
        return WaitUntil([&] { return WindowName(window) == title; }, 8000);
    }
    void Type(const std::string& text)
    {
        RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
        RunCommand("xdotool type --delay 100 '" + text + "'");
    }

    Profile profile;
    const std::string file = profile.File("b.txt");
    std::unique_ptr<AppProcess> app;
    std::string window;
};

TEST_F(DiskChange, SavingOverAChangedFileAsksAndEscapeWritesNothing)
{
    Type("X");
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt *]"));
    ASSERT_EQ(RunCommand("echo 'EXTERNAL CHANGE' >> '" + file + "'"), 0);

    SendKeys(window, {"ctrl+s"});
    const std::string question = WaitForWindow(app->Pid(), "^Tagwright$", 8000);
    ASSERT_FALSE(question.empty()) << "no question before the save";
    SendKeys(question, {"Escape"});
    ASSERT_TRUE(WaitUntil([&] { return FindWindows(app->Pid(), "^Tagwright$").empty(); }, 8000));
    EXPECT_EQ(ReadFile(file), "first line\nEXTERNAL CHANGE\n");
    EXPECT_EQ(WindowName(window), "Tagwright - [b.txt *]");
}

TEST_F(DiskChange, ReloadFromTheBarThenUndoBringsTheTypedTextBack)
{
    Type("X");
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt *]"));
    ASSERT_EQ(RunCommand("echo 'EXTERNAL CHANGE' >> '" + file + "'"), 0);

    // The bar's Reload: the text is the file's again, so it is not modified. The watch may
    // take a moment to show the bar, so the key is pressed until it acts.
    ASSERT_TRUE(WaitUntil(
        [&] {
            SendKeys(window, {"alt+shift+r"});
            return WindowName(window) == "Tagwright - [b.txt]";
        },
        8000))
        << WindowName(window);

    SendKeys(window, {"ctrl+z"});
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt *]"));
    // The file did not change since the reload: the save asks nothing and writes the text
    // Undo brought back.
    SendKeys(window, {"ctrl+s"});
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt]"));
    EXPECT_EQ(ReadFile(file), "Xfirst line\n");
}

TEST_F(DiskChange, ADeletedFileIsWrittenAgainBySave)
{
    ASSERT_EQ(std::remove(file.c_str()), 0);
    Type("X");
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt *]"));
    SendKeys(window, {"ctrl+s"});
    ASSERT_TRUE(TitleBecomes("Tagwright - [b.txt]"));
    EXPECT_EQ(ReadFile(file), "Xfirst line\n");
}

} // namespace
