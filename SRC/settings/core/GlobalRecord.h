// The global settings record "GLOBAL": the 764 bytes in which the store keeps the preferences
// and, beside them, the code page and line ending that the session remembers.
#pragma once

#include "settings/core/Preferences.h"
#include "text/FileFormat.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Where each field lives in the stored record, little-endian.
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

// The preferences kept beside the record (the recovery switch) are not in it.
std::vector<uint8_t> EncodeGlobalRecord(const PreferenceValues& preferences,
                                        const FileFormat& format);
// False, leaving both untouched, unless data holds exactly one record; the preferences kept
// beside the record keep their values.
bool DecodeGlobalRecord(const uint8_t* data, size_t size, PreferenceValues& preferences,
                        FileFormat& format);
