// The view model without a display: the movement commands and the scrolling they ask for,
// mouse selection by characters, words and lines, and caret, selection, anchor, dragged range
// and first line carried across changes of a buffer.
#include "support/RecordingView.h"
#include "text/KTextBuffer.h"
#include "view/core/ViewModel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

void PrintTo(const TextPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

namespace {

// A window of a fixed size over a buffer: it records what the model asks of it and, as the
// recording view, carries the model across the buffer's changes.
class FakeWindow : public RecordingView, public CViewModelHost {
public:
    FakeWindow(CKTextBuffer& buffer, int lines, int chars)
        : m_buffer(buffer), m_lines(lines), m_chars(chars)
    {
        m_buffer.AttachView(this);
    }
    ~FakeWindow() override { m_buffer.DetachView(this); }

    void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                         int line) override
    {
        RecordingView::OnBufferChanged(source, ctx, flags, line);
        if (ctx)
            model.Carry(*ctx);
    }

    int LineCount() const override { return std::max(m_buffer.LineCount(), 1); }
    std::string_view Line(int line) const override
    {
        return line < m_buffer.LineCount() ? m_buffer.Line(line) : std::string_view();
    }
    int TabSize() const override { return 4; }
    int ScreenLines() override { return m_lines; }
    int ScreenChars() override { return m_chars; }
    int LargestLineWidth() override
    {
        int widest = 0;
        for (int l = 0; l < LineCount(); ++l)
            widest = std::max(widest, model.ColumnOfChar(l, static_cast<int>(Line(l).size())));
        return widest;
    }
    void ScrollToLine(int top, bool immediate) override
    {
        scrolls.push_back({top, immediate});
        model.SetTopLine(top);
    }
    void ScrollToColumn(int offset) override { model.SetOffsetChar(offset); }
    void SelectionChanged(TextRange, TextRange) override { ++selectionChanges; }
    void CaretMoved() override { ++caretMoves; }

    CTextViewModel model{*this};
    std::vector<std::pair<int, bool>> scrolls;
    int selectionChanges = 0;
    int caretMoves = 0;

private:
    CKTextBuffer& m_buffer;
    int m_lines;
    int m_chars;
};

class ViewModelTest : public testing::Test {
protected:
    void SetText(const std::vector<std::string>& lines)
    {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n" : "") + lines[i];
        buffer.InitEmpty(LineEnding::Dos, CodePage::Windows1251);
        int line, ch;
        buffer.InsertText(nullptr, 0, 0, text, line, ch, 0);
        window.model.Reset();
    }
    void Insert(TextPoint at, const std::string& text)
    {
        int line, ch;
        buffer.InsertText(nullptr, at.y, at.x, text, line, ch, 0);
    }
    void Delete(TextPoint from, TextPoint to)
    {
        buffer.DeleteText(nullptr, from.y, from.x, to.y, to.x, 0);
    }

    CKTextBuffer buffer;
    FakeWindow window{buffer, 5, 20};
    CTextViewModel& model = window.model;
};

TEST_F(ViewModelTest, PageDownScrollsOneScreenLessALineAndTakesTheCaretAlong)
{
    SetText(std::vector<std::string>(30, "line"));
    model.SetCursor({2, 1});
    model.MovePageDown(false);
    EXPECT_EQ(model.TopLine(), 4);
    EXPECT_EQ(model.Cursor(), (TextPoint{2, 5}));
    EXPECT_EQ(window.scrolls.front(), (std::pair<int, bool>{4, false}));
    model.MovePageDown(true);
    EXPECT_EQ(model.Cursor(), (TextPoint{2, 9}));
    EXPECT_EQ(model.Anchor(), (TextPoint{2, 5}));
    EXPECT_EQ(model.OrderedSelection().start, (TextPoint{2, 5}));

    model.MoveTextEnd(false);
    EXPECT_EQ(model.TopLine(), 25); // the last line at the bottom of the screen
    model.MovePageUp(false);
    EXPECT_EQ(model.TopLine(), 21);
    EXPECT_EQ(model.Cursor(), (TextPoint{4, 25}));
    EXPECT_FALSE(model.HasSelection());

    // Ctrl+Down moves the screen, not the caret; it stops at the last line.
    model.ScrollOneLine(1);
    EXPECT_EQ(model.TopLine(), 22);
    EXPECT_EQ(model.Cursor(), (TextPoint{4, 25}));
    model.SetTopLine(29);
    model.ScrollOneLine(1);
    EXPECT_EQ(model.TopLine(), 29);
}

TEST_F(ViewModelTest, RevealKeepsFiveColumnsRightOfTheCaret)
{
    SetText({std::string(60, 'x')});
    model.SetCursor({0, 0});
    model.MoveLineEnd(false);
    EXPECT_EQ(model.OffsetChar(), 60 - 20 + 5);
    model.MoveHome(false);
    EXPECT_EQ(model.OffsetChar(), 0);
}

TEST_F(ViewModelTest, RevealWithContextShowsLinesAroundTheTarget)
{
    // Five screen lines leave two lines of context on either side.
    SetText(std::vector<std::string>(30, "line"));
    const struct {
        int top;
        int target;
        int expectedTop;
    } cases[] = {
        {0, 10, 8},  // below the screen: two lines show under it
        {20, 3, 1},  // above: two lines show over it
        {0, 2, 0},   // with its context on the screen already: no scrolling
        {0, 3, 1},   // on the screen but too near its bottom
        {10, 11, 9}, // too near its top
        {0, 29, 25}, // the last line: no screen past the end of the text
        {0, 1, 0},   // the first lines have no more above them
    };
    for (const auto& c : cases) {
        model.SetTopLine(c.top);
        model.RevealWithContext({0, c.target});
        EXPECT_EQ(model.TopLine(), c.expectedTop) << c.top << " -> " << c.target;
    }
}

TEST_F(ViewModelTest, MouseSelectsCharactersWordsAndLines)
{
    SetText({"alpha beta gamma", "second line", "third"});
    // Ctrl+click and drag: whole words at both ends.
    model.StartCharSelection({8, 0}, false, true);
    EXPECT_EQ(model.SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{10, 0}));
    model.TrackSelection({2, 1}, false, false);
    EXPECT_EQ(model.SelectionStart(), (TextPoint{6, 0}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{6, 1}));
    EXPECT_TRUE(model.WordMode());

    // Shift+click keeps the anchor.
    model.StartCharSelection({3, 2}, true, false);
    EXPECT_EQ(model.SelectionStart(), (TextPoint{8, 0}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{3, 2}));

    // The margin: whole lines, upward from the anchor line too; into the text leaves line
    // mode for characters.
    model.StartLineSelection(1, false);
    EXPECT_EQ(model.SelectionStart(), (TextPoint{0, 2}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{0, 1}));
    model.TrackSelection({0, 0}, true, false);
    EXPECT_EQ(model.OrderedSelection().start, (TextPoint{0, 0}));
    EXPECT_EQ(model.OrderedSelection().end, (TextPoint{0, 2}));
    model.TrackSelection({2, 2}, true, true);
    EXPECT_EQ(model.OrderedSelection().start, (TextPoint{0, 1}));
    EXPECT_EQ(model.OrderedSelection().end, (TextPoint{5, 2})); // the last line: its end
    EXPECT_TRUE(model.LineMode());
    model.TrackSelection({4, 0}, false, false);
    EXPECT_FALSE(model.LineMode());
    EXPECT_EQ(model.SelectionStart(), (TextPoint{0, 1}));
    EXPECT_EQ(model.Cursor(), (TextPoint{4, 0}));

    model.SelectWordAt({13, 0});
    EXPECT_EQ(model.SelectionStart(), (TextPoint{11, 0}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{16, 0}));
    EXPECT_EQ(model.Cursor(), (TextPoint{16, 0}));
    model.SelectAll();
    EXPECT_EQ(model.OrderedSelection().end, (TextPoint{5, 2}));
}

TEST_F(ViewModelTest, PositionsAreCarriedAcrossInsertsAndDeletes)
{
    SetText(std::vector<std::string>(12, "0123456789"));
    model.SetTopLine(8);
    model.SetSelection({2, 9}, {6, 10});
    model.SetAnchor({2, 9});
    model.SetCursor({6, 10});

    // Two lines inserted above: everything moves down, the first line too.
    Insert({0, 3}, "new\r\nlines\r\n");
    EXPECT_EQ(model.TopLine(), 10);
    EXPECT_EQ(model.SelectionStart(), (TextPoint{2, 11}));
    EXPECT_EQ(model.Cursor(), (TextPoint{6, 12}));

    // Text inserted before the selection on its first line shifts that end only.
    Insert({0, 11}, "ab");
    EXPECT_EQ(model.SelectionStart(), (TextPoint{4, 11}));
    EXPECT_EQ(model.Anchor(), (TextPoint{4, 11}));
    EXPECT_EQ(model.SelectionEnd(), (TextPoint{6, 12}));

    // The dragged range follows only while a drag runs.
    model.StartTextDrag({{4, 11}, {6, 12}});
    Insert({0, 0}, "x\r\n");
    EXPECT_EQ(model.DraggedRange().start, (TextPoint{4, 12}));
    model.EndTextDrag();
    Insert({0, 0}, "y\r\n");
    EXPECT_EQ(model.DraggedRange().start, (TextPoint{4, 12}));
    EXPECT_EQ(model.SelectionStart(), (TextPoint{4, 13}));

    // A deletion over the caret's lines brings every position to its start; the first line
    // stays inside the text.
    Delete({0, 5}, {0, buffer.LineCount() - 1});
    EXPECT_EQ(model.Cursor(), (TextPoint{0, 5}));
    EXPECT_EQ(model.SelectionStart(), (TextPoint{0, 5}));
    EXPECT_EQ(model.Anchor(), (TextPoint{0, 5}));
    EXPECT_LE(model.TopLine(), buffer.LineCount() - 1);
    EXPECT_TRUE(window.notifications.back().hasContext);
}

TEST_F(ViewModelTest, SelectionChangesAreReportedOnlyWhenTheyHappen)
{
    SetText({"abc", "def"});
    const int before = window.selectionChanges;
    model.SetSelection({0, 0}, {0, 0});
    EXPECT_EQ(window.selectionChanges, before);
    model.MoveCharRight(true);
    EXPECT_EQ(window.selectionChanges, before + 1);
    EXPECT_GT(window.caretMoves, 0);
    EXPECT_EQ(model.IdealColumn(), 1);
}

} // namespace
