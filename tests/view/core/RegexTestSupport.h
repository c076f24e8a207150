// Helpers for the regular-expression tests: a search reported the way tw-regex prints it.
#pragma once

#include "view/core/Regex.h"

#include <string>

// "compile error", "no match", or the set slots as "k:start-end" separated by blanks.
inline std::string DescribeMatch(const RxMatch& match)
{
    std::string text;
    for (int k = 0; k < kRxSlots; ++k) {
        if (match.start[k] < 0 && match.end[k] < 0)
            continue;
        if (!text.empty())
            text += ' ';
        text += std::to_string(k) + ':' + std::to_string(match.start[k]) + '-'
                + std::to_string(match.end[k]);
    }
    return text;
}

inline std::string Search(const std::string& pattern, const std::string& subject, int caseFlag = 0,
                          int start = 0)
{
    const RxProgram program(RxCompile(pattern));
    if (!program)
        return "compile error";
    RxMatch match;
    if (!RxExec(program.get(), subject.data(), static_cast<int>(subject.size()), start, match,
                caseFlag))
        return "no match";
    return DescribeMatch(match);
}
