// Source types chosen by file extension.
#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceTypesTest, ExtensionSelectsTheType)
{
    const std::pair<const char*, SourceType> cases[] = {
        {"INDEX.HTM", SourceType::Html},
        {"/a/b/page.xhtml", SourceType::Html},
        {"style.css", SourceType::PlainText},
        {"page.asp", SourceType::PlainText},
        {"page.php", SourceType::PlainText},
        {"main.CPP", SourceType::Cpp},
        {"x.inl", SourceType::Cpp},
        {"run.btm", SourceType::Batch},
        {"app.js", SourceType::Java},
        {"m.vbs", SourceType::VisualBasic},
        {"u.pas", SourceType::Pascal},
        {"s.pl", SourceType::Perl},
        {"t.py", SourceType::Python},
        {"r.rc", SourceType::Resources},
        {"q.rexx", SourceType::Rexx},
        {"d.sgml", SourceType::Sgml},
        {"b.sh", SourceType::Shell},
        {"db.sql", SourceType::Sql},
        {"w.tcl", SourceType::Tcl},
        {"README", SourceType::PlainText},
        {"dir.html/file", SourceType::PlainText},
        {"archive.tar.gz", SourceType::PlainText},
        {"x.htm.bak", SourceType::PlainText},
        {".html", SourceType::Html},
    };
    for (const auto& [path, type] : cases)
        EXPECT_EQ(SourceTypeForPath(path), type) << path;
}

TEST(SourceTypesTest, MenuTextsByIndex)
{
    EXPECT_EQ(SourceTypeName(SourceType::PlainText), "None (Plain text)");
    EXPECT_EQ(SourceTypeName(SourceType::Html), "HTML");
    EXPECT_EQ(SourceTypeName(SourceType::Dcl), "DCL (AutoCAD)");
    EXPECT_EQ(SourceTypeName(SourceType::Tex), "Tex");
    EXPECT_EQ(SourceTypeName(static_cast<SourceType>(kSourceTypeCount)), "");
    for (int t = 0; t < kSourceTypeCount; ++t)
        EXPECT_FALSE(SourceTypeName(static_cast<SourceType>(t)).empty());
}

} // namespace
