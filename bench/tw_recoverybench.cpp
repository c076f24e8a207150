// tw-recoverybench: typed keys at the end of a 2-million-line page (100 MB) while a recovery
// copy of it is written in the background, against the same keys with no write running; also
// the pause of taking the snapshot and the time of a whole write.
// Usage: tw-recoverybench [PAGE]; without a page it writes one with tw-genhtml.
#include "app/DesktopHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "recovery/RecoveryManager.h"
#include "res/CommandIds.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"

#include "BenchPages.h"
#include "BenchStats.h"
#include "TypingSession.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Seconds of one typed key and the screen painted after it.
double TimedKey(TypingSession& session, int i)
{
    const auto start = Clock::now();
    session.TypeKey(i);
    return Seconds(start);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto temp = BenchFolder("tw-recoverybench");
    const std::string folder = temp->path().toStdString();
    const std::string page = argc > 1 ? argv[1] : GeneratePage(argv[0], folder, 2000000);
    FillHtmlKeywords();
    CKSettingsStore store(QString::fromStdString(folder + "/settings.ini"));
    AppSettings settings(store);
    CSession session(store);
    CKDesktopHost host([] { return nullptr; });
    TypingSession big(settings, session, host, QString::fromStdString(page));

    int64_t now = 0;
    CKRecoveryManager recovery(folder + "/recovery", [&] { return now; });
    int error = 0;
    if (!recovery.Start(error)) {
        std::fprintf(stderr, "tw-recoverybench: no recovery folder (error %d)\n", error);
        return 1;
    }
    recovery.Track(big.doc);

    constexpr int kKeys = 600;
    int key = 0;
    for (int i = 0; i < 100; ++i) // warm up
        big.TypeKey(key++);
    recovery.WaitForWrites();

    std::vector<double> quiet, busy, pins, writes;
    while (busy.size() < kKeys || quiet.size() < kKeys) {
        // Keys with no write running.
        for (int i = 0; i < 100; ++i)
            quiet.push_back(TimedKey(big, key++));
        // A write comes due: the snapshot is taken here, on the typing thread.
        now += 2000;
        const auto started = Clock::now();
        recovery.RunDueSteps();
        pins.push_back(Seconds(started));
        while (recovery.WriteRunning())
            busy.push_back(TimedKey(big, key++));
        recovery.WaitForWrites();
        writes.push_back(Seconds(started));
        now += 2000;
    }
    const double quietMedian = Median(quiet), busyMedian = Median(busy);
    std::printf("page: %s, %.1f MB, %d lines\n", page.c_str(),
                std::filesystem::file_size(page) / 1e6, big.doc.Buffer().LineCount());
    std::printf("typed key + screen, no write: median %.1f us, 99%% %.1f us (%zu keys)\n",
                quietMedian * 1e6, Percentile(quiet, 0.99) * 1e6, quiet.size());
    std::printf("typed key + screen, write running: median %.1f us, 99%% %.1f us (%zu keys)\n",
                busyMedian * 1e6, Percentile(busy, 0.99) * 1e6, busy.size());
    std::printf("ratio of medians %.2f (target <= 1.5)\n", busyMedian / quietMedian);
    std::printf("snapshot pause: median %.1f ms; whole write: median %.0f ms (%zu writes)\n",
                Median(pins) * 1e3, Median(writes) * 1e3, writes.size());
    return 0;
}
