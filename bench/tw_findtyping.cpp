// tw-findtyping: typed keys in a document while Find in Files searches a tree of pages on its
// worker threads, its results reaching the "Search Results" pane, against the same keys with
// no search running. Each key is timed with the events waiting before it (results arriving)
// and the screen painted after it.
// Usage: tw-findtyping [FILES] (default 4000 pages of 400 lines, about 80 MB)
#include "app/DesktopHost.h"
#include "doc/DocManager.h"
#include "findfiles/FindFilesController.h"
#include "findfiles/SearchResultsPane.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"

#include "BenchPages.h"
#include "BenchStats.h"
#include "TypingSession.h"

#include <QApplication>
#include <QMainWindow>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// No document is open besides the one typed into, which the search need not see.
class NoDocuments : public CKDocManager {
public:
    explicit NoDocuments(CSession& session) : m_session(session) {}
    std::vector<CTagwrightDoc*> Documents() const override { return m_none; }
    CTagwrightDoc* OpenDocumentFile(const QString&) override { return nullptr; }
    int OpenCommandLine(const CommandLine&) override { return 0; }
    CSession& Session() override { return m_session; }
    bool SaveAllModified() override { return true; }
    void OnViewClosed(CTagwrightDoc*) override {}
    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(CmdUI&) override { return false; }

private:
    std::vector<CTagwrightDoc*> m_none;
    CSession& m_session;
};

// Seconds of the events waiting before a key, the key and the screen painted after it.
double TimedKey(TypingSession& session, int i)
{
    const auto start = Clock::now();
    QApplication::processEvents();
    session.TypeKey(i);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4000;
    const auto temp = BenchFolder("tw-findtyping");
    const std::string folder = temp->path().toStdString();
    // A handful of different pages copied into folders of a hundred.
    std::vector<std::string> pages;
    for (int lines : {360, 400, 440})
        pages.push_back(GeneratePage(argv[0], folder, lines));
    const std::string site = folder + "/site";
    for (int i = 0; i < files; ++i) {
        const std::string dir = site + "/d" + std::to_string(i / 100);
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(pages[i % pages.size()],
                                   dir + "/p" + std::to_string(i % 100) + ".html");
    }
    const std::string typed = GeneratePage(argv[0], folder, 20000);

    FillHtmlKeywords();
    CKSettingsStore store(QString::fromStdString(folder + "/settings.ini"));
    AppSettings settings(store);
    CSession state(store);
    CKDesktopHost host([] { return nullptr; });
    TypingSession session(settings, state, host, QString::fromStdString(typed));
    QMainWindow window;
    NoDocuments documents(state);
    CKFindFilesController controller(
        window, {documents, store, [] { return nullptr; }, [] { return false; }, host});

    FindFilesFields fields;
    fields.findWhat = "page4";
    fields.folder = QString::fromStdString(site);
    fields.masks = QStringLiteral("*.html");

    constexpr size_t kKeys = 1000;
    int key = 0;
    for (int i = 0; i < 100; ++i) // warm up
        session.TypeKey(key++);
    std::vector<double> quiet, busy;
    int searches = 0;
    double searching = 0;
    while (busy.size() < kKeys || quiet.size() < kKeys) {
        for (int i = 0; i < 100; ++i)
            quiet.push_back(TimedKey(session, key++));
        QString problem;
        const auto started = Clock::now();
        if (!controller.Start(fields, false, problem)) {
            std::fprintf(stderr, "tw-findtyping: %s\n", problem.toUtf8().constData());
            return 1;
        }
        ++searches;
        while (controller.IsRunning())
            busy.push_back(TimedKey(session, key++));
        searching += std::chrono::duration<double>(Clock::now() - started).count();
    }
    const double quietMedian = Median(quiet), busyMedian = Median(busy);
    std::printf("tree: %d files, %.0f MB; %d searches while typing, %.2f s each; %lld files with "
                "matches, %d worker threads\n",
                files, double(files) * std::filesystem::file_size(pages[1]) / 1e6, searches,
                searching / searches, static_cast<long long>(controller.Pane().Files().size()),
                FindFilesOptionsOf(fields, false).threads);
    std::printf("typed key + waiting events + screen, no search: median %.1f us, mean %.1f us, "
                "99%% %.1f us (%zu keys)\n",
                quietMedian * 1e6, Mean(quiet) * 1e6, Percentile(quiet, 0.99) * 1e6, quiet.size());
    std::printf("typed key + waiting events + screen, search running: median %.1f us, mean %.1f "
                "us, 99%% %.1f us (%zu keys)\n",
                busyMedian * 1e6, Mean(busy) * 1e6, Percentile(busy, 0.99) * 1e6, busy.size());
    std::printf("ratio of medians %.2f, of means %.2f (target <= 1.25)\n", busyMedian / quietMedian,
                Mean(busy) / Mean(quiet));
    return 0;
}
