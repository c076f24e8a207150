// Words the user accepts: the personal word list kept in a file, and the words ignored for the
// session. A word is accepted as written, capitalised or in capitals when it was added in
// lower case, and in capitals when it was added capitalised, as a dictionary would.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

class CWordSet {
public:
    void Add(std::string_view word) { m_words.emplace(word); }
    bool Contains(std::string_view word) const;
    bool Empty() const { return m_words.empty(); }

private:
    std::unordered_set<std::string> m_words; // Windows-1251
};

// "$XDG_DATA_HOME/tagwright/personal-words.txt" (data home "~/.local/share" when unset).
std::string DefaultPersonalWordsPath();

// Adds the words of a personal word list (UTF-8, one word a line) to set. A missing file is an
// empty list; lines that are blank or have a character Windows-1251 lacks are passed over.
// False, with the reason, when the file exists but cannot be read.
bool LoadPersonalWords(const std::string& path, CWordSet& set, std::string& error);
// Appends a Windows-1251 word to the list, making its folder when needed.
bool AppendPersonalWord(const std::string& path, std::string_view word, std::string& error);
