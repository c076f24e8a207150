// What the spell checker reads: the reader-visible text of HTML, sources, plain text and TeX,
// and the words cut from it.
#include "SpellText.h"
#include "spell/core/ReaderText.h"
#include "support/LinesSource.h"
#include "syntax/SourceTypes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// The words the checker would ask about in lines separated by "\n", joined by blanks, in
// UTF-8. The text state carries from line to line as a view's cache holds it.
std::string WordsRead(SourceType type, std::string_view utf8)
{
    std::vector<std::string> lines;
    std::istringstream in(Cp(utf8));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const LinesSource source(lines);
    CReaderText reader;
    std::vector<ReaderRange> ranges;
    std::vector<WordSpan> words;
    std::string out;
    uint32_t state = 0;
    for (int line = 0; line < source.Count(); ++line) {
        const uint32_t after = reader.Ranges(type, state, source, line, ranges);
        EXPECT_EQ(TextStateAfter(type, state, source, line), after) << "state-only pass differs";
        state = after;
        words.clear();
        for (const ReaderRange& range : ranges)
            SplitWords(lines[line], range.begin, range.end, WordRulesOf(type), words);
        for (const WordSpan& word : words)
            AppendItem(out, Utf8(lines[line].substr(word.start, word.length)));
    }
    return out;
}

struct ReadCase {
    const char* name;
    SourceType type;
    const char* text;
    const char* words;
};

void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReaderTextTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReaderTextTest, ReadsOnlyWhatAReaderSees)
{
    EXPECT_EQ(WordsRead(GetParam().type, GetParam().text), GetParam().words);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Html, ReaderTextTest,
    testing::Values(
        ReadCase{"TextBetweenTags", SourceType::Html, "<p class=\"intro\">Привет, мир!</p>", "Привет мир"},
        ReadCase{"TagNamesAttributesAndOtherValuesAreNot", SourceType::Html,
                 "<table width=100 bgcolor=\"red\" class=\"wide\" id=main>", ""},
        ReadCase{"AltAndTitleValuesInEitherQuotes", SourceType::Html,
                 "<img src=\"pic.png\" alt=\"Фото дня\" title='Вид сверху'>", "Фото дня Вид сверху"},
        ReadCase{"UnquotedValueAndAnAttributeWithout", SourceType::Html,
                 "<a alt href=page.html class=wide title=Главная>Ссылка</a>", "Главная Ссылка"},
        ReadCase{"AltValueOverLines", SourceType::Html, "<img alt=\"Первая\nвторая\" src=x.png>После",
                 "Первая вторая После"},
        ReadCase{"References", SourceType::Html, "&laquo;Текст&raquo;&nbsp;&amp; &foo; &#1234; <img alt=\"&laquo;Фото&raquo;\">",
                 "Текст Фото"},
        ReadCase{"ScriptAndItsCommentsAndStrings", SourceType::Html,
                 "<script>var слово = \"строка\"; // заметка\nif (a < b) x();</script>После",
                 "После"},
        ReadCase{"StyleElementOverLines", SourceType::Html,
                 "<style>\np.note { font-family: serif }\n</STYLE>\n<p>Текст</p>", "Текст"},
        ReadCase{"StyleAttributeIsNoStyleElement", SourceType::Html, "<p style=\"color: red\">Текст</p>",
                 "Текст"},
        ReadCase{"Comment", SourceType::Html, "<!-- заметка\nещё -->Текст", "Текст"},
        ReadCase{"LettersTheParserDoesNotKnow", SourceType::Html, "їжак <b>їжак</b> мої", "їжак їжак мої"},
        ReadCase{"CyrillicWithYoAndMixedScripts", SourceType::Html, "<p>Ёлка и ёж; Пpивет</p>",
                 "Ёлка и ёж Пpивет"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Others, ReaderTextTest,
    testing::Values(
        ReadCase{"CommentsAndStringsOfC", SourceType::Cpp,
                 "int слово = 0; // заметка\nprintf(\"Привет\\nмир %s\", имя); /* блок", "заметка Привет мир блок"},
        ReadCase{"BlockCommentOverLines", SourceType::Cpp, "/* начало\nконец */ код", "начало конец"},
        ReadCase{"PlainTextIsAllRead", SourceType::PlainText, "всё подряд <b>тег</b>", "всё подряд тег"},
        ReadCase{"TexCommandsAndComments", SourceType::Tex, "\\section{Введение} Текст % заметка",
                 "Введение Текст"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct SplitCase {
    const char* name;
    WordRules rules;
    const char* text;
    const char* words;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << c.name; }

class WordSplitterTest : public testing::TestWithParam<SplitCase> {};

TEST_P(WordSplitterTest, SkipsWhatIsNoWord)
{
    const std::string text = Cp(GetParam().text);
    std::vector<WordSpan> words;
    SplitWords(text, 0, static_cast<int>(text.size()), GetParam().rules, words);
    std::string out;
    for (const WordSpan& word : words)
        AppendItem(out, Utf8(text.substr(word.start, word.length)));
    EXPECT_EQ(out, GetParam().words);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rules, WordSplitterTest,
    testing::Values(
        SplitCase{"Urls", WordRules::Prose, "см. http://example.com/путь и www.сайт.рф, (mailto:a)", "см и"},
        SplitCase{"Mail", WordRules::Prose, "пишите на почта@сайт.рф сегодня", "пишите на сегодня"},
        SplitCase{"FileNames", WordRules::Prose, "файл readme.txt, /usr/share ~/x или C:\\Windows\\notepad",
                  "файл или"},
        SplitCase{"Digits", WordRules::Prose, "в 2024 году 3D-графика и mp3", "в году и"},
        SplitCase{"ShortCapitals", WordRules::Prose, "НАТО, СССР и США; ПРИВЕТСТВИЕ Я", "и ПРИВЕТСТВИЕ"},
        SplitCase{"HyphensAndApostrophes", WordRules::Prose, "кто-нибудь don't м’ята -тире- 'кавычки'",
                  "кто-нибудь don't м’ята тире кавычки"},
        SplitCase{"TexCommand", WordRules::Prose, "\\textbf{жирный}", "жирный"},
        SplitCase{"TagsInProse", WordRules::Prose, "Он сказал \"<a href=\"x\">да</a>\", a < b и c > d",
                  "Он сказал да a b и c d"},
        SplitCase{"EscapesAndFormatsInCode", WordRules::Code, "Строка\\nвторая %s и %-10d \\\\дальше",
                  "Строка вторая и дальше"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
