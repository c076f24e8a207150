// Every source type over a sample file of its language (tests/data): the parser contract on
// every line, the same result whole and line by line, and the same colours for CR LF and LF.
#include "support/TempDir.h"

#include "syntax/ParseDispatch.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace {

struct Sample {
    const char* name;
    SourceType type;
    const char* file;
};
void PrintTo(const Sample& s, std::ostream* os) { *os << s.name; }

const std::string kData = std::string(TW_SOURCE_DIR) + "/tests/data/";

struct LineResult {
    uint32_t state;
    std::vector<ColourBlock> blocks;
};

bool SameBlocks(const std::vector<ColourBlock>& a, const std::vector<ColourBlock>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t k = 0; k < a.size(); ++k)
        if (a[k].start != b[k].start || a[k].colour != b[k].colour)
            return false;
    return true;
}

class SampleTest : public testing::TestWithParam<Sample> {};

TEST_P(SampleTest, ContractOnEveryLineAndSameResultLineByLine)
{
    const Sample& sample = GetParam();
    CKTextBuffer buffer;
    ASSERT_TRUE(buffer.Load((kData + sample.file).c_str())) << sample.file;
    ASSERT_GE(buffer.LineCount(), 2000);
    const CTextLines& source = buffer;

    // The whole file in order, as the view paints it from the top.
    std::vector<uint32_t> before(buffer.LineCount());
    std::vector<LineResult> whole(buffer.LineCount());
    std::set<ColourClass> seen;
    uint32_t state = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        const int length = buffer.LineLength(line);
        std::vector<ColourBlock> blocks(static_cast<size_t>(length) + 1);
        int count = 0;
        before[line] = state;
        state = ParseLine(sample.type, state, source, line, blocks.data(), count);
        ASSERT_LE(state, 0xFFu) << "line " << line;
        ASSERT_LE(count, length + 1) << "line " << line;
        for (int b = 0; b < count; ++b) {
            ASSERT_GE(blocks[b].start, 0) << "line " << line;
            ASSERT_LE(blocks[b].start, length) << "line " << line;
            if (b) {
                ASSERT_GT(blocks[b].start, blocks[b - 1].start) << "line " << line;
            }
            seen.insert(blocks[b].colour);
        }
        blocks.resize(count);
        whole[line] = {state, std::move(blocks)};
    }
    if (sample.type == SourceType::PlainText) {
        EXPECT_TRUE(seen.empty());
    } else {
        EXPECT_TRUE(seen.count(ColourClass::Keyword)) << "no keyword coloured";
        EXPECT_TRUE(seen.count(ColourClass::Comment)) << "no comment coloured";
    }

    // The state cache's way: states only, then each line alone in a copy of exactly its size.
    state = 0;
    for (int line = 0; line < buffer.LineCount(); ++line) {
        int none = 0;
        state = ParseLine(sample.type, state, source, line, nullptr, none);
        ASSERT_EQ(state, whole[line].state) << "state-only pass, line " << line;
        ASSERT_EQ(none, 0);

        const int length = buffer.LineLength(line);
        const std::unique_ptr<char[]> copy(new char[length]);
        std::copy_n(buffer.LineText(line), length, copy.get());
        const CSingleLineSource alone({copy.get(), static_cast<size_t>(length)});
        std::vector<ColourBlock> blocks(static_cast<size_t>(length) + 1);
        int count = 0;
        ASSERT_EQ(ParseLine(sample.type, before[line], alone, 0, blocks.data(), count),
                  whole[line].state)
            << "line " << line;
        blocks.resize(count);
        ASSERT_TRUE(SameBlocks(blocks, whole[line].blocks)) << "line " << line;
    }
}

TEST_P(SampleTest, CrLfAndLfColourAlike)
{
    const Sample& sample = GetParam();
    const std::string lf = ReadFile(kData + sample.file);
    std::string crlf;
    for (const char c : lf) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    TempDir dir;
    WriteFile(dir.File("crlf"), crlf);
    const std::string driver = std::string(TW_BUILD_DIR) + "/tw-colours --type "
                               + std::to_string(Number(sample.type)) + " ";
    std::string fromLf, fromCrLf;
    ASSERT_EQ(RunCommand(driver + kData + sample.file, &fromLf), 0);
    ASSERT_EQ(RunCommand(driver + dir.File("crlf"), &fromCrLf), 0);
    EXPECT_GT(fromLf.size(), lf.size() / 4);
    EXPECT_TRUE(fromLf == fromCrLf);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(AllTypes, SampleTest,
    testing::Values(Sample { "PlainText", SourceType::PlainText, "sample.txt" },
        Sample { "Asp", SourceType::Asp, "sample.asp" },
        Sample { "VisualBasic", SourceType::VisualBasic, "sample.bas" },
        Sample { "Batch", SourceType::Batch, "sample.bat" }, Sample { "Cpp", SourceType::Cpp, "sample.cpp" },
        Sample { "Dcl", SourceType::Dcl, "sample.dcl" }, Sample { "Fortran", SourceType::Fortran, "sample.f" },
        Sample { "Html", SourceType::Html, "sample.html" },
        Sample { "InstallShield", SourceType::InstallShield, "sample.rul" },
        Sample { "Java", SourceType::Java, "sample.java" }, Sample { "Lisp", SourceType::Lisp, "sample.lsp" },
        Sample { "Pascal", SourceType::Pascal, "sample.pas" }, Sample { "Perl", SourceType::Perl, "sample.pl" },
        Sample { "Php", SourceType::Php, "sample.php" }, Sample { "Python", SourceType::Python, "sample.py" },
        Sample { "Rexx", SourceType::Rexx, "sample.rex" },
        Sample { "Resources", SourceType::Resources, "sample.rc" },
        Sample { "Sgml", SourceType::Sgml, "sample.sgml" }, Sample { "Shell", SourceType::Shell, "sample.sh" },
        Sample { "Siod", SourceType::Siod, "sample.scm" }, Sample { "Sql", SourceType::Sql, "sample.sql" },
        Sample { "Tcl", SourceType::Tcl, "sample.tcl" }, Sample { "Tex", SourceType::Tex, "sample.tex" }),
    [](const testing::TestParamInfo<Sample>& info) { return info.param.name; });
// clang-format on

} // namespace
