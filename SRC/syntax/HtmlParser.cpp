// The HTML line parser: a token scanner over one line that carries tags, comments, strings
// and SCRIPT elements to the next line in the HS_ state bits.
#include "syntax/HtmlParser.h"

#include "syntax/HtmlKeywords.h"

#include <array>
#include <cstring>
#include <string_view>

namespace {

// What survives the end of a tag: comments, strings and the SCRIPT or STYLE element around it.
constexpr uint32_t kOutsideTagBits = HS_COMMENT | HS_STRING | HS_SCRIPT | HS_STYLE;
// Where an attribute value that a reader sees has got to, up to its first token.
constexpr uint32_t kTextValueStart = HS_TEXT_NAME | HS_TEXT_VALUE;

bool IsNameChar(uint8_t c)
{
    return parse_chars::kClasses[c]
           & (parse_chars::kLetter | parse_chars::kDigit | parse_chars::kNamePunct);
}

// Punctuation that is an operator after a tag's name and an error before it.
bool IsPunctuation(uint8_t c)
{
    return (c >= 0x22 && c <= 0x2F) || (c >= 0x3A && c <= 0x40) || (c >= 0x5B && c <= 0x60)
           || (c >= 0x7B && c <= 0x7F);
}

// Outside tags, comments and strings only these bytes can change the state ("/" in scripts).
constexpr std::array<bool, 256> kTextStops = [] {
    std::array<bool, 256> stops{};
    stops['<'] = stops['"'] = stops['&'] = stops['/'] = true;
    return stops;
}();
constexpr uint32_t kNotPlainText =
    HS_COMMENT | HS_IN_TAG | HS_STRING | HS_ERROR | HS_SCRIPT_COMMENT;

// Whether a name equals an upper-case word, without regard to case.
bool NameIs(std::string_view name, std::string_view upper)
{
    if (name.size() != upper.size())
        return false;
    for (size_t k = 0; k < name.size(); ++k) {
        const char c = name[k];
        if ((c >= 'a' && c <= 'z' ? c - 32 : c) != upper[k])
            return false;
    }
    return true;
}

// The attributes whose values the page shows to its reader, as tool tips or in place of images.
bool IsTextAttribute(std::string_view name) { return NameIs(name, "ALT") || NameIs(name, "TITLE"); }

// Index of the first occurrence of pattern at or after from, or -1.
int FindFrom(const uint8_t* text, int length, int from, std::string_view pattern)
{
    const int last = length - static_cast<int>(pattern.size());
    for (int k = from; k <= last; ++k) {
        const void* hit = std::memchr(text + k, pattern[0], last - k + 1);
        if (!hit)
            return -1;
        k = static_cast<int>(static_cast<const uint8_t*>(hit) - text);
        if (std::memcmp(text + k, pattern.data(), pattern.size()) == 0)
            return k;
    }
    return -1;
}

class CHtmlLine {
public:
    CHtmlLine(uint32_t state, const uint8_t* text, int length, ColourBlock* blocks, int& count,
              bool* readerText)
        : m_keywords(HtmlKeywords()), m_text(text), m_n(length), m_state(state), m_blocks(blocks),
          m_count(count), m_readerText(blocks ? readerText : nullptr)
    {
    }

    uint32_t Parse();

private:
    bool InTag() const { return m_state & HS_IN_TAG; }
    bool Named() const { return m_state & HS_NAMED; }
    bool Closing() const { return m_state & HS_CLOSING; }
    // valueToken: the block is a word or string that may be the value of ALT or TITLE.
    void Block(int position, ColourClass colour, bool valueToken = false)
    {
        DefineBlock(m_blocks, m_count, position, colour);
        if (m_readerText && m_count > 0 && m_blocks[m_count - 1].start == position)
            m_readerText[m_count - 1] = IsReaderText(colour, valueToken);
    }
    bool IsReaderText(ColourClass colour, bool valueToken) const
    {
        if (!InTag())
            return colour == ColourClass::NormalText && !(m_state & (HS_SCRIPT | HS_STYLE));
        return valueToken && (m_state & (HS_TEXT_VALUE | HS_TEXT_QUOTED));
    }
    // After a token in a tag other than "=": a value of ALT or TITLE that was due is over.
    void EndToken() { m_state &= ~kTextValueStart; }
    // Whether the pattern starts at i.
    bool At(std::string_view pattern) const
    {
        return m_n - m_i >= static_cast<int>(pattern.size())
               && std::memcmp(m_text + m_i, pattern.data(), pattern.size()) == 0;
    }
    // Moves i past the next occurrence of pattern and returns true, or returns false.
    bool SkipPast(std::string_view pattern)
    {
        const int k = FindFrom(m_text, m_n, m_i, pattern);
        if (k < 0)
            return false;
        m_i = k + static_cast<int>(pattern.size());
        return true;
    }

    void Character();
    void ValuePunctuation(uint8_t c);
    void Reference();
    void NumberToken();
    void Word();

    const CHtmlKeywordTable& m_keywords;
    const uint8_t* const m_text;
    const int m_n;
    uint32_t m_state;
    int m_i = 0;
    ColourBlock* const m_blocks;
    int& m_count;
    bool* const m_readerText;
};

uint32_t CHtmlLine::Parse()
{
    while (m_i < m_n) {
        if (!m_blocks && !(m_state & kNotPlainText)) {
            // Without blocks, text between tags is skipped in one go: none of it can change
            // the state.
            while (m_i < m_n && !kTextStops[m_text[m_i]])
                ++m_i;
        }
        while (m_i < m_n && IsBlank(m_text[m_i]))
            ++m_i;
        if (m_i == m_n)
            break;

        if (m_state & HS_ERROR) {
            Block(m_i, ColourClass::Error);
            if (!SkipPast(">"))
                break;
            m_state &= kOutsideTagBits;
        } else if (m_state & HS_COMMENT) {
            Block(m_i, ColourClass::Comment);
            if (!SkipPast("-->"))
                break;
            m_state &= ~HS_COMMENT;
        } else if (m_state & HS_STRING) {
            Block(m_i, InTag() ? ColourClass::String : ColourClass::NormalText, true);
            if (!SkipPast("\""))
                break;
            m_state &= ~(HS_STRING | HS_TEXT_VALUE);
        } else if ((m_state & (HS_SCRIPT | HS_SCRIPT_COMMENT)) == (HS_SCRIPT | HS_SCRIPT_COMMENT)) {
            Block(m_i, ColourClass::Comment);
            if (!SkipPast("*/"))
                break;
            m_state &= ~HS_SCRIPT_COMMENT;
        } else if (At("<!--")) {
            m_state |= HS_COMMENT;
            Block(m_i, ColourClass::Comment);
            m_i += 4;
        } else if ((m_state & HS_SCRIPT) && !InTag() && At("/*")) {
            m_state |= HS_SCRIPT_COMMENT;
            Block(m_i, ColourClass::Comment);
            m_i += 2;
        } else if ((m_state & HS_SCRIPT) && !InTag() && At("//")) {
            Block(m_i, ColourClass::Comment);
            break;
        } else {
            Character();
        }
    }
    return m_state;
}

void CHtmlLine::Character()
{
    const uint8_t c = m_text[m_i];
    switch (c) {
    case '<':
        if (InTag()) {
            m_state |= HS_ERROR; // the next pass colours from this "<"
        } else if ((m_state & HS_SCRIPT) && !(m_i + 1 < m_n && m_text[m_i + 1] == '/')) {
            Block(m_i++, ColourClass::NormalText);
        } else {
            m_state = (m_state & ~HS_SCRIPT) | HS_IN_TAG;
            Block(m_i++, ColourClass::Keyword);
        }
        return;
    case '>':
        if (InTag()) {
            m_state &= kOutsideTagBits;
            Block(m_i++, ColourClass::Keyword);
        } else {
            Block(m_i++, ColourClass::NormalText);
        }
        return;
    case '"':
        m_state = (m_state & ~HS_TEXT_NAME) | HS_STRING;
        Block(m_i++, InTag() ? ColourClass::String : ColourClass::NormalText, true);
        return;
    case '/':
        if (!InTag()) {
            Block(m_i++, ColourClass::NormalText);
        } else if (Named()) {
            EndToken();
            Block(m_i++, ColourClass::Operator);
        } else if (!Closing()) {
            m_state |= HS_CLOSING;
            Block(m_i++, ColourClass::ClosingTag);
        } else {
            m_state |= HS_ERROR;
        }
        return;
    case '&':
        Reference();
        return;
    case '#':
        if (!InTag()) {
            Block(m_i++, ColourClass::NormalText);
        } else {
            EndToken();
            Block(m_i++, ColourClass::Number);
            while (m_i < m_n && IsHexDigit(m_text[m_i]))
                ++m_i;
        }
        return;
    default:
        break;
    }
    if (IsDigit(c)) {
        NumberToken();
    } else if (IsLetter(c) || c == '!') {
        Word();
    } else if (IsPunctuation(c)) {
        if (!InTag()) {
            Block(m_i++, ColourClass::NormalText);
        } else if (Named()) {
            ValuePunctuation(c);
            Block(m_i++, ColourClass::Operator);
        } else {
            m_state |= HS_ERROR;
        }
    } else {
        ++m_i; // control bytes and the symbols of 0x80-0xBF take the colour before them
    }
}

// "=" after ALT or TITLE makes the next token text; a single quote then opens a value that runs
// to the next single quote.
void CHtmlLine::ValuePunctuation(uint8_t c)
{
    if (c == '=' && (m_state & HS_TEXT_NAME))
        m_state = (m_state & ~HS_TEXT_NAME) | HS_TEXT_VALUE;
    else if (c == '\'' && (m_state & HS_TEXT_VALUE))
        m_state = (m_state & ~HS_TEXT_VALUE) | HS_TEXT_QUOTED;
    else if (c == '\'' && (m_state & HS_TEXT_QUOTED))
        m_state &= ~HS_TEXT_QUOTED;
    else
        EndToken();
}

void CHtmlLine::Reference()
{
    const int start = m_i;
    if (start + 1 == m_n) {
        Block(start, InTag() ? ColourClass::Unknown : ColourClass::NormalText);
        m_i = m_n;
        return;
    }
    int j = start + 2;
    ColourClass colour = ColourClass::Entity;
    if (m_text[start + 1] == '#') {
        while (j < m_n && IsDigit(m_text[j]))
            ++j;
    } else {
        // The name starts with whatever follows the "&".
        while (j < m_n && IsWordChar(m_text[j]))
            ++j;
        const std::string_view name(reinterpret_cast<const char*>(m_text) + start + 1,
                                    j - start - 1);
        uint32_t flags = 0;
        if (!m_keywords.LookupAsUpper(name, flags) || !(flags & HK_ENTITY))
            colour = ColourClass::Unknown;
    }
    if (j < m_n && m_text[j] == ';')
        ++j;
    if (InTag()) {
        EndToken();
        Block(start, colour);
    } else {
        Block(start, colour == ColourClass::Entity ? ColourClass::Entity : ColourClass::NormalText);
    }
    m_i = j;
}

void CHtmlLine::NumberToken()
{
    const int start = m_i;
    ColourClass colour = ColourClass::Number;
    int j = start + 1;
    while (j < m_n && IsWordChar(m_text[j])) {
        if (IsLetter(m_text[j]))
            colour = ColourClass::Unknown;
        ++j;
    }
    if (!InTag()) {
        Block(start, ColourClass::NormalText);
    } else if (Named()) {
        Block(start, colour, true);
        EndToken();
    } else {
        m_state |= HS_ERROR; // the error colour starts after the token
    }
    m_i = j;
}

void CHtmlLine::Word()
{
    const int start = m_i;
    int j = start + 1;
    if (!InTag()) {
        while (j < m_n && IsWordChar(m_text[j]))
            ++j;
        Block(start, ColourClass::NormalText);
        m_i = j;
        return;
    }

    while (j < m_n && IsNameChar(m_text[j]))
        ++j;
    const std::string_view name(reinterpret_cast<const char*>(m_text) + start, j - start);
    const bool attributePosition = Named() && !(m_state & HS_TEXT_QUOTED);
    uint32_t flags = 0;
    ColourClass colour = ColourClass::Keyword;
    if (!m_keywords.LookupAsUpper(name, flags)) {
        if (!Named()) {
            m_state |= HS_ERROR; // the next pass colours from the word's start
            return;
        }
        colour = ColourClass::Unknown;
    } else {
        switch (flags & (HK_ATTRIBUTE | HK_VALUE | HK_EVENT | HK_ENUM_VALUE | HK_ENTITY)) {
        case HK_ATTRIBUTE:
            colour = ColourClass::Preprocessor;
            break;
        case HK_VALUE:
            colour = ColourClass::User1;
            break;
        case HK_EVENT:
            colour = ColourClass::Function;
            break;
        case HK_ENUM_VALUE:
            colour = ColourClass::User2;
            break;
        case HK_ENTITY:
            colour = ColourClass::Unknown;
            break;
        default:
            break; // no kind of its own, or several: a tag colour
        }
        if (flags & HK_SCRIPT) {
            if (Closing())
                m_state &= ~HS_SCRIPT;
            else
                m_state |= HS_SCRIPT;
        }
        if (flags & HK_TAG) {
            if (Named()) {
                if (colour == ColourClass::Keyword)
                    colour = ColourClass::Unknown; // a tag name where an attribute belongs
            } else {
                m_state |= HS_NAMED;
                colour = Closing() ? ColourClass::ClosingTag : ColourClass::Keyword;
                if (NameIs(name, "STYLE"))
                    m_state = Closing() ? m_state & ~HS_STYLE : m_state | HS_STYLE;
            }
        } else if (!Named()) {
            m_state |= HS_ERROR; // a tag must start with a tag name
            return;
        } else if (colour == ColourClass::Keyword && Closing()) {
            colour = ColourClass::ClosingTag;
        }
    }
    Block(start, colour, true);
    EndToken();
    if (attributePosition && IsTextAttribute(name))
        m_state |= HS_TEXT_NAME;
    m_i = j;
}

} // namespace

uint32_t ParseHtmlLine(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                       int& count)
{
    const int n = source.LineLength(line);
    if (n <= 0)
        return state;
    const auto* text = reinterpret_cast<const uint8_t*>(source.LineText(line));
    return CHtmlLine(state & kHtmlColourState, text, n, blocks, count, nullptr).Parse()
           & kHtmlColourState;
}

uint32_t ParseHtmlText(uint32_t state, const CTextLines& source, int line, ColourBlock* blocks,
                       int& count, bool* readerText)
{
    const int n = source.LineLength(line);
    if (n <= 0)
        return state;
    const auto* text = reinterpret_cast<const uint8_t*>(source.LineText(line));
    return CHtmlLine(state, text, n, blocks, count, readerText).Parse();
}
