// The code-page detector on short real texts in each page, and on bytes that are no Cyrillic text.
#include "support/TempDir.h"
#include "text/CodePageDetector.h"
#include "text/CodePages.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Kind = CodePageGuess::Kind;

const std::string kFixtures = std::string(TW_SOURCE_DIR) + "/tests/data/detect/";

std::vector<std::string> FixtureLines(const std::string& name)
{
    std::istringstream in(ReadFile(kFixtures + name));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string AsHtml(const std::string& text)
{
    return "<!DOCTYPE html>\n<html><head><title>Notes</title></head>\n<body>\n"
           "<p class=\"note\">"
           + text + "</p>\n</body></html>\n";
}

struct PageFixture {
    const char* file;
    CodePage page;
};

// Every line of a fixture is a text of some 40 to 60 characters, detected on its own and inside a
// page of markup.
TEST(CodePageDetectTest, ShortTextsComeOutInTheirPage)
{
    const PageFixture fixtures[] = {
        {"cp1251.txt", CodePage::Windows1251}, {"cp866.txt", CodePage::Dos866},
        {"koi8r.txt", CodePage::Koi8R},        {"iso8859-5.txt", CodePage::Iso8859_5},
        {"mac.txt", CodePage::Macintosh},      {"utf8.txt", CodePage::Utf8},
        {"koi8u.txt", CodePage::Koi8R}, // Ukrainian KOI8: its Russian letters are those of KOI8-R
    };
    for (const PageFixture& fixture : fixtures) {
        const std::vector<std::string> lines = FixtureLines(fixture.file);
        ASSERT_FALSE(lines.empty()) << fixture.file;
        for (const std::string& line : lines)
            for (const std::string& text : {line, AsHtml(line)}) {
                const CodePageGuess guess = DetectCodePage(text, false);
                EXPECT_EQ(guess.kind, Kind::Page) << fixture.file << ": " << text;
                EXPECT_EQ(guess.page, fixture.page) << fixture.file << ": " << text;
                EXPECT_GE(guess.confidence, kCodePageSureOdds);
            }
    }
}

TEST(CodePageDetectTest, BoxDrawingIsNotTakenForLetters)
{
    // In Windows-1251 the double lines of a CP866 frame are the capital letter Н.
    const CodePageGuess guess = DetectCodePage(ReadFile(kFixtures + "dos-table.txt"), false);
    EXPECT_EQ(guess.kind, Kind::Page);
    EXPECT_EQ(guess.page, CodePage::Dos866);
}

TEST(CodePageDetectTest, TextThatReadsAlikeInWindows1251AndMacIsWindows1251)
{
    // Small letters а-ю have the same bytes in both pages: either page gives the same text.
    const std::string alike =
        "\xEC\xFB \xE2\xFB\xF8\xEB\xE8 \xED\xE0 \xF3\xEB\xE8\xF6\xF3 "
        "\xEF\xEE\xF1\xEB\xE5 \xEE\xE1\xE5\xE4\xE0"; // мы вышли на улицу после обеда
    const CodePageGuess guess = DetectCodePage(alike, false);
    EXPECT_EQ(guess.kind, Kind::Page);
    EXPECT_EQ(guess.page, CodePage::Windows1251);
}

TEST(CodePageDetectTest, TextAlikeAtFirstIsToldByWhatFollows)
{
    // Pages of small letters alike in Windows-1251 and Mac Cyrillic, then Mac capitals: the
    // answer waits for the bytes that tell the two pages apart, however late they come.
    const std::string alike = "\xEC\xFB \xE2\xFB\xF8\xEB\xE8 \xED\xE0 \xF3\xEB\xE8\xF6\xF3 "
                              "\xEF\xEE\xF1\xEB\xE5 \xEE\xE1\xE5\xE4\xE0. ";
    std::string text;
    while (text.size() < 3 * 4096)
        text += alike;
    // "Мы Вышли На Улицу", capitals in Mac Cyrillic.
    const std::string macCapitals = "\x8C\xFB \x82\xFB\xF8\xEB\xE8 \x8D\xE0 \x93\xEB\xE8\xF6\xF3. ";
    for (int i = 0; i < 4; ++i)
        text += macCapitals;
    const CodePageGuess guess = DetectCodePage(text, false);
    EXPECT_EQ(guess.kind, Kind::Page);
    EXPECT_EQ(guess.page, CodePage::Macintosh);
}

struct NoPageCase {
    const char* what;
    std::string bytes;
    Kind kind;
};

TEST(CodePageDetectTest, BytesWithoutCyrillicTextNameNoPage)
{
    std::mt19937 random(866);
    std::string binary(4096, '\0');
    for (char& c : binary)
        c = static_cast<char>(random());
    const NoPageCase cases[] = {
        {"empty", "", Kind::Ascii},
        {"ASCII", AsHtml("Plain English text, nothing else."), Kind::Ascii},
        {"random bytes", binary, Kind::Unsure},
        {"Latin-1", "Un caf\xE9 tr\xE8s fort, na\xEFve et \xE0 la carte, s'il vous pla\xEEt.",
         Kind::Unsure},
        {"one high byte", "Total: 25\xB0 in the shade", Kind::Unsure},
        {"UTF-16", std::string("\xFF\xFE\x1F\x04\x40\x04\x38\x04 \x00", 10), Kind::Unsure},
    };
    for (const NoPageCase& c : cases) {
        const CodePageGuess guess = DetectCodePage(c.bytes, false);
        EXPECT_EQ(guess.kind, c.kind) << c.what;
        EXPECT_EQ(guess.page, std::nullopt) << c.what;
    }
}

TEST(CodePageDetectTest, Utf8)
{
    const std::string russian = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, "
                                "\xD0\xBC\xD0\xB8\xD1\x80"; // Привет, мир
    struct Case {
        const char* what;
        std::string bytes;
        bool cut;
    };
    const Case cases[] = {
        {"byte order mark before ASCII", "\xEF\xBB\xBFplain", false},
        {"not Cyrillic", "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E caf\xC3\xA9", false},
        {"cut inside the last character", russian + " " + russian.substr(0, 3), true},
        {"a stray byte among Russian text", russian + " \xFF " + russian + " " + russian, false},
    };
    for (const Case& c : cases) {
        const CodePageGuess guess = DetectCodePage(c.bytes, c.cut);
        EXPECT_EQ(guess.kind, Kind::Page) << c.what;
        EXPECT_EQ(guess.page, CodePage::Utf8) << c.what;
    }
}

TEST(CodePageDetectTest, OnlyTheStartCounts)
{
    const std::string koi8 = FixtureLines("koi8r.txt").front();
    const std::string ascii(kCodePageDetectBytes, 'a');
    EXPECT_EQ(DetectCodePage(ascii + koi8, false).kind, Kind::Ascii);
    const CodePageGuess guess = DetectCodePage(koi8 + ascii, false);
    EXPECT_EQ(guess.page, CodePage::Koi8R);
}

// The driver: one line per file; a file it cannot read is reported and makes the exit status 1,
// and the other files are still named.
TEST(CodePageDetectTest, DriverNamesEachFile)
{
    TempDir dir;
    const std::string cp866 = kFixtures + "cp866.txt";
    const std::string plain = dir.File("plain.txt");
    WriteFile(plain, "ASCII only\n");
    std::string out;
    const int status = RunCommand(std::string(TW_BUILD_DIR "/tw-detect '") + cp866 + "' '"
                                      + dir.File("missing.txt") + "' '" + plain + "' 2>/dev/null",
                                  &out);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out, cp866 + ": cp866\n" + plain + ": unsure\n");
}

} // namespace
