// The global settings record's little-endian layout.
#include "settings/core/GlobalRecord.h"

#include "settings/core/RecordFields.h"

#include <array>
#include <cassert>

namespace {

using namespace global_record;

// The 32-bit numbers after the browser paths, in stored order.
template <typename Values>
auto NumberFields(Values& v)
{
    return std::array{
        &v.rememberLastDirectory, &v.createBackups, &v.smoothScroll,      &v.selectionMargin,
        &v.dragDropDisabled,      &v.debugOn,       &v.saveBeforePreview, &v.autoIndent,
        &v.smartIndent,           &v.smartUndo,     &v.useTabs,           &v.tabSize};
}

} // namespace

std::vector<uint8_t> EncodeGlobalRecord(const PreferenceValues& p, const FileFormat& format)
{
    CRecordWriter w;
    const LogFont& f = p.font;
    for (int32_t v : {f.height, f.width, f.escapement, f.orientation, f.weight})
        w.Number(v);
    for (uint8_t v : {f.italic, f.underline, f.strikeOut, f.charSet, f.outPrecision,
                      f.clipPrecision, f.quality, f.pitchAndFamily})
        w.Number(v);
    w.Copy(f.faceName);
    for (const StoredColours& pair : p.colours) {
        w.Number(pair.text);
        w.Number(pair.background);
    }
    w.Copy(p.browser1);
    w.Copy(p.browser2);
    for (const int32_t* v : NumberFields(p))
        w.Number(*v);
    w.Number(Number(format.codePage));
    w.Number(Number(format.lineEnding));
    assert(w.Size() == kSize);
    return std::vector<uint8_t>(w.Record().begin(), w.Record().end());
}

bool DecodeGlobalRecord(const uint8_t* data, size_t size, PreferenceValues& preferences,
                        FileFormat& format)
{
    if (size != kSize)
        return false;
    PreferenceValues p = preferences;
    CRecordReader r(data, size);
    LogFont& f = p.font;
    for (int32_t* v : {&f.height, &f.width, &f.escapement, &f.orientation, &f.weight})
        *v = r.Number<int32_t>();
    for (uint8_t* v : {&f.italic, &f.underline, &f.strikeOut, &f.charSet, &f.outPrecision,
                       &f.clipPrecision, &f.quality, &f.pitchAndFamily})
        *v = r.Number<uint8_t>();
    r.Copy(f.faceName);
    for (StoredColours& pair : p.colours) {
        pair.text = r.Number<uint32_t>();
        pair.background = r.Number<uint32_t>();
    }
    r.Copy(p.browser1);
    r.Copy(p.browser2);
    for (int32_t* v : NumberFields(p))
        *v = r.Number<int32_t>();
    format.codePage = static_cast<CodePage>(r.Number<int32_t>());
    format.lineEnding = static_cast<LineEnding>(r.Number<int32_t>());
    assert(r.Position() == kSize && !r.Short());
    preferences = p;
    return true;
}
