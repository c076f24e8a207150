// The commands of the text view (caret movement, Copy, Select All) as rows of its command
// table, the clipboard and the status panes.
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
};

const char* const kLineEndingTexts[] = {"CRLF: DOS", "CRLF: UNIX", "CRLF: MAC"};
const char* const kCodePageTexts[] = {"ENC: WIN", "ENC: DOS", "ENC: KOI", "ENC: ISO", "ENC: MAC"};

} // namespace

std::span<const CommandRow<CKTextView>> CKTextView::CommandRows() { return kRows; }

bool CKTextView::OnCommand(int id) { return RunCommandRow<CKTextView>(*this, kRows, id); }

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
        if (page < 0 || page > 4)
            return false;
        text = QString::fromLatin1(kCodePageTexts[page]);
        return true;
    }
    case ID_PANE_READ_ONLY:
        text = QStringLiteral("READ");
        return m_buffer && m_buffer->IsReadOnly();
    default:
        return false;
    }
}
