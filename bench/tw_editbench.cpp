// tw-editbench: a typed character in the edit view, from the key event to the painted screen,
// at the end of a large HTML page beside a 10-line page, on the offscreen platform: with a
// history that merges the typing (Smart Undo) and with a full history that drops its oldest
// group for every new one; then with spelling on against off in the large page.
// Usage: tw-editbench [PAGE]; without a page it writes a 2-million-line one with tw-genhtml.
#include "app/DesktopHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "res/CommandIds.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"
#include "text/KTextBuffer.h"

#include "BenchPages.h"
#include "TypingSession.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Average seconds of a typed key and the screen painted after it.
double TypeCost(TypingSession& session, int rounds)
{
    const auto start = Clock::now();
    for (int i = 0; i < rounds; ++i)
        session.TypeKey(i);
    return std::chrono::duration<double>(Clock::now() - start).count() / rounds;
}

// Best of a few runs of rounds typed keys in each page, with Smart Undo as given.
void Measure(AppSettings& settings, TypingSession& big, TypingSession& small, bool smartUndo,
             bool fill, const char* label)
{
    settings.Preferences().SetOn(Switch::SmartUndo, smartUndo);
    if (fill) {
        // Every key its own group: the history reaches its limit and stays there.
        TypeCost(big, CKTextBuffer::kUndoLimit + 100);
        TypeCost(small, CKTextBuffer::kUndoLimit + 100);
    }
    double bigCost = 1e9, smallCost = 1e9;
    for (int run = 0; run < 3; ++run) {
        bigCost = std::min(bigCost, TypeCost(big, 500));
        smallCost = std::min(smallCost, TypeCost(small, 500));
    }
    std::printf(
        "%-28s %8.1f us at the end of the page; %.1f us in 10 lines, ratio %.2f (target <= 1.5)"
        "; history %d / %d records\n",
        label, bigCost * 1e6, smallCost * 1e6, bigCost / smallCost,
        big.doc.Buffer().UndoRecordCount(), small.doc.Buffer().UndoRecordCount());
}

// Typing into the large page with spelling on against off. Between keys the events that have
// come are handled, as the event loop does: with spelling on, the worker's reports and the
// repaints of the lines it checked. Latency is the key event and the painted screen after it;
// the total adds the handling of those events.
void MeasureSpelling(TypingSession& big)
{
    struct Cost {
        double latency = 1e9, total = 1e9;
    };
    const auto typeCost = [&big](int rounds) {
        Clock::duration keys{};
        const auto start = Clock::now();
        for (int i = 0; i < rounds; ++i) {
            const auto key = Clock::now();
            big.TypeKey(i);
            keys += Clock::now() - key;
            QCoreApplication::processEvents();
        }
        const auto all = Clock::now() - start;
        return Cost{std::chrono::duration<double>(keys).count() / rounds,
                    std::chrono::duration<double>(all).count() / rounds};
    };
    Cost cost[2];
    for (const bool on : {false, true}) {
        big.doc.SetSpellingOn(on);
        typeCost(100); // the dictionaries open on the first words
    }
    // Best of five runs each, in turns that change which goes first.
    for (int run = 0; run < 5; ++run)
        for (const bool first : {false, true}) {
            const bool on = first != (run % 2 == 1);
            big.doc.SetSpellingOn(on);
            const Cost now = typeCost(500);
            cost[on].latency = std::min(cost[on].latency, now.latency);
            cost[on].total = std::min(cost[on].total, now.total);
        }
    std::printf("spelling on %8.1f us, off %8.1f us key to screen, ratio %.2f (target <= 1.10);"
                " with the events between keys %.1f / %.1f us, ratio %.2f\n",
                cost[1].latency * 1e6, cost[0].latency * 1e6, cost[1].latency / cost[0].latency,
                cost[1].total * 1e6, cost[0].total * 1e6, cost[1].total / cost[0].total);
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto temp = BenchFolder("tw-editbench");
    const std::string folder = temp->path().toStdString();
    const std::string bigPage = argc > 1 ? argv[1] : GeneratePage(argv[0], folder, 2000000);
    const std::string smallPage = GeneratePage(argv[0], folder, 10);
    FillHtmlKeywords();

    CKSettingsStore store(QString::fromStdString(folder + "/settings.ini"));
    AppSettings settings(store);
    CSession session(store);
    CPreferences& preferences = settings.Preferences();
    for (Switch on : {Switch::AutoIndent, Switch::SmartIndent, Switch::UseTabs})
        preferences.SetOn(on, true);
    preferences.SetTabSize(4);
    CKDesktopHost host([] { return nullptr; });

    TypingSession big(settings, session, host, QString::fromStdString(bigPage));
    TypingSession small(settings, session, host, QString::fromStdString(smallPage));
    std::printf("page: %s, %.1f MB, %d lines\n", bigPage.c_str(),
                std::filesystem::file_size(bigPage) / 1e6, big.view->LineCount());
    // Spelling is measured on its own below.
    big.doc.SetSpellingOn(false);
    small.doc.SetSpellingOn(false);
    Measure(settings, big, small, true, false, "typed key + screen");
    Measure(settings, big, small, false, true, "same, full undo history");
    MeasureSpelling(big);
    return 0;
}
