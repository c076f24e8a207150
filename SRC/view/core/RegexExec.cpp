// Searches one line with a compiled program: backtracking on an explicit stack, bounded by a
// step budget, with the attempts placed by the start bytes the compiler worked out.
#include "view/core/Regex.h"
#include "view/core/RegexNodes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <iterator>
#include <vector>

using namespace rx;

namespace {

// The backtracking stack's limit: about 300 MB of records, enough for a loop over a group
// (two records a pass) across a line of 4 MB.
constexpr size_t kMaxFrames = size_t{12} << 20;

// A record of the backtracking stack: a choice to come back to, or a change to undo.
struct Frame {
    enum Kind : int32_t {
        kResume,        // continue at node with pos
        kLoopExit,      // greedy loop node: leave it at pos; aux = its previous pass start
        kLoopEnter,     // lazy loop node: enter its atom at pos
        kGreedyRun,     // single-character loop left at pos: leave it one character earlier,
                        // down to aux; node = what follows the loop
        kLazyRun,       // single-character lazy loop node: take one more character at pos
        kUndoStart,     // unset group aux's start
        kUndoEnd,       // unset group aux's end
        kUndoPassStart, // give loop aux its pass start pos back
    };
    const RxNode* node;
    int32_t pos;
    int32_t aux;
    Kind kind;
};

bool IsAsciiAlnum(uint8_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// One search: the subject, the record being filled, the stack and the budget. Attempts leave
// the record and the stack as they found them unless they succeed.
class Matcher {
public:
    Matcher(const uint8_t* subject, int32_t length, RxMatch& match, int64_t steps, int loops)
        : m_subject(subject), m_length(length), m_match(match), m_steps(steps),
          m_passStart(static_cast<size_t>(loops), -1), m_upper(cp1251::Info().upper.data())
    {
    }

    bool Attempt(const RxNode* n, int32_t p, bool matchCase);
    bool Exhausted() const { return m_exhausted; }
    // Takes steps for work done outside the attempts; false once the budget is spent.
    bool Spend(int64_t steps)
    {
        m_steps -= steps;
        if (m_steps < 0)
            m_exhausted = true;
        return !m_exhausted;
    }

private:
    bool Accepts(const RxNode* atom, uint8_t c, bool matchCase) const
    {
        if (atom->type == RX_LITERAL) {
            const uint8_t l = atom->link.bytes[0];
            return matchCase ? c == l : m_upper[c] == m_upper[l];
        }
        return KindAccepts(atom->type, atom->link.bytes, c);
    }
    bool Consume(const RxNode*& n, int32_t& p, bool matchCase);
    int32_t RunLength(const RxNode* atom, int32_t p, bool matchCase) const;
    void Operator(const RxNode*& n, int32_t& p, bool matchCase);
    void Jump(const RxNode*& n, int32_t p);
    void Bracket(const RxNode*& n, int32_t p);
    bool AtWordStart(int32_t p) const;
    bool AtWordEnd(int32_t p) const;
    bool Backtrack(const RxNode*& n, int32_t& p, bool matchCase);
    void Push(Frame::Kind kind, const RxNode* node, int32_t pos, int32_t aux)
    {
        if (m_frames.size() >= kMaxFrames) {
            m_steps = 0; // ends the search at the next step
            return;
        }
        m_frames.push_back(Frame{node, pos, aux, kind});
    }

    const uint8_t* m_subject;
    int32_t m_length;
    RxMatch& m_match;
    int64_t m_steps;
    bool m_exhausted = false;
    std::deque<Frame> m_frames; // grows without copying what it holds
    // Per loop: where its current pass through the atom began, to leave a loop whose pass
    // matched nothing instead of repeating it for ever.
    std::vector<int32_t> m_passStart;
    const uint8_t* m_upper;
};

bool Matcher::Consume(const RxNode*& n, int32_t& p, bool matchCase)
{
    if (n->type == RX_LITERAL) {
        const int32_t count = n->length;
        if (m_length - p < count)
            return false;
        // Each compared byte costs a step, so that long literals cannot outrun the budget.
        m_steps -= count;
        const uint8_t* s = m_subject + p;
        const uint8_t* l = n->link.bytes;
        if (matchCase) {
            if (std::memcmp(s, l, static_cast<size_t>(count)) != 0)
                return false;
        } else {
            for (int32_t i = 0; i < count; ++i)
                if (m_upper[s[i]] != m_upper[l[i]])
                    return false;
        }
        p += count;
    } else {
        if (p >= m_length || !KindAccepts(n->type, n->link.bytes, m_subject[p]))
            return false;
        ++p;
    }
    n = n->next;
    return true;
}

int32_t Matcher::RunLength(const RxNode* atom, int32_t p, bool matchCase) const
{
    const uint8_t* s = m_subject + p;
    const int32_t limit = m_length - p;
    int32_t run = 0;
    switch (atom->type) {
    case RX_ANY:
        return limit;
    case RX_CLASS:
        while (run < limit && InSet(atom->link.bytes, s[run]))
            ++run;
        return run;
    case RX_LITERAL:
        if (matchCase) {
            const uint8_t l = atom->link.bytes[0];
            while (run < limit && s[run] == l)
                ++run;
        } else {
            const uint8_t l = m_upper[atom->link.bytes[0]];
            while (run < limit && m_upper[s[run]] == l)
                ++run;
        }
        return run;
    default:
        while (run < limit && KindAccepts(atom->type, atom->link.bytes, s[run]))
            ++run;
        return run;
    }
}

// A greedy operator tries its atom first and keeps the way past it as a choice; a lazy one
// the other way round. Loops come back here through the jump after their atom.
void Matcher::Operator(const RxNode*& n, int32_t& p, bool matchCase)
{
    const RxNode* op = n;
    const RxNode* after = op->link.partner->next;
    const bool greedy = IsGreedy(op->type);
    if (!IsLoopOperator(op->type)) {
        Push(Frame::kResume, after, p, 0);
        n = op->next;
    } else if (IsSingleCharLoop(op)) {
        if (greedy) {
            const int32_t run = RunLength(op->next, p, matchCase);
            m_steps -= run;
            if (run > 0)
                Push(Frame::kGreedyRun, after, p + run, p);
            p += run;
        } else {
            Push(Frame::kLazyRun, op, p, 0);
        }
        n = after;
    } else if (greedy) {
        Push(Frame::kLoopExit, op, p, m_passStart[op->length]);
        m_passStart[op->length] = p;
        n = op->next;
    } else {
        Push(Frame::kLoopEnter, op, p, 0);
        n = after;
    }
}

void Matcher::Jump(const RxNode*& n, int32_t p)
{
    const RxNode* target = n->link.partner;
    if (IsOperator(target->type)) {
        // Back to the loop's operator; a pass that matched nothing leaves the loop.
        const bool empty = !IsSingleCharLoop(target) && m_passStart[target->length] == p;
        n = empty ? target->link.partner->next : target;
        return;
    }
    // Into the atom of a "+" or "#" loop for its first pass.
    const RxNode* op = n->next;
    if (!IsSingleCharLoop(op)) {
        Push(Frame::kUndoPassStart, nullptr, m_passStart[op->length], op->length);
        m_passStart[op->length] = p;
    }
    n = target;
}

// A group reports the positions where the match path first reached its brackets, so a
// repeated group reports its first pass. Clusters only group.
void Matcher::Bracket(const RxNode*& n, int32_t p)
{
    const uint16_t t = n->type;
    if (IsGreedy(t)) {
        const int slot = Kind(t);
        int32_t* slots = IsOpening(t) ? m_match.start : m_match.end;
        if (slots[slot] < 0) {
            slots[slot] = p;
            Push(IsOpening(t) ? Frame::kUndoStart : Frame::kUndoEnd, nullptr, 0, slot);
        }
    }
    n = n->next;
}

// Word bounds look at ASCII letters and digits only; at the line's ends they ask no more.
bool Matcher::AtWordStart(int32_t p) const
{
    if (p >= m_length)
        return false;
    return p == 0 || (IsAsciiAlnum(m_subject[p]) && !IsAsciiAlnum(m_subject[p - 1]));
}

bool Matcher::AtWordEnd(int32_t p) const
{
    if (p == 0)
        return false;
    return p == m_length || (!IsAsciiAlnum(m_subject[p]) && IsAsciiAlnum(m_subject[p - 1]));
}

// Undoes changes down to the latest choice and takes it; false when none is left. The case
// flag is not restored: a switch made on an abandoned path stays for the rest of the attempt.
bool Matcher::Backtrack(const RxNode*& n, int32_t& p, bool matchCase)
{
    while (!m_frames.empty()) {
        Frame& f = m_frames.back();
        switch (f.kind) {
        case Frame::kResume:
            n = f.node;
            p = f.pos;
            m_frames.pop_back();
            return true;
        case Frame::kLoopExit:
            m_passStart[f.node->length] = f.aux;
            n = f.node->link.partner->next;
            p = f.pos;
            m_frames.pop_back();
            return true;
        case Frame::kLoopEnter: {
            const RxNode* op = f.node;
            p = f.pos;
            // The frame stays to give the loop its previous pass start back later.
            f = Frame{nullptr, m_passStart[op->length], op->length, Frame::kUndoPassStart};
            m_passStart[op->length] = p;
            n = op->next;
            return true;
        }
        case Frame::kGreedyRun:
            n = f.node;
            p = --f.pos;
            if (f.pos == f.aux)
                m_frames.pop_back();
            return true;
        case Frame::kLazyRun:
            if (f.pos < m_length && Accepts(f.node->next, m_subject[f.pos], matchCase)) {
                n = f.node->link.partner->next;
                p = ++f.pos;
                return true;
            }
            m_frames.pop_back();
            break;
        case Frame::kUndoStart:
            m_match.start[f.aux] = -1;
            m_frames.pop_back();
            break;
        case Frame::kUndoEnd:
            m_match.end[f.aux] = -1;
            m_frames.pop_back();
            break;
        case Frame::kUndoPassStart:
            m_passStart[f.aux] = f.pos;
            m_frames.pop_back();
            break;
        }
    }
    return false;
}

// One attempt at p. On success the record holds the groups and end[0]; on failure it is
// left all unset again.
bool Matcher::Attempt(const RxNode* n, int32_t p, bool matchCase)
{
    for (;;) {
        if (--m_steps < 0) {
            m_exhausted = true;
            return false;
        }
        const uint16_t t = n->type;
        bool ok = true;
        if (IsConsuming(t)) {
            ok = Consume(n, p, matchCase);
        } else if (IsOperator(t)) {
            Operator(n, p, matchCase);
        } else if (IsBracket(t)) {
            Bracket(n, p);
        } else {
            switch (t) {
            case RX_END:
                m_match.end[0] = p;
                return true;
            case RX_NOP:
                n = n->next;
                break;
            case RX_JUMP:
                Jump(n, p);
                break;
            case RX_ALT_END:
                n = SkipBranch(n->link.partner->next);
                break;
            case RX_LINE_START:
                ok = p == 0;
                n = n->next;
                break;
            case RX_LINE_END:
                ok = p == m_length;
                n = n->next;
                break;
            case RX_WORD_START:
                ok = AtWordStart(p);
                n = n->next;
                break;
            case RX_WORD_END:
                ok = AtWordEnd(p);
                n = n->next;
                break;
            case RX_CASE_ON:
                matchCase = true;
                n = n->next;
                break;
            case RX_CASE_OFF:
                matchCase = false;
                n = n->next;
                break;
            default:
                ok = false;
                break;
            }
        }
        if (!ok && !Backtrack(n, p, matchCase))
            return false;
    }
}

// The steps a search of a subject of length bytes may take: the caller's fixed part and a part
// that grows with the subject and the pattern, without overflowing.
int64_t AllowedSteps(const RxBudget* budget, int32_t length, int64_t patternSize)
{
    const int64_t fixed = budget ? budget->steps : RxBudget::kDefaultSteps;
    const int64_t perUnit = budget ? budget->stepsPerUnit : RxBudget::kDefaultStepsPerUnit;
    if (perUnit <= 0)
        return fixed;
    const int64_t limit = INT64_MAX / 4;
    const int64_t units = int64_t{length} + 1;
    if (patternSize > limit / units / perUnit)
        return limit;
    return std::min(limit, fixed + units * patternSize * perUnit);
}

// Attempts only where the whole leading literal occurs, found in one pass over the subject that
// never looks at a byte twice (a search for a long literal would otherwise compare it anew at
// every position where its first character occurs). Up to the first character of a possible
// occurrence the scan of the start bytes skips ahead.
template <class TryAt>
void ScanLiteral(const RxNode* literal, const std::vector<int32_t>& recurs, const StartScan& scan,
                 const uint8_t* s, int32_t start, int32_t length, bool matchCase, Matcher& matcher,
                 TryAt tryAt)
{
    const uint8_t* upper = cp1251::Info().upper.data();
    const auto fold = [matchCase, upper](uint8_t c) { return matchCase ? c : upper[c]; };
    const uint8_t* l = literal->link.bytes;
    const int32_t count = literal->length;
    int32_t k = 0; // characters of the literal matched so far
    for (int32_t p = start; p < length; ++p) {
        if (k == 0) {
            const int32_t from = p;
            if (scan.mode == StartScan::kOneByte) {
                const void* hit = std::memchr(s + p, scan.byte, static_cast<size_t>(length - p));
                p = hit ? static_cast<int32_t>(static_cast<const uint8_t*>(hit) - s) : length;
            } else {
                while (p < length && !scan.table[s[p]])
                    ++p;
            }
            if (!matcher.Spend(p - from) || p == length)
                return;
        }
        if (!matcher.Spend(1))
            return;
        const uint8_t c = fold(s[p]);
        while (k > 0 && c != fold(l[k]))
            k = recurs[static_cast<size_t>(k - 1)];
        if (c == fold(l[k]))
            ++k;
        if (k == count) {
            if (tryAt(p - count + 1))
                return;
            k = recurs[static_cast<size_t>(k - 1)];
        }
    }
}

} // namespace

int RxExec(const RxNode* program, const char* subject, int length, int start, RxMatch& match,
           int caseFlag, RxBudget* budget)
{
    std::fill(std::begin(match.start), std::end(match.start), -1);
    std::fill(std::begin(match.end), std::end(match.end), -1);
    if (budget)
        budget->exhausted = false;
    if (!program || length < 0 || start < 0 || start > length || (!subject && length > 0))
        return 0;
    const RxNode* last = program;
    while (last->type != RX_END)
        last = last->next;
    const RxProgramInfo& info = *last->link.info;
    const bool matchCase = (caseFlag & 1) != 0;
    const auto* s = reinterpret_cast<const uint8_t*>(subject);
    Matcher matcher(s, length, match, AllowedSteps(budget, length, info.size), info.loopCount);

    // Attempts go from the start position on and the first success wins. A program that
    // begins at the line start is tried at the start position only; otherwise only positions
    // holding a byte a match can begin with are tried (every one, the end included, when a
    // match can be empty).
    int32_t found = -1;
    const auto tryAt = [&](int32_t p) {
        if (matcher.Attempt(program, p, matchCase))
            found = p;
        return found >= 0 || matcher.Exhausted();
    };
    const StartScan& scan = matchCase ? info.matchCase : info.ignoreCase;
    if (program->type == RX_LINE_START) {
        tryAt(start);
    } else if (program->type == RX_LITERAL && program->length > 1) {
        ScanLiteral(program, matchCase ? info.literalRecursExact : info.literalRecursFolded, scan,
                    s, start, length, matchCase, matcher, tryAt);
    } else if (scan.mode == StartScan::kEverywhere) {
        for (int32_t p = start; p <= length && !tryAt(p); ++p) {
        }
    } else if (scan.mode == StartScan::kOneByte) {
        for (int32_t p = start; p < length; ++p) {
            const void* hit = std::memchr(s + p, scan.byte, static_cast<size_t>(length - p));
            if (!hit)
                break;
            p = static_cast<int32_t>(static_cast<const uint8_t*>(hit) - s);
            if (tryAt(p))
                break;
        }
    } else {
        for (int32_t p = start; p < length; ++p)
            if (scan.table[s[p]] && tryAt(p))
                break;
    }

    if (budget)
        budget->exhausted = matcher.Exhausted();
    if (found < 0) {
        // An attempt stopped by the budget may leave groups behind.
        std::fill(std::begin(match.start), std::end(match.start), -1);
        std::fill(std::begin(match.end), std::end(match.end), -1);
        return 0;
    }
    match.start[0] = found;
    return 1;
}
