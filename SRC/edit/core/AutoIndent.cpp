// The indentation of a new line after a typed line break: the blanks of the line above, and
// in HTML documents a step in after an indenting tag or a step back after its closing tag.
#include "edit/core/EditRules.h"

#include "syntax/HtmlKeywords.h"
#include "text/EditActions.h"

namespace {

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }

bool IsTagNameByte(uint8_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'
           || c == '-' || c == '.' || c == 0xA8 || c == 0xB8 || c >= 0xC0;
}

// The last tag that a line opens or closes, by its last '<'.
struct LastTag {
    int position = -1; // of the '<'; -1 when the line has none
    bool closing = false;
    std::string_view name;
};

LastTag FindLastTag(std::string_view line)
{
    LastTag tag;
    const size_t lt = line.rfind('<');
    if (lt == std::string_view::npos)
        return tag;
    tag.position = static_cast<int>(lt);
    size_t start = lt + 1;
    tag.closing = start < line.size() && line[start] == '/';
    start += tag.closing;
    size_t end = start;
    while (end < line.size() && IsTagNameByte(static_cast<uint8_t>(line[end])))
        ++end;
    tag.name = line.substr(start, end - start);
    return tag;
}

} // namespace

// Runs while the line break's undo group is being closed: the first change here starts a new
// group and the others join it, so Undo takes the indentation back before the line break.
// Insertions name no source view, so that they do not report back here.
void CEditRules::AutoIndent(const EditOptions& options)
{
    const TextPoint c = m_state.caret;
    if (c.y < 1)
        return;
    const int above = c.y - 1;
    const std::string lineAbove(m_buffer.Line(above));

    TextPoint x = c;
    size_t blanks = 0;
    while (blanks < lineAbove.size() && IsBlankByte(lineAbove[blanks]))
        ++blanks;
    if (blanks > 0)
        m_buffer.InsertText(nullptr, c.y, c.x, std::string_view(lineAbove).substr(0, blanks), x.y,
                            x.x, ACTION_AUTO_INDENT);

    if (options.smartIndent && options.htmlDocument) {
        const LastTag tag = FindLastTag(lineAbove);
        uint32_t flags = 0;
        const bool indenting =
            tag.position >= 0 && m_keywords.LookupAsUpper(tag.name, flags) && (flags & HK_INDENT);
        if (indenting && !tag.closing) {
            m_buffer.InsertText(nullptr, x.y, x.x, "\t", x.y, x.x, ACTION_SMART_INDENT);
        } else if (indenting && tag.position > 0 && IsBlankByte(lineAbove[tag.position - 1])) {
            // The closing tag steps back: one blank goes from before it, and one from the new
            // line's indentation if it got any (never the line break itself).
            PlaceCaret({tag.position, above});
            DoBackspace();
            if (x.x > 0) {
                PlaceCaret(x);
                DoBackspace();
                --x.x;
            }
        }
    }
    PlaceCaret(x);
}
