// Bracket matching by counting nested brackets of the same pair across lines.
#include "view/core/BraceMatch.h"

int BracketNumber(uint8_t c)
{
    const size_t at = c == 0 ? std::string_view::npos : kBracketTable.find(static_cast<char>(c));
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

namespace {

// The index of the bracket the command starts from, or -1: the byte at the caret wins over
// the one before it.
int BracketAt(std::string_view line, int x, bool& caretAfter)
{
    const int length = static_cast<int>(line.size());
    if (x >= 0 && x < length && BracketNumber(static_cast<uint8_t>(line[x]))) {
        caretAfter = false;
        return x;
    }
    if (x > 0 && x <= length && BracketNumber(static_cast<uint8_t>(line[x - 1]))) {
        caretAfter = true;
        return x - 1;
    }
    return -1;
}

std::optional<TextPoint> SearchBackward(const CTextLines& text, TextPoint from, int b, int p)
{
    int depth = 0;
    int y = from.y;
    int x = from.x;
    for (;;) {
        while (--x < 0) {
            if (--y < 0)
                return std::nullopt;
            x = text.LineLength(y);
        }
        const int n = BracketNumber(static_cast<uint8_t>(text.Line(y)[x]));
        if (n == b) {
            ++depth;
        } else if (n == p) {
            if (depth == 0)
                return TextPoint{x, y};
            --depth;
        }
    }
}

std::optional<TextPoint> SearchForward(const CTextLines& text, TextPoint from, int b, int p)
{
    int depth = 0;
    int y = from.y;
    int x = from.x;
    for (;;) {
        while (x >= text.LineLength(y)) {
            if (++y >= text.LineCount())
                return std::nullopt;
            x = 0;
        }
        const int n = BracketNumber(static_cast<uint8_t>(text.Line(y)[x]));
        if (n == b) {
            ++depth;
        } else if (n == p) {
            if (depth == 0)
                return TextPoint{x, y};
            --depth;
        }
        ++x;
    }
}

} // namespace

bool CanMatchBrace(std::string_view line, int x)
{
    bool caretAfter = false;
    return BracketAt(line, x, caretAfter) >= 0;
}

std::optional<TextPoint> MatchBrace(const CTextLines& text, TextPoint cursor)
{
    if (cursor.y < 0 || cursor.y >= text.LineCount())
        return std::nullopt;
    bool caretAfter = false;
    const int at = BracketAt(text.Line(cursor.y), cursor.x, caretAfter);
    if (at < 0)
        return std::nullopt;
    const int b = BracketNumber(static_cast<uint8_t>(text.Line(cursor.y)[at]));
    const int p = PartnerBracket(b);
    // An odd partner opens, so the bracket closes and its partner lies before it.
    std::optional<TextPoint> partner = (p % 2 == 1)
                                           ? SearchBackward(text, TextPoint{at, cursor.y}, b, p)
                                           : SearchForward(text, TextPoint{at + 1, cursor.y}, b, p);
    if (partner && caretAfter)
        ++partner->x;
    return partner;
}
