// Colour texts, the IMG tag, tag names in lower case and the settings of the colour and image
// dialogs.
#include "edit/core/InsertTexts.h"

#include "edit/core/MarkupScanner.h"
#include "settings/core/RecordFields.h"
#include "settings/core/SettingsStore.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view kColourKey = "Settings/Color Picker";
constexpr std::string_view kImageKey = "Settings/IMG";
constexpr uint32_t kDefaultLastColour = 0x808080;
constexpr CustomColours kDefaultCustomColours = {
    0x404040, 0x404080, 0x408080, 0x808080, 0x804040, 0x408040, 0x808040, 0x8080C0,
    0x80C080, 0xC08080, 0x8080E0, 0x80E080, 0xE08080, 0x8080FF, 0x80FF80, 0xFF8080,
};

// The stored fields: value names and their members, in the order they are kept.
struct StoredField {
    std::string_view name;
    std::string ImageFields::*member;
};
constexpr StoredField kStoredFields[] = {
    {"File name", &ImageFields::fileName}, {"Border", &ImageFields::border},
    {"Width", &ImageFields::width},        {"Height", &ImageFields::height},
    {"VSpace", &ImageFields::vSpace},      {"HSpace", &ImageFields::hSpace},
    {"Align", &ImageFields::align},        {"Class", &ImageFields::cssClass},
    {"Style", &ImageFields::style},
};

// The tag's attributes in the order they are written.
struct TagAttribute {
    std::string_view text;
    std::string ImageFields::*member;
};
constexpr TagAttribute kTagAttributes[] = {
    {" src=\"", &ImageFields::fileName},   {" border=\"", &ImageFields::border},
    {" alt=\"", &ImageFields::altText},    {" align=\"", &ImageFields::align},
    {" class=\"", &ImageFields::cssClass}, {" style=\"", &ImageFields::style},
    {" height=\"", &ImageFields::height},  {" width=\"", &ImageFields::width},
    {" hSpace=\"", &ImageFields::hSpace},  {" vSpace=\"", &ImageFields::vSpace},
};

} // namespace

std::string ColourText(uint32_t colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return text;
}

TagTexts ColourInsertion(uint32_t colour, bool hasSelection)
{
    if (hasSelection)
        return {"<FONT color=" + ColourText(colour) + ">", "</FONT>"};
    return {ColourText(colour), {}};
}

ColourChoice DefaultColourChoice() { return {kDefaultCustomColours, kDefaultLastColour}; }

ColourChoice ReadColourChoice(const SettingsStore& store)
{
    ColourChoice choice = DefaultColourChoice();
    const std::optional<std::vector<uint8_t>> bytes = store.ReadBytes(kColourKey, "Colors");
    if (bytes && bytes->size() == choice.custom.size() * sizeof(uint32_t)) {
        CRecordReader r(bytes->data(), bytes->size());
        for (uint32_t& colour : choice.custom)
            colour = r.Number<uint32_t>();
    }
    choice.last = static_cast<uint32_t>(
        store.ReadNumber(kColourKey, "Last", static_cast<int32_t>(kDefaultLastColour)));
    return choice;
}

void WriteColourChoice(SettingsStore& store, const ColourChoice& choice)
{
    CRecordWriter w;
    for (const uint32_t colour : choice.custom)
        w.Number(colour);
    store.WriteBinary(kColourKey, "Colors", w.Record().data(), w.Size());
    store.WriteNumber(kColourKey, "Last", static_cast<int32_t>(choice.last));
}

ImageFields ReadImageFields(const SettingsStore& store)
{
    ImageFields fields;
    for (const StoredField& f : kStoredFields)
        fields.*f.member = store.ReadString(kImageKey, f.name);
    return fields;
}

void WriteImageFields(SettingsStore& store, const ImageFields& fields)
{
    for (const StoredField& f : kStoredFields)
        store.WriteString(kImageKey, f.name, fields.*f.member);
}

std::string ImageTagText(const ImageFields& fields)
{
    std::string tag = "<IMG";
    for (const TagAttribute& a : kTagAttributes) {
        const std::string& value = fields.*a.member;
        if (!value.empty())
            tag.append(a.text).append(value).append("\"");
    }
    return tag + ">";
}

std::string LowerCaseTagNames(std::string_view text)
{
    std::string out(text);
    CMarkupScanner scanner;
    for (size_t i = 0; i < out.size(); ++i) {
        if (scanner.Next() == CMarkupScanner::Where::Names && out[i] >= 'A' && out[i] <= 'Z')
            out[i] = static_cast<char>(out[i] - 'A' + 'a');
        scanner.Pass(text, i);
    }
    return out;
}
