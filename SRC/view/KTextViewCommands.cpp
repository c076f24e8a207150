// The commands the text view runs (caret movement, Copy, Select All, bookmarks, "Match Brace",
// printing, searching), the clipboard and the status panes.
#include "view/KTextView.h"

#include "controls/QtText.h"
#include "res/CommandIds.h"
#include "text/KTextBuffer.h"
#include "view/FindController.h"
#include "view/PrintController.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

using Handler = CommandHandler<CKTextView>;
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
// Find Next and Find Previous wait for a Find dialog in this view.
void SearchedBefore(CKTextView& view, CmdUI& ui) { ui.Enable(view.Finder().SearchedBefore()); }

const Handler kHandlers[] = {
    {ID_EDIT_CHAR_LEFT, RunMove<&CTextViewModel::MoveCharLeft>},
    {ID_EDIT_EXT_CHAR_LEFT, RunMove<&CTextViewModel::MoveCharLeft>, nullptr, 1},
    {ID_EDIT_CHAR_RIGHT, RunMove<&CTextViewModel::MoveCharRight>},
    {ID_EDIT_EXT_CHAR_RIGHT, RunMove<&CTextViewModel::MoveCharRight>, nullptr, 1},
    {ID_EDIT_WORD_LEFT, RunMove<&CTextViewModel::MoveWordLeft>},
    {ID_EDIT_EXT_WORD_LEFT, RunMove<&CTextViewModel::MoveWordLeft>, nullptr, 1},
    {ID_EDIT_WORD_RIGHT, RunMove<&CTextViewModel::MoveWordRight>},
    {ID_EDIT_EXT_WORD_RIGHT, RunMove<&CTextViewModel::MoveWordRight>, nullptr, 1},
    {ID_EDIT_LINE_UP, RunMove<&CTextViewModel::MoveLineUp>},
    {ID_EDIT_EXT_LINE_UP, RunMove<&CTextViewModel::MoveLineUp>, nullptr, 1},
    {ID_EDIT_LINE_DOWN, RunMove<&CTextViewModel::MoveLineDown>},
    {ID_EDIT_EXT_LINE_DOWN, RunMove<&CTextViewModel::MoveLineDown>, nullptr, 1},
    {ID_EDIT_SCROLL_UP, [](CKTextView& v, int) { v.Model().ScrollOneLine(-1); }},
    {ID_EDIT_SCROLL_DOWN, [](CKTextView& v, int) { v.Model().ScrollOneLine(1); }},
    {ID_EDIT_PAGE_UP, RunMove<&CTextViewModel::MovePageUp>},
    {ID_EDIT_EXT_PAGE_UP, RunMove<&CTextViewModel::MovePageUp>, nullptr, 1},
    {ID_EDIT_PAGE_DOWN, RunMove<&CTextViewModel::MovePageDown>},
    {ID_EDIT_EXT_PAGE_DOWN, RunMove<&CTextViewModel::MovePageDown>, nullptr, 1},
    {ID_EDIT_LINE_END, RunMove<&CTextViewModel::MoveLineEnd>},
    {ID_EDIT_EXT_LINE_END, RunMove<&CTextViewModel::MoveLineEnd>, nullptr, 1},
    {ID_EDIT_HOME, RunMove<&CTextViewModel::MoveHome>},
    {ID_EDIT_EXT_HOME, RunMove<&CTextViewModel::MoveHome>, nullptr, 1},
    {ID_EDIT_TEXT_BEGIN, RunMove<&CTextViewModel::MoveTextBegin>},
    {ID_EDIT_EXT_TEXT_BEGIN, RunMove<&CTextViewModel::MoveTextBegin>, nullptr, 1},
    {ID_EDIT_TEXT_END, RunMove<&CTextViewModel::MoveTextEnd>},
    {ID_EDIT_EXT_TEXT_END, RunMove<&CTextViewModel::MoveTextEnd>, nullptr, 1},
    {ID_EDIT_COPY, [](CKTextView& v, int) { v.Copy(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.HasSelection()); }},
    {ID_EDIT_SELECT_ALL, [](CKTextView& v, int) { v.Model().SelectAll(); }},
    {ID_EDIT_SET_BOOKMARK_0, SetBookmark, nullptr, 0},
    {ID_EDIT_SET_BOOKMARK_1, SetBookmark, nullptr, 1},
    {ID_EDIT_SET_BOOKMARK_2, SetBookmark, nullptr, 2},
    {ID_EDIT_SET_BOOKMARK_3, SetBookmark, nullptr, 3},
    {ID_EDIT_SET_BOOKMARK_4, SetBookmark, nullptr, 4},
    {ID_EDIT_SET_BOOKMARK_5, SetBookmark, nullptr, 5},
    {ID_EDIT_SET_BOOKMARK_6, SetBookmark, nullptr, 6},
    {ID_EDIT_SET_BOOKMARK_7, SetBookmark, nullptr, 7},
    {ID_EDIT_SET_BOOKMARK_8, SetBookmark, nullptr, 8},
    {ID_EDIT_SET_BOOKMARK_9, SetBookmark, nullptr, 9},
    {ID_EDIT_GO_BOOKMARK_0, GoToBookmark, nullptr, 0},
    {ID_EDIT_GO_BOOKMARK_1, GoToBookmark, nullptr, 1},
    {ID_EDIT_GO_BOOKMARK_2, GoToBookmark, nullptr, 2},
    {ID_EDIT_GO_BOOKMARK_3, GoToBookmark, nullptr, 3},
    {ID_EDIT_GO_BOOKMARK_4, GoToBookmark, nullptr, 4},
    {ID_EDIT_GO_BOOKMARK_5, GoToBookmark, nullptr, 5},
    {ID_EDIT_GO_BOOKMARK_6, GoToBookmark, nullptr, 6},
    {ID_EDIT_GO_BOOKMARK_7, GoToBookmark, nullptr, 7},
    {ID_EDIT_GO_BOOKMARK_8, GoToBookmark, nullptr, 8},
    {ID_EDIT_GO_BOOKMARK_9, GoToBookmark, nullptr, 9},
    {ID_EDIT_TOGGLE_BOOKMARK, [](CKTextView& v, int) { v.ToggleBookmark(); }},
    {ID_EDIT_NEXT_BOOKMARK, [](CKTextView& v, int) { v.NextBookmark(); }, PlainBookmarksExist},
    {ID_EDIT_PREVIOUS_BOOKMARK, [](CKTextView& v, int) { v.PreviousBookmark(); },
     PlainBookmarksExist},
    {ID_EDIT_CLEAR_BOOKMARKS, [](CKTextView& v, int) { v.ClearAllBookmarks(); },
     PlainBookmarksExist},
    {ID_EDIT_MATCH_BRACE, [](CKTextView& v, int) { v.MatchBrace(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.CanMatchBrace()); }},
    {ID_FILE_PRINT, [](CKTextView& v, int) { CKPrintController(v).Print(true); }},
    {ID_FILE_PRINT_DIRECT, [](CKTextView& v, int) { CKPrintController(v).Print(false); }},
    {ID_FILE_PRINT_PREVIEW, [](CKTextView& v, int) { CKPrintController(v).Preview(); }},
    {ID_FILE_PAGE_SETUP, [](CKTextView& v, int) { CKPrintController(v).PageSetup(); }},
    {ID_EDIT_FIND, [](CKTextView& v, int) { v.Finder().Find(); }},
    {ID_EDIT_REPEAT, [](CKTextView& v, int) { v.Finder().FindAgain(false); }, SearchedBefore},
    {ID_EDIT_FIND_PREVIOUS, [](CKTextView& v, int) { v.Finder().FindAgain(true); }, SearchedBefore},
    {ID_EDIT_FIND_INCREMENTAL_FORWARD,
     [](CKTextView& v, int) { v.Finder().StartIncrementalSearch(true); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.Finder().CanStartIncrementalSearch(true)); }},
    {ID_EDIT_FIND_INCREMENTAL_BACK,
     [](CKTextView& v, int) { v.Finder().StartIncrementalSearch(false); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.Finder().CanStartIncrementalSearch(false)); }},
    {ID_EDIT_GOTO_LINE, [](CKTextView& v, int) { v.Finder().GotoLine(); }},
    {ID_SPELL_NEXT, [](CKTextView& v, int) { v.GoToMisspelling(true); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SpellingShown()); }},
    {ID_SPELL_PREVIOUS, [](CKTextView& v, int) { v.GoToMisspelling(false); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.SpellingShown()); }},
    {ID_EDIT_REPLACE, [](CKTextView& v, int) { v.Finder().Replace(); },
     [](CKTextView& v, CmdUI& ui) { ui.Enable(v.Finder().CanReplace()); }},
};

} // namespace

std::span<const CommandHandler<CKTextView>> CKTextView::CommandHandlers() { return kHandlers; }

bool CKTextView::OnCommand(int id)
{
    // Before any handler of the view, the edit view's too: a command ends the search first.
    if (m_find->IncrementalSearchRunning() && EndsIncrementalSearch(id))
        m_find->EndIncrementalSearch();
    return RunViewCommand(id);
}

bool CKTextView::RunViewCommand(int id)
{
    return DispatchCommand<CKTextView>(*this, kHandlers, id);
}

bool CKTextView::RunsCommand(int id) const
{
    return command_handlers::Serves<CKTextView>(kHandlers, id);
}

bool CKTextView::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CKTextView>(*this, kHandlers, ui);
}

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

ViewStatus CKTextView::Status()
{
    const TextPoint cursor = CursorPos();
    ViewStatus status;
    status.position = PositionText(ColumnOfChar(cursor.y, cursor.x) + 1, cursor.y + 1);
    if (m_buffer) {
        status.lineEnding = LineEndingText(m_buffer->LineEnding());
        status.codePage = CodePageText(m_buffer->CodePage());
        status.readOnly = ReadOnlyText(m_buffer->IsReadOnly());
    }
    status.prompt = m_find->IncrementalPrompt();
    return status;
}
