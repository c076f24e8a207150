// The decision behind the reopen hint, from the first bytes of a file.
#include "text/EncodingHint.h"

#include "text/CharsetDeclaration.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CodePageHint SuggestedCodePage(std::string_view head, bool headIsCut, CodePage openedPage)
{
    using Reason = CodePageHint::Reason;
    if (head.starts_with(kUtf8ByteOrderMark)) {
        if (openedPage == CodePage::Utf8)
            return {};
        return {CodePage::Utf8, Reason::LooksLike};
    }
    const CodePageGuess guess = DetectCodePage(head, headIsCut);
    if (guess.kind == CodePageGuess::Kind::Page && guess.page != openedPage)
        return {guess.page, Reason::LooksLike};
    const CharsetDeclaration declared = FindCharsetDeclaration(head);
    if (declared.page && *declared.page != openedPage)
        return {declared.page, Reason::Declares};
    // Short texts leave detection unsure; UTF-8 itself tells more.
    const Utf8Scan scan = ScanUtf8(head, headIsCut);
    if (openedPage == CodePage::Windows1251 && scan.valid && scan.nonAscii)
        return {CodePage::Utf8, Reason::LooksLike};
    if (openedPage == CodePage::Utf8 && !scan.valid)
        return {CodePage::Windows1251, Reason::NotUtf8};
    return {};
}

bool ReadFileHead(const char* path, std::string& head, bool& headIsCut)
{
    // Only a regular file is read: a second read of a pipe or device would take data away.
    const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    head.assign(kEncodingHintBytes, '\0');
    size_t size = 0;
    bool ok = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    while (ok && size < kEncodingHintBytes) {
        const ssize_t n = read(fd, head.data() + size, kEncodingHintBytes - size);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n <= 0)
            break;
        size += static_cast<size_t>(n);
    }
    close(fd);
    head.resize(size);
    headIsCut = size == kEncodingHintBytes;
    return ok;
}

CodePageHint SuggestedCodePageForFile(const char* path, CodePage openedPage)
{
    std::string head;
    bool cut = false;
    return ReadFileHead(path, head, cut) ? SuggestedCodePage(head, cut, openedPage)
                                         : CodePageHint{};
}
