// Upper, lower and swapped case, capitalised words and sentence case, and the command that
// rewrites a selection with them.
#include "edit/core/CaseConversion.h"

#include "edit/core/EditRules.h"
#include "text/Cp1251.h"
#include "text/EditActions.h"
#include "text/UndoGroup.h"

namespace {

// A letter is upper-cased when a flag says so (which clears the flag), else lower-cased.
char CaseByFlag(uint8_t c, bool& upper)
{
    const uint8_t out = upper ? cp1251::ToUpper(c) : cp1251::ToLower(c);
    upper = false;
    return static_cast<char>(out);
}

} // namespace

int CaseConversionAction(CaseConversion conversion)
{
    switch (conversion) {
    case CaseConversion::Upper:
        return ACTION_UPPER_CASE;
    case CaseConversion::Lower:
        return ACTION_LOWER_CASE;
    case CaseConversion::Swap:
        return ACTION_SWAP_CASE;
    case CaseConversion::Capitalize:
        return ACTION_CAPITALIZE;
    case CaseConversion::Sentence:
        return ACTION_SENTENCIZE;
    }
    return ACTION_UNKNOWN;
}

void ConvertCase(std::string& text, CaseConversion conversion)
{
    bool startFlag = true;
    for (size_t i = 0; i < text.size(); ++i) {
        char& out = text[i];
        const uint8_t c = static_cast<uint8_t>(out);
        switch (conversion) {
        case CaseConversion::Upper:
            out = static_cast<char>(cp1251::ToUpper(c));
            break;
        case CaseConversion::Lower:
            out = static_cast<char>(cp1251::ToLower(c));
            break;
        case CaseConversion::Swap:
            out = static_cast<char>(cp1251::IsLower(c) ? cp1251::ToUpper(c) : cp1251::ToLower(c));
            break;
        case CaseConversion::Capitalize:
            if (cp1251::IsSpace(c))
                startFlag = true;
            else if (cp1251::IsLetter(c))
                out = CaseByFlag(c, startFlag);
            break;
        case CaseConversion::Sentence:
            // A full stop before a digit is a decimal point, not a sentence end.
            if (c == '.' && i + 1 < text.size()
                && !cp1251::IsDigit(static_cast<uint8_t>(text[i + 1])))
                startFlag = true;
            else if (cp1251::IsLetter(c))
                out = CaseByFlag(c, startFlag);
            break;
        }
    }
}

EditCaret CEditRules::ConvertCase(const EditCaret& in, CaseConversion conversion)
{
    Command command(*this, in);
    if (!IsEditable() || !m_state.HasSelection())
        return m_state;
    const TextRange r = m_state.Selection();
    std::string text;
    m_buffer.CopyText(r.start.y, r.start.x, r.end.y, r.end.x, text);
    ::ConvertCase(text, conversion);
    const int action = CaseConversionAction(conversion);
    {
        CUndoGroup group(m_buffer, m_view);
        int endLine, endChar;
        if (m_buffer.DeleteText(m_view, r.start.y, r.start.x, r.end.y, r.end.x, action))
            m_buffer.InsertText(m_view, r.start.y, r.start.x, text, endLine, endChar, action);
        // The same range selected again, the caret at its start.
        m_state = {r.start, r.start, r.end};
        group.Commit();
    }
    return m_state;
}
