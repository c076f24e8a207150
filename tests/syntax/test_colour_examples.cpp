// Colouring against golden files a person can read: every example under tests/data/colours/
// (one construct or one earlier fault each, in a folder per language) and every large sample
// tests/data/sample.* is coloured as the view colours it, line after line with the state carried
// over, and compared with FILE.styled beside it: the text with "{N}" before each stretch of
// colour class N, for instance "{3}int{0} x{8};". A file whose colours differ, or that has no
// golden file yet, gets FILE.styled.new beside it to review; tests/data/accept-colours.sh then
// puts the reviewed files in place.
#include "support/TempDir.h"
#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kData = std::filesystem::path(TW_SOURCE_DIR) / "tests" / "data";

// The sources to colour: the examples and the samples, by their paths below tests/data.
std::vector<std::string> ColouredFiles()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kData / "colours")) {
        const std::string extension = entry.path().extension().string();
        if (entry.is_regular_file() && extension != ".styled" && extension != ".new")
            files.push_back(std::filesystem::relative(entry.path(), kData).string());
    }
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        const std::string extension = entry.path().extension().string();
        if (entry.path().stem() == "sample" && extension != ".styled" && extension != ".new")
            files.push_back(entry.path().filename().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The source type of an example or sample by its extension. Several types select no extension
// of their own in the program (the user picks them), so the files name them here.
SourceType SourceTypeOf(const std::filesystem::path& file)
{
    static const char* const kExtensions[kSourceTypeCount] = {
        "txt", "asp", "bas", "bat", "cpp", "dcl",  "f",  "html", "rul", "java", "lsp", "pas",
        "pl",  "php", "py",  "rex", "rc",  "sgml", "sh", "scm",  "sql", "tcl",  "tex"};
    const std::string extension = file.extension().string();
    for (int type = 0; type < kSourceTypeCount; ++type)
        if (extension == std::string(".") + kExtensions[type])
            return static_cast<SourceType>(type);
    ADD_FAILURE() << "no source type for " << file;
    return SourceType::PlainText;
}

// The file's text with the colour class marked wherever it changes, each line starting with its
// first character's class; characters before a line's first block are normal text.
std::string Styled(const CKTextBuffer& buffer, SourceType type)
{
    const CTextLines& source = buffer;
    std::string styled;
    std::vector<ColourBlock> blocks;
    uint32_t state = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        if (line > 0)
            styled += '\n';
        const std::string_view text = buffer.Line(line);
        blocks.resize(text.size() + 1);
        int count = 0;
        state = ParseLine(type, state, source, line, blocks.data(), count);
        int shown = -1, colour = 0;
        for (int at = 0, block = 0; at < static_cast<int>(text.size()); ++at) {
            while (block < count && blocks[block].start <= at)
                colour = static_cast<int>(blocks[block++].colour);
            if (colour != shown)
                styled += "{" + std::to_string(shown = colour) + "}";
            styled += text[at];
        }
    }
    return styled;
}

// The first line in which two texts differ, both ways, for the failure message.
std::string FirstDifference(const std::string& expected, const std::string& actual)
{
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    const size_t start = expected.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = start == std::string::npos || at == 0 ? 0 : start + 1;
    const auto lineOf = [from](const std::string& text) {
        return text.substr(from, text.find('\n', from) - from);
    };
    const int number = static_cast<int>(std::count(
                           expected.begin(), expected.begin() + static_cast<long>(from), '\n'))
                       + 1;
    return "line " + std::to_string(number) + "\n  golden: " + lineOf(expected)
           + "\n  now:    " + lineOf(actual);
}

class ColourExampleTest : public testing::TestWithParam<std::string> {};

TEST_P(ColourExampleTest, MatchesItsStyledFile)
{
    const std::filesystem::path file = kData / GetParam();
    CKTextBuffer buffer;
    ASSERT_TRUE(buffer.Load(file.c_str(), LineEnding::Auto, CodePage::Windows1251))
        << buffer.LastErrorText();
    const std::string styled = Styled(buffer, SourceTypeOf(file));
    const std::string golden = file.string() + ".styled";
    const std::string fresh = golden + ".new";
    if (FileExists(golden) && ReadFile(golden) == styled) {
        std::filesystem::remove(fresh);
        return;
    }
    WriteFile(fresh, styled);
    if (!FileExists(golden))
        FAIL() << "no golden file yet; review " << fresh << " and accept it";
    FAIL() << "colours differ in " << FirstDifference(ReadFile(golden), styled)
           << "\nreview the whole of " << fresh << " against " << golden
           << " and accept it if the change is meant";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, ColourExampleTest, testing::ValuesIn(ColouredFiles()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });
// clang-format on

} // namespace
