// The regular-expression engine of Find and Replace: compiles a pattern into a linked list of
// nodes, searches one line for the first match at or after a start position, and expands
// replacement templates. Text is single-byte Windows-1251; a line is a byte string with an
// explicit length in which zero bytes are ordinary characters.
//
// Typical use, one line at a time:
//
//     RxProgram program(RxCompile(pattern));      // null: the pattern does not compile
//     RxMatch match;
//     RxBudget budget;                            // optional
//     if (program && RxExec(program.get(), line, length, 0, match, matchCase, &budget)) {
//         std::string text;
//         RxExpandReplacement(replacement, line, length, match, text);
//     } else if (budget.exhausted) {
//         // the pattern was too costly for this line, which is not the same as "not found"
//     }
//
// Nothing here keeps global state: searches on different programs or records never disturb
// each other.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Node types. The low byte is the kind; the high bits are flags. Kinds 0x20-0x3F consume one
// character (a literal consumes its length), as long as no flag is set.
enum : uint16_t {
    RX_NOP = 0x00,
    RX_JUMP = 0x01,       // continue at the linked node
    RX_ALT_END = 0x02,    // the first branch of an alternation matched: skip the second
    RX_LINE_START = 0x03, // "^"
    RX_LINE_END = 0x04,   // "$"
    RX_WORD_START = 0x05, // "<"
    RX_WORD_END = 0x06,   // ">"
    RX_CASE_ON = 0x07,    // "\C"
    RX_CASE_OFF = 0x08,   // "\c"
    RX_END = 0x1F,        // the whole pattern matched
    RX_ANY = 0x21,        // "."
    RX_CLASS = 0x22,      // "[...]"
    RX_NOT_CLASS = 0x23,  // "[^...]"
    RX_LITERAL = 0x24,
    RX_SPACE = 0x25,     // "\s"
    RX_NOT_SPACE = 0x26, // "\S"
    RX_UPPER = 0x27,     // "\U"
    RX_LOWER = 0x28,     // "\L"
    RX_DIGIT = 0x29,     // "\d"
    RX_NOT_DIGIT = 0x2A, // "\D"
    RX_WORD = 0x2B,      // "\w"
    RX_NOT_WORD = 0x2C,  // "\W"

    RX_FLAG_BRACKET = 0x100,
    RX_FLAG_OPENING = 0x200,
    RX_FLAG_CLOSING = 0x400,
    RX_FLAG_GREEDY = 0x800, // on an operator: greedy; on a bracket: capturing
    RX_FLAG_OPERATOR = 0x1000,

    RX_GROUP_OPEN = 0xB00,  // | group number 1-63
    RX_GROUP_CLOSE = 0xD00, // | group number 1-63
    RX_CLUSTER_OPEN = 0x300,
    RX_CLUSTER_CLOSE = 0x500,
};

struct RxProgramInfo;

// One node of a compiled program. The list is doubly linked through prev/next; its last node
// is always RX_END.
struct RxNode {
    uint16_t type;
    // Literal: its byte count. Loop operator ("*", "+", "@", "#"): the loop's index. Closing
    // bracket: 1 when the bracketed range holds a consuming node.
    int16_t length;
    RxNode* prev;
    RxNode* next;
    union {
        // Operators: their closing no-op. Jumps: the target. Alternative end: the
        // alternation's no-op. Brackets: the bracket at the other end.
        RxNode* partner;
        uint8_t* bytes;      // literal: its characters; class: a 32-byte bit set
        RxProgramInfo* info; // end node: what the search works out once at compile time
    } link;
};

constexpr int kRxSlots = 64; // slot 0: the whole match; 1-63: groups by opening parenthesis

// Offsets from the start of the subject; an unset slot holds -1.
struct RxMatch {
    int32_t start[kRxSlots];
    int32_t end[kRxSlots];
};

// Bounds one RxExec call so that no pattern can hang the caller. A step is a node visited or a
// subject byte compared or scanned, so the steps bound the time. The budget grows with the
// subject and the pattern: visiting every node of the pattern a few times at every position of
// the subject, the work of a search that never backtracks far, always fits, so only searches
// whose work grows faster than the subject are stopped. When the steps run out (or the
// backtracking stack would grow past its limit) the search ends as "no match" with exhausted set.
struct RxBudget {
    static constexpr int64_t kDefaultSteps = 50'000'000;
    static constexpr int64_t kDefaultStepsPerUnit = 4;
    int64_t steps = kDefaultSteps; // in: steps allowed whatever the subject
    // in: further steps for each subject position (the end included) and each unit of the
    // pattern's size (a node, or a character of a literal); 0 for a fixed budget
    int64_t stepsPerUnit = kDefaultStepsPerUnit;
    bool exhausted = false; // out
};

// The compiled program for a pattern, or null when it does not compile. The pattern is taken
// as bytes; a zero byte in it is an ordinary character.
RxNode* RxCompile(std::string_view pattern);

// Searches subject[0, length) for the first match at or after start. caseFlag bit 0 set means
// match case. Gives 1 and fills match when found, else 0 (also for a null program or a start
// outside the subject).
int RxExec(const RxNode* program, const char* subject, int length, int start, RxMatch& match,
           int caseFlag, RxBudget* budget = nullptr);

// Releases a program's nodes and their data; null is allowed.
void RxFree(RxNode* program);

// Expands a replacement template for a match in subject[0, length). Gives 0 with the text,
// or -1 (empty text) when the template ends in "\" or names a group that is unset or lies
// outside the subject. A numeric escape with a missing or bad digit ends the expansion at
// once with 0 and an empty text.
int RxExpandReplacement(std::string_view replacement, const char* subject, int length,
                        const RxMatch& match, std::string& text);

struct RxFreeProgram {
    void operator()(RxNode* program) const { RxFree(program); }
};
using RxProgram = std::unique_ptr<RxNode, RxFreeProgram>;
