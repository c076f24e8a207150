// tw-spell on pages with planted mistakes.
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDriver = std::string(TW_BUILD_DIR) + "/tw-spell";
const std::string kData = std::string(TW_SOURCE_DIR) + "/tests/spell/core/data/";

std::string RunSpell(const std::string& args, int* status = nullptr)
{
    std::string out;
    const int rc = RunCommand(kDriver + " " + args + " 2>/dev/null", &out);
    if (status)
        *status = rc;
    return out;
}

TEST(SpellDriverTest, ReportsThePlantedMistakesOfAPage)
{
    // Mistakes planted in a tag's class, a style, a script, a comment, an address, a mail
    // address and a file name are not text a reader sees.
    EXPECT_EQ(RunSpell(kData + "planted.html"), "2:29 горада\n"
                                                "13:39 виставке\n"
                                                "15:29 Пpивет\n"
                                                "16:27 Фотогрфия\n"
                                                "16:53 сверзу\n"
                                                "17:15 sentense\n"
                                                "17:31 midle\n"
                                                "words=39 misspelled=7\n");
}

TEST(SpellDriverTest, ReportsCommentsAndStringsOfASource)
{
    EXPECT_EQ(RunSpell(kData + "planted.c"), "1:11 раcчёта\n"
                                             "2:20 коментария\n"
                                             "3:54 коментарий\n"
                                             "4:34 превет\n"
                                             "words=18 misspelled=4\n");
    // The same text read as plain text: every word.
    EXPECT_THAT(RunSpell("--type 0 " + kData + "planted.c"), testing::HasSubstr("\n3:5 ощибка\n"));
}

TEST(SpellDriverTest, UkrainianDocument)
{
    TempDir dir;
    // "їжак і привет" in Windows-1251.
    WriteFile(dir.File("page.txt"), "\xBF\xE6\xE0\xEA \xB3 \xEF\xF0\xE8\xE2\xE5\xF2\n");
    EXPECT_EQ(RunSpell("--lang uk " + dir.File("page.txt")), "1:8 привет\nwords=3 misspelled=1\n");
    EXPECT_EQ(RunSpell("--lang ru " + dir.File("page.txt")),
              "1:1 їжак\n1:6 і\nwords=3 misspelled=2\n");
}

TEST(SpellDriverTest, WrongUseAndUnreadableFiles)
{
    int status = 0;
    for (const char* args : {"", "--lang en x.html", "--lang", "--type 23 x.html", "a b"}) {
        RunSpell(args, &status);
        EXPECT_EQ(status, 2) << args;
    }
    RunSpell(kData + "no-such-file.html", &status);
    EXPECT_EQ(status, 1);
}

} // namespace
