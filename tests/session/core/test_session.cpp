// What the session keeps for the next run, over a store in memory.
#include "session/core/Session.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

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

TEST(SessionTest, EachFileOpensInThePageItLastHadAcrossARestartWithItsLineEndingDetected)
{
    MemorySettingsStore store;
    CSession first(store);
    first.Load();
    first.RememberFileFormat("/site/koi.html", {CodePage::Koi8R, LineEnding::Unix});
    first.RememberFileFormat("/site/utf 8.html", {CodePage::Utf8, LineEnding::Dos});
    // The page last chosen in a dialog never reaches another file.
    first.SetRememberedFormat({CodePage::Dos866, LineEnding::Macintosh});
    first.Save();

    CSession next(store);
    next.Load();
    const std::pair<const char*, CodePage> cases[] = {
        {"/site/koi.html", CodePage::Koi8R},
        {"/site/utf 8.html", CodePage::Utf8},
        {"/site/unknown.html", CodePage::Windows1251},
        {"/site/koi.html.bak", CodePage::Windows1251},
    };
    for (const auto& [path, page] : cases)
        EXPECT_EQ(next.FormatToOpen(path), (FileFormat{page, LineEnding::Auto})) << path;
}

TEST(SessionTest, FileFormatsKeepTheNewestWithinTheirBoundAndSkipDamagedValues)
{
    MemorySettingsStore store;
    store.WriteString("File Formats", "File1", "2 1 /ok/with space.html");
    int slot = 2;
    for (const char* damaged : {"9 0 /unknown/page", "1 7 /unknown/ending", "1 0 ", "abc", "1 0"})
        store.WriteString("File Formats", "File" + std::to_string(slot++), damaged);
    CSession session(store);
    session.Load();
    EXPECT_EQ(session.FormatToOpen("/ok/with space.html").codePage, CodePage::Koi8R);
    for (const char* path : {"/unknown/page", "/unknown/ending"})
        EXPECT_EQ(session.FormatToOpen(path).codePage, CodePage::Windows1251) << path;

    for (int i = 0; i <= FileFormats::kSize; ++i)
        session.RememberFileFormat("/f" + std::to_string(i), {CodePage::Dos866, LineEnding::Dos});
    session.RememberFileFormat("/f1", {CodePage::Utf8, LineEnding::Dos}); // the same file again
    session.Save();
    CSession next(store);
    next.Load();
    EXPECT_EQ(next.FormatToOpen("/ok/with space.html").codePage, CodePage::Windows1251);
    EXPECT_EQ(next.FormatToOpen("/f0").codePage, CodePage::Windows1251);
    EXPECT_EQ(next.FormatToOpen("/f1").codePage, CodePage::Utf8);
    EXPECT_EQ(next.FormatToOpen("/f2").codePage, CodePage::Dos866);
}

} // namespace
