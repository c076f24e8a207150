// The lines of a buffer as strings, for comparisons in tests.
#pragma once

#include "text/KTextBuffer.h"

#include <string>
#include <vector>

inline std::vector<std::string> BufferLines(const CKTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.Line(i));
    return lines;
}
