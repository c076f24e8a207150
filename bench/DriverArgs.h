// Option parsing shared by the drivers.
#pragma once

#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "text/TextTypes.h"
#include "view/core/TextSearch.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

inline bool ParseInt(const char* text, int& value)
{
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end)
        return false;
    value = static_cast<int>(v);
    return true;
}

// A source type, 0-22.
inline bool ParseSourceType(const char* text, std::optional<SourceType>& type)
{
    char* end = nullptr;
    const long t = std::strtol(text, &end, 10);
    if (!*text || *end || t < 0 || t >= kSourceTypeCount)
        return false;
    type = static_cast<SourceType>(t);
    return true;
}

// The source type of a file to read: the one given, or else by the file's extension.
inline SourceType SourceTypeOf(std::optional<SourceType> given, const char* path)
{
    return given ? *given : SourceTypeForPath(path);
}

// Loads a file in Windows-1251 with its line ends detected; false after saying why.
inline bool LoadOrSay(const char* driver, const char* path, CKTextBuffer& buffer)
{
    if (buffer.Load(path, LineEnding::Auto, CodePage::Windows1251))
        return true;
    std::fprintf(stderr, "%s: cannot load %s: %s\n", driver, path, buffer.LastErrorText().c_str());
    return false;
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
    if (std::sscanf(text, "%d:%d-%d:%d%n", &l1, &c1, &l2, &c2, &used) != 4 || text[used] || l1 < 0
        || c1 < 0 || l2 < 0 || c2 < 0)
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
