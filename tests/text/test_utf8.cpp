// UTF-8 files: decoding to Windows-1251 with counted losses, encoding back, the byte order
// mark, sequences cut by read blocks, and the decision of the reopen hint.
#include "support/BufferLines.h"
#include "support/TempDir.h"
#include "text/CodePages.h"
#include "text/Cp1251.h"
#include "text/EncodingHint.h"
#include "text/KTextBuffer.h"
#include "text/Utf8Page.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

// The Windows-1251 bytes of a text, "?" for what the page lacks.
std::string Cp1251(std::u16string_view text)
{
    std::string bytes;
    for (char16_t c : text) {
        const int b = cp1251::FromUnicode(c);
        bytes.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return bytes;
}

class Utf8FileTest : public testing::Test {
protected:
    bool LoadBytes(const std::string& bytes, LineEnding mode = LineEnding::Auto)
    {
        WriteFile(in, bytes);
        return buffer.Load(in.c_str(), mode, CodePage::Utf8);
    }
    std::string SaveBytes()
    {
        EXPECT_TRUE(buffer.Save(out.c_str())) << buffer.LastErrorText();
        return ReadFile(out);
    }

    TempDir dir;
    std::string in = dir.File("in.txt");
    std::string out = dir.File("out.txt");
    CKTextBuffer buffer;
};

struct LoadCase {
    const char* name;
    friend void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }
    std::string file;
    std::vector<std::string> lines; // Windows-1251
    int lossy;
    bool byteOrderMark = false;
    const char* saved = nullptr; // what Save writes; null: the file itself, byte for byte
};

class Utf8LoadTest : public Utf8FileTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(Utf8LoadTest, DecodesCountsAndSavesBack)
{
    const LoadCase& c = GetParam();
    ASSERT_TRUE(LoadBytes(c.file));
    EXPECT_EQ(buffer.CodePage(), CodePage::Utf8);
    EXPECT_EQ(BufferLines(buffer), c.lines);
    EXPECT_EQ(buffer.LossyByteCount(), c.lossy);
    EXPECT_EQ(buffer.HasByteOrderMark(), c.byteOrderMark);
    EXPECT_EQ(buffer.UnsaveableCharCount(CodePage::Utf8), 0);
    EXPECT_EQ(SaveBytes(), c.saved ? std::string(c.saved) : c.file);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, Utf8LoadTest,
    testing::Values(
        // Texts that Windows-1251 holds whole come back byte for byte, without a mark added.
        LoadCase{"Russian", "Съешь же ещё этих мягких булок,\r\nда выпей чаю.\r\n",
                 {Cp1251(u"Съешь же ещё этих мягких булок,"), Cp1251(u"да выпей чаю."), ""}, 0},
        LoadCase{"Ukrainian", "Ґава, їжак і єнот\nЇЄІҐ", {Cp1251(u"Ґава, їжак і єнот"), Cp1251(u"ЇЄІҐ")}, 0},
        LoadCase{"Serbian", "Ђорђе, Љиљана, Њива, Ћуприја, Џеп, ј", {Cp1251(u"Ђорђе, Љиљана, Њива, Ћуприја, Џеп, ј")}, 0},
        LoadCase{"PunctuationOfThreeBytes", "«—…№€™»", {Cp1251(u"«—…№€™»")}, 0},
        LoadCase{"UnassignedByteAsC1Control", "\xC2\x98", {"\x98"}, 0},
        // Characters the page lacks: one "?" and one count each.
        LoadCase{"LatinAccent", "café", {"caf?"}, 1, false, "caf?"},
        LoadCase{"Cjk", "中文 да", {Cp1251(u"?? да")}, 2, false, "?? да"},
        LoadCase{"Emoji", "a😀b", {"a?b"}, 1, false, "a?b"},
        LoadCase{"NonCharacter", "\xEF\xBF\xBF", {"?"}, 1, false, "?"},
        // Bytes that are not UTF-8: one "?" and one count per byte.
        LoadCase{"LoneContinuationBytes", "a\x80\xBF" "b", {"a??b"}, 2, false, "a??b"},
        LoadCase{"OverlongTwoBytes", "\xC0\xAF\xC1\xBF", {"????"}, 4, false, "????"},
        LoadCase{"OverlongThreeBytes", "\xE0\x80\xAF", {"???"}, 3, false, "???"},
        LoadCase{"OverlongFourBytes", "\xF0\x8F\xBF\xBF", {"????"}, 4, false, "????"},
        LoadCase{"Surrogate", "\xED\xA0\x80z", {"???z"}, 3, false, "???z"},
        LoadCase{"AboveLastCodePoint", "\xF4\x90\x80\x80\xF5\xFF", {"??????"}, 6, false, "??????"},
        LoadCase{"SequenceBrokenByAscii", "\xE2\x82" "A\xD0" "\n", {"??A?", ""}, 3, false, "??A?\n"},
        LoadCase{"SequenceBrokenByLead", "\xD0\xD0\xB0", {Cp1251(u"?а")}, 1, false, "?а"},
        LoadCase{"CutAtEndOfFile", "ok\xF0\x9F\x98", {"ok???"}, 3, false, "ok???"},
        // The byte order mark: kept and written back; elsewhere it is a character the page lacks.
        LoadCase{"ByteOrderMark", "\xEF\xBB\xBFдом\r\n", {Cp1251(u"дом"), ""}, 0, true},
        LoadCase{"OnlyByteOrderMark", "\xEF\xBB\xBF", {""}, 0, true},
        LoadCase{"ByteOrderMarkInside", "a\xEF\xBB\xBF", {"a?"}, 1, false, "a?"},
        LoadCase{"HalfByteOrderMark", "\xEF\xBB", {"??"}, 2, false, "??"},
        LoadCase{"Empty", "", {""}, 0}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(Utf8FileTest, LineEndingsAreDetectedOnTheDecodedText)
{
    ASSERT_TRUE(LoadBytes("я\r\nю\r\n"));
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Dos);
    ASSERT_TRUE(LoadBytes("я\nю"));
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Macintosh);
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{Cp1251(u"я"), Cp1251(u"ю")}));
    ASSERT_TRUE(buffer.Save(out.c_str(), LineEnding::Dos));
    EXPECT_EQ(ReadFile(out), "я\r\nю");
    ASSERT_TRUE(LoadBytes("я\n\rю"));
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Unix);
    EXPECT_EQ(SaveBytes(), "я\n\rю");
}

// A sequence cut by the end of a 32 KB read block is completed from the next block, at every
// position of the cut, whether the character is kept, lost or not UTF-8 at all.
TEST_F(Utf8FileTest, SequencesAcrossReadBlocks)
{
    struct Across {
        std::string sequence;
        std::string decoded;
        int lossy;
    };
    const Across cases[] = {{"ж", Cp1251(u"ж"), 0},
                            {"€", Cp1251(u"€"), 0},
                            {"😀", "?", 1},
                            {"\xE2\x82"
                             "A",
                             "??A", 2}};
    for (const Across& c : cases) {
        for (size_t before = 32768 - c.sequence.size(); before <= 32768; ++before) {
            const std::string file = std::string(before, 'a') + c.sequence + "\r\nz";
            ASSERT_TRUE(LoadBytes(file));
            ASSERT_EQ(buffer.LineCount(), 2);
            EXPECT_EQ(buffer.Line(0), std::string(before, 'a') + c.decoded) << before;
            EXPECT_EQ(buffer.LossyByteCount(), c.lossy) << before;
            if (c.lossy == 0) {
                EXPECT_EQ(SaveBytes(), file);
            }
        }
    }
}

TEST_F(Utf8FileTest, EveryByteOfTheTextSavesAndComesBack)
{
    std::string text;
    for (int b = 1; b < 256; ++b)
        if (b != '\r' && b != '\n')
            text.push_back(static_cast<char>(b));
    ASSERT_TRUE(buffer.InitEmpty(LineEnding::Dos, CodePage::Utf8));
    int endLine, endChar;
    ASSERT_TRUE(buffer.InsertText(nullptr, 0, 0, text, endLine, endChar, 0));
    EXPECT_EQ(buffer.UnsaveableCharCount(CodePage::Utf8), 0);
    const std::string saved = SaveBytes();
    EXPECT_NE(saved.find("\xC2\x98"), std::string::npos);         // 0x98
    EXPECT_NE(saved.find("\xE2\x82\xAC"), std::string::npos);     // 0x88, the euro sign
    EXPECT_NE(saved.find("\xD0\x90\xD0\x91"), std::string::npos); // 0xC0 0xC1
    EXPECT_EQ(saved.substr(0, 3), "\x01\x02\x03");
    ASSERT_TRUE(buffer.Load(out.c_str(), LineEnding::Dos, CodePage::Utf8));
    EXPECT_EQ(buffer.Line(0), text);
    EXPECT_EQ(buffer.LossyByteCount(), 0);
}

TEST_F(Utf8FileTest, NoMarkIsAddedOrCarriedToAnotherFile)
{
    // A Windows-1251 file saved as UTF-8 gets no mark.
    WriteFile(in, Cp1251(u"щит"));
    ASSERT_TRUE(buffer.Load(in.c_str(), LineEnding::Auto, CodePage::Windows1251));
    buffer.SetCodePage(CodePage::Utf8);
    EXPECT_EQ(SaveBytes(), "щит");
    // A file with a mark, then one without, in the same buffer.
    ASSERT_TRUE(LoadBytes("\xEF\xBB\xBFщ"));
    ASSERT_TRUE(LoadBytes("щ"));
    EXPECT_FALSE(buffer.HasByteOrderMark());
    EXPECT_EQ(SaveBytes(), "щ");
    // The mark belongs to UTF-8: saving in Windows-1251 leaves it out.
    ASSERT_TRUE(LoadBytes("\xEF\xBB\xBFщ"));
    buffer.SetCodePage(CodePage::Windows1251);
    EXPECT_EQ(SaveBytes(), Cp1251(u"щ"));
}

// Whatever the cuts between pieces, the decoder gives what one piece gives.
TEST(Utf8DecoderTest, ResultDoesNotDependOnWherePiecesAreCut)
{
    const std::string input = "\xEF\xBB\xBF"
                              "ab\xD0\x96\xE2\x82\xAC\xF0\x9F\x98\x80\xE2\x82"
                              "A"
                              "\xED\xA0\x80\xC3\xA9\x80\xF4\x90\xD1\x8F\xF0\x9F";
    const auto decode = [&](const std::vector<size_t>& cuts, int64_t& lossy, bool& mark) {
        Utf8Decoder decoder;
        std::string result;
        size_t from = 0;
        for (size_t i = 0; i <= cuts.size(); ++i) {
            const size_t to = i < cuts.size() ? cuts[i] : input.size();
            std::string out(Utf8Decoder::OutputRoom(to - from), '\0');
            out.resize(decoder.Decode(input.data() + from, to - from, out.data()));
            result += out;
            from = to;
        }
        char tail[3];
        result.append(tail, decoder.Finish(tail));
        lossy = decoder.LossyCount();
        mark = decoder.HadByteOrderMark();
        return result;
    };
    int64_t lossy;
    bool mark;
    const std::string whole = decode({}, lossy, mark);
    EXPECT_EQ(whole, "ab\xC6\x88???A???????\xFF??");
    EXPECT_EQ(lossy, 12);
    EXPECT_TRUE(mark);
    for (size_t a = 0; a <= input.size(); ++a)
        for (size_t b = a; b <= input.size(); ++b) {
            int64_t cutLossy;
            bool cutMark;
            ASSERT_EQ(decode({a, b}, cutLossy, cutMark), whole) << a << " " << b;
            ASSERT_EQ(cutLossy, lossy);
            ASSERT_EQ(cutMark, mark);
        }
}

// Random mixes of ASCII, the letters the vector paths take, other Cyrillic, punctuation and
// characters the page lacks, at every alignment: decoding and encoding agree with a plain
// character-by-character conversion.
TEST(Utf8DecoderTest, RandomMixesAgreeWithPlainConversion)
{
    const char32_t pool[] = {'a',    ' ',    '<',    '\0',   0x0410, 0x0430, 0x043F,
                             0x0440, 0x044F, 0x0401, 0x0451, 0x0490, 0x00AB, 0x2014,
                             0x20AC, 0x0098, 0x00E9, 0x4E2D, 0x1F600};
    const auto utf8 = [](char32_t cp) {
        std::string s;
        if (cp < 0x80) {
            s += static_cast<char>(cp);
        } else if (cp < 0x800) {
            s += static_cast<char>(0xC0 | (cp >> 6));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            s += static_cast<char>(0xE0 | (cp >> 12));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (cp >> 18));
            s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        }
        return s;
    };
    std::mt19937 rng(16);
    for (int round = 0; round < 2000; ++round) {
        // Mostly letters and ASCII, so that long runs reach the vector paths.
        const size_t common = 9, rare = std::size(pool) - common;
        std::string file, text;
        int lossy = 0;
        for (int n = rng() % 120; n > 0; --n) {
            const char32_t cp = rng() % 8 ? pool[rng() % common] : pool[common + rng() % rare];
            file += utf8(cp);
            const int b = cp1251::FromUnicode(cp);
            text += b < 0 ? '?' : static_cast<char>(b);
            lossy += b < 0;
        }
        Utf8Decoder decoder;
        std::string decoded(Utf8Decoder::OutputRoom(file.size()), '\0');
        decoded.resize(decoder.Decode(file.data(), file.size(), decoded.data()));
        ASSERT_EQ(decoded, text) << round;
        ASSERT_EQ(decoder.LossyCount(), lossy);
        if (lossy == 0) {
            std::string encoded(3 * text.size() + 1, '\0');
            encoded.resize(Utf8Encoder::EncodeUtf8(text.data(), text.size(), encoded.data()));
            ASSERT_EQ(encoded, file) << round;
        }
    }
}

struct HintCase {
    const char* name;
    friend void PrintTo(const HintCase& c, std::ostream* os) { *os << c.name; }
    std::string file;
    CodePage openedPage;
    std::optional<CodePage> suggested;
};

class EncodingHintTest : public testing::TestWithParam<HintCase> {};

TEST_P(EncodingHintTest, SuggestsThePageTheFileReadsIn)
{
    TempDir dir;
    const std::string path = dir.File("page.html");
    WriteFile(path, GetParam().file);
    EXPECT_EQ(SuggestedCodePageForFile(path.c_str(), GetParam().openedPage).page,
              GetParam().suggested);
}

const std::string kBigUtf8 = [] {
    // The 64 KB the hint reads end inside a character; the bytes after them are not UTF-8.
    std::string s(65535, 'x');
    s += "ж\xFF";
    return s;
}();

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Files, EncodingHintTest,
    testing::Values(
        HintCase{"Utf8Cyrillic", "<p>Привет</p>", CodePage::Windows1251, CodePage::Utf8},
        HintCase{"PureAscii", "<p>Hello</p>", CodePage::Windows1251, std::nullopt},
        HintCase{"ByteOrderMarkAlone", "\xEF\xBB\xBFHello", CodePage::Windows1251, CodePage::Utf8},
        // "Рё" in Windows-1251 is a valid two-byte sequence; the next letters are not.
        HintCase{"Cp1251LookingLikeUtf8", Cp1251(u"Рёдом"), CodePage::Windows1251, std::nullopt},
        HintCase{"Cp1251OpenedAsUtf8", Cp1251(u"Привет"), CodePage::Utf8, CodePage::Windows1251},
        HintCase{"Utf8OpenedAsUtf8", "Привет", CodePage::Utf8, std::nullopt},
        HintCase{"MarkedFileWithBadBytesOpenedAsUtf8", "\xEF\xBB\xBF\xFF", CodePage::Utf8, std::nullopt},
        HintCase{"Utf8OpenedAsKoi8", "Привет", CodePage::Koi8R, CodePage::Utf8},
        HintCase{"OnlyTheFirst64KbCount", kBigUtf8, CodePage::Windows1251, CodePage::Utf8},
        HintCase{"Empty", "", CodePage::Utf8, std::nullopt}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST(EncodingHintFileTest, UnreadableFilesGetNoHint)
{
    TempDir dir;
    EXPECT_EQ(SuggestedCodePageForFile(dir.File("missing").c_str(), CodePage::Utf8).page,
              std::nullopt);
    EXPECT_EQ(SuggestedCodePageForFile(dir.Path().c_str(), CodePage::Utf8).page, std::nullopt);
}

} // namespace
