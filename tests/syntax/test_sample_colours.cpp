// The colours of every sample source against its golden file, so that a colouring change in
// any language shows up here and in review (tests/data/make_colours.sh writes the files anew).
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SampleColours {
    int type;
    const char* extension;
    friend void PrintTo(const SampleColours& s, std::ostream* os) { *os << "sample." << s.extension; }
};

class SampleColoursTest : public testing::TestWithParam<SampleColours> {};

TEST_P(SampleColoursTest, MatchesTheGoldenFile)
{
    const std::string sample = std::string(TW_SOURCE_DIR) + "/tests/data/sample." + GetParam().extension;
    std::string colours;
    ASSERT_EQ(RunCommand(std::string(TW_BUILD_DIR) + "/tw-colours --type "
                             + std::to_string(GetParam().type) + " '" + sample + "'",
                         &colours),
              0);
    const std::string golden = ReadFile(sample + ".colours");
    if (colours == golden)
        return;
    // Name the first line that differs rather than printing megabytes.
    size_t at = 0;
    while (at < colours.size() && at < golden.size() && colours[at] == golden[at])
        ++at;
    const size_t lineStart = golden.rfind('\n', at) == std::string::npos ? 0 : golden.rfind('\n', at) + 1;
    ADD_FAILURE() << "first difference in line " << golden.substr(lineStart, golden.find(' ', lineStart) - lineStart)
                  << "\n golden: " << golden.substr(lineStart, golden.find('\n', lineStart) - lineStart)
                  << "\n now:    " << colours.substr(lineStart, colours.find('\n', lineStart) - lineStart);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleColoursTest,
    testing::Values(SampleColours{0, "txt"}, SampleColours{1, "asp"}, SampleColours{2, "bas"},
                    SampleColours{3, "bat"}, SampleColours{4, "cpp"}, SampleColours{5, "dcl"},
                    SampleColours{6, "f"}, SampleColours{7, "html"}, SampleColours{8, "rul"},
                    SampleColours{9, "java"}, SampleColours{10, "lsp"}, SampleColours{11, "pas"},
                    SampleColours{12, "pl"}, SampleColours{13, "php"}, SampleColours{14, "py"},
                    SampleColours{15, "rex"}, SampleColours{16, "rc"}, SampleColours{17, "sgml"},
                    SampleColours{18, "sh"}, SampleColours{19, "scm"}, SampleColours{20, "sql"},
                    SampleColours{21, "tcl"}, SampleColours{22, "tex"}),
    [](const auto& info) { return std::string(info.param.extension); });

} // namespace
