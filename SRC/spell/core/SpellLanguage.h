// The languages the spell checker knows: their dictionaries and the packages that bring them.
#pragma once

#include <optional>
#include <string_view>

enum class SpellLanguage : int { Russian = 0, Ukrainian = 1, English = 2 };
constexpr int kSpellLanguageCount = 3;

struct SpellLanguageInfo {
    std::string_view code;       // the driver's name: "ru", "uk", "en"
    std::string_view name;       // for messages: "Russian"
    std::string_view dictionary; // the base name of the .aff and .dic files
    std::string_view package;    // the Debian package that installs them
};

const SpellLanguageInfo& LanguageInfo(SpellLanguage language);
// The language of a code ("ru"), if there is one.
std::optional<SpellLanguage> LanguageByCode(std::string_view code);
// The folder where the system's dictionaries are.
constexpr std::string_view kSystemDictionaryFolder = "/usr/share/hunspell";
