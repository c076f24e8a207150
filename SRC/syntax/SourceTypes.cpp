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
constexpr SourceType kMatchOrder[] = {
    SourceType::Cpp,    SourceType::Batch,     SourceType::VisualBasic, SourceType::Html,
    SourceType::Java,   SourceType::Pascal,    SourceType::Perl,        SourceType::PlainText,
    SourceType::Python, SourceType::Resources, SourceType::Rexx,        SourceType::Sgml,
    SourceType::Shell,  SourceType::Sql,       SourceType::Tcl,
};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (cp1251::ToLower(static_cast<uint8_t>(a[i]))
            != cp1251::ToLower(static_cast<uint8_t>(b[i])))
            return false;
    return true;
}

} // namespace

std::string_view SourceTypeName(SourceType type)
{
    return IsKnown(type) ? Types()[Number(type)].name : std::string_view{};
}

SourceType SourceTypeForPath(std::string_view path)
{
    const size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos)
        return SourceType::PlainText;
    const std::string_view extension = name.substr(dot);
    for (SourceType type : kMatchOrder)
        for (std::string_view candidate : Types()[Number(type)].extensions)
            if (EqualNoCase(extension, candidate))
                return type;
    return SourceType::PlainText;
}
