// Undo groups, undo and redo, descriptions and the modified flag.
#include "support/RecordingView.h"
#include "support/TempDir.h"
#include "text/EditActions.h"
#include "text/KTextBuffer.h"
#include "text/UndoGroup.h"

#include <gtest/gtest.h>

#include <new>

namespace {

class UndoTest : public testing::Test {
protected:
    void SetUp() override
    {
        buffer.InitEmpty();
        buffer.AttachView(&view);
    }

    void Type(int line, int ch, std::string_view text, bool merge = true)
    {
        buffer.OpenUndoGroup(merge);
        ASSERT_TRUE(buffer.InsertText(&view, line, ch, text, endLine, endChar, ACTION_TYPING));
        buffer.CloseUndoGroup(&view);
    }

    // Saves the text, which records the current undo position as the saved one.
    void TempSaved() { ASSERT_TRUE(buffer.Save(dir.File("saved.txt").c_str())); }

    std::string Text() const
    {
        std::string out;
        const int last = buffer.LineCount() - 1;
        buffer.CopyText(0, 0, last, buffer.LineLength(last), out);
        return out;
    }

    std::string UndoText() const
    {
        std::string s;
        buffer.UndoDescription(s);
        return s;
    }
    std::string RedoText() const
    {
        std::string s;
        buffer.RedoDescription(s);
        return s;
    }

    TempDir dir;
    CKTextBuffer buffer;
    RecordingView view;
    int endLine = 0, endChar = 0;
    TextPoint cursor;
};

TEST_F(UndoTest, MergedTypingIsOneGroup)
{
    Type(0, 0, "a");
    Type(0, 1, "b");
    Type(0, 2, "c");
    EXPECT_EQ(buffer.UndoRecordCount(), 3);
    ASSERT_TRUE(buffer.CanUndo());
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(cursor, (TextPoint{0, 0}));
    EXPECT_FALSE(buffer.CanUndo());
    buffer.Redo(cursor);
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(cursor, (TextPoint{3, 0}));
}

TEST_F(UndoTest, SingleEditIsItsOwnGroupAndReportsTheAction)
{
    ASSERT_TRUE(buffer.InsertText(&view, 0, 0, "x", endLine, endChar, ACTION_PASTE));
    ASSERT_TRUE(buffer.InsertText(&view, 0, 1, "y", endLine, endChar, ACTION_PASTE));
    ASSERT_EQ(view.editActions.size(), 2u);
    EXPECT_EQ(view.editActions[1], std::make_pair(int(ACTION_PASTE), std::string("y")));
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "x");
    EXPECT_TRUE(buffer.UndoRecordAt(0).StartsGroup());
    EXPECT_TRUE(buffer.UndoRecordAt(1).StartsGroup());
}

TEST_F(UndoTest, NoEditActionWithoutASourceView)
{
    ASSERT_TRUE(buffer.InsertText(nullptr, 0, 0, "x", endLine, endChar, ACTION_PASTE));
    EXPECT_TRUE(view.editActions.empty());
}

TEST_F(UndoTest, ModifiedFollowsTheSavedPosition)
{
    Type(0, 0, "a", false);
    TempSaved();
    ASSERT_FALSE(buffer.IsModified());
    Type(0, 1, "b", false);
    EXPECT_TRUE(buffer.IsModified());
    buffer.Undo(cursor);
    EXPECT_FALSE(buffer.IsModified());
    buffer.Redo(cursor);
    EXPECT_TRUE(buffer.IsModified());
}

TEST_F(UndoTest, NewChangeDiscardsTheRedoPart)
{
    Type(0, 0, "a", false);
    Type(0, 1, "b", false);
    buffer.Undo(cursor);
    EXPECT_TRUE(buffer.CanRedo());
    Type(0, 1, "c", false);
    EXPECT_FALSE(buffer.CanRedo());
    EXPECT_EQ(buffer.UndoRecordCount(), 2);
    EXPECT_EQ(Text(), "ac");
}

// The saved text "ab" is undone and different text typed: reaching the saved position's
// number again must not count as unmodified.
TEST_F(UndoTest, SavedStateDiscardedWithTheRedoPartNeverComesBack)
{
    Type(0, 0, "a", false);
    Type(0, 1, "b", false);
    TempSaved();
    buffer.Undo(cursor);
    buffer.Undo(cursor);
    Type(0, 0, "x", false);
    Type(0, 1, "y", false);
    EXPECT_EQ(Text(), "xy");
    EXPECT_TRUE(buffer.IsModified());
}

TEST_F(UndoTest, FullHistoryDropsOnlyTheOldestGroup)
{
    buffer.OpenUndoGroup(false);
    for (int i = 0; i < 3; ++i)
        buffer.InsertText(&view, 0, 0, "o", endLine, endChar, ACTION_INDENT);
    buffer.CloseUndoGroup(&view);
    for (int i = 3; i < CKTextBuffer::kUndoLimit; ++i)
        Type(0, 0, "t", false);
    ASSERT_EQ(buffer.UndoRecordCount(), CKTextBuffer::kUndoLimit);
    Type(0, 0, "n", false);
    EXPECT_EQ(buffer.UndoRecordCount(), CKTextBuffer::kUndoLimit - 2);
    EXPECT_EQ(buffer.UndoRecordAt(0).action, ACTION_TYPING);
    EXPECT_TRUE(buffer.UndoRecordAt(0).StartsGroup());
    EXPECT_EQ(buffer.UndoPosition(), buffer.UndoRecordCount());
}

TEST_F(UndoTest, SavedPositionMovesDownWithDroppedRecords)
{
    Type(0, 0, "a", false);
    Type(0, 0, "b", false);
    TempSaved(); // saved at position 2
    for (int i = 2; i < CKTextBuffer::kUndoLimit + 1; ++i)
        Type(0, 0, "t", false);
    EXPECT_EQ(buffer.SavedPosition(), 1);
    while (buffer.UndoPosition() > 1)
        buffer.Undo(cursor);
    EXPECT_FALSE(buffer.IsModified());
    EXPECT_EQ(Text(), "ba");

    // Once the saved state itself leaves the history, nothing counts as unmodified.
    Type(0, 0, "u", false);
    for (int i = 0; i < CKTextBuffer::kUndoLimit; ++i)
        Type(0, 0, "t", false);
    EXPECT_EQ(buffer.SavedPosition(), -1);
    while (buffer.CanUndo()) {
        buffer.Undo(cursor);
        EXPECT_TRUE(buffer.IsModified());
    }
}

// One group that alone outgrows the record limit (a block indent of many lines) is kept whole
// while it is built: the older groups go first, one Undo takes the whole change back and the
// text counts as unmodified again.
TEST_F(UndoTest, GroupBeingBuiltIsNeverCutWhenItOutgrowsTheLimit)
{
    Type(0, 0, "a", false);
    Type(0, 1, "b", false);
    TempSaved();
    Type(0, 2, "c", false);
    const int lines = CKTextBuffer::kUndoLimit + 1000;
    buffer.OpenUndoGroup(false);
    for (int i = 0; i < lines; ++i)
        buffer.InsertText(&view, 0, 0, "x", endLine, endChar, ACTION_INDENT);
    buffer.CloseUndoGroup(&view);
    EXPECT_EQ(buffer.UndoRecordCount(), lines);
    EXPECT_TRUE(buffer.UndoRecordAt(0).StartsGroup());
    EXPECT_EQ(UndoText(), "Indent");

    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "abc");
    EXPECT_FALSE(buffer.CanUndo()); // the older groups made room
    EXPECT_TRUE(buffer.IsModified());
    buffer.Redo(cursor);
    EXPECT_EQ(Text(), std::string(lines, 'x') + "abc");
    Type(0, 0, "y", true); // merged typing still belongs to the indent
    EXPECT_EQ(UndoText(), "Indent");
    EXPECT_EQ(buffer.UndoRecordCount(), lines + 1);
}

// Typing merged by Smart Undo grows the previous group past the limit; once a new group
// starts, the limit applies again and the oversized group is the oldest one to go.
TEST_F(UndoTest, MergedGroupStaysWholeUntilANewGroupStarts)
{
    Type(0, 0, "s", false);
    for (int i = 1; i < CKTextBuffer::kUndoLimit + 10; ++i)
        Type(0, i, "m", true);
    EXPECT_EQ(buffer.UndoRecordCount(), CKTextBuffer::kUndoLimit + 10);
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "");
    EXPECT_FALSE(buffer.IsModified());
    buffer.Redo(cursor);

    Type(0, 0, " ", false);
    EXPECT_EQ(buffer.UndoRecordCount(), 1);
    buffer.Undo(cursor);
    EXPECT_FALSE(buffer.CanUndo());
    EXPECT_TRUE(buffer.IsModified());
}

TEST_F(UndoTest, EmptyGroupReportsNoEditAction)
{
    Type(0, 0, "\r\n", false);
    view.editActions.clear();
    buffer.OpenUndoGroup(false);
    buffer.CloseUndoGroup(&view);
    EXPECT_TRUE(view.editActions.empty());
    // The next record still starts a group of its own.
    Type(0, 0, "x", false);
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "\r\n");
}

TEST_F(UndoTest, ReadOnlyBufferNeitherUndoesNorMovesTheHistory)
{
    Type(0, 0, "a", false);
    Type(0, 1, "b", false);
    buffer.Undo(cursor);
    buffer.SetReadOnly(true);
    EXPECT_FALSE(buffer.Undo(cursor));
    EXPECT_FALSE(buffer.Redo(cursor));
    EXPECT_EQ(buffer.UndoPosition(), 1);
    buffer.SetReadOnly(false);
    buffer.Redo(cursor);
    EXPECT_EQ(Text(), "ab");
}

TEST_F(UndoTest, GuardMakesOneGroupAndTellsTheViewOnce)
{
    {
        CUndoGroup group(buffer, &view);
        buffer.InsertText(&view, 0, 0, "ab", endLine, endChar, ACTION_PASTE);
        buffer.InsertText(&view, 0, 2, "c", endLine, endChar, ACTION_TYPING);
        group.Commit();
        group.Commit(); // once is enough
    }
    ASSERT_EQ(view.editActions.size(), 1u);
    EXPECT_EQ(view.editActions[0], std::make_pair(int(ACTION_TYPING), std::string("c")));
    {
        CUndoGroup merged(buffer, &view, true);
        buffer.InsertText(&view, 0, 3, "d", endLine, endChar, ACTION_TYPING);
        merged.Commit();
    }
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "");
}

TEST_F(UndoTest, GuardLeftByAnExceptionClosesWithoutTellingTheView)
{
    try {
        CUndoGroup group(buffer, &view);
        buffer.InsertText(&view, 0, 0, "a", endLine, endChar, ACTION_PASTE);
        throw std::bad_alloc();
    } catch (const std::bad_alloc&) {
    }
    EXPECT_TRUE(view.editActions.empty());
    Type(0, 1, "b", false); // outside any group again: its own group
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "a");
}

// A group left without its commit (an early return) closes quietly; a view whose report
// throws from the commit still leaves the group closed, so the next change is a group of its
// own, and the views' step is ended.
TEST_F(UndoTest, GuardWithoutCommitOrWithAThrowingReportLeavesTheGroupClosed)
{
    {
        CUndoGroup group(buffer, &view);
        buffer.InsertText(&view, 0, 0, "a", endLine, endChar, ACTION_PASTE);
    }
    EXPECT_TRUE(view.editActions.empty());
    view.throwOnEditAction = true;
    view.steps.clear();
    {
        CUndoGroup group(buffer, &view);
        buffer.InsertText(&view, 0, 1, "b", endLine, endChar, ACTION_PASTE);
        EXPECT_THROW(group.Commit(), std::bad_alloc);
    }
    EXPECT_EQ(view.steps, "(c)");
    view.throwOnEditAction = false;
    buffer.InsertText(&view, 0, 2, "c", endLine, endChar, ACTION_TYPING);
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "ab");
}

// The views hear where a step of changes begins and ends: an undo group, an Undo, a Redo;
// a change outside any group is a step of one and needs no brackets.
TEST_F(UndoTest, StepsBracketTheChangesOfAGroupAnUndoAndARedo)
{
    buffer.OpenUndoGroup(false);
    buffer.InsertText(&view, 0, 0, "ab\r\ncd", endLine, endChar, ACTION_PASTE);
    buffer.DeleteText(&view, 0, 0, 0, 1, ACTION_DELETE);
    buffer.CloseUndoGroup(&view);
    EXPECT_EQ(view.steps, "(cc)");
    view.steps.clear();
    buffer.Undo(cursor);
    buffer.Redo(cursor);
    buffer.InsertText(&view, 0, 0, "x", endLine, endChar, ACTION_TYPING);
    EXPECT_EQ(view.steps, "(cc)(cc)c");
}

TEST_F(UndoTest, UndoDescriptionNamesTheGroupsFirstAction)
{
    EXPECT_EQ(UndoText(), "");
    buffer.OpenUndoGroup(false);
    buffer.InsertText(&view, 0, 0, "ab", endLine, endChar, ACTION_REPLACE);
    buffer.DeleteText(&view, 0, 0, 0, 1, ACTION_DELETE);
    buffer.InsertText(&view, 0, 0, "z", endLine, endChar, ACTION_TYPING);
    buffer.CloseUndoGroup(&view);
    EXPECT_EQ(UndoText(), "Replace");
    buffer.Undo(cursor);
    EXPECT_EQ(RedoText(), "Replace");
    EXPECT_EQ(Text(), "");
    buffer.InsertText(&view, 0, 0, "q", endLine, endChar, 77); // a code without description
    EXPECT_EQ(UndoText(), "");
}

TEST_F(UndoTest, DeletionOfLinesIsRecordedWithCrLfAndRestored)
{
    Type(0, 0, "one\ntwo\r\nthree\rfour", false); // the LF is text, not a break
    ASSERT_EQ(buffer.LineCount(), 3);
    ASSERT_TRUE(buffer.DeleteText(&view, 0, 2, 2, 2, ACTION_DELETE));
    EXPECT_EQ(buffer.UndoRecordAt(1).text, "e\ntwo\r\nthree\r\nfo");
    EXPECT_FALSE(buffer.UndoRecordAt(1).IsInsert());
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "one\ntwo\r\nthree\r\nfour");
    EXPECT_EQ(cursor, (TextPoint{2, 2}));
}

TEST_F(UndoTest, GroupMergesIntoThePreviousOnlyWhenAsked)
{
    Type(0, 0, "a", false);
    Type(0, 1, " ", false);
    Type(0, 2, "b", true);
    buffer.Undo(cursor);
    EXPECT_EQ(Text(), "a");
}

TEST_F(UndoTest, DescribeActionKnowsCodesZeroToNineteen)
{
    std::string s;
    EXPECT_TRUE(buffer.DescribeAction(0, s));
    EXPECT_EQ(s, "Unknown");
    EXPECT_TRUE(buffer.DescribeAction(19, s));
    EXPECT_EQ(s, "Sentencize");
    EXPECT_FALSE(buffer.DescribeAction(20, s));
    EXPECT_FALSE(buffer.DescribeAction(-1, s));
}

} // namespace
