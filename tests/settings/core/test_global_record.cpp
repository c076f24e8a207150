// The stored layout of the global record, its defaults, and the file filter text.
#include "res/Strings.h"
#include "settings/core/GlobalRecord.h"
#include "text/FileFilter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>

namespace {

using namespace global_record;

int32_t Int32At(const std::vector<uint8_t>& bytes, size_t offset)
{
    return static_cast<int32_t>(bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16
                                | uint32_t{bytes[offset + 3]} << 24);
}

TEST(GlobalRecordTest, DefaultsSitAtTheirOffsets)
{
    const std::vector<uint8_t> bytes =
        EncodeGlobalRecord(DefaultPreferences(), {CodePage::Windows1251, LineEnding::Dos});
    ASSERT_EQ(bytes.size(), 764u);
    EXPECT_EQ(Int32At(bytes, 0), -13); // font height
    EXPECT_EQ(Int32At(bytes, 16), 0);  // weight
    EXPECT_EQ(bytes[23], 204);         // character set
    EXPECT_EQ(bytes[26], 2);           // quality
    EXPECT_EQ(bytes[27], 0x31);        // pitch and family
    EXPECT_STREQ(reinterpret_cast<const char*>(&bytes[kFontFaceName]), "Courier");
    const std::pair<size_t, int32_t> numbers[] = {
        {60, 0x000000},
        {64, 0xC0C0C0}, // Normal text
        {68, 0x000000},
        {72, 0xE0E0E0}, // Selection margin
        {84, 0xC00000},
        {88, 0xC0C0C0}, // Tag/keyword
        {164, 0x000040},
        {168, 0xC0C0C0}, // &-values
        {180, 0xFFFFFF},
        {184, 0x0000FF}, // Error
        {kRememberLastDirectory, 1},
        {kCreateBackups, 1},
        {kSmoothScroll, 0},
        {kSelectionMargin, 1},
        {kDragDropDisabled, 0},
        {kDebugOn, 0},
        {kSaveBeforePreview, 1},
        {kAutoIndent, 1},
        {kSmartIndent, 1},
        {kSmartUndo, 1},
        {kUseTabs, 1},
        {kTabSize, 4},
        {kCodePage, 0},
        {kLineEnding, 0},
    };
    for (const auto& [offset, value] : numbers)
        EXPECT_EQ(Int32At(bytes, offset), value) << "offset " << offset;
    EXPECT_EQ(bytes[kBrowser1], 0);
    EXPECT_EQ(bytes[kBrowser2], 0);
}

TEST(GlobalRecordTest, EveryFieldReadsFromItsOffset)
{
    std::vector<uint8_t> bytes(kSize, 0);
    bytes[kTabSize] = 7;
    bytes[kLineEnding] = 0xFF, bytes[kLineEnding + 1] = 0xFF, bytes[kLineEnding + 2] = 0xFF,
    bytes[kLineEnding + 3] = 0xFF;
    bytes[kDebugOn] = 1;
    std::memcpy(&bytes[kBrowser2], "/usr/bin/b2", 11);
    PreferenceValues s;
    FileFormat format;
    ASSERT_TRUE(DecodeGlobalRecord(bytes.data(), bytes.size(), s, format));
    EXPECT_EQ(s.tabSize, 7);
    EXPECT_EQ(format.lineEnding, LineEnding::Auto);
    EXPECT_EQ(s.debugOn, 1);
    EXPECT_EQ(s.BrowserPath(2), "/usr/bin/b2");
    EXPECT_EQ(s.BrowserPath(1), "");
}

TEST(GlobalRecordTest, AnyRecordComesBackByteForByte)
{
    std::vector<uint8_t> bytes(kSize);
    std::iota(bytes.begin(), bytes.end(), uint8_t{1});
    PreferenceValues s;
    FileFormat format;
    ASSERT_TRUE(DecodeGlobalRecord(bytes.data(), bytes.size(), s, format));
    EXPECT_EQ(EncodeGlobalRecord(s, format), bytes);
}

TEST(GlobalRecordTest, WrongSizeIsRefused)
{
    PreferenceValues s = DefaultPreferences();
    FileFormat format;
    for (const size_t size : {size_t{0}, size_t{763}, size_t{765}, size_t{1024}}) {
        const std::vector<uint8_t> bytes(size, 0xAB);
        EXPECT_FALSE(DecodeGlobalRecord(bytes.data(), bytes.size(), s, format)) << size;
    }
    EXPECT_EQ(s.tabSize, 4);
    EXPECT_EQ(format, FileFormat{});
}

TEST(GlobalRecordTest, BrowserPathIsCutTo259Bytes)
{
    CPreferences preferences;
    preferences.SetBrowserPath(1, std::string(300, 'x'));
    EXPECT_EQ(preferences.BrowserPath(1), std::string(259, 'x'));
    EXPECT_EQ(EncodeGlobalRecord(preferences.Values(), {})[kBrowser1 + 259], 0);
}

TEST(FileFilterTest, FilterTextSplitsIntoNamesAndPatterns)
{
    const std::vector<FileFilterEntry> entries = ParseFileFilter(ResString(IDS_FILE_FILTER));
    ASSERT_EQ(entries.size(), 10u);
    EXPECT_EQ(entries[0].name, "All Supported (...)");
    EXPECT_EQ(entries[0].patterns.size(), 37u);
    EXPECT_EQ(entries[1].name, "HTML Files (.html;.htm;.shtml;.xhtml;.ihtml)");
    EXPECT_EQ(entries[1].patterns,
              (std::vector<std::string>{"*.htm", "*.html", "*.shtml", "*.xhtml", "*.ihtml"}));
    EXPECT_EQ(entries[9].name, "All Files (*.*)");
    EXPECT_EQ(entries[9].patterns, std::vector<std::string>{"*"});
}

TEST(StringTableTest, DocumentDescriptorFields)
{
    EXPECT_EQ(DocDescriptorField(DOC_WINDOW_TITLE), "");
    EXPECT_EQ(DocDescriptorField(DOC_NEW_FILE_NAME), "HTML");
    EXPECT_EQ(DocDescriptorField(DOC_FILTER_EXTENSION), ".html");
    EXPECT_EQ(DocDescriptorField(DOC_TYPE_DESCRIPTION), "HTML Document");
}

} // namespace
