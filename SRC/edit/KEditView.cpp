// The editing view's commands as rows, the keys and input methods that type, the clipboard
// and the primary selection, the context menu and drag and drop.
#include "edit/KEditView.h"

#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "doc/core/Macros.h"
#include "edit/ColourInsertion.h"
#include "edit/EditText.h"
#include "edit/InsertImageDialog.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <utility>
#include <vector>

namespace {

using Row = CommandRow<CKEditView>;

constexpr int kDropCaretWidth = 2;

template <void (CKEditView::*command)()>
void RunCommand(CKEditView& view, int)
{
    (view.*command)();
}

void NeedsSelection(CKEditView& view, CmdUI& ui) { ui.Enable(view.HasSelection()); }

// A tag pair of the Insert menu: the row's argument indexes this table.
struct TagPair {
    const char* open;
    const char* close;
};
constexpr TagPair kTags[] = {
    {"<B>", "</B>"},       {"<BR>", ""},     {"<CENTER>", "</CENTER>"},
    {"<!--", "-->"},       {"<FONT size=\"\" color=\"\">", "</FONT>"},
    {"<I>", "</I>"},       {"<P>", ""},      {"<U>", "</U>"},
};

void InsertTagRow(CKEditView& view, int index)
{
    view.InsertTag(kTags[index].open, kTags[index].close);
}

void MacroRow(CKEditView& view, int index) { view.InsertMacro(index); }

template <CaseConversion conversion>
void ConvertCaseRow(CKEditView& view, int)
{
    view.ConvertCase(conversion);
}

const Row kRows[] = {
    {{ID_EDIT_UNDO, "&Undo", "Ctrl+Z; Alt+Backspace", "Undo the last action", "Undo"},
     RunCommand<&CKEditView::Undo>,
     [](CKEditView& v, CmdUI& ui) {
         ui.Enable(v.Buffer() && v.Buffer()->CanUndo() && v.IsEditable());
         ui.SetText(v.UndoMenuText());
     }},
    {{ID_EDIT_REDO, "&Redo", "Ctrl+Y", "Redo the previously undone action", "Redo"},
     RunCommand<&CKEditView::Redo>,
     [](CKEditView& v, CmdUI& ui) {
         ui.Enable(v.Buffer() && v.Buffer()->CanRedo() && v.IsEditable());
         // Without anything to redo the menu keeps its own text.
         if (const auto text = v.RedoMenuText())
             ui.SetText(*text);
         else
             ui.SetText("&Redo\tCtrl+Y");
     }},
    {{ID_EDIT_CUT, "Cu&t", "Ctrl+X; Shift+Del", "Cut the selection and put it on the Clipboard", "Cut"},
     RunCommand<&CKEditView::Cut>, NeedsSelection},
    {{ID_EDIT_PASTE, "&Paste", "Ctrl+V; Shift+Ins", "Insert Clipboard contents", "Paste"},
     RunCommand<&CKEditView::Paste>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.ClipboardHasText()); }},
    {{ID_EDIT_DELETE, "&Delete", "Del", "Erase the selection", "Delete"},
     RunCommand<&CKEditView::Delete>},
    {{ID_EDIT_DELETE_BACK, {}, "Backspace"}, RunCommand<&CKEditView::Backspace>},
    {{ID_EDIT_DELETE_WORD_BACK, {}, "Ctrl+Backspace"}, RunCommand<&CKEditView::DeleteWordBefore>},
    {{ID_EDIT_DELETE_WORD, {}, "Ctrl+Del"}, RunCommand<&CKEditView::DeleteWordAfter>},
    {{ID_EDIT_TAB, "Indent right", "Tab", "Indent right", "Indent right"},
     RunCommand<&CKEditView::IndentRight>},
    {{ID_EDIT_UNTAB, "Indent left", "Shift+Tab", "Indent left", "Indent left"},
     RunCommand<&CKEditView::IndentLeft>},
    {{ID_EDIT_SWITCH_OVERWRITE, "Overwrite mode", "Ins", "Toggle overwrite mode", "Overwrite mode"},
     RunCommand<&CKEditView::ToggleOverwrite>,
     [](CKEditView& v, CmdUI& ui) { ui.SetCheck(v.Overwrite()); }},
    {{ID_VIEW_WHITESPACE, "View whitespaces", "Ctrl+W", "Show spaces and tabs", "View whitespaces"},
     [](CKEditView& v, int) { v.SetViewWhitespace(!v.ViewWhitespace()); },
     [](CKEditView& v, CmdUI& ui) { ui.SetCheck(v.ViewWhitespace()); }},
    {{ID_EDIT_AUTO_EXPAND, "AutoExpand", "Alt+Enter; Alt+Return", "Expand the word into its template",
      "AutoExpand"},
     RunCommand<&CKEditView::AutoExpand>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.CanAutoExpand()); }},
    {{ID_EDIT_AUTO_COMPLETE, "AutoComplete", "Ctrl+Space", "Complete the word from the text",
      "AutoComplete"},
     RunCommand<&CKEditView::AutoComplete>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.CanAutoComplete()); }},
    {{ID_INSERT_BOLD, "<B>", "Ctrl+B"}, InsertTagRow, nullptr, 0},
    {{ID_INSERT_BREAK, "<BR>", "Ctrl+Enter; Ctrl+Return"}, InsertTagRow, nullptr, 1},
    {{ID_INSERT_CENTER, "<CENTER>", "Ctrl+E"}, InsertTagRow, nullptr, 2},
    {{ID_INSERT_COMMENT, "<!--  -->", "Ctrl+M"}, InsertTagRow, nullptr, 3},
    {{ID_INSERT_FONT, "<FONT>"}, InsertTagRow, nullptr, 4},
    {{ID_INSERT_ITALIC, "<I>", "Ctrl+Alt+I"}, InsertTagRow, nullptr, 5},
    {{ID_INSERT_PARAGRAPH, "<P>"}, InsertTagRow, nullptr, 6},
    {{ID_INSERT_UNDERLINE, "<U>", "Ctrl+U"}, InsertTagRow, nullptr, 7},
    {{ID_INSERT_COLOUR, "Color Picker", "Ctrl+L"}, RunCommand<&CKEditView::InsertColour>},
    {{ID_INSERT_IMAGE, "<IMG ...>"}, RunCommand<&CKEditView::InsertImage>},
    {{ID_EDIT_UPPERCASE, "Make selection uppercase", "Ctrl+Shift+U"},
     ConvertCaseRow<CaseConversion::Upper>, NeedsSelection},
    {{ID_EDIT_LOWERCASE, "Make selection lowercase", "Ctrl+Shift+L"},
     ConvertCaseRow<CaseConversion::Lower>, NeedsSelection},
    {{ID_EDIT_SWAP_CASE, "Swap case in selection"}, ConvertCaseRow<CaseConversion::Swap>,
     NeedsSelection},
    {{ID_EDIT_CAPITALIZE, "Capitalize words"}, ConvertCaseRow<CaseConversion::Capitalize>,
     NeedsSelection},
    {{ID_EDIT_SENTENCE_CASE, "Make as in sentences"}, ConvertCaseRow<CaseConversion::Sentence>,
     NeedsSelection},
    {{ID_MACRO_0, "Macros 0", "Ctrl+0"}, MacroRow, nullptr, 0},
    {{ID_MACRO_1, "Macros 1", "Ctrl+1"}, MacroRow, nullptr, 1},
    {{ID_MACRO_2, "Macros 2", "Ctrl+2"}, MacroRow, nullptr, 2},
    {{ID_MACRO_3, "Macros 3", "Ctrl+3"}, MacroRow, nullptr, 3},
    {{ID_MACRO_4, "Macros 4", "Ctrl+4"}, MacroRow, nullptr, 4},
    {{ID_MACRO_5, "Macros 5", "Ctrl+5"}, MacroRow, nullptr, 5},
    {{ID_MACRO_6, "Macros 6", "Ctrl+6"}, MacroRow, nullptr, 6},
    {{ID_MACRO_7, "Macros 7", "Ctrl+7"}, MacroRow, nullptr, 7},
    {{ID_MACRO_8, "Macros 8", "Ctrl+8"}, MacroRow, nullptr, 8},
    {{ID_MACRO_9, "Macros 9", "Ctrl+9"}, MacroRow, nullptr, 9},
};

// The view's popup menu: commands, separators (0) and the three bookmark submenus (negative).
constexpr int kBookmarksSubmenu = -1;
constexpr int kGoToBookmarkSubmenu = -2;
constexpr int kSetBookmarkSubmenu = -3;
constexpr int kContextMenu[] = {
    ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL,
    0, ID_PREVIEW_DEFAULT_BROWSER, 0, ID_EDIT_GOTO_LINE, ID_EDIT_FIND, ID_EDIT_REPLACE, 0,
    kBookmarksSubmenu, kGoToBookmarkSubmenu, kSetBookmarkSubmenu,
};

// The title and the commands of a bookmark submenu of the popup menu.
std::pair<const char*, std::vector<int>> BookmarkSubmenu(int marker)
{
    if (marker == kBookmarksSubmenu)
        return {"Bookmarks", {ID_EDIT_NEXT_BOOKMARK, ID_EDIT_PREVIOUS_BOOKMARK,
                              ID_EDIT_TOGGLE_BOOKMARK, ID_EDIT_CLEAR_BOOKMARKS}};
    const bool goTo = marker == kGoToBookmarkSubmenu;
    std::vector<int> ids;
    for (int n = 0; n < 10; ++n)
        ids.push_back((goTo ? ID_EDIT_GO_BOOKMARK_0 : ID_EDIT_SET_BOOKMARK_0) + n);
    return {goTo ? "Go to" : "Set", ids};
}

} // namespace

CKEditView::CKEditView(CTagwrightDoc& doc, QWidget* parent) : CKTextView(doc, parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

CKEditView::~CKEditView() = default;

void CKEditView::Bind()
{
    CKTextView::Bind();
    m_rules = std::make_unique<CEditRules>(*Buffer(), this, [this] { return Options(); },
                                           HtmlKeywords());
}

std::span<const CommandRow<CKEditView>> CKEditView::CommandRows() { return kRows; }

bool CKEditView::OnCommand(int id)
{
    if (RunCommandRow<CKEditView>(*this, kRows, id))
        return true;
    if (!CKTextView::OnCommand(id))
        return false;
    // Selecting by keys offers the selection to other programs as selecting by mouse does.
    UpdatePrimarySelection();
    return true;
}

bool CKEditView::OnUpdateCommand(CmdUI& ui)
{
    return UpdateCommandRow<CKEditView>(*this, kRows, ui) || CKTextView::OnUpdateCommand(ui);
}

int CKEditView::CommandForKey(const QKeySequence& pressed) const
{
    if (const int id = CommandOfKeys(CommandRows(), pressed))
        return id;
    return CKTextView::CommandForKey(pressed);
}

bool CKEditView::PaneText(int paneId, QString& text)
{
    if (paneId == ID_PANE_OVERWRITE) {
        text = QStringLiteral("OVR");
        return Overwrite();
    }
    return CKTextView::PaneText(paneId, text);
}

EditOptions CKEditView::Options() const
{
    const GlobalSettings& global = Settings();
    EditOptions options;
    options.tabSize = global.tabSize;
    options.useTabs = global.useTabs != 0;
    options.autoIndent = global.autoIndent != 0;
    options.smartIndent = global.smartIndent != 0;
    options.smartUndo = global.smartUndo != 0;
    options.dragDropDisabled = global.dragDropDisabled != 0;
    options.htmlDocument = const_cast<CKEditView*>(this)->Document().SourceType() == SRC_HTML;
    return options;
}

// ---- The rules and the view's caret -----------------------------------------------------

EditCaret CKEditView::State() const { return {CursorPos(), SelectionStart(), SelectionEnd()}; }

void CKEditView::Apply(const EditCaret& state)
{
    SetAnchor(state.selStart);
    SetSelection(state.selStart, state.selEnd);
    SetCursorPos(state.caret);
    RevealPosition(state.caret);
}

template <class Rule>
void CKEditView::Run(Rule rule)
{
    EditCaret state;
    {
        ++m_running;
        struct Done {
            int& running;
            ~Done() { --running; }
        } done{m_running};
        state = rule(*m_rules, State());
    }
    Apply(state);
}

void CKEditView::OnEditAction(int action, const char* text, int length)
{
    // During a command of this view the rules carry on with their own caret; a group closed
    // by anyone else starts from the caret the view shows.
    const EditCaret state = m_rules->OnEditAction(State(), action, std::string_view(text, size_t(length)));
    if (m_running == 0)
        Apply(state);
}

// ---- Commands ---------------------------------------------------------------------------

void CKEditView::AutoExpand()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.AutoExpand(s); });
}

void CKEditView::AutoComplete()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.AutoComplete(s); });
}

bool CKEditView::CanAutoExpand() const { return m_rules->CanAutoExpand(State()); }

bool CKEditView::CanAutoComplete() const { return m_rules->CanAutoComplete(State()); }

void CKEditView::InsertTag(const std::string& open, const std::string& close)
{
    Run([&](CEditRules& r, const EditCaret& s) { return r.InsertTag(s, open, close); });
}

void CKEditView::InsertColour()
{
    const auto texts = AskColourTexts(this, Document().Settings().Store(), HasSelection());
    if (texts)
        InsertTag(texts->open, texts->close);
}

void CKEditView::InsertImage()
{
    // The dialog gives the tag in the buffer's code page.
    if (const auto tag = CInsertImageDialog::AskTag(this, Document().Settings().Store()))
        InsertTag(*tag, {});
}

void CKEditView::ConvertCase(CaseConversion conversion)
{
    Run([conversion](CEditRules& r, const EditCaret& s) { return r.ConvertCase(s, conversion); });
}

void CKEditView::InsertMacro(int index)
{
    // The texts are read afresh at each use: the options may have changed them meanwhile.
    const SettingsStore& store = Document().Settings().Store();
    Run([&](CEditRules& r, const EditCaret& s) { return ::InsertMacro(r, store, s, index); });
}

void CKEditView::Enter()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.Enter(s); });
}

void CKEditView::Delete()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.Delete(s); });
}

void CKEditView::Backspace()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.Backspace(s); });
}

void CKEditView::DeleteWordBefore()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.DeleteWordBefore(s); });
}

void CKEditView::DeleteWordAfter()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.DeleteWordAfter(s); });
}

void CKEditView::IndentRight()
{
    // A block indent changes many lines: the widest line is measured once at the end.
    m_horzBarSuspended = true;
    Run([](CEditRules& r, const EditCaret& s) { return r.IndentRight(s); });
    m_horzBarSuspended = false;
    RecalcHorzBar();
}

void CKEditView::IndentLeft()
{
    m_horzBarSuspended = true;
    Run([](CEditRules& r, const EditCaret& s) { return r.IndentLeft(s); });
    m_horzBarSuspended = false;
    RecalcHorzBar();
}

void CKEditView::Undo()
{
    if (const auto state = m_rules->Undo())
        Apply(*state);
}

void CKEditView::Redo()
{
    if (const auto state = m_rules->Redo())
        Apply(*state);
}

void CKEditView::Cut()
{
    if (!IsEditable() || !HasSelection())
        return;
    const TextRange sel = OrderedSelection();
    std::string text;
    CopyText(sel.start, sel.end, text);
    // Text that did not reach the clipboard stays in the view.
    if (!PutToClipboard(text)) {
        QApplication::beep();
        Document().Host().ShowWarning(ResText(IDS_CLIPBOARD_REFUSED));
        return;
    }
    Run([](CEditRules& r, const EditCaret& s) { return r.CutSelection(s); });
}

void CKEditView::Paste()
{
    if (!IsEditable())
        return;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    std::optional<std::string> text;
    if (data && data->hasText())
        text = TakeText(data->text());
    Run([&text](CEditRules& r, const EditCaret& s) {
        return r.Paste(s, text ? std::optional<std::string_view>(*text) : std::nullopt);
    });
}

void CKEditView::PasteText(const QString& unicode)
{
    if (!IsEditable())
        return;
    const std::string text = TakeText(unicode);
    Run([&text](CEditRules& r, const EditCaret& s) { return r.Paste(s, text); });
}

void CKEditView::ReplaceRange(TextRange range, const QString& text)
{
    if (!IsEditable() || (text.isEmpty() && range.start == range.end))
        return;
    const std::string bytes = TakeText(text);
    Run([&](CEditRules& r, const EditCaret&) {
        return r.Paste(EditCaret::Selecting(range.start, range.end), bytes);
    });
}

std::string CKEditView::TakeText(const QString& text)
{
    BufferText converted = BufferTextFromClipboard(text);
    if (converted.missing > 0)
        Document().Host().ShowWarning(ResText(IDS_TEXT_MISSING_CHARACTERS).arg(converted.missing));
    return std::move(converted.bytes);
}

// ---- Clipboard --------------------------------------------------------------------------

bool CKEditView::PutToClipboard(const std::string& text)
{
    if (text.empty())
        return false;
    const QString unicode = ClipboardTextFromBuffer(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(unicode);
    // The clipboard may refuse the text (no owner can be registered): then it does not hold it.
    return clipboard->text() == unicode;
}

bool CKEditView::GetFromClipboard(std::string& text) const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return false;
    text = BufferTextFromClipboard(data->text()).bytes;
    return true;
}

void CKEditView::UpdatePrimarySelection()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection() || !HasSelection())
        return;
    const TextRange sel = OrderedSelection();
    if (sel.start == m_primarySet.start && sel.end == m_primarySet.end)
        return;
    m_primarySet = sel;
    std::string text;
    CopyText(sel.start, sel.end, text);
    clipboard->setText(ClipboardTextFromBuffer(text), QClipboard::Selection);
}

// ---- Keys and input methods -------------------------------------------------------------

void CKEditView::keyPressEvent(QKeyEvent* event)
{
    // A running incremental search takes the typed characters as its search text.
    if (IncrementalSearch().Running()) {
        CKTextView::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers()
        & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Shift+Tab arrives as its own key.
    const int key = event->key() == Qt::Key_Backtab ? Qt::Key_Tab : event->key();
    const QKeySequence pressed(QKeyCombination(mods, Qt::Key(key)));
    if (const int id = CommandForKey(pressed); id && OnCommand(id)) {
        event->accept();
        return;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        CKTextView::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Enter();
        event->accept();
        return;
    }
    const QString text = event->text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7F) {
        CKTextView::keyPressEvent(event);
        return;
    }
    TypeText(text);
    event->accept();
}

void CKEditView::TypeText(const QString& text)
{
    // Character by character, each with the accents that belong to it.
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (characters.toNextBoundary() >= 0) {
        const qsizetype end = characters.position();
        TypeCharacter(text.mid(start, end - start));
        start = end;
    }
}

void CKEditView::TypeCharacter(const QString& character)
{
    if (character == QStringLiteral("\r") || character == QStringLiteral("\n")
        || character == QStringLiteral("\r\n")) {
        Enter();
        return;
    }
    const std::optional<uint8_t> byte = TypedByte(character);
    if (!byte) {
        // Never typed as something else.
        QApplication::beep();
        return;
    }
    if (!IsEditable())
        return;
    Run([c = *byte](CEditRules& r, const EditCaret& s) { return r.Type(s, c); });
}

void CKEditView::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        TypeText(event->commitString());
    event->accept();
}

QVariant CKEditView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle:
        return CaretRect();
    default:
        return CKTextView::inputMethodQuery(query);
    }
}

// ---- Mouse and the context menu ---------------------------------------------------------

void CKEditView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton) {
        // The primary selection goes where the middle button is pressed.
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (!clipboard->supportsSelection())
            return;
        const QString text = clipboard->text(QClipboard::Selection);
        if (text.isEmpty() || !IsEditable())
            return;
        const QPoint pos = event->position().toPoint();
        const TextPoint p = PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
        Model().PlaceAt(p);
        PasteText(text);
        return;
    }
    CKTextView::mousePressEvent(event);
}

void CKEditView::mouseReleaseEvent(QMouseEvent* event)
{
    CKTextView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        UpdatePrimarySelection();
}

void CKEditView::contextMenuEvent(QContextMenuEvent* event)
{
    // The window's actions of these commands carry their texts, keys and state, and route
    // what is chosen; a view outside a main window has no menu.
    const QList<QAction*> actions = window()->findChildren<QAction*>();
    const auto actionOf = [&actions](int id) -> QAction* {
        for (QAction* action : actions)
            if (!action->menu() && action->data().isValid() && action->data().toInt() == id)
                return action;
        return nullptr;
    };
    QMenu menu(this);
    for (const int id : kContextMenu) {
        if (id == 0) {
            menu.addSeparator();
        } else if (id < 0) {
            const auto [title, ids] = BookmarkSubmenu(id);
            QMenu* sub = menu.addMenu(QString::fromLatin1(title));
            for (const int subId : ids)
                if (QAction* action = actionOf(subId))
                    sub->addAction(action);
        } else if (QAction* action = actionOf(id)) {
            menu.addAction(action);
        }
    }
    if (!menu.actions().isEmpty())
        menu.exec(event->globalPos());
}

// ---- Dropping text ----------------------------------------------------------------------

bool CKEditView::AcceptsDrop(const QMimeData* data) const
{
    return data && data->hasText() && IsEditable() && !Settings().dragDropDisabled;
}

void CKEditView::ShowDropCaret(QPoint pos)
{
    if (!m_dropCaretShown) {
        m_dropCaretShown = true;
        HideCaret(true);
    }
    m_dropPoint = PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
    viewport()->update(m_dropCaretRect);
    // Left of the first column shown the indicator hides.
    if (ColumnOfChar(m_dropPoint.y, m_dropPoint.x) < OffsetChar())
        m_dropCaretRect = QRect();
    else
        m_dropCaretRect = QRect(PositionToPixel(m_dropPoint), QSize(kDropCaretWidth, GetLineHeight()));
    viewport()->update(m_dropCaretRect);
}

void CKEditView::RemoveDropCaret()
{
    if (!m_dropCaretShown)
        return;
    m_dropCaretShown = false;
    viewport()->update(m_dropCaretRect);
    m_dropCaretRect = QRect();
    HideCaret(false);
}

void CKEditView::dragEnterEvent(QDragEnterEvent* event)
{
    TrackDrop(event, event->mimeData() && event->mimeData()->hasText());
}

void CKEditView::dragMoveEvent(QDragMoveEvent* event)
{
    TrackDrop(event, AcceptsDrop(event->mimeData()));
}

// Shows the drop caret under the pointer and offers copy with Ctrl, move without; or refuses.
void CKEditView::TrackDrop(QDragMoveEvent* event, bool acceptable)
{
    if (!acceptable) {
        RemoveDropCaret();
        event->ignore();
        return;
    }
    ShowDropCaret(event->position().toPoint());
    event->setDropAction(event->modifiers() & Qt::ControlModifier ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void CKEditView::dragLeaveEvent(QDragLeaveEvent* event)
{
    RemoveDropCaret();
    event->accept();
}

void CKEditView::dropEvent(QDropEvent* event)
{
    RemoveDropCaret();
    if (!AcceptsDrop(event->mimeData())) {
        event->ignore();
        return;
    }
    const QPoint pos = event->position().toPoint();
    const TextPoint p = PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
    const bool copy = event->modifiers() & Qt::ControlModifier;
    // Only one drag runs at a time: while this view drags, a drop on it is its own text.
    const bool fromHere = Model().DraggingText();
    DropResult result;
    if (fromHere && !copy) {
        // A move within the view is one undo step, and the source side has nothing left to do.
        const TextRange dragged = Model().DraggedRange();
        ++m_running;
        result = m_rules->MoveText(State(), dragged, p);
        --m_running;
        m_movedWithin = result.accepted;
    } else {
        const std::string text = TakeText(event->mimeData()->text());
        ++m_running;
        result = m_rules->Drop(State(), p, text, fromHere);
        --m_running;
    }
    Apply(result.state);
    if (!result.accepted) {
        event->ignore();
        return;
    }
    event->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void CKEditView::AfterDragDrop(Qt::DropAction effect)
{
    // A move within the view took the text away already.
    const bool movedWithin = std::exchange(m_movedWithin, false);
    if (effect != Qt::MoveAction || movedWithin)
        return;
    const TextRange dragged = Model().DraggedRange();
    Run([dragged](CEditRules& r, const EditCaret& s) { return r.DeleteDragged(s, dragged); });
}

void CKEditView::paintEvent(QPaintEvent* event)
{
    CKTextView::paintEvent(event);
    if (!m_dropCaretShown || m_dropCaretRect.isNull())
        return;
    QPainter painter(viewport());
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(m_dropCaretRect, Qt::white);
}
