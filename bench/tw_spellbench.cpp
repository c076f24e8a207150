// tw-spellbench: the cost of spell checking a whole 1 MB page of Russian text, one line after
// another as the checker's worker does, beside opening the dictionaries (once a session). Without
// PAGE the page is generated: paragraphs of Russian prose in HTML, one word in a hundred
// misspelled.
#include "DriverArgs.h"
#include "spell/core/LineSpeller.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "text/Utf8Text.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr size_t kPageBytes = 1 << 20;

constexpr std::string_view kSentences[] = {
    "Утром над рекой стоял густой туман, и рыбаки не спешили выходить на воду.",
    "Городская библиотека открыла новый читальный зал для студентов и школьников.",
    "После долгой зимы в садах наконец зацвели яблони и вишни.",
    "Мы собрали отзывы читателей и исправили ошибки, которые они нашли в тексте.",
    "Поезд отправляется с третьего пути ровно в семь часов вечера.",
    "На выставке показали картины молодых художников из разных областей страны.",
    "Чтобы получить пропуск, заполните анкету и приложите фотографию.",
    "Весной цены на овощи обычно растут, а осенью снова снижаются.",
    "Учёные долго изучали поведение птиц во время перелёта на юг.",
    "Новая версия программы работает быстрее и занимает меньше памяти.",
    "В субботу в парке пройдёт праздник, посвящённый дню города.",
    "Редакция благодарит всех, кто прислал свои рассказы на конкурс.",
    "Старый мост через овраг закрыли на ремонт до конца лета.",
    "Каждый вечер бабушка рассказывала внукам сказки о храбрых героях.",
    "Магазин принимает заказы по телефону и доставляет их на следующий день.",
    "Тёплый ветер с моря приносил запах соли и водорослей.",
    "Экскурсия по музею длится около двух часов и заканчивается в зимнем саду.",
    "Врачи советуют больше гулять на свежем воздухе и меньше сидеть у экрана.",
    "Этот учебник подойдёт тем, кто только начинает изучать иностранный язык.",
    "Жители соседних домов вместе посадили деревья вдоль новой улицы.",
};

// A generated page of about kPageBytes in Windows-1251.
std::vector<std::string> GeneratePage()
{
    std::vector<std::string> sentences;
    for (const std::string_view sentence : kSentences)
        sentences.push_back(Utf8ToCp1251(sentence));
    std::mt19937 random(1251);
    std::vector<std::string> lines = {
        Utf8ToCp1251("<html><head><title>Новости</title></head><body>")};
    const std::string image = Utf8ToCp1251("<img src=\"photo.jpg\" alt=\"Фотография дня\"></p>");
    size_t bytes = lines[0].size() + 2;
    while (bytes < kPageBytes) {
        std::string line = "<p class=\"text\">";
        for (int s = 0; s < 3; ++s) {
            std::string sentence = sentences[random() % sentences.size()];
            // A typo: two letters of a word swapped, about one word in a hundred.
            if (random() % 8 == 0) {
                const size_t at = 2 + random() % (sentence.size() - 4);
                if (sentence[at] != ' ' && sentence[at + 1] != ' ')
                    std::swap(sentence[at], sentence[at + 1]);
            }
            line += sentence;
            line += ' ';
        }
        line += image;
        bytes += line.size() + 2;
        lines.push_back(std::move(line));
    }
    lines.push_back("</body></html>");
    return lines;
}

class CLinesSource final : public CTextLines {
public:
    explicit CLinesSource(const std::vector<std::string>& lines) : m_lines(lines) {}
    int LineCount() const override { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int line) const override { return m_lines[line]; }

private:
    const std::vector<std::string>& m_lines;
};

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

} // namespace

int main(int argc, char* argv[])
{
    std::vector<std::string> lines;
    if (argc > 2) {
        std::fprintf(stderr, "usage: tw-spellbench [PAGE]\n");
        return 2;
    }
    if (argc == 2) {
        CKTextBuffer buffer;
        if (!LoadOrSay("tw-spellbench", argv[1], buffer))
            return 1;
        for (int line = 0; line < buffer.LineCount(); ++line)
            lines.emplace_back(buffer.Line(line));
    } else {
        lines = GeneratePage();
    }
    size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size() + 2;

    auto start = std::chrono::steady_clock::now();
    CSpellChecker checker;
    const bool open =
        checker.Available(SpellLanguage::Russian) && checker.Available(SpellLanguage::English);
    const double openMs = MillisecondsSince(start);
    for (const std::string& message : checker.TakeMessages())
        std::fprintf(stderr, "tw-spellbench: %s\n", message.c_str());
    if (!open)
        return 1;

    CLineSpeller speller(checker);
    const CLinesSource source(lines);
    std::vector<Misspelling> found;
    int words = 0, misspelled = 0;
    uint32_t state = 0;
    start = std::chrono::steady_clock::now();
    for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
        state = speller.Check(SourceType::Html, SpellLanguage::Russian, state, source, line, found,
                              &words);
        misspelled += static_cast<int>(found.size());
    }
    const double checkMs = MillisecondsSince(start);

    std::printf("page: %zu bytes, %zu lines, %d words, %d misspelled\n", bytes, lines.size(), words,
                misspelled);
    std::printf("open dictionaries (Russian, English): %.0f ms\n", openMs);
    std::printf("check the whole page: %.0f ms (%.2f us a word), limit 1000 ms: %s\n", checkMs,
                1000 * checkMs / words, checkMs < 1000 ? "met" : "missed");
    std::printf("opening and checking together: %.0f ms\n", openMs + checkMs);
    return 0;
}
