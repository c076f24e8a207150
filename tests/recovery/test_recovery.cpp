// The recovery manager on a document with a fake clock, restoring a copy, and the start-up
// dialog's choices.
#include "doc/DocFixture.h"
#include "recovery/RecoveryDialog.h"
#include "recovery/RecoveryManager.h"
#include "support/LinesSource.h"
#include "text/CodePages.h"

#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class RecoveryManagerTest : public DocFixture {
protected:
    RecoveryManagerTest()
    {
        int error = 0;
        EXPECT_TRUE(manager.Start(error));
        doc->OnNewDocument();
        manager.Track(*doc);
    }
    void Type(const std::string& text)
    {
        CKTextBuffer& buffer = doc->Buffer();
        const int last = buffer.LineCount() - 1;
        int line, ch;
        buffer.OpenUndoGroup();
        buffer.InsertText(nullptr, last, buffer.LineLength(last), text, line, ch, 0);
        buffer.CloseUndoGroup(nullptr);
    }
    // Lets time pass on the fake clock and runs what came due, waiting for its writes.
    void Pass(int64_t ms)
    {
        now += ms;
        manager.RunDueSteps();
        manager.WaitForWrites();
    }
    std::string CopyText() { return ReadRecoveryFile(manager.FileOf(*doc)).text; }
    bool CopyExists() { return FileExists(manager.FileOf(*doc)); }

    int64_t now = 0;
    CKRecoveryManager manager{dir.File("state/recovery"), [this] { return now; }};
};

TEST_F(RecoveryManagerTest, ACopyFollowsTheTypingAndGoesWhenUndoneOrSaved)
{
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Koi8R, LineEnding::Unix));
    Type("hello");
    Pass(1999);
    EXPECT_FALSE(CopyExists());
    Pass(1);
    ASSERT_TRUE(CopyExists());
    const RecoveryReadResult copy = ReadRecoveryFile(manager.FileOf(*doc));
    EXPECT_EQ(copy.info.path, dir.File("page.html"));
    EXPECT_EQ(copy.info.codePage, CodePage::Koi8R);
    EXPECT_EQ(copy.info.lineEnding, doc->Buffer().LineEnding());
    EXPECT_EQ(copy.text, doc->Buffer().Line(0));

    // Undone back to the saved state: the copy goes.
    TextPoint caret;
    ASSERT_TRUE(doc->Buffer().Undo(caret));
    EXPECT_FALSE(doc->IsModified());
    Pass(0);
    EXPECT_FALSE(CopyExists());

    // Redone, written, then saved: it goes again.
    ASSERT_TRUE(doc->Buffer().Redo(caret));
    Pass(2000);
    EXPECT_TRUE(CopyExists());
    Type("\r\nmore");
    Pass(2000);
    EXPECT_EQ(CopyText(), "hello\r\nmore");
    ASSERT_TRUE(doc->DoFileSave());
    Pass(0);
    EXPECT_FALSE(CopyExists());
}

TEST_F(RecoveryManagerTest, AnExitRequestWritesAtOnceAndTheCopyOutlivesTheDocument)
{
    Type("unsaved");
    manager.WriteAllNow();
    ASSERT_TRUE(CopyExists());
    EXPECT_EQ(CopyText(), "unsaved");
    const std::string file = manager.FileOf(*doc);
    doc.reset();
    manager.Finish();
    EXPECT_TRUE(FileExists(file));
}

TEST_F(RecoveryManagerTest, AChoiceNotToSaveRemovesTheCopyAndACleanEndTheFolder)
{
    Type("thrown away");
    Pass(2000);
    ASSERT_TRUE(CopyExists());
    const std::string folder = manager.Folder()->Path();
    manager.DiscardedByUser(*doc);
    EXPECT_FALSE(CopyExists());
    Pass(30000);
    EXPECT_FALSE(CopyExists());
    // Still open after all (a logout that was cancelled) and typed into: kept again.
    Type(" and more");
    Pass(2000);
    EXPECT_TRUE(CopyExists());
    manager.DiscardedByUser(*doc);
    manager.Finish();
    EXPECT_FALSE(FileExists(folder));
}

TEST_F(RecoveryManagerTest, TypingWhileAWriteRunsReachesTheNextCopy)
{
    Type("first");
    now += 2000;
    manager.RunDueSteps(); // the write starts in the background
    Type(" second");
    manager.WaitForWrites();
    Pass(2000);
    EXPECT_EQ(CopyText(), "first second");
    EXPECT_FALSE(doc->Buffer().HasPinnedSnapshot());
}

// A restored copy that cannot move into this run's folder stays until the document's own copy
// is written, and then goes, so that no later start offers it again.
TEST_F(RecoveryManagerTest, ACopyThatCouldNotMoveGoesOnceTheDocumentHasItsOwn)
{
    const std::string former = dir.File("former.twr");
    WriteFile(former, "the copy a former run left");
    // A folder stands where the document's copy goes: neither the move nor a write succeeds.
    const std::string own = manager.FileOf(*doc);
    ASSERT_EQ(mkdir(own.c_str(), 0700), 0);
    RecoveryReadResult copy;
    copy.status = RecoveryReadStatus::Ok;
    copy.info.title = "Untitled1";
    copy.info.codePage = CodePage::Windows1251;
    copy.text = "restored";
    RestoreRecoveredText(*doc, copy);
    EXPECT_FALSE(manager.Adopt(*doc, former));
    Pass(2000);
    EXPECT_TRUE(FileExists(former));

    ASSERT_EQ(rmdir(own.c_str()), 0);
    Pass(2000);
    EXPECT_EQ(CopyText(), "restored");
    EXPECT_FALSE(FileExists(former));
}

// A text read with losses asks before it is saved; restored after a crash, it still does.
TEST_F(RecoveryManagerTest, ARestoredTextAsksBeforeSavingWhatItsFileLostAsTheOriginalWould)
{
    // Box drawing in CP866: Windows-1251 has no such characters.
    const std::string box = "\xc9\xcd\xcd\xbb";
    WriteFile(dir.File("box.html"), box);
    ASSERT_TRUE(doc->OnOpenDocument(Path("box.html"), CodePage::Dos866, LineEnding::Auto));
    ASSERT_EQ(doc->LossyBytesRead(), 4);
    Type("typed");
    Pass(2000);
    const RecoveryReadResult copy = ReadRecoveryFile(manager.FileOf(*doc));
    ASSERT_TRUE(copy.Ok());
    EXPECT_EQ(copy.info.lossyBytes, 4);

    CTagwrightDoc restored(settings, session, host);
    RestoreRecoveredText(restored, copy);
    host.answerYes = false;
    host.questions.clear();
    EXPECT_FALSE(restored.DoFileSave());
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_TRUE(host.questions[0].contains(QStringLiteral("4 byte(s)")))
        << host.questions[0].toStdString();
    EXPECT_EQ(ReadFile(dir.File("box.html")), box);
}

TEST_F(RecoveryManagerTest, ACopyKeepsTheBytesOfAFileNameThatIsNotUtf8)
{
    const std::string file = dir.File("caf\xe9.html");
    WriteFile(file, "old");
    ASSERT_TRUE(doc->OnOpenNativeDocument(file, CodePage::Windows1251, LineEnding::Auto));
    Type(" typed");
    Pass(2000);
    const RecoveryReadResult copy = ReadRecoveryFile(manager.FileOf(*doc));
    ASSERT_TRUE(copy.Ok());
    EXPECT_EQ(copy.info.path, file);
    EXPECT_EQ(DiskStateOf(copy.info), RecoveryCandidate::Disk::Unchanged);

    CTagwrightDoc restored(settings, session, host);
    RestoreRecoveredText(restored, copy);
    ASSERT_TRUE(restored.DoFileSave());
    EXPECT_EQ(ReadFile(file), "old typed");
}

TEST_F(DocFixture, ARestoredTextIsModifiedInItsPageAndTheFileIsUntouchedUntilSaved)
{
    WriteFile(dir.File("koi.html"), "old");
    RecoveryReadResult copy;
    copy.status = RecoveryReadStatus::Ok;
    copy.info.path = dir.File("koi.html");
    FileIdentity based;
    ASSERT_TRUE(ReadIdentity(copy.info.path, based));
    RecordDiskState(copy.info, based);
    copy.info.codePage = CodePage::Koi8R;
    copy.info.lineEnding = LineEnding::Macintosh;
    copy.info.sourceType = SourceType::Batch;
    copy.text = "\xcf\xf0\xe8\xe2\xe5\xf2\r\nline"; // "Привет" in Windows-1251
    RestoreRecoveredText(*doc, copy);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->PathName(), Path("koi.html"));
    EXPECT_EQ(doc->SourceType(), SourceType::Batch);
    EXPECT_EQ(ReadFile(dir.File("koi.html")), "old");
    // No undo leads back to a state that matches the file.
    int line, ch;
    doc->Buffer().InsertText(nullptr, 0, 0, "x", line, ch, 0);
    TextPoint caret;
    doc->Buffer().Undo(caret);
    EXPECT_TRUE(doc->IsModified());

    ASSERT_TRUE(doc->DoFileSave());
    // KOI8-R bytes, with the LF line ending (mode 2).
    EXPECT_EQ(ReadFile(dir.File("koi.html")), "\xf0\xd2\xc9\xd7\xc5\xd4\nline");
}

// The "File on disk" column follows the rule of the open documents; copies of earlier versions,
// which know only time and size, keep the rule they were written for.
TEST(RecoveryDiskState, CopiesAreComparedWithTheirFileByTheDocumentsRule)
{
    struct Case {
        const char* name;
        bool recordIdentity;
        void (*act)(const std::string& path);
        RecoveryCandidate::Disk expected;
    };
    const auto touch = [](const std::string& p) {
        const timespec times[2] = {{1'600'000'000, 0}, {1'600'000'000, 0}};
        utimensat(AT_FDCWD, p.c_str(), times, 0);
    };
    const Case cases[] = {
        {"untouched", true, [](const std::string&) {}, RecoveryCandidate::Disk::Unchanged},
        {"touched only", true, touch, RecoveryCandidate::Disk::Unchanged},
        {"same size, other bytes", true, [](const std::string& p) { WriteFile(p, "ONE\r\n"); },
         RecoveryCandidate::Disk::Changed},
        {"deleted", true, [](const std::string& p) { std::remove(p.c_str()); },
         RecoveryCandidate::Disk::Missing},
        {"earlier version, untouched", false, [](const std::string&) {},
         RecoveryCandidate::Disk::Unchanged},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.File("page.html");
        WriteFile(path, "one\r\n");
        RecoveryInfo info;
        info.path = path;
        FileIdentity state;
        ASSERT_TRUE(ReadIdentity(path, state));
        RecordDiskState(info, state);
        info.diskIdentity = c.recordIdentity;
        if (!c.recordIdentity) // the time as earlier versions recorded it, in milliseconds
            info.diskTime = state.mtimeNs / 1'000'000 * 1'000'000;
        c.act(path);
        EXPECT_EQ(DiskStateOf(info), c.expected) << c.name;
    }
}

class RecoveryDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        int error = 0;
        auto folder = CreateRecoveryFolder(root, error);
        ASSERT_TRUE(folder);
        WriteFile(dir.File("page.html"), "one\r\ntwo\r\n");
        RecoveryInfo info;
        info.path = dir.File("page.html");
        info.lineEnding = LineEnding::Auto;
        info.writeTime = 1'800'000'000;
        const std::vector<std::string> lines = {"one", "TWO", ""};
        const LinesSource source(lines);
        ASSERT_TRUE(WriteRecoveryFile(folder->FileFor(1), info, source, error));
        info.path.clear();
        info.title = "Untitled2";
        ASSERT_TRUE(WriteRecoveryFile(folder->FileFor(2), info, source, error));
        WriteFile(folder->FileFor(3), "damaged");
        files = {folder->FileFor(1), folder->FileFor(2), folder->FileFor(3)};
        folder.reset(); // the run ends without cleaning up
        leftovers = ClaimLeftoverFolders(root);
        ASSERT_EQ(leftovers.size(), 1u);
    }

    CKRecoveryDialog::Actions Actions()
    {
        CKRecoveryDialog::Actions actions;
        actions.restore = [this](const RecoveryCandidate& c) {
            restored.push_back(c.file);
            return true;
        };
        actions.showDifferences = [this](const RecoveryCandidate& c) { shown.push_back(c.file); };
        actions.confirm = [this](const QString& text) {
            asked << text;
            return discardAnswer;
        };
        return actions;
    }

    TempDir dir;
    std::string root = dir.File("recovery");
    std::vector<std::unique_ptr<RecoveryFolder>> leftovers;
    std::vector<std::string> files, restored, shown;
    QStringList asked;
    bool discardAnswer = true;
};

TEST_F(RecoveryDialogTest, ListsEveryCopyAndDeletesOnlyWhatIsDiscarded)
{
    CKRecoveryDialog dialog(ReadRecoveryCandidates(leftovers), Actions());
    ASSERT_EQ(dialog.List()->topLevelItemCount(), 3);
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(0), "page.html");
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(2), "Changed since"); // no time was recorded
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(0), "Untitled2");
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(2), "Never saved");
    EXPECT_EQ(dialog.List()->topLevelItem(2)->text(2), "Damaged");
    EXPECT_EQ(dialog.List()->topLevelItem(0)->text(3), QString::fromStdString(dir.Path()));
    EXPECT_EQ(dialog.List()->topLevelItem(1)->text(3), QString()); // never saved: no folder

    // A damaged copy can only be discarded.
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(2));
    EXPECT_FALSE(dialog.RestoreButton()->isEnabled());
    EXPECT_FALSE(dialog.DifferencesButton()->isEnabled());
    EXPECT_TRUE(dialog.DiscardButton()->isEnabled());

    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
    dialog.DifferencesButton()->click();
    EXPECT_EQ(shown, std::vector<std::string>{files[0]});
    dialog.RestoreButton()->click();
    EXPECT_EQ(restored, std::vector<std::string>{files[0]});
    dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
    // Discarding asks first; No keeps the copy.
    discardAnswer = false;
    dialog.DiscardButton()->click();
    EXPECT_EQ(
        asked,
        QStringList{
            "Discard the unsaved changes of Untitled2?\n\nThey cannot be restored afterwards."});
    EXPECT_TRUE(FileExists(files[1]));
    discardAnswer = true;
    dialog.DiscardButton()->click();
    EXPECT_FALSE(FileExists(files[1]));
    // Closing leaves the rest, and the folder with them.
    dialog.reject();
    EXPECT_EQ(dialog.Remaining().size(), 1u);
    EXPECT_TRUE(FileExists(files[0])); // the restore action moves it, not the dialog
    EXPECT_TRUE(FileExists(files[2]));
    EXPECT_FALSE(leftovers[0]->RemoveIfEmpty());
}

TEST_F(RecoveryDialogTest, TheDifferencesCompareTheFileOnDiskWithTheCopy)
{
    const std::vector<RecoveryCandidate> candidates = ReadRecoveryCandidates(leftovers);
    EXPECT_EQ(RecoveryDifferences(candidates[0]),
              QString::fromStdString("--- " + dir.File("page.html") + "\n+++ "
                                     + dir.File("page.html")
                                     + " (recovered)\n@@ -1,3 +1,3 @@\n one\n-two\n+TWO\n \n"));
}

} // namespace
