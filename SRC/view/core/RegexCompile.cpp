// Compiles a pattern into the matcher's node list, and releases it again.
#include "view/core/Regex.h"
#include "view/core/RegexNodes.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_set>
#include <vector>

using namespace rx;

namespace {

void FreeNode(RxNode* node)
{
    if (node->type == RX_LITERAL || node->type == RX_CLASS || node->type == RX_NOT_CLASS)
        delete[] node->link.bytes;
    else if (node->type == RX_END)
        delete node->link.info;
    delete node;
}

// The byte of a one-letter control escape ("\n" and the like), or -1.
int ControlEscape(char letter)
{
    switch (letter) {
    case 'a':
        return 7;
    case 'b':
        return 8;
    case 'e':
        return 27;
    case 'f':
        return 12;
    case 'n':
        return 10;
    case 'r':
        return 13;
    case 't':
        return 9;
    case 'v':
        return 11;
    default:
        return -1;
    }
}

// The kind of a classification escape ("\s" and the like), or -1.
int ClassEscape(char letter)
{
    switch (letter) {
    case 's':
        return RX_SPACE;
    case 'S':
        return RX_NOT_SPACE;
    case 'd':
        return RX_DIGIT;
    case 'D':
        return RX_NOT_DIGIT;
    case 'w':
        return RX_WORD;
    case 'W':
        return RX_NOT_WORD;
    case 'U':
        return RX_UPPER;
    case 'L':
        return RX_LOWER;
    default:
        return -1;
    }
}

// The parser. Brackets nest on an explicit stack of levels, so no pattern can exhaust the
// call stack; every node made is owned here until the whole pattern has compiled.
class Compiler {
public:
    explicit Compiler(std::string_view pattern) : m_pattern(pattern) {}
    ~Compiler()
    {
        for (RxNode* node : m_owned)
            FreeNode(node);
    }
    Compiler(const Compiler&) = delete;
    Compiler& operator=(const Compiler&) = delete;

    RxNode* Compile();

private:
    // One bracket level being parsed: its nodes so far and the bracket that opened it.
    struct Level {
        RxNode* first = nullptr;
        RxNode* last = nullptr;
        RxNode* open = nullptr;
        bool consumes = false; // holds a node that consumes a character
    };

    RxNode* NewNode(uint16_t type);
    static void Append(Level& level, RxNode* node);
    static void InsertBefore(Level& level, RxNode* at, RxNode* node);
    void AppendLiteral(Level& level, uint8_t c);
    bool ParseEscape(Level& level);
    bool ParseClass(Level& level);
    int ParseClassChar(uint8_t* set);
    bool ParseNumericEscape(char letter, int& value);
    bool ApplyOperator(Level& level, char op);
    void OpenLevel(uint16_t type);
    bool CloseLevel();
    static void MergeLiterals(RxNode* first);
    static void WorkOutStarts(const RxNode* first, RxProgramInfo& info);
    static void WorkOutSizeAndLiteral(const RxNode* first, RxProgramInfo& info);

    std::string_view m_pattern;
    size_t m_pos = 0;
    int m_groups = 0;
    int m_loops = 0;
    std::vector<Level> m_levels;
    std::vector<RxNode*> m_owned;
};

RxNode* Compiler::NewNode(uint16_t type)
{
    RxNode* node = new RxNode{};
    node->type = type;
    m_owned.push_back(node);
    return node;
}

void Compiler::Append(Level& level, RxNode* node)
{
    node->prev = level.last;
    node->next = nullptr;
    if (level.last)
        level.last->next = node;
    else
        level.first = node;
    level.last = node;
    if (IsConsuming(node->type))
        level.consumes = true;
}

void Compiler::InsertBefore(Level& level, RxNode* at, RxNode* node)
{
    node->prev = at->prev;
    node->next = at;
    if (at->prev)
        at->prev->next = node;
    else
        level.first = node;
    at->prev = node;
}

void Compiler::AppendLiteral(Level& level, uint8_t c)
{
    RxNode* node = NewNode(RX_LITERAL);
    node->length = 1;
    node->link.bytes = new uint8_t[1]{c};
    Append(level, node);
}

bool Compiler::ParseNumericEscape(char letter, int& value)
{
    switch (letter) {
    case 'N':
        value = ReadNumber(m_pattern, m_pos, 10, 3);
        return true;
    case 'o':
        value = ReadNumber(m_pattern, m_pos, 8, 3);
        return true;
    case 'x':
        value = ReadNumber(m_pattern, m_pos, 16, 2);
        return true;
    default:
        return false;
    }
}

bool Compiler::ParseEscape(Level& level)
{
    if (m_pos >= m_pattern.size())
        return false;
    const char letter = m_pattern[m_pos++];
    if (const int kind = ClassEscape(letter); kind >= 0) {
        Append(level, NewNode(static_cast<uint16_t>(kind)));
        return true;
    }
    if (letter == 'C' || letter == 'c') {
        Append(level, NewNode(letter == 'C' ? RX_CASE_ON : RX_CASE_OFF));
        return true;
    }
    int value = 0;
    if (ParseNumericEscape(letter, value)) {
        if (value < 0)
            return false;
    } else {
        value = ControlEscape(letter);
        if (value < 0)
            value = static_cast<uint8_t>(letter);
    }
    AppendLiteral(level, static_cast<uint8_t>(value));
    return true;
}

// One character of a class at m_pos: its byte, or -1 when it was a classification escape
// (already added to set), or -2 on a failure.
int Compiler::ParseClassChar(uint8_t* set)
{
    const char c = m_pattern[m_pos++];
    if (c != '\\')
        return static_cast<uint8_t>(c);
    if (m_pos >= m_pattern.size())
        return -2;
    const char letter = m_pattern[m_pos++];
    if (const int kind = ClassEscape(letter); kind >= 0) {
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<uint8_t>(b);
            // Inside a class "\U" and "\L" stand for the ASCII letters only.
            const bool in = kind == RX_UPPER   ? (b >= 'A' && b <= 'Z')
                            : kind == RX_LOWER ? (b >= 'a' && b <= 'z')
                                               : KindAccepts(kind, nullptr, byte);
            if (in)
                AddToSet(set, byte);
        }
        return -1;
    }
    int value = 0;
    if (ParseNumericEscape(letter, value))
        return value < 0 ? -2 : value;
    value = ControlEscape(letter);
    return value >= 0 ? value : static_cast<uint8_t>(letter);
}

bool Compiler::ParseClass(Level& level)
{
    bool negated = false;
    if (m_pos < m_pattern.size() && m_pattern[m_pos] == '^') {
        negated = true;
        ++m_pos;
    }
    auto set = std::make_unique<uint8_t[]>(kClassBytes);
    std::memset(set.get(), 0, kClassBytes);
    // Every "]" closes the class, also as its first item: "[]" never matches, "[^]" always.
    for (;;) {
        if (m_pos >= m_pattern.size())
            return false;
        const char c = m_pattern[m_pos];
        if (c == ']') {
            ++m_pos;
            break;
        }
        if (c == '-' && m_pos + 1 < m_pattern.size() && m_pattern[m_pos + 1] == ']')
            return false;
        const int from = ParseClassChar(set.get());
        if (from == -2)
            return false;
        if (from == -1)
            continue;
        const bool range =
            m_pos + 1 < m_pattern.size() && m_pattern[m_pos] == '-' && m_pattern[m_pos + 1] != ']';
        int to = from;
        if (range) {
            ++m_pos;
            to = ParseClassChar(set.get());
            if (to < from) // also a classification escape or a failure as the range's end
                return false;
        }
        for (int b = from; b <= to; ++b)
            AddToSet(set.get(), static_cast<uint8_t>(b));
    }
    RxNode* node = NewNode(negated ? RX_NOT_CLASS : RX_CLASS);
    node->link.bytes = set.release();
    Append(level, node);
    return true;
}

bool Compiler::ApplyOperator(Level& level, char op)
{
    if (!level.last)
        return false;
    // The atom: the last node, or the whole bracketed range when the last node closes one.
    const bool bracketed = IsClosing(level.last->type);
    RxNode* atom = bracketed ? level.last->link.partner : level.last;
    const bool consumes = bracketed ? level.last->length != 0 : IsConsuming(level.last->type);
    const bool loop = op != '?' && op != '|';
    if (loop && !consumes)
        return false;
    const bool greedy = op != '@' && op != '#';

    RxNode* opNode = NewNode(static_cast<uint16_t>(RX_FLAG_OPERATOR | (greedy ? RX_FLAG_GREEDY : 0)
                                                   | static_cast<uint8_t>(op)));
    RxNode* noOp = NewNode(RX_NOP);
    opNode->link.partner = noOp;
    if (loop) {
        if (m_loops > INT16_MAX)
            return false;
        opNode->length = static_cast<int16_t>(m_loops++);
        if (op == '+' || op == '#') { // enter the atom once before the loop decides anything
            RxNode* enter = NewNode(RX_JUMP);
            enter->link.partner = atom;
            InsertBefore(level, atom, enter);
        }
        InsertBefore(level, atom, opNode);
        RxNode* back = NewNode(RX_JUMP);
        back->link.partner = opNode;
        Append(level, back);
    } else {
        InsertBefore(level, atom, opNode);
        if (op == '|') {
            RxNode* altEnd = NewNode(RX_ALT_END);
            altEnd->link.partner = noOp;
            Append(level, altEnd);
        }
    }
    Append(level, noOp);
    return true;
}

void Compiler::OpenLevel(uint16_t type)
{
    Level level;
    level.open = NewNode(type);
    m_levels.push_back(level);
}

bool Compiler::CloseLevel()
{
    const Level inner = m_levels.back();
    m_levels.pop_back();
    if (!inner.first)
        return false;
    RxNode* open = inner.open;
    RxNode* close = NewNode(open->type == RX_CLUSTER_OPEN
                                ? static_cast<uint16_t>(RX_CLUSTER_CLOSE)
                                : static_cast<uint16_t>(RX_GROUP_CLOSE | Kind(open->type)));
    open->link.partner = close;
    close->link.partner = open;
    close->length = inner.consumes ? 1 : 0;

    Level& outer = m_levels.back();
    Append(outer, open);
    open->next = inner.first;
    inner.first->prev = open;
    outer.last = inner.last;
    Append(outer, close);
    outer.consumes = outer.consumes || inner.consumes;
    return true;
}

// Joins runs of one-character literals into one node, so that a word is compared at once.
// A literal right after an alternation's no-op begins its second branch, which is one atom,
// so it takes no followers.
void Compiler::MergeLiterals(RxNode* first)
{
    std::unordered_set<const RxNode*> alternationEnds;
    for (const RxNode* n = first; n; n = n->next)
        if (n->type == RX_ALT_END)
            alternationEnds.insert(n->link.partner);
    for (RxNode* head = first; head; head = head->next) {
        if (head->type != RX_LITERAL || alternationEnds.count(head->prev))
            continue;
        int count = head->length;
        for (const RxNode* n = head->next; n->type == RX_LITERAL && count < INT16_MAX; n = n->next)
            ++count;
        if (count == head->length)
            continue;
        auto* bytes = new uint8_t[count];
        int used = 0;
        for (RxNode* n = head; used < count;) {
            std::memcpy(bytes + used, n->link.bytes, n->length);
            used += n->length;
            RxNode* next = n->next;
            if (n != head)
                FreeNode(n);
            n = next;
            head->next = next;
            next->prev = head;
        }
        delete[] head->link.bytes;
        head->link.bytes = bytes;
        head->length = static_cast<int16_t>(count);
    }
}

StartScan ScanFor(const uint8_t* set)
{
    StartScan scan;
    int count = 0;
    for (int b = 0; b < 256; ++b) {
        scan.table[b] = InSet(set, static_cast<uint8_t>(b));
        if (scan.table[b]) {
            ++count;
            scan.byte = static_cast<uint8_t>(b);
        }
    }
    scan.mode = count == 1 ? StartScan::kOneByte : StartScan::kTable;
    return scan;
}

// Works out the bytes with which a match can begin by following every path from the first
// node to its first consuming node. When some path reaches the end node without consuming, a
// match can be empty and every position must be tried. Literals count with their case partners
// when case is ignored, and also when the pattern switches case on its way (the switch lasts
// beyond the branch that made it).
void Compiler::WorkOutStarts(const RxNode* first, RxProgramInfo& info)
{
    uint8_t exact[kClassBytes] = {};
    uint8_t folded[kClassBytes] = {};
    bool switchesCase = false;
    std::vector<const RxNode*> todo{first};
    std::unordered_set<const RxNode*> seen;
    const auto& upper = cp1251::Info().upper;
    while (!todo.empty()) {
        const RxNode* n = todo.back();
        todo.pop_back();
        if (!seen.insert(n).second)
            continue;
        const uint16_t t = n->type;
        if (IsOperator(t)) {
            todo.push_back(n->next);
            todo.push_back(n->link.partner->next);
        } else if (IsBracket(t)) {
            todo.push_back(n->next);
        } else if (t == RX_LITERAL) {
            const uint8_t c = n->link.bytes[0];
            AddToSet(exact, c);
            for (int b = 0; b < 256; ++b)
                if (upper[b] == upper[c])
                    AddToSet(folded, static_cast<uint8_t>(b));
        } else if (IsConsuming(t)) {
            for (int b = 0; b < 256; ++b) {
                if (KindAccepts(t, n->link.bytes, static_cast<uint8_t>(b))) {
                    AddToSet(exact, static_cast<uint8_t>(b));
                    AddToSet(folded, static_cast<uint8_t>(b));
                }
            }
        } else if (t == RX_END) {
            return; // the defaults: try every position
        } else if (t == RX_JUMP) {
            const RxNode* target = n->link.partner;
            todo.push_back(target);
            if (IsOperator(target->type)) // a loop left after an empty pass
                todo.push_back(target->link.partner->next);
        } else if (t == RX_ALT_END) {
            todo.push_back(SkipBranch(n->link.partner->next));
        } else {
            switchesCase = switchesCase || t == RX_CASE_ON || t == RX_CASE_OFF;
            todo.push_back(n->next);
        }
    }
    info.matchCase = ScanFor(switchesCase ? folded : exact);
    info.ignoreCase = ScanFor(folded);
}

// Where each prefix of the literal ends in an earlier prefix of it (the longest such), with
// bytes compared after mapping them through fold.
template <class Fold>
std::vector<int32_t> RecurrenceTable(const uint8_t* literal, int32_t length, Fold fold)
{
    std::vector<int32_t> table(static_cast<size_t>(length), 0);
    int32_t k = 0;
    for (int32_t i = 1; i < length; ++i) {
        while (k > 0 && fold(literal[i]) != fold(literal[k]))
            k = table[static_cast<size_t>(k - 1)];
        if (fold(literal[i]) == fold(literal[k]))
            ++k;
        table[static_cast<size_t>(i)] = k;
    }
    return table;
}

void Compiler::WorkOutSizeAndLiteral(const RxNode* first, RxProgramInfo& info)
{
    for (const RxNode* n = first; n; n = n->next)
        info.size += n->type == RX_LITERAL ? n->length : 1;
    if (first->type != RX_LITERAL || first->length < 2)
        return;
    const auto& upper = cp1251::Info().upper;
    info.literalRecursExact =
        RecurrenceTable(first->link.bytes, first->length, [](uint8_t c) { return c; });
    info.literalRecursFolded =
        RecurrenceTable(first->link.bytes, first->length, [&upper](uint8_t c) { return upper[c]; });
}

RxNode* Compiler::Compile()
{
    m_levels.emplace_back();
    while (m_pos < m_pattern.size()) {
        const char c = m_pattern[m_pos++];
        Level& level = m_levels.back();
        bool ok = true;
        switch (c) {
        case '.':
            Append(level, NewNode(RX_ANY));
            break;
        case '^':
            Append(level, NewNode(RX_LINE_START));
            break;
        case '$':
            Append(level, NewNode(RX_LINE_END));
            break;
        case '<':
            Append(level, NewNode(RX_WORD_START));
            break;
        case '>':
            Append(level, NewNode(RX_WORD_END));
            break;
        case '[':
            ok = ParseClass(level);
            break;
        case '\\':
            ok = ParseEscape(level);
            break;
        case '(':
            if (++m_groups > kMaxGroup)
                return nullptr;
            OpenLevel(static_cast<uint16_t>(RX_GROUP_OPEN | m_groups));
            break;
        case '{':
            OpenLevel(RX_CLUSTER_OPEN);
            break;
        case ')':
        case '}':
            if (m_levels.size() == 1)
                m_pos = m_pattern.size(); // a closer at the outer level ends the pattern
            else
                ok = CloseLevel();
            break;
        case '*':
        case '+':
        case '@':
        case '#':
        case '?':
        case '|':
            ok = ApplyOperator(level, c);
            break;
        default:
            AppendLiteral(level, static_cast<uint8_t>(c));
            break;
        }
        if (!ok)
            return nullptr;
    }
    while (m_levels.size() > 1) // brackets still open end with the pattern
        if (!CloseLevel())
            return nullptr;
    Level& outer = m_levels.back();
    if (!outer.first)
        return nullptr;
    RxNode* end = NewNode(RX_END);
    end->link.info = new RxProgramInfo;
    end->link.info->loopCount = m_loops;
    Append(outer, end);
    m_owned.clear(); // the list owns its nodes from here on

    MergeLiterals(outer.first);
    WorkOutStarts(outer.first, *end->link.info);
    WorkOutSizeAndLiteral(outer.first, *end->link.info);
    return outer.first;
}

} // namespace

RxNode* RxCompile(std::string_view pattern) { return Compiler(pattern).Compile(); }

void RxFree(RxNode* program)
{
    while (program) {
        RxNode* next = program->next;
        FreeNode(program);
        program = next;
    }
}
