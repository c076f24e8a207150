// Fuzz target of the line parsers of every source type: the first byte picks the type (modulo
// the number of types), the second is the incoming state, the rest are lines (split at "\n")
// parsed in turn, each in an exactly sized heap copy so that a read outside the line is
// caught. Checks the parser contract on every line.
#include "doc/core/SourceTypes.h"
#include "syntax/ParseDispatch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, int type, int line)
{
    std::fprintf(stderr, "fuzz_parsers: type %d, line %d: %s\n", type, line, what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int type = data[0] % kSourceTypeCount;
    uint32_t state = data[1];
    const char* rest = reinterpret_cast<const char*>(data) + 2;
    const char* end = reinterpret_cast<const char*>(data) + size;

    std::vector<ColourBlock> blocks;
    for (int line = 0; rest <= end; ++line) {
        const char* stop = static_cast<const char*>(std::memchr(rest, '\n', end - rest));
        if (!stop)
            stop = end;
        const int length = static_cast<int>(stop - rest);
        const std::unique_ptr<char[]> copy(new char[length]);
        std::memcpy(copy.get(), rest, length);
        const CSingleLineSource source({ copy.get(), static_cast<size_t>(length) });

        blocks.assign(static_cast<size_t>(length) + 1, ColourBlock { -1, ColourClass::NormalText });
        int count = 0;
        const uint32_t after = ParseLine(type, state, source, line, blocks.data(), count);
        int none = 0;
        if (ParseLine(type, state, source, line, nullptr, none) != after || none != 0)
            Fail("state-only parse differs", type, line);
        if (count < 0 || count > length + 1)
            Fail("block count out of range", type, line);
        for (int b = 0; b < count; ++b) {
            const ColourBlock& block = blocks[b];
            if (block.start < 0 || block.start > length
                || (b && block.start <= blocks[b - 1].start))
                Fail("block starts not strictly increasing within the line", type, line);
            const auto colour = static_cast<int>(block.colour);
            if (colour < 0 || colour >= kColourClassCount
                || block.colour == ColourClass::SelectionMargin
                || block.colour == ColourClass::SelectedText)
                Fail("block colour is not a parser's class", type, line);
        }
        if (after > 0xFF)
            Fail("returned a state outside the low eight bits", type, line);
        if (type == SRC_PLAIN_TEXT && (after != 0 || count != 0))
            Fail("plain text got a state or blocks", type, line);
        state = after;
        rest = stop + 1;
    }
    return 0;
}
