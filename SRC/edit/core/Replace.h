// Replace over one view's buffer: ReplaceSelection, and the Replace dialog's Find Next,
// Replace and Replace All with their scope, the selection the dialog was opened with, and the
// search memory of the view. The dialog only collects the fields and shows the outcomes.
#pragma once

#include "edit/core/EditRules.h"
#include "view/core/FindCommands.h"
#include "view/core/TextSearch.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A replacement template expanded for a match in subject (a line, or lines joined by line
// feeds), as Replace does: line feeds stand for line breaks. nullopt when the template cannot
// be expanded (it ends in "\", names a group that did not take part, or has a numeric escape
// with a bad digit).
std::optional<std::string> ExpandReplacement(std::string_view subject, const RxMatch& match,
                                             std::string_view pattern);

// Replaces the selection (or inserts at the caret) by text, in the undo steps of the buffer's
// current group (two steps, both "Replace", outside a group). With FIND_REGEXP the text is a
// template expanded against the search's last match; its line feeds become line breaks. The
// inserted text comes back selected, the caret at its end. When the template cannot be
// expanded (no match to expand from, or a faulty template) nothing changes: nullopt.
std::optional<EditCaret> ReplaceSelection(CKTextBuffer& buffer, CKBufferView* view,
                                          const CTextSearch& search, const EditCaret& in,
                                          std::string_view text, uint32_t flags,
                                          int& lastReplaceLength);

enum class ReplaceScope { Selection = 0, WholeFile = 1 };

// The fields of the dialog at the moment a button is pressed.
struct ReplaceFields {
    std::string findWhat;
    std::string replaceWith;
    uint32_t flags = 0; // FIND_MATCH_CASE, FIND_WHOLE_WORD, FIND_REGEXP
    ReplaceScope scope = ReplaceScope::WholeFile;
};

// One view's memory of its last Replace dialog.
struct ReplaceMemory {
    bool used = false;  // a Replace dialog was closed in this view
    uint32_t flags = 0; // its options: FIND_MATCH_CASE, FIND_WHOLE_WORD, FIND_REGEXP
};

// The fields the Replace dialog opens with: after a Replace in this view its options and the
// view's last find text (and no replacement), else the stored fields (of the settings); then,
// without a selection, the word at the caret as the find text, and the scope Selection with
// one.
ReplaceFields ReplaceOpening(const ReplaceFields& stored, const CFindMemory& find,
                             const ReplaceMemory& memory, const CKTextBuffer& text,
                             const EditCaret& view);
// The dialog closed: the view remembers its options, and its find text for Find Next.
void ReplaceClosed(CFindMemory& find, ReplaceMemory& memory, const ReplaceFields& fields);

// How a button's work ended; the dialog turns anything but Done into a message.
enum class ReplaceProblem {
    None,
    NotFound,       // "Cannot find string"
    InvalidPattern, // the regular expression does not compile
    TooCostly,      // the regular expression ran out of its steps on some line
    CannotExpand,   // the replacement template failed on the selected occurrence
};

struct ReplaceOutcome {
    ReplaceProblem problem = ReplaceProblem::None;
    int replaced = 0;       // occurrences replaced
    bool cancelled = false; // Replace All stopped by its progress callback
};

// Told how far Replace All has come (lines done of the lines to do); false cancels.
using ReplaceProgress = std::function<bool(int done, int total)>;

class CReplaceSession {
public:
    // Opens on a view whose caret and selection are view: a selection makes the scope
    // Selection and becomes the block searched within.
    CReplaceSession(CKTextBuffer& buffer, CKBufferView* view, CTextSearch& search,
                    const EditCaret& state);

    bool SelectionScopeAllowed() const { return m_selectionAllowed; }
    ReplaceScope InitialScope() const
    {
        return m_selectionAllowed ? ReplaceScope::Selection : ReplaceScope::WholeFile;
    }
    // An occurrence is selected in the view.
    bool Found() const { return m_found; }
    // The selection the dialog was opened with, carried across the replacements; the view
    // restores it when the dialog closes.
    TextRange RememberedSelection() const { return {m_blockBegin, m_blockEnd}; }
    // The view's caret and selection as the last button left them.
    const EditCaret& State() const { return m_state; }

    ReplaceOutcome FindNext(const ReplaceFields& fields);
    ReplaceOutcome Replace(const ReplaceFields& fields);
    // All occurrences, as one undo group "Replace": in the whole file from its start, in the
    // selection from the selected occurrence or the block's start. The progress callback is
    // asked now and then; when it answers false the loop stops, and what was replaced so far
    // stays, still one undo step.
    ReplaceOutcome ReplaceAll(const ReplaceFields& fields, const ReplaceProgress& progress = {});
    // The occurrences Replace All would meet, counted without changing the text (replaced
    // holds the count), so that a replacement by nothing can be confirmed first.
    ReplaceOutcome CountAll(const ReplaceFields& fields);

private:
    bool Search(const ReplaceFields& fields, TextPoint from, TextPoint& found);
    ReplaceProblem SearchStep(const ReplaceFields& fields);
    // Replaces the selected occurrence and moves foundAt past it; false when the template
    // failed. more: false when no line follows an empty match.
    bool ReplaceFound(const ReplaceFields& fields, bool& more);
    bool AdvancePastEmptyMatch();
    bool InSelection(const ReplaceFields& fields) const
    {
        return fields.scope == ReplaceScope::Selection && m_selectionAllowed;
    }
    TextPoint AllStart(const ReplaceFields& fields) const;
    void CarryBlock(TextPoint start, TextPoint oldEnd, TextPoint newEnd);

    CKTextBuffer& m_buffer;
    CKBufferView* m_view;
    CTextSearch& m_search;
    EditCaret m_state;
    bool m_selectionAllowed;
    bool m_found = false;
    TextPoint m_foundAt;
    TextPoint m_currentPos;
    TextPoint m_blockBegin;
    TextPoint m_blockEnd;
};
