// Fuzz target of Load: the first byte picks the code page (modulo 6) and the line-ending mode
// (-1 to 2), the rest is the file. The lines joined with the mode's terminator must give back
// the converted file, a detected mode must be the one the first line break asks for, and the
// count of lossy bytes must be those that would not come back. A UTF-8 file is converted by a
// plain decoder of its own here: a character that Windows-1251 lacks, and every byte that does
// not belong to a well-formed sequence, reads as one "?" each and is counted.
#include "text/CodePages.h"
#include "text/Cp1251.h"
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
LineEnding ExpectedMode(const std::string& first)
{
    const size_t lf = first.find('\n');
    if (lf == std::string::npos || (lf > 0 && first[lf - 1] == '\r'))
        return LineEnding::Dos;
    return lf + 1 < first.size() && first[lf + 1] == '\r' ? LineEnding::Unix
                                                          : LineEnding::Macintosh;
}

// The length of the well-formed UTF-8 sequence at text[at], or 0 when none starts there.
size_t WellFormedLength(const std::string& text, size_t at)
{
    const auto byte = [&](size_t i) {
        return at + i < text.size() ? static_cast<uint8_t>(text[at + i]) : 0;
    };
    const auto in = [](uint8_t b, int low, int high) { return b >= low && b <= high; };
    const uint8_t b0 = byte(0);
    if (b0 < 0x80)
        return 1;
    if (in(b0, 0xC2, 0xDF))
        return in(byte(1), 0x80, 0xBF) ? 2 : 0;
    int low = 0x80, high = 0xBF;
    if (b0 == 0xE0)
        low = 0xA0;
    else if (b0 == 0xED)
        high = 0x9F;
    else if (b0 == 0xF0)
        low = 0x90;
    else if (b0 == 0xF4)
        high = 0x8F;
    if (in(b0, 0xE0, 0xEF))
        return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) ? 3 : 0;
    if (in(b0, 0xF0, 0xF4))
        return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) && in(byte(3), 0x80, 0xBF) ? 4 : 0;
    return 0;
}

// The Windows-1251 text of a UTF-8 file and the number of "?" that stand for something else.
std::string DecodeUtf8(const std::string& file, int64_t& lossy)
{
    std::string text;
    size_t at = file.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (at < file.size()) {
        const size_t length = WellFormedLength(file, at);
        if (length == 0) {
            text += '?';
            ++lossy;
            ++at;
            continue;
        }
        char32_t cp = static_cast<uint8_t>(file[at]) & (length == 1 ? 0x7F : 0xFF >> (length + 1));
        for (size_t i = 1; i < length; ++i)
            cp = cp << 6 | (static_cast<uint8_t>(file[at + i]) & 0x3F);
        const int b = cp1251::FromUnicode(cp);
        text += b < 0 ? '?' : static_cast<char>(b);
        lossy += b < 0;
        at += length;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto page = static_cast<CodePage>(data[0] % kCodePageCount);
    const auto mode = static_cast<LineEnding>((data[0] / kCodePageCount) % 4 - 1);
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
    int64_t ignored = 0;
    const LineEnding expectedMode =
        mode != LineEnding::Auto
            ? mode
            : ExpectedMode(page == CodePage::Utf8 ? DecodeUtf8(text, ignored) : text);
    if (buffer.LineEnding() != expectedMode)
        Fail("wrong line-ending mode");

    int64_t lossy = 0;
    if (page == CodePage::Utf8) {
        text = DecodeUtf8(text, lossy);
    } else if (const ByteTable* table = LoadTable(page)) {
        // A byte is lossy when saving what it loads as does not give it back.
        for (char& c : text) {
            const uint8_t b = static_cast<uint8_t>(c);
            c = static_cast<char>((*table)[b]);
            lossy += (*SaveTable(page))[(*table)[b]] != b;
        }
    }
    if (buffer.LossyByteCount() != lossy)
        Fail("wrong count of lossy bytes");
    std::string joined;
    for (int i = 0; i < buffer.LineCount(); ++i) {
        if (i > 0)
            joined += expectedMode == LineEnding::Dos ? "\r\n" : "\n";
        joined += buffer.Line(i);
    }
    if (joined != text)
        Fail("lines do not join back into the file");
    return 0;
}
