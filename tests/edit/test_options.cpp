// The Options dialog: its tree and pages, the rules of each page's controls, and the views
// taking the changed settings when it closes.
#include "controls/ColourPicker.h"
#include "doc/FakeHost.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "edit/Prop.h"
#include "edit/PropEditing.h"
#include "edit/PropFiles.h"
#include "edit/PropFormat.h"
#include "edit/PropMacros.h"
#include "edit/core/Macros.h"
#include "res/CommandIds.h"
#include "session/core/Session.h"
#include "settings/KSettingsStore.h"
#include "settings/core/AppSettings.h"
#include "settings/core/DebugTrace.h"
#include "support/BufferLines.h"
#include "support/KeyClicks.h"
#include "support/TempDir.h"
#include "syntax/ColourClass.h"
#include "syntax/SourceTypes.h"
#include "text/KTextBuffer.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class OptionsTest : public testing::Test {
protected:
    OptionsTest()
        : store(QString::fromStdString(dir.File("settings.ini"))), settings(store), session(store),
          doc(std::make_unique<CTagwrightDoc>(settings, session, host))
    {
        doc->OnNewDocument();
    }

    CPreferences& Preferences() { return settings.Preferences(); }

    static QCheckBox* Box(QWidget& page, const QString& text)
    {
        for (QCheckBox* box : page.findChildren<QCheckBox*>())
            if (box->text() == text)
                return box;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }

    // Replaces the field's text by typing, as the user does after selecting it all.
    static void Retype(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        KeyClick(field, Qt::Key_Delete);
        KeyClicks(field, text);
    }

    TempDir dir;
    CKSettingsStore store;
    AppSettings settings;
    CSession session;
    FakeHost host;
    std::unique_ptr<CTagwrightDoc> doc;
};

TEST_F(OptionsTest, TreeSelectsThePagesAllMadeAtOpening)
{
    COptionsDialog dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Options..."));
    QTreeWidget* tree = dialog.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* editing = tree->topLevelItem(0);
    EXPECT_EQ(editing->text(0), QStringLiteral("Editing"));
    ASSERT_EQ(editing->childCount(), 2);
    EXPECT_EQ(editing->child(0)->text(0), QStringLiteral("Format"));
    EXPECT_EQ(editing->child(1)->text(0), QStringLiteral("Macros"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("Files"));
    EXPECT_TRUE(editing->isExpanded());
    EXPECT_EQ(tree->currentItem(), editing);
    EXPECT_EQ(dialog.focusWidget(), tree);

    // The keyboard walks the tree, and the page beside it follows.
    dialog.show();
    const std::vector<QWidget*> pages = {&dialog.FormatPage(), &dialog.MacrosPage(),
                                         &dialog.FilesPage()};
    EXPECT_EQ(dialog.CurrentPage(), &dialog.EditingPage());
    for (QWidget* page : pages) {
        KeyClick(tree, Qt::Key_Down);
        EXPECT_EQ(dialog.CurrentPage(), page);
        EXPECT_TRUE(page->isVisible());
    }
}

TEST_F(OptionsTest, TabSizeKeepsOneToSixtyThreeAndPutsFourForOtherNumbers)
{
    struct Case {
        const char* typed;
        const char* shown;
        int stored;
    };
    const Case cases[] = {
        {"0", "4", 4},  {"64", "4", 4},    {"63", "63", 63},
        {"-2", "4", 4}, {"abc", "abc", 8}, // not a number: the size stays
        {"", "", 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Preferences().SetTabSize(8);
        CPropEditing page(settings);
        QLineEdit* field = page.TabSizeField();
        EXPECT_EQ(field->text(), QStringLiteral("8"));
        Retype(field, QString::fromLatin1(c.typed));
        EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(Preferences().TabSize(), c.stored);
        // Leaving the field shows the stored size again.
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
        EXPECT_EQ(field->text(), QString::number(c.stored));
    }
}

TEST_F(OptionsTest, TabSizeSetThroughTheAccessibilityInterfaceIsStored)
{
    Preferences().SetTabSize(8);
    CPropEditing page(settings);
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(page.TabSizeField());
    ASSERT_NE(field, nullptr);
    for (const auto& [text, stored] : {std::pair{"12", 12}, {"0", 4}, {"63", 63}}) {
        field->setText(QAccessible::Value, QString::fromLatin1(text));
        EXPECT_EQ(Preferences().TabSize(), stored) << text;
        EXPECT_EQ(page.TabSizeField()->text(), QString::number(stored)) << text;
    }
}

TEST_F(OptionsTest, SpellingListShowsAndSwitchesTheSourceTypesCheckedByDefault)
{
    CPropEditing page(settings);
    auto* types = page.findChild<QListWidget*>(QStringLiteral("spellingTypes"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), kSourceTypeCount);
    for (int type = 0; type < kSourceTypeCount; ++type)
        EXPECT_EQ(types->item(type)->checkState() == Qt::Checked,
                  type == Number(SourceType::Html) || type == Number(SourceType::PlainText))
            << type;
    types->item(Number(SourceType::Html))->setCheckState(Qt::Unchecked);
    types->item(Number(SourceType::Python))->setCheckState(Qt::Checked);
    EXPECT_FALSE(Preferences().SpellingOnFor(SourceType::Html));
    EXPECT_TRUE(Preferences().SpellingOnFor(SourceType::Python));
    EXPECT_FALSE(doc->SpellingOn()) << "an HTML document follows the list";
}

TEST_F(OptionsTest, CheckBoxesWriteAtOnceTwoOfThemInverted)
{
    struct Case {
        const char* text;
        Switch preference;
        bool inverted;
    };
    const Case cases[] = {
        {"&Drag&&Drop text editing", Switch::DragDropDisabled, true},
        {"Insert &Spaces", Switch::UseTabs, true},
        {"Selection &Margin", Switch::SelectionMargin, false},
        {"Smoot&h scroll", Switch::SmoothScroll, false},
        {"Smart &Undo", Switch::SmartUndo, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (const bool stored : {false, true}) {
            Preferences().SetOn(c.preference, stored);
            CPropEditing page(settings);
            QCheckBox* box = Box(page, QString::fromLatin1(c.text));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isChecked(), stored != c.inverted);
            box->click();
            EXPECT_EQ(Preferences().IsOn(c.preference), !stored);
        }
    }
}

TEST_F(OptionsTest, FilesPageSwitchesShowAndChangeTheirPreferences)
{
    struct Case {
        const char* text;
        Switch preference;
    };
    const Case cases[] = {
        {"&Keep recovery copies of unsaved changes", Switch::RecoveryCopies},
        {"Reload files changed by other programs without &asking", Switch::ReloadChangedFiles},
    };
    EXPECT_TRUE(Preferences().IsOn(Switch::RecoveryCopies));
    EXPECT_FALSE(Preferences().IsOn(Switch::ReloadChangedFiles));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        for (const bool stored : {true, false}) {
            Preferences().SetOn(c.preference, stored);
            CPropFiles page(settings);
            QCheckBox* box = Box(page, QString::fromLatin1(c.text));
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isChecked(), stored);
            box->click();
            EXPECT_EQ(Preferences().IsOn(c.preference), !stored);
        }
    }
}

TEST_F(OptionsTest, AutoIndentGreysSmartIndentWhichKeepsItsValue)
{
    Preferences().SetOn(Switch::AutoIndent, true);
    Preferences().SetOn(Switch::SmartIndent, true);
    CPropEditing page(settings);
    QCheckBox* autoIndent = Box(page, QStringLiteral("&Auto Indent"));
    QCheckBox* smartIndent = Box(page, QStringLiteral("Smart &Indent"));
    ASSERT_TRUE(autoIndent && smartIndent);
    EXPECT_TRUE(smartIndent->isEnabled());
    autoIndent->click();
    EXPECT_FALSE(Preferences().IsOn(Switch::AutoIndent));
    EXPECT_FALSE(smartIndent->isEnabled());
    EXPECT_TRUE(smartIndent->isChecked());
    EXPECT_TRUE(Preferences().IsOn(Switch::SmartIndent));
    autoIndent->click();
    EXPECT_TRUE(smartIndent->isEnabled());

    // Opened with Auto Indent off, Smart Indent starts greyed.
    Preferences().SetOn(Switch::AutoIndent, false);
    CPropEditing closed(settings);
    EXPECT_FALSE(Box(closed, QStringLiteral("Smart &Indent"))->isEnabled());
}

TEST_F(OptionsTest, BrowserPathsHoldWhatTheRecordHoldsAndNoMore)
{
    CPropFiles page(settings);
    QLineEdit* field = page.BrowserField(1);
    KeyClicks(field, QString(300, QLatin1Char('a')));
    EXPECT_EQ(field->text().size(), 259);
    EXPECT_EQ(Preferences().BrowserPath(1), std::string(259, 'a'));

    // Two bytes a letter: a text the record cannot hold whole is refused, not stored cut.
    field->clear();
    field->insert(QString(120, QChar(0x0416)));
    EXPECT_EQ(Preferences().BrowserPath(1).size(), 240u);
    field->insert(QString(20, QChar(0x0416)));
    EXPECT_EQ(field->text().size(), 120);
    EXPECT_EQ(Preferences().BrowserPath(1).size(), 240u);
    field->clear();
    KeyClicks(page.BrowserField(2), QStringLiteral("/usr/bin/b2"));
    EXPECT_EQ(Preferences().BrowserPath(2), "/usr/bin/b2");
}

TEST_F(OptionsTest, BrowseTakesOnlyARunnableProgramWithAPathTheRecordHolds)
{
    const QString program = QString::fromStdString(dir.File("browser"));
    const QString text = QString::fromStdString(dir.File("notes.txt"));
    for (const QString& path : {program, text}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    const QString longPath = QStringLiteral("/") + QString(300, QLatin1Char('p'));

    struct Case {
        QString chosen;
        bool taken;
        bool told;
    };
    const Case cases[] = {
        {program, true, false},
        {QString(), false, false}, // cancelled
        {text, false, true},       // cannot be run
        {QString::fromStdString(dir.Path()), false, true},
        {longPath, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen.left(60).toStdString());
        Preferences().SetBrowserPath(1, "/old");
        CPropFiles page(settings);
        QString initial;
        page.SetProgramAsker([&](QWidget*, const QString& start) {
            initial = start;
            return c.chosen;
        });
        QStringList told;
        page.SetMessageTeller([&](QWidget*, const QString& message) { told << message; });
        page.Browse(1);
        EXPECT_EQ(initial, QStringLiteral("/old"));
        EXPECT_EQ(Preferences().BrowserPath(1), c.taken ? c.chosen.toStdString() : "/old");
        EXPECT_EQ(page.BrowserField(1)->text(), c.taken ? c.chosen : QStringLiteral("/old"));
        EXPECT_EQ(told.size(), c.told ? 1 : 0);
    }
}

// A typed path gets the checks a browsed one gets, when the Files page is left and when the
// dialog closes: the dialog stays on the page and says why until the path is a program that
// can be run, or empty.
TEST_F(OptionsTest, TypedBrowserPathsAreCheckedBeforeThePageIsLeftOrTheDialogCloses)
{
    const QString program = QString::fromStdString(dir.File("browser"));
    {
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
    const struct {
        QString typed;
        bool accepted;
    } cases[] = {
        {QStringLiteral("/etc/passwd"), false},      // not a program
        {QString::fromStdString(dir.Path()), false}, // a folder
        {QStringLiteral("/no/such/browser"), false},
        {QStringLiteral("no-such-browser-anywhere"), false},
        {QStringLiteral("sh"), true}, // found on the search path
        {program, true},
        {QString(), true}, // no browser
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        COptionsDialog dialog(settings);
        QStringList told;
        dialog.FilesPage().SetMessageTeller(
            [&](QWidget*, const QString& message) { told << message; });
        bool closed = false;
        QObject::connect(&dialog, &QDialog::finished, [&closed] { closed = true; });
        dialog.show();
        QTreeWidget* tree = dialog.Tree();
        tree->setCurrentItem(tree->topLevelItem(1));
        Retype(dialog.FilesPage().BrowserField(2), c.typed);

        tree->setCurrentItem(tree->topLevelItem(0));
        QApplication::processEvents();
        EXPECT_EQ(dialog.CurrentPage(),
                  c.accepted ? static_cast<QWidget*>(&dialog.EditingPage()) : &dialog.FilesPage());
        EXPECT_EQ(tree->currentItem(), tree->topLevelItem(c.accepted ? 0 : 1));
        dialog.accept();
        QApplication::processEvents();
        EXPECT_EQ(closed, c.accepted);
        EXPECT_EQ(told.size(), c.accepted ? 0 : 2);
        if (!c.accepted) {
            ASSERT_FALSE(told.isEmpty());
            EXPECT_TRUE(told[0].contains(c.typed)) << told[0].toStdString();
            EXPECT_EQ(dialog.CurrentPage(), &dialog.FilesPage());
            // Emptied, the field lets the dialog close.
            Retype(dialog.FilesPage().BrowserField(2), QString());
            dialog.reject();
            EXPECT_TRUE(closed);
        }
    }
}

TEST_F(OptionsTest, AutomaticColoursAreTheDefaultsButForTheTextOfEntities)
{
    const PreferenceValues defaults = DefaultPreferences();
    for (int c = 0; c < kColourClassCount; ++c) {
        const StoredColours automatic = AutomaticStoredColours(static_cast<ColourClass>(c));
        EXPECT_EQ(automatic.background, defaults.colours[c].background) << c;
        if (c != static_cast<int>(ColourClass::Entity)) {
            EXPECT_EQ(automatic.text, defaults.colours[c].text) << c;
        }
    }
    EXPECT_EQ(defaults.colours[13].text, 0x000040u);
    EXPECT_EQ(AutomaticStoredColours(ColourClass::Entity).text, 0x408080u);
}

TEST_F(OptionsTest, ColourChoicesStoreAtOnceAutomaticAndEscape)
{
    CPropFormat page(settings);
    page.show();
    page.Classes()->setCurrentRow(13); // "&-values"
    EXPECT_EQ(page.Classes()->currentItem()->text(), QStringLiteral("&-values"));
    CColourPicker* foreground = page.Foreground();
    EXPECT_EQ(foreground->Colour(), 0x000040u);
    EXPECT_EQ(page.Background()->Colour(), 0xC0C0C0u);

    // "Automatic" with the keyboard: from no cell, Down reaches the first and Up the entry.
    foreground->click();
    QWidget* popup = foreground->Popup();
    ASSERT_NE(popup, nullptr);
    KeyClick(popup, Qt::Key_Down);
    EXPECT_EQ(Preferences().Colours(ColourClass::Entity).text,
              0x000000u); // stored while the popup tracks
    KeyClick(popup, Qt::Key_Up);
    KeyClick(popup, Qt::Key_Return);
    EXPECT_EQ(Preferences().Colours(ColourClass::Entity).text, 0x408080u);
    EXPECT_EQ(foreground->Colour(), 0x408080u);
    QApplication::processEvents();

    // Escape puts back the colour the class had.
    QWidget* background = page.Background();
    page.Background()->click();
    popup = page.Background()->Popup();
    KeyClick(popup, Qt::Key_Right);
    EXPECT_EQ(Preferences().Colours(ColourClass::Entity).background, 0xE1E4FFu);
    KeyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(Preferences().Colours(ColourClass::Entity).background, 0xC0C0C0u);
    EXPECT_TRUE(background->isVisible());

    // Another class shows its own colours.
    page.Classes()->setCurrentRow(15);
    EXPECT_EQ(foreground->Colour(), 0xFFFFFFu);
    EXPECT_EQ(page.Background()->Colour(), 0x0000FFu);
}

TEST_F(OptionsTest, ChangeFontTakesTheChosenFontAndCancelKeepsIt)
{
    CPropFormat page(settings);
    QFont initial;
    std::optional<QFont> answer;
    page.SetFontAsker([&](QWidget*, const QFont& start) {
        initial = start;
        return answer;
    });
    QPushButton* button = page.findChild<QPushButton*>(QStringLiteral("changeFont"));
    ASSERT_NE(button, nullptr);
    const LogFont before = Preferences().Font();
    button->click();
    EXPECT_EQ(initial.pixelSize(), 13);
    EXPECT_EQ(Preferences().Font().FaceName(), before.FaceName());

    QFont chosen(QStringLiteral("DejaVu Sans Mono"));
    chosen.setPixelSize(20);
    chosen.setBold(true);
    answer = chosen;
    button->click();
    EXPECT_EQ(Preferences().Font().height, -20);
    EXPECT_EQ(Preferences().Font().weight, 700);
    EXPECT_EQ(Preferences().Font().FaceName(), "DejaVu Sans Mono");
    EXPECT_EQ(Preferences().Font().charSet, 204);
}

TEST_F(OptionsTest, LowerCaseTagsReachTheInsertMenuAndAutoExpandButNotMacros)
{
    CPropEditing page(settings);
    QCheckBox* box = Box(page, QStringLiteral("Insert tags in lo&wer case"));
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isChecked()); // upper case unless asked
    std::unique_ptr<CKEditView> view(CKTextView::Create<CKEditView>(*doc));
    const auto insert = [&] {
        doc->Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
        view->SetCursorPos({0, 0});
        view->OnCommand(ID_INSERT_FONT);
        KeyClicks(view.get(), QStringLiteral(" td"));
        view->AutoExpand();
        store.WriteString(kMacrosBeforeKey, "Macros 1", "<MY>");
        view->InsertMacro(1);
        std::string text;
        for (const std::string& line : BufferLines(doc->Buffer()))
            text += line + "|";
        return text;
    };
    EXPECT_EQ(insert(), "<FONT size=\"\" color=\"\"> <TD>|\t<MY>|</TD>|</FONT>|");
    box->click();
    EXPECT_TRUE(Preferences().IsOn(Switch::LowerCaseTags));
    EXPECT_EQ(insert(), "<font size=\"\" color=\"\"> <td>|\t<MY>|</td>|</font>|");
}

TEST_F(OptionsTest, MacroTextsAreStoredAsTypedAndWorkInTheViewAtOnce)
{
    CPropMacros page(settings);
    page.Names()->setCurrentRow(1);
    QPlainTextEdit* before = page.BeforeBox();
    KeyClicks(before, QStringLiteral("<b>"));
    KeyClick(before, Qt::Key_Tab, QStringLiteral("\t"), Qt::ControlModifier);
    KeyClick(before, Qt::Key_Return, QStringLiteral("\r"), Qt::ControlModifier);
    KeyClicks(page.AfterBox(), QStringLiteral("</b>"));
    EXPECT_EQ(store.ReadString(kMacrosBeforeKey, "Macros 1"), "<b>\t\r\n");
    EXPECT_EQ(store.ReadString(kMacrosAfterKey, "Macros 1"), "</b>");

    // Another macro shows its own texts, and the first ones come back.
    page.Names()->setCurrentRow(2);
    EXPECT_EQ(before->toPlainText(), QString());
    page.Names()->setCurrentRow(1);
    EXPECT_EQ(before->toPlainText(), QStringLiteral("<b>\t\n"));

    // The view reads the store when Ctrl+1 comes.
    std::unique_ptr<CKEditView> view(CKTextView::Create<CKEditView>(*doc));
    view->InsertMacro(1);
    EXPECT_EQ(BufferLines(doc->Buffer()), (std::vector<std::string>{"<b>\t", "</b>"}));
    page.AfterBox()->setPlainText(QStringLiteral("!"));
    doc->Buffer().InitEmpty(LineEnding::Dos, CodePage::Windows1251);
    view->InsertMacro(1);
    EXPECT_EQ(BufferLines(doc->Buffer()).back(), "!");

    // A box holds at most 4096 characters.
    page.AfterBox()->setPlainText(QString(5000, QLatin1Char('x')));
    EXPECT_EQ(store.ReadString(kMacrosAfterKey, "Macros 1"), std::string(4096, 'x'));
    EXPECT_EQ(page.AfterBox()->toPlainText().size(), 4096);
}

TEST_F(OptionsTest, CancelPutsBackEverythingThePagesChanged)
{
    Preferences().SetTabSize(4);
    Preferences().SetOn(Switch::SelectionMargin, true);
    store.WriteString(kMacrosBeforeKey, "Macros 2", "<i>");
    for (const bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "Cancel" : "OK");
        COptionsDialog dialog(settings);
        Retype(dialog.EditingPage().TabSizeField(), QStringLiteral("8"));
        Box(dialog.EditingPage(), QStringLiteral("Selection &Margin"))->click();
        Box(dialog.FilesPage(), QStringLiteral("&Keep recovery copies of unsaved changes"))
            ->click();
        Box(dialog.EditingPage(), QStringLiteral("Insert tags in lo&wer case"))->click();
        dialog.MacrosPage().Names()->setCurrentRow(2);
        dialog.MacrosPage().BeforeBox()->setPlainText(QStringLiteral("<u>"));
        ASSERT_EQ(Preferences().TabSize(), 8);
        ASSERT_EQ(store.ReadString(kMacrosBeforeKey, "Macros 2"), "<u>");

        QPushButton* button = nullptr;
        for (QPushButton* b : dialog.findChildren<QPushButton*>())
            if (b->text().remove(u'&') == (cancel ? "Cancel" : "OK"))
                button = b;
        ASSERT_NE(button, nullptr);
        button->click();
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(Preferences().TabSize(), cancel ? 4 : 8);
        EXPECT_EQ(Preferences().IsOn(Switch::SelectionMargin), cancel);
        EXPECT_EQ(Preferences().IsOn(Switch::RecoveryCopies), cancel);
        EXPECT_EQ(Preferences().IsOn(Switch::LowerCaseTags), !cancel);
        EXPECT_EQ(store.ReadString(kMacrosBeforeKey, "Macros 2"), cancel ? "<i>" : "<u>");
    }
}

TEST_F(OptionsTest, ViewsFollowEachChangeWhileTheDialogIsOpen)
{
    Preferences().SetTabSize(4);
    Preferences().SetOn(Switch::SelectionMargin, true);
    Preferences().SetOn(Switch::DebugSubsystem, false);
    int line, ch;
    doc->Buffer().InsertText(nullptr, 0, 0, "\tx", line, ch, 0);
    std::unique_ptr<CKEditView> view(CKTextView::Create<CKEditView>(*doc));
    view->resize(400, 200);
    view->show();
    const auto tabWidth = [&] {
        return view->PositionToPixel({1, 0}).x() - view->PositionToPixel({0, 0}).x();
    };
    const int tabBefore = tabWidth();
    const int marginBefore = view->MarginWidth();

    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<COptionsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        CPropEditing& editing = dialog->EditingPage();
        Retype(editing.TabSizeField(), QStringLiteral("8"));
        EXPECT_EQ(tabWidth(), 2 * tabBefore);
        Box(editing, QStringLiteral("Selection &Margin"))->click();
        EXPECT_LT(view->MarginWidth(), marginBefore);
        Box(dialog->FilesPage(), QStringLiteral("&Enable Debug Subsystem (may be very slow)"))
            ->click();
        dialog->accept();
    });
    RunOptionsDialog(settings, view.get());

    EXPECT_LT(view->MarginWidth(), marginBefore);
    EXPECT_EQ(tabWidth(), 2 * tabBefore);
    EXPECT_EQ(store.ReadNumber(kDebugKey, debug_values::kDebugMode, -1), 1);
}

} // namespace
