// Word moves, Home, word bounds and selection hit tests.
#include "view/core/CaretMoves.h"

#include "text/Cp1251.h"

namespace {

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }
bool IsWordByte(char c) { return IsCaretWordChar(static_cast<uint8_t>(c)); }

} // namespace

bool IsCaretWordChar(uint8_t c) { return cp1251::IsAlnum(c) || c == '_'; }

bool IsInside(const TextRange& r, TextPoint p)
{
    const TextPoint s = r.start, e = r.end;
    if (s.y < p.y && p.y < e.y)
        return true;
    if (p.y == s.y && p.y == e.y)
        return s.x <= p.x && p.x < e.x;
    if (p.y == s.y)
        return p.x >= s.x;
    if (p.y == e.y)
        return p.x < e.x;
    return false;
}

std::optional<TextPoint> WordLeftOf(const CTextLines& text, TextPoint p)
{
    bool lineChanged = false;
    if (p.x == 0) {
        if (p.y == 0)
            return std::nullopt;
        --p.y;
        p.x = text.LineLength(p.y);
        lineChanged = true;
    }
    const std::string_view line = text.Line(p.y);
    int i = p.x;
    while (i > 0 && IsBlankByte(line[i - 1]))
        --i;
    if (i == 0)
        return TextPoint{0, p.y};
    const char before = line[i - 1];
    if ((!lineChanged && IsWordByte(before)) || before == '_') {
        while (i > 0 && IsWordByte(line[i - 1]))
            --i;
        return TextPoint{i, p.y};
    }
    // From the end of the previous line the caret stops right after its last character.
    if (lineChanged)
        return TextPoint{i, p.y};
    while (i > 0 && !IsWordByte(line[i - 1]) && !IsBlankByte(line[i - 1]))
        --i;
    return TextPoint{i, p.y};
}

WordRightMove WordRightOf(const CTextLines& text, TextPoint p)
{
    if (p.x >= text.LineLength(p.y)) {
        if (p.y >= text.LineCount() - 1)
            return {};
        p = {0, p.y + 1};
        if (text.LineLength(p.y) == 0)
            return {p, true};
    }
    const std::string_view line = text.Line(p.y);
    const int length = static_cast<int>(line.size());
    int i = p.x;
    if (IsWordByte(line[i])) {
        while (i < length && IsWordByte(line[i]))
            ++i;
    } else {
        while (i < length && !IsWordByte(line[i]) && !IsBlankByte(line[i]))
            ++i;
    }
    while (i < length && IsBlankByte(line[i]))
        ++i;
    return {TextPoint{i, p.y}, false};
}

int HomeTarget(std::string_view line, int cursor)
{
    int first = 0;
    const int length = static_cast<int>(line.size());
    while (first < length && IsBlankByte(line[first]))
        ++first;
    return first == length || cursor == first ? 0 : first;
}

int WordStartAt(std::string_view line, int x)
{
    while (x > 0 && IsWordByte(line[x - 1]))
        --x;
    return x;
}

int WordEndAt(std::string_view line, int x)
{
    const int length = static_cast<int>(line.size());
    while (x < length && IsWordByte(line[x]))
        ++x;
    return x;
}
