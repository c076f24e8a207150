// Fuzz target of Load: the first byte picks the code page (modulo 5) and the line-ending mode
// (-1 to 2), the rest is the file. The lines joined with the mode's terminator must give back
// the converted file, and a detected mode must be the one the first line break asks for.
#include "text/CodePages.h"
#include "text/KTextBuffer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "fuzz_load: %s\n", what);
    std::abort();
}

// The detection rule, written out again: the first LF decides, wherever it lies.
int ExpectedMode(const std::string& first)
{
    const size_t lf = first.find('\n');
    if (lf == std::string::npos || (lf > 0 && first[lf - 1] == '\r'))
        return 0;
    return lf + 1 < first.size() && first[lf + 1] == '\r' ? 1 : 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int page = data[0] % kCodePageCount;
    const int mode = (data[0] / kCodePageCount) % 4 - 1;
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);

    // The file lives in memory and is reached through its descriptor's path.
    static const int fd = memfd_create("fuzz_load", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0
        || pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
        Fail("cannot write the input file");
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    CKTextBuffer buffer;
    if (!buffer.Load(path.c_str(), mode, page))
        Fail("Load failed");
    if (buffer.CodePage() != page)
        Fail("code page not kept");
    const int expectedMode = mode < 0 ? ExpectedMode(text) : mode;
    if (buffer.LineEnding() != expectedMode)
        Fail("wrong line-ending mode");

    if (const ByteTable* table = LoadTable(page))
        for (char& c : text)
            c = static_cast<char>((*table)[static_cast<uint8_t>(c)]);
    std::string joined;
    for (int i = 0; i < buffer.LineCount(); ++i) {
        if (i > 0)
            joined += expectedMode == 0 ? "\r\n" : "\n";
        joined += buffer.Line(i);
    }
    if (joined != text)
        Fail("lines do not join back into the file");
    return 0;
}
