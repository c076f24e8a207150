// Opening with "Detect", the hints of detection and of the page's own declaration, and Save As
// into another page offering to update that declaration.
#include "DocFixture.h"
#include "text/CodePages.h"

namespace {

using PageChoiceTest = DocFixture;

// "Утро выдалось холодным, и мы решили остаться дома." twice, in Windows-1251 and KOI8-R.
const std::string kMorning1251 =
    "\xD3\xF2\xF0\xEE \xE2\xFB\xE4\xE0\xEB\xEE\xF1\xFC \xF5\xEE\xEB\xEE\xE4\xED\xFB\xEC, "
    "\xE8 \xEC\xFB \xF0\xE5\xF8\xE8\xEB\xE8 \xEE\xF1\xF2\xE0\xF2\xFC\xF1\xFF \xE4\xEE\xEC\xE0.";
std::string Koi8(const std::string& text)
{
    std::string bytes = text;
    for (char& c : bytes)
        c = static_cast<char>((*SaveTable(CodePage::Koi8R))[static_cast<uint8_t>(c)]);
    return bytes;
}
const std::string kMorning = kMorning1251 + " " + kMorning1251;

TEST_F(PageChoiceTest, DetectOpensInTheDetectedPageAndSaysSo)
{
    const struct {
        const char* file;
        std::string bytes;
        CodePage page;
        const char* note;
    } cases[] = {
        {"koi.html", "<p>" + Koi8(kMorning) + "</p>", CodePage::Koi8R,
         "Code page found by detection: KOI8-R"},
        {"ascii.html", "<p>Hello</p>", CodePage::Windows1251, "only ASCII"},
        {"binary.dat", std::string("\x01\x00\xFF\xFE", 4), CodePage::Windows1251, "not sure"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        WriteFile(dir.File(c.file), c.bytes);
        ASSERT_TRUE(doc->OnOpenDocument(Path(c.file), CodePage::Detect, LineEnding::Auto));
        EXPECT_EQ(doc->Buffer().CodePage(), c.page);
        EXPECT_TRUE(doc->CodePageNote().contains(QString::fromUtf8(c.note)))
            << doc->CodePageNote().toStdString();
        EXPECT_EQ(doc->EncodingHint(), std::nullopt);
    }

    // Read again in a page of the user's choice, the page is no longer the detector's.
    ASSERT_TRUE(doc->OnOpenDocument(Path("koi.html"), CodePage::Detect, LineEnding::Auto));
    ASSERT_TRUE(doc->ReopenInCodePage(CodePage::Windows1251));
    EXPECT_TRUE(doc->CodePageNote().isEmpty());
    EXPECT_EQ(doc->EncodingHint(), CodePage::Koi8R);
    // A file still to be made opens in page 0.
    ASSERT_TRUE(doc->OnOpenDocument(Path("new.html"), CodePage::Detect, LineEnding::Auto));
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
}

TEST_F(PageChoiceTest, APageDeclaringAnotherCharsetGetsTheHint)
{
    WriteFile(dir.File("page.html"), "<meta charset=\"utf-8\"><p>Hello</p>\n");
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Windows1251, LineEnding::Auto));
    EXPECT_EQ(doc->EncodingHint(), CodePage::Utf8);
    EXPECT_EQ(doc->EncodingHintReason(), CodePageHint::Reason::Declares);
    ASSERT_TRUE(doc->ReopenInCodePage(CodePage::Utf8));
    EXPECT_EQ(doc->EncodingHint(), std::nullopt);
}

TEST_F(PageChoiceTest, SaveAsIntoAnotherPageOffersToUpdateTheDeclaration)
{
    const std::string page =
        "<head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\">\r\n"
        "<p>"
        + kMorning1251 + "</p>\r\n";
    WriteFile(dir.File("page.html"), page);
    ASSERT_TRUE(doc->OnOpenDocument(Path("page.html"), CodePage::Windows1251, LineEnding::Auto));
    const auto saveAs = [this](const char* name, CodePage codePage) {
        host.dialog = [this, name, codePage](FileDialogRequest& r) {
            r.path = Path(name);
            r.codePage = codePage;
            r.lineEnding = LineEnding::Dos;
        };
        return doc->DoSave({}, true);
    };

    // Declined: the text stays as it is, in the new page.
    host.answerYes = false;
    ASSERT_TRUE(saveAs("kept.html", CodePage::Koi8R));
    ASSERT_EQ(host.questions.size(), 1);
    EXPECT_TRUE(host.questions[0].contains(QStringLiteral("\"windows-1251\"")))
        << host.questions[0].toStdString();
    EXPECT_TRUE(host.questions[0].contains(QStringLiteral("\"koi8-r\"")));
    EXPECT_EQ(ReadFile(dir.File("kept.html")), "<head><meta http-equiv=\"Content-Type\" "
                                               "content=\"text/html; charset=windows-1251\">\r\n<p>"
                                                   + Koi8(kMorning1251) + "</p>\r\n");
    EXPECT_FALSE(doc->Buffer().CanUndo());

    // Accepted: one undo step changes the name, and undo brings the old one back.
    host.answerYes = true;
    ASSERT_TRUE(saveAs("utf8.html", CodePage::Utf8));
    const std::string saved = ReadFile(dir.File("utf8.html"));
    EXPECT_NE(saved.find("charset=utf-8\">"), std::string::npos) << saved;
    EXPECT_EQ(doc->Buffer().UndoRecordCount(), 2);
    TextPoint caret;
    ASSERT_TRUE(doc->Buffer().Undo(caret));
    EXPECT_NE(doc->Buffer().Line(0).find("charset=windows-1251\""), std::string::npos);
    EXPECT_FALSE(doc->Buffer().CanUndo());

    // A save in the same page asks nothing; one the user stops keeps the old declaration.
    host.questions.clear();
    ASSERT_TRUE(saveAs("same.html", CodePage::Utf8));
    EXPECT_TRUE(host.questions.isEmpty());
    doc->Buffer().SetCodePage(CodePage::Windows1251);
    doc->SetPathName(Path("page.html"));
    host.dialog = [this](FileDialogRequest& r) {
        r.path = Path("dir-that-is-missing/x.html");
        r.codePage = CodePage::Koi8R;
        r.lineEnding = LineEnding::Dos;
    };
    EXPECT_FALSE(doc->DoSave({}, true));
    EXPECT_NE(doc->Buffer().Line(0).find("charset=windows-1251\""), std::string::npos);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
}

} // namespace
