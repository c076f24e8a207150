// Spell checking of one line: its reader-visible text cut into words, each word asked of the
// checker.
#pragma once

#include "spell/core/ReaderText.h"
#include "spell/core/SpellChecker.h"

#include <vector>

// A misspelled word of a line: its first character and its length in characters.
struct Misspelling {
    int start;
    int length;
    bool operator==(const Misspelling&) const = default;
};

// Keeps its scratch room from line to line; one per thread.
class CLineSpeller {
public:
    explicit CLineSpeller(CSpellChecker& checker) : m_checker(checker) {}

    // Sets misspellings to the misspelled words of the line in order and returns the text
    // state after it (see ReaderText.h). words, when given, grows by the words that a
    // dictionary or the accepted words answered for.
    uint32_t Check(SourceType sourceType, SpellLanguage cyrillic, uint32_t textState,
                   const CTextLines& source, int line, std::vector<Misspelling>& misspellings,
                   int* words = nullptr);

private:
    CSpellChecker& m_checker;
    CReaderText m_reader;
    std::vector<ReaderRange> m_ranges;
    std::vector<WordSpan> m_words;
};
