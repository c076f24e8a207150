// The Find and Go to line dialogs: their opening values, what enables their buttons, and the
// fields they hand over; typing over the texts the search dialogs propose.
#include "view/FindDialog.h"
#include "view/ReplaceDialog.h"

#include "settings/core/MemorySettingsStore.h"
#include "support/AccessibleNames.h"
#include "support/KeyClicks.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

TEST(FindDialogTest, OpensWithTheFlagsAndKeepsWholeWordOffForRegex)
{
    CKFindDialog dialog({"word", FIND_MATCH_CASE | FIND_WHOLE_WORD}, {});
    EXPECT_EQ(dialog.TextEdit()->text(), "word");
    EXPECT_TRUE(dialog.MatchCaseBox()->isChecked());
    EXPECT_TRUE(dialog.WholeWordBox()->isChecked());
    EXPECT_TRUE(dialog.WholeWordBox()->isEnabled());
    EXPECT_FALSE(dialog.UpButton()->isChecked());
    dialog.RegexBox()->setChecked(true);
    EXPECT_FALSE(dialog.WholeWordBox()->isChecked());
    EXPECT_FALSE(dialog.WholeWordBox()->isEnabled());
    dialog.RegexBox()->setChecked(false);
    EXPECT_TRUE(dialog.WholeWordBox()->isEnabled());

    CKFindDialog regex({"\xE0\xE1", FIND_REGEXP | FIND_WHOLE_WORD | FIND_UP}, {});
    EXPECT_EQ(regex.TextEdit()->text(), QString::fromUtf8("аб"));
    EXPECT_FALSE(regex.WholeWordBox()->isChecked());
    EXPECT_FALSE(regex.WholeWordBox()->isEnabled());
    EXPECT_TRUE(regex.UpButton()->isChecked());
    EXPECT_EQ(regex.Fields().flags, FIND_REGEXP | FIND_UP);
    EXPECT_EQ(regex.Fields().text, "\xE0\xE1");
}

TEST(FindDialogTest, FieldsRoundTripThroughTheSettings)
{
    MemorySettingsStore store;
    EXPECT_EQ(ReadFindSettings(store).text, "");
    WriteFindSettings(store, {"w\xE0", FIND_UP | FIND_WHOLE_WORD});
    EXPECT_EQ(ReadFindSettings(store).text, "w\xE0");
    EXPECT_EQ(ReadFindSettings(store).flags, FIND_UP | FIND_WHOLE_WORD);
    EXPECT_EQ(store.ReadNumber("Settings/Find", "Flags", -1), 0x12);
    EXPECT_EQ(store.ReadString("Settings/Find", "FindWhat"), "w\xD0\xB0"); // UTF-8 in the store
}

TEST(FindDialogTest, FindNextNeedsTextAndClosesOnlyOnAMatch)
{
    int calls = 0;
    bool found = false;
    CKFindDialog dialog({"", 0}, [&](const FindOptions& fields) {
        ++calls;
        EXPECT_EQ(fields.text, "x");
        return found;
    });
    EXPECT_FALSE(dialog.FindNextButton()->isEnabled());
    KeyClicks(dialog.TextEdit(), "x");
    EXPECT_TRUE(dialog.FindNextButton()->isEnabled());
    dialog.FindNextButton()->click();
    EXPECT_EQ(dialog.result(), 0);
    found = true;
    dialog.FindNextButton()->click();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

TEST(GotoLineDialogTest, PromptDigitsAndOk)
{
    CKGotoLineDialog dialog(120, 7);
    EXPECT_EQ(dialog.NumberEdit()->text(), "7");
    EXPECT_TRUE(dialog.OkButton()->isEnabled());
    dialog.NumberEdit()->clear();
    EXPECT_FALSE(dialog.OkButton()->isEnabled());
    KeyClicks(dialog.NumberEdit(), "4x-2");
    EXPECT_EQ(dialog.NumberEdit()->text(), "42");
    EXPECT_EQ(dialog.Number(), 42);
    EXPECT_TRUE(dialog.findChildren<QLabel*>().size() >= 1);
    bool prompt = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        prompt = prompt || label->text() == "Enter Line Number (1-120)";
    EXPECT_TRUE(prompt);
    KeyClicks(dialog.NumberEdit(), "99999999999999999999");
    EXPECT_GT(dialog.Number(), 1'000'000'000LL);
}

// Typing into a dialog that opens with a proposed text replaces it.
TEST(FindDialogTest, ProposedTextsAreReplacedByTyping)
{
    CKTextBuffer buffer;
    CTextSearch search;
    CReplaceSession session(buffer, nullptr, search, {});
    CKFindDialog find({"word", 0}, {});
    CKReplaceDialog replace(session, {"word", "with", 0, ReplaceScope::WholeFile}, {});
    CKGotoLineDialog gotoLine(120, 7);
    for (auto [dialog, edit] : {std::pair<QDialog*, QLineEdit*>{&find, find.TextEdit()},
                                {&replace, replace.FindEdit()},
                                {&gotoLine, gotoLine.NumberEdit()}}) {
        dialog->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(dialog->focusWidget(), edit) << dialog->windowTitle().toStdString();
        KeyClicks(edit, "1");
        EXPECT_EQ(edit->text(), "1") << dialog->windowTitle().toStdString();
        dialog->hide();
    }
}

TEST(FindDialogTest, EveryControlOfFindAndGoToHasAnAccessibleName)
{
    CKFindDialog find({}, [](const FindOptions&) { return true; });
    EXPECT_EQ(UnnamedControls(find), std::vector<std::string>());
    CKGotoLineDialog gotoLine(10, 1);
    EXPECT_EQ(UnnamedControls(gotoLine), std::vector<std::string>());
}

} // namespace
