// Temporary file, flush, permissions, backup and rename of a save.
#include "text/SafeFileWriter.h"

#include "text/ByteTranslate.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links in the last component of the path. A dangling link resolves to the
// path it names, so a save creates that file.
bool ResolveLinks(std::string& path, int& error)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        std::string target(st.st_size > 0 ? st.st_size + 1 : PATH_MAX, '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n < 0) {
            error = errno;
            return false;
        }
        target.resize(n);
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

} // namespace

std::string SystemErrorText(int error) { return std::strerror(error); }

SafeFileWriter::~SafeFileWriter() { Discard(); }

bool SafeFileWriter::Fail(int error)
{
    m_error = error;
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
}

bool SafeFileWriter::Open(const char* path)
{
    m_target = path;
    int error = 0;
    if (!ResolveLinks(m_target, error))
        return Fail(error);

    struct stat st;
    m_targetExists = stat(m_target.c_str(), &st) == 0;
    if (m_targetExists) {
        if (S_ISDIR(st.st_mode))
            return Fail(EISDIR);
        if (!S_ISREG(st.st_mode))
            return Fail(EINVAL);
        // The folder may allow a rename over a file the user may not write; we do not.
        if (access(m_target.c_str(), W_OK) != 0)
            return Fail(errno);
    } else if (errno != ENOENT) {
        return Fail(errno);
    }

    std::string temp = FolderOf(m_target) + "/TGWXXXXXX";
    m_fd = mkostemp(temp.data(), O_CLOEXEC);
    if (m_fd < 0)
        return Fail(errno);
    m_tempPath = temp;
    m_buffer = std::make_unique<char[]>(kBufferSize);

    if (m_targetExists) {
        if (fchmod(m_fd, st.st_mode & 07777) != 0)
            return Fail(errno);
        // Keep owner and group where this user may set them; otherwise the file becomes ours.
        if (fchown(m_fd, st.st_uid, st.st_gid) != 0)
            (void)!fchown(m_fd, static_cast<uid_t>(-1), st.st_gid);
    } else if (fchmod(m_fd, 0666 & ~CurrentUmask()) != 0) {
        return Fail(errno);
    }
    return true;
}

bool SafeFileWriter::Flush()
{
    if (m_conversion)
        TranslateBytes(m_buffer.get(), m_buffer.get(), m_used, *m_conversion);
    const char* p = m_buffer.get();
    while (m_used > 0) {
        const ssize_t n = write(m_fd, p, m_used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail(errno);
        }
        if (n == 0)
            return Fail(ENOSPC);
        p += n;
        m_used -= static_cast<size_t>(n);
    }
    return true;
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
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0)
        return Fail(errno);

    // The old file becomes the backup by a second name, so that the target's name holds a
    // whole file at every moment; where links are not possible it is renamed instead.
    bool movedToBackup = false;
    const std::string backupPath = m_target + ".bak";
    if (backup && m_targetExists) {
        unlink(backupPath.c_str());
        if (link(m_target.c_str(), backupPath.c_str()) != 0) {
            if (rename(m_target.c_str(), backupPath.c_str()) != 0)
                return Fail(errno);
            movedToBackup = true;
        }
    }

    if (rename(m_tempPath.c_str(), m_target.c_str()) != 0) {
        const int error = errno;
        if (movedToBackup)
            rename(backupPath.c_str(), m_target.c_str());
        return Fail(error);
    }
    m_tempPath.clear();

    // Make the rename itself durable; file systems that cannot sync a folder are no failure.
    const int dir = open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}
