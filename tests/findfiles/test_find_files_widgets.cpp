// The Find in Files dialog and the "Search Results" pane on their own: the fields kept across
// runs, a search that cannot start held in the dialog, the rows of the pane, walking them with
// F4, copying them and choosing what Replace takes.
#include "findfiles/FindFilesDialog.h"
#include "findfiles/SearchResultsPane.h"
#include "findfiles/core/FindInFiles.h"
#include "settings/core/MemorySettingsStore.h"
#include "text/CodePages.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

FileResult MakeFile(const std::string& relative, CodePage page,
                    std::vector<std::pair<int, std::string>> lines,
                    std::vector<std::pair<TextPoint, TextPoint>> matches)
{
    FileResult file;
    file.relativePath = relative;
    file.path = "/site/" + relative;
    file.codePage = page;
    for (auto& [line, text] : lines)
        file.lines.push_back({line, text});
    for (const auto& [start, end] : matches) {
        FoundMatch match;
        for (size_t i = 0; i < file.lines.size(); ++i)
            if (file.lines[i].line == start.y)
                match.lineIndex = static_cast<int>(i);
        match.start = start;
        match.end = end;
        file.matches.push_back(match);
    }
    return file;
}

void Press(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

} // namespace

TEST(FindFilesDialog, FieldsAreKeptInTheStoreAndReadBack)
{
    MemorySettingsStore store;
    const FindFilesFields defaults = ReadFindFilesSettings(store);
    EXPECT_TRUE(defaults.subfolders);
    EXPECT_TRUE(defaults.skipHiddenFolders);
    EXPECT_EQ(defaults.codePage, std::nullopt);
    EXPECT_TRUE(defaults.masks.contains(QStringLiteral("*.htm")));

    FindFilesFields fields;
    fields.findWhat = "\xcf\xf0\xe8\xe2\xe5\xf2"; // a Cyrillic word in Windows-1251
    fields.replaceWith = "\\1-x";
    fields.folder = QStringLiteral("/srv/сайт");
    fields.masks = QStringLiteral("*.html;*.css");
    fields.flags = FIND_MATCH_CASE | FIND_REGEXP;
    fields.subfolders = false;
    fields.skipHiddenFolders = false;
    fields.codePage = CodePage::Koi8R;
    fields.scope = FindFilesScope::Project;
    CKFindFilesDialog dialog(fields, true, {}, nullptr, 2);
    WriteFindFilesSettings(store, dialog.Fields());
    const FindFilesFields back = ReadFindFilesSettings(store);
    EXPECT_EQ(back.scope, FindFilesScope::Project);
    EXPECT_EQ(back.findWhat, fields.findWhat);
    EXPECT_EQ(back.replaceWith, fields.replaceWith);
    EXPECT_EQ(back.folder, fields.folder);
    EXPECT_EQ(back.masks, fields.masks);
    EXPECT_EQ(back.flags, fields.flags);
    EXPECT_FALSE(back.subfolders);
    EXPECT_FALSE(back.skipHiddenFolders);
    EXPECT_EQ(back.codePage, CodePage::Koi8R);

    // A page number the store should not hold reads as Detect.
    store.WriteNumber("Settings/FindInFiles", "CodePage", 17);
    EXPECT_EQ(ReadFindFilesSettings(store).codePage, std::nullopt);
}

TEST(FindFilesDialog, ReplaceFieldOnlyForReplaceAndOptionsFollowTheBoxes)
{
    FindFilesFields fields;
    fields.findWhat = "a";
    fields.folder = QStringLiteral("/tmp");
    CKFindFilesDialog find(fields, false, {});
    EXPECT_EQ(find.ReplaceEdit(), nullptr);
    EXPECT_FALSE(FindFilesOptionsOf(find.Fields(), false).replacement.has_value());

    CKFindFilesDialog replace(fields, true, {});
    ASSERT_NE(replace.ReplaceEdit(), nullptr);
    replace.ReplaceEdit()->setText(QStringLiteral("б"));
    replace.MasksBox()->setCurrentText(QStringLiteral("*.htm, *.txt"));
    replace.CodePageBox()->setCurrentIndex(replace.CodePageBox()->findData(Number(CodePage::Utf8)));
    replace.SubfoldersBox()->setChecked(false);
    const FindFilesOptions options = FindFilesOptionsOf(replace.Fields(), true);
    EXPECT_EQ(options.replacement, std::optional<std::string>("\xe1"));
    EXPECT_EQ(options.masks, (std::vector<std::string>{"*.htm", "*.txt"}));
    EXPECT_EQ(options.codePage, CodePage::Utf8);
    EXPECT_FALSE(options.subfolders);
    EXPECT_GE(options.threads, 1);

    // Nothing to find or nowhere to look: the button is off.
    replace.FindEdit()->clear();
    EXPECT_FALSE(replace.StartButton()->isEnabled());
    replace.FindEdit()->setText(QStringLiteral("a"));
    replace.FolderEdit()->setText(QStringLiteral("  "));
    EXPECT_FALSE(replace.StartButton()->isEnabled());
}

TEST(FindFilesDialog, TheProjectsFilesAreAChoiceOnlyWhenThereAreSome)
{
    FindFilesFields fields;
    fields.findWhat = "a";
    fields.scope = FindFilesScope::Project;
    fields.masks = QStringLiteral("*.htm");

    // An empty Project cannot be chosen: the dialog opens on the folder.
    CKFindFilesDialog empty(fields, false, {}, nullptr, 0);
    EXPECT_EQ(empty.Fields().scope, FindFilesScope::Folder);
    EXPECT_TRUE(empty.FolderEdit()->isEnabled());
    EXPECT_FALSE(empty.StartButton()->isEnabled()); // and no folder is given

    // With files, the folder and how it is walked are set aside; the masks still apply.
    CKFindFilesDialog dialog(fields, false, {}, nullptr, 2);
    EXPECT_EQ(dialog.Fields().scope, FindFilesScope::Project);
    EXPECT_FALSE(dialog.FolderEdit()->isEnabled());
    EXPECT_FALSE(dialog.SubfoldersBox()->isEnabled());
    EXPECT_FALSE(dialog.SkipHiddenBox()->isEnabled());
    EXPECT_TRUE(dialog.MasksBox()->isEnabled());
    EXPECT_TRUE(dialog.StartButton()->isEnabled());
    const QStringList project = {QStringLiteral("/srv/сайт/index.htm"),
                                 QStringLiteral("/srv/сайт/news/a.htm")};
    const FindFilesOptions options = FindFilesOptionsOf(dialog.Fields(), false, project);
    ASSERT_TRUE(options.files.has_value());
    EXPECT_EQ(*options.files,
              (std::vector<std::string>{"/srv/сайт/index.htm", "/srv/сайт/news/a.htm"}));
    EXPECT_EQ(options.folder, "/srv/сайт");
    EXPECT_EQ(options.masks, (std::vector<std::string>{"*.htm"}));

    dialog.ScopeBox()->setCurrentIndex(0);
    EXPECT_TRUE(dialog.FolderEdit()->isEnabled());
    EXPECT_FALSE(FindFilesOptionsOf(dialog.Fields(), false, project).files.has_value());
}

TEST(FindFilesDialog, AFieldThatCannotStartASearchKeepsTheDialogOpenWithTheReason)
{
    FindFilesFields fields;
    fields.findWhat = "(";
    fields.flags = FIND_REGEXP;
    fields.folder = QStringLiteral("/tmp");
    CKFindFilesDialog dialog(fields, false, [](const FindFilesFields& f) {
        return QString::fromStdString(FindFilesStartProblem(FindFilesOptionsOf(f, false)));
    });
    dialog.show();
    dialog.StartButton()->click();
    EXPECT_FALSE(dialog.Problem().isEmpty());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.Options().regex->setChecked(false);
    dialog.StartButton()->click();
    EXPECT_TRUE(dialog.Problem().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

class SearchResultsPaneTest : public testing::Test {
protected:
    void SetUp() override
    {
        pane.Begin(QStringLiteral("/site"), replace);
        // "index.htm" with two matches on one line and one on another; "sub/b.htm" in KOI8-R.
        pane.AddFile(MakeFile("index.htm", CodePage::Windows1251, {{2, "a\tfoo foo"}, {9, "foo"}},
                              {{{2, 2}, {5, 2}}, {{6, 2}, {9, 2}}, {{0, 9}, {3, 9}}}));
        pane.AddFile(
            MakeFile("sub/b.htm", CodePage::Koi8R, {{0, "x \xf4\xee\xee"}}, {{{2, 0}, {5, 0}}}));
    }
    bool replace = false;
    CKSearchResultsPane pane;
};

TEST_F(SearchResultsPaneTest, RowsAreGroupedByFileWithPageAndCount)
{
    QTreeWidget* tree = pane.Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(tree->topLevelItem(0)->text(0).startsWith(QStringLiteral("index.htm (")));
    EXPECT_TRUE(tree->topLevelItem(0)->text(0).endsWith(QStringLiteral(", 3)")));
    EXPECT_TRUE(tree->topLevelItem(1)->text(0).contains(
        QString::fromUtf8(CodePageName(CodePage::Koi8R).data())));
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("3: a foo foo"));
    EXPECT_EQ(tree->topLevelItem(0)->child(2)->text(0), QStringLiteral("10: foo"));

    pane.AddProblem({"/site/locked", "Permission denied"});
    FindFilesTotals totals;
    totals.filesSearched = 12;
    totals.filesMatched = 2;
    totals.matches = 4;
    totals.binarySkipped = 1;
    totals.cancelled = true;
    pane.Finish(totals);
    EXPECT_FALSE(pane.IsRunning());
    EXPECT_EQ(
        pane.Status()->text(),
        QStringLiteral("Stopped: 12 files searched, 4 matches in 2 files, 1 binary files skipped"));
    // Files keep the order of their paths whenever they come, the problems below them.
    pane.AddFile(MakeFile("z.htm", CodePage::Windows1251, {{0, "foo"}}, {{{0, 0}, {3, 0}}}));
    pane.AddFile(MakeFile("a.htm", CodePage::Windows1251, {{0, "foo"}}, {{{0, 0}, {3, 0}}}));
    QStringList order;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        order << tree->topLevelItem(i)->text(0).section(QLatin1Char(' '), 0, 0);
    EXPECT_EQ(order, (QStringList{"a.htm", "index.htm", "sub/b.htm", "z.htm", "Not"}));
    EXPECT_EQ(pane.Files().size(), 4u);
}

TEST_F(SearchResultsPaneTest, F4WalksTheMatchesRoundAndEnterOpensTheCurrentOne)
{
    std::pair<int, int> opened{-1, -1};
    QObject::connect(&pane, &CKSearchResultsPane::openRequested, [&](int file, int match) {
        opened = {file, match};
    });
    const auto last = [&] { return opened; };
    pane.GoToResult(1); // from the first file's row: its first match
    EXPECT_EQ(last(), std::pair(0, 0));
    for (const auto& expected :
         {std::pair(0, 1), std::pair(0, 2), std::pair(1, 0), std::pair(0, 0)}) {
        pane.GoToResult(1);
        EXPECT_EQ(last(), expected);
    }
    pane.GoToResult(-1);
    EXPECT_EQ(last(), std::pair(1, 0));

    pane.Tree()->setCurrentItem(pane.Tree()->topLevelItem(0)->child(1));
    Press(pane.Tree(), Qt::Key_Return);
    EXPECT_EQ(last(), std::pair(0, 1));
    // A file's row opens its first match.
    pane.Tree()->setCurrentItem(pane.Tree()->topLevelItem(1));
    Press(pane.Tree(), Qt::Key_Enter);
    EXPECT_EQ(last(), std::pair(1, 0));
}

TEST_F(SearchResultsPaneTest, EscapeStopsOnlyWhileRunning)
{
    int stops = 0;
    QObject::connect(&pane, &CKSearchResultsPane::stopRequested, [&] { ++stops; });
    Press(pane.Tree(), Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
    pane.Finish({});
    Press(pane.Tree(), Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(pane.Files().size(), 2u); // what was found stays
}

TEST_F(SearchResultsPaneTest, AReplaceOnDiskCanBeStoppedUntilItEnds)
{
    pane.Finish({});
    int stops = 0;
    QObject::connect(&pane, &CKSearchResultsPane::stopRequested, [&] { ++stops; });
    pane.BeginReplacing(40);
    EXPECT_TRUE(pane.IsRunning());
    EXPECT_TRUE(pane.StopButton()->isEnabled());
    pane.ShowReplaceProgress(12, 40);
    EXPECT_EQ(pane.Status()->text(), QStringLiteral("Replacing: 12 of 40 files"));
    Press(pane.Tree(), Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
    pane.ShowReplaced(QStringLiteral("Replaced 24 occurrences in 12 files."));
    EXPECT_FALSE(pane.IsRunning());
    EXPECT_FALSE(pane.StopButton()->isEnabled());
    Press(pane.Tree(), Qt::Key_Escape);
    EXPECT_EQ(stops, 1);
}

TEST_F(SearchResultsPaneTest, CopyGivesPathLineColumnAndTheLineInUtf8)
{
    EXPECT_EQ(pane.AllText(),
              QStringLiteral("index.htm:3:3: a\tfoo foo\nindex.htm:3:7: a\tfoo foo\n"
                             "index.htm:10:1: foo\nsub/b.htm:1:3: x \u0444\u043e\u043e\n"));
    pane.Tree()->clearSelection();
    pane.Tree()->topLevelItem(0)->child(2)->setSelected(true);
    pane.Tree()->topLevelItem(1)->setSelected(true); // a file's row: all its matches
    EXPECT_EQ(pane.SelectedText(),
              QStringLiteral("index.htm:10:1: foo\nsub/b.htm:1:3: x \u0444\u043e\u043e\n"));
}

class ReplacePreviewTest : public SearchResultsPaneTest {
protected:
    ReplacePreviewTest() { replace = true; }
};

TEST_F(ReplacePreviewTest, TicksChooseMatchesAndAFileTickTakesAllOfItsMatches)
{
    EXPECT_TRUE(pane.ReplaceButton()->isVisibleTo(&pane));
    EXPECT_FALSE(pane.ReplaceButton()->isEnabled()); // not before the search has ended
    pane.Finish({});
    EXPECT_TRUE(pane.ReplaceButton()->isEnabled());

    QTreeWidgetItem* index = pane.Tree()->topLevelItem(0);
    index->child(1)->setCheckState(0, Qt::Unchecked);
    EXPECT_EQ(index->checkState(0), Qt::PartiallyChecked);
    pane.Tree()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    const std::vector<FileResult> chosen = pane.ChosenFiles();
    ASSERT_EQ(chosen.size(), 2u);
    EXPECT_TRUE(chosen[0].matches[0].chosen);
    EXPECT_FALSE(chosen[0].matches[1].chosen);
    EXPECT_TRUE(chosen[0].matches[2].chosen);
    EXPECT_FALSE(chosen[1].matches[0].chosen);

    int replaceAsked = 0;
    QObject::connect(&pane, &CKSearchResultsPane::replaceRequested, [&] { ++replaceAsked; });
    pane.ReplaceButton()->click();
    EXPECT_EQ(replaceAsked, 1);
    pane.ShowReplaced(QStringLiteral("Replaced 2 occurrences in 1 files."));
    EXPECT_FALSE(pane.ReplaceButton()->isEnabled());
}

TEST_F(ReplacePreviewTest, AStoppedSearchCannotBeReplaced)
{
    FindFilesTotals totals;
    totals.cancelled = true;
    pane.Finish(totals);
    EXPECT_FALSE(pane.ReplaceButton()->isEnabled());
}
