// Mouse selection: plain, Shift and Ctrl (words) clicks, the margin (lines, Ctrl for all),
// dragging, double and right clicks, clicks inside the selection and the drag data.
#include "ViewFixture.h"

#include <QMimeData>

namespace {

class ViewMouseTest : public ViewFixture {
protected:
    void SetUp() override
    {
        SetLines({"alpha beta gamma", "second line", "third", "last"});
        MakeView();
    }
    QPoint Margin(int line) { return {2, line * view->GetLineHeight() + 2}; }
};

TEST_F(ViewMouseTest, ClickLandsBeforeOrAfterACharacterByItsHalf)
{
    Click(CellLeft({2, 0}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{2, 0}));
    Click(CellCentre({2, 0}) + QPoint(1, 0));
    EXPECT_EQ(view->CursorPos(), (TextPoint{3, 0}));
    EXPECT_FALSE(view->HasSelection());
    // Past the line end and below the text.
    Click(QPoint(view->width() - 2, view->height() - 2));
    EXPECT_EQ(view->CursorPos(), (TextPoint{4, 3}));
}

TEST_F(ViewMouseTest, ShiftClickExtendsFromTheAnchorAndDraggingFollowsTheMouse)
{
    Click(CellLeft({6, 0}));
    Click(CellLeft({3, 1}), Qt::ShiftModifier);
    EXPECT_EQ(view->SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{3, 1}));

    Mouse(QEvent::MouseButtonPress, CellLeft({1, 2}));
    EXPECT_TRUE(view->IsDragSelecting());
    Mouse(QEvent::MouseMove, CellLeft({4, 2}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{1, 2}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{4, 2}));
    Mouse(QEvent::MouseButtonRelease, CellLeft({2, 3}));
    EXPECT_FALSE(view->IsDragSelecting());
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{2, 3}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{2, 3}));
}

TEST_F(ViewMouseTest, CtrlClickAndDragSelectWholeWords)
{
    Mouse(QEvent::MouseButtonPress, CellLeft({8, 0}), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(view->SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{10, 0}));
    // Dragging back before the anchor widens from the word at the mouse to the anchor's word.
    Mouse(QEvent::MouseMove, CellLeft({2, 0}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{0, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{10, 0}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{10, 0}));
    Mouse(QEvent::MouseButtonRelease, CellLeft({2, 1}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{6, 1}));
}

TEST_F(ViewMouseTest, MarginSelectsLinesAndCtrlInTheMarginSelectsAll)
{
    Click(Margin(1));
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{0, 1}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{0, 2}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{0, 1}));

    // The last line has no line break to take.
    Click(Margin(3));
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{0, 3}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{4, 3}));

    // Dragging in the margin takes whole lines in both directions.
    Mouse(QEvent::MouseButtonPress, Margin(2));
    Mouse(QEvent::MouseMove, Margin(0));
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{0, 0}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{0, 3}));
    Mouse(QEvent::MouseMove, Margin(3));
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{0, 2}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{4, 3}));
    Mouse(QEvent::MouseButtonRelease, Margin(3));

    Click(Margin(1), Qt::ControlModifier);
    EXPECT_EQ(view->OrderedSelection().start, (TextPoint{0, 0}));
    EXPECT_EQ(view->OrderedSelection().end, (TextPoint{4, 3}));
    EXPECT_FALSE(view->IsDragSelecting());
}

TEST_F(ViewMouseTest, DoubleClickSelectsTheWordAroundOrBeforeTheClick)
{
    Mouse(QEvent::MouseButtonDblClick, CellLeft({8, 0}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{10, 0}));
    EXPECT_EQ(view->CursorPos(), (TextPoint{10, 0}));
    // Right after a word: that word.
    Mouse(QEvent::MouseButtonDblClick, CellLeft({5, 0}));
    EXPECT_EQ(view->SelectionStart(), (TextPoint{0, 0}));
    EXPECT_EQ(view->SelectionEnd(), (TextPoint{5, 0}));
}

TEST_F(ViewMouseTest, ClickInsideTheSelectionPreparesADragOrPlacesTheCaretOnRelease)
{
    view->SetSelection({0, 1}, {6, 1});
    Click(CellLeft({3, 1}));
    EXPECT_FALSE(view->HasSelection());
    EXPECT_EQ(view->CursorPos(), (TextPoint{3, 1}));

    view->SetSelection({0, 0}, {3, 1});
    std::unique_ptr<QMimeData> data(view->PrepareDragData());
    ASSERT_TRUE(data);
    EXPECT_EQ(data->text(), QStringLiteral("alpha beta gamma\r\nsec"));

    // With drag and drop switched off a click inside the selection starts a new one.
    Preferences().SetOn(Switch::DragDropDisabled, true);
    Mouse(QEvent::MouseButtonPress, CellLeft({1, 1}));
    EXPECT_TRUE(view->IsDragSelecting());
    EXPECT_FALSE(view->HasSelection());
    Mouse(QEvent::MouseButtonRelease, CellLeft({1, 1}));
}

TEST_F(ViewMouseTest, RightClickKeepsTheSelectionOnlyWhenInsideIt)
{
    view->SetSelection({0, 0}, {5, 0});
    Mouse(QEvent::MouseButtonPress, CellLeft({2, 0}), Qt::RightButton);
    EXPECT_TRUE(view->HasSelection());
    Mouse(QEvent::MouseButtonPress, CellLeft({2, 2}), Qt::RightButton);
    EXPECT_FALSE(view->HasSelection());
    EXPECT_EQ(view->CursorPos(), (TextPoint{2, 2}));
    EXPECT_EQ(view->Anchor(), (TextPoint{2, 2}));
}

} // namespace
