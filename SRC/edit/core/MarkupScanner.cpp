// The markup scanner's states.
#include "edit/core/MarkupScanner.h"

#include "text/Cp1251.h"

void CMarkupScanner::Pass(std::string_view text, size_t i)
{
    const char c = text[i];
    const bool quote = c == '"' || c == '\'';
    switch (m_where) {
    case Where::Text:
        if (text.compare(i, 4, "<!--") == 0) {
            m_where = Where::Comment;
        } else if (c == '<' && i + 1 < text.size()
                   && (text[i + 1] == '/' || text[i + 1] == '!'
                       || cp1251::IsLetter(static_cast<uint8_t>(text[i + 1])))) {
            m_where = Where::Names; // "a < b" opens no tag
        }
        break;
    case Where::Names:
        if (quote)
            m_where = Where::Quoted, m_quote = c;
        else if (c == '=')
            m_where = Where::Value;
        else if (c == '>')
            m_where = Where::Text;
        break;
    case Where::Value: // after "=": a quoted value, or an unquoted one up to a blank
        if (quote)
            m_where = Where::Quoted, m_quote = c;
        else if (c == '>')
            m_where = Where::Text;
        else if ((c == ' ' || c == '\t') && i > 0 && text[i - 1] != '=')
            m_where = Where::Names;
        break;
    case Where::Quoted:
        if (c == m_quote)
            m_where = Where::Names;
        break;
    case Where::Comment:
        if (c == '>' && i >= 2 && text.compare(i - 2, 3, "-->") == 0)
            m_where = Where::Text;
        break;
    }
}
