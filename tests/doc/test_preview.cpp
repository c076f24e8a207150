// The browser previews: where the text is written, what is started, and what is cleaned up.
#include "DocFixture.h"

#include "doc/Preview.h"
#include "res/CommandIds.h"

#include <QFileInfo>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class PreviewTest : public DocFixture {
protected:
    void SetUp() override
    {
        tmp = dir.File("tmp");
        runtime = dir.File("runtime");
        std::filesystem::create_directory(tmp);
        std::filesystem::create_directory(runtime);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        setenv("TMPDIR", tmp.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        doc->OnNewDocument();
        SetText("<p>page</p>");
    }
    void TearDown() override
    {
        RemovePreviewFolder();
        unsetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", oldRuntime);
    }

    std::string LastPreview() const { return session.PendingPreview(); }

    std::string tmp;
    std::string runtime;
    QByteArray oldRuntime;
};

// The folder of a file, and its permission bits when it is a folder of this user.
int PrivateMode(const std::string& file)
{
    struct stat info;
    const std::string folder = std::filesystem::path(file).parent_path();
    if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid())
        return -1;
    return info.st_mode & 07777;
}

TEST_F(PreviewTest, UntitledDocumentGoesThroughAPrivateFolderDeletedAtTheNextPreview)
{
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    const std::string file = LastPreview();
    EXPECT_EQ(std::filesystem::path(file).filename(), "~TagwrightPreview.HTML");
    EXPECT_EQ(file.rfind(runtime + "/", 0), 0u) << file;
    EXPECT_EQ(PrivateMode(file), 0700);
    EXPECT_EQ(ReadFile(file), "<p>page</p>");
    EXPECT_EQ(host.opened, QStringList{QString::fromStdString(file)});
    EXPECT_TRUE(doc->IsModified());

    // The next preview removes the file recorded last before it writes its own.
    const std::string older = dir.File("older.html");
    WriteFile(older, "x");
    session.SetPendingPreview(older);
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_FALSE(FileExists(older));
    EXPECT_EQ(LastPreview(), file);

    DeletePreviewFile(session);
    EXPECT_FALSE(FileExists(file));
    EXPECT_EQ(LastPreview(), "");
    RemovePreviewFolder();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(file).parent_path()));
}

TEST_F(PreviewTest, WithoutARuntimeFolderTheTemporaryFolderGetsAPrivateOneAndLinksAreNotFollowed)
{
    unsetenv("XDG_RUNTIME_DIR");
    // A link planted under the old, predictable name in the shared folder.
    const std::string victim = dir.File("victim.txt");
    WriteFile(victim, "victim");
    std::filesystem::create_symlink(victim, tmp + "/~TagwrightPreview.HTML");
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(ReadFile(victim), "victim");
    const std::string file = LastPreview();
    EXPECT_EQ(file.rfind(tmp + "/", 0), 0u) << file;
    EXPECT_EQ(PrivateMode(file), 0700);
    EXPECT_EQ(ReadFile(file), "<p>page</p>");

    // A folder that is no longer private is not used again.
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    std::filesystem::permissions(folder, std::filesystem::perms::all);
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_NE(LastPreview(), file);
    EXPECT_EQ(PrivateMode(LastPreview()), 0700);
    std::filesystem::remove_all(folder);
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

TEST_F(PreviewTest, UnchangedDocumentIsNotSavedAgainSoItsBackupStays)
{
    settings.Preferences().SetOn(Switch::CreateBackups, true);
    WriteFile(dir.File("site.html"), "<p>site</p>");
    WriteFile(dir.File("site.html.bak"), "<p>the version before</p>");
    ASSERT_TRUE(doc->OnOpenDocument(Path("site.html")));
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(ReadFile(dir.File("site.html.bak")), "<p>the version before</p>");
    EXPECT_EQ(host.opened, QStringList{Path("site.html")});
}

TEST_F(PreviewTest, FailedOrDeclinedSaveStopsThePreview)
{
    struct Case {
        const char* name;
        std::string path;
        std::string text;
    };
    const Case cases[] = {
        {"failed", dir.File("no/such/folder/site.html"), "<p>new</p>"},
        // The ellipsis has no code in CP866, and the question is answered No.
        {"declined", dir.File("dos.html"), "<p>wait\x85</p>"},
    };
    host.answerYes = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.opened.clear();
        doc->SetPathName(QString::fromStdString(c.path));
        doc->Buffer().SetCodePage(CodePage::Dos866);
        SetText(c.text);
        ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
        EXPECT_TRUE(host.opened.isEmpty());
        EXPECT_TRUE(doc->IsModified());
        EXPECT_FALSE(FileExists(c.path));
    }
}

TEST_F(PreviewTest, WithTheOptionOffThePreviewFileSitsBesideTheDocumentWithoutBackup)
{
    settings.Preferences().SetOn(Switch::SaveBeforePreview, false);
    settings.Preferences().SetOn(Switch::CreateBackups, true);
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

int Mode(const std::string& path)
{
    struct stat info;
    return lstat(path.c_str(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

TEST_F(PreviewTest, ThePreviewBesideTheDocumentIsTheUsersAloneAndANameTakenByAnotherIsLeftAlone)
{
    settings.Preferences().SetOn(Switch::SaveBeforePreview, false);
    // A shared folder, as the temporary folder is: anybody may create names in it.
    const std::string shared = dir.File("shared");
    ASSERT_EQ(mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
    doc->SetPathName(QString::fromStdString(shared + "/site.html"));
    const std::string beside = shared + "/~TagwrightPreview.HTML";

    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(LastPreview(), beside);
    EXPECT_EQ(ReadFile(beside), "<p>page</p>");
    EXPECT_EQ(Mode(beside), 0600);

    if (geteuid() != 0)
        GTEST_SKIP() << "a file of another user can only be planted as root";
    // Another user made the name first, for everybody to read and write.
    DeletePreviewFile(session);
    WriteFile(beside, "");
    ASSERT_EQ(chmod(beside.c_str(), 0666), 0);
    ASSERT_EQ(chown(beside.c_str(), 65534, 65534), 0);
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(ReadFile(beside), "");
    const std::string file = LastPreview();
    EXPECT_NE(file, beside);
    EXPECT_EQ(PrivateMode(file), 0700);
    EXPECT_EQ(ReadFile(file), "<p>page</p>");
    EXPECT_EQ(host.opened.back(), QString::fromStdString(file));
    EXPECT_TRUE(host.errors.isEmpty());
    EXPECT_TRUE(host.warnings.isEmpty());
}

TEST_F(PreviewTest, ConfiguredBrowserGetsThePreviewFile)
{
    settings.Preferences().SetBrowserPath(2, "/opt/browser two/run");
    ExternalPreview(*doc, PreviewTarget::Browser2);
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0], (QStringList{QStringLiteral("/opt/browser two/run"),
                                            QString::fromStdString(LastPreview())}));
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(PreviewTest, BrowserWithoutPathSaysSoAndStartsNothing)
{
    for (const auto& [target, number] :
         {std::pair{PreviewTarget::Browser1, 1}, {PreviewTarget::Browser2, 2}}) {
        host.warnings.clear();
        ExternalPreview(*doc, target);
        ASSERT_EQ(host.warnings.size(), 1);
        EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("browser %1").arg(number)));
        EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("Options")));
    }
    EXPECT_TRUE(host.started.empty());
    EXPECT_EQ(LastPreview(), "");
}

TEST_F(PreviewTest, ViewerThatCannotStartIsReportedAndItsFileRemoved)
{
    host.defaultProgramWorks = false;
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(host.errors, QStringList{QStringLiteral("Cannot open external preview program!")});
    ASSERT_EQ(host.opened.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(host.opened[0]));
    EXPECT_EQ(LastPreview(), "");

    // A titled text shown itself is never deleted.
    host.errors.clear();
    doc->SetPathName(Path("site.html"));
    ExternalPreview(*doc, PreviewTarget::DefaultBrowser);
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(FileExists(dir.File("site.html")));

    host.errors.clear();
    host.programsStart = false;
    settings.Preferences().SetOn(Switch::SaveBeforePreview, false);
    settings.Preferences().SetBrowserPath(1, "/no/such/browser");
    ExternalPreview(*doc, PreviewTarget::Browser1);
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("/no/such/browser")));
    EXPECT_FALSE(FileExists(dir.File("~TagwrightPreview.HTML")));
    EXPECT_EQ(LastPreview(), "");
}

TEST_F(PreviewTest, PreviewFileThatCannotBeWrittenIsReported)
{
    unsetenv("XDG_RUNTIME_DIR");
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
