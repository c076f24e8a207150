// Folders are created with mkdir 0700 and locked with flock on "lock"; the lock is held by an
// open file description, so it also tells two instances in one process apart.
#include "recovery/core/RecoveryFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLockName = "lock";
constexpr std::string_view kExtension = ".twr";

bool IsRecoveryFileName(const std::string& name)
{
    return name.size() > kExtension.size() && name.ends_with(kExtension) && name[0] != '.';
}

std::vector<std::string> ListFolder(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* dir = opendir(path.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Creates each missing folder of path; the last one with mode 0700, which is also set on it
// when it exists, so that only the user reads the copies.
bool MakeFolders(const std::string& path, int& error)
{
    for (size_t pos = 1; pos <= path.size(); ++pos) {
        if (pos != path.size() && path[pos] != '/')
            continue;
        const std::string part = path.substr(0, pos);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            error = errno;
            return false;
        }
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        error = errno ? errno : ENOTDIR;
        return false;
    }
    if ((st.st_mode & 0777) != 0700 && chmod(path.c_str(), 0700) != 0) {
        error = errno;
        return false;
    }
    return true;
}

// The open, locked lock file of folder, or -1 when another holds it or it cannot be opened.
int TakeLock(const std::string& folder, bool create)
{
    const std::string path = folder + "/" + kLockName;
    const int fd =
        open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::string DefaultRecoveryRoot()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    std::string base;
    if (state && state[0] == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home ? home : "") + "/.local/state";
    }
    return base + "/tagwright/recovery";
}

RecoveryFolder::~RecoveryFolder()
{
    if (m_lockFd >= 0)
        close(m_lockFd);
}

std::string RecoveryFolder::FileFor(int serial) const
{
    return m_path + "/doc" + std::to_string(serial) + std::string(kExtension);
}

std::vector<std::string> RecoveryFolder::Files() const
{
    std::vector<std::string> files = ListFolder(m_path);
    std::erase_if(files, [](const std::string& name) { return !IsRecoveryFileName(name); });
    return files;
}

bool RecoveryFolder::RemoveIfEmpty()
{
    if (!Files().empty())
        return false;
    // Only the lock and temporary files of writes that never finished are left.
    for (const std::string& name : ListFolder(m_path))
        unlink((m_path + "/" + name).c_str());
    return rmdir(m_path.c_str()) == 0;
}

std::unique_ptr<RecoveryFolder> CreateRecoveryFolder(const std::string& root, int& error)
{
    if (!MakeFolders(root, error))
        return nullptr;
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const std::string name = "run-" + std::to_string(getpid()) + "-" + std::to_string(random());
        const std::string hidden = root + "/." + name;
        if (mkdir(hidden.c_str(), 0700) != 0) {
            if (errno == EEXIST)
                continue;
            error = errno;
            return nullptr;
        }
        const int lock = TakeLock(hidden, true);
        const std::string path = root + "/" + name;
        if (lock < 0 || rename(hidden.c_str(), path.c_str()) != 0) {
            error = errno;
            if (lock >= 0)
                close(lock);
            unlink((hidden + "/" + kLockName).c_str());
            rmdir(hidden.c_str());
            return nullptr;
        }
        return std::make_unique<RecoveryFolder>(path, lock);
    }
    error = EEXIST;
    return nullptr;
}

std::vector<std::unique_ptr<RecoveryFolder>> ClaimLeftoverFolders(const std::string& root)
{
    std::vector<std::unique_ptr<RecoveryFolder>> claimed;
    for (const std::string& name : ListFolder(root)) {
        if (name[0] == '.')
            continue;
        const std::string path = root + "/" + name;
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        const int lock = TakeLock(path, true);
        if (lock < 0)
            continue;
        auto folder = std::make_unique<RecoveryFolder>(path, lock);
        if (!folder->RemoveIfEmpty())
            claimed.push_back(std::move(folder));
    }
    return claimed;
}

bool MoveRecoveryFile(const std::string& from, const std::string& to, int& error)
{
    if (rename(from.c_str(), to.c_str()) != 0) {
        error = errno;
        return false;
    }
    return true;
}
