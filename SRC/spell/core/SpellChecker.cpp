// Words against the dictionaries, the personal word list and the ignored words.
#include "spell/core/SpellChecker.h"

#include "spell/core/WordSplitter.h"

#include <algorithm>
#include <utility>

namespace {

SpellLanguage LanguageOf(Script script, SpellLanguage cyrillic)
{
    return script == Script::Latin ? SpellLanguage::English : cyrillic;
}

// Writes "е" for "ё" (either case); false when there was none.
bool WithoutYo(std::string& word)
{
    bool changed = false;
    for (char& c : word) {
        if (c == '\xB8' || c == '\xA8') {
            c = c == '\xB8' ? '\xE5' : '\xC5';
            changed = true;
        }
    }
    return changed;
}

// Latin and Cyrillic letters that look alike, as Windows-1251 bytes.
constexpr std::pair<char, char> kLookAlikes[] = {
    {'A', '\xC0'}, {'a', '\xE0'}, {'B', '\xC2'}, {'C', '\xD1'}, {'c', '\xF1'},
    {'E', '\xC5'}, {'e', '\xE5'}, {'H', '\xCD'}, {'K', '\xCA'}, {'M', '\xCC'},
    {'O', '\xCE'}, {'o', '\xEE'}, {'P', '\xD0'}, {'p', '\xF0'}, {'T', '\xD2'},
    {'X', '\xD5'}, {'x', '\xF5'}, {'y', '\xF3'}, {'I', '\xB2'}, {'i', '\xB3'},
};

// The word with its look-alike letters moved into the alphabet that most of its letters are
// in (Cyrillic on a tie): what was meant when the keyboard's layout was wrong for a few keys.
std::string InOneAlphabet(std::string_view word)
{
    int latin = 0, cyrillic = 0;
    for (const char c : word) {
        const Script script = ScriptOf(std::string_view(&c, 1));
        latin += script == Script::Latin;
        cyrillic += script == Script::Cyrillic;
    }
    const bool toCyrillic = cyrillic >= latin;
    std::string fixed(word);
    for (char& c : fixed) {
        for (const auto& [latinLetter, cyrillicLetter] : kLookAlikes) {
            if (toCyrillic && c == latinLetter)
                c = cyrillicLetter;
            else if (!toCyrillic && c == cyrillicLetter)
                c = latinLetter;
        }
    }
    return fixed;
}

// A stretch of a word between hyphens in one alphabet, or a part that mixes them (Mixed).
struct Stretch {
    size_t begin;
    size_t end;
    Script script;
};

// "Wi-Fi-роутер" is "Wi-Fi" and "роутер"; "Пpивет" (with a Latin "p") one mixed stretch.
std::vector<Stretch> AlphabetStretches(std::string_view word)
{
    std::vector<Stretch> stretches;
    for (size_t begin = 0;;) {
        size_t end = word.find('-', begin);
        if (end == std::string_view::npos)
            end = word.size();
        const Script script = ScriptOf(word.substr(begin, end - begin));
        if (!stretches.empty() && script != Script::Mixed && stretches.back().script == script)
            stretches.back().end = end;
        else
            stretches.push_back({begin, end, script});
        if (end == word.size())
            return stretches;
        begin = end + 1;
    }
}

} // namespace

CSpellChecker::CSpellChecker(std::string dictionaryFolder, std::string personalWordsPath)
    : m_folder(std::move(dictionaryFolder)), m_personalPath(std::move(personalWordsPath))
{
    std::string error;
    if (!LoadPersonalWords(m_personalPath, m_personal, error))
        AddMessage("The personal word list cannot be read (" + error + ").");
}

CSpellDictionary* CSpellChecker::Dictionary(SpellLanguage language)
{
    Slot& slot = m_slots[static_cast<int>(language)];
    std::call_once(slot.opened, [&] {
        const SpellLanguageInfo& info = LanguageInfo(language);
        std::string error;
        slot.dictionary = CSpellDictionary::Open(m_folder, info.dictionary, error);
        if (!slot.dictionary)
            AddMessage("The " + std::string(info.name) + " spelling dictionary cannot be opened ("
                       + error + "), so " + std::string(info.name)
                       + " words are not checked. Install the package " + std::string(info.package)
                       + ".");
    });
    return slot.dictionary.get();
}

bool CSpellChecker::Available(SpellLanguage language) { return Dictionary(language) != nullptr; }

bool CSpellChecker::Accepted(std::string_view word) const
{
    const std::lock_guard lock(m_wordsLock);
    return m_personal.Contains(word) || m_ignored.Contains(word);
}

SpellVerdict CSpellChecker::CheckIn(SpellLanguage language, std::string_view word)
{
    CSpellDictionary* dictionary = Dictionary(language);
    if (!dictionary)
        return SpellVerdict::Unchecked;
    if (dictionary->Check(word))
        return SpellVerdict::Correct;
    std::string plain(word);
    if (WithoutYo(plain) && dictionary->Check(plain))
        return SpellVerdict::Correct;
    return SpellVerdict::Misspelled;
}

SpellVerdict CSpellChecker::Check(std::string_view word, SpellLanguage cyrillic)
{
    if (Accepted(word))
        return SpellVerdict::Correct;
    const Script script = ScriptOf(word);
    switch (script) {
    case Script::None:
        return SpellVerdict::Unchecked;
    case Script::Mixed:
        return CheckMixed(word, cyrillic);
    default:
        return CheckIn(LanguageOf(script, cyrillic), word);
    }
}

SpellVerdict CSpellChecker::CheckMixed(std::string_view word, SpellLanguage cyrillic)
{
    SpellVerdict verdict = SpellVerdict::Correct;
    for (const Stretch& stretch : AlphabetStretches(word)) {
        const std::string_view text = word.substr(stretch.begin, stretch.end - stretch.begin);
        if (stretch.script == Script::Mixed)
            return SpellVerdict::Misspelled;
        if (IsShortCapitals(text) || Accepted(text))
            continue;
        const SpellVerdict stretchVerdict = CheckIn(LanguageOf(stretch.script, cyrillic), text);
        if (stretchVerdict == SpellVerdict::Misspelled)
            return stretchVerdict;
        if (stretchVerdict == SpellVerdict::Unchecked)
            verdict = stretchVerdict;
    }
    return verdict;
}

std::vector<std::string> CSpellChecker::Suggest(std::string_view word, SpellLanguage cyrillic)
{
    std::vector<std::string> suggestions;
    const auto add = [&](std::string suggestion) {
        if (suggestion != word && static_cast<int>(suggestions.size()) < kMaxSuggestions
            && std::find(suggestions.begin(), suggestions.end(), suggestion) == suggestions.end())
            suggestions.push_back(std::move(suggestion));
    };

    const Script script = ScriptOf(word);
    if (script != Script::Mixed) {
        CSpellDictionary* dictionary = Dictionary(LanguageOf(script, cyrillic));
        if (dictionary && script != Script::None)
            for (std::string& suggestion : dictionary->Suggest(word, kMaxSuggestions))
                add(std::move(suggestion));
        return suggestions;
    }
    // Mixed alphabets: replace the first stretch that is wrong, a stretch that mixes them first
    // by the same letters in one alphabet.
    for (const Stretch& stretch : AlphabetStretches(word)) {
        const std::string_view text = word.substr(stretch.begin, stretch.end - stretch.begin);
        const std::string before(word.substr(0, stretch.begin));
        const std::string after(word.substr(stretch.end));
        if (stretch.script == Script::Mixed) {
            const std::string fixed = InOneAlphabet(text);
            if (ScriptOf(fixed) == Script::Mixed)
                return suggestions;
            if (Check(fixed, cyrillic) == SpellVerdict::Correct)
                add(before + fixed + after);
            for (const std::string& replacement : Suggest(fixed, cyrillic))
                add(before + replacement + after);
            return suggestions;
        }
        if (IsShortCapitals(text) || Check(text, cyrillic) != SpellVerdict::Misspelled)
            continue;
        for (const std::string& replacement : Suggest(text, cyrillic))
            add(before + replacement + after);
        return suggestions;
    }
    return suggestions;
}

bool CSpellChecker::AddToPersonal(std::string_view word, std::string& error)
{
    {
        const std::lock_guard lock(m_wordsLock);
        m_personal.Add(word);
    }
    ++m_generation;
    return AppendPersonalWord(m_personalPath, word, error);
}

void CSpellChecker::IgnoreAll(std::string_view word)
{
    {
        const std::lock_guard lock(m_wordsLock);
        m_ignored.Add(word);
    }
    ++m_generation;
}

void CSpellChecker::AddMessage(std::string message)
{
    const std::lock_guard lock(m_messagesLock);
    m_messages.push_back(std::move(message));
}

std::vector<std::string> CSpellChecker::TakeMessages()
{
    const std::lock_guard lock(m_messagesLock);
    return std::exchange(m_messages, {});
}
