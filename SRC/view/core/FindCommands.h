// What Find, Find Next and Previous, incremental search and Go to line do to a view's cursor
// and selection, without the display: the view translates keys and dialogs into these calls
// and shows the positions they hand back.
#pragma once

#include "view/core/CaretMoves.h"
#include "view/core/TextSearch.h"

#include <optional>
#include <string>
#include <string_view>

class CKTextBuffer;

// A view's cursor and ordered selection.
struct FindCaret {
    TextPoint cursor;
    TextRange selection;

    static FindCaret At(TextPoint p) { return {p, {p, p}}; }
    friend bool operator==(const FindCaret& a, const FindCaret& b)
    {
        return a.cursor == b.cursor && a.selection.start == b.selection.start
               && a.selection.end == b.selection.end;
    }
};

// The text the Find dialog opens with: the word around an empty selection's cursor, the text
// of a selection inside one line, else the remembered text.
std::string FindInitialText(const CKTextBuffer& text, const FindCaret& view,
                            std::string_view remembered);

// A Find dialog's fields: the text and the flags, FIND_UP for "Up".
struct FindOptions {
    std::string text;
    uint32_t flags = 0;
};

// One view's memory of its last Find, which Find Next and Previous repeat.
class CFindMemory {
public:
    // A Find dialog was closed in this view since it was last reset.
    bool SearchedBefore() const { return m_searchedBefore; }
    const FindOptions& Last() const { return m_last; }

    // The fields the Find dialog opens with: the view's last Find, or the stored fields (of
    // the settings) before the first, the text then taken from the view's word or selection.
    FindOptions Opening(const FindOptions& stored, const CKTextBuffer& text,
                        const FindCaret& view) const;
    // The dialog closed, by either button: the view remembers its fields.
    void Closed(const FindOptions& fields);
    // Closing the Replace dialog sets the text that Find Next repeats.
    void SetLastText(std::string_view text) { m_last.text.assign(text); }
    // The view's text was replaced: Find Next waits for the next Find dialog.
    void Forget() { m_searchedBefore = false; }

private:
    bool m_searchedBefore = false;
    FindOptions m_last;
};

// Find Next and Find Previous: the last Find's text and flags from the view's cursor (from the
// selection's start when searching up), with wrap. up inverts the flags' direction.
std::optional<FindCaret> FindAgain(const CKTextBuffer& text, CTextSearch& search,
                                   const FindCaret& view, std::string_view pattern, uint32_t flags,
                                   bool invert);
// The match of the last successful search, selected, the cursor at its end.
FindCaret MatchSelection(const CTextSearch& search, TextPoint found);

// Go to line: where the number typed (1-based) puts the cursor; nothing below 1.
std::optional<TextPoint> GotoLineTarget(const CKTextBuffer& text, long long number);

// Incremental search, typed straight into the view: the text typed so far is searched
// case-insensitively from where the search began, forward or backward, with wrap.
class CIncrementalSearch {
public:
    struct Step {
        std::optional<FindCaret> caret; // the view's new cursor and selection, if they change
        bool beep = false;
    };

    bool Running() const { return m_running; }
    bool Forward() const { return m_forward; }
    bool Failed() const { return !m_found; }
    const std::string& Text() const { return m_text; }

    // Whether Ctrl+I (forward) or Ctrl+Shift+I may start from the cursor.
    static bool CanStart(const CKTextBuffer& text, TextPoint cursor, bool forward);
    // Ctrl+I or Ctrl+Shift+I: starts a search, repeats it (the same key again: the next
    // match, or the previous search's text while nothing is typed), or turns it round.
    Step Start(const CKTextBuffer& text, CTextSearch& search, const FindCaret& view, bool forward);
    // A character typed while the search runs. Printable characters, space and tab extend
    // the text (ignored with a beep after a failed step); Escape ends the search and gives
    // the view back the selection it began with; Enter and any other control character end
    // it, keeping the found selection. None of them reaches the text.
    Step Type(const CKTextBuffer& text, CTextSearch& search, const FindCaret& view, uint8_t c);
    // Backspace: takes back the last character typed.
    Step Backspace(const CKTextBuffer& text, CTextSearch& search, const FindCaret& view);
    // Any other command: the search ends, the selection stays.
    void End() { m_running = false; }

    // The message pane's prompt while the search runs; empty when none runs.
    std::string StatusText() const;

private:
    Step Search(const CKTextBuffer& text, CTextSearch& search, const FindCaret& view, bool advance);

    bool m_running = false;
    bool m_forward = true;
    bool m_found = true;
    std::string m_text;
    std::string m_previousText;
    FindCaret m_saved;
    TextPoint m_start;
};
