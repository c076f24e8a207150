// tw-print: prints a file to PDF with the pagination and page painting of File > Print, the
// default settings record and the default page setup, and reports the number of pages.
#include "settings/core/Preferences.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "view/PrintJob.h"

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: tw-print [--page P] [--type T] [--font-size PT] [--paper A4|Letter] "
                 "IN OUT.pdf\n"
                 "  P: code page of IN, 0-4; T: source type, 0-22; PT: the editor font's size\n"
                 "  in points on the screen (the printout is half of it)\n");
    return 1;
}

std::optional<long> Number(const char* text, long low, long high)
{
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (!*text || *end || n < low || n > high)
        return std::nullopt;
    return n;
}

} // namespace

int main(int argc, char* argv[])
{
    int codePage = 0;
    int fontPoints = 0;
    QPageSize::PageSizeId paper = QPageSize::A4;
    const char* in = nullptr;
    const char* out = nullptr;
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(arg, "--page") && hasValue) {
            const auto n = Number(argv[++i], 0, 4);
            if (!n)
                return Usage();
            codePage = static_cast<int>(*n);
        } else if (!std::strcmp(arg, "--type") && hasValue) {
            // The printout is in one colour, so the source type changes nothing on the page;
            // it is checked so that the driver takes the same options as the others.
            if (!Number(argv[++i], 0, kSourceTypeCount - 1))
                return Usage();
        } else if (!std::strcmp(arg, "--font-size") && hasValue) {
            const auto n = Number(argv[++i], 1, 200);
            if (!n)
                return Usage();
            fontPoints = static_cast<int>(*n);
        } else if (!std::strcmp(arg, "--paper") && hasValue) {
            const char* name = argv[++i];
            if (!std::strcmp(name, "A4"))
                paper = QPageSize::A4;
            else if (!std::strcmp(name, "Letter"))
                paper = QPageSize::Letter;
            else
                return Usage();
        } else if (!in) {
            in = arg;
        } else if (!out) {
            out = arg;
        } else {
            return Usage();
        }
    }
    if (!in || !out)
        return Usage();

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    CKTextBuffer buffer;
    if (!buffer.Load(in, LineEnding::Auto, static_cast<CodePage>(codePage))) {
        std::fprintf(stderr, "tw-print: cannot load %s: %s\n", in, buffer.LastErrorText().c_str());
        return 1;
    }

    const PreferenceValues preferences = DefaultPreferences();
    PrintOptions options;
    options.screenFont = preferences.font;
    options.tabSize = preferences.tabSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        options.screenDpiX = static_cast<int>(screen->logicalDotsPerInchX());
        options.screenDpiY = static_cast<int>(screen->logicalDotsPerInchY());
    }
    if (fontPoints > 0)
        options.screenFont.height = -fontPoints * options.screenDpiY / 72;

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(out));
    printer.setPageSize(QPageSize(paper));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);

    const CTextLines& source = buffer;
    CPrintJob job(source, buffer.LineCount(), options);
    if (!job.Begin(printer) || !job.PrintPages(printer)) {
        std::fprintf(stderr, "tw-print: cannot print to %s\n", out);
        return 1;
    }
    std::printf("pages=%d\n", job.PageCount());
    return 0;
}
