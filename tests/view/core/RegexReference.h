// A plain recursive reading of the matching rules (one nested attempt per operator choice and
// per group bracket, the record written on the way back), to check the engine's stack-based
// matcher against. Meant for short lines only: it gives up past a depth or step limit.
#pragma once

#include "view/core/Regex.h"
#include "view/core/RegexNodes.h"

#include <cstring>
#include <vector>

class ReferenceMatcher {
public:
    enum Result { kNoMatch, kMatch, kGaveUp };

    ReferenceMatcher(const RxNode* program, const char* subject, int length)
        : m_program(program), m_subject(reinterpret_cast<const uint8_t*>(subject)), m_length(length)
    {
        int loops = 0;
        for (const RxNode* n = program; n; n = n->next)
            if (rx::IsLoopOperator(n->type))
                loops = std::max(loops, n->length + 1);
        m_passStart.assign(static_cast<size_t>(loops), -1);
    }

    Result Exec(int start, RxMatch& match, int caseFlag)
    {
        m_match = &match;
        const auto& upper = cp1251::Info().upper;
        const bool literalFirst = m_program->type == RX_LITERAL;
        const int last = m_program->type == RX_LINE_START ? start
                         : literalFirst                   ? m_length - 1
                                                          : m_length;
        for (int p = start; p <= last; ++p) {
            if (literalFirst) {
                const uint8_t want = m_program->link.bytes[0];
                const uint8_t have = m_subject[p];
                if ((caseFlag & 1) ? have != want : upper[have] != upper[want])
                    continue;
            }
            Reset(match);
            m_matchCase = (caseFlag & 1) != 0;
            if (Match(m_program, p, 0)) {
                match.start[0] = p;
                return kMatch;
            }
            if (m_gaveUp)
                return kGaveUp;
        }
        Reset(match);
        return kNoMatch;
    }

private:
    static void Reset(RxMatch& match)
    {
        for (int k = 0; k < kRxSlots; ++k)
            match.start[k] = match.end[k] = -1;
    }

    static bool AsciiAlnum(uint8_t c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    }

    bool Match(const RxNode* n, int p, int depth)
    {
        if (depth > 3000 || ++m_steps > 2'000'000) {
            m_gaveUp = true;
            return false;
        }
        const auto& upper = cp1251::Info().upper;
        for (;;) {
            if (m_gaveUp)
                return false;
            const uint16_t t = n->type;
            if (t == RX_LITERAL) {
                if (p + n->length > m_length)
                    return false;
                for (int i = 0; i < n->length; ++i) {
                    const uint8_t a = m_subject[p + i], b = n->link.bytes[i];
                    if (m_matchCase ? a != b : upper[a] != upper[b])
                        return false;
                }
                p += n->length;
                n = n->next;
            } else if (rx::IsConsuming(t)) {
                if (p >= m_length || !rx::KindAccepts(t, n->link.bytes, m_subject[p]))
                    return false;
                ++p;
                n = n->next;
            } else if (rx::IsOperator(t)) {
                const RxNode* after = n->link.partner->next;
                if (!rx::IsLoopOperator(t)) {
                    if (Match(n->next, p, depth + 1))
                        return true;
                    n = after;
                } else if (rx::IsGreedy(t)) {
                    if (Pass(n, n->next, p, depth))
                        return true;
                    n = after;
                } else {
                    if (Match(after, p, depth + 1))
                        return true;
                    return Pass(n, n->next, p, depth);
                }
            } else if (rx::IsBracket(t)) {
                if (!rx::IsGreedy(t)) {
                    n = n->next;
                    continue;
                }
                const bool ok = Match(n->next, p, depth + 1);
                (rx::IsOpening(t) ? m_match->start : m_match->end)[rx::Kind(t)] = ok ? p : -1;
                return ok;
            } else {
                switch (t) {
                case RX_END:
                    m_match->end[0] = p;
                    return true;
                case RX_JUMP:
                    if (rx::IsOperator(n->link.partner->type)) {
                        const RxNode* op = n->link.partner;
                        n = m_passStart[op->length] == p ? op->link.partner->next : op;
                        continue;
                    }
                    return Pass(n->next, n->link.partner, p, depth);
                case RX_ALT_END:
                    n = rx::SkipBranch(n->link.partner->next);
                    continue;
                case RX_LINE_START:
                    if (p != 0)
                        return false;
                    break;
                case RX_LINE_END:
                    if (p != m_length)
                        return false;
                    break;
                case RX_WORD_START:
                    if (p >= m_length
                        || (p > 0 && (!AsciiAlnum(m_subject[p]) || AsciiAlnum(m_subject[p - 1]))))
                        return false;
                    break;
                case RX_WORD_END:
                    if (p == 0
                        || (p < m_length
                            && (AsciiAlnum(m_subject[p]) || !AsciiAlnum(m_subject[p - 1]))))
                        return false;
                    break;
                case RX_CASE_ON:
                    m_matchCase = true;
                    break;
                case RX_CASE_OFF:
                    m_matchCase = false;
                    break;
                default:
                    break;
                }
                n = n->next;
            }
        }
    }

    // One pass through a loop's atom, nested, with the pass's start remembered.
    bool Pass(const RxNode* op, const RxNode* atom, int p, int depth)
    {
        int& passStart = m_passStart[op->length];
        const int saved = passStart;
        passStart = p;
        const bool ok = Match(atom, p, depth + 1);
        passStart = saved;
        return ok;
    }

    const RxNode* m_program;
    const uint8_t* m_subject;
    int m_length;
    RxMatch* m_match = nullptr;
    bool m_matchCase = false;
    bool m_gaveUp = false;
    long m_steps = 0;
    std::vector<int> m_passStart;
};
