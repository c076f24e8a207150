// Source types and the extensions that select them.
#include "syntax/SourceTypes.h"

#include "text/Cp1251.h"

#include <array>
#include <initializer_list>

namespace {

struct TypeInfo {
    std::string_view name;
    std::initializer_list<std::string_view> extensions;
};

const std::array<TypeInfo, kSourceTypeCount>& Types()
{
    static const std::array<TypeInfo, kSourceTypeCount> types = {{
        {"None (Plain text)", {".txt", ".doc", ".diz", ".me", ".css"}},
        {"ASP", {}},
        {"Visual Basic", {".bas", ".vb", ".vbs"}},
        {"Batch", {".bat", ".cmd", ".btm"}},
        {"C/C++", {".cpp", ".c", ".h", ".cc", ".cxx", ".hxx", ".hpp", ".inl"}},
        {"DCL (AutoCAD)", {}},
        {"Fortran", {}},
        {"HTML", {".html", ".htm", ".shtml", ".ihtml", ".phtml", ".xhtml"}},
        {"InstallShield", {}},
        {"Java", {".java", ".jav", ".js", ".j"}},
        {"LISP (AutoCAD)", {}},
        {"Pascal", {".pas"}},
        {"Perl", {".pl"}},
        {"PHP", {}},
        {"Python", {".py"}},
        {"REXX", {".rex", ".rexx"}},
        {"Resources", {".rc", ".dlg"}},
        {"SGML", {".sgml"}},
        {"Shell script", {".sh"}},
        {"SIOD", {}},
        {"SQL", {".sql"}},
        {"TCL", {".tcl"}},
        {"Tex", {}},
    }};
    return types;
}

// The order in which the types' extensions are tried.
constexpr int kMatchOrder[] = {4, 3, 2, 7, 9, 11, 12, 0, 14, 16, 15, 17, 18, 20, 21};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (cp1251::ToLower(static_cast<uint8_t>(a[i])) != cp1251::ToLower(static_cast<uint8_t>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view SourceTypeName(int type)
{
    return type >= 0 && type < kSourceTypeCount ? Types()[type].name : std::string_view{};
}

int SourceTypeForPath(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return SRC_PLAIN_TEXT;
    const std::string_view extension = name.substr(dot);
    for (int type : kMatchOrder)
        for (std::string_view candidate : Types()[type].extensions)
            if (EqualNoCase(extension, candidate))
                return type;
    return SRC_PLAIN_TEXT;
}
