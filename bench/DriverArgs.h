// Option parsing shared by the search and replace drivers.
#pragma once

#include "text/TextTypes.h"
#include "view/core/TextSearch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

inline bool ParseInt(const char* text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end)
        return false;
    value = static_cast<int>(v);
    return true;
}

// "L:C", 0-based line and character.
inline bool ParsePoint(const char* text, TextPoint& p)
{
    int line, ch, used = 0;
    if (std::sscanf(text, "%d:%d%n", &line, &ch, &used) != 2 || text[used] || line < 0 || ch < 0)
        return false;
    p = {ch, line};
    return true;
}

// "L1:C1-L2:C2".
inline bool ParseRange(const char* text, TextPoint& a, TextPoint& b)
{
    int l1, c1, l2, c2, used = 0;
    if (std::sscanf(text, "%d:%d-%d:%d%n", &l1, &c1, &l2, &c2, &used) != 4 || text[used]
        || l1 < 0 || c1 < 0 || l2 < 0 || c2 < 0)
        return false;
    a = {c1, l1};
    b = {c2, l2};
    return true;
}

// The search options both drivers take: --case, --word, --regex. False for any other word.
inline bool ParseSearchOption(const char* word, uint32_t& flags)
{
    if (!std::strcmp(word, "--case"))
        flags |= FIND_MATCH_CASE;
    else if (!std::strcmp(word, "--word"))
        flags |= FIND_WHOLE_WORD;
    else if (!std::strcmp(word, "--regex"))
        flags |= FIND_REGEXP;
    else
        return false;
    return true;
}
