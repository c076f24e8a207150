// tw-vieweditbench: whole-document changes made through an edit view on the offscreen platform
// beside the same changes made on a buffer without a view, on one large HTML page: Replace All
// through the Replace dialog and its Undo, Paste of a large text and its Undo, Tab and Shift+Tab
// over a selection of everything (made beforehand), upper and lower case of everything, and
// Reload. Times are the
// process's CPU time (least of the runs), which other work on a shared machine disturbs far less
// than the wall clock; the view's side includes painting the screen after each command.
// Usage: tw-vieweditbench [--lines N] [--runs R] [--only STEP] [PAGE]; without a page it writes
// one of N lines (default 2 million) with tw-genhtml. --only times one step (its name as printed,
// "undo replace" for instance), the steps before it still run, untimed, to set it up.
#include "DriverArgs.h"
#include "app/DesktopHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "edit/core/EditRules.h"
#include "edit/core/Replace.h"
#include "res/CommandIds.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "syntax/HtmlKeywords.h"
#include "text/KTextBuffer.h"
#include "view/ReplaceDialog.h"
#include "view/core/TextSearch.h"

#include "BenchPages.h"
#include "TypingSession.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <time.h>

namespace {

double CpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// "документ" in Windows-1251, frequent on the generated page; "Row" makes each line narrower.
const char* const kFind = "\xE4\xEE\xEA\xF3\xEC\xE5\xED\xF2";
const char* const kReplacement = "Row";
constexpr int kPastedLines = 200000;

// The page opened in an edit view, shown, as the user works with it.
struct ViewSide : ShownEditView {
    ViewSide(AppSettings& settings, CSession& session, CKDesktopHost& host, const QString& path)
        : ShownEditView(settings, session, host, path)
    {
        Settle();
    }

    // What the user waits for after a command: pending events handled, the screen painted.
    void Settle()
    {
        QCoreApplication::processEvents();
        PaintScreen();
    }
    void Command(int id)
    {
        view->OnCommand(id);
        Settle();
    }
    void SelectAll() { Command(ID_EDIT_SELECT_ALL); }

    void ReplaceAll()
    {
        CTextSearch search;
        const TextPoint caret{0, 0};
        CReplaceSession session(doc.Buffer(), view.get(), search, {caret, caret, caret});
        ReplaceFields fields;
        fields.findWhat = kFind;
        fields.replaceWith = kReplacement;
        fields.flags = FIND_MATCH_CASE;
        CKReplaceDialog dialog(
            session, fields, [this](const EditCaret& shown) { view->SetCaretLine(shown.caret.y); },
            view.get());
        dialog.SetTell([](const QString&) {});
        dialog.ReplaceAll();
        Settle();
    }
    void Paste()
    {
        view->SetCaretLine(0);
        Command(ID_EDIT_PASTE);
    }
    void Reload()
    {
        // Reload asks before it drops changes; these ones may go.
        doc.Buffer().SetModified(false);
        doc.ReopenInCodePage(doc.Buffer().CodePage());
        Settle();
    }
};

// The same page in a buffer alone, changed through the same editing rules.
struct BufferSide {
    explicit BufferSide(const std::string& path) : path(path) { buffer.Load(path.c_str()); }
    EditCaret All() const
    {
        const int last = buffer.LineCount() - 1;
        return EditCaret::Selecting({0, 0}, {buffer.LineLength(last), last});
    }
    void ReplaceAll()
    {
        CTextSearch search;
        CReplaceSession session(buffer, nullptr, search, EditCaret::At({0, 0}));
        ReplaceFields fields;
        fields.findWhat = kFind;
        fields.replaceWith = kReplacement;
        fields.flags = FIND_MATCH_CASE;
        session.ReplaceAll(fields);
    }

    std::string path;
    CKTextBuffer buffer;
    CEditRules rules{buffer, nullptr, [] { return EditOptions{}; }, HtmlKeywords()};
};

struct Step {
    const char* name;
    std::function<void()> withView;
    std::function<void()> without;
    std::function<void()> prepareView = [] {}; // a user action of its own, not timed
};

double Time(const std::function<void()>& work)
{
    const double start = CpuSeconds();
    work();
    return CpuSeconds() - start;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    long lines = 2000000;
    int runs = 3;
    const char* given = nullptr;
    const char* only = nullptr;
    for (int i = 1; i < argc; ++i) {
        int value = 0;
        if (!std::strcmp(argv[i], "--lines") && i + 1 < argc && ParseInt(argv[i + 1], value)
            && value > 0) {
            lines = value;
            ++i;
        } else if (!std::strcmp(argv[i], "--runs") && i + 1 < argc && ParseInt(argv[i + 1], value)
                   && value > 0) {
            runs = value;
            ++i;
        } else if (!std::strcmp(argv[i], "--only") && i + 1 < argc) {
            only = argv[++i];
        } else if (argv[i][0] != '-' && !given) {
            given = argv[i];
        } else {
            std::fprintf(stderr,
                         "usage: tw-vieweditbench [--lines N] [--runs R] [--only STEP] [PAGE]\n");
            return 2;
        }
    }
    QApplication app(argc, argv);
    const auto temp = BenchFolder("tw-vieweditbench");
    const std::string folder = temp->path().toStdString();
    const std::string page = given ? given : GeneratePage(argv[0], folder, lines);
    FillHtmlKeywords();

    CKSettingsStore store(QString::fromStdString(folder + "/settings.ini"));
    AppSettings settings(store);
    CSession session(store);
    CKDesktopHost host([] { return nullptr; });

    ViewSide shown(settings, session, host, QString::fromStdString(page));
    BufferSide bare(page);
    std::printf("page: %s, %d lines\n", page.c_str(), bare.buffer.LineCount());

    // The first lines of the page to paste, in ASCII so that the clipboard's Unicode brings
    // back the same bytes: the view pastes them from the clipboard, the buffer alone directly.
    std::string pasted;
    bare.buffer.CopyText(0, 0, kPastedLines, 0, pasted);
    std::replace_if(
        pasted.begin(), pasted.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; },
        'x');
    const QString clipboardText =
        QString::fromLatin1(pasted).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    const std::vector<Step> steps = {
        {"reload", [&] { shown.Reload(); }, [&] { bare.buffer.Load(bare.path.c_str()); }},
        {"replace all", [&] { shown.ReplaceAll(); }, [&] { bare.ReplaceAll(); }},
        {"undo replace", [&] { shown.Command(ID_EDIT_UNDO); }, [&] { bare.rules.Undo(); }},
        {"paste", [&] { shown.Paste(); },
         [&] {
             bare.rules.Paste(EditCaret::At({0, 0}), pasted);
         }},
        {"undo paste", [&] { shown.Command(ID_EDIT_UNDO); }, [&] { bare.rules.Undo(); }},
        {"tab all", [&] { shown.Command(ID_EDIT_TAB); },
         [&] { bare.rules.IndentRight(bare.All()); }, [&] { shown.SelectAll(); }},
        {"shift+tab all", [&] { shown.Command(ID_EDIT_UNTAB); },
         [&] { bare.rules.IndentLeft(bare.All()); }, [&] { shown.SelectAll(); }},
        {"upper case all", [&] { shown.Command(ID_EDIT_UPPERCASE); },
         [&] { bare.rules.ConvertCase(bare.All(), CaseConversion::Upper); },
         [&] { shown.SelectAll(); }},
        {"lower case all", [&] { shown.Command(ID_EDIT_LOWERCASE); },
         [&] { bare.rules.ConvertCase(bare.All(), CaseConversion::Lower); },
         [&] { shown.SelectAll(); }},
    };

    std::vector<double> viewBest(steps.size(), 1e9), bareBest(steps.size(), 1e9);
    for (int run = 0; run < runs; ++run) {
        // Each run starts from the page as loaded.
        shown.Reload();
        bare.buffer.Load(bare.path.c_str());
        for (size_t i = 0; i < steps.size(); ++i) {
            if (std::strcmp(steps[i].name, "paste") == 0)
                QGuiApplication::clipboard()->setText(clipboardText);
            steps[i].prepareView();
            viewBest[i] = std::min(viewBest[i], Time(steps[i].withView));
            bareBest[i] = std::min(bareBest[i], Time(steps[i].without));
            if (only && std::strcmp(steps[i].name, only) == 0)
                break;
        }
    }
    bool linear = true;
    for (size_t i = 0; i < steps.size(); ++i) {
        if (only && std::strcmp(steps[i].name, only) != 0)
            continue;
        const double ratio = viewBest[i] / std::max(bareBest[i], 1e-6);
        linear = linear && ratio <= 2.0;
        std::printf("%-16s view %8.3f s   without a view %8.3f s   ratio %5.2f (target <= 2)\n",
                    steps[i].name, viewBest[i], bareBest[i], ratio);
    }
    std::printf("%s\n", linear ? "every change within 2x of the buffer alone"
                               : "SOME CHANGE COSTS MORE THAN 2x WITH A VIEW");
    return 0;
}
