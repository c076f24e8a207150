// Spelling in the text view: the cache of the lines shown asked for on a worker thread, the
// marks it gives back, moves to the next or previous misspelled word and accepted words.
#include "view/KTextView.h"

#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"

#include <QApplication>
#include <QGuiApplication>

#include <algorithm>

CSpellChecker& CKTextView::SpellChecker()
{
    static CSpellChecker checker;
    return checker;
}

void CKTextView::SyncSpelling()
{
    if (!m_bound)
        return;
    if (!m_doc.SpellingOn()) {
        if (m_spell) {
            m_spell.reset();
            viewport()->update();
        }
        return;
    }
    if (!m_spell) {
        // The worker reports each line it checked; the view repaints it on its own thread.
        m_spell = std::make_unique<CSpellCache>(SpellChecker(), [this](int line) {
            QMetaObject::invokeMethod(
                this, [this, line] { SpellLineReady(line); }, Qt::QueuedConnection);
        });
        m_spellType.reset();
    }
    const SourceType type = m_doc.SourceType();
    const SpellLanguage language = m_doc.CyrillicLanguage();
    if (type != m_spellType || language != m_spellLanguage) {
        m_spellType = type;
        m_spellLanguage = language;
        m_spell->SetDocument(type, language);
        m_spellRequested = {};
    }
    viewport()->update();
}

void CKTextView::RequestSpelling()
{
    const int top = TopLine();
    const int shown = ScreenLines() + 1;
    const SpellRequestKey key{top, shown, m_spellEdits};
    if (key == m_spellRequested)
        return;
    m_spellRequested = key;
    // The lines shown first, then a screen below and a screen above them.
    const int count = LineCount();
    const int first = std::max(top - shown, 0);
    const int last = std::min(top + 2 * shown, count) - 1;
    const int shownEnd = std::min(top + shown, count);
    std::vector<SpellLineRequest> lines;
    lines.reserve(static_cast<size_t>(std::max(last - first + 1, 0)));
    const auto add = [&](int line) {
        if (LineLength(line) > 0)
            lines.push_back({line, StateBeforeLine(line), std::string(Line(line))});
    };
    for (int line = top; line < shownEnd; ++line)
        add(line);
    for (int line = shownEnd; line <= last; ++line)
        add(line);
    for (int line = top - 1; line >= first; --line)
        add(line);
    m_spell->Request(std::move(lines));
}

void CKTextView::SpellLineReady(int line)
{
    if (line >= TopLine() && line < TopLine() + ScreenLines() + 1)
        RepaintLines(line, line);
    ShowSpellingMessages();
}

void CKTextView::ShowSpellingMessages()
{
    // The checker gives each message once for the whole program (a missing dictionary, a
    // personal word list that cannot be read).
    for (const std::string& message : SpellChecker().TakeMessages())
        m_doc.Host().ShowWarning(QString::fromStdString(message));
}

// Checks the lines from fromLine up to toLine (down when toLine is smaller), both included,
// until found(line, misspellings) returns true; returns whether it did.
template <class Found>
bool CKTextView::ScanMisspellings(int fromLine, int toLine, Found&& found)
{
    CLineSpeller speller(SpellChecker());
    const SourceType type = m_doc.SourceType();
    const SpellLanguage language = m_doc.CyrillicLanguage();
    const int step = toLine >= fromLine ? 1 : -1;
    uint32_t state = StateBeforeLine(fromLine);
    for (int line = fromLine;; line += step) {
        if (step < 0)
            state = StateBeforeLine(line);
        const uint32_t after = speller.Check(type, language, state, *this, line, m_misspellings);
        if (!m_misspellings.empty() && found(line, m_misspellings))
            return true;
        if (line == toLine)
            return false;
        state = after;
    }
}

bool CKTextView::GoToMisspelling(bool forward)
{
    const TextRange selection = OrderedSelection();
    const TextPoint from = forward ? selection.end : selection.start;
    const int count = LineCount();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    TextRange word{};
    const auto pick = [&](int line, const std::vector<Misspelling>& words, auto&& wanted) {
        const Misspelling* chosen = nullptr;
        for (const Misspelling& w : words)
            if (wanted(w) && (!chosen || !forward))
                chosen = &w;
        if (chosen)
            word = {{chosen->start, line}, {chosen->start + chosen->length, line}};
        return chosen != nullptr;
    };
    const auto after = [&](const Misspelling& w) { return w.start >= from.x; };
    const auto before = [&](const Misspelling& w) { return w.start < from.x; };
    const auto any = [](const Misspelling&) { return true; };
    bool found;
    if (forward) {
        // The rest of the caret's line, the lines below, from the top down to the caret's
        // line and its start.
        found = ScanMisspellings(from.y, from.y,
                                 [&](int l, const auto& w) { return pick(l, w, after); })
                || (from.y + 1 < count
                    && ScanMisspellings(from.y + 1, count - 1,
                                        [&](int l, const auto& w) { return pick(l, w, any); }))
                || (from.y > 0
                    && ScanMisspellings(0, from.y - 1,
                                        [&](int l, const auto& w) { return pick(l, w, any); }))
                || ScanMisspellings(from.y, from.y,
                                    [&](int l, const auto& w) { return pick(l, w, before); });
    } else {
        found = ScanMisspellings(from.y, from.y,
                                 [&](int l, const auto& w) { return pick(l, w, before); })
                || (from.y > 0
                    && ScanMisspellings(from.y - 1, 0,
                                        [&](int l, const auto& w) { return pick(l, w, any); }))
                || (from.y + 1 < count
                    && ScanMisspellings(count - 1, from.y + 1,
                                        [&](int l, const auto& w) { return pick(l, w, any); }))
                || ScanMisspellings(from.y, from.y,
                                    [&](int l, const auto& w) { return pick(l, w, after); });
    }
    QGuiApplication::restoreOverrideCursor();
    if (!found) {
        QApplication::beep();
        return false;
    }
    m_model.SetSelection(word.start, word.end);
    m_model.SetCursor(word.end);
    m_model.SetAnchor(word.start);
    m_model.RevealPosition(word.end);
    PlaceCaret();
    return true;
}

std::optional<TextRange> CKTextView::MisspelledWordAt(TextPoint p)
{
    if (p.y < 0 || p.y >= LineCount() || LineLength(p.y) == 0)
        return std::nullopt;
    std::optional<TextRange> word;
    ScanMisspellings(p.y, p.y, [&](int line, const std::vector<Misspelling>& words) {
        for (const Misspelling& w : words)
            if (p.x >= w.start && p.x <= w.start + w.length)
                word = TextRange{{w.start, line}, {w.start + w.length, line}};
        return word.has_value();
    });
    return word;
}

void CKTextView::WordAccepted(std::string_view word)
{
    for (QWidget* widget : QApplication::allWidgets())
        if (auto* view = qobject_cast<CKTextView*>(widget); view && view->m_spell) {
            view->m_spell->WordAccepted(word);
            view->viewport()->update();
        }
}
