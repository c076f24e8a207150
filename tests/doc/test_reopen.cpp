// UTF-8 documents: opening in the remembered page, the reopen hint's state, reading a file
// again in another code page in place, and saving in the page the document now has.
#include "DocFixture.h"
#include "doc/DocView.h"
#include "res/CommandIds.h"
#include "text/CodePages.h"

#include <QWidget>

namespace {

// A view that only keeps a caret line.
class CaretView : public CKDocView {
public:
    explicit CaretView(CTagwrightDoc& doc, int line) : caretLine(line), m_doc(doc) {}
    QWidget* Widget() override { return nullptr; }
    CTagwrightDoc& Document() override { return m_doc; }
    void OnSourceTypeChanged() override {}
    ViewStatus Status() override { return {}; }
    int CaretLine() const override { return caretLine; }
    void SetCaretLine(int line) override { caretLine = line; }
    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(CmdUI&) override { return false; }

    int caretLine;

private:
    CTagwrightDoc& m_doc;
};

class ReopenTest : public DocFixture {};

constexpr int kReopenAsUtf8 = ID_FILE_REOPEN_FIRST + static_cast<int>(CodePage::Utf8);

// "Привет" and "мир" in UTF-8 and in Windows-1251.
const std::string kUtf8 = "Привет\r\nмир\r\n";
const std::string kPrivet1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";

TEST_F(ReopenTest, Utf8PageOpenedAsWindowsGetsTheHintAndReopensInPlace)
{
    WriteFile(dir.File("page.html"), kUtf8);
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Windows1251, LineEnding::Auto));
    EXPECT_EQ(doc->EncodingHint(), CodePage::Utf8);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251); // nothing converted behind the back
    CaretView view(*doc, 1);
    doc->AddView(&view);

    CmdUI check(kReopenAsUtf8);
    ASSERT_TRUE(doc->OnUpdateCommand(check));
    EXPECT_TRUE(check.enabled);
    EXPECT_FALSE(check.checked);
    ASSERT_TRUE(doc->OnCommand(kReopenAsUtf8));
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Utf8);
    EXPECT_EQ(doc->Buffer().Line(0), kPrivet1251);
    EXPECT_EQ(doc->EncodingHint(), std::nullopt);
    EXPECT_EQ(view.caretLine, 1);
    EXPECT_TRUE(host.questions.isEmpty()); // nothing unsaved, nothing to ask
    EXPECT_TRUE(host.warnings.isEmpty());
    ASSERT_TRUE(doc->OnUpdateCommand(check));
    EXPECT_TRUE(check.checked);

    // Save writes in the document's page now: UTF-8, without a byte order mark.
    SetText(kPrivet1251 + "!\r\xEC\xE8\xF0\r");
    ASSERT_TRUE(doc->DoFileSave());
    EXPECT_EQ(ReadFile(dir.File("page.html")), "Привет!\r\nмир\r\n");
    doc->RemoveView(&view);
}

TEST_F(ReopenTest, UnsavedChangesAreOnlyDroppedWhenTheUserAgrees)
{
    WriteFile(dir.File("page.html"), kUtf8);
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Windows1251, LineEnding::Auto));
    SetText("changed");
    host.answerYes = false;
    EXPECT_FALSE(doc->ReopenInCodePage(CodePage::Utf8));
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_EQ(doc->Buffer().Line(0), "changed");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);

    host.answerYes = true;
    EXPECT_TRUE(doc->ReopenInCodePage(CodePage::Utf8));
    EXPECT_EQ(doc->Buffer().Line(0), kPrivet1251);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ReopenTest, CaretLinesStayWhereTheTextStillHasThemAndAFailedReadKeepsTheText)
{
    WriteFile(dir.File("page.html"), "a\nb\nc\nd");
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Windows1251, LineEnding::Auto));
    CaretView near(*doc, 1), far(*doc, 3);
    doc->AddView(&near);
    doc->AddView(&far);
    WriteFile(dir.File("page.html"), "a\nb");
    ASSERT_TRUE(doc->ReopenInCodePage(CodePage::Utf8));
    EXPECT_EQ(near.caretLine, 1);
    EXPECT_EQ(far.caretLine, 1);

    std::remove(dir.File("page.html").c_str());
    EXPECT_FALSE(doc->ReopenInCodePage(CodePage::Windows1251));
    EXPECT_EQ(host.errors.size(), 1);
    EXPECT_EQ(doc->Buffer().LineCount(), 2);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Utf8);
    doc->RemoveView(&near);
    doc->RemoveView(&far);
}

TEST_F(ReopenTest, RememberedUtf8OpensWithItsLossesCountedAndTheHintToGoBack)
{
    // é is no Windows-1251 character; 0xCF 0xF0 is Windows-1251 text, not UTF-8.
    WriteFile(dir.File("mixed.txt"), "caf\xC3\xA9 \xCF\xF0");
    session.RememberFileFormat(dir.File("mixed.txt"), {CodePage::Utf8, LineEnding::Dos});
    ASSERT_TRUE(doc->OnOpenDocument(Path("mixed.txt")));
    EXPECT_EQ(doc->Buffer().Line(0), "caf? ??");
    ASSERT_EQ(host.warnings.size(), 1);
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("3 character(s)")));
    EXPECT_TRUE(host.warnings[0].contains(QStringLiteral("\"UTF-8\"")));
    EXPECT_EQ(doc->EncodingHint(), CodePage::Windows1251);
    doc->DismissEncodingHint();
    EXPECT_EQ(doc->EncodingHint(), std::nullopt);
}

TEST_F(ReopenTest, AnUntitledTextCannotBeReopened)
{
    doc->OnNewDocument();
    CmdUI ui(ID_FILE_REOPEN_FIRST);
    ASSERT_TRUE(doc->OnUpdateCommand(ui));
    EXPECT_FALSE(ui.enabled);
    EXPECT_FALSE(doc->ReopenInCodePage(CodePage::Windows1251));
    EXPECT_TRUE(host.questions.isEmpty());
}

} // namespace
