// Word characters, the word at the caret and the word search of AutoComplete.
#include "edit/core/AutoWords.h"

#include "edit/core/MarkupScanner.h"
#include "text/Cp1251.h"
#include "text/KTextBuffer.h"

#include <algorithm>

bool IsAutoWordChar(uint8_t c) { return cp1251::IsAlnum(c); }

std::optional<int> AutoWordStart(std::string_view line, int x)
{
    const int length = static_cast<int>(line.size());
    if (x < 1 || x > length || !IsAutoWordChar(static_cast<uint8_t>(line[x - 1])))
        return std::nullopt;
    if (x < length && IsAutoWordChar(static_cast<uint8_t>(line[x])))
        return std::nullopt;
    int s = x - 1;
    while (s > 0 && IsAutoWordChar(static_cast<uint8_t>(line[s - 1])))
        --s;
    return s;
}

namespace {

// How far above the caret the tag scan starts.
constexpr int kTagScanLines = 40;

} // namespace

bool InQuotedAttributeValue(const CKTextBuffer& buffer, TextPoint p)
{
    CMarkupScanner scanner;
    for (int y = std::max(0, p.y - kTagScanLines); y <= p.y && y < buffer.LineCount(); ++y) {
        const std::string_view line = buffer.Line(y);
        const size_t end =
            y == p.y ? std::min(line.size(), static_cast<size_t>(std::max(p.x, 0))) : line.size();
        for (size_t i = 0; i < end; ++i)
            scanner.Pass(line, i);
    }
    return scanner.Next() == CMarkupScanner::Where::Quoted;
}

namespace {

bool WordStartsAt(std::string_view line, size_t at, std::string_view word)
{
    return line.compare(at, word.size(), word) == 0
           && (at == 0 || !IsAutoWordChar(static_cast<uint8_t>(line[at - 1])));
}

// The first (forward) or last (backward) occurrence at a word start that lies wholly in
// line[from, to).
std::optional<int> FindInLine(std::string_view line, size_t from, size_t to, std::string_view word,
                              bool backward)
{
    if (to > line.size())
        to = line.size();
    if (word.empty() || from >= to || to - from < word.size())
        return std::nullopt;
    const size_t first = from, last = to - word.size();
    for (size_t i = 0; i <= last - first; ++i) {
        const size_t at = backward ? last - i : first + i;
        if (WordStartsAt(line, at, word))
            return static_cast<int>(at);
    }
    return std::nullopt;
}

std::optional<TextPoint> SearchUp(const CKTextBuffer& buffer, std::string_view word, TextPoint from)
{
    for (int y = from.y; y >= 0; --y) {
        const std::string_view line = buffer.Line(y);
        const size_t end = y == from.y ? static_cast<size_t>(from.x) : line.size();
        if (const std::optional<int> x = FindInLine(line, 0, end, word, true))
            return TextPoint{*x, y};
    }
    return std::nullopt;
}

std::optional<TextPoint> SearchDown(const CKTextBuffer& buffer, std::string_view word,
                                    TextPoint from)
{
    for (int y = from.y; y < buffer.LineCount(); ++y) {
        const std::string_view line = buffer.Line(y);
        const size_t start = y == from.y ? static_cast<size_t>(from.x) : 0;
        if (const std::optional<int> x = FindInLine(line, start, line.size(), word, false))
            return TextPoint{*x, y};
    }
    return std::nullopt;
}

} // namespace

std::optional<TextPoint> FindWordStart(const CKTextBuffer& buffer, std::string_view word,
                                       TextPoint from, bool upward)
{
    if (buffer.LineCount() == 0)
        return std::nullopt;
    const int last = buffer.LineCount() - 1;
    if (upward) {
        if (auto found = SearchUp(buffer, word, from))
            return found;
        return SearchUp(buffer, word, {buffer.LineLength(last), last});
    }
    if (auto found = SearchDown(buffer, word, from))
        return found;
    return SearchDown(buffer, word, {0, 0});
}
