// tw-find and tw-replace: the output the checks read, and their exit statuses.
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kFind = TW_BUILD_DIR "/tw-find";
const std::string kReplace = TW_BUILD_DIR "/tw-replace";

TEST(SearchDriversTest, FindPrintsTheMatchOrItsAbsence)
{
    TempDir dir;
    const std::string file = dir.File("in.txt");
    WriteFile(file, "ab\ncd ab\n\xEF\xF0\xE8\n");
    std::string out;
    EXPECT_EQ(RunCommand(kFind + " ab " + file, &out), 0);
    EXPECT_EQ(out, "found 0:0 len=2\n");
    EXPECT_EQ(RunCommand(kFind + " --from 0:1 --case ab " + file, &out), 0);
    EXPECT_EQ(out, "found 1:3 len=2\n");
    EXPECT_EQ(RunCommand(kFind + " --up --from 1:3 --wrap ab " + file, &out), 0);
    EXPECT_EQ(out, "found 0:0 len=2\n");
    EXPECT_EQ(RunCommand(kFind + " --regex 'b\\nc' " + file, &out), 0);
    EXPECT_EQ(out, "found 0:1 len=3\n");
    // The page decides the letters: these bytes are KOI8-R for the same word upper-cased.
    WriteFile(dir.File("koi.txt"), "\xF0\xF2\xE9\n");
    EXPECT_EQ(RunCommand(kFind + " --page 2 \"$(printf '\\357\\360\\350')\" " + dir.File("koi.txt"),
                         &out),
              0);
    EXPECT_EQ(out, "found 0:0 len=3\n");
    EXPECT_EQ(RunCommand(kFind + " --bench --word a " + file, &out), 0);
    EXPECT_EQ(out.substr(0, 10), "not found\n");
    EXPECT_EQ(out.substr(10, 10), "search_ms=");
    EXPECT_EQ(RunCommand(kFind + " --regex '[z-a]' " + file + " 2>/dev/null", &out), 1);
    EXPECT_EQ(RunCommand(kFind + " a " + dir.File("missing") + " 2>/dev/null", &out), 1);
}

TEST(SearchDriversTest, ReplaceSavesInTheFilesOwnFormAndUndoesWhole)
{
    TempDir dir;
    const std::string in = dir.File("in.txt");
    const std::string out = dir.File("out.txt");
    const std::string original = "<td a>x</td>\n<td>\n";
    WriteFile(in, original);
    std::string printed;
    EXPECT_EQ(
        RunCommand(kReplace + " --regex '\\<(/?)td([ >])' '<\\1TD\\2' " + in + " " + out, &printed),
        0);
    EXPECT_EQ(printed, "replaced=3 undo_steps=1\n");
    EXPECT_EQ(ReadFile(out), "<TD a>x</TD>\n<TD>\n");
    EXPECT_EQ(RunCommand(kReplace + " --selection 0:1-1:1 td X " + in + " " + out, &printed), 0);
    EXPECT_EQ(printed, "replaced=2 undo_steps=1\n");
    EXPECT_EQ(ReadFile(out), "<X a>x</X>\n<td>\n");
    // Whole file covers the occurrence above the caret too.
    EXPECT_EQ(RunCommand(kReplace + " --undo --from 0:5 td TD " + in + " " + out, &printed), 0);
    EXPECT_EQ(printed, "replaced=3 undo_steps=1\n");
    EXPECT_EQ(ReadFile(out), original);
    EXPECT_EQ(RunCommand(kReplace + " q r " + in + " " + out, &printed), 0);
    EXPECT_EQ(printed, "replaced=0 undo_steps=0\n");
    EXPECT_EQ(
        RunCommand(kReplace + " --regex '(t)' '\\2' " + in + " " + out + " 2>/dev/null", &printed),
        1);
    EXPECT_EQ(printed, "replaced=0 undo_steps=0\n");
    EXPECT_EQ(ReadFile(out), original);
}

} // namespace
