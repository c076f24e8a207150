// One instance per user: what another user planted in the shared temporary folder neither
// stops a start nor hears its files, a start that cannot reach the running instance runs itself
// and says why, and one whose request may have arrived never opens the file as well.
#include "E2eSupport.h"

#include "support/Planted.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kMainWindow[] = "^Tagwright - ";
// Message boxes carry the program's name alone.
constexpr char kMessageBox[] = "^Tagwright$";
constexpr char kInstanceName[] = "TagwrightPreventSecondInstance";

TEST(Instance, WhatAnotherUserPlantedInTheTemporaryFolderNeitherStopsTheStartNorHearsItsFiles)
{
    if (!CanPlantAsAnotherUser())
        GTEST_SKIP() << "a file of another user can only be planted as root";
    Profile profile;
    WriteFile(profile.File("draft.html"), "<p>draft</p>\n");
    // The lock and the socket under the fixed names of the shared folder, and the name of this
    // user's own folder there, taken first.
    const std::string taken = profile.tmp + "/tagwright-" + std::to_string(geteuid());
    std::filesystem::create_directory(taken);
    std::vector<int> sockets;
    for (const std::string& folder : {profile.tmp, taken}) {
        ASSERT_TRUE(PlantLiveLock(folder + "/" + kInstanceName + ".lock"));
        sockets.push_back(PlantListeningSocket(folder + "/" + kInstanceName));
        ASSERT_GE(sockets.back(), 0);
    }
    ASSERT_EQ(chmod(taken.c_str(), 0777), 0);
    ASSERT_TRUE(GiveToAnotherUser(taken));

    // Without a runtime folder the lock would go to the temporary folder.
    AppProcess app(profile, {"draft.html"}, {"XDG_RUNTIME_DIR="});
    const std::string box = WaitForWindow(app.Pid(), kMessageBox);
    ASSERT_FALSE(box.empty()) << "the start does not say why it runs unguarded";
    EXPECT_FALSE(FindWindows(app.Pid(), "^Tagwright - \\[draft.html\\]$").empty());
    SendKeys(box, {"Return"});
    for (const int socket : sockets) {
        EXPECT_FALSE(SomebodyConnected(socket));
        close(socket);
    }
    EXPECT_TRUE(app.Running());
}

TEST(Instance, AStartThatCannotReachTheRunningInstanceRunsItselfAndSaysWhy)
{
    Profile profile;
    WriteFile(profile.File("page.html"), "<p>page</p>\n");
    AppProcess first(profile, {});
    ASSERT_FALSE(WaitForWindow(first.Pid(), kMainWindow).empty());
    // Its socket gone: the running instance holds its lock but cannot be told anything.
    std::filesystem::remove(profile.runtime + "/" + kInstanceName);

    AppProcess second(profile, {"page.html"});
    const std::string box = WaitForWindow(second.Pid(), kMessageBox, 30000);
    ASSERT_FALSE(box.empty());
    EXPECT_FALSE(FindWindows(second.Pid(), "^Tagwright - \\[page.html\\]$").empty());
    EXPECT_TRUE(first.Running());
}

TEST(Instance, AStartWhoseRequestMayHaveArrivedNeverOpensTheFileItself)
{
    Profile profile;
    WriteFile(profile.File("page.html"), "<p>page</p>\n");
    AppProcess first(profile, {});
    const std::string window = WaitForWindow(first.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    // Stopped, it holds its lock and its socket like an instance too busy to answer, and the
    // request waits in its socket.
    kill(first.Pid(), SIGSTOP);
    AppProcess second(profile, {"page.html"});
    const std::string box = WaitForWindow(second.Pid(), kMessageBox, 30000);
    const bool secondWindow = !FindWindows(second.Pid(), kMainWindow).empty();
    kill(first.Pid(), SIGCONT);
    ASSERT_FALSE(box.empty());
    EXPECT_FALSE(secondWindow);
    SendKeys(box, {"Return"});
    EXPECT_EQ(second.WaitExit(10000), 1);
    // Going on, the running instance takes the request it was sent.
    EXPECT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }, 10000))
        << WindowName(window);
}

} // namespace
