// The view's search commands: Find, Find Next and Previous, incremental search, Go to line
// and Replace, each a dialog or a key over the display-free search code.
#include "view/KTextView.h"

#include "controls/QtText.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"
#include "text/KTextBuffer.h"
#include "view/FindDialog.h"
#include "view/ReplaceDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

FindCaret CKTextView::CurrentFindCaret() const { return {CursorPos(), OrderedSelection()}; }

void CKTextView::ShowFound(const FindCaret& caret)
{
    m_model.SetSelection(caret.selection.start, caret.selection.end);
    m_model.SetCursor(caret.cursor);
    m_model.SetAnchor(caret.cursor);
    m_model.RevealPosition(caret.cursor);
    PlaceCaret();
}

void CKTextView::TellSearchFailure(const std::string& pattern)
{
    ReplaceProblem problem = ReplaceProblem::NotFound;
    if (m_search.Status() == SearchStatus::InvalidPattern)
        problem = ReplaceProblem::InvalidPattern;
    else if (m_search.Status() == SearchStatus::TooCostly)
        problem = ReplaceProblem::TooCostly;
    QMessageBox::information(this, QStringLiteral("Tagwright"),
                             ReplaceProblemText(problem, {pattern, {}, 0, {}}));
}

void CKTextView::Find()
{
    if (!m_buffer)
        return;
    SettingsStore& store = m_doc.Settings().Store();
    TextPoint from = CursorPos();
    CKFindDialog dialog(m_findMemory.Opening(ReadFindSettings(store), *m_buffer, CurrentFindCaret()),
                        [this, &from](const FindOptions& fields) {
                            TextPoint found;
                            if (m_search.SearchText(*m_buffer, fields.text, from, fields.flags,
                                                    true, found)) {
                                ShowFound(MatchSelection(m_search, found));
                                return true;
                            }
                            TellSearchFailure(fields.text);
                            from = {0, 0};
                            return false;
                        },
                        this);
    dialog.exec();
    m_findMemory.Closed(dialog.Fields());
    WriteFindSettings(store, dialog.Fields());
}

void CKTextView::FindAgain(bool invert)
{
    if (!m_buffer || !m_findMemory.SearchedBefore())
        return;
    const FindOptions& last = m_findMemory.Last();
    if (const auto found =
            ::FindAgain(*m_buffer, m_search, CurrentFindCaret(), last.text, last.flags, invert))
        ShowFound(*found);
    else
        TellSearchFailure(last.text);
}

bool CKTextView::CanStartIncrementalSearch(bool forward) const
{
    return m_buffer && CIncrementalSearch::CanStart(*m_buffer, CursorPos(), forward);
}

void CKTextView::ApplyIncrementalStep(const CIncrementalSearch::Step& step)
{
    if (step.caret)
        ShowFound(*step.caret);
    if (step.beep)
        QApplication::beep();
}

void CKTextView::StartIncrementalSearch(bool forward)
{
    if (!CanStartIncrementalSearch(forward) && !m_incremental.Running())
        return;
    ApplyIncrementalStep(m_incremental.Start(*m_buffer, m_search, CurrentFindCaret(), forward));
}

bool CKTextView::IncrementalSearchKey(QKeyEvent* event)
{
    const auto mods = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    uint8_t c = 0;
    switch (event->key()) {
    case Qt::Key_Backspace:
        if (mods)
            return false;
        ApplyIncrementalStep(m_incremental.Backspace(*m_buffer, m_search, CurrentFindCaret()));
        return true;
    case Qt::Key_Escape: c = 27; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: c = 13; break;
    case Qt::Key_Tab: c = '\t'; break;
    default: {
        // Keys without a character (arrows, function keys) run their commands, which end
        // the search; Ctrl and Alt keys too.
        if (mods || event->text().isEmpty())
            return false;
        const std::string bytes = ToWindows1251(event->text());
        if (bytes.size() != 1)
            return false;
        c = static_cast<uint8_t>(bytes[0]);
    }
    }
    ApplyIncrementalStep(m_incremental.Type(*m_buffer, m_search, CurrentFindCaret(), c));
    return true;
}

void CKTextView::GotoLine()
{
    if (!m_buffer)
        return;
    CKGotoLineDialog dialog(m_buffer->LineCount(), CursorPos().y + 1, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto target = GotoLineTarget(*m_buffer, dialog.Number()))
        ShowFound(FindCaret::At(*target));
}

bool CKTextView::CanReplace() const { return m_buffer && !m_buffer->IsReadOnly(); }

void CKTextView::Replace()
{
    if (!CanReplace())
        return;
    SettingsStore& store = m_doc.Settings().Store();
    const EditCaret state{CursorPos(), SelectionStart(), SelectionEnd()};
    CReplaceSession session(*m_buffer, this, m_search, state);
    CKReplaceDialog dialog(
        session,
        ReplaceOpening(ReadReplaceSettings(store), m_findMemory, m_replaceMemory, *m_buffer, state),
        [this](const EditCaret& shown) { ShowFound({shown.caret, shown.Selection()}); }, this);
    dialog.exec();
    ReplaceClosed(m_findMemory, m_replaceMemory, dialog.Fields());
    WriteReplaceSettings(store, dialog.Fields());
    if (session.SelectionScopeAllowed()) {
        const TextRange block = session.RememberedSelection();
        ShowFound({block.end, block});
    }
}
