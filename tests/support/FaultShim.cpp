// A preloaded library that makes the Nth call of a system function fail, for tests of the
// failure paths of saving and loading. TW_FAULT="rename:2:EIO,link:1:EMLINK" fails the second
// rename with EIO and the first link with EMLINK; KILL instead of an error stops the process
// there with SIGKILL; for readlink, CUT reports a text that fills the whole buffer, as a link
// that changed since it was measured would; for read, GROW appends 4 MB to the file before
// that read and every later one (up to 256 MB), as a file being written meanwhile would grow.
// posix_fallocate gives its error as its result, as the real one does.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

enum Function {
    kWrite,
    kRead,
    kFsync,
    kClose,
    kRename,
    kLink,
    kReadlink,
    kFtruncate,
    kUnlink,
    kFallocate,
    kCount
};
const char* const kNames[kCount] = {"write", "read",     "fsync",     "close",  "rename",
                                    "link",  "readlink", "ftruncate", "unlink", "posix_fallocate"};
constexpr int kKill = -1;
constexpr int kCut = -2;
constexpr int kGrow = -3;

struct Fault {
    int function;
    long call;
    int action; // an error number, kKill or kCut
};

Fault g_faults[16];
int g_faultCount = -1;
long g_calls[kCount];

int ErrorNumber(const char* text)
{
    static const struct {
        const char* name;
        int value;
    } known[] = {{"EIO", EIO},       {"ENOSPC", ENOSPC}, {"EMLINK", EMLINK},   {"EPERM", EPERM},
                 {"EDQUOT", EDQUOT}, {"EXDEV", EXDEV},   {"ENOTSUP", ENOTSUP}, {"EINTR", EINTR},
                 {"KILL", kKill},    {"CUT", kCut},      {"GROW", kGrow}};
    for (const auto& k : known)
        if (!std::strcmp(text, k.name))
            return k.value;
    return std::atoi(text);
}

void Parse()
{
    g_faultCount = 0;
    const char* faults = std::getenv("TW_FAULT");
    if (!faults)
        return;
    static char copy[512];
    std::strncpy(copy, faults, sizeof copy - 1);
    char* save = nullptr;
    for (char* item = strtok_r(copy, ",", &save); item && g_faultCount < 16;
         item = strtok_r(nullptr, ",", &save)) {
        char* name = item;
        char* call = std::strchr(name, ':');
        if (!call)
            continue;
        *call++ = '\0';
        char* action = std::strchr(call, ':');
        if (!action)
            continue;
        *action++ = '\0';
        for (int f = 0; f < kCount; ++f)
            if (!std::strcmp(name, kNames[f]))
                g_faults[g_faultCount++] = Fault{f, std::atol(call), ErrorNumber(action)};
    }
}

// Counts the call; gives the action of a fault due now, or 0.
int Due(Function function)
{
    if (g_faultCount < 0)
        Parse();
    const long call = ++g_calls[function];
    for (int i = 0; i < g_faultCount; ++i) {
        const bool due =
            g_faults[i].action == kGrow ? call >= g_faults[i].call : call == g_faults[i].call;
        if (g_faults[i].function != function || !due)
            continue;
        if (g_faults[i].action == kKill)
            kill(getpid(), SIGKILL);
        return g_faults[i].action;
    }
    return 0;
}

template <class F>
F Real(const char* name)
{
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

// Appends 4 MB to the file open as fd, up to 64 times in all.
void Grow(int fd)
{
    static int grown = 0;
    static char block[4 << 20];
    if (grown >= 64)
        return;
    char path[64];
    std::snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
    const int out = open(path, O_WRONLY | O_APPEND | O_CLOEXEC);
    if (out < 0)
        return;
    std::memset(block, 'g', sizeof block);
    if (pwrite(out, block, sizeof block, 0) > 0)
        ++grown;
    Real<int (*)(int)>("close")(out);
}

} // namespace

// Each wrapper fails with the fault's error number when one is due, else calls the real one.
#define TW_FAIL_IF_DUE(function)                                                                   \
    if (const int action = Due(function); action > 0) {                                            \
        errno = action;                                                                            \
        return -1;                                                                                 \
    }

extern "C" {

ssize_t write(int fd, const void* data, size_t size)
{
    static const auto real = Real<ssize_t (*)(int, const void*, size_t)>("write");
    TW_FAIL_IF_DUE(kWrite)
    return real(fd, data, size);
}

ssize_t read(int fd, void* data, size_t size)
{
    static const auto real = Real<ssize_t (*)(int, void*, size_t)>("read");
    const int action = Due(kRead);
    if (action > 0) {
        errno = action;
        return -1;
    }
    if (action == kGrow)
        Grow(fd);
    return real(fd, data, size);
}

int fsync(int fd)
{
    static const auto real = Real<int (*)(int)>("fsync");
    TW_FAIL_IF_DUE(kFsync)
    return real(fd);
}

int close(int fd)
{
    static const auto real = Real<int (*)(int)>("close");
    TW_FAIL_IF_DUE(kClose)
    return real(fd);
}

int rename(const char* from, const char* to)
{
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    TW_FAIL_IF_DUE(kRename)
    return real(from, to);
}

int link(const char* from, const char* to)
{
    static const auto real = Real<int (*)(const char*, const char*)>("link");
    TW_FAIL_IF_DUE(kLink)
    return real(from, to);
}

int unlink(const char* path)
{
    static const auto real = Real<int (*)(const char*)>("unlink");
    TW_FAIL_IF_DUE(kUnlink)
    return real(path);
}

int ftruncate(int fd, off_t length)
{
    static const auto real = Real<int (*)(int, off_t)>("ftruncate");
    TW_FAIL_IF_DUE(kFtruncate)
    return real(fd, length);
}

int posix_fallocate(int fd, off_t offset, off_t length)
{
    static const auto real = Real<int (*)(int, off_t, off_t)>("posix_fallocate");
    if (const int action = Due(kFallocate); action > 0)
        return action;
    return real(fd, offset, length);
}

ssize_t readlink(const char* path, char* text, size_t size)
{
    static const auto real = Real<ssize_t (*)(const char*, char*, size_t)>("readlink");
    const int action = Due(kReadlink);
    if (action > 0) {
        errno = action;
        return -1;
    }
    const ssize_t n = real(path, text, size);
    if (action != kCut || n < 0)
        return n;
    std::memset(text + n, 'x', size - static_cast<size_t>(n));
    return static_cast<ssize_t>(size);
}

} // extern "C"
