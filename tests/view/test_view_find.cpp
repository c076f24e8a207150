// The view's search keys: incremental search typed into the view with its prompt in the
// message pane, the commands that end it, and when the search commands are enabled.
#include "ViewFixture.h"
#include "res/CommandIds.h"
#include "support/KeyClicks.h"

namespace {

class ViewFindTest : public ViewFixture {
protected:
    std::string Prompt()
    {
        const std::string prompt = view->Status().prompt;
        return prompt.empty() ? "<none>" : prompt;
    }
    TextRange Selection() { return view->OrderedSelection(); }
    bool Enabled(int id)
    {
        CmdUI ui(id);
        EXPECT_TRUE(view->OnUpdateCommand(ui));
        return ui.enabled;
    }
};

TEST_F(ViewFindTest, IncrementalSearchFromTheKeyboard)
{
    SetLines({"alpha beta", "Beta"});
    MakeView();
    view->SetSelection({0, 0}, {2, 0});
    view->SetCursorPos({2, 0});
    EXPECT_EQ(Prompt(), "<none>");
    KeyClick(view.get(), Qt::Key_I, {}, Qt::ControlModifier);
    EXPECT_EQ(Prompt(), "Incremental search: ");
    KeyClicks(view.get(), "be");
    EXPECT_EQ(Selection().start, (TextPoint{6, 0}));
    EXPECT_EQ(Selection().end, (TextPoint{8, 0}));
    EXPECT_EQ(Prompt(), "Incremental search: be");
    KeyClick(view.get(), Qt::Key_I, {}, Qt::ControlModifier);
    EXPECT_EQ(Selection().start, (TextPoint{0, 1}));
    KeyClick(view.get(), Qt::Key_I, {}, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Prompt(), "Incremental search backward: be");
    KeyClicks(view.get(), "q");
    EXPECT_EQ(Prompt(), "Incremental search failed: beq");
    KeyClick(view.get(), Qt::Key_Backspace);
    EXPECT_EQ(Prompt(), "Incremental search backward: be");
    KeyClick(view.get(), Qt::Key_Escape);
    EXPECT_EQ(Prompt(), "<none>");
    EXPECT_EQ(Selection().start, (TextPoint{0, 0}));
    EXPECT_EQ(Selection().end, (TextPoint{2, 0}));

    // A caret movement ends the search and keeps what it found.
    KeyClick(view.get(), Qt::Key_I, {}, Qt::ControlModifier);
    KeyClicks(view.get(), "alpha");
    KeyClick(view.get(), Qt::Key_Right);
    EXPECT_EQ(Prompt(), "<none>");
    EXPECT_EQ(view->CursorPos(), (TextPoint{5, 0}));
    EXPECT_FALSE(view->HasSelection());
}

TEST_F(ViewFindTest, AMatchOffTheScreenShowsWithLinesBelowIt)
{
    std::vector<std::string> lines(40, "text");
    lines[30] = "target";
    SetLines(lines);
    MakeView(10);
    KeyClick(view.get(), Qt::Key_I, {}, Qt::ControlModifier);
    KeyClicks(view.get(), "target");
    ASSERT_EQ(view->CursorPos().y, 30);
    EXPECT_EQ(view->TopLine(), 30 - 9 + 3); // three lines of context, not the last line
}

TEST_F(ViewFindTest, SearchCommandsEnabling)
{
    SetLines({"ab"});
    MakeView();
    EXPECT_TRUE(Enabled(ID_EDIT_FIND));
    EXPECT_FALSE(Enabled(ID_EDIT_REPEAT));
    EXPECT_FALSE(Enabled(ID_EDIT_FIND_PREVIOUS));
    EXPECT_TRUE(Enabled(ID_EDIT_FIND_INCREMENTAL_FORWARD));
    EXPECT_FALSE(Enabled(ID_EDIT_FIND_INCREMENTAL_BACK));
    view->SetCursorPos({2, 0});
    EXPECT_FALSE(Enabled(ID_EDIT_FIND_INCREMENTAL_FORWARD));
    EXPECT_TRUE(Enabled(ID_EDIT_FIND_INCREMENTAL_BACK));
    EXPECT_TRUE(Enabled(ID_EDIT_REPLACE));
    Buffer().SetReadOnly(true);
    EXPECT_FALSE(Enabled(ID_EDIT_REPLACE));
}

} // namespace
