// Source types chosen by file extension.
#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceTypesTest, ExtensionSelectsTheType)
{
    const std::pair<const char*, int> cases[] = {
        {"INDEX.HTM", SRC_HTML},        {"/a/b/page.xhtml", SRC_HTML},
        {"style.css", SRC_PLAIN_TEXT},  {"page.asp", SRC_PLAIN_TEXT},
        {"page.php", SRC_PLAIN_TEXT},   {"main.CPP", SRC_CPP},
        {"x.inl", SRC_CPP},             {"run.btm", SRC_BATCH},
        {"app.js", SRC_JAVA},           {"m.vbs", SRC_VISUAL_BASIC},
        {"u.pas", SRC_PASCAL},          {"s.pl", SRC_PERL},
        {"t.py", SRC_PYTHON},           {"r.rc", SRC_RESOURCES},
        {"q.rexx", SRC_REXX},           {"d.sgml", SRC_SGML},
        {"b.sh", SRC_SHELL},            {"db.sql", SRC_SQL},
        {"w.tcl", SRC_TCL},             {"README", SRC_PLAIN_TEXT},
        {"dir.html/file", SRC_PLAIN_TEXT}, {"archive.tar.gz", SRC_PLAIN_TEXT},
        {"x.htm.bak", SRC_PLAIN_TEXT},  {".html", SRC_HTML},
    };
    for (const auto& [path, type] : cases)
        EXPECT_EQ(SourceTypeForPath(path), type) << path;
}

TEST(SourceTypesTest, MenuTextsByIndex)
{
    EXPECT_EQ(SourceTypeName(0), "None (Plain text)");
    EXPECT_EQ(SourceTypeName(SRC_HTML), "HTML");
    EXPECT_EQ(SourceTypeName(SRC_DCL), "DCL (AutoCAD)");
    EXPECT_EQ(SourceTypeName(SRC_TEX), "Tex");
    EXPECT_EQ(SourceTypeName(kSourceTypeCount), "");
    for (int t = 0; t < kSourceTypeCount; ++t)
        EXPECT_FALSE(SourceTypeName(t).empty());
}

} // namespace
