// The dictionary library behind a lock, with words converted to and from its encoding.
#include "spell/core/SpellDictionary.h"

#include <hunspell/hunspell.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The library reports a file it cannot read only on standard error, so the files are tried
// first.
bool Readable(const std::string& path, std::string& error)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    close(fd);
    return true;
}

} // namespace

std::unique_ptr<CSpellDictionary> CSpellDictionary::Open(std::string_view folder,
                                                         std::string_view name, std::string& error)
{
    const std::string base = std::string(folder) + "/" + std::string(name);
    const std::string aff = base + ".aff";
    const std::string dic = base + ".dic";
    if (!Readable(aff, error) || !Readable(dic, error))
        return nullptr;
    Hunhandle* handle = Hunspell_create(aff.c_str(), dic.c_str());
    if (!handle) {
        error = base + ": the dictionary cannot be read";
        return nullptr;
    }
    const char* encoding = Hunspell_get_dic_encoding(handle);
    CDictionaryText text;
    if (!text.Init(encoding ? encoding : "")) {
        error = base + ": the dictionary's encoding " + (encoding ? encoding : "")
                + " is not supported";
        Hunspell_destroy(handle);
        return nullptr;
    }
    return std::unique_ptr<CSpellDictionary>(new CSpellDictionary(handle, text));
}

CSpellDictionary::~CSpellDictionary() { Hunspell_destroy(m_handle); }

bool CSpellDictionary::Check(std::string_view word)
{
    std::string encoded;
    if (!m_text.Encode(word, encoded))
        return false;
    const std::lock_guard lock(m_lock);
    return Hunspell_spell(m_handle, encoded.c_str()) != 0;
}

std::vector<std::string> CSpellDictionary::Suggest(std::string_view word, int limit)
{
    std::vector<std::string> suggestions;
    std::string encoded;
    if (!m_text.Encode(word, encoded))
        return suggestions;
    char** list = nullptr;
    const std::lock_guard lock(m_lock);
    const int count = Hunspell_suggest(m_handle, &list, encoded.c_str());
    for (int k = 0; k < count && static_cast<int>(suggestions.size()) < limit; ++k) {
        std::string decoded;
        if (m_text.Decode(list[k], decoded)
            && std::find(suggestions.begin(), suggestions.end(), decoded) == suggestions.end())
            suggestions.push_back(std::move(decoded));
    }
    if (list)
        Hunspell_free_list(m_handle, &list, count);
    return suggestions;
}
