// The colour picker: its palette, the key navigation across cells and special entries, and
// the seen of choosing and cancelling with keys and the mouse.
#include "controls/ColourPicker.h"
#include "support/KeyClicks.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(ColourPalette, FortyNamedColoursRowByRow)
{
    const auto palette = PaletteColours();
    ASSERT_EQ(palette.size(), 40u);
    EXPECT_EQ(palette[0].colour, 0x000000u);
    EXPECT_EQ(palette[1].colour, 0x002AA5u);
    EXPECT_EQ(palette[16].name, "Red");
    EXPECT_EQ(palette[16].colour, 0x0000FFu);
    EXPECT_EQ(palette[35].name, "Pale green ");
    EXPECT_EQ(palette[39].name, "White");
    EXPECT_EQ(palette[39].colour, 0xFFFFFFu);
    std::set<std::string_view> names;
    for (const NamedColour& c : palette)
        names.insert(c.name);
    EXPECT_EQ(names.size(), 40u);
}

struct NavigationCase {
    int from;
    PickerKey key;
    bool automaticShown;
    bool moreShown;
    int to;
};

TEST(ColourPalette, KeyNavigation)
{
    constexpr int A = PICK_AUTOMATIC, M = PICK_MORE_COLOURS;
    using enum PickerKey;
    const NavigationCase cases[] = {
        {0, Right, true, true, 1},        {7, Right, true, true, 8}, // first cell of the next row
        {39, Right, true, true, M},       {M, Right, true, true, A},  {A, Right, true, true, 0},
        {39, Right, true, false, A},      {M, Right, false, true, 0}, {39, Right, false, false, 0},
        {8, Left, true, true, 7},         {0, Left, true, true, A},   {A, Left, true, true, M},
        {M, Left, true, true, 39},        {0, Left, false, true, M},  {0, Left, false, false, 39},
        {3, Down, true, true, 11},        {35, Down, true, true, M}, // the last row
        {M, Down, true, true, A},         {A, Down, true, true, 0},   {35, Down, true, false, A},
        {11, Up, true, true, 3},          {5, Up, true, true, A}, // the top row
        {A, Up, true, true, M},           {M, Up, true, true, 39},    {5, Up, false, true, M},
        {PICK_NONE, Down, true, true, 0},
    };
    for (const NavigationCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(static_cast<int>(c.key))
                     + (c.automaticShown ? " A" : "") + (c.moreShown ? " M" : ""));
        EXPECT_EQ(NextPickerEntry(c.from, c.key, {40, c.automaticShown, c.moreShown}), c.to);
    }
}

// A picker on its own window with a record of its seen.
class PickerTest : public testing::Test {
protected:
    PickerTest()
    {
        picker.resize(60, 24);
        picker.SetTrackSelection(true);
        picker.SetColour(kRed);
        const auto note = [this](const char* name) {
            return [this, name](uint32_t colour) { seen.emplace_back(name, colour); };
        };
        QObject::connect(&picker, &CColourPicker::selectionChanged, note("changed"));
        QObject::connect(&picker, &CColourPicker::dropDown, note("dropDown"));
        QObject::connect(&picker, &CColourPicker::closeUp, note("closeUp"));
        QObject::connect(&picker, &CColourPicker::selectionConfirmed, note("confirmed"));
        QObject::connect(&picker, &CColourPicker::selectionCancelled, note("cancelled"));
        picker.show();
    }

    CColourPopup* Open()
    {
        picker.click();
        seen.clear();
        return picker.Popup();
    }

    static void Mouse(QWidget* popup, QEvent::Type type, QPoint pos)
    {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, pos, popup->mapToGlobal(pos),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(popup, &event);
    }

    static constexpr uint32_t kRed = 0x0000FF; // cell 16

    CColourPicker picker;
    std::vector<std::pair<std::string, uint32_t>> seen;
};

using Signals = std::vector<std::pair<std::string, uint32_t>>;

TEST_F(PickerTest, EscapeAfterSeveralMovesCancelsWithTheInitialColour)
{
    CColourPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(picker.IsOpen());
    EXPECT_EQ(popup->Current(), 16);
    KeyClick(popup, Qt::Key_Right);
    KeyClick(popup, Qt::Key_Right);
    KeyClick(popup, Qt::Key_Down);
    // Track-selection: the button shows the highlighted colour.
    EXPECT_EQ(picker.Colour(), 0x00FFFFu);
    KeyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(seen, (Signals{{"changed", 0x5BADFF},
                             {"changed", 0x32CD32},
                             {"changed", 0x00FFFF},
                             {"closeUp", kRed},
                             {"cancelled", kRed}}));
    EXPECT_EQ(picker.Colour(), kRed);
    EXPECT_FALSE(picker.IsOpen());
}

TEST_F(PickerTest, PopupIsReadAsTheEntryItHighlights)
{
    CColourPopup* popup = Open();
    ASSERT_NE(popup, nullptr);
    const auto name = [popup] {
        return QAccessible::queryAccessibleInterface(popup)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(), PaletteColours()[16].name);
    KeyClick(popup, Qt::Key_Right);
    EXPECT_EQ(name(), PaletteColours()[17].name);
    for (int i = 0; i < 3; ++i) // up the rows to the entry above the grid
        KeyClick(popup, Qt::Key_Up);
    EXPECT_EQ(name(), "Automatic");
    KeyClick(popup, Qt::Key_Escape);
}

TEST_F(PickerTest, MoreColoursAsksForAColourAndItsCancelIsACancel)
{
    struct Case {
        std::optional<uint32_t> answer;
        Signals expected;
    };
    const Case cases[] = {
        {std::nullopt, {{"changed", kRed}, {"closeUp", kRed}, {"cancelled", kRed}}},
        {0x123456, {{"changed", kRed}, {"closeUp", 0x123456}, {"confirmed", 0x123456}}},
    };
    for (const Case& c : cases) {
        uint32_t asked = 0;
        picker.SetColour(kRed);
        picker.SetColourAsker([&](QWidget*, uint32_t initial) {
            asked = initial;
            return c.answer;
        });
        CColourPopup* popup = Open();
        // Down from cell 16 passes 24 and 32; then the last row leads to "More Colours...".
        KeyClick(popup, Qt::Key_Down);
        KeyClick(popup, Qt::Key_Down);
        seen.clear();
        KeyClick(popup, Qt::Key_Down);
        ASSERT_EQ(popup->Current(), PICK_MORE_COLOURS);
        KeyClick(popup, Qt::Key_Return);
        EXPECT_EQ(asked, kRed);
        EXPECT_EQ(seen, c.expected);
        EXPECT_EQ(picker.Colour(), c.expected.back().second);
        QApplication::processEvents();
    }
}

TEST_F(PickerTest, MouseChoosesAutomaticAndReleaseOutsideCancels)
{
    CColourPopup* popup = Open();
    const QPoint automatic = popup->EntryRect(PICK_AUTOMATIC).center();
    Mouse(popup, QEvent::MouseMove, automatic);
    Mouse(popup, QEvent::MouseButtonRelease, automatic);
    EXPECT_EQ(seen, (Signals{{"changed", kAutomaticColour},
                             {"closeUp", kAutomaticColour},
                             {"confirmed", kAutomaticColour}}));
    QApplication::processEvents();

    // From "Automatic" the popup starts on that entry.
    picker.SetColour(kRed);
    popup = Open();
    const QPoint cell = popup->EntryRect(5).center();
    Mouse(popup, QEvent::MouseButtonPress, cell);
    Mouse(popup, QEvent::MouseMove, cell);
    Mouse(popup, QEvent::MouseButtonRelease, QPoint(-5, popup->height() + 5));
    EXPECT_EQ(seen, (Signals{{"changed", 0x8B0000}, {"closeUp", kRed}, {"cancelled", kRed}}));
    EXPECT_EQ(picker.Colour(), kRed);
}

TEST_F(PickerTest, PopupStaysOnTheScreen)
{
    const QRect area = picker.screen()->availableGeometry();
    picker.move(area.right() - picker.width() + 1, area.bottom() - picker.height() + 1);
    CColourPopup* popup = Open();
    const QRect placed = popup->geometry();
    EXPECT_TRUE(area.contains(placed)) << placed.x() << "," << placed.y();
    EXPECT_LT(placed.bottom(), picker.mapToGlobal(QPoint(0, 0)).y());
    KeyClick(popup, Qt::Key_Escape);
}

TEST_F(PickerTest, EmptySpecialTextsLeaveTheirEntriesOut)
{
    picker.SetSpecialTexts(QString(), QStringLiteral("More Colours..."));
    CColourPopup* popup = Open();
    EXPECT_TRUE(popup->EntryRect(PICK_AUTOMATIC).isEmpty());
    // Up from the top row skips the missing "Automatic".
    KeyClick(popup, Qt::Key_Up);
    KeyClick(popup, Qt::Key_Up);
    KeyClick(popup, Qt::Key_Up);
    EXPECT_EQ(popup->Current(), PICK_MORE_COLOURS);
    KeyClick(popup, Qt::Key_Escape);
}

} // namespace
