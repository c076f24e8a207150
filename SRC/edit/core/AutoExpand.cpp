// AutoExpand, which replaces an abbreviation by its template, and AutoComplete, which
// completes a word from an earlier one.
#include "edit/core/EditRules.h"

#include "edit/core/AutoWords.h"
#include "edit/core/InsertTexts.h"
#include "edit/core/Templates.h"
#include "text/EditActions.h"
#include "text/UndoGroup.h"
#include "view/core/TextLayout.h"

std::optional<int> CEditRules::WordAtCaret(TextPoint caret) const
{
    if (m_buffer.LineCount() == 0)
        return std::nullopt;
    return AutoWordStart(m_buffer.Line(caret.y), caret.x);
}

bool CEditRules::CanAutoExpand(const EditCaret& in) const
{
    // Within an attribute value the word is the author's text, such as a file name.
    const TextPoint caret = Clamped(in.caret);
    return !ExpandTemplates().empty() && WordAtCaret(caret).has_value()
           && !InQuotedAttributeValue(m_buffer, caret);
}

bool CEditRules::CanAutoComplete(const EditCaret& in) const
{
    const TextPoint caret = Clamped(in.caret);
    return caret.y >= 1 && WordAtCaret(caret).has_value();
}

EditCaret CEditRules::AutoExpand(const EditCaret& in)
{
    if (!CanAutoExpand(in))
        return in;
    const TextPoint c = Clamped(in.caret);
    const std::optional<int> start = WordAtCaret(c);
    const std::string_view text =
        start ? FindExpandTemplate(m_buffer.Line(c.y).substr(*start, c.x - *start))
              : std::string_view{};
    if (m_options().lowerCaseTags)
        return ExpandTemplate(in, LowerCaseTagNames(text));
    return ExpandTemplate(in, text);
}

EditCaret CEditRules::ExpandTemplate(const EditCaret& in, std::string_view text)
{
    Command command(*this, in);
    const TextPoint c = m_state.caret;
    const std::optional<int> start = WordAtCaret(c);
    if (!IsEditable() || !start || text.empty())
        return m_state;
    const EditOptions options = m_options();
    {
        CUndoGroup group(m_buffer, m_view);
        if (m_buffer.DeleteText(m_view, c.y, *start, c.y, c.x, ACTION_AUTO_EXPAND)) {
            PlaceCaret({*start, c.y});
            RunTemplate(text, options);
        }
        group.Commit();
    }
    return m_state;
}

// Literal pieces go in at the caret; each backslash and the letter after it is an escape.
void CEditRules::RunTemplate(std::string_view text, const EditOptions& options)
{
    int idealColumn = -1; // kept over successive line moves, as by the Up and Down keys
    while (!text.empty()) {
        const size_t slash = text.find('\\');
        const std::string_view literal = text.substr(0, slash);
        if (!literal.empty()) {
            InsertAtCaret(literal, ACTION_AUTO_EXPAND);
            idealColumn = -1;
        }
        if (slash == std::string_view::npos || slash + 1 == text.size())
            return;
        RunEscape(text[slash + 1], idealColumn, options);
        text.remove_prefix(slash + 2);
    }
}

void CEditRules::RunEscape(char letter, int& idealColumn, const EditOptions& options)
{
    const int tabSize = text_layout::EffectiveTabSize(options.tabSize);
    const TextPoint q = m_state.caret;
    const int lastLine = m_buffer.LineCount() - 1;
    const auto moveToLine = [&](int y) {
        if (idealColumn < 0)
            idealColumn = text_layout::ColumnOfChar(m_buffer.Line(q.y), q.x, tabSize);
        PlaceCaret({text_layout::CharOfColumn(m_buffer.Line(y), idealColumn, tabSize), y});
    };
    if (letter == 'u' || letter == 'd') {
        const int y = letter == 'u' ? q.y - 1 : q.y + 1;
        if (y >= 0 && y <= lastLine)
            moveToLine(y);
        return;
    }
    idealColumn = -1;
    switch (letter) {
    case 'b':
        DoBackspace();
        break;
    case 'e':
        DoDelete();
        break;
    case 'f':
        PlaceCaret({m_buffer.LineLength(q.y), q.y});
        break;
    case 'h':
        PlaceCaret({HomeTarget(m_buffer.Line(q.y), q.x), q.y});
        break;
    case 'l':
        if (q.x > 0)
            PlaceCaret({q.x - 1, q.y});
        else if (q.y > 0)
            PlaceCaret({m_buffer.LineLength(q.y - 1), q.y - 1});
        break;
    case 'r':
        if (q.x < m_buffer.LineLength(q.y))
            PlaceCaret({q.x + 1, q.y});
        else if (q.y < lastLine)
            PlaceCaret({0, q.y + 1});
        break;
    case 'n':
        InsertAtCaret("\r\n", ACTION_AUTO_EXPAND);
        // Indented as a typed line break is.
        OnEditAction(m_state, ACTION_TYPING, "\r\n");
        break;
    case 't':
        InsertAtCaret(options.useTabs ? std::string("\t")
                                      : std::string(tabSize - q.x % tabSize, ' '),
                      ACTION_AUTO_EXPAND);
        break;
    default:
        break; // an unknown escape is skipped
    }
}

EditCaret CEditRules::AutoComplete(const EditCaret& in)
{
    Command command(*this, in);
    const TextPoint c = m_state.caret;
    if (!IsEditable() || c.y < 1)
        return m_state;
    const std::optional<int> start = WordAtCaret(c);
    if (!start)
        return m_state;
    const std::string word(m_buffer.Line(c.y).substr(*start, c.x - *start));
    std::optional<TextPoint> found = FindWordStart(m_buffer, word, {*start, c.y}, true);
    if (!found)
        found = FindWordStart(m_buffer, word, c, false);
    if (!found)
        return m_state;
    const std::string_view line = m_buffer.Line(found->y);
    const size_t from = found->x + word.size();
    size_t end = from;
    while (end < line.size() && IsAutoWordChar(static_cast<uint8_t>(line[end])))
        ++end;
    if (end == from)
        return m_state;
    const std::string completion(line.substr(from, end - from));
    {
        CUndoGroup group(m_buffer, m_view);
        PlaceCaret(c);
        InsertAtCaret(completion, ACTION_AUTO_COMPLETE);
        group.Commit();
    }
    return m_state;
}
