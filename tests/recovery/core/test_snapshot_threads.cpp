// A pinned snapshot read on a second thread, as the recovery writer does, while the buffer is
// edited, undone and redone on this one. The reader must see the text of the moment it was
// pinned in every pass, and the copy-on-write must not share a byte between the threads: the
// thread sanitizer build runs this test (label "threads", see scripts/test).
#include "recovery/core/RecoveryFile.h"
#include "support/TempDir.h"
#include "text/KTextBuffer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Joined(const CKTextSnapshot& snapshot)
{
    std::string text;
    for (int i = 0; i < snapshot.LineCount(); ++i)
        (text += snapshot.Line(i)) += "\r\n";
    return text;
}

TEST(SnapshotThreadsTest, ReaderSeesThePinnedTextWhileTheBufferChanges)
{
    TempDir dir;
    CKTextBuffer buffer;
    ASSERT_TRUE(buffer.InitEmpty());
    int endLine, endChar;
    for (int i = 0; i < 200; ++i)
        ASSERT_TRUE(buffer.InsertText(
            nullptr, i, 0, "line " + std::to_string(i) + " of the text\r\n", endLine, endChar, 0));

    std::mt19937 rng(11);
    for (int round = 0; round < 3; ++round) {
        std::shared_ptr<CKTextSnapshot> snapshot = buffer.PinSnapshot();
        ASSERT_TRUE(snapshot);
        const std::string pinned = Joined(*snapshot);

        // The reader compares the pinned text and writes it as a recovery copy, pass after pass,
        // until this thread has changed the buffer enough and the reader has done its passes.
        std::atomic<int> passes{0};
        std::atomic<bool> stop{false};
        std::atomic<int> wrong{0};
        std::thread reader([&, snapshot] {
            const std::string path = dir.File("copy" + std::to_string(round) + ".twr");
            while (!stop.load()) {
                if (Joined(*snapshot) != pinned)
                    ++wrong;
                int error = 0;
                if (!WriteRecoveryFile(path, RecoveryInfo{}, *snapshot, error))
                    ++wrong;
                ++passes;
            }
        });

        // Typing, line breaks, deletions across lines, undo and redo, all over the text.
        int edits = 0;
        while (edits < 2000 || passes.load() < 10) {
            const int line = static_cast<int>(rng() % static_cast<unsigned>(buffer.LineCount()));
            const int ch =
                static_cast<int>(rng() % static_cast<unsigned>(buffer.LineLength(line) + 1));
            TextPoint cursor;
            switch (rng() % 5) {
            case 0:
                buffer.InsertText(nullptr, line, ch, "typed", endLine, endChar, 0);
                break;
            case 1:
                buffer.InsertText(nullptr, line, ch, "\r\nbroken\r\n", endLine, endChar, 0);
                break;
            case 2:
                if (line + 1 < buffer.LineCount())
                    buffer.DeleteText(nullptr, line, ch, line + 1, 0, 0);
                break;
            case 3:
                buffer.Undo(cursor);
                break;
            default:
                buffer.Redo(cursor);
                break;
            }
            ++edits;
        }
        stop = true;
        reader.join();
        EXPECT_EQ(wrong.load(), 0) << "round " << round;
        const RecoveryReadResult copy =
            ReadRecoveryFile(dir.File("copy" + std::to_string(round) + ".twr"));
        ASSERT_TRUE(copy.Ok()) << "round " << round;
        EXPECT_EQ(copy.text + "\r\n", pinned) << "round " << round;
        // The next round pins the text as it is now; this snapshot goes with its last holder.
        buffer.ReleaseSnapshot();
    }
}

} // namespace
