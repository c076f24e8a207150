// The line-parse contract shared by every parser: colour blocks, the parse-state word, a
// single-line text, and the character classes and lookups the parsers have in common.
#pragma once

#include "syntax/ColourClass.h"
#include "text/TextLines.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// One coloured stretch of a line: it runs from start to the next block's start (the last one
// to the line end). Characters before the first block are normal text.
struct ColourBlock {
    int32_t start;
    ColourClass colour;
};

// The parse state in force at the start of a line. Line 0 starts with 0. Parsers use the low
// eight bits; the view's cache marks a state it has not computed yet with kStateUnknown.
constexpr uint32_t kStateUnknown = 0xFFFFFFFF;
// The bits that the shared line engine gives a common meaning.
constexpr uint32_t PS_LINE_COMMENT = 0x01;  // a comment that lasts to the end of the line
constexpr uint32_t PS_PREPROCESSOR = 0x02;  // a preprocessor line or a family's own construct
constexpr uint32_t PS_BLOCK_COMMENT = 0x04; // a comment that may span lines
constexpr uint32_t PS_STRING = 0x08;        // a double-quoted string
constexpr uint32_t PS_CHAR = 0x10;          // a single-quoted string

// A text of one line of bytes, answered for every line index.
class CSingleLineSource final : public CTextLines {
public:
    explicit CSingleLineSource(std::string_view text) : m_text(text) {}
    int LineCount() const override { return 1; }
    std::string_view Line(int) const override { return m_text; }

private:
    std::string_view m_text;
};

// A line parser: given the state before the line, returns the state after it and, when blocks
// is not null, fills blocks and count (the caller sets count to 0 and provides room for
// line length + 1 blocks). The returned state is the same with and without blocks.
using LineParser = uint32_t (*)(uint32_t state, const CTextLines& source, int line,
                                ColourBlock* blocks, int& count);

// Adds a block at position with colour, keeping starts strictly increasing: a position equal
// to the last block's start recolours that block, a smaller one is ignored. Does nothing
// without a block list.
inline void DefineBlock(ColourBlock* blocks, int& count, int position, ColourClass colour)
{
    if (!blocks)
        return;
    if (count == 0 || position > blocks[count - 1].start)
        blocks[count++] = {position, colour};
    else if (position == blocks[count - 1].start)
        blocks[count - 1].colour = colour;
}

namespace parse_chars {

constexpr uint8_t kLetter = 0x01;
constexpr uint8_t kDigit = 0x02;
constexpr uint8_t kBlank = 0x04;
constexpr uint8_t kHexDigit = 0x08;
constexpr uint8_t kNamePunct = 0x10; // "_", "-" and ".", which HTML names add to word characters

// The parsers' own letters: ASCII letters and the Russian letters of Windows-1251 (0xC0-0xFF,
// 0xA8, 0xB8). The other letters at 0x80-0xBF are deliberately not letters here, so that the
// colouring of a text does not depend on them.
constexpr std::array<uint8_t, 256> kClasses = [] {
    std::array<uint8_t, 256> c{};
    for (int b = 'A'; b <= 'Z'; ++b)
        c[b] = c[b + 32] = kLetter;
    for (int b = 0xC0; b <= 0xFF; ++b)
        c[b] = kLetter;
    c[0xA8] = c[0xB8] = kLetter;
    for (int b = '0'; b <= '9'; ++b)
        c[b] = kDigit | kHexDigit;
    for (int b = 0; b < 6; ++b) {
        c['A' + b] |= kHexDigit;
        c['a' + b] |= kHexDigit;
    }
    c[' '] = c['\t'] = kBlank;
    c['_'] = c['-'] = c['.'] = kNamePunct;
    return c;
}();

} // namespace parse_chars

inline bool IsLetter(uint8_t b) { return parse_chars::kClasses[b] & parse_chars::kLetter; }
inline bool IsDigit(uint8_t b) { return parse_chars::kClasses[b] & parse_chars::kDigit; }
inline bool IsWordChar(uint8_t b)
{
    return parse_chars::kClasses[b] & (parse_chars::kLetter | parse_chars::kDigit);
}
inline bool IsBlank(uint8_t b) { return parse_chars::kClasses[b] & parse_chars::kBlank; }
inline bool IsHexDigit(uint8_t b) { return parse_chars::kClasses[b] & parse_chars::kHexDigit; }

// Whether a word is a number: "0x" and hexadecimal digits, or a digit followed by digits and
// "+", "-", ".", "e", "E" (so 1.5e3 is a number, 0X1F and 12ab are not).
bool IsNumberToken(const char* text, int length);

// Whether a quote at index i of text closes its string: it is escaped by a "\" before it,
// unless that "\" is itself escaped.
inline bool IsEscapedQuote(const char* text, int i)
{
    if (i >= 2)
        return text[i - 1] == '\\' && text[i - 2] != '\\';
    return i == 1 && text[0] == '\\';
}

enum class KeywordCase { Sensitive, Insensitive }; // Insensitive folds ASCII letters only

// Whether text[0, length) equals an entry of table, compared in the given mode. Tables are
// short and walked in order; nothing is allocated.
bool FindKeyword(std::span<const std::string_view> table, const char* text, int length,
                 KeywordCase mode);
