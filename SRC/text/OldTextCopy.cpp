// Naming, finding and restoring the copies of the old text of in-place saves.
#include "text/OldTextCopy.h"

#include "text/FileDescriptor.h"
#include "text/PathParts.h"
#include "text/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kCopyMark = ".old-";
constexpr size_t kRandomPart = 6;

// The file's name, cut at a character boundary where needed so that the copy's name fits.
std::string CopyStem(const std::string& target)
{
    std::string name = NameOf(target);
    const size_t room = NameLimit(FolderOf(target)) - kCopyMark.size() - kRandomPart;
    if (name.size() > room) {
        size_t cut = room;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut;
        name.resize(cut);
    }
    return name;
}

// The copies of files whose folder the user may not write live in a folder of the user's own,
// named by a hash of the file's full path.
std::string PrivateFolderPath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/tagwright/old-texts";
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/state/tagwright/old-texts";
    return {};
}

// The folder exists, is a folder rather than a link, and only the user may use it.
bool IsPrivateFolder(const std::string& folder)
{
    struct stat st;
    return lstat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid()
           && (st.st_mode & 077) == 0;
}

std::string MakePrivateFolder(int& error)
{
    const std::string folder = PrivateFolderPath();
    if (folder.empty()) {
        error = ENOENT;
        return {};
    }
    for (size_t pos = 1; pos <= folder.size(); ++pos) {
        if (pos != folder.size() && folder[pos] != '/')
            continue;
        if (mkdir(folder.substr(0, pos).c_str(), 0700) != 0 && errno != EEXIST) {
            error = errno;
            return {};
        }
    }
    if (!IsPrivateFolder(folder)) {
        error = EACCES;
        return {};
    }
    return folder;
}

std::string PrivateStem(const std::string& target)
{
    // The same file by any relative or absolute path gives the same name.
    std::string full = target;
    if (char* folder = realpath(FolderOf(target).c_str(), nullptr)) {
        full = std::string(folder) + "/" + NameOf(target);
        std::free(folder);
    }
    uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : full)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

bool IsCopyName(std::string_view name, std::string_view stem)
{
    if (name.size() != stem.size() + kCopyMark.size() + kRandomPart || !name.starts_with(stem)
        || name.substr(stem.size(), kCopyMark.size()) != kCopyMark)
        return false;
    return std::all_of(name.end() - kRandomPart, name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// A copy is offered only when it is a regular file of the user's and no save holds it: a
// file someone else put there is never taken for the user's old text.
bool IsLeftOver(const std::string& path, OldTextCopy& copy)
{
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    const bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid()
                    && flock(fd, LOCK_SH | LOCK_NB) == 0;
    close(fd);
    if (ok)
        copy = OldTextCopy{path, st.st_size, st.st_mtime};
    return ok;
}

void FindIn(const std::string& folder, const std::string& stem, std::vector<OldTextCopy>& found)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        OldTextCopy copy;
        if (IsCopyName(entry->d_name, stem) && IsLeftOver(folder + "/" + entry->d_name, copy))
            found.push_back(std::move(copy));
    }
    closedir(dir);
}

} // namespace

std::string OldTextCopyPattern(const std::string& target, bool besideTarget, int& error)
{
    if (besideTarget)
        return FolderOf(target) + "/" + CopyStem(target) + std::string(kCopyMark) + "XXXXXX";
    const std::string folder = MakePrivateFolder(error);
    return folder.empty() ? std::string()
                          : folder + "/" + PrivateStem(target) + std::string(kCopyMark) + "XXXXXX";
}

std::vector<OldTextCopy> FindOldTextCopies(const std::string& path)
{
    std::string target = path;
    int error = 0;
    std::string reason;
    std::vector<OldTextCopy> found;
    if (!ResolveSaveTarget(target, error, reason))
        return found;
    FindIn(FolderOf(target), CopyStem(target), found);
    const std::string folder = PrivateFolderPath();
    if (!folder.empty() && IsPrivateFolder(folder))
        FindIn(folder, PrivateStem(target), found);
    std::sort(found.begin(), found.end(), [](const OldTextCopy& a, const OldTextCopy& b) {
        return a.madeAt != b.madeAt ? a.madeAt > b.madeAt : a.path < b.path;
    });
    return found;
}

bool RestoreOldTextCopy(const std::string& copy, const std::string& path, std::string& reason)
{
    const FileDescriptor file(open(copy.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    const int fd = file.Get();
    if (fd < 0) {
        reason = SystemErrorText(errno);
        return false;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) {
        reason = "It is not a copy of yours.";
        return false;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        reason = "A save is using it now.";
        return false;
    }
    SafeFileWriter writer;
    bool ok = writer.Open(path.c_str());
    const auto block = std::make_unique<char[]>(1 << 16);
    for (ssize_t n = 1; ok && n > 0;) {
        n = read(fd, block.get(), 1 << 16);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = "The copy cannot be read: " + SystemErrorText(errno);
            return false;
        }
        ok = writer.Write(block.get(), static_cast<size_t>(n));
    }
    if (!ok || !writer.Commit(false)) {
        reason = writer.ErrorText();
        return false;
    }
    unlink(copy.c_str());
    return true;
}
