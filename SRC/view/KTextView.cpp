// The text view: buffer binding, layout arithmetic, caches, scrolling, the caret, commands and
// the status panes.
#include "view/KTextView.h"

#include "doc/TagwrightDoc.h"
#include "doc/core/AppSettings.h"
#include "res/CommandIds.h"
#include "syntax/ParseDispatch.h"
#include "text/KTextBuffer.h"
#include "view/ViewFont.h"
#include "view/ViewSiblings.h"
#include "view/core/TextLayout.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleHints>

#include <algorithm>

namespace {

constexpr int kMarginOn = 20;
constexpr int kMarginOff = 1;
constexpr int kCaretWidth = 2;
constexpr int kHorzPageColumns = 22;

struct KeyBinding {
    int key;
    Qt::KeyboardModifiers modifiers;
    int command;
};

// Keys of the movement commands; Shift gives the extending variant (the id after it).
constexpr KeyBinding kMoveKeys[] = {
    {Qt::Key_Left, Qt::NoModifier, ID_EDIT_CHAR_LEFT},
    {Qt::Key_Right, Qt::NoModifier, ID_EDIT_CHAR_RIGHT},
    {Qt::Key_Left, Qt::ControlModifier, ID_EDIT_WORD_LEFT},
    {Qt::Key_Right, Qt::ControlModifier, ID_EDIT_WORD_RIGHT},
    {Qt::Key_Up, Qt::NoModifier, ID_EDIT_LINE_UP},
    {Qt::Key_Down, Qt::NoModifier, ID_EDIT_LINE_DOWN},
    {Qt::Key_PageUp, Qt::NoModifier, ID_EDIT_PAGE_UP},
    {Qt::Key_PageDown, Qt::NoModifier, ID_EDIT_PAGE_DOWN},
    {Qt::Key_End, Qt::NoModifier, ID_EDIT_LINE_END},
    {Qt::Key_Home, Qt::NoModifier, ID_EDIT_HOME},
    {Qt::Key_Home, Qt::ControlModifier, ID_EDIT_TEXT_BEGIN},
    {Qt::Key_End, Qt::ControlModifier, ID_EDIT_TEXT_END},
};

const char* const kLineEndingTexts[] = {"CRLF: DOS", "CRLF: UNIX", "CRLF: MAC"};
const char* const kCodePageTexts[] = {"ENC: WIN", "ENC: DOS", "ENC: KOI", "ENC: ISO", "ENC: MAC"};

} // namespace

CKTextView::CKTextView(CTagwrightDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_fontDescription(doc.Settings().Global().font)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnVertBarAction(action); });
    connect(horizontalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int action) { OnHorzBarAction(action); });
    m_doc.AddView(this);
    BindBuffer(nullptr);
}

CKTextView::~CKTextView()
{
    if (m_buffer)
        m_buffer->DetachView(this);
    m_doc.RemoveView(this);
}

GlobalSettings& CKTextView::Settings() const { return m_doc.Settings().Global(); }

// ---- Buffer and lines -------------------------------------------------------------------

CKTextBuffer* CKTextView::DocumentBuffer() const { return &m_doc.Buffer(); }

void CKTextView::BindBuffer(CKTextBuffer* buffer)
{
    if (m_buffer)
        m_buffer->DetachView(this);
    m_buffer = buffer ? buffer : DocumentBuffer();
    m_buffer->AttachView(this);
    ResetLayout();
    RecalcVertBar();
    RecalcHorzBar();
}

int CKTextView::LineCount() const
{
    return m_buffer && m_buffer->LineCount() > 0 ? m_buffer->LineCount() : 1;
}

int CKTextView::LineLength(int line) const
{
    return m_buffer && line < m_buffer->LineCount() ? m_buffer->LineLength(line) : 0;
}

const char* CKTextView::LineText(int line) const
{
    return m_buffer && line < m_buffer->LineCount() ? m_buffer->LineText(line) : "";
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

int CKTextView::DisplayWidth(int line)
{
    if (!m_widths.Allocated())
        m_widths.Allocate(LineCount());
    return m_widths.Width(line, [this](int l) { return ColumnOfChar(l, LineLength(l)); });
}

int CKTextView::LargestLineWidth()
{
    if (m_largestWidth < 0) {
        if (!m_widths.Allocated())
            m_widths.Allocate(LineCount());
        m_largestWidth =
            m_widths.Largest([this](int l) { return ColumnOfChar(l, LineLength(l)); });
    }
    return m_largestWidth;
}

int CKTextView::ColumnOfChar(int line, int index) const
{
    return text_layout::ColumnOfChar(Line(line), index,
                                     text_layout::EffectiveTabSize(Settings().tabSize));
}

int CKTextView::CharOfColumn(int line, int column) const
{
    return text_layout::CharOfColumn(Line(line), column,
                                     text_layout::EffectiveTabSize(Settings().tabSize));
}

uint32_t CKTextView::ParseLine(uint32_t state, int line, ColourBlock* blocks, int& count)
{
    return ::ParseLine(m_doc.SourceType(), state, *this, line, blocks, count);
}

uint32_t CKTextView::StateBeforeLine(int line)
{
    if (!m_states.Allocated())
        m_states.Allocate(LineCount());
    // Filling the cache only needs states: the parser is looked up once for the whole walk.
    const LineParser parser = LineParserFor(m_doc.SourceType());
    if (!parser)
        return m_states.StateBefore(line, [](uint32_t, int) { return 0u; });
    return m_states.StateBefore(line, [this, parser](uint32_t state, int l) {
        int count = 0;
        return parser(state, *this, l, nullptr, count);
    });
}

void CKTextView::OnSourceTypeChanged()
{
    m_states.Drop();
    viewport()->update();
}

// ---- Layout -----------------------------------------------------------------------------

void CKTextView::ResetLayout()
{
    m_topLine = 0;
    m_offsetChar = 0;
    m_lineHeight = m_charWidth = m_screenLines = m_screenChars = m_largestWidth = -1;
    m_idealColumn = -1;
    m_anchor = m_cursor = m_selStart = m_selEnd = TextPoint{};
    m_marginIcons = QPixmap();
    m_font.reset();
    m_states.Drop();
    m_widths.Drop();
    EndDragSelecting();
    m_vertBarSuspended = m_horzBarSuspended = false;
    PlaceCaret();
    viewport()->update();
}

int CKTextView::MarginWidth() const { return Settings().selectionMargin ? kMarginOn : kMarginOff; }

const QFont& CKTextView::ViewFont()
{
    if (!m_font)
        m_font = MakeViewFont(m_fontDescription);
    return *m_font;
}

void CKTextView::MeasureFont()
{
    const QFontMetrics metrics(ViewFont());
    m_lineHeight = std::max(metrics.height(), 1);
    m_ascent = metrics.ascent();
    m_charWidth = std::max(metrics.horizontalAdvance(QLatin1Char('X')), 1);
    m_rawFont = QRawFont::fromFont(ViewFont());
    for (int b = 0; b < 256; ++b) {
        const QString ch(DisplayChar(static_cast<uint8_t>(b)));
        const QList<quint32> indexes =
            m_rawFont.isValid() ? m_rawFont.glyphIndexesForString(ch) : QList<quint32>();
        m_glyphs[static_cast<size_t>(b)] = indexes.size() == 1 ? indexes.front() : 0;
    }
}

int CKTextView::GetLineHeight()
{
    if (m_lineHeight < 0)
        MeasureFont();
    return m_lineHeight;
}

int CKTextView::GetCharWidth()
{
    if (m_charWidth < 0)
        MeasureFont();
    return m_charWidth;
}

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
    const int line = std::clamp(y / GetLineHeight() + m_topLine, 0, LineCount() - 1);
    const int column = std::max((x - MarginWidth()) / GetCharWidth() + m_offsetChar, 0);
    return {text_layout::CharAtColumn(Line(line), column,
                                      text_layout::EffectiveTabSize(Settings().tabSize)),
            line};
}

QPoint CKTextView::PositionToPixel(TextPoint p)
{
    return {(ColumnOfChar(p.y, p.x) - m_offsetChar) * GetCharWidth() + MarginWidth(),
            (p.y - m_topLine) * GetLineHeight()};
}

void CKTextView::ApplyFont(const LogFont& description)
{
    m_fontDescription = description;
    m_lineHeight = m_charWidth = m_screenLines = m_screenChars = -1;
    m_strip = QPixmap();
    m_font.reset();
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
    const int height = GetLineHeight();
    const int top = (std::max(first, m_topLine) - m_topLine) * height;
    if (last >= 0 && last < m_topLine)
        return;
    const int bottom = last < 0 ? viewport()->height() : (last - m_topLine + 1) * height;
    if (bottom > top && top < viewport()->height())
        viewport()->update(0, top, viewport()->width(), bottom - top);
}

// ---- Buffer changes ---------------------------------------------------------------------

void CKTextView::OnBufferChanged(CKBufferView*, const UpdateContext* ctx, uint32_t flags,
                                 int line)
{
    if (flags & UPD_RESET) {
        ResetLayout();
        RecalcVertBar();
        RecalcHorzBar();
        return;
    }
    if (flags & UPD_ONELINE) {
        if (m_states.Allocated())
            m_states.ForgetFrom(line);
        if (m_widths.Allocated() && line < m_widths.Count())
            m_widths.Forget(line);
    } else {
        line = std::max(line, 0);
        const int count = LineCount();
        if (m_states.Allocated()) {
            if (m_states.Count() != count)
                m_states.Resize(count, line);
            else
                m_states.ForgetFrom(line);
        }
        if (m_widths.Allocated()) {
            if (m_widths.Count() != count)
                m_widths.Resize(count, line);
            else
                m_widths.ForgetFrom(line);
        }
    }
    RepaintLines(line, -1);
    if (ctx) {
        const int oldTop = m_topLine;
        for (TextPoint* p : {&m_cursor, &m_selStart, &m_selEnd, &m_anchor})
            ctx->AdjustPosition(*p);
        if (m_draggingText) {
            ctx->AdjustPosition(m_dragStart);
            ctx->AdjustPosition(m_dragEnd);
        }
        TextPoint top{0, m_topLine};
        ctx->AdjustPosition(top);
        m_topLine = std::clamp(top.y, 0, LineCount() - 1);
        if (m_topLine != oldTop)
            viewport()->update();
        PlaceCaret();
    }
    if ((flags & UPD_LINES) && !m_vertBarSuspended)
        RecalcVertBar();
    if (flags & UPD_TEXT) {
        m_largestWidth = -1;
        if (!m_horzBarSuspended)
            RecalcHorzBar();
    }
}

// ---- Scrolling --------------------------------------------------------------------------

void CKTextView::RecalcVertBar(bool positionOnly)
{
    QScrollBar* bar = verticalScrollBar();
    const int lines = LineCount();
    const int screen = ScreenLines();
    if (!positionOnly && screen >= lines && m_topLine > 0) {
        m_topLine = 0;
        viewport()->update();
        PlaceCaret();
    }
    m_barUpdate = true;
    if (!positionOnly) {
        bar->setRange(0, std::max(lines - screen, 0));
        bar->setPageStep(screen);
        bar->setSingleStep(1);
    }
    bar->setValue(m_topLine);
    m_barUpdate = false;
}

void CKTextView::RecalcHorzBar(bool positionOnly)
{
    QScrollBar* bar = horizontalScrollBar();
    const int largest = LargestLineWidth();
    const int screen = ScreenChars();
    if (!positionOnly && screen >= largest && m_offsetChar > 0) {
        m_offsetChar = 0;
        viewport()->update();
        PlaceCaret();
    }
    m_barUpdate = true;
    if (!positionOnly) {
        bar->setRange(0, std::max(largest - screen, 0));
        bar->setPageStep(screen);
        bar->setSingleStep(1);
    }
    bar->setValue(m_offsetChar);
    m_barUpdate = false;
}

void CKTextView::ScrollTopTo(int newTop, bool immediate, bool updateBar)
{
    if (newTop == m_topLine)
        return;
    if (!immediate && Settings().smoothScroll) {
        const int step = text_layout::SmoothScrollStep(newTop - m_topLine);
        while (m_topLine != newTop) {
            const int distance = newTop - m_topLine;
            m_topLine += std::clamp(distance, -step, step);
            viewport()->repaint();
            if (updateBar)
                RecalcVertBar(true);
        }
    } else {
        m_topLine = newTop;
        viewport()->update();
        if (updateBar)
            RecalcVertBar(true);
    }
    PlaceCaret();
}

void CKTextView::ScrollLeftTo(int newOffset, bool, bool updateBar)
{
    if (newOffset == m_offsetChar)
        return;
    m_offsetChar = newOffset;
    viewport()->update();
    if (updateBar)
        RecalcHorzBar(true);
    PlaceCaret();
}

void CKTextView::ScrollVertically(int newTop, bool immediate)
{
    newTop = std::clamp(newTop, 0, LineCount() - 1);
    if (newTop == m_topLine)
        return;
    ScrollTopTo(newTop, immediate);
    SyncSiblings(true);
}

void CKTextView::ScrollHorizontally(int newOffset)
{
    newOffset = std::max(std::min(newOffset, LargestLineWidth() - 1), 0);
    if (newOffset == m_offsetChar)
        return;
    ScrollLeftTo(newOffset, true);
    SyncSiblings(false);
}

void CKTextView::OnVertBarAction(int action)
{
    if (m_barUpdate)
        return;
    const int screen = ScreenLines();
    int top = m_topLine;
    bool immediate = true;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: top -= 1; break;
    case QAbstractSlider::SliderSingleStepAdd: top += 1; break;
    case QAbstractSlider::SliderPageStepSub: top -= screen - 1; immediate = false; break;
    case QAbstractSlider::SliderPageStepAdd: top += screen - 1; immediate = false; break;
    case QAbstractSlider::SliderToMinimum: top = 0; break;
    case QAbstractSlider::SliderToMaximum: top = LineCount() - screen + 1; break;
    case QAbstractSlider::SliderMove: top = verticalScrollBar()->sliderPosition(); break;
    default: return;
    }
    ScrollVertically(top, immediate);
    // The bar shows where the view went, not where the bar's own step would have gone.
    m_barUpdate = true;
    verticalScrollBar()->setSliderPosition(std::min(m_topLine, verticalScrollBar()->maximum()));
    m_barUpdate = false;
}

void CKTextView::OnHorzBarAction(int action)
{
    if (m_barUpdate)
        return;
    int offset = m_offsetChar;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: offset -= 1; break;
    case QAbstractSlider::SliderSingleStepAdd: offset += 1; break;
    case QAbstractSlider::SliderPageStepSub: offset -= kHorzPageColumns; break;
    case QAbstractSlider::SliderPageStepAdd: offset += kHorzPageColumns; break;
    case QAbstractSlider::SliderToMinimum: offset = 0; break;
    case QAbstractSlider::SliderToMaximum: offset = LargestLineWidth() - ScreenChars() + 1; break;
    case QAbstractSlider::SliderMove: offset = horizontalScrollBar()->sliderPosition(); break;
    default: return;
    }
    ScrollHorizontally(offset);
    m_barUpdate = true;
    horizontalScrollBar()->setSliderPosition(std::min(m_offsetChar, horizontalScrollBar()->maximum()));
    m_barUpdate = false;
}

void CKTextView::wheelEvent(QWheelEvent* event)
{
    const QPoint steps = event->angleDelta() / 120;
    const int lines = QApplication::wheelScrollLines();
    if (event->modifiers() & Qt::ShiftModifier || steps.y() == 0)
        ScrollHorizontally(m_offsetChar - (steps.x() ? steps.x() : steps.y()) * lines);
    else
        ScrollVertically(m_topLine - steps.y() * lines, true);
    event->accept();
}

void CKTextView::RevealPosition(TextPoint p)
{
    const int screen = ScreenLines();
    int top = m_topLine;
    if (p.y >= top + screen)
        top = p.y - screen + 1;
    if (p.y < top)
        top = p.y;
    ScrollVertically(top, false);

    const int column = ColumnOfChar(p.y, p.x);
    const int chars = ScreenChars();
    int offset = m_offsetChar;
    if (column > offset + chars - 5)
        offset = column - chars + 5;
    if (column < offset)
        offset = column;
    ScrollHorizontally(offset);
    PlaceCaret();
}

void CKTextView::SyncSiblings(bool vertical)
{
    if (!m_siblings)
        return;
    if (vertical)
        m_siblings->TopLineChanged(*this);
    else
        m_siblings->OffsetCharChanged(*this);
}

void CKTextView::FollowSibling(const CKTextView& source, bool vertical)
{
    if (vertical) {
        ScrollTopTo(std::clamp(source.TopLine(), 0, LineCount() - 1), true);
    } else {
        ScrollLeftTo(std::max(source.OffsetChar(), 0), true);
    }
}

// ---- Caret ------------------------------------------------------------------------------

void CKTextView::PlaceCaret()
{
    const QRect old = m_caretRect;
    const bool wasShown = m_caretShown;
    m_caretShown = m_focused && !m_cursorHidden && ColumnOfChar(m_cursor.y, m_cursor.x) >= m_offsetChar;
    if (m_caretShown) {
        m_caretRect = QRect(PositionToPixel(m_cursor), QSize(kCaretWidth, GetLineHeight()));
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

// ---- Commands ---------------------------------------------------------------------------

void CKTextView::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods =
        event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool shift = mods & Qt::ShiftModifier;
    const Qt::KeyboardModifiers rest = mods & ~Qt::ShiftModifier;
    int command = 0;
    for (const KeyBinding& b : kMoveKeys)
        if (b.key == event->key() && b.modifiers == rest)
            command = b.command + (shift ? 1 : 0);
    if (!shift && rest == Qt::ControlModifier) {
        if (event->key() == Qt::Key_Up)
            command = ID_EDIT_SCROLL_UP;
        else if (event->key() == Qt::Key_Down)
            command = ID_EDIT_SCROLL_DOWN;
        else if (event->key() == Qt::Key_Insert)
            command = ID_EDIT_COPY;
        else if (event->key() == Qt::Key_C)
            command = ID_EDIT_COPY;
        else if (event->key() == Qt::Key_A)
            command = ID_EDIT_SELECT_ALL;
    }
    if (command && OnCommand(command)) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

bool CKTextView::OnCommand(int id)
{
    switch (id) {
    case ID_EDIT_COPY:
        Copy();
        return true;
    case ID_EDIT_SELECT_ALL:
        SelectAll();
        return true;
    default:
        return RunMoveCommand(id);
    }
}

bool CKTextView::OnUpdateCommand(CmdUI& ui)
{
    if (ui.id == ID_EDIT_COPY) {
        ui.Enable(HasSelection());
        return true;
    }
    if (ui.id == ID_EDIT_SELECT_ALL || (ui.id >= ID_EDIT_CHAR_LEFT && ui.id <= ID_EDIT_EXT_TEXT_END))
        return true;
    return false;
}

bool CKTextView::PaneText(int paneId, QString& text)
{
    switch (paneId) {
    case ID_PANE_POSITION:
        text = QStringLiteral("Col %1,Ln %2")
                   .arg(ColumnOfChar(m_cursor.y, m_cursor.x) + 1)
                   .arg(m_cursor.y + 1);
        return true;
    case ID_PANE_LINE_ENDING: {
        const int mode = m_buffer ? m_buffer->LineEnding() : -1;
        if (mode < 0 || mode > 2)
            return false;
        text = QString::fromLatin1(kLineEndingTexts[mode]);
        return true;
    }
    case ID_PANE_CODE_PAGE: {
        const int page = m_buffer ? m_buffer->CodePage() : -1;
        if (page < 0 || page > 4)
            return false;
        text = QString::fromLatin1(kCodePageTexts[page]);
        return true;
    }
    case ID_PANE_READ_ONLY:
        text = QStringLiteral("READ");
        return m_buffer && m_buffer->IsReadOnly();
    default:
        return false;
    }
}
