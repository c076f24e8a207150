// tw-colours on sample files: the golden output, and CR LF and LF files colour alike.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kDriver = std::string(TW_BUILD_DIR) + "/tw-colours";
const std::string kData = std::string(TW_SOURCE_DIR) + "/tests/syntax/data/";

std::string RunColours(const std::string& args, int* status = nullptr)
{
    std::string out;
    const int rc = RunCommand(kDriver + " " + args + " 2>/dev/null", &out);
    if (status)
        *status = rc;
    return out;
}

TEST(ColoursDriverTest, SamplePageMatchesGoldenOutput)
{
    EXPECT_EQ(RunColours(kData + "sample.html"), ReadFile(kData + "sample.html.colours"));
}

TEST(ColoursDriverTest, LineEndsDoNotChangeTheColours)
{
    const std::string page = ReadFile(kData + "sample.html");
    std::string crlf;
    for (const char c : page) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    TempDir dir;
    WriteFile(dir.File("crlf.htm"), crlf);
    EXPECT_EQ(RunColours(dir.File("crlf.htm")), ReadFile(kData + "sample.html.colours"));
}

TEST(ColoursDriverTest, TypeOptionAndBadArguments)
{
    TempDir dir;
    WriteFile(dir.File("page.txt"), "<B>x</B>\n");
    EXPECT_EQ(RunColours(dir.File("page.txt")), "0 in=0 out=0\n1 in=0 out=0\n");
    EXPECT_EQ(RunColours("--type 7 " + dir.File("page.txt")),
              "0 in=0 out=0 0:3 1:3 2:3 3:0 4:3 5:4 6:4 7:3\n1 in=0 out=0\n");
    int status = 0;
    RunColours("--type 23 " + dir.File("page.txt"), &status);
    EXPECT_NE(status, 0);
    RunColours(dir.File("missing.html"), &status);
    EXPECT_NE(status, 0);
}

} // namespace
