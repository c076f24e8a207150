// The read-only text view: shows a text buffer with syntax colours, scrolls, moves the caret,
// selects with keys and mouse, copies and drags text out. The editing view derives from it.
#pragma once

#include "doc/DocView.h"
#include "doc/core/GlobalSettings.h"
#include "res/CommandIds.h"
#include "syntax/LineParse.h"
#include "text/TextTypes.h"
#include "view/core/CaretMoves.h"
#include "view/core/LineCaches.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPixmap>
#include <QRawFont>

#include <array>
#include <optional>
#include <string>
#include <vector>

class CKTextBuffer;
class CKViewSiblings;
class QMimeData;

class CKTextView : public QAbstractScrollArea,
                   public CKDocView,
                   public CKBufferView,
                   public CLineSource {
    Q_OBJECT
public:
    explicit CKTextView(CTagwrightDoc& doc, QWidget* parent = nullptr);
    ~CKTextView() override;

    // The document view.
    QWidget* Widget() override { return this; }
    CTagwrightDoc& Document() override { return m_doc; }
    void OnSourceTypeChanged() override;
    bool PaneText(int paneId, QString& text) override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(CmdUI& ui) override;

    // Layout.
    virtual void ResetLayout();
    virtual void SyncSiblings(bool vertical);
    virtual void FollowSibling(const CKTextView& source, bool vertical);
    virtual int LineCount() const;
    int LineLength(int line) const override;
    const char* LineText(int line) const override;
    std::string_view Line(int line) const { return {LineText(line), size_t(LineLength(line))}; }
    virtual int DisplayWidth(int line);
    virtual uint32_t LineFlags(int line) const;
    virtual void CopyText(TextPoint start, TextPoint end, std::string& out) const;
    virtual bool ClipboardHasText() const;
    virtual bool PutToClipboard(const std::string& text);
    virtual bool GetFromClipboard(std::string& text) const;
    // The ordered selection as plain text for a drag; remembers the dragged range.
    virtual QMimeData* PrepareDragData();
    virtual Qt::DropActions DragEffects() const { return Qt::CopyAction; }
    virtual void AfterDragDrop(Qt::DropAction) {}
    // Background and text colour (0xRRGGBB) of a line by its flags; present false for none.
    struct Highlight {
        bool present = false;
        QColor background, text;
        bool fillRest = false;
    };
    virtual Highlight LineHighlight(int line) const;
    // Paint one line (or -1 below the text) and its margin into a strip one line high.
    virtual void PaintLine(QPainter& painter, const QRect& rect, int line);
    virtual void PaintMargin(QPainter& painter, const QRect& rect, int line);
    virtual uint32_t ParseLine(uint32_t state, int line, ColourBlock* blocks, int& count);
    virtual CKTextBuffer* DocumentBuffer() const;
    void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                         int line) override;
    void OnEditAction(int, const char*, int) override {}

    // Binds to a buffer; null binds to the document's.
    void BindBuffer(CKTextBuffer* buffer);
    CKTextBuffer* Buffer() const { return m_buffer; }
    void ApplyFont(const LogFont& description);
    void SetViewWhitespace(bool on);
    bool ViewWhitespace() const { return m_viewWhitespace; }
    void SetSiblings(CKViewSiblings* siblings) { m_siblings = siblings; }

    int ColumnOfChar(int line, int index) const;
    int CharOfColumn(int line, int column) const;
    TextPoint PixelToPosition(int x, int y);
    QPoint PositionToPixel(TextPoint p);
    uint32_t StateBeforeLine(int line);
    void ScrollTopTo(int newTop, bool immediate, bool updateBar = true);
    void ScrollLeftTo(int newOffset, bool immediate, bool updateBar = true);
    void RevealPosition(TextPoint p);
    void PlaceCaret();
    void RepaintLines(int first, int last = -1);

    int GetLineHeight();
    int GetCharWidth();
    int ScreenLines();
    int ScreenChars();
    int LargestLineWidth();
    int MarginWidth() const;
    int TopLine() const { return m_topLine; }
    int OffsetChar() const { return m_offsetChar; }

    // Caret and selection.
    TextPoint CursorPos() const { return m_cursor; }
    void SetCursorPos(TextPoint p);
    TextPoint Anchor() const { return m_anchor; }
    void SetAnchor(TextPoint p) { m_anchor = p; }
    void SetSelection(TextPoint start, TextPoint end);
    TextPoint SelectionStart() const { return m_selStart; }
    TextPoint SelectionEnd() const { return m_selEnd; }
    bool HasSelection() const { return !(m_selStart == m_selEnd); }
    TextRange OrderedSelection() const { return Ordered(m_selStart, m_selEnd); }
    bool IsInsideSelection(TextPoint p) const { return IsInside(OrderedSelection(), p); }
    int IdealColumn() const { return m_idealColumn; }
    bool IsDragSelecting() const { return m_dragSelecting; }
    bool IsCaretShown() const { return m_caretShown; }
    QRect CaretRect() const { return m_caretRect; }

    // Paints the client area's strips that meet dirty onto painter, as the screen shows them.
    void PaintClient(QPainter& painter, const QRect& dirty);

    // The caches, for measurements.
    size_t CacheBytes() const { return m_states.Bytes() + m_widths.Bytes(); }
    const CParseStateCache& StateCache() const { return m_states; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int, int) override {}
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

    GlobalSettings& Settings() const;
    const CCaretText CaretText() const { return CCaretText(*this, LineCount()); }

    bool m_vertBarSuspended = false;
    bool m_horzBarSuspended = false;

private:
    // Scroll bars.
    void RecalcVertBar(bool positionOnly = false);
    void RecalcHorzBar(bool positionOnly = false);
    void OnVertBarAction(int action);
    void OnHorzBarAction(int action);
    void ScrollVertically(int newTop, bool immediate);
    void ScrollHorizontally(int newOffset);

    // Painting.
    void MeasureFont();
    const QFont& ViewFont();
    QColor ClassText(int colourClass) const;
    QColor ClassBackground(int colourClass) const;
    void PaintRun(QPainter& painter, QPoint& origin, const QRect& rect, std::string_view text,
                  int start, int count, int line, const QColor& textColour,
                  const QColor& background);
    void DrawPart(QPainter& painter, QPoint& origin, const QRect& rect, std::string_view text,
                  int start, int count, const QColor& textColour, const QColor& background);
    void DrawCaret(QPainter& painter);
    const QPixmap& MarginIcons();

    // Caret movement.
    void FinishMove(bool extend, bool keepIdealColumn = false);
    void MoveCharLeft(bool extend);
    void MoveCharRight(bool extend);
    void MoveWordLeft(bool extend);
    void MoveWordRight(bool extend);
    void MoveLineUp(bool extend);
    void MoveLineDown(bool extend);
    void MovePageUp(bool extend);
    void MovePageDown(bool extend);
    void ScrollOneLine(int direction);
    void MoveHome(bool extend);
    void MoveLineEnd(bool extend);
    void MoveTextBegin(bool extend);
    void MoveTextEnd(bool extend);
    void Copy();
    void SelectAll();
    bool RunMoveCommand(int id);

    // Mouse.
    TextPoint RoundedPosition(QPoint pos);
    TextPoint LastLineEnd() const;
    TextPoint LineAfter(int line) const;
    void SelectWordsBetween(TextPoint anchor, TextPoint cursor);
    void TrackSelection(QPoint pos, bool finalMove);
    void AutoScroll();
    void EndDragSelecting();
    void StartTextDrag();
    void UpdatePointer(QPoint pos);

    CTagwrightDoc& m_doc;
    CKTextBuffer* m_buffer = nullptr;
    CKViewSiblings* m_siblings = nullptr;

    LogFont m_fontDescription;
    std::optional<QFont> m_font;
    int m_lineHeight = -1;
    int m_charWidth = -1;
    int m_ascent = 0;
    int m_screenLines = -1;
    int m_screenChars = -1;
    int m_largestWidth = -1;
    int m_topLine = 0;
    int m_offsetChar = 0;
    CParseStateCache m_states;
    CLineWidthCache m_widths;
    QPixmap m_strip;
    QPixmap m_marginIcons;
    std::vector<ColourBlock> m_blocks;
    std::string m_expanded;
    // Glyphs of the view font by byte (0: the font has none, the character is drawn through
    // a fallback font), placed one cell each so that no glyph width shifts the line.
    QRawFont m_rawFont;
    std::array<quint32, 256> m_glyphs{};
    QList<quint32> m_runGlyphs;
    QList<QPointF> m_runPositions;

    bool m_viewWhitespace = false;
    bool m_focused = false;
    bool m_cursorHidden = false;
    TextPoint m_cursor;
    TextPoint m_anchor;
    TextPoint m_selStart;
    TextPoint m_selEnd;
    int m_idealColumn = -1;

    bool m_caretShown = false;
    bool m_caretBlinkOn = false;
    QRect m_caretRect;
    QBasicTimer m_caretTimer;

    bool m_dragSelecting = false;
    bool m_wordMode = false;
    bool m_lineMode = false;
    bool m_preparingToDrag = false;
    bool m_draggingText = false;
    TextPoint m_dragStart;
    TextPoint m_dragEnd;
    QPoint m_mousePos; // last position seen while selecting, in viewport pixels
    QBasicTimer m_autoScrollTimer;
    bool m_barUpdate = false; // the view sets a scroll bar itself
};
