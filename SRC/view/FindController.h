// A view's searching: Find, Find Next and Previous, the incremental search with its keys and
// prompt, Go to line and Replace. The rules live in view/core and edit/core, the dialogs in
// view; the controller keeps the view's memory of its searches between them and shows in the
// view what they find.
#pragma once

#include "edit/core/Replace.h"
#include "view/core/FindCommands.h"
#include "view/core/TextSearch.h"

#include <string>

class CKTextView;
class QKeyEvent;

class CKFindController {
public:
    explicit CKFindController(CKTextView& view);

    void Find();
    // F3 and Shift+F3 (invert): the last Find again.
    void FindAgain(bool invert);
    bool SearchedBefore() const { return m_findMemory.SearchedBefore(); }
    // The view's text was replaced: Find Next waits for the next Find dialog.
    void ForgetLastFind() { m_findMemory.Forget(); }

    void StartIncrementalSearch(bool forward);
    bool CanStartIncrementalSearch(bool forward) const;
    bool IncrementalSearchRunning() const { return m_incremental.Running(); }
    // Another command: the search ends, keeping what it found.
    void EndIncrementalSearch() { m_incremental.End(); }
    // The message pane's prompt while the search runs; empty when none runs.
    std::string IncrementalPrompt() const { return m_incremental.StatusText(); }
    // The keys of a running incremental search: whether a key is one, and taking it.
    bool IsIncrementalSearchKey(const QKeyEvent& event) const;
    bool TakeIncrementalSearchKey(const QKeyEvent& event);

    void GotoLine();
    void Replace();
    bool CanReplace() const;

private:
    FindCaret CurrentFindCaret() const;
    void ShowFound(const FindCaret& caret);
    void TellSearchFailure(const std::string& pattern);
    void ApplyIncrementalStep(const CIncrementalSearch::Step& step);

    CKTextView& m_view;
    CTextSearch m_search;
    CFindMemory m_findMemory;
    ReplaceMemory m_replaceMemory;
    CIncrementalSearch m_incremental;
};
