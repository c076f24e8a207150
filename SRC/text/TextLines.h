// Read-only lines of a text, however they are held: a buffer, a snapshot of one, a view's text.
#pragma once

#include <string_view>

// Line(i) gives the bytes of line i without a terminator, valid until the text changes.
class CTextLines {
public:
    virtual ~CTextLines() = default;
    virtual int LineCount() const = 0;
    virtual std::string_view Line(int line) const = 0;

    int LineLength(int line) const { return static_cast<int>(Line(line).size()); }
    const char* LineText(int line) const { return Line(line).data(); }
};
