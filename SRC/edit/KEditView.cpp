// The editing view's commands as rows, the keys and input methods that type, the clipboard
// and the primary selection, the context menu and drag and drop.
#include "edit/KEditView.h"

#include "controls/DroppedFiles.h"
#include "controls/QtText.h"
#include "doc/DocHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/ColourInsertion.h"
#include "edit/EditText.h"
#include "edit/InsertImageDialog.h"
#include "edit/core/InsertTexts.h"
#include "edit/core/Macros.h"
#include "res/CommandIds.h"
#include "res/Strings.h"
#include "syntax/HtmlKeywords.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <utility>

namespace {

using Handler = CommandHandler<CKEditView>;

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
    {"<B>", "</B>"},
    {"<BR>", ""},
    {"<CENTER>", "</CENTER>"},
    {"<!--", "-->"},
    {"<FONT size=\"\" color=\"\">", "</FONT>"},
    {"<I>", "</I>"},
    {"<P>", ""},
    {"<U>", "</U>"},
};

void InsertTagRow(CKEditView& view, int index)
{
    view.InsertMarkup(kTags[index].open, kTags[index].close);
}

void MacroRow(CKEditView& view, int index) { view.InsertMacro(index); }

template <CaseConversion conversion>
void ConvertCaseRow(CKEditView& view, int)
{
    view.ConvertCase(conversion);
}

const Handler kHandlers[] = {
    {ID_EDIT_UNDO, RunCommand<&CKEditView::Undo>,
     [](CKEditView& v, CmdUI& ui) {
         ui.Enable(v.Buffer() && v.Buffer()->CanUndo() && v.IsEditable());
         ui.SetText(v.UndoMenuText());
     }},
    {ID_EDIT_REDO, RunCommand<&CKEditView::Redo>,
     [](CKEditView& v, CmdUI& ui) {
         ui.Enable(v.Buffer() && v.Buffer()->CanRedo() && v.IsEditable());
         // Without anything to redo the menu keeps its own text.
         if (const auto text = v.RedoMenuText())
             ui.SetText(*text);
         else
             ui.SetText("&Redo\tCtrl+Y");
     }},
    {ID_EDIT_CUT, RunCommand<&CKEditView::Cut>, NeedsSelection},
    {ID_EDIT_PASTE, RunCommand<&CKEditView::Paste>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.ClipboardHasText()); }},
    {ID_EDIT_DELETE, RunCommand<&CKEditView::Delete>},
    {ID_EDIT_DELETE_BACK, RunCommand<&CKEditView::Backspace>},
    {ID_EDIT_DELETE_WORD_BACK, RunCommand<&CKEditView::DeleteWordBefore>},
    {ID_EDIT_DELETE_WORD, RunCommand<&CKEditView::DeleteWordAfter>},
    {ID_EDIT_TAB, RunCommand<&CKEditView::IndentRight>},
    {ID_EDIT_UNTAB, RunCommand<&CKEditView::IndentLeft>},
    {ID_EDIT_SWITCH_OVERWRITE, RunCommand<&CKEditView::ToggleOverwrite>,
     [](CKEditView& v, CmdUI& ui) { ui.SetCheck(v.Overwrite()); }},
    {ID_VIEW_WHITESPACE, [](CKEditView& v, int) { v.SetViewWhitespace(!v.ViewWhitespace()); },
     [](CKEditView& v, CmdUI& ui) { ui.SetCheck(v.ViewWhitespace()); }},
    {ID_EDIT_AUTO_EXPAND, RunCommand<&CKEditView::AutoExpand>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.CanAutoExpand()); }},
    {ID_EDIT_AUTO_COMPLETE, RunCommand<&CKEditView::AutoComplete>,
     [](CKEditView& v, CmdUI& ui) { ui.Enable(v.CanAutoComplete()); }},
    {ID_INSERT_BOLD, InsertTagRow, nullptr, 0},
    {ID_INSERT_BREAK, InsertTagRow, nullptr, 1},
    {ID_INSERT_CENTER, InsertTagRow, nullptr, 2},
    {ID_INSERT_COMMENT, InsertTagRow, nullptr, 3},
    {ID_INSERT_FONT, InsertTagRow, nullptr, 4},
    {ID_INSERT_ITALIC, InsertTagRow, nullptr, 5},
    {ID_INSERT_PARAGRAPH, InsertTagRow, nullptr, 6},
    {ID_INSERT_UNDERLINE, InsertTagRow, nullptr, 7},
    {ID_INSERT_COLOUR, RunCommand<&CKEditView::InsertColour>},
    {ID_INSERT_IMAGE, RunCommand<&CKEditView::InsertImage>},
    {ID_EDIT_UPPERCASE, ConvertCaseRow<CaseConversion::Upper>, NeedsSelection},
    {ID_EDIT_LOWERCASE, ConvertCaseRow<CaseConversion::Lower>, NeedsSelection},
    {ID_EDIT_SWAP_CASE, ConvertCaseRow<CaseConversion::Swap>, NeedsSelection},
    {ID_EDIT_CAPITALIZE, ConvertCaseRow<CaseConversion::Capitalize>, NeedsSelection},
    {ID_EDIT_SENTENCE_CASE, ConvertCaseRow<CaseConversion::Sentence>, NeedsSelection},
    {ID_MACRO_0, MacroRow, nullptr, 0},
    {ID_MACRO_1, MacroRow, nullptr, 1},
    {ID_MACRO_2, MacroRow, nullptr, 2},
    {ID_MACRO_3, MacroRow, nullptr, 3},
    {ID_MACRO_4, MacroRow, nullptr, 4},
    {ID_MACRO_5, MacroRow, nullptr, 5},
    {ID_MACRO_6, MacroRow, nullptr, 6},
    {ID_MACRO_7, MacroRow, nullptr, 7},
    {ID_MACRO_8, MacroRow, nullptr, 8},
    {ID_MACRO_9, MacroRow, nullptr, 9},
};

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
    ReadEditOptions();
    m_rules = std::make_unique<CEditRules>(
        *Buffer(), this, [this] { return Options(); }, HtmlKeywords());
}

std::span<const CommandHandler<CKEditView>> CKEditView::CommandHandlers() { return kHandlers; }

bool CKEditView::RunViewCommand(int id)
{
    if (DispatchCommand<CKEditView>(*this, kHandlers, id))
        return true;
    if (!CKTextView::RunViewCommand(id))
        return false;
    // Selecting by keys offers the selection to other programs as selecting by mouse does.
    UpdatePrimarySelection();
    return true;
}

bool CKEditView::RunsCommand(int id) const
{
    return command_handlers::Serves<CKEditView>(kHandlers, id) || CKTextView::RunsCommand(id);
}

bool CKEditView::OnUpdateCommand(CmdUI& ui)
{
    return DispatchUpdate<CKEditView>(*this, kHandlers, ui) || CKTextView::OnUpdateCommand(ui);
}

ViewStatus CKEditView::Status()
{
    ViewStatus status = CKTextView::Status();
    status.overwrite = OverwriteText(Overwrite());
    return status;
}

void CKEditView::OnSettingsChanged()
{
    CKTextView::OnSettingsChanged();
    ReadEditOptions();
}

void CKEditView::ReadEditOptions()
{
    const CPreferences& preferences = Document().Settings().Preferences();
    m_options.tabSize = preferences.TabSize();
    m_options.useTabs = preferences.IsOn(Switch::UseTabs);
    m_options.autoIndent = preferences.IsOn(Switch::AutoIndent);
    m_options.smartIndent = preferences.IsOn(Switch::SmartIndent);
    m_options.smartUndo = preferences.IsOn(Switch::SmartUndo);
    m_options.dragDropDisabled = preferences.IsOn(Switch::DragDropDisabled);
    m_options.lowerCaseTags = preferences.IsOn(Switch::LowerCaseTags);
}

EditOptions CKEditView::Options() const
{
    EditOptions options = m_options;
    // The document's, not a preference: it may change between two commands.
    options.htmlDocument =
        const_cast<CKEditView*>(this)->Document().SourceType() == SourceType::Html;
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
        const RulesAtWork working(m_running);
        state = rule(*m_rules, State());
    }
    Apply(state);
}

void CKEditView::OnEditAction(int action, const char* text, int length)
{
    // During a command of this view the rules carry on with their own caret; a group closed
    // by anyone else starts from the caret the view shows.
    const EditCaret state =
        m_rules->OnEditAction(State(), action, std::string_view(text, size_t(length)));
    if (m_running == 0)
        Apply(state);
}

// ---- Commands ---------------------------------------------------------------------------

void CKEditView::AutoExpand()
{
    Run([](CEditRules& r, const EditCaret& s) { return r.AutoExpand(s); });
    // The lines a template opened below the caret show too.
    RevealWithContext(CursorPos());
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

void CKEditView::InsertMarkup(const std::string& open, const std::string& close)
{
    if (Options().lowerCaseTags)
        InsertTag(LowerCaseTagNames(open), LowerCaseTagNames(close));
    else
        InsertTag(open, close);
}

void CKEditView::InsertColour()
{
    const auto texts = AskColourTexts(this, Document().Settings().Store(), HasSelection());
    if (texts)
        InsertMarkup(texts->open, texts->close);
}

void CKEditView::InsertImage()
{
    // The dialog gives the tag in the buffer's code page.
    const QString& path = Document().PathName();
    const QString folder = path.isEmpty() ? QString() : QFileInfo(path).absolutePath();
    if (const auto tag = CInsertImageDialog::AskTag(this, Document().Settings().Store(), folder))
        InsertMarkup(*tag, {});
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
    RunGuarded([&] {
        const std::string bytes = TakeText(text);
        Run([&](CEditRules& r, const EditCaret&) {
            return r.Paste(EditCaret::Selecting(range.start, range.end), bytes);
        });
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

bool CKEditView::TypeKey(const QKeyEvent& event)
{
    // Keys with Ctrl or Alt that no command takes type nothing.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        Enter();
        return true;
    }
    const QString text = event.text();
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front().unicode() == 0x7F)
        return false;
    TypeText(text);
    return true;
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
        RunGuarded([&] { TypeText(event->commitString()); });
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
        RunGuarded([&] {
            Model().PlaceAt(p);
            PasteText(text);
        });
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
    // The spelling items of a misspelled word, then the window's own actions: they name,
    // enable and route the commands as its menus do. A view outside a main window has none.
    CKCommandHost* host = CommandHost();
    if (!host)
        return;
    QMenu menu(this);
    if (SpellingShown()) {
        const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
        AddSpellingItems(menu, byMouse ? PixelToPosition(event->pos().x(), event->pos().y())
                                       : CursorPos());
    }
    host->ShowContextMenu(menu, event->globalPos().x(), event->globalPos().y());
}

void CKEditView::AddSpellingItems(QMenu& menu, TextPoint p)
{
    const std::optional<TextRange> word = MisspelledWordAt(p);
    if (!word)
        return;
    std::string text;
    CopyText(word->start, word->end, text);
    const SpellLanguage language = Document().CyrillicLanguage();
    const std::vector<std::string> suggestions = SpellChecker().Suggest(text, language);
    for (const std::string& suggestion : suggestions) {
        QString shown = FromWindows1251(suggestion);
        QAction* action = menu.addAction(shown.replace(QLatin1Char('&'), QStringLiteral("&&")));
        action->setEnabled(IsEditable());
        connect(action, &QAction::triggered, this, [this, range = *word, suggestion] {
            Run([&](CEditRules& r, const EditCaret&) {
                return r.Paste(EditCaret::Selecting(range.start, range.end), suggestion);
            });
        });
    }
    if (suggestions.empty())
        menu.addAction(QStringLiteral("(no suggestions)"))->setEnabled(false);
    connect(menu.addAction(QStringLiteral("Add to Dictionary")), &QAction::triggered, this,
            [this, text] {
                std::string error;
                if (!SpellChecker().AddToPersonal(text, error))
                    Document().Host().ShowWarning(
                        QStringLiteral("The word was not added to the personal dictionary: ")
                        + QString::fromStdString(error));
                WordAccepted(text);
            });
    connect(menu.addAction(QStringLiteral("Ignore All")), &QAction::triggered, this, [text] {
        SpellChecker().IgnoreAll(text);
        WordAccepted(text);
    });
    menu.addSeparator();
}

// ---- Dropping text ----------------------------------------------------------------------

bool CKEditView::AcceptsDrop(const QMimeData* data) const
{
    return data && data->hasText() && IsEditable() && !m_options.dragDropDisabled;
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
        m_dropCaretRect =
            QRect(PositionToPixel(m_dropPoint), QSize(kDropCaretWidth, GetLineHeight()));
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
    if (OfferFileDrop(event))
        return;
    TrackDrop(event, event->mimeData() && event->mimeData()->hasText());
}

void CKEditView::dragMoveEvent(QDragMoveEvent* event)
{
    if (OfferFileDrop(event))
        return;
    TrackDrop(event, AcceptsDrop(event->mimeData()));
}

// Files dragged from a file manager are opened, not inserted as their names.
bool CKEditView::OfferFileDrop(QDragMoveEvent* event)
{
    if (DroppedLocalPaths(event->mimeData()).isEmpty())
        return false;
    RemoveDropCaret();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    return true;
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
    event->setDropAction(event->modifiers() & Qt::ControlModifier ? Qt::CopyAction
                                                                  : Qt::MoveAction);
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
    if (const QStringList paths = DroppedLocalPaths(event->mimeData()); !paths.isEmpty()) {
        // The main window opens dropped files wherever they land, once the drop is over.
        QMetaObject::invokeMethod(window(), "OpenDroppedFiles", Qt::QueuedConnection,
                                  Q_ARG(QStringList, paths));
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return;
    }
    event->ignore();
    RunGuarded([&] { TakeDrop(*event); });
}

// Inserts or moves the dropped text and accepts the drop; a drop the view refuses stays
// ignored.
void CKEditView::TakeDrop(QDropEvent& drop)
{
    if (!AcceptsDrop(drop.mimeData()))
        return;
    const QPoint pos = drop.position().toPoint();
    const TextPoint p = PixelToPosition(pos.x() + GetCharWidth() / 2, pos.y());
    const bool copy = drop.modifiers() & Qt::ControlModifier;
    // Only one drag runs at a time: while this view drags, a drop on it is its own text.
    const bool fromHere = Model().DraggingText();
    DropResult result;
    if (fromHere && !copy) {
        // A move within the view is one undo step, and the source side has nothing left to do.
        const TextRange dragged = Model().DraggedRange();
        const RulesAtWork working(m_running);
        result = m_rules->MoveText(State(), dragged, p);
        m_movedWithin = result.accepted;
    } else {
        const std::string text = TakeText(drop.mimeData()->text());
        const RulesAtWork working(m_running);
        result = m_rules->Drop(State(), p, text, fromHere);
    }
    Apply(result.state);
    if (!result.accepted)
        return;
    drop.setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
    drop.accept();
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
