// Lines held in a vector, read through the lines interface of the parsers and the view core.
#pragma once

#include "text/TextLines.h"

#include <string>
#include <utility>
#include <vector>

class LinesSource final : public CTextLines {
public:
    explicit LinesSource(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
    int LineCount() const override { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int line) const override { return m_lines[line]; }
    int Count() const { return LineCount(); }

private:
    std::vector<std::string> m_lines;
};
