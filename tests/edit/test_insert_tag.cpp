// InsertTag around a selection or at the caret, and the colour and image texts.
#include "EditFixture.h"
#include "MemorySettings.h"

#include "edit/core/InsertTexts.h"
#include "text/EditActions.h"

#include <ostream>

namespace {

struct TagCase {
    const char* name;
    EditCaret in;
    const char* open;
    const char* close;
    std::string after;
    EditCaret caret;
};
void PrintTo(const TagCase& c, std::ostream* os) { *os << c.name; }

class InsertTagTest : public EditFixture, public testing::WithParamInterface<TagCase> {};

// On the line "a word b", "word" being characters 2-6.
TEST_P(InsertTagTest, PutsTheTextsAroundTheSelectionOrTheCaretAsOneStep)
{
    const TagCase& c = GetParam();
    SetLines({"a word b"});
    state = rules.InsertTag(c.in, c.open, c.close);
    EXPECT_EQ(Lines(), (TextLines{c.after}));
    EXPECT_EQ(state, c.caret);
    EXPECT_EQ(buffer.UndoRecordAt(0).action, ACTION_MACROS_INSERT);
    Undo();
    EXPECT_EQ(Lines(), (TextLines{"a word b"}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, InsertTagTest,
    testing::Values(
        TagCase{"selection", Sel({2, 0}, {6, 0}), "<B>", "</B>", "a <B>word</B> b", At(5, 0)},
        TagCase{"selectionBackward", Sel({6, 0}, {2, 0}), "<B>", "</B>", "a <B>word</B> b",
                At(5, 0)},
        TagCase{"selectionOpenOnly", Sel({2, 0}, {6, 0}), "<P>", "", "a <P>word b", At(5, 0)},
        TagCase{"selectionCloseOnly", Sel({2, 0}, {6, 0}), "", "-->", "a word--> b", At(9, 0)},
        TagCase{"caret", At(2, 0), "<B>", "</B>", "a <B></B>word b", At(5, 0)},
        TagCase{"caretOpenOnly", At(2, 0), "<BR>", "", "a <BR>word b", At(6, 0)},
        TagCase{"caretCloseOnly", At(2, 0), "", "</B>", "a </B>word b", At(2, 0)}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

using InsertTagCommandTest = EditFixture;

TEST_F(InsertTagCommandTest, WrapsASelectionOverLines)
{
    SetLines({"ab", "cd"});
    state = rules.InsertTag(Sel({1, 1}, {1, 0}), "<I>", "</I>");
    EXPECT_EQ(Lines(), (TextLines{"a<I>b", "c</I>d"}));
    EXPECT_EQ(state, At(4, 0));
}

TEST_F(InsertTagCommandTest, DoesNothingWithoutTextsOrOnAReadOnlyBuffer)
{
    SetLines({"ab"});
    EXPECT_EQ(rules.InsertTag(Sel({0, 0}, {2, 0}), "", ""), Sel({0, 0}, {2, 0}));
    buffer.SetReadOnly(true);
    rules.InsertTag(At(1, 0), "<B>", "</B>");
    EXPECT_EQ(Lines(), (TextLines{"ab"}));
    EXPECT_EQ(buffer.UndoRecordCount(), 0);
}

TEST(ColourInsertion, WritesTheColourAsRedGreenBlueInUpperCaseHex)
{
    EXPECT_EQ(ColourText(0x0000FF), "#FF0000");
    EXPECT_EQ(ColourText(0xA1B2C3), "#C3B2A1");
    const TagTexts around = ColourInsertion(0x0000FF, true);
    EXPECT_EQ(around.open, "<FONT color=#FF0000>");
    EXPECT_EQ(around.close, "</FONT>");
    const TagTexts alone = ColourInsertion(0x0000FF, false);
    EXPECT_EQ(alone.open, "#FF0000");
    EXPECT_EQ(alone.close, "");
}

TEST(ColourInsertion, KeepsTheCustomColoursAndTheLastColour)
{
    MemorySettings store;
    const ColourChoice defaults = ReadColourChoice(store);
    EXPECT_EQ(defaults.last, 0x808080u);
    EXPECT_EQ(defaults.custom[0], 0x404040u);
    EXPECT_EQ(defaults.custom[15], 0xFF8080u);

    ColourChoice chosen = defaults;
    chosen.custom[3] = 0x00FF0000;
    chosen.last = 0x0000FF;
    WriteColourChoice(store, chosen);
    const ColourChoice read = ReadColourChoice(store);
    EXPECT_EQ(read.custom, chosen.custom);
    EXPECT_EQ(read.last, 0x0000FFu);
    EXPECT_EQ(std::get<std::vector<uint8_t>>(store.values["Settings/Color Picker/Colors"]).size(),
              64u);

    // A value of the wrong size cannot be the 16 colours: the defaults stand in.
    store.WriteBinary("Settings/Color Picker", "Colors", "abc", 3);
    EXPECT_EQ(ReadColourChoice(store).custom, defaults.custom);
}

TEST(ImageInsertion, WritesTheFilledFieldsInAttributeOrder)
{
    ImageFields fields;
    fields.fileName = "pics/a b.gif";
    EXPECT_EQ(ImageTagText(fields), "<IMG src=\"pics/a b.gif\">");

    fields = {"f.jpg", "0", "640", "480", "2", "3", "any text", "c", "s:1", "alt"};
    EXPECT_EQ(ImageTagText(fields),
              "<IMG src=\"f.jpg\" border=\"0\" alt=\"alt\" align=\"any text\" class=\"c\" "
              "style=\"s:1\" height=\"480\" width=\"640\" hSpace=\"3\" vSpace=\"2\">");
}

TEST(ImageInsertion, KeepsEveryFieldButTheAlternativeText)
{
    MemorySettings store;
    const ImageFields fields = {"f.jpg", "0", "640", "480", "2", "3", "left", "c", "s:1", "alt"};
    WriteImageFields(store, fields);
    ImageFields expected = fields;
    expected.altText.clear();
    EXPECT_EQ(ReadImageFields(store), expected);
    EXPECT_EQ(store.ReadString("Settings/IMG", "VSpace"), "2");
    EXPECT_EQ(store.ReadString("Settings/IMG", "File name"), "f.jpg");
    EXPECT_EQ(store.values.size(), 9u);
}

TEST(LowerCaseTagNames, LowersNamesAndKeepsValuesTextAndComments)
{
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"<B>", "<b>"},
        {"</CENTER>", "</center>"},
        {"<FONT size=\"\" color=\"\">", "<font size=\"\" color=\"\">"},
        {"<IMG src=\"Pics/A.GIF\" hSpace=\"2\">", "<img src=\"Pics/A.GIF\" hspace=\"2\">"},
        {"<FONT color=#FF00AA>", "<font color=#FF00AA>"}, // an unquoted value
        {"<TD ALIGN=Left NOWRAP>", "<td align=Left nowrap>"},
        {"<A TITLE='It''s'>", "<a title='It''s'>"},
        {"<TITLE>Document Title</TITLE>\\l\\l", "<title>Document Title</title>\\l\\l"},
        {"<!--  -->", "<!--  -->"},
        {"<!-- <B> -->", "<!-- <B> -->"},
        {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">",
         "<!doctype html public \"-//W3C//DTD HTML 4.0//EN\">"},
        {"#FF0000", "#FF0000"},
        {"<P>\xC0\xC1", "<p>\xC0\xC1"}, // Cyrillic text stays
    };
    for (const auto& c : cases)
        EXPECT_EQ(LowerCaseTagNames(c.in), c.out) << c.in;
}

TEST(ImageInsertion, OffersTheAlignChoicesSorted)
{
    EXPECT_TRUE(std::is_sorted(kImageAlignChoices.begin(), kImageAlignChoices.end()));
    EXPECT_EQ(kImageAlignChoices.size(), 9u);
}

} // namespace
