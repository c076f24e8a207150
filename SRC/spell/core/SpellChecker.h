// The spell checker of the program: the dictionaries of its languages, opened when first
// needed, the personal word list and the words ignored for the session. One serves every
// document and may be called from several threads.
#pragma once

#include "spell/core/SpellDictionary.h"
#include "spell/core/SpellLanguage.h"
#include "spell/core/WordSet.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

enum class SpellVerdict { Correct, Misspelled, Unchecked };

class CSpellChecker {
public:
    static constexpr int kMaxSuggestions = 8;

    // Dictionaries come from dictionaryFolder; the personal word list is read from
    // personalWordsPath at once (a list that cannot be read gives a message).
    explicit CSpellChecker(std::string dictionaryFolder = std::string(kSystemDictionaryFolder),
                           std::string personalWordsPath = DefaultPersonalWordsPath());

    // A word as the splitter gives it (Windows-1251). Words in Latin letters are English;
    // words in Cyrillic letters are in the document's language, cyrillic. A word whose language
    // has no dictionary is Unchecked. A word that mixes both alphabets is misspelled, except
    // where the parts between hyphens each keep to one ("IT-отдел").
    SpellVerdict Check(std::string_view word, SpellLanguage cyrillic);
    // Up to kMaxSuggestions replacements for a word; for a word that mixes the alphabets the
    // first is the word with its look-alike letters in the alphabet of most of its letters.
    std::vector<std::string> Suggest(std::string_view word, SpellLanguage cyrillic);

    // Adds a word to the personal word list, in the file and for this session. False, with the
    // reason, when the file cannot be written; the word is accepted for the session even so.
    bool AddToPersonal(std::string_view word, std::string& error);
    // Accepts a word until the program ends.
    void IgnoreAll(std::string_view word);
    // Changes whenever a word is added or ignored.
    uint32_t Generation() const { return m_generation.load(); }

    // Whether the language's dictionary is there (opens it when not tried yet).
    bool Available(SpellLanguage language);
    // Messages for the user, each given once: a missing dictionary (naming the package that
    // installs it), a personal word list that cannot be read.
    std::vector<std::string> TakeMessages();

private:
    struct Slot {
        std::once_flag opened;
        std::unique_ptr<CSpellDictionary> dictionary;
    };
    CSpellDictionary* Dictionary(SpellLanguage language);
    SpellVerdict CheckIn(SpellLanguage language, std::string_view word);
    SpellVerdict CheckMixed(std::string_view word, SpellLanguage cyrillic);
    bool Accepted(std::string_view word) const;
    void AddMessage(std::string message);

    const std::string m_folder;
    const std::string m_personalPath;
    Slot m_slots[kSpellLanguageCount];
    mutable std::mutex m_wordsLock;
    CWordSet m_personal;
    CWordSet m_ignored;
    std::mutex m_messagesLock;
    std::vector<std::string> m_messages;
    std::atomic<uint32_t> m_generation{0};
};
