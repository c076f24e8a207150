// The AutoExpand template table.
#include "edit/core/Templates.h"

#include <algorithm>
#include <iterator>

namespace {

const ExpandTemplate kTemplates[] = {
    {"head", "<HEAD>\\n</HEAD>\\n\\u\\u\\f\\n"},
    {"html", "<HTML>\\n</HTML>\\n\\u\\u\\f\\n"},
    {"body", "<BODY>\\n</BODY>\\n\\u\\u\\f\\n"},
    {"title", "<TITLE></TITLE>\\l\\l\\l\\l\\l\\l\\l\\l"},
    {"table", "<TABLE>\\n</TABLE>\\n\\u\\u\\f\\n"},
    {"td", "<TD>\\n</TD>\\n\\u\\u\\f\\n"},
    {"tr", "<TR>\\n</TR>\\n\\u\\u\\f\\n"},
    {"img", "<IMG border=\"0\" src=\"\">\\l\\l"},
    {"font", "<FONT color=\"\"></FONT>\\l\\l\\l\\l\\l\\l\\l\\l\\l"},
    {"p", "<P>"},
    {"center", "<CENTER></CENTER>\\l\\l\\l\\l\\l\\l\\l\\l\\l"},
    {"i", "<I></I>\\l\\l\\l\\l"},
    {"u", "<U></U>\\l\\l\\l\\l"},
    {"b", "<B></B>\\l\\l\\l\\l"},
    {"script", "<SCRIPT>\\n</SCRIPT>\\n\\u\\u\\f\\n"},
    {"a", "<A href=\"\"></A>\\l\\l\\l\\l\\l\\l"},
    {"cm", "<!--  -->\\l\\l\\l\\l"},
    {"ul", "<UL>"},
    {"li", "<LI>"},
    {"doc",
     "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">\\n<HTML>\\n<HEAD>\\n"
     "<TITLE>Document Title</TITLE>\\n</HEAD>\\n<BODY>\\n\\n</BODY>\\n</HTML>\\n\\u\\u\\u\\f"},
    {"meta", "<META content=\"\" name=\"\">\\l\\l\\l\\l\\l\\l\\l\\l\\l\\l"},
    {"div", "<DIV>\\n</DIV>\\n\\u\\u\\f\\n"},
    {"th", "<TH>\\n</TH>\\n\\u\\u\\f\\n"},
    {"inp", "<INPUT type=\"\">\\l\\l"},
    {"input", "<INPUT type=\"\">\\l\\l"},
    {"fs", "<FRAMESET frameborder=\"1\" cols=\"1\" rows=\"1\">\\n\\n</FRAMESET>\\n\\u\\u\\f"},
    {"fr", "<FRAME src=\"\">\\l\\l"},
};

} // namespace

std::span<const ExpandTemplate> ExpandTemplates() { return kTemplates; }

std::string_view FindExpandTemplate(std::string_view key)
{
    const auto it = std::find_if(std::begin(kTemplates), std::end(kTemplates),
                                 [key](const ExpandTemplate& t) { return t.key == key; });
    return it == std::end(kTemplates) ? std::string_view{} : it->text;
}
