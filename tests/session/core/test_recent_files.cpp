// The recent-file list and its place in the settings store.
#include "session/core/RecentFiles.h"
#include "settings/core/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace {

TEST(RecentFilesTest, NewestFirstWithoutDuplicatesAndAtMostNineThroughTheStore)
{
    RecentFiles recent;
    for (int i = 1; i <= 11; ++i)
        recent.Add("/f" + std::to_string(i));
    recent.Add("/f5");
    ASSERT_EQ(recent.Paths().size(), 9u);
    EXPECT_EQ(recent.Paths().front(), "/f5");
    EXPECT_EQ(recent.Paths()[1], "/f11");
    EXPECT_EQ(recent.Paths().back(), "/f3");
    recent.Remove(1);
    EXPECT_EQ(recent.Paths()[1], "/f10");

    MemorySettingsStore store;
    recent.Save(store);
    EXPECT_EQ(store.ReadString(kRecentFilesKey, "File1"), "/f5");
    RecentFiles loaded;
    loaded.Load(store);
    EXPECT_EQ(loaded.Paths(), recent.Paths());
}

} // namespace
