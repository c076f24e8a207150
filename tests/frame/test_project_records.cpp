// The project tree's records: the root first, names cut by characters, paths kept whole.
#include "frame/core/ProjectRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(ProjectRecordsTest, RootComesFirstAndKindsDecideWhatGoesWhere)
{
    ProjectRecords records;
    ASSERT_EQ(records.Count(), 1);
    EXPECT_EQ(records.At(0).name, "Project");
    EXPECT_EQ(records.At(0).kind, PROJECT_ROOT);
    const int folder = records.Add("Pages", {}, PROJECT_FOLDER);
    const int file = records.Add("index.html", "/srv/index.html", PROJECT_FILE);
    EXPECT_TRUE(records.HoldsFolders(0));
    EXPECT_TRUE(records.HoldsFolders(folder));
    EXPECT_FALSE(records.HoldsFolders(file));
    EXPECT_TRUE(records.IsFile(file));
    EXPECT_FALSE(records.IsFile(folder));
    EXPECT_FALSE(records.IsFile(-1));
    EXPECT_FALSE(records.IsFile(records.Count()));
}

TEST(ProjectRecordsTest, LongNamesAreCutByCharactersAndPathsKeptWhole)
{
    ProjectRecords records;
    // 300 two-byte Cyrillic letters: 260 of them stay, none cut in half.
    std::string cyrillic;
    for (int i = 0; i < 300; ++i)
        cyrillic += "\xD0\x96";
    const std::string path = "/home/user/" + std::string(400, 'd') + "/page.html";
    const int index = records.Add(cyrillic, path, PROJECT_FILE);
    EXPECT_EQ(records.At(index).name, cyrillic.substr(0, 520));
    EXPECT_EQ(records.At(index).path, path);
    EXPECT_EQ(records.At(records.Add(std::string(261, 'n'), {}, PROJECT_FOLDER)).name,
              std::string(260, 'n'));
    EXPECT_EQ(CutUtf8("ab", 5), "ab");
}

} // namespace
