// The global settings record: defaults and the little-endian stored layout.
#include "settings/core/GlobalSettings.h"

#include "settings/core/ByteFields.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace global_record;

// The record keeps colours as 0x00BBGGRR; the colour classes give theirs as 0xRRGGBB.
uint32_t StoredColour(uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// The 32-bit fields after the browser paths, in stored order.
template <typename Settings>
auto NumberFields(Settings& s)
{
    return std::array{&s.rememberLastDirectory, &s.createBackups, &s.smoothScroll,
                      &s.selectionMargin,       &s.dragDropDisabled, &s.debugOn,
                      &s.saveBeforePreview,     &s.autoIndent,    &s.smartIndent,
                      &s.smartUndo,             &s.useTabs,       &s.tabSize,
                      &s.codePage,              &s.lineEnding};
}

template <size_t N>
std::string ZeroTerminated(const std::array<char, N>& field)
{
    return std::string(field.data(), strnlen(field.data(), N));
}

} // namespace

std::string LogFont::FaceName() const { return ZeroTerminated(faceName); }

std::string GlobalSettings::BrowserPath(int browser) const
{
    return ZeroTerminated(browser == 1 ? browser1 : browser2);
}

void GlobalSettings::SetBrowserPath(int browser, std::string_view path)
{
    auto& field = browser == 1 ? browser1 : browser2;
    field.fill(0);
    std::copy_n(path.begin(), std::min(path.size(), kBrowserPathSize - 1), field.begin());
}

StoredColours AutomaticStoredColours(ColourClass colourClass)
{
    const ColourPair rgb = AutomaticColours(colourClass);
    return {StoredColour(rgb.text), StoredColour(rgb.background)};
}

GlobalSettings DefaultGlobalSettings()
{
    GlobalSettings s;
    s.font.height = -13;
    s.font.charSet = 204;
    s.font.quality = 2;
    s.font.pitchAndFamily = 0x31;
    std::memcpy(s.font.faceName.data(), "Courier", 7);
    for (int c = 0; c < kColourClassCount; ++c) {
        const ColourPair rgb = DefaultColours(static_cast<ColourClass>(c));
        s.colours[c] = {StoredColour(rgb.text), StoredColour(rgb.background)};
    }
    s.rememberLastDirectory = 1;
    s.createBackups = 1;
    s.selectionMargin = 1;
    s.saveBeforePreview = 1;
    s.autoIndent = 1;
    s.smartIndent = 1;
    s.smartUndo = 1;
    s.useTabs = 1;
    s.tabSize = 4;
    return s;
}

std::vector<uint8_t> EncodeGlobalSettings(const GlobalSettings& s)
{
    std::vector<uint8_t> out(kSize, 0);
    ByteWriter w(out.data());
    const LogFont& f = s.font;
    for (int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
        w.Int32(v);
    for (uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                      f.clipPrecision, f.quality, f.pitchAndFamily})
        w.Byte(v);
    w.Bytes(f.faceName.data(), f.faceName.size());
    for (const StoredColours& pair : s.colours) {
        w.Uint32(pair.text);
        w.Uint32(pair.background);
    }
    w.Bytes(s.browser1.data(), s.browser1.size());
    w.Bytes(s.browser2.data(), s.browser2.size());
    for (const int32_t* v : NumberFields(s))
        w.Int32(*v);
    return out;
}

bool DecodeGlobalSettings(const uint8_t* data, size_t size, GlobalSettings& out)
{
    if (size != kSize)
        return false;
    GlobalSettings s;
    ByteReader r(data);
    LogFont& f = s.font;
    for (int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight})
        *v = r.Int32();
    for (uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                       &f.clipPrecision, &f.quality, &f.pitchAndFamily})
        *v = r.Byte();
    r.Bytes(f.faceName.data(), f.faceName.size());
    for (StoredColours& pair : s.colours) {
        pair.text = r.Uint32();
        pair.background = r.Uint32();
    }
    r.Bytes(s.browser1.data(), s.browser1.size());
    r.Bytes(s.browser2.data(), s.browser2.size());
    for (int32_t* v : NumberFields(s))
        *v = r.Int32();
    out = s;
    return true;
}
