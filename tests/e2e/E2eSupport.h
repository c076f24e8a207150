// Running the real program under the test's X server: a private profile per test, the
// process, and its windows as xdotool sees them.
#pragma once

#include "support/TempDir.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

// HOME, the XDG folders and a temporary folder of the test's own.
class Profile {
    TempDir dir; // first: the folders below live in it

public:
    Profile();
    std::string home, config, data, runtime, tmp;
    std::string SettingsFile() const { return config + "/Kelvane/TGWR/1.09.ini"; }
    std::string File(const std::string& name) const { return dir.File(name); }
    const std::string& Folder() const { return dir.Path(); }
};

class AppProcess {
public:
    // environment: "NAME=value" entries that add to or replace the profile's. The program
    // runs in folder, by default the profile's folder.
    AppProcess(const Profile& profile, const std::vector<std::string>& args,
               const std::vector<std::string>& environment = {}, const std::string& folder = {});
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    pid_t Pid() const { return m_pid; }
    // The exit status once the process ended within the time, else -1.
    int WaitExit(int timeoutMs);
    void Kill(int signal);
    bool Running();

private:
    pid_t m_pid = -1;
    int m_status = -1;
};

// Visible windows of a process whose names match a regular expression.
std::vector<std::string> FindWindows(pid_t pid, const std::string& namePattern);
std::string WindowName(const std::string& window);
// Polls until the process shows such a window; its id, or empty after the time.
std::string WaitForWindow(pid_t pid, const std::string& namePattern, int timeoutMs = 15000);
// Gives the window the keyboard focus and types the keys (xdotool key names).
void SendKeys(const std::string& window, const std::vector<std::string>& keys);
// Polls a condition every 50 ms.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = 15000);

#include <chrono>
#include <thread>

template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// The colour histogram of a screenshot of the whole screen ("   count: (r,g,b) #RRGGBB ..."),
// empty when none could be taken.
std::string ScreenHistogram(const Profile& profile);
// How many pixels of a histogram have exactly a colour stored as 0x00BBGGRR.
int CountPixels(const std::string& histogram, uint32_t bbggrr);
