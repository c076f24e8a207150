// What the session keeps for the next run, over a store in memory.
#include "session/core/Session.h"
#include "settings/core/SettingsStore.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionTest, EveryRunStartsWithTheDefaultFormatWhateverTheLastOneRemembered)
{
    MemorySettingsStore store;
    CSession first(store);
    first.Load();
    EXPECT_EQ(first.RememberedFormat(), (FileFormat{CodePage::Windows1251, LineEnding::Auto}));
    first.SetRememberedFormat({CodePage::Koi8R, LineEnding::Unix});
    first.Recent().Add("/site/a.html");
    first.Save();

    CSession next(store);
    next.SetRememberedFormat({CodePage::Utf8, LineEnding::Dos});
    next.Load();
    EXPECT_EQ(next.RememberedFormat(), (FileFormat{CodePage::Windows1251, LineEnding::Auto}));
    EXPECT_EQ(next.Recent().Paths(), std::vector<std::string>{"/site/a.html"});
}

TEST(SessionTest, FoldersPreviewAndWindowLayoutComeBackFromTheStore)
{
    MemorySettingsStore store;
    {
        CSession session(store);
        session.SetLastOpenFolder("/home/u/open");
        session.SetLastSaveFolder("/home/u/save");
        session.SetPendingPreview("/tmp/x/~TagwrightPreview.HTML");
        session.SaveWindowLayout({{1, 2, 3}, {4, 5}});
    } // the session itself is never saved
    EXPECT_EQ(store.ReadString("Settings/LastFiles", "LastOpenPath"), "/home/u/open");
    EXPECT_EQ(store.ReadString("Settings/LastFiles", "LastSavePath"), "/home/u/save");
    EXPECT_EQ(store.ReadBytes(kSettingsKey, "WindowState"), (std::vector<uint8_t>{4, 5}));

    const CSession next(store);
    EXPECT_EQ(next.LastOpenFolder(), "/home/u/open");
    EXPECT_EQ(next.LastSaveFolder(), "/home/u/save");
    EXPECT_EQ(next.PendingPreview(), "/tmp/x/~TagwrightPreview.HTML");
    const WindowLayout layout = next.ReadWindowLayout();
    EXPECT_EQ(layout.geometry, (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(layout.state, (std::vector<uint8_t>{4, 5}));
    MemorySettingsStore empty;
    EXPECT_TRUE(CSession(empty).ReadWindowLayout().geometry.empty());
}

} // namespace
