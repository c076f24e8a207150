// Printing to PDF through the print job and through tw-print, read back with pdftotext:
// footers on every page, lines taller than a page, margins from the settings, Cyrillic text.
#include "settings/KSettingsStore.h"
#include "support/LinesSource.h"
#include "support/TempDir.h"
#include "syntax/LineParse.h"
#include "view/PrintCommands.h"
#include "view/PrintJob.h"
#include "view/core/PageSetup.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTimer>

#include <QPrinter>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace {

// The text pdftotext reads from pages first to last (0: to the end), in UTF-8.
std::string PdfText(const std::string& pdf, int first = 1, int last = 0)
{
    std::string text;
    std::string command = "pdftotext -f " + std::to_string(first);
    if (last > 0)
        command += " -l " + std::to_string(last);
    EXPECT_EQ(RunCommand(command + " '" + pdf + "' -", &text), 0);
    return text;
}

// Whether the words occur in text in this order.
bool InOrder(const std::string& text, const std::vector<std::string>& words)
{
    size_t at = 0;
    for (const std::string& w : words) {
        at = text.find(w, at);
        if (at == std::string::npos)
            return false;
        at += w.size();
    }
    return true;
}

class PrintTest : public testing::Test {
protected:
    // Prints lines to a PDF; returns the page count (0 when the job failed).
    int Print(const std::vector<std::string>& lines, const PrintOptions& options = {})
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        const LinesSource source(lines);
        CPrintJob job(source, source.Count(), options);
        if (!job.Begin(printer))
            return 0;
        layout = job.Pagination()->Layout();
        dpi = printer.logicalDpiX();
        return job.PrintPages(printer) ? job.PageCount() : 0;
    }
    void ExpectFooters(int pages)
    {
        for (int page = 1; page <= pages; ++page) {
            const std::string footer = "Page " + std::to_string(page) + "/" + std::to_string(pages);
            EXPECT_NE(PdfText(pdf, page, page).find(footer), std::string::npos) << footer;
        }
    }

    TempDir dir;
    std::string pdf = dir.File("out.pdf");
    PrintLayout layout;
    int dpi = 0;
};

TEST_F(PrintTest, EmptyDocumentPrintsOnePageWithNothingButItsFooter)
{
    ASSERT_EQ(Print({""}), 1);
    std::string text = PdfText(pdf);
    std::erase_if(text, [](char c) { return std::isspace(static_cast<unsigned char>(c)); });
    EXPECT_EQ(text, "Page1/1");
}

TEST_F(PrintTest, ThreePagesAreNumberedOneToThreeOfThree)
{
    ASSERT_EQ(Print({"x"}), 1);
    const int perPage = layout.textArea.Height() / layout.lineHeight;
    ASSERT_GT(perPage, 10);
    std::vector<std::string> lines;
    for (int i = 0; i < 2 * perPage + 1; ++i)
        lines.push_back("line" + std::to_string(i));
    ASSERT_EQ(Print(lines), 3);
    ExpectFooters(3);
    EXPECT_NE(PdfText(pdf, 3, 3).find(lines.back()), std::string::npos);
}

TEST_F(PrintTest, NothingOfALongLineOrAWideWordIsLost)
{
    ASSERT_EQ(Print({"x"}), 1);
    const int perPage = layout.textArea.Height() / layout.lineHeight;
    // One line of numbered words that wraps to more rows than two pages hold, then a word
    // wider than the text area.
    std::vector<std::string> words;
    std::string tall;
    for (int i = 0; i < perPage * 60; ++i) {
        words.push_back(std::to_string(100000 + i).insert(0, 1, 'w'));
        tall += words.back() + " ";
    }
    std::string url = "http://example.org/";
    for (int i = 0; i < 400; ++i)
        url += static_cast<char>('a' + i % 26);
    const int pages = Print({"first", tall, url});
    ASSERT_GE(pages, 4);
    ExpectFooters(pages);
    const std::string text = PdfText(pdf);
    EXPECT_TRUE(InOrder(text, words));
    std::string letters;
    for (size_t at = text.find("http://example.org/"); at < text.size(); ++at)
        if (std::islower(static_cast<unsigned char>(text[at])) || text[at] == '/' || text[at] == ':'
            || text[at] == '.')
            letters += text[at];
        else if (text.compare(at, 4, "Page") == 0)
            break;
    EXPECT_EQ(letters, url);
}

TEST_F(PrintTest, MarginsComeFromThePageSetupSettings)
{
    CKSettingsStore store(QString::fromStdString(dir.File("settings.ini")));
    PrintOptions options;
    options.margins = ReadPageMargins(store);
    ASSERT_EQ(Print({"x"}, options), 1);
    // Default 10 mm on the 1200 dpi printer, the footer band above the bottom margin.
    EXPECT_EQ(layout.textArea.left, MulDiv(1000, dpi, 2540));
    EXPECT_EQ(layout.textArea.top, MulDiv(1000, dpi, 2540));
    const int defaultHeight = layout.textArea.Height();

    ASSERT_TRUE(WritePageMargins(store, PageMargins{2500, 1000, 5000, 4000}));
    options.margins =
        ReadPageMargins(CKSettingsStore(QString::fromStdString(dir.File("settings.ini"))));
    ASSERT_EQ(Print({"x"}, options), 1);
    EXPECT_EQ(layout.textArea.left, MulDiv(2500, dpi, 2540));
    EXPECT_EQ(layout.textArea.top, MulDiv(5000, dpi, 2540));
    EXPECT_EQ(layout.textArea.Height(), defaultHeight - MulDiv(4000, dpi, 2540)
                                            - MulDiv(5000, dpi, 2540)
                                            + 2 * MulDiv(1000, dpi, 2540));
}

TEST_F(PrintTest, CancelStopsBetweenPagesAfterOnePagination)
{
    std::vector<std::string> lines(2000, "text");
    const LinesSource source(lines);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    CPrintJob job(source, source.Count(), PrintOptions{});
    int paginationCalls = 0;
    ASSERT_TRUE(job.Begin(printer, [&](int, int total) {
        EXPECT_EQ(total, 2000);
        ++paginationCalls;
        return true;
    }));
    const int pages = job.PageCount();
    ASSERT_GE(pages, 5);
    std::vector<std::pair<int, int>> asked;
    EXPECT_FALSE(job.PrintPages(printer, [&](int done, int total) {
        asked.emplace_back(done, total);
        return done < 2;
    }));
    // Every page asks with the count made once at the start.
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{0, pages}, {1, pages}, {2, pages}}));
    EXPECT_EQ(job.PageCount(), pages);
}

TEST_F(PrintTest, PageSetupWritesTheMarginsAndFontSizeOnOkOnly)
{
    CKSettingsStore store(QString::fromStdString(dir.File("settings.ini")));
    ASSERT_TRUE(WritePageMargins(store, PageMargins{1500, 1000, 1000, 2000}));
    EXPECT_EQ(ReadPrintFontSize(store), kPrintFontAsScreen);
    auto answer = [](bool ok, double left, const char* fontSize) {
        QTimer::singleShot(0, [ok, left, fontSize] {
            auto* dialog = qobject_cast<CPageSetupDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->Margins(), (PageMargins{1500, 1000, 1000, 2000}));
            EXPECT_EQ(dialog->FontSize(), kPrintFontAsScreen);
            dialog->findChildren<QDoubleSpinBox*>().first()->setValue(left);
            auto* sizes = dialog->findChild<QComboBox*>(QStringLiteral("printFontSize"));
            sizes->setCurrentIndex(sizes->findText(QString::fromLatin1(fontSize)));
            ok ? dialog->accept() : dialog->reject();
        });
    };
    answer(false, 30.0, "10 pt");
    EXPECT_FALSE(RunPageSetup(nullptr, store));
    EXPECT_EQ(ReadPageMargins(store).left, 1500);
    EXPECT_EQ(ReadPrintFontSize(store), kPrintFontAsScreen);
    answer(true, 12.34, "Half the screen size");
    EXPECT_TRUE(RunPageSetup(nullptr, store));
    EXPECT_EQ(ReadPageMargins(store), (PageMargins{1234, 1000, 1000, 2000}));
    EXPECT_EQ(ReadPrintFontSize(store), kPrintFontHalfScreen);

    // A size kept in the file that the list does not offer is shown all the same.
    ASSERT_TRUE(WritePrintFontSize(store, 13));
    EXPECT_EQ(CPageSetupDialog(PageMargins{}, ReadPrintFontSize(store)).FontSize(), 13);
}

TEST_F(PrintTest, TheFontSizeChosenSetsHowMuchAPageHolds)
{
    const std::vector<std::string> lines(300, "text");
    PrintOptions options;
    options.fontSize = kPrintFontHalfScreen;
    const int halfSize = Print(lines, options);
    options.fontSize = kPrintFontAsScreen;
    const int screenSize = Print(lines, options);
    ASSERT_GT(halfSize, 0);
    EXPECT_GE(screenSize, 2 * halfSize - 1);
    ExpectFooters(screenSize);
}

TEST_F(PrintTest, DriverPrintsAGeneratedCyrillicPage)
{
    const std::string bin = TW_BUILD_DIR;
    const std::string page = dir.File("page.html");
    ASSERT_EQ(RunCommand(bin + "/tw-genhtml --lines 3000 '" + page + "'"), 0);
    std::string out;
    ASSERT_EQ(RunCommand(bin + "/tw-print --paper Letter '" + page + "' '" + pdf + "'", &out), 0);
    ASSERT_EQ(out.rfind("pages=", 0), 0u) << out;
    const int pages = std::stoi(out.substr(6));
    ASSERT_GT(pages, 10);
    ExpectFooters(pages);
    const std::string text = PdfText(pdf);
    for (const char* word : {"Привет", "заголовок", "редактор", "Список"})
        EXPECT_NE(text.find(word), std::string::npos) << word;
    std::string info;
    RunCommand("pdfinfo '" + pdf + "'", &info);
    EXPECT_NE(info.find("612 x 792 pts (letter)"), std::string::npos) << info;

    // Bad input gives a reason and status 1, and no "pages=".
    out.clear();
    EXPECT_EQ(
        RunCommand(bin + "/tw-print '" + dir.File("missing.html") + "' '" + pdf + "' 2>&1", &out),
        1);
    EXPECT_NE(out.find("cannot load"), std::string::npos) << out;
    EXPECT_EQ(RunCommand(bin + "/tw-print --paper A3 '" + page + "' '" + pdf + "' 2>/dev/null"), 1);
}

} // namespace
