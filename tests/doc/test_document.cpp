// Opening, saving and save as: source types, the remembered file format, names, the modified
// mark, and failures that must reach the user without losing a file.
#include "DocFixture.h"

#include "res/CommandIds.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"

#include <QDir>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace {

using DocumentTest = DocFixture;

TEST_F(DocumentTest, OpeningChoosesTheTypeByExtension)
{
    const std::pair<const char*, SourceType> cases[] = {
        {"INDEX.HTM", SourceType::Html},     {"style.css", SourceType::PlainText},
        {"page.asp", SourceType::PlainText}, {"main.c", SourceType::Cpp},
        {"notes", SourceType::PlainText},    {"run.sh", SourceType::Shell},
    };
    for (const auto& [name, type] : cases) {
        WriteFile(dir.File(name), "text\r\n");
        CTagwrightDoc opened(settings, session, host);
        ASSERT_TRUE(opened.OnOpenDocument(Path(name))) << name;
        EXPECT_EQ(opened.SourceType(), type) << name;
        EXPECT_EQ(opened.Title(), QString::fromLatin1(name));
    }
    EXPECT_TRUE(host.errors.isEmpty());
}

TEST_F(DocumentTest, MissingFileGivesAnEmptyHtmlDocumentThatSavesThere)
{
    const QString path = Path("new.cpp");
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_EQ(doc->SourceType(), SourceType::Html);
    EXPECT_EQ(doc->PathName(), path);
    EXPECT_EQ(doc->Title(), QStringLiteral("new.cpp"));
    EXPECT_EQ(doc->Buffer().LineCount(), 1);
    EXPECT_TRUE(host.errors.isEmpty());
    SetText("int x;");
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(ReadFile(dir.File("new.cpp")), "int x;");
}

TEST_F(DocumentTest, OpenTakesTheFilesOwnPageNeverTheDialogsAndRemembersWhatItOpened)
{
    // KOI8-R: 0xC1 is a small a, 0xE1 a capital A.
    const std::string koi = "\xC1\xE1 koi\n\xE1\n";
    WriteFile(dir.File("koi.txt"), koi);
    // The page last chosen in a dialog is not this file's.
    session.SetRememberedFormat({CodePage::Utf8, LineEnding::Dos});
    ASSERT_TRUE(doc->OnOpenDocument(Path("koi.txt")));
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(session.FormatToOpen(dir.File("koi.txt")).codePage, CodePage::Windows1251);

    ASSERT_TRUE(doc->ReopenInCodePage(CodePage::Koi8R));
    doc = std::make_unique<CTagwrightDoc>(settings, session, host);
    ASSERT_TRUE(doc->OnOpenDocument(Path("koi.txt")));
    EXPECT_EQ(doc->Buffer().Line(0), "\xE0\xC0 koi");
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Koi8R);
    EXPECT_NE(doc->Buffer().LineEnding(), LineEnding::Dos);
    SetText("\xE0\xC0 koi\r\xC0\r");
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(ReadFile(dir.File("koi.txt")), koi);
}

TEST_F(DocumentTest, SaveAsTakesTheDialogsFormatAndAutoBecomesDos)
{
    doc->OnNewDocument();
    doc->SetTitle(QStringLiteral("HTML1"));
    SetText("\xC0\r\xC1");
    host.dialog = [this](FileDialogRequest& r) {
        r.path = Path("out.htm");
        r.folder = QString::fromStdString(dir.Path());
        r.codePage = CodePage::Dos866;
        r.lineEnding = LineEnding::Auto;
    };
    ASSERT_TRUE(doc->DoSave({}, true));
    EXPECT_EQ(ReadFile(dir.File("out.htm")), "\x80\r\n\x81");
    EXPECT_EQ(doc->Buffer().LineEnding(), LineEnding::Dos);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Dos866);
    EXPECT_EQ(session.RememberedFormat(), (FileFormat{CodePage::Dos866, LineEnding::Dos}));
    EXPECT_EQ(doc->PathName(), Path("out.htm"));
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("out.htm"));
    EXPECT_EQ(session.LastSaveFolder(), dir.Path());
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].fileName, QStringLiteral("HTML1.html"));
    EXPECT_EQ(host.saveRequests[0].lineEnding, LineEnding::Dos);
}

TEST_F(DocumentTest, ProposedSaveNames)
{
    doc->OnNewDocument();
    const std::pair<const char*, const char*> titles[] = {
        {"HTML1", "HTML1.html"}, {"my page", "my.html"}, {"a#b", "a.html"},
        {"x%y;z", "x.html"},     {"p/q", "p.html"},      {"back\\slash", "back.html"},
    };
    for (const auto& [title, proposed] : titles) {
        doc->SetTitle(QString::fromLatin1(title));
        EXPECT_EQ(doc->ProposedSaveName(true), QString::fromLatin1(proposed)) << title;
    }
    doc->SetPathName(Path("kept.txt"));
    EXPECT_EQ(doc->ProposedSaveName(true), Path("kept.txt"));
}

TEST_F(DocumentTest, SaveDialogStartsInTheLastSaveFolderOnlyForANameWithoutFolder)
{
    session.SetLastSaveFolder("/some/folder");
    doc->OnNewDocument();
    doc->SetTitle(QStringLiteral("HTML2"));
    doc->DoSave({}, true); // cancelled
    doc->SetPathName(Path("a.html"));
    doc->DoSave({}, true);
    settings.Preferences().SetOn(Switch::RememberLastDirectory, false);
    doc->SetPathName(QString());
    doc->DoSave({}, true);
    ASSERT_EQ(host.saveRequests.size(), 3u);
    EXPECT_EQ(host.saveRequests[0].initialFolder, QStringLiteral("/some/folder"));
    EXPECT_TRUE(host.saveRequests[1].initialFolder.isEmpty());
    EXPECT_TRUE(host.saveRequests[2].initialFolder.isEmpty());
}

TEST_F(DocumentTest, TitleCarriesTheMarkWhileTheTextDiffersFromTheSavedState)
{
    WriteFile(dir.File("t.html"), "abc");
    ASSERT_TRUE(doc->OnOpenDocument(Path("t.html")));
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("t.html"));
    SetText("changed");
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("t.html *"));
    EXPECT_EQ(doc->Title(), QStringLiteral("t.html"));
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("t.html"));
    SetText("again");
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("t.html *"));
    TextPoint cursor;
    doc->Buffer().Undo(cursor);
    EXPECT_EQ(doc->DisplayTitle(), QStringLiteral("t.html"));
}

TEST_F(DocumentTest, AskingToSaveBeforeClosing)
{
    doc->OnNewDocument();
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(host.questions.isEmpty());
    doc->SetPathName(Path("ask.html"));
    SetText("x");
    host.saveChangesAnswer = Answer::Cancel;
    EXPECT_FALSE(doc->SaveModified());
    host.saveChangesAnswer = Answer::No;
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(FileExists(dir.File("ask.html")));
    host.saveChangesAnswer = Answer::Yes;
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_EQ(ReadFile(dir.File("ask.html")), "x");
}

TEST_F(DocumentTest, SourceTypeCommandsSetAndCheckTheType)
{
    doc->OnNewDocument();
    EXPECT_TRUE(doc->OnCommand(ID_SOURCE_TYPE_FIRST + Number(SourceType::Perl)));
    EXPECT_EQ(doc->SourceType(), SourceType::Perl);
    for (int type = 0; type < kSourceTypeCount; ++type) {
        CmdUI ui(ID_SOURCE_TYPE_FIRST + type);
        ASSERT_TRUE(doc->OnUpdateCommand(ui));
        EXPECT_TRUE(ui.enabled);
        EXPECT_EQ(ui.checked, type == Number(SourceType::Perl)) << type;
    }
}

// Failures that must be reported and must not cost a file.

TEST_F(DocumentTest, OpenFailureNamesTheFileAndTheReason)
{
    std::filesystem::create_directory(dir.File("folder.html"));
    EXPECT_FALSE(doc->OnOpenDocument(Path("folder.html")));
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(Path("folder.html")));
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("Is a directory")));
}

// A file-size limit makes the write fail even for root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old;
    sighandler_t m_oldHandler;
};

TEST_F(DocumentTest, FailedSaveAsKeepsTheFileItWasToReplace)
{
    WriteFile(dir.File("precious.html"), "the user's file");
    doc->OnNewDocument();
    SetText(std::string(256 * 1024, 'n'));
    host.dialog = [this](FileDialogRequest& r) {
        r.path = Path("precious.html");
        r.codePage = CodePage::Koi8R;
        r.lineEnding = LineEnding::Unix;
    };
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(doc->DoSave({}, true));
    }
    EXPECT_EQ(ReadFile(dir.File("precious.html")), "the user's file");
    ASSERT_EQ(host.errors.size(), 1);
    EXPECT_TRUE(host.errors[0].contains(Path("precious.html")));
    EXPECT_TRUE(host.errors[0].contains(QStringLiteral("File too large")));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->PathName().isEmpty());
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
}

TEST_F(DocumentTest, LossyOpenWarnsAndSavingAsksFirst)
{
    // CP866 pseudo-graphics have no Windows-1251 counterpart.
    const std::string dos = "\x80\xB0\xB1 box\r\n";
    WriteFile(dir.File("box.txt"), dos);
    ASSERT_TRUE(doc->OnOpenDocument(Path("box.txt"), CodePage::Dos866, LineEnding::Auto));
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("2 byte(s)")));
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("DOS (OEM,CP866)")));

    host.answerYes = false;
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_EQ(ReadFile(dir.File("box.txt")), dos);
    EXPECT_TRUE(host.errors.isEmpty());
    host.answerYes = true;
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_NE(ReadFile(dir.File("box.txt")), dos);
    EXPECT_EQ(host.questions.size(), 2);
    EXPECT_TRUE(doc->DoFileSave()); // the changed bytes are on disk now: no question
    EXPECT_EQ(host.questions.size(), 2);
}

TEST_F(DocumentTest, CharactersTheTargetPageCannotHoldNeedConfirmation)
{
    // The ellipsis has no CP866 code; of "5€ № «ёлка»" KOI8-R lacks all four marks, which its
    // table would write as box-drawing characters that only this editor reads back.
    const struct {
        const char* text;
        CodePage page;
        const char* question;
        const char* written;
    } cases[] = {
        {"wait\x85", CodePage::Dos866,
         "1 character(s) of the text have no place in the code page \"DOS (OEM,CP866)\"", "wait:"},
        {"5\x88 \xB9 \xAB\xB8\xEB\xEA\xE0\xBB", CodePage::Koi8R,
         "4 character(s) of the text have no place in the code page \"KOI8-R (Unix)\"",
         "5\x88 \xB9 \xAB\xA3\xCC\xCB\xC1\xBB"},
    };
    for (const auto& c : cases) {
        host.questions.clear();
        doc->OnNewDocument();
        doc->SetPathName(Path("page.html"));
        SetText(c.text);
        host.answerYes = false;
        host.dialog = [&](FileDialogRequest& r) {
            r.path = Path("saved.txt");
            r.codePage = c.page;
            r.lineEnding = LineEnding::Dos;
        };
        EXPECT_FALSE(doc->DoSave({}, true));
        EXPECT_FALSE(FileExists(dir.File("saved.txt")));
        EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
        ASSERT_EQ(host.questions.size(), 1);
        EXPECT_TRUE(host.questions[0].contains(QString::fromUtf8(c.question)))
            << host.questions[0].toStdString();
        // The question names the file being written, not the one the text came from.
        EXPECT_TRUE(host.questions[0].startsWith(Path("saved.txt")))
            << host.questions[0].toStdString();
        host.answerYes = true;
        EXPECT_TRUE(doc->DoSave({}, true));
        EXPECT_EQ(ReadFile(dir.File("saved.txt")), c.written);
        std::remove(dir.File("saved.txt").c_str());
    }
}

// A file nobody may write is saved only through the save dialog, which asks before it
// replaces a file, also when root, whom the system lets write it, saves it.
TEST_F(DocumentTest, SavingAFileNobodyMayWriteAsksFirst)
{
    const std::string file = dir.File("locked.html");
    WriteFile(file, "old");
    ASSERT_EQ(chmod(file.c_str(), 0444), 0);
    ASSERT_TRUE(doc->OnOpenDocument(Path("locked.html")));
    SetText("new");
    EXPECT_FALSE(doc->DoFileSave()); // the dialog is cancelled
    ASSERT_EQ(host.saveRequests.size(), 1u);
    EXPECT_EQ(host.saveRequests[0].fileName, Path("locked.html"));
    EXPECT_EQ(ReadFile(file), "old");
}

// A save killed while it wrote over the file left the copy of the old text beside it: opening
// the file says so, and the user restores the old text, keeps the copy for later or deletes it.
// Nothing happens to the copy without the user's word.
TEST_F(DocumentTest, OpeningOffersTheOldTextAnInterruptedSaveLeft)
{
    enum { kRestore, kKeep, kDelete };
    const struct {
        int choice;
        const char* text; // what the file and the document hold after opening
        bool copyStays;
    } cases[] = {
        {kRestore, "old text", false},
        {-1, "new text and old", true}, // Escape: the default keeps everything
        {kKeep, "new text and old", true},
        {kDelete, "new text and old", false},
    };
    const std::string file = dir.File("torn.html");
    const std::string copy = file + ".old-a1B2c3";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.choice);
        WriteFile(file, "new text and old");
        WriteFile(copy, "old text");
        host.questions.clear();
        host.choice = c.choice;
        CTagwrightDoc opened(settings, session, host);
        ASSERT_TRUE(opened.OnOpenDocument(Path("torn.html")));
        ASSERT_EQ(host.questions.size(), 1);
        EXPECT_TRUE(host.questions[0].contains(QString::fromStdString(copy)))
            << host.questions[0].toStdString();
        EXPECT_EQ(ReadFile(file), c.text);
        EXPECT_EQ(opened.Buffer().Line(0), c.text);
        EXPECT_EQ(FileExists(copy), c.copyStays);
        EXPECT_TRUE(host.errors.isEmpty());
        std::filesystem::remove(copy);
    }
    // Without a copy, nothing is asked.
    host.questions.clear();
    CTagwrightDoc plain(settings, session, host);
    ASSERT_TRUE(plain.OnOpenDocument(Path("torn.html")));
    EXPECT_TRUE(host.questions.isEmpty());
}

} // namespace
