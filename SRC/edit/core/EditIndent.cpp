// Tab and Shift+Tab: block indent and unindent, the indent text, and the caret's tab stops.
#include "edit/core/EditRules.h"

#include "text/EditActions.h"
#include "text/UndoGroup.h"
#include "view/core/TextLayout.h"

namespace {

// Leading characters Shift+Tab takes from a line: up to a tab size of spaces, or fewer spaces
// and the tab that ends them.
int UnindentCount(std::string_view line, int tabSize)
{
    const int length = static_cast<int>(line.size());
    for (int n = 0; n < tabSize && n < length; ++n) {
        if (line[n] == '\t')
            return n + 1;
        if (line[n] != ' ')
            return n;
    }
    return std::min(tabSize, length);
}

} // namespace

bool CEditRules::IsBlock() const
{
    const TextRange r = m_state.Selection();
    return r.start.y != r.end.y;
}

// The lines a block indent changes, and the selection it leaves: from the start of the first
// line to the start of the line after the last (the end of the text on the last line). A
// selection that ends at character 0 of a line leaves that line out.
void CEditRules::SelectBlock(int& firstLine, int& lastLine)
{
    const TextRange r = m_state.Selection();
    firstLine = r.start.y;
    TextPoint end = r.end;
    if (end.x > 0) {
        lastLine = end.y;
        end = end.y == m_buffer.LineCount() - 1 ? TextPoint{m_buffer.LineLength(end.y), end.y}
                                                : TextPoint{0, end.y + 1};
    } else {
        lastLine = end.y - 1;
    }
    m_state = EditCaret::Selecting({0, firstLine}, end);
}

// A block that ends at the end of the text follows that end as the line grows or shrinks.
void CEditRules::KeepBlockEndAtLineEnd()
{
    TextPoint& end = m_state.caret;
    if (end.x > 0) {
        end.x = m_buffer.LineLength(end.y);
        m_state.selEnd = end;
    }
}

EditCaret CEditRules::IndentRight(const EditCaret& in)
{
    Command command(*this, in);
    if (!IsEditable())
        return m_state;
    const EditOptions options = m_options();
    const int tabSize = text_layout::EffectiveTabSize(options.tabSize);
    // A tab, or the spaces that reach the next tab stop from character index x.
    const auto indentFrom = [&](int x) {
        return options.useTabs ? std::string("\t") : std::string(tabSize - x % tabSize, ' ');
    };

    if (IsBlock()) {
        // Every line gets the same text, measured from the caret.
        const std::string indent = indentFrom(m_state.caret.x);
        int first, last;
        SelectBlock(first, last);
        {
            CUndoGroup group(m_buffer, m_view);
            int endLine, endChar;
            for (int line = first; line <= last; ++line)
                m_buffer.InsertText(m_view, line, 0, indent, endLine, endChar, ACTION_INDENT);
            group.Commit();
        }
        KeepBlockEndAtLineEnd();
        return m_state;
    }

    const TextPoint caret = m_state.caret;
    const std::string_view line = m_buffer.Line(caret.y);
    if (m_overwrite && caret.x < static_cast<int>(line.size())) {
        // Overwrite steps over the text to the next tab stop, or just past a tab.
        const int column = text_layout::ColumnOfChar(line, caret.x, tabSize);
        int x = caret.x;
        for (int step = text_layout::TabAdvance(column, tabSize);
             step > 0 && x < static_cast<int>(line.size()); --step) {
            if (line[x++] == '\t')
                break;
        }
        PlaceCaret({x, caret.y});
        return m_state;
    }

    {
        // The text replaces the selection and reaches the tab stop after where it goes in,
        // whichever end of the selection the caret is at.
        const std::string indent = indentFrom(m_state.Selection().start.x);
        CUndoGroup group(m_buffer, m_view);
        DeleteSelectedText(ACTION_DELETE_SELECTION);
        InsertAtCaret(indent, ACTION_TYPING);
        group.Commit();
    }
    return m_state;
}

EditCaret CEditRules::IndentLeft(const EditCaret& in)
{
    Command command(*this, in);
    if (!IsEditable())
        return m_state;
    const int tabSize = text_layout::EffectiveTabSize(m_options().tabSize);

    if (IsBlock()) {
        int first, last;
        SelectBlock(first, last);
        {
            CUndoGroup group(m_buffer, m_view);
            for (int line = first; line <= last; ++line) {
                const int n = UnindentCount(m_buffer.Line(line), tabSize);
                if (n > 0)
                    m_buffer.DeleteText(m_view, line, 0, line, n, ACTION_INDENT);
            }
            group.Commit();
        }
        KeepBlockEndAtLineEnd();
        return m_state;
    }

    // Without a block no text changes: the caret goes back to the previous tab stop.
    const TextPoint caret = m_state.caret;
    if (caret.x == 0)
        return m_state;
    const std::string_view line = m_buffer.Line(caret.y);
    const int column = text_layout::ColumnOfChar(line, caret.x, tabSize);
    const int target = column % tabSize != 0 ? column - column % tabSize : column - tabSize;
    int x = 0;
    for (int c = 0; c < target && x < caret.x; ++x)
        c += line[x] == '\t' ? text_layout::TabAdvance(c, tabSize) : 1;
    PlaceCaret({x, caret.y});
    return m_state;
}
