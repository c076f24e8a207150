// Shared by the parser fuzz targets: walks the lines of a fuzz input (split at "\n"), parses
// each in an exactly sized heap copy so that a read outside the line is caught, and aborts
// when the line-parse contract breaks.
#pragma once

#include "syntax/LineParse.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// parse is called as parse(state, source, line, blocks, count); check(after, count, line)
// may add checks of its own and returns an error text or null.
template <class Parse, class Check>
void CheckLineContract(const char* target, uint32_t state, const char* rest, const char* end,
                       Parse parse, Check check)
{
    const auto fail = [target](const char* what, int line) {
        std::fprintf(stderr, "%s: line %d: %s\n", target, line, what);
        std::abort();
    };
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
        const uint32_t after = parse(state, source, line, blocks.data(), count);
        int none = 0;
        if (parse(state, source, line, nullptr, none) != after || none != 0)
            fail("state-only parse differs", line);
        if (count < 0 || count > length + 1)
            fail("block count out of range", line);
        for (int b = 0; b < count; ++b) {
            const ColourBlock& block = blocks[b];
            if (block.start < 0 || block.start > length
                || (b && block.start <= blocks[b - 1].start))
                fail("block starts not strictly increasing within the line", line);
            const auto colour = static_cast<int>(block.colour);
            if (colour < 0 || colour >= kColourClassCount
                || block.colour == ColourClass::SelectionMargin
                || block.colour == ColourClass::SelectedText)
                fail("block colour is not a parser's class", line);
        }
        if (after > 0xFF)
            fail("returned a state outside the low eight bits", line);
        if (const char* error = check(after, count, line))
            fail(error, line);
        state = after;
        rest = stop + 1;
    }
}
