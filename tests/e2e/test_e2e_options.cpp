// The Options dialog in the real program, with the keyboard alone: a new tab size and a new
// keyword colour show in the view at once and are in the settings written at exit.
#include "E2eSupport.h"

#include "settings/core/GlobalRecord.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace {

constexpr char kMainWindow[] = "^Tagwright - ";

// How many pixels of the screen have a colour (0x00BBGGRR).
int ScreenPixels(const Profile& profile, uint32_t bbggrr)
{
    return CountPixels(ScreenHistogram(profile), bbggrr);
}

uint32_t RecordNumber(const QByteArray& record, size_t offset)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(record[static_cast<qsizetype>(offset) + i]);
    return value;
}

TEST(Options, TabSizeAndKeywordColourChosenWithTheKeyboardShowAndAreSaved)
{
    Profile profile;
    std::string page;
    for (int i = 0; i < 30; ++i)
        page += "<table><tr><td>cell</td></tr></table>\n";
    WriteFile(profile.File("page.html"), page);
    AppProcess app(profile, {"page.html"});
    const std::string window = WaitForWindow(app.Pid(), kMainWindow);
    ASSERT_FALSE(window.empty());
    ASSERT_TRUE(WaitUntil([&] { return WindowName(window) == "Tagwright - [page.html]"; }));

    const uint32_t oldKeyword = DefaultPreferences().colours[3].text;
    const uint32_t red = 0x0000FF;
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixels(profile, oldKeyword) > 100; }));
    EXPECT_LT(ScreenPixels(profile, red), 10);

    SendKeys(window, {"alt+F7"});
    const std::string dialog = WaitForWindow(app.Pid(), "^Options\\.\\.\\.$");
    ASSERT_FALSE(dialog.empty());
    SendKeys(dialog, {
                         // "Editing" is selected: into "Tab Size:", 8, back to the tree.
                         "Tab",
                         "ctrl+a",
                         "8",
                         "shift+Tab",
                         // "Format": the fourth class, "Tag/keyword", then its text colour.
                         "Down",
                         "Tab",
                         "Down",
                         "Down",
                         "Down",
                         "Tab",
                         "space",
                         // From no cell of the palette: cells 0, 8 and 16, "Red".
                         "Down",
                         "Down",
                         "Down",
                         "Return",
                         // Past "Background" and "Change Font" to OK.
                         "Tab",
                         "Tab",
                         "Tab",
                         "Return",
                     });
    EXPECT_TRUE(WaitUntil([&] { return FindWindows(app.Pid(), "^Options\\.\\.\\.$").empty(); }));
    // The view repainted the tags in the new colour.
    int redPixels = 0;
    EXPECT_TRUE(WaitUntil([&] {
        redPixels = ScreenPixels(profile, red);
        return redPixels > 100 && ScreenPixels(profile, oldKeyword) < 10;
    })) << redPixels
        << " pixels in the new keyword colour";

    SendKeys(window, {"alt+f", "x"});
    ASSERT_EQ(app.WaitExit(), 0);
    const QByteArray record =
        QSettings(QString::fromStdString(profile.SettingsFile()), QSettings::IniFormat)
            .value(QStringLiteral("Settings/GLOBAL"))
            .toByteArray();
    ASSERT_EQ(record.size(), static_cast<qsizetype>(global_record::kSize));
    EXPECT_EQ(RecordNumber(record, global_record::kTabSize), 8u);
    EXPECT_EQ(RecordNumber(record, global_record::kColours + 3 * 8), red);
}

} // namespace
