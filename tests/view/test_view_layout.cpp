// Layout arithmetic of the view, its caches across buffer changes, scrolling by bars and
// wheels, positions carried across changes made elsewhere, the status pane texts, binding a
// derived view, and the font and other settings the view follows.
#include "ViewFixture.h"

#include "res/CommandIds.h"
#include "text/KTextBuffer.h"
#include "view/ViewFont.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstring>

namespace {

class ViewLayoutTest : public ViewFixture {};

TEST_F(ViewLayoutTest, PixelsAndPositionsFollowTheFontTabsAndMargin)
{
    SetLines({"a\tb", "xyz"});
    CKTextView& v = MakeView();
    const int cw = v.GetCharWidth(), lh = v.GetLineHeight();
    EXPECT_GT(cw, 3);
    EXPECT_GT(lh, cw);
    EXPECT_EQ(v.MarginWidth(), 20);
    EXPECT_EQ(v.PositionToPixel({2, 0}), QPoint(20 + 4 * cw, 0));
    EXPECT_EQ(v.PositionToPixel({1, 1}), QPoint(20 + cw, lh));
    EXPECT_EQ(v.PixelToPosition(20 + 3 * cw + 1, 1), (TextPoint{1, 0})); // inside the tab
    EXPECT_EQ(v.PixelToPosition(20 + 4 * cw, 1), (TextPoint{2, 0}));
    EXPECT_EQ(v.PixelToPosition(5, lh + 1), (TextPoint{0, 1}));
    EXPECT_EQ(v.PixelToPosition(500, 50 * lh), (TextPoint{3, 1}));

    // Each change of the preferences reaches the view at once.
    Preferences().SetTabSize(8);
    EXPECT_EQ(v.ColumnOfChar(0, 2), 8);
    Preferences().SetTabSize(0);
    EXPECT_EQ(v.ColumnOfChar(0, 2), 4);
    EXPECT_EQ(v.MarginWidth(), 20);
    Preferences().SetOn(Switch::SelectionMargin, false);
    EXPECT_EQ(v.MarginWidth(), 1);
    EXPECT_EQ(v.PositionToPixel({0, 0}).x(), 1);

    // Changes made as one batch reach it together when the batch ends.
    {
        CPreferenceBatch batch(Preferences());
        Preferences().SetTabSize(2);
        Preferences().SetOn(Switch::SelectionMargin, true);
        EXPECT_EQ(v.MarginWidth(), 1);
        EXPECT_EQ(v.ColumnOfChar(0, 2), 4);
    }
    EXPECT_EQ(v.MarginWidth(), 20);
    EXPECT_EQ(v.ColumnOfChar(0, 2), 2);
}

TEST_F(ViewLayoutTest, EditingOneLineForgetsTheParseStatesFromThatLineDown)
{
    std::vector<std::string> lines(30, "<p class=\"x\">text</p>");
    SetLines(lines);
    CKTextView& v = MakeView();
    v.StateBeforeLine(29);
    for (int line = 0; line < 29; ++line)
        ASSERT_NE(v.StateCache().At(line), CParseStateCache::kUnknown) << line;

    int endLine, endChar;
    Buffer().InsertText(nullptr, 10, 3, "x", endLine, endChar, 0);
    for (int line = 0; line < 10; ++line)
        EXPECT_NE(v.StateCache().At(line), CParseStateCache::kUnknown) << line;
    for (int line = 10; line < 29; ++line)
        EXPECT_EQ(v.StateCache().At(line), CParseStateCache::kUnknown) << line;

    // New lines resize the cache and keep the states above the change.
    v.StateBeforeLine(29);
    Buffer().InsertText(nullptr, 20, 0, "<!--\r\n\r\n", endLine, endChar, 0);
    EXPECT_EQ(v.StateCache().Count(), 32);
    EXPECT_NE(v.StateCache().At(19), CParseStateCache::kUnknown);
    EXPECT_EQ(v.StateCache().At(20), CParseStateCache::kUnknown);
    // The open comment now carries into the lines below it.
    EXPECT_NE(v.StateBeforeLine(22), v.StateBeforeLine(20));

    // Painting keeps the states of the painted lines and computes nothing below them.
    v.OnSourceTypeChanged();
    v.grab();
    ASSERT_TRUE(v.StateCache().Allocated());
    EXPECT_NE(v.StateCache().At(5), CParseStateCache::kUnknown);
    EXPECT_EQ(v.StateCache().At(20), CParseStateCache::kUnknown);
}

TEST_F(ViewLayoutTest, ChangesMadeElsewhereCarryCaretSelectionAndTopLine)
{
    std::vector<std::string> lines(50, "line");
    SetLines(lines);
    CKTextView& v = MakeView(10);
    v.ScrollTopTo(20, true);
    v.SetCursorPos({2, 30});
    v.SetAnchor({1, 25});
    v.SetSelection({1, 25}, {2, 30});
    int endLine, endChar;
    Buffer().InsertText(nullptr, 5, 0, "a\r\nb\r\nc", endLine, endChar, 0);
    EXPECT_EQ(v.TopLine(), 22);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 32}));
    EXPECT_EQ(v.SelectionStart(), (TextPoint{1, 27}));
    EXPECT_EQ(v.Anchor(), (TextPoint{1, 27}));
    Buffer().DeleteText(nullptr, 26, 0, 31, 0, 0);
    EXPECT_EQ(v.CursorPos(), (TextPoint{2, 27}));
    EXPECT_EQ(v.SelectionStart(), (TextPoint{0, 26}));

    // Loading resets the view.
    Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
    EXPECT_EQ(v.TopLine(), 0);
    EXPECT_EQ(v.CursorPos(), (TextPoint{0, 0}));
    EXPECT_FALSE(v.HasSelection());
}

TEST_F(ViewLayoutTest, ScrollBarsFollowTheTextAndStepAsTheViewDoes)
{
    std::vector<std::string> lines(100, "x");
    lines[7] = std::string(300, 'y');
    SetLines(lines);
    CKTextView& v = MakeView(30, 40);
    QScrollBar* vertical = v.verticalScrollBar();
    QScrollBar* horizontal = v.horizontalScrollBar();
    EXPECT_EQ(vertical->maximum(), 100 - 30);
    EXPECT_EQ(vertical->pageStep(), 30);
    EXPECT_EQ(horizontal->maximum(), 300 - 40);

    vertical->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v.TopLine(), 29);
    EXPECT_EQ(vertical->value(), 29);
    vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(v.TopLine(), 28);
    vertical->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(v.TopLine(), 71);
    horizontal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(v.OffsetChar(), 22);
    horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
    horizontal->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(v.OffsetChar(), 0);

    // Once everything fits, the view scrolls back to the top.
    Buffer().DeleteText(nullptr, 5, 0, 99, 1, 0);
    EXPECT_EQ(v.TopLine(), 0);
    EXPECT_EQ(vertical->maximum(), 0);
}

TEST_F(ViewLayoutTest, StatusPanesShowColumnLineLineEndingAndCodePage)
{
    SetLines({"\tx", "y"});
    CKTextView& v = MakeView();
    EXPECT_EQ(v.Status().position, "Col 1,Ln 1");
    v.SetCursorPos({1, 0});
    EXPECT_EQ(v.Status().position, "Col 5,Ln 1");
    v.SetCursorPos({1, 1});
    EXPECT_EQ(v.Status().position, "Col 2,Ln 2");

    EXPECT_EQ(v.Status().lineEnding, "CRLF: DOS");
    EXPECT_EQ(v.Status().codePage, "ENC: WIN");
    Buffer().SetLineEnding(LineEnding::Unix);
    Buffer().SetCodePage(CodePage::Koi8R);
    EXPECT_EQ(v.Status().lineEnding, "CRLF: UNIX");
    EXPECT_EQ(v.Status().codePage, "ENC: KOI");
    Buffer().SetCodePage(CodePage::Utf8);
    EXPECT_EQ(v.Status().codePage, "ENC: UTF8");
    Buffer().SetLineEnding(LineEnding::Macintosh);
    EXPECT_EQ(v.Status().lineEnding, "CRLF: UNIX"); // both LF modes write the same byte
    // Values without a text leave their panes empty.
    Buffer().SetLineEnding(static_cast<LineEnding>(7));
    Buffer().SetCodePage(static_cast<CodePage>(-1));
    EXPECT_EQ(v.Status().lineEnding, "");
    EXPECT_EQ(v.Status().codePage, "");
}

// A view that derives from the text view, as the editing view does.
class DerivedView : public CKTextView {
    friend class CKTextView;

public:
    int LineCount() const override { return CKTextView::LineCount() + 5; }
    void ResetLayout() override
    {
        ++resets;
        CKTextView::ResetLayout();
    }
    int resets = 0;

protected:
    using CKTextView::CKTextView;
};

TEST_F(ViewLayoutTest, DerivedViewsOverridesTakePartFromTheFirstBind)
{
    SetLines(std::vector<std::string>(20, "x"));
    std::unique_ptr<DerivedView> derived(CKTextView::Create<DerivedView>(*doc));
    EXPECT_GE(derived->resets, 1);
    derived->resize(200, 10 * derived->GetLineHeight());
    derived->show();
    // The scroll range counts the derived view's lines.
    EXPECT_EQ(derived->verticalScrollBar()->maximum(), 25 - derived->ScreenLines());
    ASSERT_EQ(doc->Views().size(), 1u);
    derived.reset();
    EXPECT_TRUE(doc->Views().empty());
}

TEST_F(ViewLayoutTest, FontFollowsTheSettingsTheDefaultFaceBeingTheDesktopsFixedFont)
{
    SetLines({"abc"});
    CKTextView& v = MakeView();
    // The record's default face stands for the desktop's fixed-pitch font.
    EXPECT_EQ(Preferences().Font().FaceName(), "Courier");
    v.grab();
    const int defaultHeight = v.GetLineHeight();
    EXPECT_EQ(QFontInfo(MakeViewFont(Preferences().Font())).family(),
              QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family());

    // A face the user chose is taken by name; every open view follows the change.
    LogFont font = Preferences().Font();
    std::fill(font.faceName.begin(), font.faceName.end(), '\0');
    std::memcpy(font.faceName.data(), "DejaVu Sans Mono", 16);
    font.height = -30;
    Preferences().SetFont(font);
    EXPECT_EQ(QFontInfo(MakeViewFont(Preferences().Font())).family(),
              QStringLiteral("DejaVu Sans Mono"));
    EXPECT_GT(v.GetLineHeight(), defaultHeight);
    EXPECT_EQ(v.PositionToPixel({0, 1}).y(), v.GetLineHeight());
}

TEST_F(ViewLayoutTest, WheelFractionsAddUpAndTouchpadPixelsScrollByLines)
{
    SetLines(std::vector<std::string>(100, "line"));
    CKTextView& v = MakeView(10);
    const auto wheel = [&](QPoint pixels, QPoint angle) {
        QWheelEvent event(QPointF(50, 50), v.viewport()->mapToGlobal(QPointF(50, 50)), pixels,
                          angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v.viewport(), &event);
    };
    const int lines = QApplication::wheelScrollLines();
    v.ScrollTopTo(50, true);
    // A high-resolution wheel: three eighths of a notch do nothing, the fourth completes one.
    for (int i = 0; i < 3; ++i)
        wheel({}, {0, -30});
    EXPECT_EQ(v.TopLine(), 50);
    wheel({}, {0, -30});
    EXPECT_EQ(v.TopLine(), 50 + lines);
    // A touchpad: pixels, by whole lines, the rest kept.
    const int top = v.TopLine();
    wheel({0, 2 * v.GetLineHeight() + 1}, {0, 240});
    EXPECT_EQ(v.TopLine(), top - 2);
    wheel({0, v.GetLineHeight() - 1}, {0, 120});
    EXPECT_EQ(v.TopLine(), top - 3);
}

} // namespace
