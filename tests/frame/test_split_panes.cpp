// Window > Split: four panes of one document whose rows share the top line and whose columns
// share the horizontal offset; splitting again leaves the active pane alone.
#include "frame/SplitPanes.h"
#include "res/CommandIds.h"
#include "view/ViewFixture.h"

#include <QScrollBar>

namespace {

class SplitPanesTest : public ViewFixture {};

CKTextView& TextView(CKDocView* view) { return *dynamic_cast<CKTextView*>(view); }

TEST_F(SplitPanesTest, RowsShareTheTopLineAndColumnsTheOffset)
{
    SetLines(std::vector<std::string>(200, std::string(300, 'x')));
    CKSplitPanes panes(*doc, [](CTagwrightDoc& d, QWidget* parent) -> CKDocView* {
        return CKTextView::Create(d, parent);
    });
    panes.resize(800, 600);
    panes.show();
    CKTextView& first = TextView(panes.ActiveView());
    first.ScrollTopTo(40, true);
    first.ScrollLeftTo(7, true);
    ASSERT_EQ(doc->Views().size(), 1u);

    panes.ToggleSplit();
    ASSERT_TRUE(panes.IsSplit());
    EXPECT_EQ(doc->Views().size(), 4u);
    CKTextView& right = TextView(panes.Pane(0, 1));
    CKTextView& below = TextView(panes.Pane(1, 0));
    CKTextView& diagonal = TextView(panes.Pane(1, 1));
    EXPECT_EQ(right.TopLine(), 40);
    EXPECT_EQ(below.OffsetChar(), 7);
    EXPECT_EQ(diagonal.TopLine(), 40);
    EXPECT_EQ(diagonal.OffsetChar(), 7);

    below.OnCommand(ID_EDIT_SCROLL_DOWN);
    EXPECT_EQ(diagonal.TopLine(), 41);
    EXPECT_EQ(first.TopLine(), 40);
    right.horizontalScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(right.OffsetChar(), 29);
    EXPECT_EQ(diagonal.OffsetChar(), 29);
    EXPECT_EQ(first.OffsetChar(), 7);

    // Each pane keeps its own caret.
    below.SetCursorPos({3, 50});
    EXPECT_EQ(first.CursorPos(), (TextPoint{0, 0}));

    diagonal.setFocus();
    QApplication::processEvents();
    panes.ToggleSplit();
    EXPECT_FALSE(panes.IsSplit());
    EXPECT_EQ(doc->Views().size(), 1u);
    EXPECT_EQ(panes.Views().size(), 1u);
}

} // namespace
