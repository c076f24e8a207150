// One line's words against the checker.
#include "spell/core/LineSpeller.h"

uint32_t CLineSpeller::Check(SourceType sourceType, SpellLanguage cyrillic, uint32_t textState,
                             const CTextLines& source, int line,
                             std::vector<Misspelling>& misspellings, int* words)
{
    misspellings.clear();
    const uint32_t after = m_reader.Ranges(sourceType, textState, source, line, m_ranges);
    if (m_ranges.empty())
        return after;
    const std::string_view text(source.LineText(line),
                                static_cast<size_t>(source.LineLength(line)));
    const WordRules rules = WordRulesOf(sourceType);
    m_words.clear();
    for (const ReaderRange& range : m_ranges)
        SplitWords(text, range.begin, range.end, rules, m_words);
    for (const WordSpan& word : m_words) {
        const SpellVerdict verdict =
            m_checker.Check(text.substr(word.start, word.length), cyrillic);
        if (verdict == SpellVerdict::Unchecked)
            continue;
        if (words)
            ++*words;
        if (verdict == SpellVerdict::Misspelled)
            misspellings.push_back({word.start, word.length});
    }
    return after;
}
