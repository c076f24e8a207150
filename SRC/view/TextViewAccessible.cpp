// The text view's accessible object and the events the view sends while a screen reader (or
// any other assistive client) listens.
#include "view/TextViewAccessible.h"

#include "controls/QtText.h"
#include "doc/TagwrightDoc.h"
#include "view/KTextView.h"

#include <QAccessible>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <climits>

namespace {

QAccessibleInterface* MakeTextViewAccessible(const QString&, QObject* object)
{
    if (auto* view = qobject_cast<CKTextView*>(object))
        return new CTextViewAccessible(view);
    return nullptr;
}

// The bytes of the lines from a to b with "\n" between them.
std::string BytesBetween(const CKTextView& view, TextPoint a, TextPoint b)
{
    std::string bytes;
    for (int line = a.y; line <= b.y; ++line) {
        const std::string_view text = view.Line(line);
        const size_t from = line == a.y ? static_cast<size_t>(a.x) : 0;
        const size_t to = line == b.y ? static_cast<size_t>(b.x) : text.size();
        if (from < to)
            bytes.append(text.substr(from, to - from));
        if (line < b.y)
            bytes.push_back('\n');
    }
    return bytes;
}

QString TextBetween(const CKTextView& view, TextPoint a, TextPoint b)
{
    return FromWindows1251(BytesBetween(view, a, b));
}

int ToInt(int64_t offset) { return static_cast<int>(std::min<int64_t>(offset, INT_MAX)); }

// Whether an assistive client listens. The platform's bridge reports when one starts and stops
// listening; asking the platform at every caret move would cost a call each time.
class ListeningWatch : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override { listening = active; }
    bool listening = QAccessible::isActive();
};

// Lives as long as the program: Qt keeps the pointer.
ListeningWatch& Watch()
{
    static auto* watch = new ListeningWatch;
    return *watch;
}

bool ClientListens() { return Watch().listening; }

// Larger selections are not kept for the text a deletion removes.
constexpr int kRememberedSelectionLines = 2000;

} // namespace

void InstallTextViewAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeTextViewAccessible);
        QAccessible::installActivationObserver(&Watch());
        return true;
    }();
    (void)installed;
}

// ---- The accessible object --------------------------------------------------------------

CTextViewAccessible::CTextViewAccessible(CKTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText)
{
}

CKTextView& CTextViewAccessible::View() const { return *static_cast<CKTextView*>(object()); }

CTextOffsets& CTextViewAccessible::Offsets() const { return View().AccessEvents().Offsets(); }

QString CTextViewAccessible::text(QAccessible::Text t) const
{
    // The title without the modified mark: the name stays put while the user types.
    if (t == QAccessible::Name)
        return View().Document().Title();
    return QAccessibleWidget::text(t);
}

QAccessible::State CTextViewAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    const bool readOnly = !View().IsEditable() || !View().Buffer() || View().Buffer()->IsReadOnly();
    s.readOnly = readOnly;
    s.editable = !readOnly;
    s.multiLine = true;
    s.selectableText = true;
    s.focusable = true;
    return s;
}

void* CTextViewAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && View().IsEditable())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void CTextViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !View().HasSelection())
        return;
    const TextRange sel = View().OrderedSelection();
    *startOffset = ToInt(Offsets().OffsetOf(sel.start));
    *endOffset = ToInt(Offsets().OffsetOf(sel.end));
}

int CTextViewAccessible::selectionCount() const { return View().HasSelection() ? 1 : 0; }

void CTextViewAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void CTextViewAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        setCursorPosition(cursorPosition());
}

void CTextViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    CKTextView& view = View();
    const TextPoint start = Offsets().PointAt(startOffset);
    const TextPoint end = Offsets().PointAt(endOffset);
    view.SetAnchor(start);
    view.SetCursorPos(end);
    view.SetSelection(start, end);
    view.RevealPosition(end);
    view.PlaceCaret();
}

int CTextViewAccessible::cursorPosition() const
{
    return ToInt(Offsets().OffsetOf(View().CursorPos()));
}

void CTextViewAccessible::setCursorPosition(int position)
{
    const TextPoint p = Offsets().PointAt(position);
    CKTextView& view = View();
    view.Model().PlaceAt(p);
    view.RevealPosition(p);
    view.PlaceCaret();
}

QString CTextViewAccessible::text(int startOffset, int endOffset) const
{
    if (endOffset < startOffset)
        return {};
    return TextBetween(View(), Offsets().PointAt(startOffset), Offsets().PointAt(endOffset));
}

int CTextViewAccessible::characterCount() const { return ToInt(Offsets().Length()); }

void CTextViewAccessible::SegmentAt(int offset, QAccessible::TextBoundaryType boundary, int& start,
                                    int& end) const
{
    CTextOffsets& offsets = Offsets();
    const int count = ToInt(offsets.Length());
    offset = std::clamp(offset, 0, count);
    switch (boundary) {
    case QAccessible::CharBoundary:
        start = offset;
        end = std::min(offset + 1, count);
        return;
    case QAccessible::NoBoundary:
        start = 0;
        end = count;
        return;
    case QAccessible::WordBoundary: {
        // Words are looked for in the offset's line only, its "\n" included.
        const TextPoint p = offsets.PointAt(offset);
        const int lineStart = ToInt(offsets.LineStart(p.y));
        const bool last = p.y + 1 >= View().LineCount();
        QString line = FromWindows1251(View().Line(p.y));
        if (!last)
            line += QLatin1Char('\n');
        const int pos = std::min(offset - lineStart, int(line.size()));
        QTextBoundaryFinder finder(QTextBoundaryFinder::Word, line);
        finder.setPosition(pos);
        int from = pos;
        if (!finder.isAtBoundary() || pos == line.size())
            from = std::max(int(finder.toPreviousBoundary()), 0);
        finder.setPosition(from);
        int to = int(finder.toNextBoundary());
        if (to < 0)
            to = int(line.size());
        start = lineStart + from;
        end = lineStart + to;
        return;
    }
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary: {
        // A line together with the "\n" that ends it.
        const int line = offsets.PointAt(offset).y;
        start = ToInt(offsets.LineStart(line));
        end = line + 1 < View().LineCount() ? ToInt(offsets.LineStart(line + 1)) : count;
        return;
    }
    }
}

QString CTextViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int* startOffset, int* endOffset) const
{
    SegmentAt(offset, boundary, *startOffset, *endOffset);
    return text(*startOffset, *endOffset);
}

QString CTextViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* startOffset, int* endOffset) const
{
    int start = 0, end = 0;
    SegmentAt(offset, boundary, start, end);
    if (start == 0) {
        *startOffset = *endOffset = 0;
        return {};
    }
    return textAtOffset(start - 1, boundary, startOffset, endOffset);
}

QString CTextViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                             int* startOffset, int* endOffset) const
{
    int start = 0, end = 0;
    SegmentAt(offset, boundary, start, end);
    const int count = characterCount();
    if (end >= count) {
        *startOffset = *endOffset = count;
        return {};
    }
    return textAtOffset(end, boundary, startOffset, endOffset);
}

QRect CTextViewAccessible::characterRect(int offset) const
{
    CKTextView& view = View();
    const QPoint topLeft = view.PositionToPixel(Offsets().PointAt(offset));
    const QRect local(topLeft, QSize(view.GetCharWidth(), view.GetLineHeight()));
    return QRect(view.viewport()->mapToGlobal(local.topLeft()), local.size());
}

int CTextViewAccessible::offsetAtPoint(const QPoint& point) const
{
    CKTextView& view = View();
    const QPoint local = view.viewport()->mapFromGlobal(point);
    if (!view.viewport()->rect().contains(local))
        return -1;
    return ToInt(Offsets().OffsetOf(view.PixelToPosition(local.x(), local.y())));
}

void CTextViewAccessible::scrollToSubstring(int startIndex, int)
{
    View().RevealPosition(Offsets().PointAt(startIndex));
}

QString CTextViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    // The text has no runs of differing attributes to tell about: one run per line.
    SegmentAt(offset, QAccessible::LineBoundary, *startOffset, *endOffset);
    return {};
}

void CTextViewAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, {});
}

void CTextViewAccessible::insertText(int offset, const QString& text)
{
    replaceText(offset, offset, text);
}

void CTextViewAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    CTextOffsets& offsets = Offsets();
    View().ReplaceRange(Ordered(offsets.PointAt(startOffset), offsets.PointAt(endOffset)), text);
}

// ---- Events -----------------------------------------------------------------------------

CTextAccessEvents::CTextAccessEvents(CKTextView& view, const CViewModelHost& text)
    : m_view(view), m_offsets(text), m_title(view.Document().Title())
{
}

void CTextAccessEvents::TextChanged(const UpdateContext* ctx, uint32_t flags, int line)
{
    if (flags & UPD_RESET) {
        m_offsets.ForgetAll();
        m_sentCursor = {-1, -1};
        m_rememberedLine = -1;
        return;
    }
    if (!ctx) {
        m_offsets.ForgetAfter(line);
        return;
    }
    if (!ClientListens()) {
        m_offsets.ForgetAfter(ctx->start.y);
        m_rememberedLine = -1;
        return;
    }
    if (ctx->kind == UpdateContext::Kind::Insert) {
        m_offsets.ForgetAfter(ctx->start.y);
        const int position = ToInt(m_offsets.OffsetOf(ctx->start));
        QAccessibleTextInsertEvent event(&m_view, position,
                                         TextBetween(m_view, ctx->start, ctx->end));
        QAccessible::updateAccessibility(&event);
    } else {
        // The starts of the old lines still stand until forgotten: they give the length of a
        // removal the remembered text does not cover.
        int64_t length = -1;
        if (ctx->start.y == ctx->end.y)
            length = ctx->end.x - ctx->start.x;
        else if (m_offsets.Knows(ctx->end.y))
            length = m_offsets.OffsetOf(ctx->end) - m_offsets.OffsetOf(ctx->start);
        const QString removed = RemovedText(*ctx, length);
        m_offsets.ForgetAfter(ctx->start.y);
        if (!removed.isEmpty()) {
            QAccessibleTextRemoveEvent event(&m_view, ToInt(m_offsets.OffsetOf(ctx->start)),
                                             removed);
            QAccessible::updateAccessibility(&event);
        }
    }
    // The caret line's text is read again once the caret is placed after the change.
    m_rememberedLine = -1;
}

QString CTextAccessEvents::RemovedText(const UpdateContext& ctx, int64_t length) const
{
    if (ctx.start.y == ctx.end.y && ctx.start.y == m_rememberedLine
        && static_cast<size_t>(ctx.end.x) <= m_lineText.size())
        return FromWindows1251(std::string_view(m_lineText)
                                   .substr(static_cast<size_t>(ctx.start.x),
                                           static_cast<size_t>(ctx.end.x - ctx.start.x)));
    if (ctx.start == m_rememberedSelection.start && ctx.end == m_rememberedSelection.end
        && !(ctx.start == ctx.end))
        return FromWindows1251(m_selectionText);
    // Text nobody kept: its length keeps the client's offsets right.
    return length > 0 ? QString(ToInt(length), QLatin1Char(' ')) : QString();
}

void CTextAccessEvents::TitleChanged()
{
    const QString title = m_view.Document().Title();
    if (title == m_title)
        return;
    m_title = title;
    if (ClientListens()) {
        QAccessibleEvent event(&m_view, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CTextAccessEvents::CaretPlaced()
{
    if (!ClientListens())
        return;
    const TextPoint cursor = m_view.CursorPos();
    if (!(cursor == m_sentCursor)) {
        m_sentCursor = cursor;
        QAccessibleTextCursorEvent event(&m_view, ToInt(m_offsets.OffsetOf(cursor)));
        QAccessible::updateAccessibility(&event);
        RememberAroundCaret();
    } else if (m_rememberedLine != cursor.y) {
        RememberAroundCaret();
    }
}

void CTextAccessEvents::SelectionChanged(TextRange before, TextRange after)
{
    if (!ClientListens())
        return;
    RememberAroundCaret();
    // An empty selection moving along with the caret is no news: the caret event tells it.
    if (before.start == before.end && after.start == after.end)
        return;
    const TextRange sel = m_view.OrderedSelection();
    const int start = ToInt(m_offsets.OffsetOf(sel.start));
    const int end = ToInt(m_offsets.OffsetOf(sel.end));
    QAccessibleTextSelectionEvent event(&m_view, start, end);
    event.setCursorPosition(ToInt(m_offsets.OffsetOf(m_view.CursorPos())));
    QAccessible::updateAccessibility(&event);
}

void CTextAccessEvents::RememberAroundCaret()
{
    const TextPoint cursor = m_view.CursorPos();
    m_rememberedLine = cursor.y;
    m_lineText.assign(m_view.Line(cursor.y));
    const TextRange sel = m_view.OrderedSelection();
    m_rememberedSelection = sel;
    if (sel.end.y - sel.start.y > kRememberedSelectionLines) {
        m_rememberedSelection = {};
        m_selectionText.clear();
    } else {
        m_selectionText = BytesBetween(m_view, sel.start, sel.end);
    }
}
