// Tab and Shift+Tab on a caret and on a block, and the automatic indentation after Enter.
#include "EditFixture.h"

#include "text/EditActions.h"

#include <ostream>

namespace {

using IndentTest = EditFixture;

TEST_F(IndentTest, TabInsertsATabOrSpacesToTheNextStop)
{
    SetLines({"abcdef"});
    state = rules.IndentRight(At(6, 0));
    EXPECT_EQ(Lines(), (TextLines{"abcdef\t"}));
    options.useTabs = false;
    state = rules.IndentRight(At(6, 0));
    EXPECT_EQ(Lines(), (TextLines{"abcdef  \t"}));
    EXPECT_EQ(state, At(8, 0));
}

// The selected text gives way to the indent text, which reaches the tab stop after the
// selection's start whichever end the caret is at.
TEST_F(IndentTest, TabOverASelectionInOneLineReplacesIt)
{
    options.useTabs = false;
    for (const EditCaret& sel : {Sel({1, 0}, {6, 0}), Sel({6, 0}, {1, 0})}) {
        SetLines({"abcdefgh"});
        state = rules.IndentRight(sel);
        EXPECT_EQ(Lines(), (TextLines{"a   gh"}));
        EXPECT_EQ(state, At(4, 0));
    }
}

TEST_F(IndentTest, OverwriteTabStepsToTheNextStopOrPastATab)
{
    rules.SetOverwrite(true);
    SetLines({"ab\tcdefgh", "abcdefgh"});
    EXPECT_EQ(rules.IndentRight(At(0, 0)), At(3, 0));
    EXPECT_EQ(rules.IndentRight(At(1, 1)), At(4, 1));
    EXPECT_EQ(rules.IndentRight(At(6, 1)), At(8, 1));
    EXPECT_EQ(Lines(), (TextLines{"ab\tcdefgh", "abcdefgh"}));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

struct BlockCase {
    const char* name;
    EditCaret in;
    bool indent; // Tab, else Shift+Tab
    TextLines after;
    EditCaret selection;
};
void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }

class BlockTest : public EditFixture, public testing::WithParamInterface<BlockCase> {};

// Block indent and unindent over these lines, with spaces and a tab size of 4.
TEST_P(BlockTest, ChangesTheLinesAsOneUndoStep)
{
    const BlockCase& c = GetParam();
    const TextLines before{"  \tx", "      y", "    \tz", "", "w"};
    SetLines(before);
    options.useTabs = false;
    state = c.indent ? rules.IndentRight(c.in) : rules.IndentLeft(c.in);
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(state, c.selection);
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Indent\tCtrl+Z");
    Undo();
    EXPECT_EQ(Lines(), before);
    EXPECT_FALSE(buffer.CanUndo());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, BlockTest,
    testing::Values(
        BlockCase{"IndentWithTheCaretAtZero", Sel({1, 1}, {0, 0}), true,
                  {"      \tx", "          y", "    \tz", "", "w"}, Sel({0, 0}, {0, 2})},
        BlockCase{"IndentWithTheCaretAtOneTakesThreeSpaces", Sel({0, 0}, {1, 1}), true,
                  {"     \tx", "         y", "    \tz", "", "w"}, Sel({0, 0}, {0, 2})},
        BlockCase{"BlockEndingAtCharacterZeroLeavesThatLineAlone", Sel({0, 0}, {0, 2}), true,
                  {"      \tx", "          y", "    \tz", "", "w"}, Sel({0, 0}, {0, 2})},
        BlockCase{"IndentToTheEndOfTheText", Sel({0, 3}, {1, 4}), true,
                  {"  \tx", "      y", "    \tz", "   ", "   w"}, Sel({0, 3}, {4, 4})},
        BlockCase{"UnindentCountsSpacesThenOneTab", Sel({0, 0}, {1, 4}), false,
                  {"x", "  y", "\tz", "", "w"}, Sel({0, 0}, {1, 4})}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(IndentTest, ShiftTabWithoutABlockOnlyMovesTheCaretBackATabStop)
{
    SetLines({"ab\tcd"});
    EXPECT_EQ(rules.IndentLeft(At(4, 0)), At(3, 0)); // column 5 back to 4, after the tab
    EXPECT_EQ(rules.IndentLeft(At(3, 0)), At(0, 0)); // column 4 back to 0
    EXPECT_EQ(rules.IndentLeft(Sel({0, 0}, {2, 0})), At(0, 0));
    const EditCaret atStart = Sel({4, 0}, {0, 0});
    EXPECT_EQ(rules.IndentLeft(atStart), atStart);
    EXPECT_EQ(Lines(), (TextLines{"ab\tcd"}));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

struct AutoIndentCase {
    const char* name;
    TextLines before;
    TextPoint enterAt;
    bool html;
    TextLines after;
    TextPoint caret;
};
void PrintTo(const AutoIndentCase& c, std::ostream* os) { *os << c.name; }

class AutoIndentTest : public EditFixture, public testing::WithParamInterface<AutoIndentCase> {};

TEST_P(AutoIndentTest, NewLine)
{
    const AutoIndentCase& c = GetParam();
    SetLines(c.before);
    options.htmlDocument = c.html;
    state = rules.Enter(EditCaret::At(c.enterAt));
    EXPECT_EQ(Lines(), c.after);
    EXPECT_EQ(state, EditCaret::At(c.caret));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, AutoIndentTest,
    testing::Values(
        AutoIndentCase{"CopiesTheLeadingBlanks", {"\t\tabc"}, {5, 0}, false, {"\t\tabc", "\t\t"}, {2, 1}},
        AutoIndentCase{"InsideTheLeadingBlanks", {"    abc"}, {2, 0}, false, {"  ", "    abc"}, {2, 1}},
        AutoIndentCase{"NoBlanksNothing", {"abc"}, {3, 0}, true, {"abc", ""}, {0, 1}},
        AutoIndentCase{"StepInAfterAnIndentingTag", {"  <TD>"}, {6, 0}, true, {"  <TD>", "  \t"}, {3, 1}},
        AutoIndentCase{"LowerCaseTagsAreFound", {"<td class=x>"}, {12, 0}, true, {"<td class=x>", "\t"}, {1, 1}},
        AutoIndentCase{"StepBackAfterItsClosingTag", {"  </TD>"}, {7, 0}, true, {" </TD>", " "}, {1, 1}},
        AutoIndentCase{"TableIsNotAnIndentingTag", {"<TABLE>"}, {7, 0}, true, {"<TABLE>", ""}, {0, 1}},
        AutoIndentCase{"TheLastTagDecides", {"<TD><B>"}, {7, 0}, true, {"<TD><B>", ""}, {0, 1}},
        AutoIndentCase{"OnlyBlanksOutsideHtml", {"  <TD>"}, {6, 0}, false, {"  <TD>", "  "}, {2, 1}},
        AutoIndentCase{"ClosingTagWithoutABlankBefore", {"x</TD>"}, {6, 0}, true, {"x</TD>", ""}, {0, 1}},
        // Without indentation on the new line the step back takes only the blank before the
        // tag: the line break stays.
        AutoIndentCase{"StepBackNeverJoinsTheNewLine", {"x </TD>"}, {7, 0}, true, {"x</TD>", ""}, {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(IndentTest, AutoIndentOffOrOverwriteLeavesTheNewLineBare)
{
    options.htmlDocument = true;
    options.autoIndent = false;
    SetLines({"  <TD>"});
    state = rules.Enter(At(6, 0));
    EXPECT_EQ(Lines(), (TextLines{"  <TD>", ""}));

    options.autoIndent = true;
    rules.SetOverwrite(true);
    SetLines({"  <TD>"});
    state = rules.Enter(At(6, 0));
    EXPECT_EQ(Lines(), (TextLines{"  <TD>", ""}));
    EXPECT_EQ(state, At(0, 1));
}

// Undo takes the indentation back first (with both smart steps), the line break second.
TEST_F(IndentTest, UndoTakesTheIndentationBackBeforeTheLineBreak)
{
    options.htmlDocument = true;
    SetLines({"  </TD>"});
    state = rules.Enter(At(7, 0));
    ASSERT_EQ(Lines(), (TextLines{" </TD>", " "}));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Auto Indent\tCtrl+Z");
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"  </TD>", ""}));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Typing\tCtrl+Z");
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"  </TD>"}));

    SetLines({"<TD>"});
    state = rules.Enter(At(4, 0));
    EXPECT_EQ(rules.UndoMenuText(), "&Undo Smart Indent\tCtrl+Z");
    // Typing on joins the indentation's step with Smart Undo.
    TypeText("x");
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"<TD>", ""}));
}

} // namespace
