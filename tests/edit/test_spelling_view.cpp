// Spelling in the edit view: the underlines the worker's results give (reader text only, text
// states carried across lines, marks moving with their lines), F8 and Shift+F8, the
// right-button menu (a suggestion as one undo step, words accepted in every view) and the
// per-document switch.
#include "controls/QtText.h"
#include "doc/FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "support/BufferLines.h"
#include "support/TempDir.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "text/Utf8Text.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStandardPaths>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::string Cp(std::string_view utf8) { return Utf8ToCp1251(utf8); }

const QColor kWave(0xE0, 0x00, 0x00);

class SpellingViewTest : public testing::Test {
protected:
    SpellingViewTest()
        : store(QString::fromStdString(dir.File("settings.ini"))), settings(store), session(store),
          doc(std::make_unique<CTagwrightDoc>(settings, session, host))
    {
        FillHtmlKeywords();
        doc->OnNewDocument();
    }

    // An edit view of the lines (written in UTF-8).
    CKEditView& MakeView(const Lines& utf8)
    {
        std::string text;
        for (size_t i = 0; i < utf8.size(); ++i)
            text += (i ? "\r\n" : "") + Cp(utf8[i]);
        doc->Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
        int line, ch;
        doc->Buffer().RawInsert(nullptr, 0, 0, text, line, ch);
        doc->Buffer().SetModified(false);
        view.reset(CKTextView::Create<CKEditView>(*doc));
        view->resize(500, 300);
        view->show();
        return *view;
    }

    QImage Paint()
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->PaintClient(painter, image.rect());
        return image;
    }

    // Whether the wave is drawn under the characters [start, start + length) of a line.
    bool Underlined(const QImage& image, int line, int start, int length)
    {
        const QPoint left = view->PositionToPixel({start, line});
        const int right = left.x() + length * view->GetCharWidth();
        for (int y = left.y(); y < left.y() + view->GetLineHeight(); ++y)
            for (int x = left.x() + 1; x < right - 1; ++x)
                if (image.pixelColor(x, y) == kWave)
                    return true;
        return false;
    }

    // Runs the event loop until done() holds: the worker's results arrive as queued calls.
    // The guard only ends a wait that would otherwise never end.
    template <class Done>
    bool WaitFor(Done&& done)
    {
        bool expired = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&expired] { expired = true; });
        guard.start(60000);
        while (!done() && !expired)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return done();
    }

    void Key(int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(view.get(), &press);
    }
    TextRange Selection() const { return view->OrderedSelection(); }

    TempDir dir;
    CKSettingsStore store;
    AppSettings settings;
    CSession session;
    FakeHost host;
    std::unique_ptr<CTagwrightDoc> doc;
    std::unique_ptr<CKEditView> view;
};

TEST_F(SpellingViewTest, UnderlinesReaderTextOnlyWithTheStateOfTheLinesAbove)
{
    MakeView({
        "<p title=\"слва\">слово слва</p>", // title value and text between tags
        "<img alt=\"слово",                 // an alt value that goes on on the next line
        "слва\">",
        "<script>слва</script> слва", // script is not read, the text after it is
    });
    ASSERT_TRUE(view->SpellingShown()) << "on by default for HTML";
    const struct {
        int line, start, length;
        bool marked;
    } words[] = {
        {0, 10, 4, true}, {0, 16, 5, false}, {0, 22, 4, true}, {1, 10, 5, false},
        {2, 0, 4, true},  {3, 8, 4, false},  {3, 22, 4, true},
    };
    QImage image = Paint();
    const auto allMarked = [&] {
        image = Paint();
        for (const auto& w : words)
            if (w.marked && !Underlined(image, w.line, w.start, w.length))
                return false;
        return true;
    };
    ASSERT_TRUE(WaitFor(allMarked));
    for (const auto& w : words)
        EXPECT_EQ(Underlined(image, w.line, w.start, w.length), w.marked)
            << "line " << w.line << " column " << w.start;
    // Tag names and attributes are never marked.
    EXPECT_FALSE(Underlined(image, 0, 0, 9));
}

TEST_F(SpellingViewTest, MarksMoveWithTheirLinesAndGoWhenSwitchedOff)
{
    MakeView({"слово", "слово слва"});
    ASSERT_TRUE(WaitFor([&] { return Underlined(Paint(), 1, 6, 4); }));
    // A line break at the end of the line above: the result moves down with its line at once,
    // before the worker checks anything again.
    view->SetCaretLine(0);
    Key(Qt::Key_End);
    Key(Qt::Key_Return);
    ASSERT_EQ(BufferLines(doc->Buffer()), (Lines{Cp("слово"), "", Cp("слово слва")}));
    const QImage moved = Paint();
    EXPECT_TRUE(Underlined(moved, 2, 6, 4));
    EXPECT_FALSE(Underlined(moved, 1, 0, 10));

    doc->OnCommand(ID_VIEW_SPELLING);
    EXPECT_FALSE(view->SpellingShown());
    EXPECT_FALSE(Underlined(Paint(), 2, 6, 4));
}

TEST_F(SpellingViewTest, F8AndShiftF8SelectTheNextAndPreviousMisspelledWordRoundTheText)
{
    MakeView({"слва слово", "слово", "слово мсло"});
    const TextRange first{{0, 0}, {4, 0}}, last{{6, 2}, {10, 2}};
    view->SetCaretLine(0);
    const struct {
        Qt::KeyboardModifiers mods;
        TextRange expected;
    } steps[] = {
        {Qt::NoModifier, first},   {Qt::NoModifier, last},     {Qt::NoModifier, first},
        {Qt::ShiftModifier, last}, {Qt::ShiftModifier, first},
    };
    for (const auto& step : steps) {
        Key(Qt::Key_F8, step.mods);
        EXPECT_EQ(Selection().start, step.expected.start);
        EXPECT_EQ(Selection().end, step.expected.end);
    }

    MakeView({"слово", "<b>слова</b>"});
    view->SetCaretLine(1);
    EXPECT_FALSE(view->GoToMisspelling(true));
    EXPECT_FALSE(view->HasSelection());
    EXPECT_EQ(view->CursorPos(), (TextPoint{0, 1}));
}

TEST_F(SpellingViewTest, ASuggestionReplacesTheWordAsOneUndoStep)
{
    MakeView({"слово слва."});
    QMenu nothing;
    view->AddSpellingItems(nothing, {2, 0});
    EXPECT_TRUE(nothing.actions().isEmpty()) << "a correct word has no spelling items";

    QMenu menu;
    view->AddSpellingItems(menu, {8, 0});
    const std::vector<std::string> suggestions =
        CKTextView::SpellChecker().Suggest(Cp("слва"), SpellLanguage::Russian);
    ASSERT_FALSE(suggestions.empty());
    ASSERT_LE(suggestions.size(), 8u);
    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), qsizetype(suggestions.size()) + 3);
    EXPECT_EQ(actions[0]->text(), FromWindows1251(suggestions[0]));
    EXPECT_EQ(actions[qsizetype(suggestions.size())]->text(), "Add to Dictionary");
    EXPECT_EQ(actions[qsizetype(suggestions.size()) + 1]->text(), "Ignore All");

    actions[0]->trigger();
    EXPECT_EQ(BufferLines(doc->Buffer()), (Lines{Cp("слово ") + suggestions[0] + "."}));
    view->Undo();
    EXPECT_EQ(BufferLines(doc->Buffer()), (Lines{Cp("слово слва.")}));
    EXPECT_FALSE(doc->Buffer().CanUndo());
}

TEST_F(SpellingViewTest, AcceptedWordsLoseTheirMarksAtOnceAndAddedOnesAreKept)
{
    // Words of their own: what is accepted lasts for the whole test program.
    MakeView({"кварзабль фырбуляк"});
    ASSERT_TRUE(WaitFor([&] {
        const QImage image = Paint();
        return Underlined(image, 0, 0, 9) && Underlined(image, 0, 10, 8);
    }));
    const auto choose = [&](TextPoint p, const QString& item) {
        QMenu menu;
        view->AddSpellingItems(menu, p);
        for (QAction* action : menu.actions())
            if (action->text() == item)
                return action->trigger(), true;
        return false;
    };
    ASSERT_TRUE(choose({1, 0}, "Add to Dictionary"));
    ASSERT_TRUE(choose({12, 0}, "Ignore All"));
    const QImage image = Paint();
    EXPECT_FALSE(Underlined(image, 0, 0, 9));
    EXPECT_FALSE(Underlined(image, 0, 10, 8));
    EXPECT_TRUE(host.warnings.isEmpty());

    QFile personal(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                   + "/tagwright/personal-words.txt");
    ASSERT_TRUE(personal.open(QIODevice::ReadOnly));
    const QString words = QString::fromUtf8(personal.readAll());
    EXPECT_TRUE(words.split('\n').contains(QStringLiteral("кварзабль")));
    EXPECT_FALSE(words.contains(QStringLiteral("фырбуляк")));
}

TEST_F(SpellingViewTest, OnByDefaultForHtmlAndTextAndSwitchedPerDocument)
{
    MakeView({"слва"});
    const struct {
        SourceType type;
        bool on;
    } defaults[] = {{SourceType::Html, true},
                    {SourceType::PlainText, true},
                    {SourceType::Cpp, false},
                    {SourceType::Perl, false}};
    for (const auto& d : defaults) {
        doc->SetSourceType(d.type);
        EXPECT_EQ(doc->SpellingOn(), d.on) << Number(d.type);
        EXPECT_EQ(view->SpellingShown(), d.on) << Number(d.type);
    }
    // The switch holds for this document until its source type changes.
    doc->SetSourceType(SourceType::Html);
    doc->OnCommand(ID_VIEW_SPELLING);
    EXPECT_FALSE(view->SpellingShown());
    doc->SetSourceType(SourceType::PlainText);
    EXPECT_TRUE(view->SpellingShown());
    // The options' switch per source type is kept in the settings.
    settings.Preferences().SetSpellingOnFor(SourceType::Cpp, true);
    settings.Preferences().SetSpellingOnFor(SourceType::Html, false);
    settings.SaveAtExit({});
    AppSettings again(store);
    ASSERT_TRUE(again.Start(nullptr));
    EXPECT_TRUE(again.Preferences().SpellingOnFor(SourceType::Cpp));
    EXPECT_FALSE(again.Preferences().SpellingOnFor(SourceType::Html));
    EXPECT_TRUE(again.Preferences().SpellingOnFor(SourceType::PlainText));
    doc->SetSourceType(SourceType::Cpp);
    EXPECT_TRUE(view->SpellingShown());

    doc->OnCommand(ID_SPELL_UKRAINIAN);
    EXPECT_EQ(doc->CyrillicLanguage(), SpellLanguage::Ukrainian);
    CmdUI ui(ID_SPELL_UKRAINIAN);
    ASSERT_TRUE(doc->OnUpdateCommand(ui));
    EXPECT_TRUE(ui.checked);
}

} // namespace
