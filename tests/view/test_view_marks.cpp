// The view's bookmark and "Match Brace" commands through their keys, and their enabling.
#include "ViewFixture.h"

#include "res/CommandIds.h"

#include <QKeyEvent>

namespace {

class ViewMarksTest : public ViewFixture {
protected:
    void Press(int key, Qt::KeyboardModifiers mods)
    {
        QKeyEvent event(QEvent::KeyPress, key, mods);
        QApplication::sendEvent(view.get(), &event);
    }
    bool Enabled(int id)
    {
        CmdUI ui(id);
        EXPECT_TRUE(view->OnUpdateCommand(ui)) << id;
        return ui.enabled;
    }
    void ExpectCaretAlone(TextPoint p)
    {
        EXPECT_EQ(view->CursorPos(), p);
        EXPECT_EQ(view->Anchor(), p);
        EXPECT_FALSE(view->HasSelection());
    }
};

TEST_F(ViewMarksTest, NumberedBookmarksBySetAndGoKeys)
{
    SetLines({"zero", "one", "two", "three", "four", "five"});
    MakeView();
    view->SetCursorPos({2, 4});
    Press(Qt::Key_3, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Buffer().LineFlags(4), LineFlagBookmark(3));
    view->SetCursorPos({1, 1});
    view->SetSelection({0, 0}, {1, 1});
    Press(Qt::Key_3, Qt::AltModifier);
    ExpectCaretAlone({0, 4});
    // An unset bookmark leaves the caret where it is.
    view->SetCursorPos({1, 2});
    Press(Qt::Key_7, Qt::AltModifier);
    EXPECT_EQ(view->CursorPos(), (TextPoint{1, 2}));
}

TEST_F(ViewMarksTest, WalkingWaitsForAToggleInThisView)
{
    SetLines({"a", "b", "c", "d"});
    Buffer().ChangeLineFlag(1, LINEFLAG_MARK, true, false);
    MakeView();
    for (int id : {ID_EDIT_NEXT_BOOKMARK, ID_EDIT_PREVIOUS_BOOKMARK, ID_EDIT_CLEAR_BOOKMARKS})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_TRUE(Enabled(ID_EDIT_TOGGLE_BOOKMARK));
    view->SetCursorPos({1, 3});
    Press(Qt::Key_F2, Qt::ControlModifier);
    EXPECT_TRUE(Enabled(ID_EDIT_NEXT_BOOKMARK));
    Press(Qt::Key_F2, Qt::NoModifier);
    ExpectCaretAlone({0, 1});
    Press(Qt::Key_F2, Qt::NoModifier);
    ExpectCaretAlone({0, 3});
    Press(Qt::Key_F2, Qt::ShiftModifier);
    ExpectCaretAlone({0, 1});
    ASSERT_TRUE(view->OnCommand(ID_EDIT_SET_BOOKMARK_0 + 5));
    Press(Qt::Key_F2, Qt::ControlModifier | Qt::ShiftModifier);
    for (int line = 0; line < 4; ++line)
        EXPECT_EQ(Buffer().LineFlags(line), 0u) << line;
    EXPECT_FALSE(Enabled(ID_EDIT_CLEAR_BOOKMARKS));
    // A new text forgets that this view had set any.
    Press(Qt::Key_F2, Qt::ControlModifier);
    SetLines({"x"});
    EXPECT_FALSE(Enabled(ID_EDIT_NEXT_BOOKMARK));
}

TEST_F(ViewMarksTest, MatchBraceKeepsTheCaretsSideOfTheBracket)
{
    SetLines({"if (a(b)) {", "  c;", "}"});
    MakeView();
    view->SetCursorPos({10, 0});
    EXPECT_TRUE(Enabled(ID_EDIT_MATCH_BRACE));
    Press(Qt::Key_BracketRight, Qt::ControlModifier);
    ExpectCaretAlone({0, 2});
    // After the closing bracket: the caret goes after the opening one.
    view->SetCursorPos({1, 2});
    Press(Qt::Key_BracketRight, Qt::ControlModifier);
    ExpectCaretAlone({11, 0});
    view->SetCursorPos({1, 1});
    EXPECT_FALSE(Enabled(ID_EDIT_MATCH_BRACE));
    view->SetCursorPos({3, 0});
    EXPECT_TRUE(Enabled(ID_EDIT_MATCH_BRACE));
    ASSERT_TRUE(view->OnCommand(ID_EDIT_MATCH_BRACE));
    ExpectCaretAlone({8, 0});
}

} // namespace
