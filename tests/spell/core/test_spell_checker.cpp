// The checker over the system's dictionaries and small dictionaries of the tests' own: verdicts
// by alphabet and language, suggestions, the personal word list, missing dictionaries.
#include "SpellText.h"
#include "spell/core/SpellChecker.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace {

using testing::Contains;
using testing::HasSubstr;

struct VerdictCase {
    const char* word;
    SpellLanguage cyrillic;
    SpellVerdict verdict;
};

std::string Describe(const VerdictCase& c)
{
    return std::string(c.word) + " in " + std::string(LanguageInfo(c.cyrillic).code);
}

// The system's dictionaries, opened once for the whole program.
CSpellChecker& SystemChecker()
{
    static TempDir dir;
    static CSpellChecker checker(std::string(kSystemDictionaryFolder), dir.File("words.txt"));
    return checker;
}

TEST(SpellCheckerTest, VerdictsByAlphabetAndLanguage)
{
    constexpr auto ru = SpellLanguage::Russian, uk = SpellLanguage::Ukrainian;
    const VerdictCase cases[] = {
        {"привет", ru, SpellVerdict::Correct},
        {"превет", ru, SpellVerdict::Misspelled},
        {"ПРИВЕТ", ru, SpellVerdict::Correct},
        {"ёлка", ru, SpellVerdict::Correct},
        {"елка", ru, SpellVerdict::Correct},
        {"Ёлка", ru, SpellVerdict::Correct},
        {"кто-нибудь", ru, SpellVerdict::Correct},
        {"hello", ru, SpellVerdict::Correct},
        {"hello", uk, SpellVerdict::Correct},
        {"helo", ru, SpellVerdict::Misspelled},
        {"don't", ru, SpellVerdict::Correct},
        {"їжак", uk, SpellVerdict::Correct},
        {"м’ята", uk, SpellVerdict::Correct},
        {"їжак", ru, SpellVerdict::Misspelled},
        {"привет", uk, SpellVerdict::Misspelled},
        // Latin "p" in a Cyrillic word; alphabets kept apart by hyphens; a wrong part.
        {"Пpивет", ru, SpellVerdict::Misspelled},
        {"IT-отдел", ru, SpellVerdict::Correct},
        {"IT-отдл", ru, SpellVerdict::Misspelled},
        {"e-mail-рассылка", ru, SpellVerdict::Correct},
        {"PDF-файл", ru, SpellVerdict::Correct},
        {"e-mail-расылка", ru, SpellVerdict::Misspelled},
    };
    for (const VerdictCase& c : cases)
        EXPECT_EQ(SystemChecker().Check(Cp(c.word), c.cyrillic), c.verdict) << Describe(c);
}

TEST(SpellCheckerTest, Suggestions)
{
    const auto suggest = [](const char* word) {
        std::vector<std::string> out;
        for (const std::string& s : SystemChecker().Suggest(Cp(word), SpellLanguage::Russian))
            out.push_back(Utf8(s));
        EXPECT_LE(out.size(), 8u) << word;
        return out;
    };
    EXPECT_THAT(suggest("превет"), Contains("привет"));
    EXPECT_THAT(suggest("helo"), Contains("hello"));
    EXPECT_EQ(suggest("Пpивет").at(0), "Привет") << "the word in one alphabet comes first";
    EXPECT_THAT(suggest("IT-отдл"), Contains("IT-отдел"));
}

TEST(SpellCheckerTest, PersonalWordsRoundTripAndIgnoredWordsLastTheSession)
{
    TempDir dir;
    const std::string path = dir.File("data/tagwright/personal-words.txt");
    std::string error;
    {
        CSpellChecker checker(std::string(kSystemDictionaryFolder), path);
        const uint32_t generation = checker.Generation();
        EXPECT_EQ(checker.Check(Cp("Тагврайт"), SpellLanguage::Russian), SpellVerdict::Misspelled);
        ASSERT_TRUE(checker.AddToPersonal(Cp("Тагврайт"), error)) << error;
        checker.IgnoreAll(Cp("превед"));
        EXPECT_NE(checker.Generation(), generation);
        EXPECT_EQ(checker.Check(Cp("Тагврайт"), SpellLanguage::Russian), SpellVerdict::Correct);
        EXPECT_EQ(checker.Check(Cp("превед"), SpellLanguage::Russian), SpellVerdict::Correct);
    }
    EXPECT_EQ(ReadFile(path), "Тагврайт\n");

    // A list edited by hand: no line end at its end, blank lines, a word the code page lacks.
    WriteFile(path, ReadFile(path) + "\n  \nкотэ\r\n日本\nfoobarbaz");
    CSpellChecker checker(std::string(kSystemDictionaryFolder), path);
    ASSERT_TRUE(checker.AddToPersonal(Cp("тагврайтик"), error)) << error;
    EXPECT_EQ(ReadFile(path), "Тагврайт\n\n  \nкотэ\r\n日本\nfoobarbaz\nтагврайтик\n");
    EXPECT_TRUE(checker.TakeMessages().empty());
    constexpr auto ru = SpellLanguage::Russian;
    EXPECT_EQ(checker.Check(Cp("ТАГВРАЙТ"), ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check(Cp("тагврайт"), ru), SpellVerdict::Misspelled)
        << "a capitalised word is not taken in lower case";
    EXPECT_EQ(checker.Check(Cp("Котэ"), ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check("foobarbaz", ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check(Cp("превед"), ru), SpellVerdict::Misspelled)
        << "ignored for one session only";
}

TEST(SpellCheckerTest, MissingDictionariesAndAnUnreadableListAreSaidOnce)
{
    TempDir dir;
    CSpellChecker checker(dir.Path(), dir.Path()); // the list is a folder
    EXPECT_EQ(checker.Check(Cp("привет"), SpellLanguage::Russian), SpellVerdict::Unchecked);
    EXPECT_EQ(checker.Check("helo", SpellLanguage::Russian), SpellVerdict::Unchecked);
    EXPECT_EQ(checker.Check(Cp("Пpивет"), SpellLanguage::Russian), SpellVerdict::Misspelled);
    EXPECT_TRUE(checker.Suggest(Cp("превет"), SpellLanguage::Russian).empty());
    EXPECT_FALSE(checker.Available(SpellLanguage::Ukrainian));
    const std::vector<std::string> messages = checker.TakeMessages();
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_THAT(messages[0], HasSubstr("personal word list"));
    EXPECT_THAT(messages[1], HasSubstr("the package hunspell-ru"));
    EXPECT_THAT(messages[2], HasSubstr("the package hunspell-en-us"));
    EXPECT_THAT(messages[3], HasSubstr("the package hunspell-uk"));
    EXPECT_EQ(checker.Check(Cp("привет"), SpellLanguage::Russian), SpellVerdict::Unchecked);
    EXPECT_TRUE(checker.TakeMessages().empty());
}

// A dictionary in a single-byte encoding that writes "е" for "ё" throughout.
TEST(SpellCheckerTest, SingleByteDictionaryAndYoWhereTheDictionaryHasE)
{
    TempDir dir;
    std::ofstream(dir.File("ru_RU.aff"), std::ios::binary) << "SET KOI8-R\nTRY оеалсвк\n";
    // "елка" and "слово" in KOI8-R.
    std::ofstream(dir.File("ru_RU.dic"), std::ios::binary)
        << "2\n\xC5\xCC\xCB\xC1\n\xD3\xCC\xCF\xD7\xCF\n";
    CSpellChecker checker(dir.Path(), dir.File("words.txt"));
    constexpr auto ru = SpellLanguage::Russian;
    EXPECT_EQ(checker.Check(Cp("слово"), ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check(Cp("ёлка"), ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check(Cp("елка"), ru), SpellVerdict::Correct);
    EXPECT_EQ(checker.Check(Cp("слва"), ru), SpellVerdict::Misspelled);
    EXPECT_THAT(checker.Suggest(Cp("слва"), ru), Contains(Cp("слово")));
    // A letter KOI8-R lacks cannot be in the dictionary.
    EXPECT_EQ(checker.Check(Cp("слоіо"), ru), SpellVerdict::Misspelled);
}

} // namespace
