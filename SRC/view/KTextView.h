// The read-only text view: the widget over a view model and the line painter. It turns keys,
// mouse, scroll bars and timers into calls of the model and paints the lines the model shows.
// The editing view derives from it.
#pragma once

#include "doc/DocView.h"
#include "edit/core/Replace.h"
#include "res/CommandTarget.h"
#include "settings/core/AppSettings.h"
#include "spell/core/SpellCache.h"
#include "syntax/LineParse.h"
#include "text/TextTypes.h"
#include "view/LinePainter.h"
#include "view/core/Bookmarks.h"
#include "view/core/LineCaches.h"
#include "view/core/ViewModel.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPixmap>

#include <climits>
#include <memory>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CKFindController;
class CKTextBuffer;
class CKViewSiblings;
class CTextAccessEvents;
class QMimeData;

class CKTextView : public QAbstractScrollArea,
                   public CKDocView,
                   public CKBufferView,
                   public CSettingsListener,
                   protected CViewModelHost {
    Q_OBJECT
public:
    // Makes a view of type T (CKTextView or a view derived from it) and binds it to its
    // document's buffer once it is complete, so the derived view's overrides take part.
    template <class T = CKTextView>
    static T* Create(CTagwrightDoc& doc, QWidget* parent = nullptr)
    {
        auto* view = new T(doc, parent);
        view->Bind();
        return view;
    }
    ~CKTextView() override;

    // The commands the view runs.
    static std::span<const CommandHandler<CKTextView>> CommandHandlers();

    // The document view.
    QWidget* Widget() override { return this; }
    CTagwrightDoc& Document() override { return m_doc; }
    void OnSourceTypeChanged() override;
    ViewStatus Status() override;
    int CaretLine() const override { return CursorPos().y; }
    // The caret to the start of the line, shown, with nothing selected.
    void SetCaretLine(int line) override;
    int FirstVisibleLine() const override { return TopLine(); }
    void ShowFromLine(int line) override;
    ViewPlace Place() const override;
    void MoveToPlace(const ViewPlace& place) override;
    void SetCommandHost(CKCommandHost* host) override { m_commandHost = host; }
    // A command of the view; a running incremental search ends first when the command's row
    // says so.
    bool OnCommand(int id) final;
    bool OnUpdateCommand(CmdUI& ui) override;

    // The preferences changed: the view takes those it shows and uses again.
    void OnSettingsChanged() override;

    // Layout.
    virtual void ResetLayout();
    virtual void SyncSiblings(bool vertical);
    virtual void FollowSibling(const CKTextView& source, bool vertical);
    int LineCount() const override;
    std::string_view Line(int line) const override;
    // The lines as the printing and searching code reads them.
    const CTextLines& Lines() const { return *this; }
    using CTextLines::LineLength;
    using CTextLines::LineText;
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
    using Highlight = HighlightColours;
    // Colours of a line by its flags; present false for none.
    virtual Highlight LineHighlight(int line) const;
    // Paint one line (or -1 below the text) and its margin into a strip one line high.
    virtual void PaintLine(QPainter& painter, const QRect& rect, int line);
    virtual void PaintMargin(QPainter& painter, const QRect& rect, int line);
    virtual uint32_t ParseLine(uint32_t state, int line, ColourBlock* blocks, int& count);
    virtual CKTextBuffer* DocumentBuffer() const;
    void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                         int line) override;
    void OnEditAction(int, const char*, int) override {}
    void OnChangesBegin() override { ++m_changesDepth; }
    void OnChangesEnd() override;

    // Binds to a buffer; null binds to the document's.
    void BindBuffer(CKTextBuffer* buffer);
    CKTextBuffer* Buffer() const { return m_buffer; }
    void ApplyFont(const LogFont& description);
    void SetViewWhitespace(bool on);
    bool ViewWhitespace() const { return m_viewWhitespace; }
    void SetSiblings(CKViewSiblings* siblings) { m_siblings = siblings; }

    int ColumnOfChar(int line, int index) const { return m_model.ColumnOfChar(line, index); }
    int CharOfColumn(int line, int column) const { return m_model.CharOfColumn(line, column); }
    TextPoint PixelToPosition(int x, int y);
    QPoint PositionToPixel(TextPoint p);
    uint32_t StateBeforeLine(int line);
    void ScrollTopTo(int newTop, bool immediate, bool updateBar = true);
    void ScrollLeftTo(int newOffset, bool immediate, bool updateBar = true);
    void RevealPosition(TextPoint p) { m_model.RevealPosition(p); }
    void RevealWithContext(TextPoint p) { m_model.RevealWithContext(p); }
    void PlaceCaret();
    void RepaintLines(int first, int last = -1);

    int GetLineHeight();
    int GetCharWidth();
    int ScreenLines() override;
    int ScreenChars() override;
    int LargestLineWidth() override;
    int MarginWidth() const;
    int TopLine() const { return m_model.TopLine(); }
    int OffsetChar() const { return m_model.OffsetChar(); }

    // Caret and selection.
    CTextViewModel& Model() { return m_model; }
    const CTextViewModel& Model() const { return m_model; }
    TextPoint CursorPos() const { return m_model.Cursor(); }
    void SetCursorPos(TextPoint p) { m_model.SetCursor(p); }
    TextPoint Anchor() const { return m_model.Anchor(); }
    void SetAnchor(TextPoint p) { m_model.SetAnchor(p); }
    void SetSelection(TextPoint start, TextPoint end) { m_model.SetSelection(start, end); }
    TextPoint SelectionStart() const { return m_model.SelectionStart(); }
    TextPoint SelectionEnd() const { return m_model.SelectionEnd(); }
    bool HasSelection() const { return m_model.HasSelection(); }
    TextRange OrderedSelection() const { return m_model.OrderedSelection(); }
    bool IsInsideSelection(TextPoint p) const { return m_model.IsInsideSelection(p); }
    int IdealColumn() const { return m_model.IdealColumn(); }
    bool IsDragSelecting() const { return m_dragSelecting; }
    QRect CaretRect() const { return m_caretRect; }

    // Copies the selection to the clipboard.
    void Copy();

    // Bookmarks: numbered bookmark n set or removed on the caret line, and gone to; the plain
    // bookmarks toggled, walked and cleared. Each move puts the caret at the start of the line.
    void SetBookmark(int n);
    void GoToBookmark(int n);
    void ToggleBookmark();
    void NextBookmark();
    void PreviousBookmark();
    void ClearAllBookmarks();
    bool PlainBookmarksExist() const { return m_bookmarks.PlainBookmarksExist(); }
    // "Match Brace": to the partner of the bracket at or before the caret.
    void MatchBrace();
    bool CanMatchBrace() const;

    // Find, Find Next and Previous, incremental search, Go to line and Replace in this view.
    CKFindController& Finder() { return *m_find; }
    // What printing takes from the view: the font it shows, its tabs and visible whitespace.
    const LogFont& FontDescription() const { return m_fontDescription; }
    int TabSize() const override { return m_tabSize; }

    // Tells the window that what its commands and panes show may have changed.
    void CommandStatesChanged();

    // Spelling: one checker serves every view. While the document's spelling is on, the view
    // has the lines it shows (and a margin) checked on a worker thread and underlines the
    // misspelled words.
    static CSpellChecker& SpellChecker();
    bool SpellingShown() const { return m_spell != nullptr; }
    // Selects the next (or previous) misspelled word from the selection; false when there is
    // none in the whole text.
    bool GoToMisspelling(bool forward);
    // The misspelled word at p, checked now.
    std::optional<TextRange> MisspelledWordAt(TextPoint p);
    // The user accepted a word ("Add to Dictionary", "Ignore All"): every view drops its marks.
    static void WordAccepted(std::string_view word);

    // What the view tells assistive technology, and the text offsets it uses.
    CTextAccessEvents& AccessEvents() { return *m_access; }
    // Edits asked for by an assistive client: the range replaced by Unicode text with "\n"
    // line breaks, as one undo step. The text view takes none.
    virtual bool IsEditable() const { return false; }
    virtual void ReplaceRange(TextRange, const QString&) {}

    // Paints the client area's strips that meet dirty onto painter, as the screen shows them.
    void PaintClient(QPainter& painter, const QRect& dirty);

    // The caches, for measurements.
    size_t CacheBytes() const { return m_states.Bytes() + m_widths.Bytes(); }
    const CParseStateCache& StateCache() const { return m_states; }

protected:
    // Construction does no binding: Create binds once the object is complete.
    explicit CKTextView(CTagwrightDoc& doc, QWidget* parent = nullptr);
    // Joins the document, follows its settings and binds to its buffer.
    virtual void Bind();

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

    bool event(QEvent* event) override;

    // The handlers of the view's commands, after the search had its say; a derived view tries
    // its own first.
    virtual bool RunViewCommand(int id);
    // Whether one of the view's handlers runs the command.
    virtual bool RunsCommand(int id) const;
    // A key that no command takes: true when the view typed it.
    virtual bool TypeKey(const QKeyEvent&) { return false; }
    CKCommandHost* CommandHost() const { return m_commandHost; }
    // Runs a change; one that runs out of memory is reported and the program goes on.
    template <class Change>
    void RunGuarded(Change change)
    {
        try {
            change();
        } catch (const std::bad_alloc&) {
            ReportOutOfMemory();
        }
    }

    // The model's view of the window.
    void ScrollToLine(int top, bool immediate) override;
    void ScrollToColumn(int offset) override;
    void SelectionChanged(TextRange before, TextRange after) override;
    void CaretMoved() override { PlaceCaret(); }

    // Hides the caret while something else (a drop indicator) stands in for it.
    void HideCaret(bool hidden)
    {
        m_cursorHidden = hidden;
        PlaceCaret();
    }
    // Scroll bars.
    void RecalcVertBar(bool positionOnly = false);
    void RecalcHorzBar(bool positionOnly = false);

    bool m_vertBarSuspended = false;
    bool m_horzBarSuspended = false;

private:
    int MeasureLine(int line) const;
    void UpdateWidths(const UpdateContext* ctx);
    // What changes of the text left to do on the screen; done after each change, or once at
    // the end of a step of many.
    struct PendingLayout {
        int repaintFrom = INT_MAX; // repaint from this line down
        bool repaintAll = false;
        bool caret = false;
        bool vertBar = false;
        bool horzBar = false;
    };
    void ApplyPendingLayout();
    // The preferences the view shows and uses, read when it binds and when they change.
    void ReadSettings();
    void OnVertBarAction(int action);
    void OnHorzBarAction(int action);

    void ReportOutOfMemory();
    // The command of a key that the view runs itself, or 0: the keys of other commands reach
    // the window's actions.
    int OwnCommandOf(const QKeyEvent& event) const;

    // Painting.
    const CGlyphCache& Glyphs();
    void DrawCaret(QPainter& painter);
    const QPixmap& MarginIcons();

    // Mouse.
    TextPoint RoundedPosition(QPoint pos);
    void AutoScroll();
    void EndDragSelecting();
    void StartTextDrag();
    void UpdatePointer(QPoint pos);

    // The caret to p with nothing selected, shown on the screen.
    void MoveCaretTo(TextPoint p);
    // Spelling.
    void SyncSpelling();
    void RequestSpelling();
    void SpellLineReady(int line);
    void ShowSpellingMessages();
    template <class Found>
    bool ScanMisspellings(int fromLine, int toLine, Found&& found);

    CTagwrightDoc& m_doc;
    CKTextBuffer* m_buffer = nullptr;
    CKViewSiblings* m_siblings = nullptr;
    CKCommandHost* m_commandHost = nullptr;
    CTextViewModel m_model{*this};
    bool m_bound = false;

    LogFont m_fontDescription;
    ViewColours m_colours;
    int m_tabSize = 4;
    bool m_marginShown = true;
    bool m_smoothScroll = false;
    bool m_dragDropEnabled = true;
    CGlyphCache m_glyphs;
    int m_screenLines = -1;
    int m_screenChars = -1;
    CParseStateCache m_states;
    CLineWidthCache m_widths;
    PendingLayout m_pendingLayout;
    int m_changesDepth = 0; // within a step of changes: the layout waits for its end
    QPixmap m_strip;
    QPixmap m_marginIcons;
    std::vector<ColourBlock> m_blocks;

    bool m_viewWhitespace = false;
    CViewBookmarks m_bookmarks;
    bool m_focused = false;
    bool m_cursorHidden = false;

    bool m_caretShown = false;
    bool m_caretBlinkOn = false;
    QRect m_caretRect;
    QBasicTimer m_caretTimer;

    bool m_dragSelecting = false;
    bool m_preparingToDrag = false;
    QPoint m_mousePos; // last position seen while selecting, in viewport pixels
    QBasicTimer m_autoScrollTimer;
    QPoint m_wheelRest;       // wheel angle not yet scrolled, in eighths of a degree
    bool m_barUpdate = false; // the view sets a scroll bar itself

    std::unique_ptr<CKFindController> m_find;
    std::unique_ptr<CTextAccessEvents> m_access;

    // Spelling, while the document's is on.
    std::unique_ptr<CSpellCache> m_spell;
    std::optional<SourceType> m_spellType; // the type the cache checks for; none until set
    SpellLanguage m_spellLanguage = SpellLanguage::Russian;
    uint64_t m_spellEdits = 0; // grows with each change of the text
    bool m_spellRequestPosted = false;
    struct SpellRequestKey {
        int top = -1, lines = -1;
        uint64_t edits = 0;
        bool operator==(const SpellRequestKey&) const = default;
    } m_spellRequested;
    std::vector<Misspelling> m_misspellings;
};
