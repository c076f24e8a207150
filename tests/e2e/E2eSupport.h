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

// How long a test waits for the program to show, change or end something: long enough for a
// loaded machine, so that only a fault reaches it.
inline constexpr int kEventBoundMs = 30000;

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
    int WaitExit(int timeoutMs = kEventBoundMs);
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
std::string WaitForWindow(pid_t pid, const std::string& namePattern, int timeoutMs = kEventBoundMs);
// Gives the window the keyboard focus and presses the keys (xdotool key names) in order. Keys
// that open a dialog go last: the keys after them would reach the window before the dialog.
// A menu or a popup takes the keys sent after the one that opened it.
void SendKeys(const std::string& window, const std::vector<std::string>& keys);
// Gives the window the keyboard focus and types UTF-8 text, Cyrillic letters included.
void TypeText(const std::string& window, const std::string& text);
// Waits until the program that owns the window has handled everything sent to it before: X
// "ping" messages to the window are answered from its event loop after the events queued
// ahead of them, and a second one after the first answer also outlasts the work those events
// started (a dialog being shown, a queued call). False when the program did not answer within
// the time: it hangs or ended.
bool Sync(const std::string& window, int timeoutMs = kEventBoundMs);
// Puts the Cyrillic letters on keys of their own in the test's X server, once per test program,
// so that typing them does not change the keyboard mapping while the program reads the keys.
// The program must start after it to know those keys; AppProcess calls it.
void MapCyrillicKeys();
// Polls a condition every 50 ms.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = kEventBoundMs);

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
