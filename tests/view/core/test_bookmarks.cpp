// Bookmark commands and their enabling over the buffer's line flags.
#include "support/RecordingView.h"
#include "text/KTextBuffer.h"
#include "view/core/Bookmarks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class BookmarksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        buffer.InitEmpty();
        std::string text;
        for (int i = 0; i < 11; ++i)
            text += "line " + std::to_string(i) + "\r\n";
        int endLine = 0;
        int endChar = 0;
        ASSERT_TRUE(buffer.RawInsert(nullptr, 0, 0, text, endLine, endChar));
    }
    std::vector<int> LinesWith(uint32_t flag) const
    {
        std::vector<int> lines;
        for (int i = 0; i < buffer.LineCount(); ++i)
            if (buffer.LineFlags(i) & flag)
                lines.push_back(i);
        return lines;
    }

    CKTextBuffer buffer;
    CViewBookmarks view;
};

TEST_F(BookmarksTest, NumberedBookmarkMovesToTheLastLineAndTogglesOffThere)
{
    CViewBookmarks::SetNumbered(buffer, 5, 3);
    CViewBookmarks::SetNumbered(buffer, 9, 3);
    EXPECT_EQ(LinesWith(LineFlagBookmark(3)), std::vector<int>{9});
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 3), 9);
    CViewBookmarks::SetNumbered(buffer, 2, 0);
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 0), 2);
    // The key pressed again on the same line removes it; going to it then does nothing.
    CViewBookmarks::SetNumbered(buffer, 9, 3);
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 3), std::nullopt);
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 0), 2);
    // Numbers outside 0-9 and lines outside the text are ignored.
    CViewBookmarks::SetNumbered(buffer, 1, 10);
    CViewBookmarks::SetNumbered(buffer, 99, 1);
    EXPECT_EQ(buffer.LineFlags(1), 0u);
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 1), std::nullopt);
}

TEST_F(BookmarksTest, WalkingIsEnabledOnlyByThisViewsToggle)
{
    // Plain bookmarks the view did not set itself do not enable it.
    buffer.ChangeLineFlag(4, LINEFLAG_MARK, true, false);
    EXPECT_FALSE(view.PlainBookmarksExist());
    view.Toggle(buffer, 7);
    EXPECT_TRUE(view.PlainBookmarksExist());
    view.Toggle(buffer, 7);
    EXPECT_TRUE(view.PlainBookmarksExist()); // line 4 still holds one
    view.Toggle(buffer, 4);
    EXPECT_FALSE(view.PlainBookmarksExist());
    view.Toggle(buffer, 4);
    view.Reset();
    EXPECT_FALSE(view.PlainBookmarksExist());
}

TEST_F(BookmarksTest, NextAndPreviousWrapAroundTheText)
{
    view.Toggle(buffer, 3);
    // A single bookmark on the cursor line is found again in both directions.
    EXPECT_EQ(CViewBookmarks::Next(buffer, 3), 3);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 3), 3);
    view.Toggle(buffer, 8);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 3), 8);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 5), 8);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 8), 3);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 10), 3);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 8), 3);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 5), 3);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 3), 8);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 0), 8);
    view.ClearAll(buffer);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 0), std::nullopt);
    EXPECT_EQ(CViewBookmarks::Previous(buffer, 0), std::nullopt);
}

TEST_F(BookmarksTest, ClearAllRemovesNumberedAndPlainBookmarksAndDisables)
{
    RecordingView watcher;
    buffer.AttachView(&watcher);
    view.Toggle(buffer, 1);
    view.Toggle(buffer, 6);
    view.Toggle(buffer, 10);
    CViewBookmarks::SetNumbered(buffer, 6, 0);
    CViewBookmarks::SetNumbered(buffer, 2, 9);
    watcher.notifications.clear();
    view.ClearAll(buffer);
    for (int i = 0; i < buffer.LineCount(); ++i)
        EXPECT_EQ(buffer.LineFlags(i), 0u) << "line " << i;
    EXPECT_FALSE(view.PlainBookmarksExist());
    // Numbered bookmarks first, by number; then the plain ones from the top.
    std::vector<int> lines;
    for (const Notification& n : watcher.notifications)
        lines.push_back(n.line);
    EXPECT_EQ(lines, (std::vector<int>{6, 2, 1, 6, 10}));
    buffer.DetachView(&watcher);
}

TEST(BookmarksNoText, CommandsDoNothingWithoutText)
{
    CKTextBuffer buffer;
    CViewBookmarks view;
    CViewBookmarks::SetNumbered(buffer, 0, 1);
    view.Toggle(buffer, 0);
    view.ClearAll(buffer);
    EXPECT_EQ(CViewBookmarks::NumberedLine(buffer, 1), std::nullopt);
    EXPECT_EQ(CViewBookmarks::Next(buffer, 0), std::nullopt);
    EXPECT_FALSE(view.PlainBookmarksExist());
}

} // namespace
