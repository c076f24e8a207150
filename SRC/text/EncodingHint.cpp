// The decision behind the reopen hint, from the first bytes of a file.
#include "text/EncodingHint.h"

#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

std::optional<CodePage> SuggestedCodePage(std::string_view head, bool headIsCut, CodePage openedPage)
{
    if (openedPage != CodePage::Windows1251 && openedPage != CodePage::Utf8)
        return std::nullopt;
    if (head.starts_with(kUtf8ByteOrderMark)) {
        if (openedPage == CodePage::Utf8)
            return std::nullopt;
        return CodePage::Utf8;
    }
    const Utf8Scan scan = ScanUtf8(head, headIsCut);
    if (openedPage == CodePage::Windows1251) {
        if (scan.valid && scan.nonAscii)
            return CodePage::Utf8;
        return std::nullopt;
    }
    if (scan.valid)
        return std::nullopt;
    return CodePage::Windows1251;
}

std::optional<CodePage> SuggestedCodePageForFile(const char* path, CodePage openedPage)
{
    if (openedPage != CodePage::Windows1251 && openedPage != CodePage::Utf8)
        return std::nullopt;
    // Only a regular file is read: a second read of a pipe or device would take data away.
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return std::nullopt;
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
    if (!ok)
        return std::nullopt;
    return SuggestedCodePage({head.get(), size}, size == kEncodingHintBytes, openedPage);
}
