// A file is searched as the editor's Find searches it once loaded in its page, each search
// going on from the end of the previous match, whatever the page, the line endings, the bytes
// the page cannot read and the options; and replacing those matches in the file's bytes gives
// the text that replacing them in the loaded text gives.
#include "FindFilesSupport.h"
#include "findfiles/core/FileSearch.h"
#include "findfiles/core/ReplaceInFiles.h"
#include "support/TempDir.h"
#include "text/CodePageDetector.h"
#include "text/KTextBuffer.h"
#include "view/core/TextSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <unistd.h>

namespace {

const std::string kPrivet = "\xEF\xF0\xE8\xE2\xE5\xF2"; // "привет" in Windows-1251
const std::string kPRIVET = "\xCF\xD0\xC8\xC2\xC5\xD2";

struct Hit {
    TextPoint start;
    TextPoint end;
    std::string line;
    friend bool operator==(const Hit&, const Hit&) = default;
};

void PrintTo(const Hit& hit, std::ostream* out)
{
    *out << hit.start.y << ":" << hit.start.x << "-" << hit.end.y << ":" << hit.end.x;
}

// Pieces of a file: words in Windows-1251 (stored in the file's page), bytes as they are, and
// line breaks of every kind the load must split alike; with sparse, all but one piece in that
// many is a filler that nothing matches.
std::string RandomFile(std::mt19937& random, CodePage page, size_t size, unsigned sparse = 1)
{
    static const std::vector<std::string> words = {"foo",   "Foo",   "FOO",  "foobar", "_foo", "o",
                                                   "f",     " ",     "-",    "x",      "12",   "?",
                                                   kPrivet, kPRIVET, "\xB8", "\xA8"};
    static const std::vector<std::string> raw = {
        "\xE4\xB8\xAD", // a character Windows-1251 lacks, in UTF-8
        "\xD0",         "\x80", "\xB3", "\xFF", "\xC1"};
    static const std::vector<std::string> breaks = {"\r\n", "\n", "\r", "\r\r\n", "\n\r"};
    std::string bytes;
    if (page == CodePage::Utf8 && random() % 3 == 0)
        bytes = "\xEF\xBB\xBF";
    const std::string& usual = breaks[random() % 3];
    while (bytes.size() < size) {
        if (random() % sparse != 0) {
            bytes += "zq_Wk ";
            continue;
        }
        const unsigned pick = random() % 20;
        if (pick < 13)
            bytes += InPage(words[random() % words.size()], page);
        else if (pick < 15)
            bytes += raw[random() % raw.size()];
        else if (pick < 19)
            bytes += usual;
        else
            bytes += breaks[random() % breaks.size()];
    }
    return bytes;
}

std::vector<Hit> EditorMatches(const CKTextBuffer& buffer, const std::string& pattern,
                               uint32_t flags)
{
    std::vector<Hit> hits;
    CTextSearch search;
    TextPoint from, found;
    while (search.SearchText(buffer, pattern, from, flags, false, found)) {
        hits.push_back({found, search.MatchEnd(), std::string(buffer.Line(found.y))});
        if (search.LastMatchLength() > 0)
            from = search.MatchEnd();
        else if (found.y + 1 < buffer.LineCount())
            from = {0, found.y + 1}; // as Replace All goes on after an empty match
        else
            break;
    }
    return hits;
}

FileResult Searched(const std::string& path, CodePage page, const std::string& pattern,
                    uint32_t flags, const std::optional<std::string>& replacement = {})
{
    FindFilesOptions options;
    options.pattern = pattern;
    options.flags = flags;
    options.codePage = page;
    options.replacement = replacement;
    CFileSearcher searcher(options);
    const std::atomic<bool> stop{false};
    FileResult result;
    std::vector<SearchProblem> problems;
    searcher.SearchFile(path, "file", nullptr, stop, result, problems);
    EXPECT_TRUE(problems.empty());
    return result;
}

std::vector<Hit> HitsOf(const FileResult& result)
{
    std::vector<Hit> hits;
    for (const FoundMatch& match : result.matches)
        hits.push_back({match.start, match.end, result.lines[match.lineIndex].text});
    return hits;
}

std::vector<std::string> LinesOf(const CKTextBuffer& buffer)
{
    std::vector<std::string> lines;
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.Line(i));
    return lines;
}

// Replacing the matches in the file's bytes reads back as replacing them in the loaded text
// and saving that: the load of both in the file's page gives the same lines.
void ExpectSameReplacement(const std::string& path, CodePage page, const FileResult& result)
{
    CKTextBuffer expected;
    ASSERT_TRUE(expected.Load(path.c_str(), LineEnding::Auto, page));
    ASSERT_EQ(ReplaceInBuffer(expected, nullptr, result).replaced,
              static_cast<int>(result.matches.size()));
    const std::string saved = path + ".saved";
    ASSERT_TRUE(expected.Save(saved.c_str()));
    ASSERT_TRUE(expected.Load(saved.c_str(), LineEnding::Auto, page));

    const FileReplaceOutcome outcome = ReplaceInFile(result, false);
    ASSERT_EQ(outcome.reason, "");
    EXPECT_EQ(outcome.replaced, static_cast<int>(result.matches.size()));
    CKTextBuffer written;
    ASSERT_TRUE(written.Load(path.c_str(), LineEnding::Auto, page));
    EXPECT_EQ(LinesOf(written), LinesOf(expected));
}

struct SearchCase {
    const char* name;
    std::string pattern;
    uint32_t flags;
};

const std::vector<SearchCase> kCases = {
    {"plain", "foo", 0},
    {"plain_case", "foo", FIND_MATCH_CASE},
    {"whole_word", "foo", FIND_WHOLE_WORD},
    {"whole_word_case", "Foo", FIND_WHOLE_WORD | FIND_MATCH_CASE},
    {"cyrillic", kPrivet, 0},
    {"cyrillic_whole_word", kPRIVET, FIND_WHOLE_WORD},
    {"yo_folds", "\xB8", 0},
    {"question_mark_stands_for_unreadable", "?", 0},
    {"lone_cr", "\r", 0},
    {"regex_any", "f.o", FIND_REGEXP},
    {"regex_across_lines", "o\\nf", FIND_REGEXP},
    {"regex_two_line_feeds", "\\n.*\\n", FIND_REGEXP},
    {"regex_empty_at_line_start", "^", FIND_REGEXP},
    {"regex_empty_or_more", "x*", FIND_REGEXP},
    {"regex_word_case", "<Foo>", FIND_REGEXP | FIND_MATCH_CASE},
    {"regex_cyrillic_class", "[\xE0-\xFF]+", FIND_REGEXP},
};

class FileSearchAgreesWithFind : public testing::TestWithParam<int> {};

TEST_P(FileSearchAgreesWithFind, InEveryPageLineEndingAndOption)
{
    const auto page = static_cast<CodePage>(GetParam());
    // Every replacement is synced to disk; in memory that costs nothing on a busy machine.
    const char* const previous = std::getenv("TMPDIR");
    const std::string restore = previous ? previous : "";
    if (access("/dev/shm", W_OK) == 0)
        setenv("TMPDIR", "/dev/shm", 1);
    TempDir dir;
    previous ? setenv("TMPDIR", restore.c_str(), 1) : unsetenv("TMPDIR");
    std::mt19937 random(1234 + GetParam());
    std::vector<std::string> files;
    for (int i = 0; i < 16; ++i)
        files.push_back(RandomFile(random, page, 20 + random() % 400));
    // Longer than the blocks the file is read in, so that lines and matches cross them.
    files.push_back(RandomFile(random, page, 300 * 1024, 40));

    for (size_t f = 0; f < files.size(); ++f) {
        const std::string path = dir.File("file" + std::to_string(f));
        PutFile(path, files[f]);
        CKTextBuffer loaded;
        ASSERT_TRUE(loaded.Load(path.c_str(), LineEnding::Auto, page));
        for (const SearchCase& c : kCases) {
            SCOPED_TRACE(std::string(c.name) + " in file " + std::to_string(f));
            const bool regex = c.flags & FIND_REGEXP;
            const std::string replacement = regex ? "[\\0]" : "[\xE6]";
            const FileResult result = Searched(path, page, c.pattern, c.flags, replacement);
            EXPECT_EQ(result.lineEnding, loaded.LineEnding());
            ASSERT_EQ(HitsOf(result), EditorMatches(loaded, c.pattern, c.flags));
            // Text inserted into a buffer breaks its line at a lone CR, where a file keeps the
            // byte: such replacements have no common ground to compare on.
            if (std::none_of(result.matches.begin(), result.matches.end(), [](const FoundMatch& m) {
                    return m.replacement.find('\r') != std::string::npos;
                }))
                ExpectSameReplacement(path, page, result);
            PutFile(path, files[f]);
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pages, FileSearchAgreesWithFind, testing::Range(0, kCodePageCount),
                         [](const testing::TestParamInfo<int>& info) {
                             const auto page = static_cast<CodePage>(info.param);
                             return std::string(CodePageKeyword(page) == "iso8859-5"
                                                    ? "iso8859_5"
                                                    : CodePageKeyword(page));
                         });
// clang-format on

} // namespace
