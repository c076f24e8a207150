// The encoding hint bar: shown for a UTF-8 page opened as Windows-1251, reopening through its
// button or its keyboard, hidden after that or when closed, and the hint back to Windows-1251.
#include "frame/EncodingBar.h"
#include "support/AccessibleNames.h"
#include "text/CodePages.h"
#include "view/ViewFixture.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

#include <fstream>

namespace {

// Each bar sits in a window, as in a document window: shown with it unless there is no hint.
class EncodingBarTest : public ViewFixture {
protected:
    QString Write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir.File(name), std::ios::binary) << bytes;
        return QString::fromStdString(dir.File(name));
    }
};

const std::string kUtf8Page = "<p>Привет, мир</p>\r\n";
const std::string kPrivet1251 = "\xCF\xF0\xE8\xE2\xE5\xF2";

TEST_F(EncodingBarTest, ReopensAUtf8PageAsUtf8AndThenHides)
{
    ASSERT_TRUE(doc->OnOpenDocument(Write("page.html", kUtf8Page), CodePage::Windows1251,
                                    LineEnding::Auto));
    QWidget window;
    CKEncodingBar& bar = *new CKEncodingBar(*doc, &window);
    window.show();
    EXPECT_TRUE(bar.isVisible());
    EXPECT_TRUE(bar.Text().contains("UTF-8")) << bar.Text().toStdString();
    EXPECT_TRUE(bar.ReopenButton()->text().contains("UTF-8"));
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251); // nothing changes before the click
    EXPECT_EQ(UnnamedControls(window), std::vector<std::string>());

    // Space presses the button once Tab has reached it.
    EXPECT_NE(bar.ReopenButton()->focusPolicy() & Qt::TabFocus, 0);
    bar.ReopenButton()->setFocus();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(bar.ReopenButton(), &press);
    QApplication::sendEvent(bar.ReopenButton(), &release);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Utf8);
    EXPECT_EQ(doc->Buffer().Line(0), "<p>" + kPrivet1251 + ", \xEC\xE8\xF0</p>");
    EXPECT_FALSE(bar.isVisible());
}

TEST_F(EncodingBarTest, CloseDismissesTheHintAndKeepsThePage)
{
    ASSERT_TRUE(doc->OnOpenDocument(Write("page.html", kUtf8Page), CodePage::Windows1251,
                                    LineEnding::Auto));
    QWidget window;
    CKEncodingBar& bar = *new CKEncodingBar(*doc, &window);
    window.show();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_NE(bar.CloseButton()->focusPolicy() & Qt::TabFocus, 0);
    bar.CloseButton()->click();
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(doc->EncodingHint(), std::nullopt);
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);

    // Opening another such file brings the bar back.
    ASSERT_TRUE(doc->OnOpenDocument(Write("other.html", kUtf8Page), CodePage::Windows1251,
                                    LineEnding::Auto));
    EXPECT_TRUE(bar.isVisible());
}

TEST_F(EncodingBarTest, NoBarForAsciiAndTheWayBackForAWindowsFileOpenedAsUtf8)
{
    ASSERT_TRUE(doc->OnOpenDocument(Write("plain.html", "<p>hello</p>"), CodePage::Windows1251,
                                    LineEnding::Auto));
    QWidget window;
    CKEncodingBar& bar = *new CKEncodingBar(*doc, &window);
    window.show();
    EXPECT_FALSE(bar.isVisible());
    // Screen readers list the hidden bar's controls too.
    for (QAbstractButton* button : bar.findChildren<QAbstractButton*>())
        EXPECT_FALSE(
            QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name).isEmpty());

    ASSERT_TRUE(
        doc->OnOpenDocument(Write("cp1251.html", kPrivet1251), CodePage::Utf8, LineEnding::Auto));
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.ReopenButton()->text(), QStringLiteral("Reopen as Windows-1251"));
    bar.ReopenButton()->click();
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Windows1251);
    EXPECT_EQ(doc->Buffer().Line(0), kPrivet1251);
    EXPECT_FALSE(bar.isVisible());
}

// "Утро выдалось холодным, и мы решили остаться дома." in KOI8-R, twice.
const std::string kMorningKoi8 = [] {
    const std::string once =
        "\xF5\xD4\xD2\xCF \xD7\xD9\xC4\xC1\xCC\xCF\xD3\xD8 \xC8\xCF\xCC\xCF\xC4\xCE\xD9\xCD, "
        "\xC9 \xCD\xD9 \xD2\xC5\xDB\xC9\xCC\xC9 \xCF\xD3\xD4\xC1\xD4\xD8\xD3\xD1 \xC4\xCF\xCD\xC1.";
    return once + " " + once;
}();

TEST_F(EncodingBarTest, NamesTheDetectedOrDeclaredPageAndItsReason)
{
    const struct {
        const char* file;
        std::string bytes;
        const char* text;
        const char* button;
    } cases[] = {
        {"koi.html", "<p>" + kMorningKoi8 + "</p>",
         "This file looks like KOI8-R but was opened as Windows-1251.", "Reopen as KOI8-R"},
        {"declared.html", "<meta charset=\"utf-8\"><p>Hello</p>",
         "This page declares UTF-8 but was opened as Windows-1251.", "Reopen as UTF-8"},
    };
    QWidget window;
    CKEncodingBar& bar = *new CKEncodingBar(*doc, &window);
    window.show();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(
            doc->OnOpenDocument(Write(c.file, c.bytes), CodePage::Windows1251, LineEnding::Auto));
        ASSERT_TRUE(bar.isVisible());
        EXPECT_EQ(bar.Text(), QString::fromUtf8(c.text));
        EXPECT_EQ(bar.ReopenButton()->text(), QString::fromUtf8(c.button));
        bar.ReopenButton()->click();
        EXPECT_FALSE(bar.isVisible());
    }
    EXPECT_EQ(doc->Buffer().CodePage(), CodePage::Utf8);
}

} // namespace
