// Lines, changes, notifications, update contexts, line flags and text copies.
#include "support/BufferLines.h"
#include "support/RecordingView.h"
#include "text/GrowableArray.h"
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sys/mman.h>
#include <sys/resource.h>

namespace {

void SetText(CKTextBuffer& buffer, std::string_view text)
{
    buffer.InitEmpty();
    int endLine, endChar;
    ASSERT_TRUE(buffer.RawInsert(nullptr, 0, 0, text, endLine, endChar));
}

class BufferTest : public testing::Test {
protected:
    void SetUp() override { buffer.AttachView(&view); }
    CKTextBuffer buffer;
    RecordingView view;
    int endLine = -1, endChar = -1;
};

TEST_F(BufferTest, InitEmptyGivesOneEmptyLineOfCapacity16AndResets)
{
    buffer.InitEmpty(LineEnding::Unix, CodePage::Koi8R);
    EXPECT_EQ(buffer.LineCount(), 1);
    EXPECT_EQ(buffer.LineLength(0), 0);
    EXPECT_EQ(buffer.LineEnding(), LineEnding::Unix);
    EXPECT_EQ(buffer.CodePage(), CodePage::Koi8R);
    EXPECT_FALSE(buffer.IsModified());
    ASSERT_EQ(view.notifications.size(), 1u);
    EXPECT_EQ(view.notifications[0].flags, UPD_RESET);
    EXPECT_EQ(view.notifications[0].line, -1);
    EXPECT_FALSE(view.notifications[0].hasContext);
}

TEST_F(BufferTest, InsertingALineBreakSplitsTheLine)
{
    SetText(buffer, "xyz");
    view.notifications.clear();
    ASSERT_TRUE(buffer.RawInsert(&view, 0, 1, "a\r\nb", endLine, endChar));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"xa", "byz"}));
    EXPECT_EQ(endLine, 1);
    EXPECT_EQ(endChar, 1);
    ASSERT_EQ(view.notifications.size(), 1u);
    EXPECT_EQ(view.notifications[0].flags, UPD_TEXT | UPD_LINES);
    EXPECT_EQ(view.notifications[0].line, 0);
    EXPECT_EQ(view.notifications[0].source, &view);
    EXPECT_TRUE(buffer.IsModified());
}

struct SplitCase {
    const char* name;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
    std::string text;
    std::vector<std::string> lines;
};

class LineBreakTest : public testing::TestWithParam<SplitCase> {};

TEST_P(LineBreakTest, SplitsAtCrAndCrLfOnly)
{
    CKTextBuffer buffer;
    SetText(buffer, GetParam().text);
    EXPECT_EQ(BufferLines(buffer), GetParam().lines);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Texts, LineBreakTest,
    testing::Values(SplitCase{"LoneLfStaysInTheLine", "a\nb\n", {"a\nb\n"}},
                    SplitCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", {"a", "", "b"}},
                    SplitCase{"LoneCrBreaks", "a\rb", {"a", "b"}},
                    SplitCase{"LfCrIsLfThenBreak", "a\n\rb", {"a\n", "b"}},
                    SplitCase{"TrailingBreakGivesEmptyLine", "a\r\n", {"a", ""}},
                    SplitCase{"ZeroBytesAreText", std::string("a\0b\r\n\0", 6),
                              {std::string("a\0b", 3), std::string(1, '\0')}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(BufferTest, OneLineChangesNotifyOneLine)
{
    SetText(buffer, "abc");
    view.notifications.clear();
    ASSERT_TRUE(buffer.RawInsert(nullptr, 0, 3, "d", endLine, endChar));
    ASSERT_TRUE(buffer.RawDelete(nullptr, 0, 0, 0, 1));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"bcd"}));
    ASSERT_EQ(view.notifications.size(), 2u);
    for (const Notification& n : view.notifications) {
        EXPECT_EQ(n.flags, UPD_TEXT | UPD_ONELINE);
        EXPECT_EQ(n.line, 0);
        EXPECT_TRUE(n.hasContext);
        EXPECT_EQ(n.source, nullptr);
    }
}

TEST_F(BufferTest, DeletingAcrossLinesJoinsThem)
{
    SetText(buffer, "abc\r\ndef");
    view.notifications.clear();
    ASSERT_TRUE(buffer.RawDelete(nullptr, 0, 1, 1, 2));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"af"}));
    ASSERT_EQ(view.notifications.size(), 1u);
    EXPECT_EQ(view.notifications[0].flags, UPD_TEXT | UPD_LINES);
}

TEST_F(BufferTest, EmptyDeletionStillNotifiesAndMarksModified)
{
    SetText(buffer, "abc");
    buffer.SetModified(false);
    view.notifications.clear();
    ASSERT_TRUE(buffer.RawDelete(nullptr, 0, 1, 0, 1));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"abc"}));
    EXPECT_EQ(view.notifications.size(), 1u);
    EXPECT_TRUE(buffer.IsModified());
}

TEST_F(BufferTest, InvalidPositionsAreRefusedWithoutChange)
{
    SetText(buffer, "abc\r\ndef");
    buffer.SetModified(false);
    view.notifications.clear();
    EXPECT_FALSE(buffer.RawInsert(nullptr, 2, 0, "x", endLine, endChar));
    EXPECT_FALSE(buffer.RawInsert(nullptr, 0, 4, "x", endLine, endChar));
    EXPECT_FALSE(buffer.RawInsert(nullptr, -1, 0, "x", endLine, endChar));
    EXPECT_FALSE(buffer.RawDelete(nullptr, 1, 0, 0, 1)); // start after end
    EXPECT_FALSE(buffer.RawDelete(nullptr, 0, 2, 0, 1));
    EXPECT_FALSE(buffer.RawDelete(nullptr, 0, 0, 1, 9));
    EXPECT_FALSE(buffer.DeleteText(nullptr, 0, 0, 5, 0, 9));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"abc", "def"}));
    EXPECT_TRUE(view.notifications.empty());
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_FALSE(buffer.CanUndo());
}

TEST_F(BufferTest, ReadOnlyBufferRefusesEveryChange)
{
    SetText(buffer, "abc");
    buffer.SetModified(false);
    buffer.SetReadOnly(true);
    view.notifications.clear();
    EXPECT_FALSE(buffer.InsertText(nullptr, 0, 0, "x", endLine, endChar, 4));
    EXPECT_FALSE(buffer.DeleteText(nullptr, 0, 0, 0, 1, 9));
    EXPECT_EQ(buffer.Line(0), "abc");
    EXPECT_TRUE(view.notifications.empty());
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_FALSE(buffer.CanUndo());
}

TEST_F(BufferTest, InsertingTextTakenFromTheLineItself)
{
    SetText(buffer, "abcdefghijklmno"); // 15 bytes: growing past 16 moves the line
    const std::string_view own = buffer.Line(0);
    ASSERT_TRUE(buffer.RawInsert(nullptr, 0, 15, own, endLine, endChar));
    EXPECT_EQ(buffer.Line(0), "abcdefghijklmnoabcdefghijklmno");
}

TEST_F(BufferTest, ViewsKeepTheirPositionAcrossChanges)
{
    SetText(buffer, "0123456789\r\nabcdef");
    view.kept = {4, 1};
    ASSERT_TRUE(buffer.RawInsert(nullptr, 1, 2, "X\r\nYY", endLine, endChar));
    EXPECT_EQ(view.kept, (TextPoint{4, 2}));
    ASSERT_TRUE(buffer.RawDelete(nullptr, 0, 5, 2, 1));
    EXPECT_EQ(view.kept, (TextPoint{8, 0}));
}

struct AdjustCase {
    const char* name;
    friend void PrintTo(const AdjustCase& c, std::ostream* os) { *os << c.name; }
    UpdateContext ctx;
    TextPoint before, after;
};

class AdjustPositionTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustPositionTest, MapsThePosition)
{
    TextPoint p = GetParam().before;
    GetParam().ctx.AdjustPosition(p);
    EXPECT_EQ(p, GetParam().after);
}

const UpdateContext kInsert = UpdateContext::Insertion({5, 2}, {3, 4});
const UpdateContext kDelete = UpdateContext::Deletion({1, 1}, {2, 3});

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Contexts, AdjustPositionTest,
    testing::Values(AdjustCase{"InsertBefore", kInsert, {9, 1}, {9, 1}},
                    AdjustCase{"InsertAtStart", kInsert, {5, 2}, {5, 2}},
                    AdjustCase{"InsertSameLineAfter", kInsert, {7, 2}, {5, 4}},
                    AdjustCase{"InsertLaterLine", kInsert, {0, 3}, {0, 5}},
                    AdjustCase{"DeleteBefore", kDelete, {7, 0}, {7, 0}},
                    AdjustCase{"DeleteEndLineAfterEnd", kDelete, {4, 3}, {3, 1}},
                    AdjustCase{"DeleteInside", kDelete, {0, 2}, {1, 1}},
                    AdjustCase{"DeleteEndLineBeforeEnd", kDelete, {1, 3}, {1, 1}},
                    AdjustCase{"DeleteLaterLine", kDelete, {9, 5}, {9, 3}},
                    AdjustCase{"DeleteStartLineAfterStart", kDelete, {6, 1}, {1, 1}},
                    AdjustCase{"DeleteStartLineBeforeStart", kDelete, {0, 1}, {0, 1}}),
    [](const auto& info) { return info.param.name; });
// clang-format on

TEST_F(BufferTest, NumberedBookmarksAreExclusivePlainOnesAreNot)
{
    SetText(buffer, "a\r\nb\r\nc");
    view.notifications.clear();
    buffer.ChangeLineFlag(0, LineFlagBookmark(3), true, true);
    buffer.ChangeLineFlag(2, LineFlagBookmark(3), true, true);
    EXPECT_EQ(buffer.LineFlags(0), 0u);
    EXPECT_EQ(buffer.LineFlags(2), LineFlagBookmark(3));
    ASSERT_EQ(view.notifications.size(), 3u);
    EXPECT_EQ(view.notifications[1].line, 0);
    EXPECT_EQ(view.notifications[2].line, 2);
    for (const Notification& n : view.notifications) {
        EXPECT_EQ(n.flags, UPD_ONELINE | UPD_LINEFLAGS);
        EXPECT_FALSE(n.hasContext);
    }
    buffer.ChangeLineFlag(0, LINEFLAG_MARK, true, false);
    buffer.ChangeLineFlag(1, LINEFLAG_MARK, true, false);
    EXPECT_EQ(buffer.FindLineWithFlag(LINEFLAG_MARK), 0);
    buffer.ChangeLineFlag(-1, LINEFLAG_MARK, false, true); // the first holder
    EXPECT_EQ(buffer.FindLineWithFlag(LINEFLAG_MARK), 1);
}

TEST_F(BufferTest, FlagChangesThatChangeNothingSendNothing)
{
    SetText(buffer, "a\r\nb");
    buffer.ChangeLineFlag(1, LINEFLAG_MARK, true, false);
    view.notifications.clear();
    buffer.ChangeLineFlag(0, 0x3, true, false);                   // two bits
    buffer.ChangeLineFlag(1, LINEFLAG_MARK, true, false);         // already set
    buffer.ChangeLineFlag(-1, LineFlagBookmark(1), false, false); // nobody has it
    buffer.ChangeLineFlag(7, LINEFLAG_MARK, true, false);         // no such line
    EXPECT_TRUE(view.notifications.empty());
    EXPECT_EQ(buffer.FindLineWithFlag(0x3), -1);
}

TEST_F(BufferTest, BookmarkNavigationWrapsAround)
{
    SetText(buffer, "0\r\n1\r\n2\r\n3\r\n4");
    EXPECT_EQ(buffer.NextBookmarkLine(0), -1);
    buffer.ChangeLineFlag(1, LINEFLAG_MARK, true, false);
    EXPECT_EQ(buffer.NextBookmarkLine(1), 1); // a single mark finds itself
    EXPECT_EQ(buffer.PrevBookmarkLine(1), 1);
    buffer.ChangeLineFlag(3, LINEFLAG_MARK, true, false);
    EXPECT_EQ(buffer.NextBookmarkLine(1), 3);
    EXPECT_EQ(buffer.NextBookmarkLine(2), 3);
    EXPECT_EQ(buffer.NextBookmarkLine(3), 1);
    EXPECT_EQ(buffer.NextBookmarkLine(4), 1);
    EXPECT_EQ(buffer.PrevBookmarkLine(3), 1);
    EXPECT_EQ(buffer.PrevBookmarkLine(2), 1);
    EXPECT_EQ(buffer.PrevBookmarkLine(1), 3);
    EXPECT_EQ(buffer.PrevBookmarkLine(0), 3);
}

// Flags belong to lines, not to line numbers: they move as lines come and go above them and
// go with the lines that are removed.
TEST_F(BufferTest, FlagsMoveWithTheirLines)
{
    SetText(buffer, "0\r\n1\r\n2\r\n3\r\n4");
    buffer.ChangeLineFlag(1, LINEFLAG_MARK, true, false);
    buffer.ChangeLineFlag(3, LineFlagBookmark(2), true, true);
    ASSERT_TRUE(buffer.InsertText(nullptr, 0, 1, "\r\nx\r\ny", endLine, endChar, 0));
    EXPECT_EQ(buffer.FindLineWithFlag(LINEFLAG_MARK), 3);
    EXPECT_EQ(buffer.FindLineWithFlag(LineFlagBookmark(2)), 5);
    EXPECT_EQ(buffer.LineFlags(1), 0u) << "new lines come without flags";

    // Joining keeps the first line's flags and drops those of the lines taken away.
    ASSERT_TRUE(buffer.DeleteText(nullptr, 3, 1, 5, 0, 0));
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"0", "x", "y", "13", "4"}));
    EXPECT_EQ(buffer.LineFlags(3), LINEFLAG_MARK);
    EXPECT_EQ(buffer.FindLineWithFlag(LineFlagBookmark(2)), -1);
    EXPECT_EQ(buffer.NextBookmarkLine(4), 3);

    TextPoint cursor;
    ASSERT_TRUE(buffer.Undo(cursor));
    ASSERT_TRUE(buffer.Undo(cursor));
    EXPECT_EQ(buffer.FindLineWithFlag(LINEFLAG_MARK), 1);
}

TEST_F(BufferTest, CopyTextPutsSeparatorsBetweenLinesOnly)
{
    SetText(buffer, "abc\r\ndef\r\nghi");
    std::string out;
    buffer.CopyText(0, 0, 1, 0, out);
    EXPECT_EQ(out, "abc\r\n");
    buffer.CopyText(0, 1, 2, 2, out, "|");
    EXPECT_EQ(out, "bc|def|gh");
    buffer.CopyText(1, 1, 1, 3, out);
    EXPECT_EQ(out, "ef");
    buffer.CopyText(1, 3, 1, 1, out);
    EXPECT_EQ(out, "");
}

TEST(GrowableArrayTest, GrowsByAnEighthClampedOrByTheExplicitStep)
{
    GrowableArray<int> a;
    a.SetSize(1);
    EXPECT_EQ(a.Allocation(), 4); // step clamped up to 4
    a.SetSize(100);
    EXPECT_EQ(a.Allocation(), 100); // the needed size is larger than 4 + 4
    a.SetSize(101);
    EXPECT_EQ(a.Allocation(), 112); // 100 + 100 / 8
    a.SetSize(20000);
    a.SetSize(20001);
    EXPECT_EQ(a.Allocation(), 21024); // step clamped down to 1024

    GrowableArray<int> b;
    b.SetGrowStep(4096);
    b.Append(7);
    EXPECT_EQ(b.Allocation(), 4096);
    EXPECT_EQ(b[0], 7);
}

TEST_F(BufferTest, ManyLinesInsertedAtOnceLandInOrder)
{
    SetText(buffer, "first\r\nlast");
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += std::to_string(i) + "\r\n";
    ASSERT_TRUE(buffer.RawInsert(nullptr, 1, 0, text, endLine, endChar));
    ASSERT_EQ(buffer.LineCount(), 1002);
    EXPECT_EQ(buffer.Line(0), "first");
    EXPECT_EQ(buffer.Line(1), "0");
    EXPECT_EQ(buffer.Line(1000), "999");
    EXPECT_EQ(buffer.Line(1001), "last");
    EXPECT_EQ(endLine, 1001);
    EXPECT_EQ(endChar, 0);
}

// Text that would make a line longer than an int can hold is refused without any change. The
// text is a view of untouched zero pages, so it costs no memory.
TEST_F(BufferTest, InsertionPastTheLongestLineIsRefused)
{
    SetText(buffer, "abc\rdef");
    const size_t size = size_t{CKTextBuffer::kMaxLineLength} - 1;
    void* pages = mmap(nullptr, size, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (pages == MAP_FAILED)
        GTEST_SKIP() << "cannot map 2 GB of address space here";
    const std::string_view huge(static_cast<const char*>(pages), size);
    EXPECT_FALSE(buffer.RawInsert(nullptr, 0, 1, huge, endLine, endChar));
    // A line break and then the long rest, which the line's tail "abc" would push past the end.
    static_cast<char*>(pages)[0] = '\r';
    EXPECT_FALSE(buffer.RawInsert(nullptr, 0, 0, huge, endLine, endChar));
    munmap(pages, size);
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"abc", "def"}));
}

#if !defined(__SANITIZE_ADDRESS__)
// A change whose memory runs out throws and leaves every line as it was: the room is made
// before anything moves. The memory limit applies to a child process only.
TEST(BufferMemoryTest, FailedAllocationLeavesTheTextUnchanged)
{
    const auto run = [](bool join) {
        CKTextBuffer buffer;
        buffer.InitEmpty();
        int endLine, endChar;
        const std::string big(64 << 20, 'b');
        const std::string text = big + "\r";
        buffer.RawInsert(nullptr, 0, 0, "head\r" + big, endLine, endChar);
        // Room for what exists and a little more, not for another 64 MB.
        size_t pagesInUse = 0;
        std::ifstream("/proc/self/statm") >> pagesInUse;
        const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
        const rlimit small{pagesInUse * sysconf(_SC_PAGESIZE) + (16 << 20), RLIM_INFINITY};
        setrlimit(RLIMIT_AS, &small);
        try {
            if (join)
                buffer.RawDelete(nullptr, 0, 2, 1, 0); // "he" + the big line
            else
                buffer.RawInsert(nullptr, 0, 4, text, endLine, endChar); // a big head line
        } catch (const std::bad_alloc&) {
            setrlimit(RLIMIT_AS, &unlimited);
            const bool unchanged =
                buffer.LineCount() == 2 && buffer.Line(0) == "head" && buffer.Line(1) == big;
            std::exit(unchanged ? 0 : 1);
        }
        std::exit(2); // the change went through: the limit did not bite
    };
    EXPECT_EXIT(run(true), testing::ExitedWithCode(0), "") << "joining two lines";
    EXPECT_EXIT(run(false), testing::ExitedWithCode(0), "") << "inserting a line break";
}
#endif

std::vector<std::string> SnapshotLines(const CKTextSnapshot& snapshot)
{
    std::vector<std::string> lines;
    for (int i = 0; i < snapshot.LineCount(); ++i)
        lines.emplace_back(snapshot.Line(i));
    return lines;
}

// A pinned snapshot keeps showing the text of its moment through every kind of change, and the
// storage the buffer handed it is freed with it (the sanitizer build checks the memory side).
TEST(BufferSnapshotTest, PinnedTextStaysWhileTheBufferChanges)
{
    const std::vector<std::string> original = {"first line", "second", "third line here", "",
                                               "last"};
    using Change = std::function<void(CKTextBuffer&)>;
    int endLine, endChar;
    const struct {
        const char* name;
        Change change;
    } cases[] = {
        {"typing grows a line past its room",
         [&](CKTextBuffer& b) {
             b.InsertText(nullptr, 0, 5, std::string(100, 'x'), endLine, endChar, 0);
         }},
        {"splitting a line",
         [&](CKTextBuffer& b) { b.InsertText(nullptr, 1, 3, "\r\nnew\r\n", endLine, endChar, 0); }},
        {"deleting within a line", [&](CKTextBuffer& b) { b.DeleteText(nullptr, 2, 0, 2, 6, 0); }},
        {"joining lines", [&](CKTextBuffer& b) { b.DeleteText(nullptr, 0, 3, 3, 0, 0); }},
        {"undo and redo",
         [&](CKTextBuffer& b) {
             TextPoint p;
             b.InsertText(nullptr, 4, 0, "z", endLine, endChar, 0);
             b.Undo(p);
             b.Redo(p);
         }},
        {"a new text", [](CKTextBuffer& b) { b.InitEmpty(); }},
    };
    for (const auto& c : cases) {
        auto buffer = std::make_unique<CKTextBuffer>();
        SetText(*buffer, "first line\r\nsecond\r\nthird line here\r\n\r\nlast");
        std::shared_ptr<CKTextSnapshot> snapshot = buffer->PinSnapshot();
        ASSERT_TRUE(snapshot);
        EXPECT_FALSE(buffer->PinSnapshot()) << "one snapshot at a time";
        c.change(*buffer);
        c.change(*buffer);
        EXPECT_EQ(SnapshotLines(*snapshot), original) << c.name;
        EXPECT_GT(snapshot->HandedOverCount(), 0u) << c.name;
        // The buffer may even go while the reader still works.
        buffer.reset();
        EXPECT_EQ(SnapshotLines(*snapshot), original) << c.name;
    }
}

TEST(BufferSnapshotTest, AfterReleaseTheBufferWorksInPlaceAndANewSnapshotSeesTheNewText)
{
    CKTextBuffer buffer;
    SetText(buffer, "abc\r\ndef");
    auto first = buffer.PinSnapshot();
    int endLine, endChar;
    buffer.InsertText(nullptr, 0, 3, "1", endLine, endChar, 0);
    EXPECT_EQ(first->HandedOverCount(), 1u);
    EXPECT_EQ(SnapshotLines(*first), (std::vector<std::string>{"abc", "def"}));
    buffer.ReleaseSnapshot();
    buffer.InsertText(nullptr, 1, 0, "2", endLine, endChar, 0);
    EXPECT_EQ(first->HandedOverCount(), 1u); // released: the change was made in place
    first.reset();
    auto second = buffer.PinSnapshot();
    ASSERT_TRUE(second);
    EXPECT_EQ(SnapshotLines(*second), (std::vector<std::string>{"abc1", "2def"}));
    EXPECT_EQ(BufferLines(buffer), SnapshotLines(*second));
    buffer.ReleaseSnapshot();
}

TEST(BufferSnapshotTest, AForgottenSavedStateIsNeverReachedByUndo)
{
    CKTextBuffer buffer;
    SetText(buffer, "recovered");
    buffer.ForgetSavedState();
    EXPECT_TRUE(buffer.IsModified());
    int endLine, endChar;
    buffer.InsertText(nullptr, 0, 0, "x", endLine, endChar, 0);
    TextPoint p;
    ASSERT_TRUE(buffer.Undo(p));
    EXPECT_TRUE(buffer.IsModified());
}

} // namespace
