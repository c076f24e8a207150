// Recovery files: format, damage, folders of two instances, the write schedule and the diff.
#include "recovery/core/RecoveryFile.h"
#include "recovery/core/RecoveryFolder.h"
#include "recovery/core/RecoverySchedule.h"
#include "support/LinesSource.h"
#include "support/TempDir.h"
#include "text/UnifiedDiff.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

LinesSource LinesOf(const std::vector<std::string>& lines) { return LinesSource(lines); }

RecoveryInfo SampleInfo()
{
    RecoveryInfo info;
    info.path = "/home/u/Мои документы/страница 1.html";
    info.codePage = CodePage::Iso8859_5;
    info.lineEnding = LineEnding::Unix;
    info.sourceType = SourceType::Html;
    info.writeTime = 1'800'000'000;
    info.diskTime = 1'799'999'999'123'456'789;
    info.diskSize = 12345;
    info.lossyBytes = 18;
    info.diskIdentity = true;
    info.diskDevice = 0x803;
    info.diskInode = 0x1234567890;
    info.diskHash = 0xFEDCBA9876543210;
    return info;
}

int Mode(const std::string& path)
{
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 0777;
}

TEST(RecoveryFileTest, EveryByteValueAndThePathSurviveTheRoundTrip)
{
    // Every byte but CR can sit in a line; LF too, at either end of one.
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r')
            all.push_back(static_cast<char>(b));
    const std::vector<std::string> lines = {all, "", "\nlead", "trail\n", "последняя"};
    RecoveryInfo untitled;
    untitled.title = "Untitled3";
    untitled.diskIdentity = true; // always written
    for (const RecoveryInfo& info : {SampleInfo(), untitled}) {
        TempDir dir;
        int error = 0;
        ASSERT_TRUE(WriteRecoveryFile(dir.File("a.twr"), info, LinesOf(lines), error)) << error;
        EXPECT_EQ(Mode(dir.File("a.twr")), 0600);
        const RecoveryReadResult read = ReadRecoveryFile(dir.File("a.twr"));
        ASSERT_TRUE(read.Ok()) << RecoveryStatusText(read.status);
        EXPECT_EQ(read.info, info);
        EXPECT_EQ(SplitRecoveryLines(read.text),
                  std::vector<std::string_view>(lines.begin(), lines.end()));
    }
}

TEST(RecoveryFileTest, DamagedAndCutFilesAreReportedAndKept)
{
    const std::vector<std::string> lines = {"hello", "world"};
    const std::string good = EncodeRecoveryFile(SampleInfo(), LinesOf(lines));
    std::string flipped = good;
    flipped[flipped.size() - 8] ^= 0x20;
    std::string hugeLength = good;
    hugeLength[12] = '\xff'; // the header length
    const struct {
        std::string bytes;
        RecoveryReadStatus status;
    } cases[] = {
        {"", RecoveryReadStatus::Truncated},
        {"TWREC", RecoveryReadStatus::Truncated},
        {"<html>not ours</html>", RecoveryReadStatus::NotRecoveryFile},
        {good.substr(0, good.size() - 1), RecoveryReadStatus::Truncated},
        {good.substr(0, good.size() / 2), RecoveryReadStatus::Truncated},
        {good + "x", RecoveryReadStatus::Damaged},
        {flipped, RecoveryReadStatus::Damaged},
        {hugeLength, RecoveryReadStatus::Truncated},
    };
    for (const auto& c : cases) {
        TempDir dir;
        WriteFile(dir.File("x.twr"), c.bytes);
        EXPECT_EQ(ReadRecoveryFile(dir.File("x.twr")).status, c.status) << c.bytes.size();
        EXPECT_EQ(ReadFile(dir.File("x.twr")), c.bytes);
    }
    // Every cut of a good file is caught.
    for (size_t cut = 0; cut < good.size(); ++cut)
        EXPECT_FALSE(DecodeRecoveryFile(std::string_view(good).substr(0, cut)).Ok()) << cut;

    std::string newer = good;
    newer[8] = kRecoveryVersion + 1;
    EXPECT_EQ(DecodeRecoveryFile(newer).status, RecoveryReadStatus::NewerVersion);
}

TEST(RecoveryFileTest, CopiesOfBothVersionsRead)
{
    // The first version did not keep the lossy byte count: none is assumed.
    const struct {
        const char* seed;
        int64_t lossyBytes;
    } cases[] = {{"koi8r", 0}, {"lossy-v2", 18}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seed);
        const RecoveryReadResult read =
            ReadRecoveryFile(std::string(TW_SOURCE_DIR "/tests/fuzz/corpus/recovery/") + c.seed);
        ASSERT_TRUE(read.Ok()) << RecoveryStatusText(read.status);
        EXPECT_EQ(read.info.lossyBytes, c.lossyBytes);
        EXPECT_FALSE(read.info.path.empty());
        EXPECT_FALSE(read.text.empty());
    }
}

// Whatever stands in the folder under a copy's name, reading it answers at once and takes no
// more memory than a real copy of that size could need.
TEST(RecoveryFileTest, PipesFoldersLinksAndHugeFilesAreRefusedWithoutReadingThem)
{
    TempDir dir;
    const std::vector<std::string> lines = {"hello"};
    int error = 0;
    ASSERT_TRUE(WriteRecoveryFile(dir.File("good.twr"), SampleInfo(), LinesOf(lines), error));
    const std::string good = ReadFile(dir.File("good.twr"));
    // A real start whose text length claims far more than the file holds.
    std::string claimsMore = good;
    claimsMore[claimsMore.size() - 4 - lines[0].size() - 2] = '\x7f';

    const struct {
        const char* name;
        std::function<bool(const std::string&)> make;
        RecoveryReadStatus status;
    } cases[] = {
        {"pipe", [](const std::string& p) { return mkfifo(p.c_str(), 0600) == 0; },
         RecoveryReadStatus::NotAFile},
        {"folder", [](const std::string& p) { return mkdir(p.c_str(), 0700) == 0; },
         RecoveryReadStatus::NotAFile},
        {"link",
         [&](const std::string& p) {
             return symlink(dir.File("good.twr").c_str(), p.c_str()) == 0;
         },
         RecoveryReadStatus::NotAFile},
        {"sparse 200 GB",
         [](const std::string& p) { return truncate(p.c_str(), int64_t(200) << 30) == 0; },
         RecoveryReadStatus::TooLarge},
        {"sparse 4 GB after a good start",
         [&](const std::string& p) {
             WriteFile(p, good);
             return truncate(p.c_str(), int64_t(4) << 30) == 0;
         },
         RecoveryReadStatus::TooLarge},
        {"text longer than the file",
         [&](const std::string& p) {
             WriteFile(p, claimsMore);
             return true;
         },
         RecoveryReadStatus::Truncated},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.File(std::string(c.name) + ".twr");
        if (std::string(c.name).starts_with("sparse"))
            WriteFile(path, "");
        if (!c.make(path)) {
            ADD_FAILURE() << "cannot make it here: " << std::strerror(errno);
            continue;
        }
        EXPECT_EQ(ReadRecoveryFile(path).status, c.status);
    }
}

TEST(RecoveryFileTest, ACopyTooLargeToBeReadAgainIsNotWritten)
{
    const size_t gigabyte = size_t(1) << 30;
    void* pages =
        mmap(nullptr, gigabyte, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    const std::string_view line(static_cast<const char*>(pages), gigabyte);
    // Lines that only claim their length: the pages are never touched.
    struct ClaimedLines final : CTextLines {
        std::string_view line;
        int LineCount() const override { return 2; }
        std::string_view Line(int) const override { return line; }
    } lines;
    lines.line = line;
    TempDir dir;
    int error = 0;
    EXPECT_FALSE(WriteRecoveryFile(dir.File("a.twr"), SampleInfo(), lines, error));
    EXPECT_EQ(error, EFBIG);
    EXPECT_FALSE(FileExists(dir.File("a.twr")));
    munmap(pages, gigabyte);
}

TEST(RecoveryFileTest, AFailedWriteKeepsTheOldCopyAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::vector<std::string> first = {"first"};
    int error = 0;
    ASSERT_TRUE(WriteRecoveryFile(dir.File("a.twr"), SampleInfo(), LinesOf(first), error));
    const std::string before = ReadFile(dir.File("a.twr"));
    EXPECT_FALSE(WriteRecoveryFile(dir.File("missing/a.twr"), SampleInfo(), LinesOf(first), error));
    EXPECT_EQ(error, ENOENT);
    // A folder in the way of the rename.
    mkdir(dir.File("b.twr").c_str(), 0700);
    WriteFile(dir.File("b.twr/keep"), "x");
    EXPECT_FALSE(WriteRecoveryFile(dir.File("b.twr"), SampleInfo(), LinesOf(first), error));
    std::string listing;
    RunCommand("ls -A " + dir.Path(), &listing);
    EXPECT_EQ(listing, "a.twr\nb.twr\n");
    EXPECT_EQ(ReadFile(dir.File("a.twr")), before);
}

TEST(RecoveryFolderTest, TwoInstancesNeverShareAndLeftoversAreThoseNobodyHolds)
{
    TempDir dir;
    const std::string root = dir.File("state/tagwright/recovery");
    int error = 0;
    auto first = CreateRecoveryFolder(root, error);
    auto second = CreateRecoveryFolder(root, error);
    ASSERT_TRUE(first && second);
    EXPECT_NE(first->Path(), second->Path());
    EXPECT_EQ(Mode(root), 0700);
    EXPECT_EQ(Mode(first->Path()), 0700);
    const std::vector<std::string> text = {"typed"};
    ASSERT_TRUE(WriteRecoveryFile(first->FileFor(1), SampleInfo(), LinesOf(text), error));
    ASSERT_TRUE(WriteRecoveryFile(second->FileFor(1), SampleInfo(), LinesOf(text), error));

    // Both run: nothing is left over, for either of them.
    EXPECT_TRUE(ClaimLeftoverFolders(root).empty());

    // The first ends without cleaning up: a third start claims its folder, once.
    const std::string firstPath = first->Path();
    first.reset();
    auto claimed = ClaimLeftoverFolders(root);
    ASSERT_EQ(claimed.size(), 1u);
    EXPECT_EQ(claimed[0]->Path(), firstPath);
    EXPECT_EQ(claimed[0]->Files(), std::vector<std::string>{"doc1.twr"});
    EXPECT_TRUE(ClaimLeftoverFolders(root).empty());

    // Restored into the claiming run's folder: the leftover is empty and goes.
    auto third = CreateRecoveryFolder(root, error);
    ASSERT_TRUE(MoveRecoveryFile(claimed[0]->Path() + "/doc1.twr", third->FileFor(5), error));
    EXPECT_TRUE(claimed[0]->RemoveIfEmpty());
    EXPECT_FALSE(FileExists(firstPath));
    EXPECT_TRUE(ReadRecoveryFile(third->FileFor(5)).Ok());

    // An empty folder of an ended run is removed without being offered.
    auto empty = CreateRecoveryFolder(root, error);
    const std::string emptyPath = empty->Path();
    empty.reset();
    EXPECT_TRUE(ClaimLeftoverFolders(root).empty());
    EXPECT_FALSE(FileExists(emptyPath));
}

TEST(RecoveryFolderTest, TheRootFollowsTheStateFolderVariable)
{
    const char* saved = std::getenv("XDG_STATE_HOME");
    const std::string keep = saved ? saved : "";
    setenv("XDG_STATE_HOME", "/s", 1);
    EXPECT_EQ(DefaultRecoveryRoot(), "/s/tagwright/recovery");
    setenv("XDG_STATE_HOME", "relative", 1);
    EXPECT_EQ(DefaultRecoveryRoot(),
              std::string(std::getenv("HOME")) + "/.local/state/tagwright/recovery");
    setenv("XDG_STATE_HOME", keep.c_str(), 1);
}

class ScheduleTest : public testing::Test {
protected:
    int64_t now = 0;
    RecoverySchedule schedule{[this] { return now; }};

    // Advances the clock to the next due time and performs the step.
    RecoveryStep RunUntilDue()
    {
        const auto in = schedule.DueIn();
        if (!in)
            return RecoveryStep::None;
        now += *in;
        return schedule.Next();
    }
};

TEST_F(ScheduleTest, WritesTwoSecondsAfterTheLastChangeAndAtLatestEveryThirtyWhileTyping)
{
    EXPECT_EQ(schedule.DueIn(), std::nullopt);
    schedule.OnTextChanged(true);
    now = 1500;
    schedule.OnTextChanged(true);
    EXPECT_EQ(schedule.DueIn(), 2000);
    now = 3499;
    EXPECT_EQ(schedule.Next(), RecoveryStep::None);
    now = 3500;
    EXPECT_EQ(schedule.Next(), RecoveryStep::Write);
    schedule.OnWriteFinished(true);
    EXPECT_EQ(schedule.DueIn(), std::nullopt);

    // A key every second never leaves 2 s idle: each write comes 30 s after the first change
    // it did not hold yet.
    int64_t firstUnwritten = now;
    std::vector<int64_t> waits;
    for (int i = 0; i < 65; ++i, now += 1000) {
        schedule.OnTextChanged(true);
        if (schedule.Next() == RecoveryStep::Write) {
            waits.push_back(now - firstUnwritten);
            firstUnwritten = now + 1000;
            schedule.OnWriteFinished(true);
        }
    }
    EXPECT_EQ(waits, (std::vector<int64_t>{30000, 30000}));
}

TEST_F(ScheduleTest, ChangesDuringAWriteWaitForTheNextAndAFailedWriteIsRetriedAfterAPause)
{
    schedule.OnTextChanged(true);
    EXPECT_EQ(RunUntilDue(), RecoveryStep::Write);
    schedule.OnTextChanged(true);
    EXPECT_EQ(schedule.DueIn(), std::nullopt); // one write at a time
    schedule.OnWriteFinished(true);
    EXPECT_EQ(RunUntilDue(), RecoveryStep::Write);
    schedule.OnWriteFinished(false);
    EXPECT_TRUE(schedule.HasFile()); // the first copy is still there
    EXPECT_EQ(schedule.DueIn(), 2000);
}

TEST_F(ScheduleTest, AnExitRequestMakesAWaitingWriteDueAtOnce)
{
    schedule.OnTextChanged(true);
    schedule.OnExitRequested();
    EXPECT_EQ(schedule.DueIn(), 0);
    EXPECT_EQ(schedule.Next(), RecoveryStep::Write);
}

TEST_F(ScheduleTest, TheFileGoesOnceTheTextIsSavedUndoneOrDiscardedAndOnlyThen)
{
    enum Event { Save, UndoToSaved, CloseWithoutSaving };
    for (const Event event : {Save, UndoToSaved, CloseWithoutSaving}) {
        RecoverySchedule s([this] { return now; });
        s.OnTextChanged(true);
        now += 2000;
        ASSERT_EQ(s.Next(), RecoveryStep::Write);
        s.OnWriteFinished(true);
        if (event == Save)
            s.OnModifiedChanged(false);
        else if (event == UndoToSaved)
            s.OnTextChanged(false);
        else
            s.OnClosedWithoutSaving();
        EXPECT_EQ(s.Next(), RecoveryStep::Delete) << event;
        s.OnDeleted();
        EXPECT_EQ(s.Next(), RecoveryStep::None);
        EXPECT_EQ(s.DueIn(), std::nullopt);
    }

    // Undone to the saved state while the write runs: the copy it makes goes after it.
    schedule.OnTextChanged(true);
    ASSERT_EQ(RunUntilDue(), RecoveryStep::Write);
    schedule.OnTextChanged(false);
    EXPECT_EQ(schedule.Next(), RecoveryStep::None);
    schedule.OnWriteFinished(true);
    EXPECT_EQ(schedule.Next(), RecoveryStep::Delete);

    // A failed first write leaves nothing to delete.
    RecoverySchedule failed([this] { return now; });
    failed.OnTextChanged(true);
    now += 2000;
    ASSERT_EQ(failed.Next(), RecoveryStep::Write);
    failed.OnTextChanged(false);
    failed.OnWriteFinished(false);
    EXPECT_EQ(failed.Next(), RecoveryStep::None);
}

TEST(RecoveryDiffTest, ShowsChangesWithContextAndNothingForEqualTexts)
{
    const struct {
        std::string before, after, diff;
    } cases[] = {
        {"a\r\nb\r\nc", "a\r\nb\r\nc", ""},
        {"a\r\nb\r\nc", "a\r\nB\r\nc", "--- old\n+++ new\n@@ -1,3 +1,3 @@\n a\n-b\n+B\n c\n"},
        {"", "x", "--- old\n+++ new\n@@ -1,1 +1,1 @@\n-\n+x\n"},
        {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n12",
         "1\r\n2\r\nnew\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11",
         "--- old\n+++ new\n@@ -1,5 +1,6 @@\n 1\n 2\n+new\n 3\n 4\n 5\n"
         "@@ -9,4 +10,3 @@\n 9\n 10\n 11\n-12\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(
            UnifiedDiff(SplitRecoveryLines(c.before), SplitRecoveryLines(c.after), "old", "new"),
            c.diff)
            << c.after;
}

TEST(RecoveryDiffTest, ReplacedTextBeyondTheSearchLimitStillShowsEveryLine)
{
    std::vector<std::string> a, b;
    for (int i = 0; i < 4000; ++i) {
        const std::string number = std::to_string(i);
        a.push_back('a' + number);
        b.push_back('b' + number);
    }
    const std::string diff =
        UnifiedDiff(std::vector<std::string_view>(a.begin(), a.end()),
                    std::vector<std::string_view>(b.begin(), b.end()), "x", "y");
    EXPECT_EQ(std::count(diff.begin(), diff.end(), '\n'), 2 + 1 + 8000);
}

} // namespace
