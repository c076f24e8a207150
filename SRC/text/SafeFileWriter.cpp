// Temporary file, flush, attributes, backup and the replacing of the target of a save.
#include "text/SafeFileWriter.h"

#include "text/ByteTranslate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr size_t kMaxLinkText = size_t{1} << 20;

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Temporary files of the saves of a target are named this prefix and six characters; a long
// name is cut so that the temporary name stays within the file system's limit.
std::string TempPrefix(const std::string& target)
{
    return "TGW-" + NameOf(target).substr(0, 200) + "-";
}

// Creates a file from a mkstemp pattern ending in "XXXXXX", locked for as long as a
// descriptor of it stays open: the lock tells other saves that the file is in use.
int CreateLocked(std::string pattern, std::string& path)
{
    const int fd = mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return -1;
    flock(fd, LOCK_EX);
    path = pattern;
    return fd;
}

// Removes temporary files of earlier saves of the target that no running save holds locked:
// what saves killed midway left behind.
void RemoveStaleTemps(const std::string& target)
{
    const std::string folder = FolderOf(target);
    const std::string prefix = TempPrefix(target);
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + 6 || !name.starts_with(prefix))
            continue;
        const std::string path = folder + "/" + std::string(name);
        const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat st;
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(path.c_str());
        close(fd);
    }
    closedir(dir);
}

// Anyone may put a link into a sticky folder (such as /tmp) and aim it at a file of the
// user's; such a link is followed only when it belongs to the user or the folder's owner.
bool MayFollow(const std::string& link, const struct stat& linkStat)
{
    struct stat folder;
    if (stat(FolderOf(link).c_str(), &folder) != 0)
        return false;
    return !(folder.st_mode & S_ISVTX) || linkStat.st_uid == geteuid()
        || linkStat.st_uid == folder.st_uid;
}

// The size lstat gives may be out of date (or zero on some file systems), and a text that
// fills the buffer may have been cut off, so such a text is read again with more room.
bool ReadLinkText(const std::string& link, const struct stat& st, std::string& text, int& error)
{
    size_t size = st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : PATH_MAX;
    for (;;) {
        text.assign(size, '\0');
        const ssize_t n = readlink(link.c_str(), text.data(), size);
        if (n < 0) {
            error = errno;
            return false;
        }
        if (static_cast<size_t>(n) < size) {
            text.resize(static_cast<size_t>(n));
            error = ENOENT;
            return n > 0;
        }
        if (size >= kMaxLinkText) {
            error = ENAMETOOLONG;
            return false;
        }
        size *= 2;
    }
}

// Follows symbolic links in the last component of the path. A dangling link resolves to the
// path it names, so a save creates that file.
bool ResolveLinks(std::string& path, int& error, std::string& reason)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        if (!MayFollow(path, st)) {
            error = EACCES;
            reason = "It is a symbolic link that another user put in a shared folder; the save "
                     "does not follow it.";
            return false;
        }
        std::string target;
        if (!ReadLinkText(path, st, target, error))
            return false;
        path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
    }
    error = ELOOP;
    return false;
}

mode_t CurrentUmask()
{
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

void SyncFolder(const std::string& path)
{
    // File systems that cannot sync a folder are no failure.
    const int dir = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

// Copies every extended attribute (access lists included) of a file to an open file; an
// attribute the new file already holds with the same value is left alone.
bool CopyExtendedAttributes(const std::string& from, int to)
{
    ssize_t size = llistxattr(from.c_str(), nullptr, 0);
    if (size < 0)
        return errno == ENOTSUP;
    std::string names(static_cast<size_t>(size), '\0');
    size = llistxattr(from.c_str(), names.data(), names.size());
    if (size < 0)
        return false;
    names.resize(static_cast<size_t>(size));
    std::string value, present;
    for (size_t at = 0; at < names.size(); at += std::strlen(names.data() + at) + 1) {
        const char* name = names.data() + at;
        ssize_t n = lgetxattr(from.c_str(), name, nullptr, 0);
        if (n < 0)
            return false;
        value.assign(static_cast<size_t>(n), '\0');
        n = lgetxattr(from.c_str(), name, value.data(), value.size());
        if (n < 0)
            return false;
        value.resize(static_cast<size_t>(n));
        present.assign(value.size() + 1, '\0');
        const ssize_t m = fgetxattr(to, name, present.data(), present.size());
        if (m == n && present.compare(0, value.size(), value) == 0)
            continue;
        if (fsetxattr(to, name, value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}

// Gives an open file the owner, group, extended attributes and mode of the file at path, in
// that order: a change of owner clears the set-user-ID and set-group-ID bits, and an access
// list changes the group bits. False when the file differs from the old one in any of them.
bool GiveAttributes(int fd, const std::string& path, const struct stat& old)
{
    if (fchown(fd, old.st_uid, old.st_gid) != 0)
        (void)!fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    const bool copied = CopyExtendedAttributes(path, fd);
    const bool modeSet = fchmod(fd, old.st_mode & 07777) == 0;
    struct stat now;
    return copied && modeSet && fstat(fd, &now) == 0 && now.st_uid == old.st_uid
        && now.st_gid == old.st_gid && (now.st_mode & 07777) == (old.st_mode & 07777);
}

bool WriteAll(int fd, const char* p, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, p, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Copies all bytes of one open file to another from their starts; the count goes to copied.
bool CopyData(int from, int to, off_t& copied)
{
    copied = 0;
    if (lseek(from, 0, SEEK_SET) != 0 || lseek(to, 0, SEEK_SET) != 0)
        return false;
    const auto block = std::make_unique<char[]>(1 << 16);
    for (;;) {
        const ssize_t n = read(from, block.get(), 1 << 16);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!WriteAll(to, block.get(), static_cast<size_t>(n)))
            return false;
        copied += n;
    }
}

} // namespace

std::string SystemErrorText(int error) { return std::strerror(error); }

SafeFileWriter::~SafeFileWriter() { Discard(); }

std::string SafeFileWriter::ErrorText() const
{
    return m_errorText.empty() ? SystemErrorText(m_error) : m_errorText;
}

bool SafeFileWriter::Fail(int error, std::string text)
{
    m_error = error;
    m_errorText = std::move(text);
    Discard();
    return false;
}

void SafeFileWriter::Discard()
{
    if (m_fd >= 0)
        close(m_fd);
    m_fd = -1;
    if (!m_tempPath.empty())
        unlink(m_tempPath.c_str());
    m_tempPath.clear();
    if (!m_backupTemp.empty())
        unlink(m_backupTemp.c_str());
    m_backupTemp.clear();
    for (int* fd : {&m_lockFd, &m_backupLockFd}) {
        if (*fd >= 0)
            close(*fd);
        *fd = -1;
    }
}

bool SafeFileWriter::Open(const char* path)
{
    m_target = path;
    int error = 0;
    std::string reason;
    if (!ResolveLinks(m_target, error, reason))
        return Fail(error, reason);

    struct stat st;
    m_targetExists = stat(m_target.c_str(), &st) == 0;
    if (m_targetExists) {
        if (S_ISDIR(st.st_mode))
            return Fail(EISDIR);
        if (!S_ISREG(st.st_mode))
            return Fail(EINVAL, "It is not a regular file.");
        // The folder may allow a rename over a file the user may not write; we do not.
        if (access(m_target.c_str(), W_OK) != 0)
            return Fail(errno);
    } else if (errno != ENOENT) {
        return Fail(errno);
    }

    RemoveStaleTemps(m_target);
    m_fd = CreateLocked(FolderOf(m_target) + "/" + TempPrefix(m_target) + "XXXXXX", m_tempPath);
    if (m_fd < 0)
        return Fail(errno);
    m_lockFd = dup(m_fd); // keeps the lock after the temporary file is closed
    m_buffer = std::make_unique<char[]>(kBufferSize);

    if (!m_targetExists)
        return fchmod(m_fd, 0666 & ~CurrentUmask()) == 0 || Fail(errno);
    // A file with other names, or whose owner, group, mode or attributes the new file cannot
    // take, stays the same file: the new text goes into it in place.
    m_inPlace = st.st_nlink > 1 || !GiveAttributes(m_fd, m_target, st);
    return true;
}

bool SafeFileWriter::Flush()
{
    if (m_conversion)
        TranslateBytes(m_buffer.get(), m_buffer.get(), m_used, *m_conversion);
    const bool ok = WriteAll(m_fd, m_buffer.get(), m_used);
    m_used = 0;
    return ok || Fail(errno);
}

bool SafeFileWriter::Reserve(size_t length)
{
    return m_used + length <= kBufferSize || Flush();
}

bool SafeFileWriter::Write(const char* data, size_t length)
{
    if (m_fd < 0)
        return false;
    while (length > 0) {
        if (!Reserve(1))
            return false;
        const size_t n = std::min(length, kBufferSize - m_used);
        std::memcpy(m_buffer.get() + m_used, data, n);
        m_used += n;
        data += n;
        length -= n;
    }
    return true;
}

bool SafeFileWriter::Commit(bool backup)
{
    if (m_fd < 0)
        return false;
    if (!Flush())
        return false;
    if (fsync(m_fd) != 0)
        return Fail(errno);
    if (m_inPlace)
        return CommitInPlace(backup);
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0)
        return Fail(errno);
    return CommitByRename(backup && m_targetExists);
}

// Builds the backup under a temporary name from the pattern: a second name of the old file
// where that is allowed and possible, otherwise a synced copy with the old file's attributes.
bool SafeFileWriter::MakeBackupTemp(const std::string& pattern, bool allowLink)
{
    const auto fail = [this](int error) {
        return Fail(error, "The copy of the old text could not be made: " + SystemErrorText(error));
    };
    int fd = CreateLocked(pattern, m_backupTemp);
    if (fd < 0)
        return fail(errno);
    if (allowLink) {
        // A link needs a free name: the file just made gives up its name to it.
        unlink(m_backupTemp.c_str());
        close(fd);
        if (link(m_target.c_str(), m_backupTemp.c_str()) == 0) {
            m_backupLockFd = open(m_backupTemp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (m_backupLockFd >= 0)
                flock(m_backupLockFd, LOCK_EX);
            return true;
        }
        // No second name here (too many links, no links on this file system): copy.
        m_backupTemp.clear();
        fd = CreateLocked(pattern, m_backupTemp);
        if (fd < 0)
            return fail(errno);
    }
    m_backupLockFd = fd;

    const int old = open(m_target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (old < 0)
        return fail(errno);
    struct stat st;
    off_t copied = 0;
    const bool ok = fstat(old, &st) == 0 && CopyData(old, fd, copied);
    const int error = errno;
    close(old);
    if (!ok)
        return fail(error);
    // A copy that cannot have the old attributes is for the owner alone.
    if (!GiveAttributes(fd, m_target, st))
        fchmod(fd, st.st_mode & 0700);
    return fsync(fd) == 0 || fail(errno);
}

// The old file becomes the backup only after the new one is durably in place, so a failure
// or a kill at any moment leaves a whole file under the target's name and the old backup.
bool SafeFileWriter::CommitByRename(bool backup)
{
    if (backup && !MakeBackupTemp(FolderOf(m_target) + "/" + TempPrefix(m_target) + "XXXXXX", true))
        return false;
    if (rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return Fail(errno);
    m_tempPath.clear();
    SyncFolder(m_target);
    if (backup && rename(m_backupTemp.c_str(), (m_target + ".bak").c_str()) == 0) {
        m_backupTemp.clear();
        SyncFolder(m_target);
    }
    Discard();
    return true;
}

// Writes the new text over the old file, once a synced copy of the old text exists: the
// backup, or a copy kept only until the write has succeeded.
bool SafeFileWriter::CommitInPlace(bool backup)
{
    const std::string pattern = backup ? FolderOf(m_target) + "/" + TempPrefix(m_target) + "XXXXXX"
                                       : m_target + ".old-XXXXXX";
    if (!MakeBackupTemp(pattern, false))
        return false;
    std::string copy = m_backupTemp;
    if (backup) {
        copy = m_target + ".bak";
        if (rename(m_backupTemp.c_str(), copy.c_str()) != 0)
            return Fail(errno);
        m_backupTemp.clear();
    }
    SyncFolder(m_target);

    const int out = open(m_target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    off_t size = 0;
    bool ok = out >= 0 && CopyData(m_fd, out, size) && ftruncate(out, size) == 0 && fsync(out) == 0;
    int error = errno;
    if (out >= 0 && close(out) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        m_backupTemp.clear(); // the copy holds the old text now: it stays
        return Fail(error, SystemErrorText(error) + ". The old text is kept in " + copy + ".");
    }
    Discard(); // removes the copy and the temporary file
    return true;
}
