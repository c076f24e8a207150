// Test helper: parses a line with and without blocks, checks the parser contract, and gives
// the blocks as text ("0:3 1:3 5:9": start and class of each block).
#pragma once

#include "syntax/LineParse.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

struct ParsedLine {
    uint32_t state;
    std::string blocks;
};

inline std::string BlocksText(const ColourBlock* blocks, int count)
{
    std::string s;
    for (int b = 0; b < count; ++b) {
        if (b)
            s += ' ';
        s += std::to_string(blocks[b].start) + ':'
             + std::to_string(static_cast<int>(blocks[b].colour));
    }
    return s;
}

// parser is called as parser(state, source, line, blocks, count).
template <class Parser>
ParsedLine ParseChecked(Parser parser, uint32_t state, std::string_view text)
{
    const CSingleLineSource source(text);
    std::vector<ColourBlock> blocks(text.size() + 1);
    int count = 0;
    const uint32_t after = parser(state, source, 0, blocks.data(), count);
    int none = 0;
    EXPECT_EQ(parser(state, source, 0, nullptr, none), after) << "state-only parse differs";
    EXPECT_EQ(none, 0);
    EXPECT_LE(count, static_cast<int>(text.size()) + 1);
    for (int b = 0; b < count; ++b) {
        EXPECT_GE(blocks[b].start, 0);
        EXPECT_LE(blocks[b].start, static_cast<int>(text.size()));
        if (b) {
            EXPECT_GT(blocks[b].start, blocks[b - 1].start);
        }
    }
    return {after, BlocksText(blocks.data(), count)};
}
