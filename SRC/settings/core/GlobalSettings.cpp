// The global settings record: defaults and the little-endian stored layout.
#include "settings/core/GlobalSettings.h"

#include "settings/core/RecordFields.h"

#include <algorithm>
#include <cassert>
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
                      &s.smartUndo,             &s.useTabs,       &s.tabSize};
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
    CRecordWriter w;
    const LogFont& f = s.font;
    for (int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
        w.Number(v);
    for (uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                      f.clipPrecision, f.quality, f.pitchAndFamily})
        w.Number(v);
    w.Copy(f.faceName);
    for (const StoredColours& pair : s.colours) {
        w.Number(pair.text);
        w.Number(pair.background);
    }
    w.Copy(s.browser1);
    w.Copy(s.browser2);
    for (const int32_t* v : NumberFields(s))
        w.Number(*v);
    w.Number(Number(s.codePage));
    w.Number(Number(s.lineEnding));
    assert(w.Size() == kSize);
    return std::vector<uint8_t>(w.Record().begin(), w.Record().end());
}

bool DecodeGlobalSettings(const uint8_t* data, size_t size, GlobalSettings& out)
{
    if (size != kSize)
        return false;
    GlobalSettings s;
    CRecordReader r(data, size);
    LogFont& f = s.font;
    for (int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight})
        *v = r.Number<int32_t>();
    for (uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                       &f.clipPrecision, &f.quality, &f.pitchAndFamily})
        *v = r.Number<uint8_t>();
    r.Copy(f.faceName);
    for (StoredColours& pair : s.colours) {
        pair.text = r.Number<uint32_t>();
        pair.background = r.Number<uint32_t>();
    }
    r.Copy(s.browser1);
    r.Copy(s.browser2);
    for (int32_t* v : NumberFields(s))
        *v = r.Number<int32_t>();
    s.codePage = static_cast<CodePage>(r.Number<int32_t>());
    s.lineEnding = static_cast<LineEnding>(r.Number<int32_t>());
    assert(r.Position() == kSize && !r.Short());
    out = s;
    return true;
}
