// Files changed by other programs: the document notices, asks before saving over them, and
// reloads as one step that Undo takes back.
#include "DocFixture.h"
#include "doc/DocView.h"
#include "text/CodePages.h"
#include "text/TextTypes.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// A view that keeps a caret line and a first line.
class PlaceView : public CKDocView {
public:
    PlaceView(CTagwrightDoc& doc, int caret, int top) : caretLine(caret), topLine(top), m_doc(doc)
    {
    }
    QWidget* Widget() override { return nullptr; }
    CTagwrightDoc& Document() override { return m_doc; }
    void OnSourceTypeChanged() override {}
    ViewStatus Status() override { return {}; }
    int CaretLine() const override { return caretLine; }
    void SetCaretLine(int line) override { caretLine = line; }
    int FirstVisibleLine() const override { return topLine; }
    void ShowFromLine(int line) override { topLine = line; }
    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(CmdUI&) override { return false; }

    int caretLine;
    int topLine;

private:
    CTagwrightDoc& m_doc;
};

class DiskChangeTest : public DocFixture {
protected:
    void Open(const std::string& bytes, CodePage page = CodePage::Windows1251)
    {
        WriteFile(file, bytes);
        ASSERT_TRUE(doc->OnOpenDocument(Path("b.txt"), page, LineEnding::Auto));
    }
    void Type(const std::string& text, int line = 0)
    {
        int endLine, endChar;
        doc->Buffer().InsertText(nullptr, line, 0, text, endLine, endChar, 0);
    }
    std::string Text() const
    {
        std::string text;
        const CKTextBuffer& b = doc->Buffer();
        b.CopyText(0, 0, b.LineCount() - 1, b.LineLength(b.LineCount() - 1), text);
        return text;
    }

    const std::string file = dir.File("b.txt");
};

enum { kOverwrite, kShowDifferences, kCancel };

TEST_F(DiskChangeTest, SaveOverAChangedFileAsksAndWritesNothingBeforeTheAnswer)
{
    Open("one\r\ntwo\r\n");
    Type("X");
    WriteFile(file, "one\r\ntwo\r\nEXTERNAL CHANGE\r\n");

    // Escape, or Cancel, leaves the other program's text in place.
    EXPECT_FALSE(doc->DoFileSave());
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_EQ(host.questions[0], Path("b.txt")
                                     + " was changed by another program since you opened it. "
                                       "Overwrite it with your text?");
    EXPECT_EQ(ReadFile(file), "one\r\ntwo\r\nEXTERNAL CHANGE\r\n");
    EXPECT_TRUE(doc->IsModified());

    // Show Differences shows the file against the text and asks again; Overwrite then writes.
    host.questions.clear();
    host.choices = {kShowDifferences, kOverwrite};
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(host.questions.size(), 2);
    ASSERT_EQ(host.shownTexts.size(), 1);
    EXPECT_TRUE(host.shownTexts[0].contains("\n-EXTERNAL CHANGE"))
        << host.shownTexts[0].toStdString();
    EXPECT_TRUE(host.shownTexts[0].contains("\n+Xone")) << host.shownTexts[0].toStdString();
    EXPECT_EQ(ReadFile(file), "Xone\r\ntwo\r\n");
    EXPECT_FALSE(doc->IsModified());

    // Our own save is no change: the next save asks nothing.
    Type("Y");
    host.questions.clear();
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_TRUE(host.questions.isEmpty());
}

void SetTime(const std::string& path, time_t seconds)
{
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(DiskChangeTest, TheBarFollowsTheFileAndKeepMyTextTakesItsStateAsKnown)
{
    Open("one\r\n");
    int told = 0;
    QObject::connect(doc.get(), &CTagwrightDoc::diskChangeChanged, [&] { ++told; });

    SetTime(file, 1'600'000'000); // touched only
    doc->CheckDiskFile();
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);

    WriteFile(file, "one\r\ntwo\r\n");
    doc->CheckDiskFile();
    doc->CheckDiskFile(); // a second look at the same change tells nothing new
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::Changed);
    EXPECT_EQ(told, 1);

    Type("mine ");
    doc->KeepMyText();
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);
    doc->CheckDiskFile();
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);
    EXPECT_TRUE(doc->DoFileSave()); // the kept state is known: no question
    EXPECT_TRUE(host.questions.isEmpty());
    EXPECT_EQ(ReadFile(file), "mine one\r\n");

    ASSERT_EQ(std::remove(file.c_str()), 0);
    doc->CheckDiskFile();
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::Gone);
    // Save writes it again, without a question: there is nothing to lose.
    Type("again ");
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_TRUE(host.questions.isEmpty());
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);
    EXPECT_EQ(ReadFile(file), "again mine one\r\n");
}

TEST_F(DiskChangeTest, ReloadIsOneUndoStepKeepingPlacesBookmarksAndFormat)
{
    // LF line ends in KOI8-R: both stay. "\xF0\xD2\xC9" is "При" in KOI8-R.
    Open("a\nb\nc\nd\ne\n", CodePage::Koi8R);
    CKTextBuffer& buffer = doc->Buffer();
    ASSERT_EQ(buffer.LineEnding(), LineEnding::Macintosh);
    buffer.ChangeLineFlag(0, LINEFLAG_MARK, true, false);
    buffer.ChangeLineFlag(2, LINEFLAG_MARK, true, false); // its line goes
    buffer.ChangeLineFlag(4, LINEFLAG_MARK, true, false); // its line moves down
    PlaceView view(*doc, 4, 3);
    doc->AddView(&view);
    Type("mine ", 2);
    const std::string mine = Text();

    WriteFile(file, "a\nb\n\xF0\xD2\xC9\nNEW2\nd\ne\n");
    doc->CheckDiskFile();
    ASSERT_EQ(doc->DiskChangeShown(), DiskChange::Changed);
    ASSERT_TRUE(doc->ReloadFromDisk());
    EXPECT_EQ(Text(), "a\r\nb\r\n\xCF\xF0\xE8\r\nNEW2\r\nd\r\ne\r\n");
    EXPECT_EQ(buffer.CodePage(), CodePage::Koi8R);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Macintosh);
    EXPECT_EQ(view.caretLine, 4);
    EXPECT_EQ(view.topLine, 3);
    EXPECT_EQ(buffer.FindLineWithFlag(LINEFLAG_MARK), 0);
    EXPECT_EQ(buffer.NextBookmarkLine(0), 5);
    EXPECT_EQ(buffer.NextBookmarkLine(5), 0); // no other: the line of the second one went
    std::string undo;
    buffer.UndoDescription(undo);
    EXPECT_EQ(undo, "Reload");
    // Saving the reloaded text asks nothing: it is the file's.
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_TRUE(host.questions.isEmpty());

    TextPoint at;
    ASSERT_TRUE(buffer.Undo(at));
    EXPECT_EQ(Text(), mine);
    EXPECT_TRUE(doc->IsModified());
    doc->RemoveView(&view);
}

TEST_F(DiskChangeTest, ReloadWithoutAskingOnlyForTextsWithoutUnsavedChanges)
{
    settings.Preferences().SetOn(Switch::ReloadChangedFiles, true);
    Open("one\r\n");
    WriteFile(file, "two\r\n");
    doc->CheckDiskFile();
    EXPECT_EQ(Text(), "two\r\n");
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::None);

    Type("mine ");
    WriteFile(file, "three\r\n");
    doc->CheckDiskFile();
    EXPECT_EQ(Text(), "mine two\r\n");
    EXPECT_EQ(doc->DiskChangeShown(), DiskChange::Changed);
}

} // namespace
