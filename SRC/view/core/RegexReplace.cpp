// Expands a replacement template: group references, case changes and character escapes.
#include "text/Cp1251.h"
#include "view/core/Regex.h"
#include "view/core/RegexNodes.h"

namespace {

// The output and the case changes in force. Every appended piece (a template character, an
// escape, a group's text) is first converted whole, then has its first character converted
// once when "\u" or "\l" is pending.
class Expansion {
public:
    explicit Expansion(std::string& text) : m_text(text) {}

    void UpperAll() { m_upperAll = true; }
    void LowerAll() { m_lowerAll = true; }
    void EndCase() { m_upperAll = m_lowerAll = false; }
    void UpperNext() { m_upperNext = true; }
    void LowerNext() { m_lowerNext = true; }

    void Append(const char* piece, size_t size)
    {
        if (size == 0)
            return;
        const size_t first = m_text.size();
        m_text.append(piece, size);
        if (m_upperAll || m_lowerAll)
            for (size_t i = first; i < m_text.size(); ++i)
                m_text[i] = static_cast<char>(Convert(m_text[i], m_upperAll));
        // "\u" goes first when both are pending; "\l" then waits for the next piece.
        if (m_upperNext) {
            m_text[first] = static_cast<char>(Convert(m_text[first], true));
            m_upperNext = false;
        } else if (m_lowerNext) {
            m_text[first] = static_cast<char>(Convert(m_text[first], false));
            m_lowerNext = false;
        }
    }
    void Append(char c) { Append(&c, 1); }

private:
    static uint8_t Convert(char c, bool upper)
    {
        const auto b = static_cast<uint8_t>(c);
        return upper ? cp1251::ToUpper(b) : cp1251::ToLower(b);
    }

    std::string& m_text;
    bool m_upperAll = false;
    bool m_lowerAll = false;
    bool m_upperNext = false;
    bool m_lowerNext = false;
};

} // namespace

int RxExpandReplacement(std::string_view replacement, const char* subject, int length,
                        const RxMatch& match, std::string& text)
{
    text.clear();
    Expansion out(text);
    size_t i = 0;
    while (i < replacement.size()) {
        const char c = replacement[i++];
        if (c != '\\') {
            out.Append(c);
            continue;
        }
        if (i >= replacement.size()) {
            text.clear();
            return -1;
        }
        const char letter = replacement[i++];
        int number = 0;
        switch (letter) {
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9': {
            const int slot = letter - '0';
            const int32_t from = match.start[slot];
            const int32_t to = match.end[slot];
            if (from < 0 || to < from || to > length || (!subject && to > 0)) {
                text.clear();
                return -1;
            }
            out.Append(subject + from, static_cast<size_t>(to - from));
            break;
        }
        case 'U':
            out.UpperAll();
            break;
        case 'L':
            out.LowerAll();
            break;
        case 'E':
        case 'e':
            out.EndCase();
            break;
        case 'u':
            out.UpperNext();
            break;
        case 'l':
            out.LowerNext();
            break;
        case 'a':
            out.Append('\a');
            break;
        case 'b':
            out.Append('\b');
            break;
        case 'n':
            out.Append('\n');
            break;
        case 'r':
            out.Append('\r');
            break;
        case 't':
            out.Append('\t');
            break;
        case 'd':
        case 'o':
        case 'x':
            number = letter == 'x' ? rx::ReadNumber(replacement, i, 16, 2)
                                   : rx::ReadNumber(replacement, i, letter == 'd' ? 10 : 8, 3);
            if (number < 0) { // stops the expansion, which counts as done but empty
                text.clear();
                return 0;
            }
            out.Append(static_cast<char>(number));
            break;
        default:
            out.Append(letter);
            break;
        }
    }
    return 0;
}
