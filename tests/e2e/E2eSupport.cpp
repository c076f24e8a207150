// Processes, profiles and windows for the end-to-end tests.
#include "E2eSupport.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

} // namespace

Profile::Profile()
    : home(dir.File("home")), config(dir.File("config")), data(dir.File("data")),
      runtime(dir.File("runtime")), tmp(dir.File("tmp"))
{
    for (const std::string& folder : {home, config, data, runtime, tmp})
        std::filesystem::create_directories(folder);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
}

AppProcess::AppProcess(const Profile& profile, const std::vector<std::string>& args,
                       const std::vector<std::string>& environment, const std::string& folder)
{
    std::vector<std::string> env = {
        "HOME=" + profile.home,         "XDG_CONFIG_HOME=" + profile.config,
        "XDG_DATA_HOME=" + profile.data, "XDG_RUNTIME_DIR=" + profile.runtime,
        "TMPDIR=" + profile.tmp,         "QT_QPA_PLATFORM=xcb",
    };
    for (const char* name : {"PATH", "DISPLAY", "XAUTHORITY", "LANG"})
        if (const char* value = std::getenv(name))
            env.push_back(std::string(name) + "=" + value);
    for (const std::string& entry : environment) {
        const std::string name = entry.substr(0, entry.find('=') + 1);
        std::erase_if(env, [&](const std::string& e) { return e.starts_with(name); });
        env.push_back(entry);
    }
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    std::string program = TW_BUILD_DIR "/tagwright";
    std::vector<std::string> argStrings{program};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argStrings)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    // Relative paths name files in the folder the program runs in.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions,
                                         (folder.empty() ? profile.Folder() : folder).c_str());
    if (posix_spawn(&m_pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0)
        m_pid = -1;
    posix_spawn_file_actions_destroy(&actions);
}

AppProcess::~AppProcess()
{
    if (Running()) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

bool AppProcess::Running()
{
    if (m_pid < 0 || m_status >= 0)
        return false;
    int status;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return false;
    }
    return true;
}

int AppProcess::WaitExit(int timeoutMs)
{
    WaitUntil([this] { return !Running(); }, timeoutMs);
    return m_status;
}

void AppProcess::Kill(int signal)
{
    if (Running()) {
        kill(m_pid, signal);
        WaitExit(10000);
    }
}

std::vector<std::string> FindWindows(pid_t pid, const std::string& namePattern)
{
    std::string output;
    RunCommand("xdotool search --all --onlyvisible --pid " + std::to_string(pid) + " --name "
                   + Quote(namePattern) + " 2>/dev/null",
               &output);
    std::vector<std::string> windows;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty())
            windows.push_back(line);
    return windows;
}

std::string WindowName(const std::string& window)
{
    std::string output;
    RunCommand("xdotool getwindowname " + window + " 2>/dev/null", &output);
    while (!output.empty() && output.back() == '\n')
        output.pop_back();
    return output;
}

std::string WaitForWindow(pid_t pid, const std::string& namePattern, int timeoutMs)
{
    std::string found;
    WaitUntil(
        [&] {
            const std::vector<std::string> windows = FindWindows(pid, namePattern);
            if (!windows.empty())
                found = windows.front();
            return !found.empty();
        },
        timeoutMs);
    return found;
}

void SendKeys(const std::string& window, const std::vector<std::string>& keys)
{
    RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
    for (const std::string& key : keys) {
        RunCommand("xdotool key --delay 50 " + key);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
}

std::string ScreenHistogram(const Profile& profile)
{
    const std::string screenshot = profile.File("screen.png");
    std::string histogram;
    if (RunCommand("import -window root " + screenshot) != 0
        || RunCommand("convert " + screenshot + " -format %c histogram:info:-", &histogram) != 0)
        return {};
    return histogram;
}

int CountPixels(const std::string& histogram, uint32_t bbggrr)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02X%02X%02X", bbggrr & 0xFF, (bbggrr >> 8) & 0xFF,
                  (bbggrr >> 16) & 0xFF);
    const size_t at = histogram.find(std::string(hex) + " ");
    if (at == std::string::npos)
        return 0;
    const size_t lineStart = histogram.rfind('\n', at);
    return std::atoi(histogram.c_str() + (lineStart == std::string::npos ? 0 : lineStart + 1));
}
