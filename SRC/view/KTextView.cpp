// The text view widget: binding, the settings it follows, caches, the caret, keys and painting
// through the line painter.
#include "view/KTextView.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"
#include "spell/core/ReaderText.h"
#include "syntax/ColourClass.h"
#include "syntax/HtmlParser.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "view/CommandKeys.h"
#include "view/FindController.h"
#include "view/MarginArt.h"
#include "view/TextViewAccessible.h"
#include "view/ViewFont.h"
#include "view/core/LineMarks.h"
#include "view/core/TextLayout.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>
#include <utility>

namespace {

constexpr int kMarginOn = 20;
constexpr int kMarginOff = 1;
constexpr int kCaretWidth = 2;

} // namespace

CKTextView::CKTextView(CTagwrightDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_find(std::make_unique<CKFindController>(*this)),
      // The view's lines reach the offsets through its protected model host.
      m_access(new CTextAccessEvents(*this, static_cast<const CViewModelHost&>(*this)))
{
    InstallTextViewAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(&m_doc, &CTagwrightDoc::titleChanged, this, [this] { m_access->TitleChanged(); });
    connect(&m_doc, &CTagwrightDoc::spellingChanged, this, [this] { SyncSpelling(); });
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnVertBarAction(action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnHorzBarAction(action); });
}

CKTextView::~CKTextView()
{
    // The worker stops before anything it reports to goes.
    m_spell.reset();
    if (m_buffer)
        m_buffer->DetachView(this);
    if (m_bound) {
        m_doc.Settings().Preferences().Unsubscribe(this);
        m_doc.RemoveView(this);
    }
}

void CKTextView::Bind()
{
    m_doc.AddView(this);
    m_doc.Settings().Preferences().Subscribe(this);
    m_bound = true;
    ReadSettings();
    BindBuffer(nullptr);
    SyncSpelling();
}

void CKTextView::ReadSettings()
{
    const CPreferences& preferences = m_doc.Settings().Preferences();
    m_fontDescription = preferences.Font();
    m_colours = ViewColours::From(preferences.Values());
    m_tabSize = preferences.TabSize();
    m_marginShown = preferences.IsOn(Switch::SelectionMargin);
    m_smoothScroll = preferences.IsOn(Switch::SmoothScroll);
    m_dragDropEnabled = !preferences.IsOn(Switch::DragDropDisabled);
}

void CKTextView::OnSettingsChanged()
{
    const int oldTabSize = m_tabSize;
    ReadSettings();
    if (m_tabSize != oldTabSize)
        m_widths.Drop();
    ApplyFont(m_fontDescription);
    SyncSpelling();
}

// ---- Buffer and lines -------------------------------------------------------------------

CKTextBuffer* CKTextView::DocumentBuffer() const { return &m_doc.Buffer(); }

void CKTextView::BindBuffer(CKTextBuffer* buffer)
{
    if (m_buffer)
        m_buffer->DetachView(this);
    m_buffer = buffer ? buffer : DocumentBuffer();
    m_changesDepth = 0;
    m_pendingLayout = {};
    m_buffer->AttachView(this);
    ResetLayout();
    RecalcVertBar();
    RecalcHorzBar();
}

int CKTextView::LineCount() const
{
    return m_buffer && m_buffer->LineCount() > 0 ? m_buffer->LineCount() : 1;
}

std::string_view CKTextView::Line(int line) const
{
    return m_buffer && line < m_buffer->LineCount() ? m_buffer->Line(line) : std::string_view();
}

uint32_t CKTextView::LineFlags(int line) const
{
    return m_buffer && line < m_buffer->LineCount() ? m_buffer->LineFlags(line) : 0;
}

void CKTextView::CopyText(TextPoint start, TextPoint end, std::string& out) const
{
    out.clear();
    if (m_buffer)
        m_buffer->CopyText(start.y, start.x, end.y, end.x, out, "\r\n");
}

int CKTextView::MeasureLine(int line) const
{
    const std::string_view text = Line(line);
    return text_layout::ColumnOfChar(text, static_cast<int>(text.size()),
                                     text_layout::EffectiveTabSize(TabSize()));
}

int CKTextView::DisplayWidth(int line)
{
    if (!m_widths.Allocated())
        m_widths.Allocate(LineCount());
    return m_widths.Width(line, [this](int l) { return MeasureLine(l); });
}

int CKTextView::LargestLineWidth()
{
    if (!m_widths.Allocated())
        m_widths.Allocate(LineCount());
    return m_widths.Largest([this](int l) { return MeasureLine(l); });
}

// The state cache keeps text states (see ReaderText.h): for HTML those of the colouring parse
// that also carries what the spell checker reads; other types have no more than their parse
// state.
uint32_t CKTextView::ParseLine(uint32_t state, int line, ColourBlock* blocks, int& count)
{
    if (m_doc.SourceType() == SourceType::Html)
        return ParseHtmlText(state, *this, line, blocks, count, nullptr);
    return ::ParseLine(m_doc.SourceType(), state, *this, line, blocks, count);
}

uint32_t CKTextView::StateBeforeLine(int line)
{
    if (!m_states.Allocated())
        m_states.Allocate(LineCount());
    // Filling the cache only needs states: the parser is looked up once for the whole walk.
    const SourceType type = m_doc.SourceType();
    if (type == SourceType::Html)
        return m_states.StateBefore(line, [this](uint32_t state, int l) {
            return TextStateAfter(SourceType::Html, state, *this, l);
        });
    const LineParser parser = LineParserFor(type);
    if (!parser)
        return m_states.StateBefore(line, [](uint32_t, int) { return 0u; });
    return m_states.StateBefore(line, [this, parser](uint32_t state, int l) {
        int count = 0;
        return parser(state, *this, l, nullptr, count);
    });
}

void CKTextView::SetCaretLine(int line)
{
    const TextPoint p{0, std::clamp(line, 0, std::max(LineCount() - 1, 0))};
    SetAnchor(p);
    SetCursorPos(p);
    SetSelection(p, p);
    RevealPosition(p);
}

void CKTextView::ShowFromLine(int line)
{
    ScrollToLine(std::clamp(line, 0, std::max(LineCount() - 1, 0)), true);
}

ViewPlace CKTextView::Place() const
{
    return {CursorPos(), m_model.SelectionStart(), m_model.SelectionEnd(), TopLine()};
}

void CKTextView::MoveToPlace(const ViewPlace& place)
{
    const auto inside = [this](TextPoint p) {
        p.y = std::clamp(p.y, 0, std::max(LineCount() - 1, 0));
        p.x = std::clamp(p.x, 0, LineCount() > 0 ? LineLength(p.y) : 0);
        return p;
    };
    const TextPoint caret = inside(place.caret);
    const TextPoint start = inside(place.selectionStart);
    const TextPoint end = inside(place.selectionEnd);
    // The end of the selection away from the caret is the one that stays when it grows.
    SetAnchor(caret == end ? start : end);
    SetSelection(start, end);
    SetCursorPos(caret);
    ShowFromLine(place.firstLine);
    RevealPosition(caret);
}

void CKTextView::OnSourceTypeChanged()
{
    m_states.Drop();
    SyncSpelling();
    viewport()->update();
}

// ---- Layout -----------------------------------------------------------------------------

void CKTextView::ResetLayout()
{
    m_model.Reset();
    m_bookmarks.Reset();
    m_find->ForgetLastFind();
    m_screenLines = m_screenChars = -1;
    m_glyphs.Drop();
    m_marginIcons = QPixmap();
    m_states.Drop();
    m_widths.Drop();
    EndDragSelecting();
    m_vertBarSuspended = m_horzBarSuspended = false;
    PlaceCaret();
    viewport()->update();
}

int CKTextView::MarginWidth() const { return m_marginShown ? kMarginOn : kMarginOff; }

const CGlyphCache& CKTextView::Glyphs()
{
    if (!m_glyphs.Built())
        m_glyphs.Build(MakeViewFont(m_fontDescription));
    return m_glyphs;
}

int CKTextView::GetLineHeight() { return Glyphs().LineHeight(); }

int CKTextView::GetCharWidth() { return Glyphs().CharWidth(); }

int CKTextView::ScreenLines()
{
    // A window lower than one line still shows (part of) one.
    if (m_screenLines < 0)
        m_screenLines = std::max(viewport()->height() / GetLineHeight(), 1);
    return m_screenLines;
}

int CKTextView::ScreenChars()
{
    if (m_screenChars < 0)
        m_screenChars = std::max((viewport()->width() - MarginWidth()) / GetCharWidth(), 1);
    return m_screenChars;
}

TextPoint CKTextView::PixelToPosition(int x, int y)
{
    const int line = std::clamp(y / GetLineHeight() + TopLine(), 0, LineCount() - 1);
    const int column = std::max((x - MarginWidth()) / GetCharWidth() + OffsetChar(), 0);
    return {m_model.CharAtColumn(line, column), line};
}

QPoint CKTextView::PositionToPixel(TextPoint p)
{
    return {(ColumnOfChar(p.y, p.x) - OffsetChar()) * GetCharWidth() + MarginWidth(),
            (p.y - TopLine()) * GetLineHeight()};
}

void CKTextView::ApplyFont(const LogFont& description)
{
    m_fontDescription = description;
    m_glyphs.Drop();
    m_screenLines = m_screenChars = -1;
    m_strip = QPixmap();
    RecalcVertBar();
    RecalcHorzBar();
    PlaceCaret();
    viewport()->update();
}

void CKTextView::SetViewWhitespace(bool on)
{
    if (on == m_viewWhitespace)
        return;
    m_viewWhitespace = on;
    viewport()->update();
}

void CKTextView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    m_strip = QPixmap();
    m_screenLines = m_screenChars = -1;
    RecalcVertBar();
    RecalcHorzBar();
    PlaceCaret();
}

void CKTextView::RepaintLines(int first, int last)
{
    const int top = TopLine();
    const int height = GetLineHeight();
    if (last >= 0 && last < top)
        return;
    const int y = (std::max(first, top) - top) * height;
    const int bottom = last < 0 ? viewport()->height() : (last - top + 1) * height;
    if (bottom > y && y < viewport()->height())
        viewport()->update(0, y, viewport()->width(), bottom - y);
}

void CKTextView::SelectionChanged(TextRange before, TextRange after)
{
    m_access->SelectionChanged(before, after);
    CommandStatesChanged();
    if (after.start == before.start) {
        RepaintLines(std::min(after.end.y, before.end.y), std::max(after.end.y, before.end.y));
        return;
    }
    const TextRange now = Ordered(after.start, after.end);
    const TextRange old = Ordered(before.start, before.end);
    RepaintLines(now.start.y, now.end.y);
    RepaintLines(old.start.y, old.end.y);
}

// ---- Buffer changes ---------------------------------------------------------------------

void CKTextView::OnBufferChanged(CKBufferView*, const UpdateContext* ctx, uint32_t flags, int line)
{
    m_access->TextChanged(ctx, flags, line);
    if (m_spell && (flags & (UPD_TEXT | UPD_LINES | UPD_RESET))) {
        ++m_spellEdits;
        if (flags & UPD_RESET) {
            if (m_spellType)
                m_spell->SetDocument(*m_spellType, m_spellLanguage);
        } else if (ctx) {
            // The marks of the lines below a change move with their lines.
            const int span = ctx->end.y - ctx->start.y + 1;
            const bool inserted = ctx->kind == UpdateContext::Kind::Insert;
            m_spell->LinesChanged(ctx->start.y, inserted ? 1 : span, inserted ? span : 1);
        }
    }
    if (flags & UPD_RESET) {
        m_pendingLayout = {};
        ResetLayout();
        RecalcVertBar();
        RecalcHorzBar();
        return;
    }
    line = std::max(line, 0);
    if (flags & UPD_TEXT) {
        if (m_states.Allocated()) {
            if (m_states.Count() != LineCount())
                m_states.Resize(LineCount(), line);
            else
                m_states.ForgetFrom(line);
        }
        UpdateWidths(ctx);
    }
    PendingLayout& pending = m_pendingLayout;
    pending.repaintFrom = std::min(pending.repaintFrom, line);
    if (ctx) {
        if (m_model.Carry(*ctx))
            pending.repaintAll = true;
        pending.caret = true;
    }
    pending.vertBar = pending.vertBar || (flags & UPD_LINES);
    pending.horzBar = pending.horzBar || (flags & UPD_TEXT);
    if (m_changesDepth == 0)
        ApplyPendingLayout();
    CommandStatesChanged();
}

void CKTextView::OnChangesEnd()
{
    if (m_changesDepth > 0 && --m_changesDepth == 0)
        ApplyPendingLayout();
}

void CKTextView::ApplyPendingLayout()
{
    const PendingLayout pending = std::exchange(m_pendingLayout, {});
    if (pending.repaintFrom != INT_MAX)
        RepaintLines(pending.repaintFrom, -1);
    if (pending.repaintAll)
        viewport()->update();
    if (pending.caret)
        PlaceCaret();
    if (pending.vertBar && !m_vertBarSuspended)
        RecalcVertBar();
    if (pending.horzBar && !m_horzBarSuspended)
        RecalcHorzBar();
}

// Only the changed lines are measured again, once the widest line is asked for, so that it
// stays known without a pass over every line however many lines a command changes.
void CKTextView::UpdateWidths(const UpdateContext* ctx)
{
    if (!m_widths.Allocated())
        return;
    const int span = ctx ? ctx->end.y - ctx->start.y : 0;
    const bool insert = ctx && ctx->kind == UpdateContext::Kind::Insert;
    const int removed = insert ? 1 : span + 1;
    const int inserted = insert ? span + 1 : 1;
    if (!ctx || m_widths.Count() - removed + inserted != LineCount()) {
        m_widths.Drop();
        return;
    }
    m_widths.Replace(ctx->start.y, removed, inserted);
}

// ---- Caret ------------------------------------------------------------------------------

void CKTextView::PlaceCaret()
{
    const QRect old = m_caretRect;
    const bool wasShown = m_caretShown;
    const TextPoint cursor = CursorPos();
    m_caretShown = m_focused && !m_cursorHidden && ColumnOfChar(cursor.y, cursor.x) >= OffsetChar();
    if (m_caretShown) {
        m_caretRect = QRect(PositionToPixel(cursor), QSize(kCaretWidth, GetLineHeight()));
        m_caretBlinkOn = true;
        const int flash = QGuiApplication::styleHints()->cursorFlashTime();
        if (flash > 0)
            m_caretTimer.start(flash / 2, this);
    } else {
        m_caretTimer.stop();
    }
    if (wasShown)
        viewport()->update(old);
    if (m_caretShown)
        viewport()->update(m_caretRect);
    m_access->CaretPlaced();
    CommandStatesChanged();
}

void CKTextView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    m_focused = true;
    const TextRange sel = OrderedSelection();
    RepaintLines(sel.start.y, sel.end.y);
    PlaceCaret();
}

void CKTextView::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    m_focused = false;
    PlaceCaret();
    const TextRange sel = OrderedSelection();
    RepaintLines(sel.start.y, sel.end.y);
    EndDragSelecting();
}

void CKTextView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_caretTimer.timerId()) {
        m_caretBlinkOn = !m_caretBlinkOn;
        viewport()->update(m_caretRect);
    } else if (event->timerId() == m_autoScrollTimer.timerId()) {
        AutoScroll();
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

// ---- Keys -------------------------------------------------------------------------------

int CKTextView::OwnCommandOf(const QKeyEvent& event) const
{
    const int id = CKCommandKeys::Commands().CommandOf(event);
    return id && RunsCommand(id) ? id : 0;
}

bool CKTextView::event(QEvent* event)
{
    // The view's own keys come to the view before the window's shortcuts see them.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if ((m_find->IncrementalSearchRunning() && m_find->IsIncrementalSearchKey(key))
            || OwnCommandOf(key)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void CKTextView::keyPressEvent(QKeyEvent* event)
{
    RunGuarded([&] {
        if (m_find->IncrementalSearchRunning() && m_find->TakeIncrementalSearchKey(*event)) {
            event->accept();
            return;
        }
        if (const int id = OwnCommandOf(*event)) {
            OnCommand(id);
            CommandStatesChanged();
            event->accept();
            return;
        }
        if (TypeKey(*event)) {
            event->accept();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
    });
}

void CKTextView::CommandStatesChanged()
{
    if (m_commandHost)
        m_commandHost->CommandStatesChanged();
}

void CKTextView::ReportOutOfMemory() { m_doc.Host().ShowError(ResText(IDS_OUT_OF_MEMORY)); }

// ---- Painting ---------------------------------------------------------------------------

CKTextView::Highlight CKTextView::LineHighlight(int line) const
{
    const LineHighlightColours h = LineHighlightFor(LineFlags(line));
    if (!h.present)
        return {};
    return {true, RgbColour(h.background), RgbColour(h.text), h.fillRest};
}

const QPixmap& CKTextView::MarginIcons()
{
    if (m_marginIcons.isNull())
        m_marginIcons = MarginIconStrip();
    return m_marginIcons;
}

void CKTextView::PaintMargin(QPainter& painter, const QRect& rect, int line)
{
    CLinePainter lines(Glyphs(), m_colours, m_tabSize, m_viewWhitespace);
    const int icon = line >= 0 && m_marginShown ? MarginIconFor(LineFlags(line)) : -1;
    lines.PaintMargin(painter, rect, m_marginShown, icon, icon >= 0 ? MarginIcons() : QPixmap());
}

void CKTextView::PaintLine(QPainter& painter, const QRect& rect, int line)
{
    CLinePainter lines(Glyphs(), m_colours, m_tabSize, m_viewWhitespace);
    if (line < 0) {
        lines.PaintBelowText(painter, rect);
        return;
    }
    const int length = LineLength(line);
    int count = 0;
    uint32_t state = 0;
    if (length > 0) {
        state = StateBeforeLine(line);
        m_blocks.resize(static_cast<size_t>(length) + 1);
        m_states.Store(line, ParseLine(state, line, m_blocks.data(), count));
    }
    lines.PaintLine(painter, rect, line, Line(line), std::span(m_blocks.data(), size_t(count)),
                    LineHighlight(line), OrderedSelection(), OffsetChar());
    if (m_spell && length > 0 && m_spell->Lookup(line, state, Line(line), m_misspellings))
        lines.UnderlineMisspellings(painter, rect, m_misspellings);
}

void CKTextView::PaintClient(QPainter& painter, const QRect& dirty)
{
    const int width = viewport()->width();
    const int height = GetLineHeight();
    if (m_strip.isNull() || m_strip.width() != width || m_strip.height() != height)
        m_strip = QPixmap(std::max(width, 1), height);
    const int margin = MarginWidth();
    const QRect marginRect(0, 0, margin, height);
    const QRect textRect(margin, 0, width - margin, height);
    const int lineCount = LineCount();
    const int first = std::max(dirty.top(), 0) / height;
    const int bottom = std::min(dirty.bottom(), viewport()->height() - 1);
    for (int row = first; row * height <= bottom; ++row) {
        const int line = TopLine() + row < lineCount ? TopLine() + row : -1;
        {
            QPainter strip(&m_strip);
            PaintMargin(strip, marginRect, line);
            PaintLine(strip, textRect, line);
        }
        painter.drawPixmap(0, row * height, m_strip);
    }
    DrawCaret(painter);
    // The lines to check are asked for once the screen is shown, not while it is painted.
    if (m_spell && !m_spellRequestPosted) {
        m_spellRequestPosted = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_spellRequestPosted = false;
                if (m_spell)
                    RequestSpelling();
            },
            Qt::QueuedConnection);
    }
}

void CKTextView::DrawCaret(QPainter& painter)
{
    if (!m_caretShown || !m_caretBlinkOn)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(m_caretRect, Qt::white);
    painter.restore();
}

void CKTextView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    PaintClient(painter, event->rect());
}
