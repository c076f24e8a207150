// One spelling dictionary (a pair of .aff and .dic files) in the text's Windows-1251.
#pragma once

#include "spell/core/DictionaryText.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

struct Hunhandle;

// Calls may come from several threads: the library's handle takes one at a time.
class CSpellDictionary {
public:
    // Opens folder/name.aff and folder/name.dic. Null, with the reason in error, when a file is
    // missing or unreadable or the dictionary's encoding cannot be converted.
    static std::unique_ptr<CSpellDictionary> Open(std::string_view folder, std::string_view name,
                                                  std::string& error);
    ~CSpellDictionary();
    CSpellDictionary(const CSpellDictionary&) = delete;
    CSpellDictionary& operator=(const CSpellDictionary&) = delete;

    // Whether the dictionary knows a Windows-1251 word. A word it cannot be given (a character
    // its encoding lacks) is not known.
    bool Check(std::string_view word);
    // The dictionary's suggestions for a word, at most limit, those that Windows-1251 can hold.
    std::vector<std::string> Suggest(std::string_view word, int limit);

private:
    CSpellDictionary(Hunhandle* handle, CDictionaryText text) : m_handle(handle), m_text(text) {}

    std::mutex m_lock;
    Hunhandle* const m_handle;
    const CDictionaryText m_text;
};
