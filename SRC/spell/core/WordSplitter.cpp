// The word splitter and its skipping rules.
#include "spell/core/WordSplitter.h"

#include "text/Cp1251.h"

#include <climits>

namespace {

constexpr char kRightQuote = '\x92'; // the typographic apostrophe of Windows-1251
constexpr char kNoBreakSpace = '\xA0';

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == kNoBreakSpace || c == '\f' || c == '\v';
}
bool IsWordByte(char c) { return cp1251::IsAlnum(static_cast<uint8_t>(c)); }
bool IsLetter(char c) { return cp1251::IsLetter(static_cast<uint8_t>(c)); }

bool StartsFolded(std::string_view text, size_t at, std::string_view lower)
{
    if (text.size() - at < lower.size())
        return false;
    for (size_t k = 0; k < lower.size(); ++k)
        if (cp1251::ToLower(static_cast<uint8_t>(text[at + k])) != static_cast<uint8_t>(lower[k]))
            return false;
    return true;
}

// A run of non-blank characters that is a URL, an e-mail address or a file name.
bool IsAddressOrPath(std::string_view run, WordRules rules)
{
    if (run.find("://") != std::string_view::npos)
        return true;
    for (size_t k = 0; k < run.size(); ++k) {
        const bool wordBefore = k > 0 && IsWordByte(run[k - 1]);
        const bool wordAfter = k + 1 < run.size() && IsWordByte(run[k + 1]);
        switch (run[k]) {
        case '@': // name@host
            if (wordBefore && wordAfter)
                return true;
            break;
        case '/': // a/b, /usr, ./a, ~/a
            if (wordAfter && (wordBefore || k == 0 || run[k - 1] == '.' || run[k - 1] == '~'))
                return true;
            break;
        case '\\': // C:\a in prose; in code "\" escapes
            if (rules == WordRules::Prose && wordBefore && wordAfter)
                return true;
            break;
        case '.': // name.ext
            if (wordBefore && k + 1 < run.size() && IsLetter(run[k + 1]))
                return true;
            break;
        default:
            break;
        }
        if (!wordBefore && (StartsFolded(run, k, "www.") || StartsFolded(run, k, "mailto:")))
            return true;
    }
    return false;
}

bool HasDigit(std::string_view word)
{
    for (const char c : word)
        if (cp1251::IsDigit(static_cast<uint8_t>(c)))
            return true;
    return false;
}

bool IsJoiner(char c) { return c == '-' || c == '\'' || c == kRightQuote; }

// The words of one non-blank run [from, to) of line.
void SplitRun(std::string_view line, int from, int to, WordRules rules, std::vector<WordSpan>& out)
{
    int k = from;
    const auto skipWordBytes = [&] {
        while (k < to && IsWordByte(line[k]))
            ++k;
    };
    while (k < to) {
        const char c = line[k];
        if (c == '\\') {
            // An escaped character, or the name of a command.
            ++k;
            if (rules == WordRules::Code)
                ++k;
            else
                skipWordBytes();
            continue;
        }
        if (c == '&' || (c == '%' && rules == WordRules::Code)) {
            // A character reference's name, or a format such as %s.
            ++k;
            if (k < to && (line[k] == '#' || line[k] == '-'))
                ++k;
            skipWordBytes();
            continue;
        }
        if (!IsWordByte(c)) {
            ++k;
            continue;
        }
        const int start = k;
        while (k < to) {
            if (IsWordByte(line[k]))
                ++k;
            else if (IsJoiner(line[k]) && k + 1 < to && IsWordByte(line[k + 1]))
                k += 2;
            else
                break;
        }
        const std::string_view word = line.substr(start, k - start);
        if (!HasDigit(word) && !IsShortCapitals(word))
            out.push_back({start, k - start});
    }
}

// In prose, tags such as <b> or </a href="x"> are passed over: they stand in the text of an
// HTML page where a stray double quote made the parser take them for text. Positions only grow,
// so each ">" is looked for once.
class CTagFinder {
public:
    CTagFinder(std::string_view line, int end, WordRules rules)
        : m_line(line.substr(0, end)), m_on(rules == WordRules::Prose)
    {
    }
    // The end of a tag that starts at k, or -1.
    int TagEnd(int k)
    {
        if (!m_on || m_line[k] != '<' || k + 1 >= static_cast<int>(m_line.size()))
            return -1;
        const char next = m_line[k + 1];
        if (!IsLetter(next) && next != '/' && next != '!')
            return -1;
        if (m_close <= k) {
            const size_t close = m_line.find('>', k + 1);
            m_close = close == std::string_view::npos ? INT_MAX : static_cast<int>(close);
        }
        return m_close == INT_MAX ? -1 : m_close + 1;
    }

private:
    std::string_view m_line;
    bool m_on;
    int m_close = -1; // the next ">" after the last tag start looked at
};

} // namespace

void SplitWords(std::string_view line, int begin, int end, WordRules rules,
                std::vector<WordSpan>& out)
{
    CTagFinder tags(line, end, rules);
    int k = begin;
    while (k < end) {
        while (k < end && IsBlank(line[k]))
            ++k;
        if (k < end && tags.TagEnd(k) >= 0) {
            k = tags.TagEnd(k);
            continue;
        }
        const int from = k;
        while (k < end && !IsBlank(line[k]) && tags.TagEnd(k) < 0)
            ++k;
        if (k > from && !IsAddressOrPath(line.substr(from, k - from), rules))
            SplitRun(line, from, k, rules, out);
    }
}

bool IsShortCapitals(std::string_view word)
{
    int letters = 0;
    for (const char c : word) {
        if (!IsLetter(c))
            continue;
        if (cp1251::IsLower(static_cast<uint8_t>(c)))
            return false;
        ++letters;
    }
    return letters > 0 && letters <= 5;
}

Script ScriptOf(std::string_view word)
{
    bool latin = false, cyrillic = false;
    for (const char c : word) {
        if (!IsLetter(c))
            continue;
        if (static_cast<uint8_t>(c) < 0x80)
            latin = true;
        else
            cyrillic = true;
    }
    if (latin && cyrillic)
        return Script::Mixed;
    return latin ? Script::Latin : cyrillic ? Script::Cyrillic : Script::None;
}
