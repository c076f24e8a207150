// What the compiler and the matcher share about nodes: type tests, one-character tests, the
// skip over an alternation's second branch and the hints the compiler leaves for the search.
#pragma once

#include "text/Cp1251.h"
#include "view/core/Regex.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace rx {

constexpr int kMaxGroup = kRxSlots - 1;
constexpr int kClassBytes = 32;

inline int Kind(uint16_t type) { return type & 0xFF; }
inline bool IsOperator(uint16_t type) { return (type & RX_FLAG_OPERATOR) != 0; }
inline bool IsBracket(uint16_t type) { return (type & RX_FLAG_BRACKET) != 0; }
inline bool IsOpening(uint16_t type) { return (type & RX_FLAG_OPENING) != 0; }
inline bool IsClosing(uint16_t type) { return (type & RX_FLAG_CLOSING) != 0; }
inline bool IsGreedy(uint16_t type) { return (type & RX_FLAG_GREEDY) != 0; }
inline bool IsConsuming(uint16_t type) { return type >= 0x20 && type <= 0x3F; }
inline bool IsLoopOperator(uint16_t type)
{
    const int op = Kind(type);
    return IsOperator(type) && op != '?' && op != '|';
}

// The value of count digits in base at text[pos], advancing pos, modulo 256; -1 when a digit
// is missing or bad.
inline int ReadNumber(std::string_view text, size_t& pos, int base, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i, ++pos) {
        if (pos >= text.size())
            return -1;
        const char c = text[pos];
        int digit = 99;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= base)
            return -1;
        value = value * base + digit;
    }
    return value & 0xFF;
}

inline bool InSet(const uint8_t* set, uint8_t c) { return (set[c >> 3] >> (c & 7)) & 1; }
inline void AddToSet(uint8_t* set, uint8_t c) { set[c >> 3] |= static_cast<uint8_t>(1 << (c & 7)); }

// "\s": space, tab, line feed and carriage return, and nothing else.
inline bool IsRxSpace(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Whether a one-character kind (not a literal) accepts c.
inline bool KindAccepts(int kind, const uint8_t* set, uint8_t c)
{
    switch (kind) {
    case RX_ANY:
        return true;
    case RX_CLASS:
        return InSet(set, c);
    case RX_NOT_CLASS:
        return !InSet(set, c);
    case RX_SPACE:
        return IsRxSpace(c);
    case RX_NOT_SPACE:
        return !IsRxSpace(c);
    case RX_UPPER:
        return cp1251::IsUpper(c);
    case RX_LOWER:
        return cp1251::IsLower(c);
    case RX_DIGIT:
        return cp1251::IsDigit(c);
    case RX_NOT_DIGIT:
        return !cp1251::IsDigit(c);
    case RX_WORD:
        return cp1251::IsAlnum(c);
    case RX_NOT_WORD:
        return !cp1251::IsAlnum(c);
    default:
        return false;
    }
}

// The node after an alternation's second branch, given the branch's first node: one atom, a
// whole bracketed range, or a chain of further alternatives. A closing bracket or the end node
// means the branch is empty.
inline const RxNode* SkipBranch(const RxNode* n)
{
    for (;;) {
        const uint16_t t = n->type;
        if (t == RX_END || IsClosing(t))
            return n;
        if (IsOpening(t))
            return n->link.partner->next;
        if (IsOperator(t)) {
            if (Kind(t) != '|')
                return n->link.partner->next;
            n = n->link.partner->next; // the chained alternative's own second branch
            continue;
        }
        if (t == RX_JUMP) // "+" or "#": jump, operator, atom, jump back, no-op
            return n->next->link.partner->next;
        return n->next;
    }
}

// A loop whose atom is one single-character node: it always advances, so the matcher runs it
// as a counted run instead of one nested attempt per character.
inline bool IsSingleCharLoop(const RxNode* op)
{
    const RxNode* atom = op->next;
    return IsConsuming(atom->type) && (atom->type != RX_LITERAL || atom->length == 1)
           && atom->next->type == RX_JUMP && atom->next->link.partner == op;
}

// Where attempts can start: the bytes with which a match can begin, found at compile time.
struct StartScan {
    enum Mode : uint8_t { kEverywhere, kOneByte, kTable };
    Mode mode = kEverywhere;
    uint8_t byte = 0;
    std::array<bool, 256> table{};
};

} // namespace rx

// Kept by the end node of each program.
struct RxProgramInfo {
    int loopCount = 0;
    int64_t size = 0; // nodes, a literal counting its characters: what the budget scales with
    rx::StartScan matchCase;
    rx::StartScan ignoreCase;
    // A program that begins with a literal of two characters or more: where the literal's
    // prefixes recur (a failure table), for a scan that finds its whole occurrences in one
    // pass, as bytes and through upper-case mapping.
    std::vector<int32_t> literalRecursExact;
    std::vector<int32_t> literalRecursFolded;
};
