// The browser previews: where the text is written, what is started, and what is cleaned up.
#include "DocFixture.h"

#include "doc/Preview.h"
#include "res/CommandIds.h"

#include <filesystem>

namespace {

class PreviewTest : public DocFixture {
protected:
    void SetUp() override
    {
        tmp = dir.File("tmp");
        std::filesystem::create_directory(tmp);
        setenv("TMPDIR", tmp.c_str(), 1);
        doc->OnNewDocument();
        SetText("<p>page</p>");
    }
    void TearDown() override { unsetenv("TMPDIR"); }

    std::string LastPreview() const { return settings.LastFile(settings_values::kLastPreview); }

    std::string tmp;
};

TEST_F(PreviewTest, UntitledDocumentGoesThroughATemporaryFileDeletedAtTheNextPreview)
{
    const std::string file = tmp + "/~TagwrightPreview.HTML";
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(ReadFile(file), "<p>page</p>");
    EXPECT_EQ(LastPreview(), file);
    EXPECT_EQ(host.opened, QStringList{QString::fromStdString(file)});
    EXPECT_TRUE(doc->IsModified());

    // The next preview removes the file recorded last before it writes its own.
    const std::string older = dir.File("older.html");
    WriteFile(older, "x");
    settings.SetLastFile(settings_values::kLastPreview, older);
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_FALSE(FileExists(older));
    EXPECT_EQ(LastPreview(), file);

    DeletePreviewFile(settings);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(LastPreview(), "");
}

TEST_F(PreviewTest, TitledDocumentIsSavedAndShownItselfWhenTheOptionIsOn)
{
    doc->SetPathName(Path("site.html"));
    EXPECT_TRUE(doc->OnCommand(ID_PREVIEW_DEFAULT_BROWSER));
    EXPECT_EQ(ReadFile(dir.File("site.html")), "<p>page</p>");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(host.opened, QStringList{Path("site.html")});
    EXPECT_EQ(LastPreview(), "");
    EXPECT_FALSE(FileExists(dir.File("~TagwrightPreview.HTML")));
}

TEST_F(PreviewTest, WithTheOptionOffThePreviewFileSitsBesideTheDocumentWithoutBackup)
{
    settings.Global().saveBeforePreview = 0;
    settings.Global().createBackups = 1;
    doc->SetPathName(Path("site.html"));
    const std::string file = dir.File("~TagwrightPreview.HTML");
    WriteFile(file, "left over");
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(ReadFile(file), "<p>page</p>");
    EXPECT_FALSE(FileExists(file + ".bak"));
    EXPECT_TRUE(doc->Buffer().BackupOnSave());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(FileExists(dir.File("site.html")));
}

TEST_F(PreviewTest, ConfiguredBrowserGetsThePreviewFile)
{
    settings.Global().SetBrowserPath(2, "/opt/browser two/run");
    ExternalPreview(*doc, PreviewTarget::Browser2);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0], (QStringList{QStringLiteral("/opt/browser two/run"),
                                            QString::fromStdString(tmp + "/~TagwrightPreview.HTML")}));
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(PreviewTest, BrowserWithoutPathSaysSoAndStartsNothing)
{
    for (const auto& [target, number] : {std::pair{PreviewTarget::Browser1, 1}, {PreviewTarget::Browser2, 2}}) {
        host.warnings.clear();
        ExternalPreview(*doc, target);
        ASSERT_EQ(host.warnings.size(), 1);
        EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("browser %1").arg(number)));
        EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("Options")));
    }
    EXPECT_TRUE(host.started.empty());
    EXPECT_FALSE(FileExists(tmp + "/~TagwrightPreview.HTML"));
}

TEST_F(PreviewTest, ViewerThatCannotStartIsReportedAndItsFileRemoved)
{
    host.defaultProgramWorks = false;
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Cannot open external preview program!")});
    EXPECT_FALSE(FileExists(tmp + "/~TagwrightPreview.HTML"));
    EXPECT_EQ(LastPreview(), "");

    host.errors.clear();
    host.programsStart = false;
    settings.Global().SetBrowserPath(1, "/no/such/browser");
    ExternalPreview(*doc, PreviewTarget::Browser1);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("/no/such/browser")));
    EXPECT_FALSE(FileExists(tmp + "/~TagwrightPreview.HTML"));
}

TEST_F(PreviewTest, PreviewFileThatCannotBeWrittenIsReported)
{
    setenv("TMPDIR", dir.File("no/such/folder").c_str(), 1);
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Cannot save tempopary file for preview!")});
    EXPECT_TRUE(host.opened.isEmpty());
    EXPECT_EQ(LastPreview(), "");
}

TEST_F(PreviewTest, PreviewAndSourceButtonsAreAlwaysDisabled)
{
    for (const int id : {ID_PREVIEW, ID_SOURCE}) {
        CmdUI ui(id);
        EXPECT_TRUE(doc->OnUpdateCommand(ui));
        EXPECT_FALSE(ui.enabled);
    }
}

} // namespace
