// Typing, Enter, deletion, the clipboard's edits, drag and drop, undo and the read-only rule.
#include "EditFixture.h"

#include "text/EditActions.h"

#include <functional>
#include <ostream>

namespace {

using EditRulesTest = EditFixture;

TEST_F(EditRulesTest, TypingInsertsOverwritesAndReplacesTheSelection)
{
    SetLines({"abc"});
    state = At(1, 0);
    TypeText("x\x01"); // a control character is ignored
    EXPECT_EQ(Lines(), (TextLines{"axbc"}));
    EXPECT_EQ(state, At(2, 0));

    rules.SetOverwrite(true);
    TypeText("yzw"); // over b and c, then past the line end
    EXPECT_EQ(Lines(), (TextLines{"axyzw"}));

    state = Sel({4, 0}, {1, 0});
    TypeText("Q");
    EXPECT_EQ(Lines(), (TextLines{"aQw"}));
    EXPECT_EQ(state, At(2, 0));
}

// After a paste, a typed word joins the paste's undo step; a typed space starts a new one.
TEST_F(EditRulesTest, SmartUndoMergesTypingIntoThePreviousGroup)
{
    SetLines({""});
    state = rules.Paste(state, "P\r\nQ");
    TypeText("ab c");
    EXPECT_EQ(Lines(), (TextLines{"P", "Qab c"}));
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"P", "Qab"}));
    EXPECT_EQ(state, At(3, 1));
    Undo();
    EXPECT_EQ(Lines(), (TextLines{""}));
    EXPECT_FALSE(buffer.CanUndo());

    options.smartUndo = false;
    TypeText("xy");
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"x"}));
}

TEST_F(EditRulesTest, EnterBreaksTheLineAndOverwriteEnterMovesOnlyOffTheLastLine)
{
    SetLines({"abcd", "ef"});
    state = Sel({1, 0}, {3, 0});
    state = rules.Enter(state);
    EXPECT_EQ(Lines(), (TextLines{"a", "d", "ef"}));
    EXPECT_EQ(state, At(0, 1));

    rules.SetOverwrite(true);
    state = rules.Enter(At(1, 1));
    EXPECT_EQ(Lines(), (TextLines{"a", "d", "ef"}));
    EXPECT_EQ(state, At(0, 2));
    state = rules.Enter(At(1, 2));
    EXPECT_EQ(Lines(), (TextLines{"a", "d", "e", "f"}));
    EXPECT_EQ(state, At(0, 3));
}

struct DeleteCase {
    const char* name;
    TextLines before;
    EditCaret in;
    EditCaret (CEditRules::*command)(const EditCaret&);
    TextLines after;
    TextPoint caret;
    int action; // of the recorded change; -1: nothing recorded
};
void PrintTo(const DeleteCase& c, std::ostream* os) { *os << c.name; }

class DeleteTest : public EditFixture, public testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteTest, Result)
{
    const DeleteCase& c = GetParam();
    SetLines(c.before);
    state = (rules.*c.command)(c.in);
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(state, EditCaret::At(c.caret));
    if (c.action < 0) {
        EXPECT_EQ(buffer.UndoRecordCount(), 0);
    } else {
        ASSERT_EQ(buffer.UndoRecordCount(), 1);
        EXPECT_EQ(buffer.UndoRecordAt(0).action, c.action);
    }
}

const auto kAt = [](int x, int y) { return EditCaret::At({x, y}); };
const auto kSel = [](TextPoint a, TextPoint b) { return EditCaret::Selecting(a, b); };
const std::string kUkrainian = "\xB3\xBF\xBA\xB4"; // four letters beyond the Russian alphabet

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, DeleteTest,
    testing::Values(
        DeleteCase{"DeleteCharacter", {"abc"}, At(1, 0), &CEditRules::Delete, {"ac"}, {1, 0}, ACTION_DELETE},
        DeleteCase{"DeleteJoinsAtLineEnd", {"ab", "cd"}, At(2, 0), &CEditRules::Delete, {"abcd"}, {2, 0}, ACTION_DELETE},
        DeleteCase{"DeleteAtEndOfTextDoesNothing", {"ab", "cd"}, At(2, 1), &CEditRules::Delete, {"ab", "cd"}, {2, 1}, -1},
        DeleteCase{"DeleteTakesTheSelection", {"abc", "def"}, Sel({2, 1}, {1, 0}), &CEditRules::Delete, {"af"}, {1, 0}, ACTION_DELETE},
        DeleteCase{"BackspaceCharacter", {"abc"}, At(2, 0), &CEditRules::Backspace, {"ac"}, {1, 0}, ACTION_BACKSPACE},
        DeleteCase{"BackspaceJoinsAtLineStart", {"ab", "cd"}, At(0, 1), &CEditRules::Backspace, {"abcd"}, {2, 0}, ACTION_BACKSPACE},
        DeleteCase{"BackspaceAtStartDoesNothing", {"ab"}, At(0, 0), &CEditRules::Backspace, {"ab"}, {0, 0}, -1},
        DeleteCase{"BackspaceOnSelectionIsDelete", {"abcd"}, Sel({1, 0}, {3, 0}), &CEditRules::Backspace, {"ad"}, {1, 0}, ACTION_DELETE},
        DeleteCase{"WordBefore", {"foo bar"}, At(7, 0), &CEditRules::DeleteWordBefore, {"foo "}, {4, 0}, ACTION_DELETE},
        DeleteCase{"WordBeforeOverBlanks", {"foo  bar"}, At(5, 0), &CEditRules::DeleteWordBefore, {"bar"}, {0, 0}, ACTION_DELETE},
        DeleteCase{"WordBeforeAtStartDoesNothing", {"foo"}, At(0, 0), &CEditRules::DeleteWordBefore, {"foo"}, {0, 0}, -1},
        DeleteCase{"WordBeforeTakesUkrainianLetters", {"x " + kUkrainian}, At(6, 0), &CEditRules::DeleteWordBefore, {"x "}, {2, 0}, ACTION_DELETE},
        DeleteCase{"WordAfter", {"foo  bar"}, At(0, 0), &CEditRules::DeleteWordAfter, {"bar"}, {0, 0}, ACTION_DELETE},
        DeleteCase{"WordAfterTakesUkrainianLetters", {kUkrainian + " x"}, At(0, 0), &CEditRules::DeleteWordAfter, {"x"}, {0, 0}, ACTION_DELETE},
        DeleteCase{"WordAfterPastAnEmptyLine", {"ab", "", "cd"}, At(2, 0), &CEditRules::DeleteWordAfter, {"abcd"}, {2, 0}, ACTION_DELETE},
        DeleteCase{"WordAfterAtEndDoesNothing", {"ab"}, At(2, 0), &CEditRules::DeleteWordAfter, {"ab"}, {2, 0}, -1},
        DeleteCase{"CutDeletesTheSelection", {"abc", "def"}, Sel({1, 0}, {1, 1}), &CEditRules::CutSelection, {"aef"}, {1, 0}, ACTION_CUT},
        DeleteCase{"CutWithoutSelectionDoesNothing", {"abc"}, At(1, 0), &CEditRules::CutSelection, {"abc"}, {1, 0}, -1},
        DeleteCase{"DeleteSelection", {"abc"}, Sel({0, 0}, {2, 0}), &CEditRules::DeleteSelection, {"c"}, {0, 0}, ACTION_DELETE_SELECTION}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(EditRulesTest, PasteReplacesTheSelectionAndEmptyClipboardOnlyDeletesIt)
{
    SetLines({"abcd"});
    state = rules.Paste(Sel({1, 0}, {3, 0}), "x\r\nyz");
    EXPECT_EQ(Lines(), (TextLines{"ax", "yzd"}));
    EXPECT_EQ(state, At(2, 1));

    state = rules.Paste(Sel({0, 0}, {1, 0}), std::nullopt);
    EXPECT_EQ(Lines(), (TextLines{"x", "yzd"}));
    Undo(); // the deletion alone is a step of its own
    EXPECT_EQ(Lines(), (TextLines{"ax", "yzd"}));
}

TEST_F(EditRulesTest, UndoAndRedoMenuTextsNameTheGroup)
{
    SetLines({"  x"});
    EXPECT_EQ(rules.UndoMenuText(), "&Undo\tCtrl+Z");
    EXPECT_EQ(rules.RedoMenuText(), std::nullopt);
    state = rules.Enter(At(3, 0));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Auto Indent\tCtrl+Z");
    Undo();
    EXPECT_EQ(rules.RedoMenuText(), "&Redo Auto Indent\tCtrl+Y");
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Typing\tCtrl+Z");
}

// Dropping text inserts and selects it; a drop onto the dragged selection itself changes
// nothing but the caret.
TEST_F(EditRulesTest, DropInsertsAndSelectsUnlessOntoItsOwnSelection)
{
    SetLines({"abcdef"});
    DropResult r = rules.Drop(Sel({1, 0}, {3, 0}), {2, 0}, "XY", true);
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.state, At(2, 0));
    EXPECT_EQ(Lines(), (TextLines{"abcdef"}));

    r = rules.Drop(At(0, 0), {4, 0}, "X\r\nY", false);
    EXPECT_TRUE(r.accepted);
    EXPECT_EQ(Lines(), (TextLines{"abcdX", "Yef"}));
    EXPECT_EQ(r.state, Sel({4, 0}, {1, 1}));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Drag And Drop\tCtrl+Z");

    options.dragDropDisabled = true;
    EXPECT_FALSE(rules.Drop(At(0, 0), {0, 0}, "Z", false).accepted);
    EXPECT_FALSE(rules.MoveText(Sel({0, 0}, {1, 0}), {{0, 0}, {1, 0}}, {3, 0}).accepted);
    EXPECT_EQ(Lines(), (TextLines{"abcdX", "Yef"}));
}

struct MoveCase {
    const char* name;
    TextLines before;
    TextRange dragged;
    TextPoint drop;
    TextLines after;
    EditCaret selection; // the moved text
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveTextTest : public EditFixture, public testing::WithParamInterface<MoveCase> {};

TEST_P(MoveTextTest, MovesAsOneUndoStep)
{
    const MoveCase& c = GetParam();
    SetLines(c.before);
    const DropResult r = rules.MoveText(Sel(c.dragged.start, c.dragged.end), c.dragged, c.drop);
    ASSERT_TRUE(r.accepted);
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(r.state, c.selection);
    const std::string moved = [&] {
        std::string s;
        buffer.CopyText(r.state.selStart.y, r.state.selStart.x, r.state.selEnd.y, r.state.selEnd.x,
                        s);
        return s;
    }();
    std::string original;
    for (size_t i = 0; i < c.before.size(); ++i)
        original += (i ? "\r\n" : "") + c.before[i];
    EXPECT_NE(original.find(moved), std::string::npos);
    Undo();
    EXPECT_EQ(Lines(), c.before);
    EXPECT_FALSE(buffer.CanUndo());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, MoveTextTest,
    testing::Values(
        MoveCase{"ForwardInALine", {"abcdef"}, {{1, 0}, {3, 0}}, {5, 0}, {"adebcf"}, EditCaret::Selecting({3, 0}, {5, 0})},
        MoveCase{"BackwardInALine", {"abcdef"}, {{3, 0}, {5, 0}}, {1, 0}, {"adebcf"}, EditCaret::Selecting({1, 0}, {3, 0})},
        MoveCase{"LineDown", {"one", "two", "three"}, {{0, 0}, {0, 1}}, {0, 2}, {"two", "one", "three"}, EditCaret::Selecting({0, 1}, {0, 2})},
        MoveCase{"TailOfALineUp", {"ab", "cdef"}, {{2, 1}, {4, 1}}, {1, 0}, {"aefb", "cd"}, EditCaret::Selecting({1, 0}, {3, 0})},
        MoveCase{"OntoTheSameLineAfterAMultiLineRange", {"ab", "cd", "ef"}, {{1, 0}, {1, 1}}, {2, 1}, {"adb", "c", "ef"}, EditCaret::Selecting({2, 0}, {1, 1})}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(EditRulesTest, MoveOntoItselfOnlyPlacesTheCaret)
{
    SetLines({"abcdef"});
    const DropResult r = rules.MoveText(Sel({1, 0}, {4, 0}), {{1, 0}, {4, 0}}, {2, 0});
    EXPECT_FALSE(r.accepted);
    EXPECT_EQ(r.state, At(2, 0));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

TEST_F(EditRulesTest, DeletingDraggedTextCarriesTheCaretAcross)
{
    SetLines({"abc", "def"});
    state = rules.DeleteDragged(At(2, 1), {{1, 0}, {1, 1}});
    EXPECT_EQ(Lines(), (TextLines{"aef"}));
    EXPECT_EQ(state, At(2, 0));
}

// Nothing changes a read-only buffer: no text, no history, no report to the view.
TEST_F(EditRulesTest, ReadOnlyBufferIsNeverChanged)
{
    SetLines({"  <td>x", "  y"});
    state = rules.Type(At(1, 0), 'q'); // a change before the buffer turns read-only
    options.htmlDocument = true;
    buffer.SetReadOnly(true);
    const int records = buffer.UndoRecordCount();
    const int reports = view.editActions;
    const EditCaret sel = Sel({1, 0}, {2, 1});
    const std::function<void()> commands[] = {
        [&] { rules.Type(sel, 'a'); },
        [&] { rules.Enter(sel); },
        [&] { rules.Delete(sel); },
        [&] { rules.Backspace(At(2, 1)); },
        [&] { rules.DeleteWordBefore(At(2, 1)); },
        [&] { rules.DeleteWordAfter(At(0, 0)); },
        [&] { rules.CutSelection(sel); },
        [&] { rules.Paste(sel, "x"); },
        [&] { rules.IndentRight(sel); },
        [&] { rules.IndentLeft(sel); },
        [&] { rules.IndentRight(At(0, 1)); },
        [&] {
            rules.Drop(sel, {0, 0}, "x", false);
        },
        [&] {
            rules.MoveText(sel, {{0, 0}, {1, 0}}, {3, 1});
        },
        [&] {
            rules.DeleteDragged(sel, {{0, 0}, {1, 0}});
        },
        [&] { EXPECT_EQ(rules.Undo(), std::nullopt); },
        [&] { rules.OnEditAction(At(0, 1), ACTION_TYPING, "\r\n"); },
    };
    for (const auto& command : commands) {
        command();
        EXPECT_EQ(Lines(), (TextLines{" q <td>x", "  y"}));
    }
    EXPECT_EQ(buffer.UndoRecordCount(), records);
    EXPECT_EQ(view.editActions, reports);
}

TEST_F(EditRulesTest, PositionsBeyondTheTextAreClampedNotFollowed)
{
    SetLines({"ab"});
    state = rules.Type(At(9, 5), 'x');
    EXPECT_EQ(Lines(), (TextLines{"abx"}));
    EXPECT_EQ(state, At(3, 0));
}

} // namespace
