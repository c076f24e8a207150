// Table rows for the parsers of the source types: a line, the state before it, and the blocks
// ("start:class" ...) and state expected after it. Rows are instantiated per family.
#pragma once

#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string_view>

struct ParserCase {
    const char* name;
    SourceType type;
    uint32_t stateIn;
    std::string_view text;
    const char* blocks;
    uint32_t stateOut;
};
inline void PrintTo(const ParserCase& c, std::ostream* os) { *os << c.name; }

class ParserCaseTest : public testing::TestWithParam<ParserCase> {};

inline std::string ParserCaseName(const testing::TestParamInfo<ParserCase>& info)
{
    return info.param.name;
}
