// The Replace dialog: its opening values and enabling rules, its buttons driving the session,
// Enter following the default button, and the messages it gives.
#include "settings/core/MemorySettingsStore.h"
#include "support/BufferLines.h"
#include "support/LinesBuffer.h"
#include "view/ReplaceDialog.h"

#include "support/AccessibleNames.h"
#include "support/KeyClicks.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class ReplaceDialogTest : public testing::Test {
protected:
    ReplaceDialogTest() { FillBuffer(buffer, {"cat cat", "dog"}); }

    CKTextBuffer buffer;
    CTextSearch search;
    QStringList told;
    EditCaret shown;
};

TEST(ReplaceSettingsTest, FieldsRoundTripThroughTheSettings)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadReplaceSettings(store).flags, 0u);
    WriteReplaceSettings(store, {"\xE0 a", "b", FIND_REGEXP, ReplaceScope::WholeFile});
    const ReplaceFields read = ReadReplaceSettings(store);
    EXPECT_EQ(read.findWhat, "\xE0 a");
    EXPECT_EQ(read.replaceWith, "b");
    EXPECT_EQ(read.flags, FIND_REGEXP);
    EXPECT_EQ(store.ReadString("Settings/Replace", "FindWhat"), "\xD0\xB0 a");
    EXPECT_EQ(store.ReadNumber("Settings/Replace", "Flags", -1), 4);
}

TEST_F(ReplaceDialogTest, ScopeAndEnablingRules)
{
    CReplaceSession plain(buffer, nullptr, search, EditCaret::At({0, 0}));
    CKReplaceDialog dialog(plain, {"", "x", FIND_REGEXP | FIND_WHOLE_WORD, ReplaceScope::Selection},
                           {});
    EXPECT_FALSE(dialog.SelectionButton()->isEnabled());
    EXPECT_TRUE(dialog.WholeFileButton()->isChecked());
    EXPECT_FALSE(dialog.WholeWordBox()->isChecked());
    EXPECT_FALSE(dialog.WholeWordBox()->isEnabled());
    for (QPushButton* b :
         {dialog.FindNextButton(), dialog.ReplaceButton(), dialog.ReplaceAllButton()})
        EXPECT_FALSE(b->isEnabled());
    KeyClicks(dialog.FindEdit(), "c");
    for (QPushButton* b :
         {dialog.FindNextButton(), dialog.ReplaceButton(), dialog.ReplaceAllButton()})
        EXPECT_TRUE(b->isEnabled());
    dialog.RegexBox()->setChecked(false);
    EXPECT_TRUE(dialog.WholeWordBox()->isEnabled());

    CReplaceSession selected(buffer, nullptr, search, EditCaret::Selecting({0, 0}, {3, 0}));
    CKReplaceDialog inSelection(selected, {"cat", "", 0, ReplaceScope::Selection}, {});
    EXPECT_TRUE(inSelection.SelectionButton()->isEnabled());
    EXPECT_TRUE(inSelection.SelectionButton()->isChecked());
}

TEST_F(ReplaceDialogTest, EnterFollowsTheDefaultButtonAndFailuresAreTold)
{
    CReplaceSession session(buffer, nullptr, search, EditCaret::At({0, 0}));
    CKReplaceDialog dialog(session, {"cat", "cow", 0, ReplaceScope::WholeFile},
                           [this](const EditCaret& s) { shown = s; });
    dialog.SetTell([this](const QString& text) { told << text; });
    KeyClick(&dialog, Qt::Key_Return); // Find Next
    EXPECT_EQ(shown, (EditCaret{{3, 0}, {0, 0}, {3, 0}}));
    EXPECT_TRUE(dialog.ReplaceButton()->isDefault());
    KeyClick(&dialog, Qt::Key_Return); // Replace
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"cow cat", "dog"}));
    EXPECT_EQ(shown, (EditCaret{{7, 0}, {4, 0}, {7, 0}}));
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"cow cow", "dog"}));
    EXPECT_EQ(told, QStringList{"Replaced 1 occurrence(s)."});
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(told.last(), "Cannot find string \"cat\"");
    EXPECT_TRUE(dialog.FindNextButton()->isDefault());

    dialog.RegexBox()->setChecked(true);
    dialog.FindEdit()->setText("(o");
    dialog.ReplaceEdit()->setText("\\2");
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(told.last(), "The replacement \"\\2\" cannot be made for the selected occurrence; it "
                           "was left as it was");
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"cow cow", "dog"}));
    dialog.FindEdit()->setText("[z-a]");
    dialog.FindNextButton()->click();
    EXPECT_EQ(told.last(), "Invalid regular expression \"[z-a]\"");
}

TEST_F(ReplaceDialogTest, ReplacingByNothingAsksFirst)
{
    FillBuffer(buffer, {"cat cat", "a cat"});
    CReplaceSession session(buffer, nullptr, search, EditCaret::At({5, 1}));
    CKReplaceDialog dialog(session, {"cat", "", 0, ReplaceScope::WholeFile}, {});
    dialog.SetTell([this](const QString& text) { told << text; });
    QStringList asked;
    bool answer = false;
    dialog.SetAsk([&](const QString& text) {
        asked << text;
        return answer;
    });
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(asked, QStringList{"Delete all 3 occurrences of \"cat\"?"});
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{"cat cat", "a cat"}));
    EXPECT_TRUE(told.isEmpty());
    answer = true;
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(BufferLines(buffer), (std::vector<std::string>{" ", "a "}));
    EXPECT_EQ(told, QStringList{"Replaced 3 occurrence(s)."});
    // Nothing left to delete: no question, the usual message.
    dialog.ReplaceAllButton()->click();
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(told.last(), "Cannot find string \"cat\"");
}

TEST_F(ReplaceDialogTest, EveryControlHasAnAccessibleName)
{
    CReplaceSession session(buffer, nullptr, search, EditCaret::At({0, 0}));
    CKReplaceDialog dialog(session, {"cat", "cow", 0, ReplaceScope::WholeFile}, {});
    EXPECT_EQ(UnnamedControls(dialog), std::vector<std::string>());
}

} // namespace
