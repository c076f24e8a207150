// The editing view: the text view plus every command that changes text. It translates keys,
// input methods, the mouse, the clipboard and drag and drop into calls of the editing rules
// and shows the caret and selection they hand back.
#pragma once

#include "edit/core/EditRules.h"
#include "view/KTextView.h"

#include <memory>
#include <span>

class QMenu;

class CKEditView : public CKTextView {
    Q_OBJECT
    friend class CKTextView;

public:
    ~CKEditView() override;

    // The commands the edit view runs; the text view's follow them.
    static std::span<const CommandHandler<CKEditView>> CommandHandlers();

    bool OnUpdateCommand(CmdUI& ui) override;
    ViewStatus Status() override;
    void OnSettingsChanged() override;
    void OnEditAction(int action, const char* text, int length) override;

    // The clipboard holds Unicode text with LF line ends; the buffer's text is Windows-1251
    // with CR LF.
    bool PutToClipboard(const std::string& text) override;
    bool GetFromClipboard(std::string& text) const override;
    Qt::DropActions DragEffects() const override { return Qt::CopyAction | Qt::MoveAction; }
    void AfterDragDrop(Qt::DropAction effect) override;

    // The commands, as keys and menus run them.
    void TypeText(const QString& text);
    void Enter();
    void Delete();
    void Backspace();
    void DeleteWordBefore();
    void DeleteWordAfter();
    void IndentRight();
    void IndentLeft();
    void Cut();
    void Paste();
    // Pastes text from another source (the primary selection) at the caret.
    void PasteText(const QString& text);
    void Undo();
    void Redo();
    void AutoExpand();
    void AutoComplete();
    bool CanAutoExpand() const;
    bool CanAutoComplete() const;
    // Tags, colours, images and macros around the selection or at the caret; an empty text
    // is left out.
    void InsertTag(const std::string& open, const std::string& close);
    // The same for the Insert menu's tags, in lower case when the options ask for it.
    void InsertMarkup(const std::string& open, const std::string& close);
    void InsertColour();
    void InsertImage();
    void ConvertCase(CaseConversion conversion);
    // Macro index on Ctrl+0 to Ctrl+9.
    void InsertMacro(int index);
    void ToggleOverwrite() { m_rules->SetOverwrite(!m_rules->Overwrite()); }
    bool Overwrite() const { return m_rules->Overwrite(); }
    bool IsEditable() const override { return m_rules->IsEditable(); }
    void ReplaceRange(TextRange range, const QString& text) override;
    std::string UndoMenuText() const { return m_rules->UndoMenuText(); }
    std::optional<std::string> RedoMenuText() const { return m_rules->RedoMenuText(); }

    // The spelling items of the right-button menu for the misspelled word at p: up to eight
    // suggestions (each replaces the word as one undo step), "Add to Dictionary" and
    // "Ignore All", then a separator. Nothing where no word is marked.
    void AddSpellingItems(QMenu& menu, TextPoint p);

    // The drop indicator while text is dragged over the view.
    bool DropCaretShown() const { return m_dropCaretShown; }
    TextPoint DropPoint() const { return m_dropPoint; }

protected:
    explicit CKEditView(CTagwrightDoc& doc, QWidget* parent = nullptr);
    void Bind() override;
    bool RunViewCommand(int id) override;
    bool RunsCommand(int id) const override;
    bool TypeKey(const QKeyEvent& event) override;

    bool focusNextPrevChild(bool) override { return false; }
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool OfferFileDrop(QDragMoveEvent* event);
    void paintEvent(QPaintEvent* event) override;

private:
    // The editing preferences, read when the view binds and when they change.
    void ReadEditOptions();
    EditOptions Options() const;
    // The view's caret and selection as the rules take them, and back.
    EditCaret State() const;
    void Apply(const EditCaret& state);
    // Runs one rule on the view's caret and shows where it leaves it.
    template <class Rule>
    void Run(Rule rule);
    void TypeCharacter(const QString& character);
    // Buffer text from a clipboard or drop; characters Windows-1251 lacks are reported.
    std::string TakeText(const QString& text);
    void UpdatePrimarySelection();
    void TakeDrop(QDropEvent& event);
    void ShowDropCaret(QPoint pos);
    void TrackDrop(QDragMoveEvent* event, bool acceptable);
    void RemoveDropCaret();
    bool AcceptsDrop(const QMimeData* data) const;

    // Counts the rules at work while it lives: their caret counts, not the view's.
    class RulesAtWork {
    public:
        explicit RulesAtWork(int& count) : m_count(count) { ++m_count; }
        ~RulesAtWork() { --m_count; }
        RulesAtWork(const RulesAtWork&) = delete;
        RulesAtWork& operator=(const RulesAtWork&) = delete;

    private:
        int& m_count;
    };

    std::unique_ptr<CEditRules> m_rules;
    EditOptions m_options;
    int m_running = 0;

    bool m_dropCaretShown = false;
    TextPoint m_dropPoint;
    QRect m_dropCaretRect;
    bool m_movedWithin = false; // the last drop was a move inside this view
    TextRange m_primarySet{{-1, -1}, {-1, -1}};
};
