// The decision behind the reopen hint, from the first bytes of a file.
#include "text/EncodingHint.h"

#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

int SuggestedCodePage(std::string_view head, bool headIsCut, int openedPage)
{
    if (openedPage != CP_WINDOWS_1251 && openedPage != CP_UTF8)
        return -1;
    if (head.starts_with(kUtf8ByteOrderMark))
        return openedPage == CP_UTF8 ? -1 : CP_UTF8;
    const Utf8Scan scan = ScanUtf8(head, headIsCut);
    if (openedPage == CP_WINDOWS_1251)
        return scan.valid && scan.nonAscii ? CP_UTF8 : -1;
    return scan.valid ? -1 : CP_WINDOWS_1251;
}

int SuggestedCodePageForFile(const char* path, int openedPage)
{
    if (openedPage != CP_WINDOWS_1251 && openedPage != CP_UTF8)
        return -1;
    // Only a regular file is read: a second read of a pipe or device would take data away.
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    struct stat st;
    const auto head = std::make_unique<char[]>(kEncodingHintBytes);
    size_t size = 0;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (ok && size < kEncodingHintBytes) {
        const ssize_t n = read(fd, head.get() + size, kEncodingHintBytes - size);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n <= 0)
            break;
        size += static_cast<size_t>(n);
    }
    close(fd);
    return ok ? SuggestedCodePage({head.get(), size}, size == kEncodingHintBytes, openedPage) : -1;
}
