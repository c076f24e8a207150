// tw-spell: prints the misspelled words of a file (read in Windows-1251) as the editor marks
// them, "LINE:COL WORD" each, and last "words=N misspelled=M".
#include "DriverArgs.h"
#include "spell/core/LineSpeller.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"
#include "text/Utf8Text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Usage()
{
    std::fprintf(stderr,
                 "usage: tw-spell [--lang ru|uk] [--type T] FILE   (T = source type 0-22)\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    SpellLanguage cyrillic = SpellLanguage::Russian;
    std::optional<SourceType> type;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--lang")) {
            if (++i >= argc)
                return Usage();
            const std::optional<SpellLanguage> language = LanguageByCode(argv[i]);
            if (!language || *language == SpellLanguage::English)
                return Usage();
            cyrillic = *language;
        } else if (!std::strcmp(argv[i], "--type")) {
            if (++i >= argc || !ParseSourceType(argv[i], type))
                return Usage();
        } else if (!path && (argv[i][0] != '-' || !argv[i][1])) {
            path = argv[i];
        } else {
            return Usage();
        }
    }
    if (!path)
        return Usage();
    type = SourceTypeOf(type, path);
    CKTextBuffer buffer;
    if (!LoadOrSay("tw-spell", path, buffer))
        return 1;
    CSpellChecker checker;
    CLineSpeller speller(checker);
    const CTextLines& source = buffer;
    std::vector<Misspelling> found;
    int words = 0, misspelled = 0;
    uint32_t state = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        state = speller.Check(*type, cyrillic, state, source, line, found, &words);
        for (const Misspelling& m : found) {
            const std::string word = Cp1251ToUtf8(buffer.Line(line).substr(m.start, m.length));
            std::printf("%d:%d %s\n", line + 1, m.start + 1, word.c_str());
        }
        misspelled += static_cast<int>(found.size());
    }
    std::printf("words=%d misspelled=%d\n", words, misspelled);
    for (const std::string& message : checker.TakeMessages())
        std::fprintf(stderr, "tw-spell: %s\n", message.c_str());
    return 0;
}
