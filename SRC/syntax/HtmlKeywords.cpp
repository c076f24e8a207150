// The built-in HTML words with their flags, and the hash table that looks them up.
#include "syntax/HtmlKeywords.h"

#include <algorithm>
#include <bit>

namespace {

constexpr std::string_view kWords001[] = {
    "CODE", "SPAN", "!DOCTYPE", "ACRONYM", "APPLET", "AREA", "BASE", "BGSOUND", "BLOCKQUOTE", "BR",
    "CAPTION", "CITE", "COLGROUP", "COMMENT", "DD", "DEL", "DFN", "DL", "DT", "EM", "EMBED",
    "FIELDSET", "FORM", "FRAME", "HR", "IFRAME", "IMG", "INPUT", "INS", "ISINDEX", "KBD", "LEGEND",
    "LI", "LISTING", "MAP", "MENU", "META", "NOBR", "NOFRAMES", "OBJECT", "OL", "OPTION", "P",
    "PARAM", "Q", "SELECT", "TEXTAREA", "TT", "U", "UL", "VAR", "WBR", "LABEL", "COL", "DIR"
};
constexpr std::string_view kWords002[] = {
    "LANG", "TEXT", "ACCESSKEY", "ACTION", "ALIGN", "ALINK", "ALT", "BACKGROUND", "BALANCE",
    "BGCOLOR", "BGPROPERTIES", "BORDER", "BORDERCOLOR", "BORDERCOLORDARK", "BORDERCOLORLIGHT",
    "BOTTOMMARGIN", "CELLPADDING", "CELLSPACING", "CLASS", "CLASSID", "CODEBASE", "COLOR", "COLS",
    "COLSPAN", "CONTENT", "COORDS", "DATAFLD", "DATAFORMATAS", "DATAPAGESIZE", "DATASRC",
    "DIRECTION", "DYNSRC", "ENCTYPE", "EVENT", "FACE", "FOR", "FRAMEBORDER", "FRAMESPACING",
    "GENERATOR", "HEIGHT", "HREF", "HSPACE", "HTTP-EQUIV", "ID", "ISMAP", "LANGUAGE", "LEFTMARGIN",
    "LOOP", "LOWSRC", "MARGINHEIGHT", "MARGINWIDTH", "MAXLENGTH", "MEDIA", "METHOD", "METHODS",
    "NAME", "NOHREF", "NORESIZE", "NOWRAP", "PROMPT", "PUBLIC", "READONLY", "REL", "RESIZE",
    "RESOURCE", "REV", "RIGHTMARGIN", "ROWS", "ROWSPAN", "SCROLL", "SCROLLAMOUNT", "SCROLLDELAY",
    "SCROLLING", "SHAPE", "SIZE", "SRC", "START", "STYLESHEET", "TABINDEX", "TARGET", "TOPMARGIN",
    "TRUESPEED", "TYPE", "URL", "URN", "USEMAP", "VALIGN", "VALUE", "VLINK", "VOLUME", "VSPACE",
    "WIDTH", "WRAP", "DISABLED", "ALTERNATE", "BEHAVIOR", "MULTIPLE", "SLIDE", "FIXED", "SELECTED"
};
constexpr std::string_view kWords003[] = {
    "LINK"
};
constexpr std::string_view kWords008[] = {
    "ONABORT", "ONAFTERUPDATE", "ONBEFOREUNLOAD", "ONBEFOREUPDATE", "ONBLUR", "ONBOUNCE",
    "ONCHANGE", "ONCLICK", "ONDATAAVAILABLE", "ONDATASETCHANGED", "ONDATASETCOMPLETE", "ONDBLCLICK",
    "ONDRAGSTART", "ONERROR", "ONERRORUPDATE", "ONFILTERCHANGE", "ONFINISH", "ONFOCUS", "ONHELP",
    "ONKEYDOWN", "ONKEYPRESS", "ONKEYUP", "ONLOAD", "ONMOUSEDOWN", "ONMOUSEMOVE", "ONMOUSEOUT",
    "ONMOUSEOVER", "ONMOUSEUP", "ONREADYSTATECHANGE", "ONRESET", "ONRESIZE", "ONROWENTER",
    "ONROWEXIT", "ONSCROLL", "ONSELECT", "ONSELECTSTART", "ONSTART", "ONSUBMIT", "ONUNLOAD"
};
constexpr std::string_view kWords010[] = {
    "IMAGE", "ABOVE", "ABSBOTTOM", "ABSMIDDLE", "ALL", "AUTO", "BASELINE", "BELOW", "BLANK",
    "BOTTOM", "BOX", "CHECKBOX", "CIRC", "CIRCLE", "CLEAR", "COMPACT", "CONTENT-TYPE", "DOCUMENT",
    "RESOURCE-TYPE", "AUTHOR", "DESCRIPTION", "KEYWORDS", "GLOBAL", "DISTRIBUTION", "DOWN", "FILE",
    "GET", "GROUPS", "HIDDEN", "INSIDES", "JAVASCRIPT", "JAVASCRIPT1.1", "JAVASCRIPT1.2",
    "JAVASCRIPT1.3", "JSCRIPT", "JUSTIFY", "LEFT", "LHS", "MIDDLE", "NO", "NONE", "PARENT",
    "PASSWORD", "POLY", "POLYGON", "POST", "PRINT", "RADIO", "RECT", "RECTANGLE", "RESET", "RHS",
    "RIGHT", "RULES", "SCREEN", "SELF", "SUBMIT", "TEXTTOP", "TOP", "UP", "VBS", "VBSCRIPT", "VOID",
    "VSIDES", "YES"
};
constexpr std::string_view kWords011[] = {
    "BUTTON"
};
constexpr std::string_view kWords020[] = {
    "NBSP", "COPY", "QUOT", "AMP", "FNOF", "ALPHA", "BETA", "GAMMA", "DELTA", "EPSILON", "ZETA",
    "ETA", "THETA", "IOTA", "KAPPA", "LAMBDA", "MU", "NU", "XI", "OMICRON", "PI", "RHO", "SIGMA",
    "SIGMAF", "TAU", "UPSILON", "PHI", "CHI", "PSI", "OMEGA", "THETASYM", "UPSIH", "PIV", "BULL",
    "HELLIP", "PRIME", "OLINE", "FRASL", "WEIERP", "REAL", "TRADE", "ALEFSYM", "LARR", "UARR",
    "RARR", "DARR", "CRARR", "HARR", "FORALL", "PART", "EXIST", "EMPTY", "NABLA", "ISIN", "NOTIN",
    "NI", "PROD", "SUM", "MINUS", "LOWAST", "RADIC", "PROP", "INFIN", "ANG", "AND", "OR", "CAP",
    "CUP", "INT", "THERE4", "SIM", "CONG", "ASYMP", "NE", "EQUIV", "LE", "GE", "NSUB", "SUBE",
    "SUPE", "OPLUS", "OTIMES", "PERP", "SDOT", "LCEIL", "RCEIL", "LFLOOR", "RFLOOR", "RANG", "LOZ",
    "SPADES", "CLUBS", "HEARTS", "DIAMS"
};
constexpr std::string_view kWords040[] = {
    "AQUA", "GRAY", "NAVY", "SILVER", "BLACK", "GREEN", "OLIVE", "TEAL", "BLUE", "LIME", "PURPLE",
    "WHITE", "FUCHSIA", "MAROON", "RED", "YELLOW"
};
constexpr std::string_view kWords041[] = {
    "ADDRESS", "B", "BIG", "FONT", "I", "MARQUEE", "NOSCRIPT", "PRE", "SAMP", "STRIKE", "STRONG",
    "TABLE"
};
constexpr std::string_view kWords061[] = {
    "SUB", "SUP"
};
constexpr std::string_view kWords081[] = {
    "PLAINTEXT", "S", "SMALL"
};
constexpr std::string_view kWords0C1[] = {
    "A", "BASEFONT", "BODY", "DIV", "FRAMESET", "H1", "H2", "H3", "H4", "H5", "H6", "HEAD", "TBODY",
    "TD", "TFOOT", "TH", "THEAD", "TR", "XMP"
};
constexpr std::string_view kWords0C3[] = {
    "HTML", "STYLE", "TITLE"
};
constexpr std::string_view kWords0D1[] = {
    "CENTER"
};
constexpr std::string_view kWords1C1[] = {
    "SCRIPT"
};

constexpr HtmlKeywordGroup kGroups[] = {
    {0x001, kWords001},
    {0x002, kWords002},
    {0x003, kWords003},
    {0x008, kWords008},
    {0x010, kWords010},
    {0x011, kWords011},
    {0x020, kWords020},
    {0x040, kWords040},
    {0x041, kWords041},
    {0x061, kWords061},
    {0x081, kWords081},
    {0x0C1, kWords0C1},
    {0x0C3, kWords0C3},
    {0x0D1, kWords0D1},
    {0x1C1, kWords1C1},
};

uint8_t FoldAscii(uint8_t c) { return c >= 'a' && c <= 'z' ? c - 32 : c; }

// FNV-1a over the upper-cased bytes, so that a word and its upper-case form hash alike.
uint32_t HashUpper(std::string_view word)
{
    uint32_t h = 2166136261u;
    for (const char c : word)
        h = (h ^ FoldAscii(static_cast<uint8_t>(c))) * 16777619u;
    return h;
}

bool EqualsUpper(std::string_view word, std::string_view upper)
{
    for (size_t k = 0; k < word.size(); ++k)
        if (FoldAscii(static_cast<uint8_t>(word[k])) != static_cast<uint8_t>(upper[k]))
            return false;
    return true;
}

} // namespace

CHtmlKeywordTable::CHtmlKeywordTable(std::span<const HtmlKeywordGroup> groups)
{
    size_t words = 0;
    for (const HtmlKeywordGroup& group : groups)
        words += group.words.size();
    m_slots.resize(std::bit_ceil(std::max<size_t>(16, 2 * words)));

    for (const HtmlKeywordGroup& group : groups) {
        for (const std::string_view word : group.words) {
            if (word.empty())
                continue;
            const size_t mask = m_slots.size() - 1;
            size_t k = HashUpper(word) & mask;
            while (!m_slots[k].word.empty() && m_slots[k].word != word)
                k = (k + 1) & mask;
            if (m_slots[k].word.empty()) {
                m_slots[k].word = word;
                ++m_count;
                m_maxLength = std::max(m_maxLength, static_cast<int>(word.size()));
            }
            m_slots[k].flags = group.flags;
        }
    }
}

const CHtmlKeywordTable::Slot* CHtmlKeywordTable::Find(std::string_view word, bool foldCase) const
{
    if (word.empty() || static_cast<int>(word.size()) > m_maxLength)
        return nullptr;
    const size_t mask = m_slots.size() - 1;
    for (size_t k = HashUpper(word) & mask; !m_slots[k].word.empty(); k = (k + 1) & mask) {
        const Slot& slot = m_slots[k];
        if (slot.word.size() != word.size())
            continue;
        if (foldCase ? EqualsUpper(word, slot.word) : slot.word == word)
            return &slot;
    }
    return nullptr;
}

bool CHtmlKeywordTable::Lookup(std::string_view upperWord, uint32_t& flags) const
{
    const Slot* slot = Find(upperWord, false);
    if (slot)
        flags = slot->flags;
    return slot != nullptr;
}

bool CHtmlKeywordTable::LookupAsUpper(std::string_view word, uint32_t& flags) const
{
    const Slot* slot = Find(word, true);
    if (slot)
        flags = slot->flags;
    return slot != nullptr;
}

std::span<const HtmlKeywordGroup> BuiltInHtmlKeywords() { return kGroups; }

const CHtmlKeywordTable& HtmlKeywords()
{
    static const CHtmlKeywordTable table(kGroups);
    return table;
}

void FillHtmlKeywords() { HtmlKeywords(); }
