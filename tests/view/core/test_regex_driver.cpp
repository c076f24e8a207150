// tw-regex: the output format the checks read, and its exit statuses.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDriver = TW_BUILD_DIR "/tw-regex";

TEST(RegexDriverTest, PrintsSlotsExpansionsAndMisses)
{
    TempDir dir;
    const std::string input = dir.File("in");
    WriteFile(input, std::string("abcd\nxx\nb\xE4\xEE\r\nab\0cd", 19));
    std::string output;
    EXPECT_EQ(RunCommand(kDriver + " '(a?b)({cd}|{\xC4\xCE})' '\\U\\2\\E\\1' < " + input, &output),
              0);
    EXPECT_EQ(output, "0:0-4 1:0-2 2:2-4 => CDab\n"
                      "no match\n"
                      "0:0-3 1:0-1 2:1-3 => \xC4\xCE"
                      "b\n"
                      "no match\n");
    EXPECT_EQ(RunCommand(kDriver + " '(.)\\N000' '\\2' < " + input, &output), 0);
    EXPECT_EQ(output, "no match\nno match\nno match\n0:1-3 1:1-2 => error\n");
    EXPECT_EQ(RunCommand(kDriver + " -c 'A' < " + input, &output), 0);
    EXPECT_EQ(output, "no match\nno match\nno match\nno match\n");
    EXPECT_EQ(RunCommand(kDriver + " '' '\\x4' < " + input, &output), 1);
    EXPECT_EQ(output, "compile error\n");
}

} // namespace
