// The state of a text view without its pixels: caret, anchor, selection and its mouse modes,
// the ideal column, the first visible line and column, every caret movement, and the carrying
// of all of it across changes of the text.
#pragma once

#include "text/TextLines.h"
#include "text/TextTypes.h"
#include "view/core/CaretMoves.h"

#include <string_view>

// What the model asks of the window that shows it; its lines are the text, and a view with no
// text answers one empty line.
class CViewModelHost : public CTextLines {
public:
    virtual int TabSize() const = 0;

    // The window's size in whole lines and columns, and the widest line in columns.
    virtual int ScreenLines() = 0;
    virtual int ScreenChars() = 0;
    virtual int LargestLineWidth() = 0;

    // A command scrolls: the window moves to the new first line (smoothly unless immediate)
    // or first column, sets them in the model and tells the panes it shares a row or column
    // with.
    virtual void ScrollToLine(int top, bool immediate) = 0;
    virtual void ScrollToColumn(int offset) = 0;
    // The selection ends changed from before to after (start and end as set, not ordered).
    virtual void SelectionChanged(TextRange before, TextRange after) = 0;
    // The caret moved or the whole selection may look different.
    virtual void CaretMoved() = 0;
};

class CTextViewModel {
public:
    explicit CTextViewModel(CViewModelHost& host) : m_host(host) {}
    CTextViewModel(const CTextViewModel&) = delete;
    CTextViewModel& operator=(const CTextViewModel&) = delete;

    // Everything back to the start of the text, nothing selected.
    void Reset();

    // ---- State --------------------------------------------------------------------------
    TextPoint Cursor() const { return m_cursor; }
    // Moves the caret without touching anchor or selection; the column becomes the ideal one.
    void SetCursor(TextPoint p);
    TextPoint Anchor() const { return m_anchor; }
    void SetAnchor(TextPoint p) { m_anchor = p; }
    TextPoint SelectionStart() const { return m_selStart; }
    TextPoint SelectionEnd() const { return m_selEnd; }
    void SetSelection(TextPoint start, TextPoint end);
    bool HasSelection() const { return !(m_selStart == m_selEnd); }
    TextRange OrderedSelection() const { return Ordered(m_selStart, m_selEnd); }
    bool IsInsideSelection(TextPoint p) const { return IsInside(OrderedSelection(), p); }
    int IdealColumn() const { return m_idealColumn; }

    int TopLine() const { return m_topLine; }
    void SetTopLine(int line) { m_topLine = line; }
    int OffsetChar() const { return m_offsetChar; }
    void SetOffsetChar(int column) { m_offsetChar = column; }

    // ---- Columns ------------------------------------------------------------------------
    int ColumnOfChar(int line, int index) const;
    int CharOfColumn(int line, int column) const;
    // The character whose cell holds the column.
    int CharAtColumn(int line, int column) const;
    TextPoint LastLineEnd() const;

    // ---- Commands -----------------------------------------------------------------------
    // With extend the anchor stays and the selection grows; without it the anchor follows.
    void MoveCharLeft(bool extend);
    void MoveCharRight(bool extend);
    void MoveWordLeft(bool extend);
    void MoveWordRight(bool extend);
    void MoveLineUp(bool extend);
    void MoveLineDown(bool extend);
    void MovePageUp(bool extend);
    void MovePageDown(bool extend);
    void MoveHome(bool extend);
    void MoveLineEnd(bool extend);
    void MoveTextBegin(bool extend);
    void MoveTextEnd(bool extend);
    // Ctrl+Up and Ctrl+Down: one line, the caret stays.
    void ScrollOneLine(int direction);
    void SelectAll();
    // Scrolls so that p is on the screen, a few columns from the right edge.
    void RevealPosition(TextPoint p);
    // The same for a place the user jumped to (a match, a line, an expansion): a few lines
    // of the text around it show too, where the screen and the text allow.
    void RevealWithContext(TextPoint p);
    // Scrolls to a first line or column, kept inside the text; nothing when it is already
    // there.
    void ScrollVertically(int top, bool immediate);
    void ScrollHorizontally(int offset);

    // ---- Mouse --------------------------------------------------------------------------
    // A click in the text at p: Shift keeps the anchor, Ctrl selects whole words.
    void StartCharSelection(TextPoint p, bool keepAnchor, bool words);
    // A click in the margin beside line: whole lines.
    void StartLineSelection(int line, bool keepAnchor);
    // The mouse at p while the button is down; inMargin over the margin; finalMove on release.
    void TrackSelection(TextPoint p, bool inMargin, bool finalMove);
    // The selection's moving end to p (auto-scrolling while the button is down).
    void ExtendTo(TextPoint p);
    // Double click: the word at p.
    void SelectWordAt(TextPoint p);
    // A click that selects nothing: the caret and anchor to p.
    void PlaceAt(TextPoint p);
    bool WordMode() const { return m_wordMode; }
    bool LineMode() const { return m_lineMode; }

    // ---- Dragging the selection out -----------------------------------------------------
    // The dragged range is carried across changes while a drag runs.
    void StartTextDrag(TextRange range);
    void EndTextDrag() { m_draggingText = false; }
    bool DraggingText() const { return m_draggingText; }
    TextRange DraggedRange() const { return {m_dragStart, m_dragEnd}; }

    // ---- Changes of the text ------------------------------------------------------------
    // Carries caret, anchor, selection, dragged range and first line across a change.
    // Returns whether the first line moved.
    bool Carry(const UpdateContext& ctx);

private:
    void FinishMove(bool extend, bool keepIdealColumn = false);
    void SelectWordsBetween(TextPoint anchor, TextPoint cursor);
    TextPoint LineAfter(int line) const;
    int LineLength(int line) const { return static_cast<int>(m_host.Line(line).size()); }
    const CTextLines& Text() const { return m_host; }

    CViewModelHost& m_host;
    TextPoint m_cursor;
    TextPoint m_anchor;
    TextPoint m_selStart;
    TextPoint m_selEnd;
    int m_idealColumn = -1;
    int m_topLine = 0;
    int m_offsetChar = 0;
    bool m_wordMode = false;
    bool m_lineMode = false;
    bool m_draggingText = false;
    TextPoint m_dragStart;
    TextPoint m_dragEnd;
};
