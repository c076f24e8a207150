// Fuzz target of the HTML line parser: the first byte is the incoming state (every HS_ bit
// combination), the rest are lines (split at "\n") parsed in turn, each in an exactly sized
// heap copy so that a read outside the line is caught. Checks the parser contract on every
// line.
#include "syntax/HtmlParser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, int line)
{
    std::fprintf(stderr, "fuzz_html: line %d: %s\n", line, what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    uint32_t state = data[0];
    const char* rest = reinterpret_cast<const char*>(data) + 1;
    const char* end = reinterpret_cast<const char*>(data) + size;

    std::vector<ColourBlock> blocks;
    for (int line = 0; rest <= end; ++line) {
        const char* stop = static_cast<const char*>(std::memchr(rest, '\n', end - rest));
        if (!stop)
            stop = end;
        const int length = static_cast<int>(stop - rest);
        const std::unique_ptr<char[]> copy(new char[length]);
        std::memcpy(copy.get(), rest, length);
        const CSingleLineSource source({copy.get(), static_cast<size_t>(length)});

        blocks.assign(static_cast<size_t>(length) + 1, ColourBlock{-1, ColourClass::NormalText});
        int count = 0;
        const uint32_t after = ParseHtmlLine(state, source, line, blocks.data(), count);
        int none = 0;
        if (ParseHtmlLine(state, source, line, nullptr, none) != after || none != 0)
            Fail("state-only parse differs", line);
        if (count < 0 || count > length + 1)
            Fail("block count out of range", line);
        for (int b = 0; b < count; ++b) {
            const ColourBlock& block = blocks[b];
            const bool ordered = b == 0 || block.start > blocks[b - 1].start;
            if (block.start < 0 || block.start > length || !ordered)
                Fail("block starts not strictly increasing within the line", line);
            const auto colour = static_cast<int>(block.colour);
            const bool parserClass = block.colour == ColourClass::NormalText
                || (colour >= static_cast<int>(ColourClass::Keyword) && colour < kColourClassCount);
            if (!parserClass)
                Fail("block colour is not a parser's class", line);
        }
        if (after > 0xFF)
            Fail("returned a state outside the HS_ bits", line);
        state = after;
        rest = stop + 1;
    }
    return 0;
}
