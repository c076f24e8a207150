// The commands of the text view (caret movement, Copy, Select All, bookmarks, "Match Brace",
// printing) as rows of its command table, the clipboard and the status panes.
#include "view/KTextView.h"

#include "controls/QtText.h"
#include "res/CommandIds.h"
#include "text/KTextBuffer.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using Row = CommandRow<CKTextView>;
using Move = void (CTextViewModel::*)(bool extend);

// A caret movement and its extending variant with Shift.
template <Move move>
void RunMove(CKTextView& view, int extend)
{
    (view.Model().*move)(extend != 0);
}

void SetBookmark(CKTextView& view, int n) { view.SetBookmark(n); }
void GoToBookmark(CKTextView& view, int n) { view.GoToBookmark(n); }
// Next, Previous and Clear all wait for a plain bookmark set in this view.
void PlainBookmarksExist(CKTextView& view, CmdUI& ui) { ui.Enable(view.PlainBookmarksExist()); }

const Row kRows[] = {
    {{ID_EDIT_CHAR_LEFT, {}, "Left"}, RunMove<&CTextViewModel::MoveCharLeft>},
    {{ID_EDIT_EXT_CHAR_LEFT, {}, "Shift+Left"}, RunMove<&CTextViewModel::MoveCharLeft>, nullptr, 1},
    {{ID_EDIT_CHAR_RIGHT, {}, "Right"}, RunMove<&CTextViewModel::MoveCharRight>},
    {{ID_EDIT_EXT_CHAR_RIGHT, {}, "Shift+Right"}, RunMove<&CTextViewModel::MoveCharRight>, nullptr, 1},
    {{ID_EDIT_WORD_LEFT, {}, "Ctrl+Left"}, RunMove<&CTextViewModel::MoveWordLeft>},
    {{ID_EDIT_EXT_WORD_LEFT, {}, "Ctrl+Shift+Left"}, RunMove<&CTextViewModel::MoveWordLeft>, nullptr, 1},
    {{ID_EDIT_WORD_RIGHT, {}, "Ctrl+Right"}, RunMove<&CTextViewModel::MoveWordRight>},
    {{ID_EDIT_EXT_WORD_RIGHT, {}, "Ctrl+Shift+Right"}, RunMove<&CTextViewModel::MoveWordRight>, nullptr, 1},
    {{ID_EDIT_LINE_UP, {}, "Up"}, RunMove<&CTextViewModel::MoveLineUp>},
    {{ID_EDIT_EXT_LINE_UP, {}, "Shift+Up"}, RunMove<&CTextViewModel::MoveLineUp>, nullptr, 1},
    {{ID_EDIT_LINE_DOWN, {}, "Down"}, RunMove<&CTextViewModel::MoveLineDown>},
    {{ID_EDIT_EXT_LINE_DOWN, {}, "Shift+Down"}, RunMove<&CTextViewModel::MoveLineDown>, nullptr, 1},
    {{ID_EDIT_SCROLL_UP, {}, "Ctrl+Up"}, [](CKTextView& v, int) { v.Model().ScrollOneLine(-1); }},
    {{ID_EDIT_SCROLL_DOWN, {}, "Ctrl+Down"}, [](CKTextView& v, int) { v.Model().ScrollOneLine(1); }},
    {{ID_EDIT_PAGE_UP, {}, "PgUp"}, RunMove<&CTextViewModel::MovePageUp>},
    {{ID_EDIT_EXT_PAGE_UP, {}, "Shift+PgUp"}, RunMove<&CTextViewModel::MovePageUp>, nullptr, 1},
    {{ID_EDIT_PAGE_DOWN, {}, "PgDown"}, RunMove<&CTextViewModel::MovePageDown>},
    {{ID_EDIT_EXT_PAGE_DOWN, {}, "Shift+PgDown"}, RunMove<&CTextViewModel::MovePageDown>, nullptr, 1},
    {{ID_EDIT_LINE_END, {}, "End"}, RunMove<&CTextViewModel::MoveLineEnd>},
    {{ID_EDIT_EXT_LINE_END, {}, "Shift+End"}, RunMove<&CTextViewModel::MoveLineEnd>, nullptr, 1},
    {{ID_EDIT_HOME, {}, "Home"}, RunMove<&CTextViewModel::MoveHome>},
    {{ID_EDIT_EXT_HOME, {}, "Shift+Home"}, RunMove<&CTextViewModel::MoveHome>, nullptr, 1},
    {{ID_EDIT_TEXT_BEGIN, {}, "Ctrl+Home"}, RunMove<&CTextViewModel::MoveTextBegin>},
    {{ID_EDIT_EXT_TEXT_BEGIN, {}, "Ctrl+Shift+Home"}, RunMove<&CTextViewModel::MoveTextBegin>, nullptr, 1},
    {{ID_EDIT_TEXT_END, {}, "Ctrl+End"}, RunMove<&CTextViewModel::MoveTextEnd>},
    {{ID_EDIT_EXT_TEXT_END, {}, "Ctrl+Shift+End"}, RunMove<&CTextViewModel::MoveTextEnd>, nullptr, 1},
    {{ID_EDIT_COPY, "&Copy", "Ctrl+C; Ctrl+Ins", "Copy the selection and put it on the Clipboard", "Copy"},
     [](CKTextView& v, int) { v.Copy(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.HasSelection()); }},
    {{ID_EDIT_SELECT_ALL, "Select A&ll", "Ctrl+A", "Select the entire document", "Select All"},
     [](CKTextView& v, int) { v.Model().SelectAll(); }},
    {{ID_EDIT_SET_BOOKMARK_0 + 0, "Bookmark &0", "Ctrl+Shift+0", "Set bookmark number 0", "Set bookmark number 0"}, SetBookmark, nullptr, 0},
    {{ID_EDIT_SET_BOOKMARK_0 + 1, "Bookmark &1", "Ctrl+Shift+1", "Set bookmark number 1", "Set bookmark number 1"}, SetBookmark, nullptr, 1},
    {{ID_EDIT_SET_BOOKMARK_0 + 2, "Bookmark &2", "Ctrl+Shift+2", "Set bookmark number 2", "Set bookmark number 2"}, SetBookmark, nullptr, 2},
    {{ID_EDIT_SET_BOOKMARK_0 + 3, "Bookmark &3", "Ctrl+Shift+3", "Set bookmark number 3", "Set bookmark number 3"}, SetBookmark, nullptr, 3},
    {{ID_EDIT_SET_BOOKMARK_0 + 4, "Bookmark &4", "Ctrl+Shift+4", "Set bookmark number 4", "Set bookmark number 4"}, SetBookmark, nullptr, 4},
    {{ID_EDIT_SET_BOOKMARK_0 + 5, "Bookmark &5", "Ctrl+Shift+5", "Set bookmark number 5", "Set bookmark number 5"}, SetBookmark, nullptr, 5},
    {{ID_EDIT_SET_BOOKMARK_0 + 6, "Bookmark &6", "Ctrl+Shift+6", "Set bookmark number 6", "Set bookmark number 6"}, SetBookmark, nullptr, 6},
    {{ID_EDIT_SET_BOOKMARK_0 + 7, "Bookmark &7", "Ctrl+Shift+7", "Set bookmark number 7", "Set bookmark number 7"}, SetBookmark, nullptr, 7},
    {{ID_EDIT_SET_BOOKMARK_0 + 8, "Bookmark &8", "Ctrl+Shift+8", "Set bookmark number 8", "Set bookmark number 8"}, SetBookmark, nullptr, 8},
    {{ID_EDIT_SET_BOOKMARK_0 + 9, "Bookmark &9", "Ctrl+Shift+9", "Set bookmark number 9", "Set bookmark number 9"}, SetBookmark, nullptr, 9},
    {{ID_EDIT_GO_BOOKMARK_0 + 0, "Bookmark &0", "Alt+0", "Go to bookmark number 0", "Go to bookmark number 0"}, GoToBookmark, nullptr, 0},
    {{ID_EDIT_GO_BOOKMARK_0 + 1, "Bookmark &1", "Alt+1", "Go to bookmark number 1", "Go to bookmark number 1"}, GoToBookmark, nullptr, 1},
    {{ID_EDIT_GO_BOOKMARK_0 + 2, "Bookmark &2", "Alt+2", "Go to bookmark number 2", "Go to bookmark number 2"}, GoToBookmark, nullptr, 2},
    {{ID_EDIT_GO_BOOKMARK_0 + 3, "Bookmark &3", "Alt+3", "Go to bookmark number 3", "Go to bookmark number 3"}, GoToBookmark, nullptr, 3},
    {{ID_EDIT_GO_BOOKMARK_0 + 4, "Bookmark &4", "Alt+4", "Go to bookmark number 4", "Go to bookmark number 4"}, GoToBookmark, nullptr, 4},
    {{ID_EDIT_GO_BOOKMARK_0 + 5, "Bookmark &5", "Alt+5", "Go to bookmark number 5", "Go to bookmark number 5"}, GoToBookmark, nullptr, 5},
    {{ID_EDIT_GO_BOOKMARK_0 + 6, "Bookmark &6", "Alt+6", "Go to bookmark number 6", "Go to bookmark number 6"}, GoToBookmark, nullptr, 6},
    {{ID_EDIT_GO_BOOKMARK_0 + 7, "Bookmark &7", "Alt+7", "Go to bookmark number 7", "Go to bookmark number 7"}, GoToBookmark, nullptr, 7},
    {{ID_EDIT_GO_BOOKMARK_0 + 8, "Bookmark &8", "Alt+8", "Go to bookmark number 8", "Go to bookmark number 8"}, GoToBookmark, nullptr, 8},
    {{ID_EDIT_GO_BOOKMARK_0 + 9, "Bookmark &9", "Alt+9", "Go to bookmark number 9", "Go to bookmark number 9"}, GoToBookmark, nullptr, 9},
    {{ID_EDIT_TOGGLE_BOOKMARK, "&Toggle", "Ctrl+F2", "Toggle Bookmark", "Toggle Bookmark"},
     [](CKTextView& v, int) { v.ToggleBookmark(); }},
    {{ID_EDIT_NEXT_BOOKMARK, "&Next", "F2", "Go to next bookmark", "Go to next bookmark"},
     [](CKTextView& v, int) { v.NextBookmark(); }, PlainBookmarksExist},
    {{ID_EDIT_PREVIOUS_BOOKMARK, "&Previous", "Shift+F2", "Go to previous bookmark",
      "Go to previous bookmark"},
     [](CKTextView& v, int) { v.PreviousBookmark(); }, PlainBookmarksExist},
    {{ID_EDIT_CLEAR_BOOKMARKS, "&Clear All", "Ctrl+Shift+F2", "Clear all bookmarks",
      "Clear all bookmarks"},
     [](CKTextView& v, int) { v.ClearAllBookmarks(); }, PlainBookmarksExist},
    {{ID_EDIT_MATCH_BRACE, "Match Brace", "Ctrl+]", "Go to the bracket that matches this one",
      "Match Brace"},
     [](CKTextView& v, int) { v.MatchBrace(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.CanMatchBrace()); }},
    {{ID_FILE_PRINT, "&Print...", "Ctrl+P", "Print the active document", "Print"},
     [](CKTextView& v, int) { v.Print(true); }},
    {{ID_FILE_PRINT_DIRECT, {}, {}, "Print the active document without the print dialog"},
     [](CKTextView& v, int) { v.Print(false); }},
    {{ID_FILE_PRINT_PREVIEW, "Print Pre&view", {}, "Display full pages", "Print Preview"},
     [](CKTextView& v, int) { v.PrintPreview(); }},
    {{ID_FILE_PAGE_SETUP, "Pa&ge Setup...", {}, "Change the page margins", "Page Setup"},
     [](CKTextView& v, int) { v.PageSetup(); }},
    {{ID_EDIT_FIND, "&Find...", "Ctrl+F", "Find the specified text", "Find"},
     [](CKTextView& v, int) { v.Find(); }},
    {{ID_EDIT_REPEAT, "Find &Next", "F3", "Repeat the last action", "Find Next"},
     [](CKTextView& v, int) { v.FindAgain(false); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SearchedBefore()); }},
    {{ID_EDIT_FIND_PREVIOUS, "Find Pre&vious", "Shift+F3", "Find the previous occurrence",
      "Find Previous"},
     [](CKTextView& v, int) { v.FindAgain(true); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SearchedBefore()); }},
    {{ID_EDIT_FIND_INCREMENTAL_FORWARD, {}, "Ctrl+I"},
     [](CKTextView& v, int) { v.StartIncrementalSearch(true); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.CanStartIncrementalSearch(true)); }},
    {{ID_EDIT_FIND_INCREMENTAL_BACK, {}, "Ctrl+Shift+I"},
     [](CKTextView& v, int) { v.StartIncrementalSearch(false); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.CanStartIncrementalSearch(false)); }},
    {{ID_EDIT_GOTO_LINE, "&Go to...", "Ctrl+G", "Move to a line by its number", "Goto line"},
     [](CKTextView& v, int) { v.GotoLine(); }},
    {{ID_SPELL_NEXT, "&Next Misspelled Word", "F8", "Select the next misspelled word",
      "Next Misspelled Word"},
     [](CKTextView& v, int) { v.GoToMisspelling(true); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SpellingShown()); }},
    {{ID_SPELL_PREVIOUS, "&Previous Misspelled Word", "Shift+F8",
      "Select the previous misspelled word", "Previous Misspelled Word"},
     [](CKTextView& v, int) { v.GoToMisspelling(false); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SpellingShown()); }},
    {{ID_EDIT_REPLACE, "R&eplace...", "Ctrl+H", "Replace specific text with different text",
      "Replace"},
     [](CKTextView& v, int) { v.Replace(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.CanReplace()); }},
};

// Commands in this range end a running incremental search before they run; the standard
// commands above it (Copy, Find) leave it running.
bool EndsIncrementalSearch(int id)
{
    return id >= 32771 && id <= 37522 && id != ID_EDIT_DELETE_BACK
        && id != ID_EDIT_FIND_INCREMENTAL_FORWARD && id != ID_EDIT_FIND_INCREMENTAL_BACK;
}

const char* const kLineEndingTexts[] = {"CRLF: DOS", "CRLF: UNIX", "CRLF: UNIX"};
const char* const kCodePageTexts[] = {"ENC: WIN", "ENC: DOS", "ENC: KOI", "ENC: ISO", "ENC: MAC", "ENC: UTF8"};

} // namespace

std::span<const CommandRow<CKTextView>> CKTextView::CommandRows() { return kRows; }

bool CKTextView::OnCommand(int id)
{
    if (m_incremental.Running() && EndsIncrementalSearch(id))
        m_incremental.End();
    return RunCommandRow<CKTextView>(*this, kRows, id);
}

bool CKTextView::OnUpdateCommand(CmdUI& ui) { return UpdateCommandRow<CKTextView>(*this, kRows, ui); }

void CKTextView::Copy()
{
    if (!HasSelection())
        return;
    const TextRange sel = OrderedSelection();
    std::string text;
    CopyText(sel.start, sel.end, text);
    PutToClipboard(text);
}

bool CKTextView::PutToClipboard(const std::string& text)
{
    if (text.empty())
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QString unicode = FromWindows1251(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(unicode);
    const bool accepted = clipboard->text() == unicode;
    QGuiApplication::restoreOverrideCursor();
    return accepted;
}

bool CKTextView::GetFromClipboard(std::string& text) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return false;
    text = ToWindows1251(data->text());
    return true;
}

bool CKTextView::ClipboardHasText() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

bool CKTextView::PaneText(int paneId, QString& text)
{
    const TextPoint cursor = CursorPos();
    switch (paneId) {
    case ID_PANE_POSITION:
        text = QStringLiteral("Col %1,Ln %2").arg(ColumnOfChar(cursor.y, cursor.x) + 1).arg(cursor.y + 1);
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
        if (page < 0 || page >= static_cast<int>(std::size(kCodePageTexts)))
            return false;
        text = QString::fromLatin1(kCodePageTexts[page]);
        return true;
    }
    case ID_PANE_MESSAGE:
        if (!m_incremental.Running())
            return false;
        text = FromWindows1251(m_incremental.StatusText());
        return true;
    case ID_PANE_READ_ONLY:
        text = QStringLiteral("READ");
        return m_buffer && m_buffer->IsReadOnly();
    default:
        return false;
    }
}
