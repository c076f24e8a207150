// Finding the charset declaration of a page in its first bytes.
#include "text/CharsetDeclaration.h"

#include "text/CodePages.h"
#include "text/Utf8Page.h"

#include <algorithm>
#include <iterator>

namespace {

struct CharsetName {
    std::string_view name;
    CodePage page;
};

// The first name of each page is the one a declaration is written with.
constexpr CharsetName kCharsetNames[] = {
    {"windows-1251", CodePage::Windows1251},
    {"cp1251", CodePage::Windows1251},
    {"x-cp1251", CodePage::Windows1251},
    {"ibm866", CodePage::Dos866},
    {"cp866", CodePage::Dos866},
    {"866", CodePage::Dos866},
    {"koi8-r", CodePage::Koi8R},
    {"koi8r", CodePage::Koi8R},
    {"iso-8859-5", CodePage::Iso8859_5},
    {"iso8859-5", CodePage::Iso8859_5},
    {"iso_8859-5", CodePage::Iso8859_5},
    {"x-mac-cyrillic", CodePage::Macintosh},
    {"mac-cyrillic", CodePage::Macintosh},
    {"maccyrillic", CodePage::Macintosh},
    {"utf-8", CodePage::Utf8},
    {"utf8", CodePage::Utf8},
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Lower(x) == Lower(y);
           });
}

// Where word (lower case) next occurs in text from position from, whatever its case.
size_t FindIgnoringCase(std::string_view text, std::string_view word, size_t from)
{
    for (size_t i = from; i + word.size() <= text.size(); ++i)
        if (SameIgnoringCase(text.substr(i, word.size()), word))
            return i;
    return std::string_view::npos;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
           || c == '_' || c == '.' || c == ':';
}

// The value of key = value within text (a tag), quoted or not.
CharsetDeclaration ValueAfter(std::string_view text, std::string_view key, size_t base)
{
    for (size_t at = FindIgnoringCase(text, key, 0); at != std::string_view::npos;
         at = FindIgnoringCase(text, key, at + 1)) {
        size_t i = at + key.size();
        while (i < text.size() && IsSpace(text[i]))
            ++i;
        if (i == text.size() || text[i] != '=')
            continue;
        ++i;
        while (i < text.size() && IsSpace(text[i]))
            ++i;
        if (i < text.size() && (text[i] == '"' || text[i] == '\''))
            ++i;
        size_t end = i;
        while (end < text.size() && IsNameChar(text[end]))
            ++end;
        if (end == i)
            continue;
        CharsetDeclaration found;
        found.offset = base + i;
        found.length = end - i;
        found.page = CodePageOfCharset(text.substr(i, end - i));
        return found;
    }
    return {};
}

} // namespace

std::optional<CodePage> CodePageOfCharset(std::string_view name)
{
    const auto it =
        std::find_if(std::begin(kCharsetNames), std::end(kCharsetNames),
                     [name](const CharsetName& c) { return SameIgnoringCase(c.name, name); });
    if (it == std::end(kCharsetNames))
        return std::nullopt;
    return it->page;
}

std::string_view CharsetNameOfPage(CodePage page)
{
    const auto it = std::find_if(std::begin(kCharsetNames), std::end(kCharsetNames),
                                 [page](const CharsetName& c) { return c.page == page; });
    return it == std::end(kCharsetNames) ? std::string_view() : it->name;
}

CharsetDeclaration FindCharsetDeclaration(std::string_view text)
{
    size_t start = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
    if (text.substr(start).starts_with("<?xml")) {
        const size_t close = text.find("?>", start);
        const std::string_view declaration =
            text.substr(start, close == std::string_view::npos ? close : close - start);
        if (CharsetDeclaration found = ValueAfter(declaration, "encoding", start); found.Found())
            return found;
    }
    size_t i = start;
    while ((i = text.find('<', i)) != std::string_view::npos) {
        if (text.substr(i).starts_with("<!--")) {
            const size_t end = text.find("-->", i + 4);
            if (end == std::string_view::npos)
                break;
            i = end + 3;
            continue;
        }
        const size_t tagEnd = std::min(text.find('>', i), text.size());
        if (SameIgnoringCase(text.substr(i, 5), "<meta") && i + 5 < text.size()
            && (IsSpace(text[i + 5]) || text[i + 5] == '/')) {
            if (CharsetDeclaration found = ValueAfter(text.substr(i, tagEnd - i), "charset", i);
                found.Found())
                return found;
        }
        i = tagEnd;
    }
    return {};
}
