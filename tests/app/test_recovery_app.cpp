// Recovery copies in the whole application: a signal keeps the unsaved text, the next start
// restores it, and a choice not to save removes it.
#include "AppFixture.h"
#include "recovery/RecoveryManager.h"
#include "recovery/core/RecoveryFile.h"
#include "recovery/core/RecoveryFolder.h"
#include "support/EventWait.h"
#include "syntax/LineParse.h"
#include "text/CodePages.h"

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
    // The copy of an untitled text that a run which did not end cleanly left behind.
    void LeaveCopy(const std::string& title, const std::string& text)
    {
        int error = 0;
        const std::unique_ptr<RecoveryFolder> run =
            CreateRecoveryFolder(dir.File("recovery"), error);
        ASSERT_TRUE(run);
        RecoveryInfo info;
        info.title = title;
        info.codePage = CodePage::Windows1251;
        const CSingleLineSource lines(text);
        ASSERT_TRUE(WriteRecoveryFile(run->FileFor(1), info, lines, error));
    }
    // Restores every copy offered; the number offered.
    int RestoreAll(CKRecoveryDialog& dialog)
    {
        const int offered = static_cast<int>(dialog.Remaining().size());
        for (int i = 0; i < offered && !dialog.Remaining().empty(); ++i)
            dialog.RestoreCurrent();
        EXPECT_TRUE(dialog.Remaining().empty());
        return offered;
    }
    std::vector<std::string> Titles()
    {
        std::vector<std::string> titles;
        for (CTagwrightDoc* doc : app->Documents())
            titles.push_back(doc->Title().toStdString());
        return titles;
    }
};

TEST_F(RecoveryAppTest, ASignalKeepsTheTextAndTheNextStartRestoresIt)
{
    Start({});
    Type(*app->Documents().front(), "unsaved work");
    raise(SIGTERM);
    ASSERT_TRUE(ServeEventsUntil([&] { return app->ExitRequested(); }));
    End();
    ASSERT_EQ(RecoveryTree().size(), 3u); // the run's folder, its lock and one copy

    int offered = 0;
    offerRecovery = [&](CKRecoveryDialog& dialog) {
        offered = static_cast<int>(dialog.Remaining().size());
        dialog.RestoreCurrent();
    };
    Start({});
    ASSERT_EQ(offered, 1);
    // The empty text made at start gave way to the restored one.
    Settle();
    ASSERT_EQ(app->Documents().size(), 1u);
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

// Copies switched on in Options begin at once, for the texts open already.
TEST_F(RecoveryAppTest, SwitchedOnCopiesStartWithoutARestart)
{
    preset.WriteNumber("Settings/Recovery", "Enabled", 0);
    Start({});
    CTagwrightDoc& doc = *app->Documents().front();
    Type(doc, "typed before");
    ASSERT_EQ(app->Recovery(), nullptr);
    app->Settings().Preferences().SetOn(Switch::RecoveryCopies, true);
    ASSERT_NE(app->Recovery(), nullptr);
    Type(doc, "and after ");
    app->Recovery()->WriteAllNow();
    const std::string copy = app->Recovery()->FileOf(doc);
    ASSERT_TRUE(FileExists(copy));
    const RecoveryReadResult read = ReadRecoveryFile(copy);
    ASSERT_TRUE(read.Ok());
    EXPECT_EQ(read.text, "and after typed before");
}

// Restored untitled texts never show a title another open text shows, and the empty text made
// at start goes when nothing but it is open.
TEST_F(RecoveryAppTest, RestoredUntitledTextsGetTitlesOfTheirOwn)
{
    struct Case {
        const char* name;
        std::vector<std::string> copies; // titles, each copy left by a run of its own
        bool startTextTyped;             // the text made at start is no longer empty
        std::vector<std::string> titles; // the open texts afterwards, in order
    };
    const Case cases[] = {
        {"one copy replaces the empty start text", {"HTML1"}, false, {"HTML1"}},
        {"two runs left the same title", {"HTML1", "HTML1"}, false, {"HTML1", "HTML2"}},
        {"a typed start text stays", {"HTML1"}, true, {"HTML1", "HTML2"}},
        {"a free old number is kept", {"HTML4"}, true, {"HTML1", "HTML4"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(dir.File("recovery"));
        for (const std::string& title : c.copies)
            LeaveCopy(title, "text of " + title);
        int offered = 0;
        offerRecovery = [&](CKRecoveryDialog& dialog) {
            if (c.startTextTyped)
                Type(*app->Documents().front(), "typed");
            offered = RestoreAll(dialog);
        };
        Start({});
        Settle();
        EXPECT_EQ(offered, static_cast<int>(c.copies.size()));
        EXPECT_EQ(Titles(), c.titles);
        // A new text after them takes a title none of them shows.
        const std::string fresh = app->NewDocument()->Title().toStdString();
        EXPECT_EQ(std::count(c.titles.begin(), c.titles.end(), fresh), 0) << fresh;
        TearDown();
        app.reset();
    }
}

// Switched off, recovery still offers what an earlier run left, once: a restored copy goes as
// soon as its text is open, since no copy follows the text any more.
TEST_F(RecoveryAppTest, SwitchedOffARestoredCopyIsNotOfferedAgain)
{
    preset.WriteNumber("Settings/Recovery", "Enabled", 0);
    LeaveCopy("HTML1", "kept text");
    int offered = 0;
    offerRecovery = [&](CKRecoveryDialog& dialog) { offered = RestoreAll(dialog); };
    Start({});
    ASSERT_EQ(offered, 1);
    Settle();
    ASSERT_EQ(app->Documents().size(), 1u);
    EXPECT_EQ(app->Documents().front()->Buffer().Line(0), "kept text");
    EXPECT_TRUE(app->Documents().front()->IsModified());
    EXPECT_TRUE(RecoveryTree().empty());
    End();

    offered = 0;
    Start({});
    EXPECT_EQ(offered, 0);
}

} // namespace
