// Recovery copies in the whole application: a signal keeps the unsaved text, the next start
// restores it, and a choice not to save removes it.
#include "AppFixture.h"
#include "doc/RecoveryManager.h"

#include <QElapsedTimer>

#include <csignal>
#include <filesystem>

namespace {

class RecoveryAppTest : public AppFixture {
protected:
    void Type(CTagwrightDoc& doc, const std::string& text)
    {
        int line, ch;
        doc.Buffer().InsertText(nullptr, 0, 0, text, line, ch, 0);
    }
    // Everything under the recovery folder, as paths relative to it.
    std::vector<std::string> RecoveryTree()
    {
        std::vector<std::string> entries;
        const std::filesystem::path root = dir.File("recovery");
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root, error))
            entries.push_back(std::filesystem::relative(entry.path(), root).string());
        std::sort(entries.begin(), entries.end());
        return entries;
    }
    void End()
    {
        app->ExitInstance();
        app.reset();
    }
};

TEST_F(RecoveryAppTest, ASignalKeepsTheTextAndTheNextStartRestoresIt)
{
    Start({});
    Type(*app->Documents().front(), "unsaved work");
    raise(SIGTERM);
    QElapsedTimer waited;
    waited.start();
    while (!app->ExitRequested() && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(app->ExitRequested());
    End();
    ASSERT_EQ(RecoveryTree().size(), 3u); // the run's folder, its lock and one copy

    int offered = 0;
    offerRecovery = [&](CKRecoveryDialog& dialog) {
        offered = static_cast<int>(dialog.Remaining().size());
        dialog.RestoreCurrent();
    };
    Start({});
    ASSERT_EQ(offered, 1);
    ASSERT_EQ(app->Documents().size(), 2u);
    CTagwrightDoc& restored = *app->Documents().back();
    EXPECT_EQ(restored.Buffer().Line(0), "unsaved work");
    EXPECT_TRUE(restored.IsModified());
    EXPECT_EQ(restored.Title(), "HTML1");
    // The copy moved into this run's folder; the old folder is gone.
    const std::string copy = app->Recovery()->FileOf(restored);
    EXPECT_TRUE(FileExists(copy));
    EXPECT_EQ(RecoveryTree().size(), 3u);

    // Closing without saving is a choice: the copy goes, and a clean end leaves nothing.
    host->saveChangesAnswer = Answer::No;
    EXPECT_TRUE(frame->close());
    End();
    EXPECT_TRUE(RecoveryTree().empty());
}

} // namespace
