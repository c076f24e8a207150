// What each editing command does to the text, the undo history and the caret of one view:
// typing, line breaks, deletion, the clipboard's edits, indentation, drag and drop, undo and
// the automatic indentation after a line break. The edit view translates events into these
// calls and shows the caret and selection they hand back.
#pragma once

#include "edit/core/CaseConversion.h"
#include "text/KTextBuffer.h"
#include "view/core/CaretMoves.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class CHtmlKeywordTable;

// The caret and selection of a view as a command finds and leaves them. The selection runs
// from selStart to selEnd as they were set (selStart is the anchor) and is empty when they are
// equal; the caret is one of its ends.
struct EditCaret {
    TextPoint caret;
    TextPoint selStart;
    TextPoint selEnd;

    static EditCaret At(TextPoint p) { return {p, p, p}; }
    // A selection from anchor to caret.
    static EditCaret Selecting(TextPoint anchor, TextPoint caret) { return {caret, anchor, caret}; }
    bool HasSelection() const { return !(selStart == selEnd); }
    TextRange Selection() const { return Ordered(selStart, selEnd); }
    friend bool operator==(const EditCaret&, const EditCaret&) = default;
};

// The settings the commands read, taken at the moment of each command: the editing fields of
// the global settings record and the document's source type.
struct EditOptions {
    int tabSize = 4; // 1 to 63; anything else counts as 4
    bool useTabs = true;
    bool autoIndent = true;
    bool smartIndent = true;
    bool smartUndo = true;
    bool dragDropDisabled = false; // drops are refused
    bool htmlDocument = false;     // smart indentation looks at HTML tags only in HTML documents
    bool lowerCaseTags = false;    // templates write tag and attribute names in lower case
};

// Outcome of a drop onto the view.
struct DropResult {
    EditCaret state;
    bool accepted = false;
};

// The editing rules of one view over one buffer. Every command takes the view's caret and
// selection and returns them as the command leaves them; on a read-only buffer a command
// changes nothing and returns them unchanged. Changes carry the view as their source, so the
// buffer reports closed undo groups to it; the view passes those reports to OnEditAction.
class CEditRules {
public:
    using OptionsSource = std::function<EditOptions()>;

    // keywords: the HTML keyword table that smart indentation consults.
    CEditRules(CKTextBuffer& buffer, CKBufferView* view, OptionsSource options,
               const CHtmlKeywordTable& keywords);
    CEditRules(const CEditRules&) = delete;
    CEditRules& operator=(const CEditRules&) = delete;

    bool IsEditable() const;
    bool Overwrite() const { return m_overwrite; }
    void SetOverwrite(bool on) { m_overwrite = on; }

    // A typed character (bytes from 32 up; control characters are ignored). With Smart Undo
    // every character but a space joins the previous undo group.
    EditCaret Type(const EditCaret& in, uint8_t c);
    // Enter: a line break (and automatic indentation); in overwrite mode, off the last line,
    // only a move to the next line's start.
    EditCaret Enter(const EditCaret& in);
    // Delete: the selection, or the character (or line break) after the caret.
    EditCaret Delete(const EditCaret& in);
    // Backspace: the selection, or the character (or line break) before the caret.
    EditCaret Backspace(const EditCaret& in);
    // Ctrl+Backspace and Ctrl+Del: up to the previous or next word start, or the selection.
    EditCaret DeleteWordBefore(const EditCaret& in);
    EditCaret DeleteWordAfter(const EditCaret& in);
    EditCaret DeleteSelection(const EditCaret& in);
    // The deleting half of Cut; the view calls it only once the clipboard took the text.
    EditCaret CutSelection(const EditCaret& in);
    // Replaces the selection by text, whose line breaks are CR LF (or CR) as in the buffer,
    // in one undo step; a lone LF is a character of the line. Paste without text (nothing
    // usable on the clipboard) only deletes the selection.
    EditCaret Paste(const EditCaret& in, std::optional<std::string_view> text);
    EditCaret InsertText(const EditCaret& in, std::string_view text, int action);
    // Tab and Shift+Tab: on a selection over several lines they indent or unindent the lines,
    // otherwise Tab inserts the indent text and Shift+Tab moves the caret back a tab stop.
    EditCaret IndentRight(const EditCaret& in);
    EditCaret IndentLeft(const EditCaret& in);
    // Undo and Redo of one group; nothing when there is none or the buffer is read-only.
    std::optional<EditCaret> Undo();
    std::optional<EditCaret> Redo();
    // Menu texts of Undo and Redo naming the group concerned. Redo without anything to redo
    // has no text of its own: the menu keeps its own.
    std::string UndoMenuText() const;
    std::optional<std::string> RedoMenuText() const;

    // Dropped text at p. ownSelection: the drag came from this view's own selection, onto
    // which nothing is dropped (the caret goes to p instead). Drops are refused while drag and
    // drop is disabled.
    DropResult Drop(const EditCaret& in, TextPoint p, std::string_view text, bool ownSelection);
    // Text dragged within this view and dropped at p with the move effect: the dragged range
    // goes to p as one undo step, and the moved text becomes the selection.
    DropResult MoveText(const EditCaret& in, const TextRange& dragged, TextPoint p);
    // The source side of a move to another view or program: the dragged text goes.
    EditCaret DeleteDragged(const EditCaret& in, const TextRange& dragged);

    // AutoExpand: the word that ends at the caret is replaced by its template, as one undo
    // step. AutoComplete: the word gets the rest of the nearest word that starts with it.
    bool CanAutoExpand(const EditCaret& in) const;
    EditCaret AutoExpand(const EditCaret& in);
    // The word at the caret replaced by a template's text (see Templates.h).
    EditCaret ExpandTemplate(const EditCaret& in, std::string_view text);
    bool CanAutoComplete(const EditCaret& in) const;
    EditCaret AutoComplete(const EditCaret& in);

    // Tags, colours, images and macros: open goes before the selection (or at the caret) and
    // close after it (or after the caret), as one undo step; an empty text is left out. The
    // caret ends after open, or between the two texts when nothing was selected.
    EditCaret InsertTag(const EditCaret& in, std::string_view open, std::string_view close);

    // Rewrites the letter case of the selection, which stays selected with the caret at its
    // start. Nothing without a selection.
    EditCaret ConvertCase(const EditCaret& in, CaseConversion conversion);

    // What the view does when the buffer reports a closed undo group: after a typed line
    // break, the automatic indentation of the new line. view is the view's caret and
    // selection; while one of these commands runs, its own caret counts instead, because the
    // view has not seen it yet.
    EditCaret OnEditAction(const EditCaret& view, int action, std::string_view text);

private:
    class Command;

    TextPoint Clamped(TextPoint p) const;
    void PlaceCaret(TextPoint p) { m_state = EditCaret::At(p); }
    void DeleteSelectedText(int action);
    void InsertAtCaret(std::string_view text, int action);
    void DoDelete();
    void DoBackspace();
    void AutoIndent(const EditOptions& options);
    std::optional<int> WordAtCaret(TextPoint caret) const;
    void RunTemplate(std::string_view text, const EditOptions& options);
    void RunEscape(char letter, int& idealColumn, const EditOptions& options);
    bool IsBlock() const;
    void SelectBlock(int& firstLine, int& lastLine);
    void KeepBlockEndAtLineEnd();

    CKTextBuffer& m_buffer;
    CKBufferView* m_view;
    OptionsSource m_options;
    const CHtmlKeywordTable& m_keywords;
    bool m_overwrite = false;
    EditCaret m_state; // the caret while a command runs
    int m_commandDepth = 0;
};

// Brackets one command: the outermost one takes the view's caret, nested ones (Backspace
// within automatic indentation) work on the caret of the command already running.
class CEditRules::Command {
public:
    Command(CEditRules& rules, const EditCaret& in) : m_rules(rules)
    {
        if (m_rules.m_commandDepth++ == 0)
            m_rules.m_state = {m_rules.Clamped(in.caret), m_rules.Clamped(in.selStart),
                               m_rules.Clamped(in.selEnd)};
    }
    ~Command() { --m_rules.m_commandDepth; }
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

private:
    CEditRules& m_rules;
};
