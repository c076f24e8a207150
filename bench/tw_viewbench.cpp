// tw-viewbench: the text view on a large HTML page, on the offscreen platform. Measures the
// time to the first painted screen beside loading alone and beside tw-loadsave, painting a
// screen and moving the caret one line at the end of the page beside a 100-line page, Ctrl+End
// beside the parser's state-only pass, and the bytes per line of the view's caches.
// Usage: tw-viewbench [PAGE]; without a page it writes a 2-million-line one with tw-genhtml.
#include "app/DesktopHost.h"
#include "doc/TagwrightDoc.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/HtmlParser.h"
#include "text/KTextBuffer.h"
#include "view/KTextView.h"

#include "BenchPages.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(const std::function<void()>& work)
{
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Best(int runs, const std::function<void()>& work)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
        best = std::min(best, Seconds(work));
    return best;
}

long PeakRssMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A document and a view of it, sized like an editor window.
struct Session {
    Session(AppSettings& settings, CSession& session, CKDocHost& host, const QString& path)
        : doc(settings, session, host)
    {
        doc.OnOpenDocument(path);
        view.reset(CKTextView::Create(doc));
        view->resize(1000, 700);
        view->show();
    }
    ~Session() { view.reset(); }

    void PaintScreen()
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        view->PaintClient(painter, image.rect());
    }
    // Average seconds of one full-screen paint.
    double PaintCost(int rounds)
    {
        return Seconds([&] {
                   for (int i = 0; i < rounds; ++i)
                       PaintScreen();
               })
               / rounds;
    }
    // Average seconds of one caret move up or down, alone or with a screen painted after it.
    double MoveCost(int rounds, bool paint)
    {
        return Seconds([&] {
                   for (int i = 0; i < rounds; ++i) {
                       view->OnCommand(i % 2 ? ID_EDIT_LINE_DOWN : ID_EDIT_LINE_UP);
                       if (paint)
                           PaintScreen();
                   }
               })
               / rounds;
    }

    CTagwrightDoc doc;
    std::unique_ptr<CKTextView> view;
};

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto temp = BenchFolder("tw-viewbench");
    const std::string folder = temp->path().toStdString();
    const std::string big = argc > 1 ? argv[1] : GeneratePage(argv[0], folder, 2000000);
    const std::string small = GeneratePage(argv[0], folder, 100);
    FillHtmlKeywords();

    CKSettingsStore store(QString::fromStdString(folder + "/settings.ini"));
    AppSettings settings(store);
    CSession remembered(store);
    CKDesktopHost host([] { return nullptr; });
    const QString bigPath = QString::fromStdString(big);

    // Loading alone, in this process and as tw-loadsave (which also saves).
    const double load = Best(3, [&] {
        CKTextBuffer buffer;
        buffer.Load(big.c_str());
    });
    const auto loadsave = std::filesystem::absolute(argv[0]).parent_path() / "tw-loadsave";
    const std::string loadsaveCommand =
        loadsave.string() + " " + big + " " + folder + "/saved.html >/dev/null";
    const double loadsaveTime = Best(3, [&] { (void)std::system(loadsaveCommand.c_str()); });

    // Open, make the view and paint its first screen.
    const double firstScreen = Best(3, [&] {
        Session session(settings, remembered, host, bigPath);
        session.PaintScreen();
    });

    Session bigSession(settings, remembered, host, bigPath);
    bigSession.PaintScreen();
    const long rssOpen = PeakRssMiB();

    // Ctrl+End with no parse state known, then the screen there.
    const double ctrlEnd = Seconds([&] {
        bigSession.view->OnCommand(ID_EDIT_TEXT_END);
        bigSession.PaintScreen();
    });
    const CKTextBuffer& buffer = bigSession.doc.Buffer();
    const CTextLines& source = buffer;
    const double statePass = Best(3, [&] {
        uint32_t state = 0;
        for (int line = 0; line < buffer.LineCount(); ++line) {
            int count = 0;
            state = ParseHtmlLine(state, source, line, nullptr, count);
        }
        if (state == 0xFFFFFFFFu)
            std::puts("");
    });
    const int lines = bigSession.view->LineCount();
    const double bytesPerLine = static_cast<double>(bigSession.view->CacheBytes()) / lines;

    // Per-keystroke and per-frame costs at the end of the big page and in a small one.
    bigSession.view->OnCommand(ID_EDIT_LINE_UP);
    const double paintBig = std::min(bigSession.PaintCost(200), bigSession.PaintCost(200));
    const double moveBig =
        std::min(bigSession.MoveCost(20000, false), bigSession.MoveCost(20000, false));
    const double movePaintBig =
        std::min(bigSession.MoveCost(200, true), bigSession.MoveCost(200, true));
    Session smallSession(settings, remembered, host, QString::fromStdString(small));
    smallSession.view->OnCommand(ID_EDIT_TEXT_END);
    smallSession.view->OnCommand(ID_EDIT_LINE_UP);
    smallSession.PaintScreen();
    const double paintSmall = std::min(smallSession.PaintCost(200), smallSession.PaintCost(200));
    const double moveSmall =
        std::min(smallSession.MoveCost(20000, false), smallSession.MoveCost(20000, false));
    const double movePaintSmall =
        std::min(smallSession.MoveCost(200, true), smallSession.MoveCost(200, true));

    const auto size = std::filesystem::file_size(big);
    std::printf("page: %s, %.1f MB, %d lines\n", big.c_str(), size / 1e6, lines);
    std::printf("load (in process)        %8.3f s\n", load);
    std::printf("tw-loadsave (load+save)  %8.3f s\n", loadsaveTime);
    std::printf(
        "open to first screen     %8.3f s   %.2f x load, %.2f x tw-loadsave (target <= 1.3)\n",
        firstScreen, firstScreen / load, firstScreen / loadsaveTime);
    std::printf("peak memory after open   %8ld MiB\n", rssOpen);
    std::printf(
        "Ctrl+End, states unknown %8.3f s   state-only pass %.3f s, ratio %.2f (target <= 1.5)\n",
        ctrlEnd, statePass, ctrlEnd / statePass);
    std::printf("paint one screen         %8.1f us  at the end; %.1f us in 100 lines, ratio %.2f "
                "(target <= 1.5)\n",
                paintBig * 1e6, paintSmall * 1e6, paintBig / paintSmall);
    std::printf("caret one line           %8.2f us  at the end; %.2f us in 100 lines, ratio %.2f "
                "(target <= 1.5)\n",
                moveBig * 1e6, moveSmall * 1e6, moveBig / moveSmall);
    std::printf("caret one line + screen  %8.1f us  at the end; %.1f us in 100 lines, ratio %.2f "
                "(target <= 1.5)\n",
                movePaintBig * 1e6, movePaintSmall * 1e6, movePaintBig / movePaintSmall);
    std::printf("view caches              %8.2f bytes per line (target <= 8)\n", bytesPerLine);
    return 0;
}
