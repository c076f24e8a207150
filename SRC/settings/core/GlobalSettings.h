// The global settings record "GLOBAL": its fields in memory, its 764-byte stored layout and
// its defaults.
#pragma once

#include "syntax/ColourClass.h"
#include "text/FileFormat.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The editor font in the 60-byte logical-font layout of the record.
struct LogFont {
    int32_t height = 0; // negative: character height in pixels
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{}; // zero-terminated

    std::string FaceName() const;
};

// Text and background colour of one colour class as the record stores them, 0x00BBGGRR each.
struct StoredColours {
    uint32_t text = 0;
    uint32_t background = 0;
};
constexpr size_t kBrowserPathSize = 260; // zero-terminated, so at most 259 bytes of path

struct GlobalSettings {
    LogFont font;
    std::array<StoredColours, kColourClassCount> colours{}; // by ColourClass
    std::array<char, kBrowserPathSize> browser1{};
    std::array<char, kBrowserPathSize> browser2{};
    int32_t rememberLastDirectory = 0;
    int32_t createBackups = 0;
    int32_t smoothScroll = 0;
    int32_t selectionMargin = 0;
    int32_t dragDropDisabled = 0;
    int32_t debugOn = 0;
    int32_t saveBeforePreview = 0;
    int32_t autoIndent = 0;
    int32_t smartIndent = 0;
    int32_t smartUndo = 0;
    int32_t useTabs = 0;
    int32_t tabSize = 0;
    CodePage codePage = CodePage::Windows1251; // remembered for the next open
    LineEnding lineEnding = LineEnding::Dos;   // remembered for the next open

    // The path of browser 1 or 2; a longer path is cut to 259 bytes when stored.
    std::string BrowserPath(int browser) const;
    void SetBrowserPath(int browser, std::string_view path);
};

// Where each field lives in the stored record.
namespace global_record {
constexpr size_t kSize = 764;
constexpr size_t kFont = 0;
constexpr size_t kFontSize = 60;
constexpr size_t kFontFaceName = 28;
constexpr size_t kColours = 60;
constexpr size_t kBrowser1 = 188;
constexpr size_t kBrowser2 = 448;
constexpr size_t kRememberLastDirectory = 708;
constexpr size_t kCreateBackups = 712;
constexpr size_t kSmoothScroll = 716;
constexpr size_t kSelectionMargin = 720;
constexpr size_t kDragDropDisabled = 724;
constexpr size_t kDebugOn = 728;
constexpr size_t kSaveBeforePreview = 732;
constexpr size_t kAutoIndent = 736;
constexpr size_t kSmartIndent = 740;
constexpr size_t kSmartUndo = 744;
constexpr size_t kUseTabs = 748;
constexpr size_t kTabSize = 752;
constexpr size_t kCodePage = 756;
constexpr size_t kLineEnding = 760;
} // namespace global_record

// The record a fresh profile gets.
GlobalSettings DefaultGlobalSettings();
// The colours of a class that the options page's "Automatic" choice stores.
StoredColours AutomaticStoredColours(ColourClass colourClass);

std::vector<uint8_t> EncodeGlobalSettings(const GlobalSettings& settings);
// False, leaving out unchanged, unless data holds exactly one record.
bool DecodeGlobalSettings(const uint8_t* data, size_t size, GlobalSettings& out);
