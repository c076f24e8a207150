// Walking the lines of a file read in large blocks.
#include "findfiles/core/FileLines.h"

#include "findfiles/core/RawLiteral.h"
#include "text/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Enough for the code-page detector and for most files whole.
constexpr size_t kBlock = 256 * 1024;

} // namespace

CFileLines::~CFileLines()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool CFileLines::Open(const std::string& path, std::string& error)
{
    // Not blocking: a file that turns into a FIFO after the folder was read must not hang.
    m_fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat st;
    if (m_fd < 0 || fstat(m_fd, &st) != 0) {
        error = SystemErrorText(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "It is not a regular file.";
        return false;
    }
    m_identity = IdentityOf(st);
    return true;
}

bool CFileLines::ReadHead(std::string& error)
{
    if (m_identity.size > static_cast<int64_t>(kBlock))
        posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    // A buffer grown for the long lines of an earlier file goes back to the usual size.
    if (m_buffer.size() != kBlock) {
        m_buffer.resize(kBlock);
        m_buffer.shrink_to_fit();
    }
    Fill();
    error = m_error;
    return m_error.empty();
}

void CFileLines::Fill()
{
    while (!m_endOfFile && m_dataEnd < m_buffer.size()) {
        const ssize_t n = read(m_fd, m_buffer.data() + m_dataEnd, m_buffer.size() - m_dataEnd);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_error = SystemErrorText(errno);
        if (n <= 0)
            m_endOfFile = true;
        else
            m_dataEnd += static_cast<size_t>(n);
    }
}

size_t CFileLines::ReadMore()
{
    const size_t shift = m_pos;
    std::memmove(m_buffer.data(), m_buffer.data() + shift, m_dataEnd - shift);
    m_dataEnd -= shift;
    m_bufferOffset += static_cast<int64_t>(shift);
    m_pos = 0;
    if (m_dataEnd == m_buffer.size())
        m_buffer.resize(m_buffer.size() * 2); // the lines ahead fill the buffer
    Fill();
    return shift;
}

// With CR LF an LF ends a line only after an odd run of CRs, as the editor's load splits: a
// CR that is the second of a pair has reset the terminator's match.
size_t CFileLines::TerminatorEnd(size_t start, size_t from, size_t& contentEnd) const
{
    const char* data = m_buffer.data();
    while (from < m_dataEnd) {
        const void* hit = std::memchr(data + from, '\n', m_dataEnd - from);
        if (!hit)
            return std::string::npos;
        const size_t lf = static_cast<const char*>(hit) - data;
        if (!m_crlf) {
            contentEnd = lf;
            return lf + 1;
        }
        size_t run = lf;
        while (run > start && data[run - 1] == '\r')
            --run;
        if ((lf - run) % 2 == 1) {
            contentEnd = lf - 1;
            return lf + 1;
        }
        from = lf + 1;
    }
    return std::string::npos;
}

bool CFileLines::LineAt(size_t& start, Span& span)
{
    for (;;) {
        size_t contentEnd = 0;
        const size_t end = TerminatorEnd(start, start, contentEnd);
        if (end != std::string::npos) {
            span = {contentEnd, end, false};
            return true;
        }
        if (m_endOfFile) {
            span = {m_dataEnd, m_dataEnd, true};
            return true;
        }
        start -= ReadMore();
    }
}

size_t CFileLines::CompleteEnd() const
{
    const char* data = m_buffer.data();
    size_t end = m_dataEnd;
    while (end > m_pos) {
        const void* hit = memrchr(data + m_pos, '\n', end - m_pos);
        if (!hit)
            break;
        const size_t lf = static_cast<const char*>(hit) - data;
        if (!m_crlf)
            return lf + 1;
        size_t run = lf;
        while (run > m_pos && data[run - 1] == '\r')
            --run;
        if ((lf - run) % 2 == 1)
            return lf + 1;
        end = run;
    }
    return m_pos;
}

void CFileLines::Advance(size_t at)
{
    const char* data = m_buffer.data();
    if (!m_crlf) {
        m_line += static_cast<int>(std::count(data + m_pos, data + at, '\n'));
        if (const void* lf = memrchr(data + m_pos, '\n', at - m_pos))
            m_pos = static_cast<const char*>(lf) - data + 1;
        return;
    }
    size_t contentEnd = 0;
    for (size_t end;
         (end = TerminatorEnd(m_pos, m_pos, contentEnd)) != std::string::npos && end <= at;) {
        m_pos = end;
        ++m_line;
    }
}

bool CFileLines::GoTo(int y)
{
    while (!m_pastEnd && m_line < y) {
        Span span;
        size_t start = m_pos;
        LineAt(start, span);
        if (span.last)
            m_pastEnd = true;
        else
            m_pos = span.next;
        ++m_line;
    }
    return !m_pastEnd;
}

bool CFileLines::GoToCandidate(const CRawLiteral& literal, const std::atomic<bool>& stop)
{
    while (!m_pastEnd && !stop.load(std::memory_order_relaxed)) {
        const size_t end = m_endOfFile ? m_dataEnd : CompleteEnd();
        const char* data = m_buffer.data();
        if (const char* hit = literal.Find(data + m_pos, data + end)) {
            Advance(hit - data);
            return true;
        }
        if (m_endOfFile) {
            m_pastEnd = true;
            break;
        }
        Advance(end);
        ReadMore();
    }
    return false;
}

bool CFileLines::Line(int ahead, std::string_view& bytes, int64_t& fileOffset)
{
    if (m_pastEnd)
        return false;
    size_t start = m_pos;
    for (int i = 0;; ++i) {
        Span span;
        LineAt(start, span);
        if (i == ahead) {
            bytes = {m_buffer.data() + start, span.contentEnd - start};
            fileOffset = m_bufferOffset + static_cast<int64_t>(start);
            return true;
        }
        if (span.last)
            return false;
        start = span.next;
    }
}
