// Cutting reader-visible text into the words a dictionary is asked about.
#pragma once

#include <string_view>
#include <vector>

// Prose is markup and plain text, where "\" starts a command whose name is no word; code is
// the comments and strings of programs, where "\" escapes the next character and "%" starts a
// format.
enum class WordRules { Prose, Code };

struct WordSpan {
    int start;
    int length;
};

// Appends the words of line[begin, end) that are to be checked. Words are letters and digits,
// joined by "-" and apostrophes between them. Passed over: URLs, e-mail addresses and file
// names (each a whole run of non-blank characters), the name after "&" of a character
// reference, tags in prose, words with a digit and words of one to five letters that are all
// capitals.
void SplitWords(std::string_view line, int begin, int end, WordRules rules,
                std::vector<WordSpan>& out);

// Whether a word is all capitals and has at most five letters (an abbreviation).
bool IsShortCapitals(std::string_view word);

enum class Script { None, Latin, Cyrillic, Mixed };
// The alphabet of a word's letters.
Script ScriptOf(std::string_view word);
