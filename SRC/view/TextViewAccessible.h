// The text view as assistive technology sees it: an editable text object whose characters
// are the buffer's lines with "\n" between them, and the events that keep a screen reader
// following the caret and the changes.
#pragma once

#include "text/TextTypes.h"
#include "view/core/CaretMoves.h"
#include "view/core/TextOffsets.h"

#include <QAccessibleWidget>
#include <QString>

#include <string>

class CKTextView;

// Registers the view's accessible object with Qt; later calls do nothing.
void InstallTextViewAccessibility();

class CTextViewAccessible : public QAccessibleWidget,
                            public QAccessibleTextInterface,
                            public QAccessibleEditableTextInterface {
public:
    explicit CTextViewAccessible(CKTextView* view);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Selection and caret.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;

    // Text.
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;

    // Geometry.
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Editing, on an editing view only.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    CKTextView& View() const;
    CTextOffsets& Offsets() const;
    // The piece of text of the boundary kind that holds offset, as [start, end).
    void SegmentAt(int offset, QAccessible::TextBoundaryType boundary, int& start, int& end) const;
};

// What the view reports while assistive technology listens: caret moves, selection changes
// and text changes, as offsets. Nothing is computed while none listens.
class CTextAccessEvents {
public:
    CTextAccessEvents(CKTextView& view, const CViewModelHost& text);

    CTextOffsets& Offsets() { return m_offsets; }

    // The buffer changed; called before the view carries its caret across the change.
    void TextChanged(const UpdateContext* ctx, uint32_t flags, int line);
    // The caret was placed, perhaps somewhere new.
    void CaretPlaced();
    // The selection ends moved (as set, not ordered).
    void SelectionChanged(TextRange before, TextRange after);
    // The document's title or its modified mark changed.
    void TitleChanged();

private:
    // Keeps the caret line and the selection, the text a deletion most likely removes.
    void RememberAroundCaret();
    QString RemovedText(const UpdateContext& ctx, int64_t length) const;

    CKTextView& m_view;
    CTextOffsets m_offsets;
    QString m_title;
    TextPoint m_sentCursor{-1, -1};
    int m_rememberedLine = -1;
    std::string m_lineText;
    TextRange m_rememberedSelection;
    std::string m_selectionText;
};
