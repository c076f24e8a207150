// The view's search commands: Find, Find Next and Previous, incremental search, Go to line
// and Replace, each a dialog or a key over the display-free search code.
#include "view/FindController.h"

#include "controls/QtText.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"
#include "text/KTextBuffer.h"
#include "view/FindDialog.h"
#include "view/KTextView.h"
#include "view/ReplaceDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

CKFindController::CKFindController(CKTextView& view) : m_view(view) {}

FindCaret CKFindController::CurrentFindCaret() const
{
    return {m_view.CursorPos(), m_view.OrderedSelection()};
}

void CKFindController::ShowFound(const FindCaret& caret)
{
    CTextViewModel& model = m_view.Model();
    model.SetSelection(caret.selection.start, caret.selection.end);
    model.SetCursor(caret.cursor);
    model.SetAnchor(caret.cursor);
    model.RevealWithContext(caret.cursor);
    m_view.PlaceCaret();
}

void CKFindController::TellSearchFailure(const std::string& pattern)
{
    ReplaceProblem problem = ReplaceProblem::NotFound;
    if (m_search.Status() == SearchStatus::InvalidPattern)
        problem = ReplaceProblem::InvalidPattern;
    else if (m_search.Status() == SearchStatus::TooCostly)
        problem = ReplaceProblem::TooCostly;
    QMessageBox::information(&m_view, QStringLiteral("Tagwright"),
                             ReplaceProblemText(problem, {pattern, {}, 0, {}}));
}

void CKFindController::Find()
{
    if (!m_view.Buffer())
        return;
    SettingsStore& store = m_view.Document().Settings().Store();
    TextPoint from = m_view.CursorPos();
    CKFindDialog dialog(
        m_findMemory.Opening(ReadFindSettings(store), *m_view.Buffer(), CurrentFindCaret()),
        [this, &from](const FindOptions& fields) {
            TextPoint found;
            if (m_search.SearchText(*m_view.Buffer(), fields.text, from, fields.flags, true,
                                    found)) {
                ShowFound(MatchSelection(m_search, found));
                return true;
            }
            TellSearchFailure(fields.text);
            from = {0, 0};
            return false;
        },
        &m_view);
    dialog.exec();
    m_findMemory.Closed(dialog.Fields());
    WriteFindSettings(store, dialog.Fields());
}

void CKFindController::FindAgain(bool invert)
{
    if (!m_view.Buffer() || !m_findMemory.SearchedBefore())
        return;
    const FindOptions& last = m_findMemory.Last();
    if (const auto found = ::FindAgain(*m_view.Buffer(), m_search, CurrentFindCaret(), last.text,
                                       last.flags, invert))
        ShowFound(*found);
    else
        TellSearchFailure(last.text);
}

bool CKFindController::CanStartIncrementalSearch(bool forward) const
{
    return m_view.Buffer()
           && CIncrementalSearch::CanStart(*m_view.Buffer(), m_view.CursorPos(), forward);
}

void CKFindController::ApplyIncrementalStep(const CIncrementalSearch::Step& step)
{
    if (step.caret)
        ShowFound(*step.caret);
    if (step.beep)
        QApplication::beep();
    // The prompt in the message pane follows each step.
    m_view.CommandStatesChanged();
}

void CKFindController::StartIncrementalSearch(bool forward)
{
    if (!CanStartIncrementalSearch(forward) && !m_incremental.Running())
        return;
    ApplyIncrementalStep(
        m_incremental.Start(*m_view.Buffer(), m_search, CurrentFindCaret(), forward));
}

namespace {

constexpr int kSearchBackspace = -1;
constexpr int kNotSearchKey = -2;

// What a key means to a running incremental search: a character typed into it,
// kSearchBackspace, or kNotSearchKey for a key that runs its command instead.
int IncrementalSearchInput(const QKeyEvent& event)
{
    // Keys with Ctrl or Alt run their commands, which end the search.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return kNotSearchKey;
    switch (event.key()) {
    case Qt::Key_Backspace:
        return kSearchBackspace;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Tab:
        return '\t';
    default: {
        // Keys without a character (arrows, function keys) run their commands, which end
        // the search.
        if (event.text().isEmpty())
            return kNotSearchKey;
        const std::string bytes = ToWindows1251(event.text());
        return bytes.size() == 1 ? static_cast<uint8_t>(bytes[0]) : kNotSearchKey;
    }
    }
}

} // namespace

bool CKFindController::IsIncrementalSearchKey(const QKeyEvent& event) const
{
    return IncrementalSearchInput(event) != kNotSearchKey;
}

bool CKFindController::TakeIncrementalSearchKey(const QKeyEvent& event)
{
    const int input = IncrementalSearchInput(event);
    if (input == kSearchBackspace)
        ApplyIncrementalStep(
            m_incremental.Backspace(*m_view.Buffer(), m_search, CurrentFindCaret()));
    else if (input >= 0)
        ApplyIncrementalStep(m_incremental.Type(*m_view.Buffer(), m_search, CurrentFindCaret(),
                                                static_cast<uint8_t>(input)));
    return input != kNotSearchKey;
}

void CKFindController::GotoLine()
{
    if (!m_view.Buffer())
        return;
    CKGotoLineDialog dialog(m_view.Buffer()->LineCount(), m_view.CursorPos().y + 1, &m_view);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (const auto target = GotoLineTarget(*m_view.Buffer(), dialog.Number()))
        ShowFound(FindCaret::At(*target));
}

bool CKFindController::CanReplace() const
{
    return m_view.Buffer() && !m_view.Buffer()->IsReadOnly();
}

void CKFindController::Replace()
{
    if (!CanReplace())
        return;
    SettingsStore& store = m_view.Document().Settings().Store();
    const EditCaret state{m_view.CursorPos(), m_view.SelectionStart(), m_view.SelectionEnd()};
    CReplaceSession session(*m_view.Buffer(), &m_view, m_search, state);
    CKReplaceDialog dialog(
        session,
        ReplaceOpening(ReadReplaceSettings(store), m_findMemory, m_replaceMemory, *m_view.Buffer(),
                       state),
        [this](const EditCaret& shown) {
            ShowFound({shown.caret, shown.Selection()});
        },
        &m_view);
    dialog.exec();
    ReplaceClosed(m_findMemory, m_replaceMemory, dialog.Fields());
    WriteReplaceSettings(store, dialog.Fields());
    if (session.SelectionScopeAllowed()) {
        const TextRange block = session.RememberedSelection();
        ShowFound({block.end, block});
    }
}
