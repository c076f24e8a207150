// Lines held in a vector, read through the parsers' and the view core's line interface.
#pragma once

#include "syntax/LineParse.h"

#include <string>
#include <utility>
#include <vector>

class LinesSource final : public CLineSource {
public:
    explicit LinesSource(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
    int LineLength(int line) const override { return static_cast<int>(m_lines[line].size()); }
    const char* LineText(int line) const override { return m_lines[line].data(); }
    int Count() const { return static_cast<int>(m_lines.size()); }

private:
    std::vector<std::string> m_lines;
};
