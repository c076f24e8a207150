// Caret movement commands with and without Shift, vertical moves keeping their column, page
// and line scrolling, Copy and Select All, and the keys that run them.
#include "ViewFixture.h"

#include "res/CommandIds.h"

#include <QClipboard>
#include <QKeyEvent>

#include <optional>
#include <ostream>

namespace {

struct MoveCase {
    const char* name;
    std::vector<std::string> lines;
    TextPoint anchor;
    TextPoint cursor;
    int command;
    TextPoint expectCursor;
    std::optional<TextPoint> expectAnchor; // none: the anchor follows the cursor
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveCommandTest : public ViewFixture, public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveCommandTest, CursorAndSelection)
{
    const MoveCase& c = GetParam();
    SetLines(c.lines);
    CKTextView& v = MakeView();
    v.SetCursorPos(c.cursor);
    v.SetAnchor(c.anchor);
    v.SetSelection(c.anchor, c.cursor);
    ASSERT_TRUE(v.OnCommand(c.command));
    EXPECT_EQ(v.CursorPos(), c.expectCursor);
    const TextPoint anchor = c.expectAnchor ? *c.expectAnchor : c.expectCursor;
    EXPECT_EQ(v.SelectionStart(), anchor);
    EXPECT_EQ(v.SelectionEnd(), c.expectCursor);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, MoveCommandTest,
    testing::Values(
        MoveCase{"LeftCollapsesSelectionToItsStart", {"abcdef"}, {1, 0}, {4, 0}, ID_EDIT_CHAR_LEFT, {1, 0}, {}},
        MoveCase{"LeftAtLineStartGoesToPreviousLineEnd", {"abc", "de"}, {0, 1}, {0, 1}, ID_EDIT_CHAR_LEFT, {3, 0}, {}},
        MoveCase{"LeftAtTextStartStays", {"abc"}, {0, 0}, {0, 0}, ID_EDIT_CHAR_LEFT, {0, 0}, {}},
        MoveCase{"ShiftLeftKeepsTheAnchor", {"abcdef"}, {4, 0}, {4, 0}, ID_EDIT_EXT_CHAR_LEFT, {3, 0}, TextPoint{4, 0}},
        MoveCase{"RightCollapsesSelectionToItsEnd", {"abcdef"}, {4, 0}, {1, 0}, ID_EDIT_CHAR_RIGHT, {4, 0}, {}},
        MoveCase{"RightAtLineEndGoesToNextLine", {"abc", "de"}, {3, 0}, {3, 0}, ID_EDIT_CHAR_RIGHT, {0, 1}, {}},
        MoveCase{"RightAtTextEndStays", {"abc"}, {3, 0}, {3, 0}, ID_EDIT_CHAR_RIGHT, {3, 0}, {}},
        MoveCase{"ShiftCtrlLeftAtTextStartChangesNothing", {"abc"}, {2, 0}, {0, 0}, ID_EDIT_EXT_WORD_LEFT, {0, 0}, TextPoint{2, 0}},
        MoveCase{"CtrlLeftWithSelectionCollapsesIt", {"foo bar"}, {0, 0}, {5, 0}, ID_EDIT_WORD_LEFT, {0, 0}, {}},
        MoveCase{"CtrlLeftFromLineStartStopsAfterText", {"abc  ", "x"}, {0, 1}, {0, 1}, ID_EDIT_WORD_LEFT, {3, 0}, {}},
        MoveCase{"CtrlRightToNextWord", {"foo  bar"}, {3, 0}, {3, 0}, ID_EDIT_WORD_RIGHT, {5, 0}, {}},
        MoveCase{"CtrlRightOverAnEmptyLine", {"foo", "", "bar"}, {3, 0}, {3, 0}, ID_EDIT_WORD_RIGHT, {0, 2}, {}},
        MoveCase{"ShiftCtrlRightAtTextEndChangesNothing", {"foo"}, {1, 0}, {3, 0}, ID_EDIT_EXT_WORD_RIGHT, {3, 0}, TextPoint{1, 0}},
        MoveCase{"UpOnFirstLineStays", {"abc", "def"}, {2, 0}, {2, 0}, ID_EDIT_LINE_UP, {2, 0}, {}},
        MoveCase{"DownIsLimitedToTheLineLength", {"abcdef", "ab"}, {5, 0}, {5, 0}, ID_EDIT_LINE_DOWN, {2, 1}, {}},
        MoveCase{"ShiftDownExtends", {"abc", "def"}, {1, 0}, {1, 0}, ID_EDIT_EXT_LINE_DOWN, {1, 1}, TextPoint{1, 0}},
        MoveCase{"HomeGoesToTheIndent", {"    x"}, {5, 0}, {5, 0}, ID_EDIT_HOME, {4, 0}, {}},
        MoveCase{"HomeAtTheIndentGoesToLineStart", {"    x"}, {4, 0}, {4, 0}, ID_EDIT_HOME, {0, 0}, {}},
        MoveCase{"HomeAtLineStartGoesToTheIndent", {"    x"}, {0, 0}, {0, 0}, ID_EDIT_HOME, {4, 0}, {}},
        MoveCase{"EndGoesToLineEnd", {"abc", "defgh"}, {1, 1}, {1, 1}, ID_EDIT_LINE_END, {5, 1}, {}},
        MoveCase{"CtrlHomeGoesToTextStart", {"abc", "def"}, {2, 1}, {2, 1}, ID_EDIT_TEXT_BEGIN, {0, 0}, {}},
        MoveCase{"ShiftCtrlEndSelectsToTextEnd", {"ab", "cde"}, {1, 0}, {1, 0}, ID_EDIT_EXT_TEXT_END, {3, 1}, TextPoint{1, 0}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class ViewMoveTest : public ViewFixture {};

TEST_F(ViewMoveTest, VerticalMovesKeepTheColumnAcrossShortLinesAndTabs)
{
    SetLines({"0123456789abc", "xyz", "0123456789abc", "\t\t\tab"});
    CKTextView& v = MakeView();
    v.SetCursorPos({10, 0});
    v.OnCommand(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(v.CursorPos(), (TextPoint{3, 1}));
    v.OnCommand(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(v.CursorPos(), (TextPoint{10, 2}));
    EXPECT_EQ(v.IdealColumn(), 10);
    // Column 10 lies in the third tab (columns 8-11), in its first half: before it.
    v.OnCommand(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 3}));
    v.OnCommand(ID_EDIT_LINE_UP);
    EXPECT_EQ(v.CursorPos(), (TextPoint{10, 2}));
    // A horizontal move takes the column from the cursor again.
    v.OnCommand(ID_EDIT_CHAR_LEFT);
    EXPECT_EQ(v.IdealColumn(), 9);
}

TEST_F(ViewMoveTest, PageMovesScrollByOneLessThanTheScreen)
{
    std::vector<std::string> lines(100, "line");
    lines[40] = "ab";
    SetLines(lines);
    CKTextView& v = MakeView(30);
    ASSERT_EQ(v.ScreenLines(), 30);
    v.SetCursorPos({3, 11});
    v.OnCommand(ID_EDIT_PAGE_DOWN);
    EXPECT_EQ(v.TopLine(), 29);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 40}));
    v.OnCommand(ID_EDIT_EXT_PAGE_UP);
    EXPECT_EQ(v.TopLine(), 0);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 11}));
    EXPECT_EQ(v.SelectionStart(), (TextPoint{2, 40}));

    // Ctrl+Down and Ctrl+Up scroll one line and leave the caret alone.
    v.OnCommand(ID_EDIT_SCROLL_DOWN);
    v.OnCommand(ID_EDIT_SCROLL_DOWN);
    EXPECT_EQ(v.TopLine(), 2);
    v.OnCommand(ID_EDIT_SCROLL_UP);
    EXPECT_EQ(v.TopLine(), 1);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 11}));

    // Moving to the end reveals the last line at the bottom of the screen.
    v.OnCommand(ID_EDIT_TEXT_END);
    EXPECT_EQ(v.TopLine(), 100 - 30);
    v.OnCommand(ID_EDIT_PAGE_DOWN);
    EXPECT_EQ(v.TopLine(), 99);
    EXPECT_EQ(v.CursorPos(), (TextPoint{4, 99}));
}

TEST_F(ViewMoveTest, WindowLowerThanOneLineNeverPagesBackwards)
{
    SetLines(std::vector<std::string>(10, "line"));
    CKTextView& v = MakeView(1);
    v.resize(v.width(), v.GetLineHeight() / 2);
    EXPECT_EQ(v.ScreenLines(), 1);
    v.SetCursorPos({0, 3});
    v.ScrollTopTo(3, true);
    v.OnCommand(ID_EDIT_PAGE_DOWN);
    EXPECT_EQ(v.CursorPos(), (TextPoint{0, 3}));
    EXPECT_EQ(v.TopLine(), 3);
    v.OnCommand(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(v.TopLine(), 4);
}

TEST_F(ViewMoveTest, RevealKeepsFiveColumnsRightOfTheCaret)
{
    SetLines({std::string(200, 'x'), "short"});
    CKTextView& v = MakeView(10, 40);
    ASSERT_EQ(v.ScreenChars(), 40);
    v.SetCursorPos({0, 0});
    for (int i = 0; i < 36; ++i)
        v.OnCommand(ID_EDIT_CHAR_RIGHT);
    EXPECT_EQ(v.OffsetChar(), 1);
    v.OnCommand(ID_EDIT_LINE_END);
    EXPECT_EQ(v.OffsetChar(), 200 - 40 + 5);
    v.OnCommand(ID_EDIT_LINE_DOWN);
    EXPECT_EQ(v.OffsetChar(), 5);
}

TEST_F(ViewMoveTest, CopyPutsTheSelectionOnTheClipboardAsUnicodeWithLineBreaks)
{
    SetLines({"line0", "li\xCF\xF0 rest", "line2", "line3"});
    CKTextView& v = MakeView();
    CmdUI copy(ID_EDIT_COPY);
    ASSERT_TRUE(v.OnUpdateCommand(copy));
    EXPECT_FALSE(copy.enabled);

    QApplication::clipboard()->setText(QStringLiteral("before"));
    v.OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("before"));

    v.SetSelection({0, 3}, {2, 1});
    CmdUI enabled(ID_EDIT_COPY);
    v.OnUpdateCommand(enabled);
    EXPECT_TRUE(enabled.enabled);
    v.OnCommand(ID_EDIT_COPY);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Пр rest\r\nline2\r\n"));
    std::string back;
    ASSERT_TRUE(v.GetFromClipboard(back));
    EXPECT_EQ(back, "\xCF\xF0 rest\r\nline2\r\n");
    EXPECT_FALSE(v.PutToClipboard(""));
}

TEST_F(ViewMoveTest, SelectAllEndsAtTheLastLineAndKeepsTheAnchor)
{
    SetLines({"abc", "de", "fghi"});
    CKTextView& v = MakeView();
    v.SetAnchor({1, 1});
    v.OnCommand(ID_EDIT_SELECT_ALL);
    EXPECT_EQ(v.SelectionStart(), (TextPoint{0, 0}));
    EXPECT_EQ(v.SelectionEnd(), (TextPoint{4, 2}));
    EXPECT_EQ(v.CursorPos(), (TextPoint{4, 2}));
    EXPECT_EQ(v.Anchor(), (TextPoint{1, 1}));
}

void Press(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&widget, &event);
}

TEST_F(ViewMoveTest, KeysRunTheCommandsOfTheirRows)
{
    SetLines(std::vector<std::string>(40, "abcdef"));
    CKTextView& v = MakeView(10);
    Press(v, Qt::Key_Right);
    Press(v, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(v.SelectionStart(), (TextPoint{1, 0}));
    EXPECT_EQ(v.SelectionEnd(), (TextPoint{2, 0}));
    Press(v, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(v.CursorPos(), (TextPoint{6, 39}));
    EXPECT_EQ(v.Anchor(), (TextPoint{1, 0}));
    Press(v, Qt::Key_Home, Qt::ControlModifier);
    Press(v, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(v.TopLine(), 1);
    EXPECT_EQ(v.CursorPos(), (TextPoint{0, 0}));
    Press(v, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(v.SelectionEnd(), (TextPoint{6, 39}));
}

// A view that runs a command of the text view its own way, as the editing view does.
class KeyedView : public CKTextView {
    friend class CKTextView;

public:
    int ownCommands = 0;

protected:
    using CKTextView::CKTextView;
    bool RunViewCommand(int id) override
    {
        if (id != ID_EDIT_SELECT_ALL)
            return CKTextView::RunViewCommand(id);
        ++ownCommands;
        return true;
    }
};

TEST_F(ViewMoveTest, DerivedViewsHandlersComeBeforeTheTextViews)
{
    SetLines({"abc"});
    std::unique_ptr<KeyedView> keyed(CKTextView::Create<KeyedView>(*doc));
    Press(*keyed, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(keyed->ownCommands, 1);
    EXPECT_FALSE(keyed->HasSelection());
    Press(*keyed, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(keyed->SelectionEnd(), (TextPoint{1, 0}));
}

} // namespace
