// Temporary file, flush, attributes, backup and the replacing of the target of a save.
#include "text/SafeFileWriter.h"

#include "text/ByteTranslate.h"
#include "text/FileDescriptor.h"
#include "text/OldTextCopy.h"
#include "text/PathParts.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr size_t kMaxLinkText = size_t{1} << 20;

// Temporary files of the saves of a target are named this prefix and six characters; a long
// name is cut so that the temporary name stays within the file system's limit.
std::string TempPrefix(const std::string& target)
{
    return "TGW-" + NameOf(target).substr(0, 200) + "-";
}

// Puts six random letters and digits in place of the "XXXXXX" that ends the pattern.
bool FillPattern(std::string& pattern)
{
    static constexpr std::string_view kChars =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char random[6];
    if (getrandom(random, sizeof random, 0) != static_cast<ssize_t>(sizeof random))
        return false;
    for (size_t i = 0; i < sizeof random; ++i)
        pattern[pattern.size() - sizeof random + i] = kChars[random[i] % kChars.size()];
    return true;
}

// Creates a file from a pattern ending in "XXXXXX", locked for as long as a descriptor of it
// stays open: the lock tells other saves that the file is in use. The mode is asked of the
// system as for any new file, so the umask or the folder's default access list shape it.
int CreateLocked(std::string pattern, mode_t mode, std::string& path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!FillPattern(pattern))
            return -1;
        const int fd =
            open(pattern.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0) {
            flock(fd, LOCK_EX);
            path = pattern;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Gives the file at from a free name made from the pattern, never replacing a file that holds
// the name already.
bool RenameToFreeName(const std::string& from, std::string pattern, std::string& path)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (!FillPattern(pattern))
            return false;
        if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, pattern.c_str(), RENAME_NOREPLACE) == 0) {
            path = pattern;
            return true;
        }
        if (errno == EINVAL || errno == ENOSYS) {
            // A file system that cannot refuse to replace: a name that is free now will do.
            struct stat st;
            if (lstat(pattern.c_str(), &st) == 0)
                continue;
            if (rename(from.c_str(), pattern.c_str()) != 0)
                return false;
            path = pattern;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
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

constexpr std::string_view kLeftAsItWas = " The file was left as it was.";

// Why the backup asked for cannot be made.
std::string BackupFailure(const std::string& backup, int error)
{
    return "The backup copy " + NameOf(backup) + " cannot be made: " + SystemErrorText(error) + ".";
}

constexpr std::string_view kBackupAdvice =
    " To save without a backup, turn off \"Create backup copies\" on the Files page of the "
    "options.";

// The same when the file stays as it was, with what the user can do about it.
std::string BackupRefusal(const std::string& backup, int error)
{
    return BackupFailure(backup, error) + std::string(kLeftAsItWas) + std::string(kBackupAdvice);
}

std::string CopyFailure(int error)
{
    return "The copy of the old text could not be made: " + SystemErrorText(error);
}

std::string KeptIn(const std::string& copy) { return " The old text is kept in " + copy + "."; }

} // namespace

bool ResolveSaveTarget(std::string& path, int& error, std::string& reason)
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
    if (!m_oldText.empty())
        unlink(m_oldText.c_str());
    m_oldText.clear();
    for (int* fd : {&m_lockFd, &m_oldTextLockFd}) {
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
    if (!ResolveSaveTarget(m_target, error, reason))
        return Fail(error, reason);

    struct stat old;
    m_targetExists = stat(m_target.c_str(), &old) == 0;
    if (m_targetExists) {
        if (S_ISDIR(old.st_mode))
            return Fail(EISDIR);
        if (!S_ISREG(old.st_mode))
            return Fail(EINVAL, "It is not a regular file.");
        // The folder may allow a rename over a file the user may not write; we do not.
        if (access(m_target.c_str(), W_OK) != 0)
            return Fail(errno);
    } else if (errno != ENOENT) {
        return Fail(errno);
    }

    RemoveStaleTemps(m_target);
    // A new file is asked for with the mode any new file gets; a replacing one gets the old
    // file's attributes below.
    m_fd = CreateLocked(FolderOf(m_target) + "/" + TempPrefix(m_target) + "XXXXXX",
                        m_targetExists ? 0600 : 0666, m_tempPath);
    if (m_fd < 0) {
        // A file the user may write in a folder the user may not is written in place.
        if (!m_targetExists || (errno != EACCES && errno != EPERM))
            return Fail(errno);
        m_folderWritable = false;
        m_inPlace = true;
        if (!StageAside())
            return false;
    } else {
        m_lockFd = dup(m_fd); // keeps the lock after the temporary file is closed
        // A file with other names, or whose owner, group, mode or attributes the new file
        // cannot take, stays the same file: the new text goes into it in place.
        m_inPlace = m_targetExists && (old.st_nlink > 1 || !GiveAttributes(m_fd, m_target, old));
    }
    m_buffer = std::make_unique<char[]>(kBufferSize);
    return true;
}

// The new text waits in a nameless file of the user's own folder for copies until it goes
// into the old file.
bool SafeFileWriter::StageAside()
{
    int error = 0;
    const std::string copies = OldTextCopyPattern(m_target, false, error);
    if (copies.empty())
        return Fail(error, "The folder cannot be written, and there is no folder of your own to "
                           "keep a copy of the old text in: "
                               + SystemErrorText(error));
    // Killed saves of a file of the same name may have left their temporary files there too.
    const std::string aside = FolderOf(copies) + "/" + NameOf(m_target);
    RemoveStaleTemps(aside);
    std::string path;
    m_fd = CreateLocked(FolderOf(aside) + "/" + TempPrefix(aside) + "XXXXXX", 0600, path);
    if (m_fd < 0)
        return Fail(errno);
    unlink(path.c_str());
    return true;
}

bool SafeFileWriter::Flush()
{
    if (m_conversion)
        TranslateBytes(m_buffer.get(), m_buffer.get(), m_used, *m_conversion);
    m_hash.Add(m_buffer.get(), m_used);
    const bool ok = WriteAll(m_fd, m_buffer.get(), m_used);
    m_used = 0;
    return ok || Fail(errno);
}

bool SafeFileWriter::Reserve(size_t length) { return m_used + length <= kBufferSize || Flush(); }

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
    backup = backup && m_targetExists;
    if (backup && !CheckBackupName())
        return false;
    if (m_inPlace)
        return CommitInPlace(backup);
    if (fsync(m_fd) != 0)
        return Fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0)
        return Fail(errno);
    return CommitByRename(backup);
}

// Refuses before anything is touched when the backup's name cannot be taken: it is too long
// for the file system, a folder holds it, or the folder may not be written.
bool SafeFileWriter::CheckBackupName()
{
    const std::string backup = m_target + ".bak";
    struct stat st;
    int error = 0;
    if (NameOf(backup).size() > NameLimit(FolderOf(backup)))
        error = ENAMETOOLONG;
    else if (lstat(backup.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        error = EISDIR;
    else if (!m_folderWritable)
        error = EACCES;
    return error == 0 || Fail(error, BackupRefusal(backup, error));
}

// Makes the old text's copy under a temporary name from the pattern: a second name of the old
// file where that is allowed and possible, otherwise a synced copy with the old file's
// attributes.
bool SafeFileWriter::MakeOldText(const std::string& pattern, bool allowLink)
{
    const auto fail = [this](int error) { return Fail(error, CopyFailure(error)); };
    int fd = CreateLocked(pattern, 0600, m_oldText);
    if (fd < 0)
        return fail(errno);
    if (allowLink) {
        // A link needs a free name: the file just made gives up its name to it.
        unlink(m_oldText.c_str());
        close(fd);
        if (link(m_target.c_str(), m_oldText.c_str()) == 0) {
            m_oldTextLockFd =
                open(m_oldText.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            if (m_oldTextLockFd >= 0)
                flock(m_oldTextLockFd, LOCK_EX);
            return true;
        }
        // No second name here (too many links, no links on this file system): copy.
        m_oldText.clear();
        fd = CreateLocked(pattern, 0600, m_oldText);
        if (fd < 0)
            return fail(errno);
    }
    m_oldTextLockFd = fd;

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
// or a kill at any moment leaves a whole file under the target's name and the old backup. When
// the backup's name cannot be taken after all, the old file takes its own name back.
bool SafeFileWriter::CommitByRename(bool backup)
{
    if (backup && !MakeOldText(FolderOf(m_target) + "/" + TempPrefix(m_target) + "XXXXXX", true))
        return false;
    if (rename(m_tempPath.c_str(), m_target.c_str()) != 0)
        return Fail(errno);
    m_tempPath.clear();
    SyncFolder(m_target);
    NoteWritten(m_lockFd);
    if (backup) {
        const std::string name = m_target + ".bak";
        if (rename(m_oldText.c_str(), name.c_str()) != 0) {
            const int error = errno;
            const std::string old = std::exchange(m_oldText, {});
            if (rename(old.c_str(), m_target.c_str()) != 0)
                return Fail(error, BackupFailure(name, error) + KeptIn(old));
            SyncFolder(m_target);
            return Fail(error, BackupRefusal(name, error));
        }
        m_oldText.clear();
        SyncFolder(m_target);
    }
    Discard();
    return true;
}

// Writes the new text over the old file once a synced copy of the old text exists under a
// name that tells it apart ("<name>.old-XXXXXX", only ever holding a whole copy) and the
// space for the new text is reserved. A failed write puts the old text back; a killed one
// leaves the copy for the next open of the file to offer. The copy becomes the backup or goes.
bool SafeFileWriter::CommitInPlace(bool backup)
{
    if (!KeepOldTextCopy())
        return false;
    const FileDescriptor out(
        open(m_target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (out.Get() < 0)
        return Fail(errno);
    if (!ReserveRoom(out.Get()))
        return false;
    if (!WriteInPlace(out.Get()))
        return PutBackAndFail(errno, SystemErrorText(errno) + ".");
    NoteWritten(out.Get());
    if (backup) {
        const std::string name = m_target + ".bak";
        if (rename(m_oldText.c_str(), name.c_str()) != 0) {
            const int error = errno;
            return PutBackAndFail(error, BackupFailure(name, error), kBackupAdvice);
        }
        m_oldText.clear();
    }
    Discard(); // removes the copy and the staged text
    return true;
}

// The copy of the old text is built under a temporary name and takes its own name only when
// it is whole, so that a copy found later is always the whole old text.
bool SafeFileWriter::KeepOldTextCopy()
{
    int error = 0;
    const std::string pattern = OldTextCopyPattern(m_target, m_folderWritable, error);
    if (pattern.empty())
        return Fail(error, CopyFailure(error));
    if (!MakeOldText(FolderOf(pattern) + "/" + TempPrefix(m_target) + "XXXXXX", false))
        return false;
    std::string copy;
    if (!RenameToFreeName(m_oldText, pattern, copy))
        return Fail(errno, CopyFailure(errno));
    m_oldText = copy;
    SyncFolder(m_oldText);
    return true;
}

// Room for the whole new text first, so that a full disk stops the save before the file
// changes. File systems that cannot reserve are written without.
bool SafeFileWriter::ReserveRoom(int out)
{
    struct stat before, staged;
    if (fstat(out, &before) != 0 || fstat(m_fd, &staged) != 0)
        return Fail(errno);
    if (staged.st_size == 0)
        return true;
    const int error = posix_fallocate(out, 0, staged.st_size);
    if (error == 0 || error == EOPNOTSUPP || error == EINVAL || error == ENOSYS)
        return true;
    // What was reserved beyond the old end holds nothing yet.
    (void)!ftruncate(out, before.st_size);
    return Fail(error, SystemErrorText(error) + ". There is no room for the new text."
                           + std::string(kLeftAsItWas));
}

bool SafeFileWriter::WriteInPlace(int out)
{
    off_t copied = 0;
    return CopyData(m_fd, out, copied) && fsync(out) == 0 && ftruncate(out, copied) == 0
           && fsync(out) == 0;
}

// What the target is now that the new text is in it, for telling later whether another
// program changed it. A file that cannot be looked at stays unknown, which reads as changed.
void SafeFileWriter::NoteWritten(int fd)
{
    struct stat st;
    if (fd >= 0 && fstat(fd, &st) == 0)
        m_written = IdentityOf(st, m_hash.Value());
}

// After a failed write over the file: with the old text back, the file was left as it was;
// otherwise the reason names the copy that holds it, which stays.
bool SafeFileWriter::PutBackAndFail(int error, const std::string& reason, std::string_view advice)
{
    const FileDescriptor out(
        open(m_target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    off_t copied = 0;
    if (out.Get() >= 0 && CopyData(m_oldTextLockFd, out.Get(), copied)
        && ftruncate(out.Get(), copied) == 0 && fsync(out.Get()) == 0)
        return Fail(error, reason + std::string(kLeftAsItWas) + std::string(advice));
    return Fail(error, reason + KeptIn(std::exchange(m_oldText, {})));
}
