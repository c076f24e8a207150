// The table of spelling languages.
#include "spell/core/SpellLanguage.h"

#include <array>

namespace {

constexpr std::array<SpellLanguageInfo, kSpellLanguageCount> kLanguages = {{
    {"ru", "Russian", "ru_RU", "hunspell-ru"},
    {"uk", "Ukrainian", "uk_UA", "hunspell-uk"},
    {"en", "English", "en_US", "hunspell-en-us"},
}};

} // namespace

const SpellLanguageInfo& LanguageInfo(SpellLanguage language)
{
    return kLanguages[static_cast<size_t>(language)];
}

std::optional<SpellLanguage> LanguageByCode(std::string_view code)
{
    for (int k = 0; k < kSpellLanguageCount; ++k)
        if (kLanguages[k].code == code)
            return static_cast<SpellLanguage>(k);
    return std::nullopt;
}
