// File names that are not UTF-8: the document opens, saves, reads again and previews the file
// by its bytes, and a name from a dialog finds the one file it stands for.
#include "DocFixture.h"

#include "doc/Preview.h"
#include "text/CodePages.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace {

using FileNameTest = DocFixture;

// The pages in the fixture's folder, by the bytes of their names.
std::vector<std::string> Pages(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".html")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(FileNameTest, ANameThatIsNotUtf8IsOpenedSavedAndReadAgainByItsBytes)
{
    const std::string file = dir.File("caf\xe9.html");
    WriteFile(file, "<p>old</p>");
    ASSERT_TRUE(doc->OnOpenNativeDocument(file, CodePage::Windows1251, LineEnding::Auto));
    EXPECT_EQ(doc->Buffer().Line(0), "<p>old</p>");
    EXPECT_EQ(doc->NativePathName(), file);
    EXPECT_EQ(doc->Title(), QString::fromUtf8("caf\xef\xbf\xbd.html"));

    SetText("<p>new</p>");
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(ReadFile(file), "<p>new</p>");
    EXPECT_EQ(Pages(dir.Path()), std::vector<std::string>{"caf\xe9.html"});

    WriteFile(file, "<p>\xe1</p>");
    ASSERT_TRUE(doc->ReopenInCodePage(CodePage::Koi8R));
    EXPECT_EQ(doc->Buffer().Line(0), "<p>\xc0</p>");
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(FileNameTest, APreviewOfSuchAFileGoesThroughACopyABrowserCanBeToldOf)
{
    const std::string file = dir.File("caf\xe9.html");
    WriteFile(file, "<p>old</p>");
    ASSERT_TRUE(doc->OnOpenNativeDocument(file, CodePage::Windows1251, LineEnding::Auto));
    SetText("<p>new</p>");
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    // Saved first, as the option asks, then shown from a copy under a name of its own.
    EXPECT_EQ(ReadFile(file), "<p>new</p>");
    ASSERT_EQ(host.opened.size(), 1);
    EXPECT_EQ(ReadFile(NativePath(host.opened[0])), "<p>new</p>");
    EXPECT_EQ(Pages(dir.Path()), std::vector<std::string>{"caf\xe9.html"});
    RemovePreviewFolder();
}

TEST_F(FileNameTest, ANameFromADialogFindsTheOneFileItStandsFor)
{
    const std::string folder = dir.File("d\xe9j\xe0");
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    for (const char* name : {"caf\xe9.html", "twice\xe8.html", "twice\xe9.html", "plain.html"})
        WriteFile(folder + "/" + name, "");
    // As the toolkit shows them: each byte that is not UTF-8 as a replacement mark.
    const QString shown =
        QString::fromStdString(dir.Path()) + QString::fromUtf8("/d\xef\xbf\xbdj\xef\xbf\xbd/");
    const struct {
        const char* name;
        std::string path; // empty: refused
    } cases[] = {
        {"caf\xef\xbf\xbd.html", folder + "/caf\xe9.html"},
        {"plain.html", folder + "/plain.html"},
        {"twice\xef\xbf\xbd.html", ""},
        // A new name that holds the mark itself.
        {"new\xef\xbf\xbd.html", folder + "/new\xef\xbf\xbd.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ResolveNativePath(shown + QString::fromUtf8(c.name)), c.path);
    }
}

} // namespace
