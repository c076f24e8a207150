// The HTML keyword table: upper-case words of HTML (tags, attributes, values, character
// references) with flag bits that say what each word is. Read by the HTML parser and by
// smart indentation.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

constexpr uint32_t HK_TAG = 0x001;         // a tag name
constexpr uint32_t HK_ATTRIBUTE = 0x002;   // an attribute name
constexpr uint32_t HK_VALUE = 0x004;       // an attribute value (no built-in word has it)
constexpr uint32_t HK_EVENT = 0x008;       // an event attribute
constexpr uint32_t HK_ENUM_VALUE = 0x010;  // an enumerated attribute value
constexpr uint32_t HK_ENTITY = 0x020;      // a character reference name (after "&")
constexpr uint32_t HK_COLOUR_NAME = 0x040; // a colour name; also carried by many tags
constexpr uint32_t HK_INDENT = 0x080;      // a tag whose content is indented
constexpr uint32_t HK_SCRIPT = 0x100;      // the SCRIPT tag

// Words that share one set of flags.
struct HtmlKeywordGroup {
    uint32_t flags;
    std::span<const std::string_view> words;
};

// An exact-match hash table from upper-case word to flags. Built once, then only read.
class CHtmlKeywordTable {
public:
    // The words of the groups with their flags; a word that comes again replaces its flags.
    // The table refers to the words, which must outlive it.
    explicit CHtmlKeywordTable(std::span<const HtmlKeywordGroup> groups);

    // The flags of an upper-case word; false when the word is not in the table.
    bool Lookup(std::string_view upperWord, uint32_t& flags) const;
    // The same for the word upper-cased (ASCII "a"-"z" only), without copying it.
    bool LookupAsUpper(std::string_view word, uint32_t& flags) const;
    int Count() const { return m_count; }
    // No word is longer: a longer one is known not to match without looking.
    int MaxWordLength() const { return m_maxLength; }

private:
    struct Slot {
        std::string_view word; // empty: a free slot
        uint32_t flags = 0;
    };
    const Slot* Find(std::string_view word, bool foldCase) const;

    std::vector<Slot> m_slots; // open addressing, a power of two in size, at most half full
    int m_count = 0;
    int m_maxLength = 0;
};

// The built-in words, group by group.
std::span<const HtmlKeywordGroup> BuiltInHtmlKeywords();
// The application's table of the built-in words. It is filled on first use, so callers
// never see it empty; start-up calls FillHtmlKeywords so that the first paint does not pay.
const CHtmlKeywordTable& HtmlKeywords();
void FillHtmlKeywords();
