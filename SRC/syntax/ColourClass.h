// Colour classes: what each stretch of a coloured line is, and the colours it gets by default.
#pragma once

#include <cstdint>
#include <string_view>

// The index of a class in the view's colour table. The numbers are stored in the settings
// record's colour table, so they never change.
enum class ColourClass : int32_t {
    NormalText = 0,
    SelectionMargin = 1, // drawn by the view, never produced by a parser
    SelectedText = 2,    // drawn by the view, never produced by a parser
    Keyword = 3,
    ClosingTag = 4,
    Number = 5,
    String = 6,
    Comment = 7,
    Operator = 8,
    Preprocessor = 9,
    User1 = 10,
    Function = 11,
    User2 = 12,
    Entity = 13,
    Unknown = 14,
    Error = 15,
};
constexpr int kColourClassCount = 16;

// A colour as 0xRRGGBB.
struct ColourPair {
    uint32_t text;
    uint32_t background;
};

// Where a class holds text that a reader of the document sees, which is what the spell checker
// reads: between the tags of markup (plain text there), or in the comments and strings of a
// program source. For HTML the parser tells more (ParseHtmlText): that normal text inside SCRIPT
// and STYLE elements is not read, and that the values of ALT and TITLE are.
enum class ReaderText : uint8_t { Nowhere, InMarkup, InSource };

// The default text and background colour of a class.
ColourPair DefaultColours(ColourClass colourClass);
// The colours the options page restores for "Automatic": the defaults, except the text colour
// of "&-values".
ColourPair AutomaticColours(ColourClass colourClass);
// The name users see for a class on the options page ("Normal text", "Tag/keyword", ...).
std::string_view ColourClassLabel(ColourClass colourClass);
// Where the class holds reader-visible text.
ReaderText ReaderTextOf(ColourClass colourClass);
