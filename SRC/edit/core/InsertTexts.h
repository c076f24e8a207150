// The texts that colour and image insertion put around the selection, and the settings the
// colour and image dialogs keep.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class SettingsStore;

// A colour value 0x00BBGGRR as "#RRGGBB" in upper-case hexadecimal.
std::string ColourText(uint32_t colour);

// The open and close texts of an insertion; an empty text is absent.
struct TagTexts {
    std::string open;
    std::string close;
};
// Around a selection a FONT tag with the colour (unquoted); without one, the colour text alone.
TagTexts ColourInsertion(uint32_t colour, bool hasSelection);

// The colour dialog's 16 custom colours and its last colour, under "Settings\Color Picker".
using CustomColours = std::array<uint32_t, 16>;
struct ColourChoice {
    CustomColours custom;
    uint32_t last = 0;
};
// Missing or unreadable values give the defaults.
ColourChoice ReadColourChoice(const SettingsStore& store);
void WriteColourChoice(SettingsStore& store, const ColourChoice& choice);
ColourChoice DefaultColourChoice();

// The fields of the Insert Image dialog, in UTF-8 as the store keeps them. All but the
// alternative text are kept under "Settings\IMG".
struct ImageFields {
    std::string fileName, border, width, height, vSpace, hSpace, align, cssClass, style;
    std::string altText;
    friend bool operator==(const ImageFields&, const ImageFields&) = default;
};
ImageFields ReadImageFields(const SettingsStore& store); // the alternative text empty
void WriteImageFields(SettingsStore& store, const ImageFields& fields);

// The IMG tag with an attribute for each field that is not empty, values as typed (UTF-8).
std::string ImageTagText(const ImageFields& fields);

// The markup text with the names of its tags and attributes in lower case: "<IMG SRC=\"A.gif\">"
// gives "<img src=\"A.gif\">". Text between tags, attribute values and comments keep their
// case.
std::string LowerCaseTagNames(std::string_view text);

// The Align list's choices, sorted.
inline constexpr std::array<std::string_view, 9> kImageAlignChoices = {
    "absbottom", "absmiddle", "baseline", "bottom", "left", "middle", "right", "texttop", "top"};
