// Processes, profiles and windows for the end-to-end tests.
#include "E2eSupport.h"

#include <X11/Xlib.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A word for the shell that stands for s as it is.
std::string Quote(const std::string& s)
{
    std::string quoted = "'";
    for (const char c : s)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

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
        "HOME=" + profile.home,          "XDG_CONFIG_HOME=" + profile.config,
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

    MapCyrillicKeys();
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
        WaitExit();
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
    std::string command = "xdotool key";
    for (const std::string& key : keys)
        command += " " + key;
    RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
    RunCommand(command);
}

void TypeText(const std::string& window, const std::string& text)
{
    MapCyrillicKeys();
    RunCommand("xdotool windowfocus --sync " + window + " 2>/dev/null");
    RunCommand("xdotool type -- " + Quote(text));
}

bool Sync(const std::string& window, int timeoutMs)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const Window target = std::stoul(window);
    const Window root = DefaultRootWindow(display);
    // The answer goes to the root window, to the clients that watch its structure.
    XSelectInput(display, root, StructureNotifyMask);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool answered = true;
    for (long round = 1; round <= 2 && answered; ++round) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = target;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(ping);
        event.xclient.data.l[1] = round; // stands for the time stamp; tells the answers apart
        event.xclient.data.l[2] = static_cast<long>(target);
        XSendEvent(display, target, False, NoEventMask, &event);
        XFlush(display);
        answered = false;
        while (!answered) {
            while (!answered && XPending(display) > 0) {
                XEvent reply;
                XNextEvent(display, &reply);
                answered = reply.type == ClientMessage && reply.xclient.message_type == protocols
                           && static_cast<Atom>(reply.xclient.data.l[0]) == ping
                           && reply.xclient.data.l[1] == round;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                end - std::chrono::steady_clock::now());
            if (answered || left.count() <= 0)
                break;
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, static_cast<int>(left.count()));
        }
    }
    XCloseDisplay(display);
    return answered;
}

void MapCyrillicKeys()
{
    static bool mapped = false;
    if (mapped)
        return;
    mapped = true;
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return;
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(display, &first, &last);
    KeySym* map =
        XGetKeyboardMapping(display, static_cast<KeyCode>(first), last - first + 1, &perKey);
    // Keys without symbols first, then the media keys, which no test presses.
    std::vector<int> spare;
    for (const bool media : {false, true}) {
        for (int code = first; code <= last; ++code) {
            bool any = false, onlyMedia = true;
            for (int i = 0; i < perKey; ++i) {
                const KeySym symbol = map[(code - first) * perKey + i];
                any = any || symbol != NoSymbol;
                onlyMedia =
                    onlyMedia && (symbol == NoSymbol || (symbol & ~KeySym{0xFF}) == 0x1008FF00);
            }
            if (media ? any && onlyMedia : !any)
                spare.push_back(code);
        }
    }
    XFree(map);
    // Small and capital letters: а-я at 0x6C0-0x6DF with their capitals 0x20 above, ё and Ё.
    std::vector<std::pair<KeySym, KeySym>> letters;
    for (KeySym small = 0x6C0; small <= 0x6DF; ++small)
        letters.emplace_back(small, small + 0x20);
    letters.emplace_back(0x6A3, 0x6B3);
    for (size_t i = 0; i < letters.size() && i < spare.size(); ++i) {
        KeySym symbols[2] = {letters[i].first, letters[i].second};
        XChangeKeyboardMapping(display, spare[i], 2, symbols, 1);
    }
    XSync(display, False);
    XCloseDisplay(display);
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
