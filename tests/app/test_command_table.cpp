// The command table against the components that run its commands, the menus and toolbars
// that show them, and the keys that start them.
#include "app/ShortcutsDialog.h"
#include "app/Tagwright.h"
#include "doc/TagwrightDoc.h"
#include "edit/KEditView.h"
#include "frame/MainFrm.h"
#include "res/CommandTable.h"
#include "res/Commands.h"
#include "view/CommandKeys.h"
#include "view/KTextView.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QTableWidget>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>

namespace {

TEST(CommandTableTest, EveryCommandHasOneRowAndOneHandler)
{
    // How many components run each command.
    std::map<int, int> runners;
    const auto count = [&runners](auto handlers) {
        for (const auto& handler : handlers)
            ++runners[handler.id];
    };
    count(CKEditView::CommandHandlers());
    count(CKTextView::CommandHandlers());
    count(CTagwrightDoc::CommandHandlers());
    count(CMainFrame::CommandHandlers());
    count(CTagwrightApp::CommandHandlers());

    std::set<int> rows;
    for (const CommandSpec& spec : CommandTable()) {
        EXPECT_TRUE(rows.insert(spec.id).second) << "a second row for " << spec.id;
        EXPECT_EQ(runners[spec.id], 1) << spec.id;
        // The ids of a run belong to it alone.
        for (int place = 0; place < spec.count; ++place)
            EXPECT_EQ(FindCommand(spec.id + place), &spec) << spec.id << "+" << place;
    }
    for (const auto& [id, components] : runners)
        EXPECT_TRUE(rows.contains(id)) << "a handler without a row: " << id;
}

void ExpectCommandsOfTheTable(std::span<const MenuItem> items, const std::string& where)
{
    for (const MenuItem& item : items) {
        if (item.kind == MenuItemKind::Command) {
            const CommandSpec* spec = FindCommand(item.id);
            EXPECT_TRUE(spec && spec->id == item.id) << where << ": " << item.id;
        }
        ExpectCommandsOfTheTable(item.items, where);
    }
}

TEST(CommandTableTest, MenusToolbarsAndTheContextMenuNameCommandsOfTheTable)
{
    for (const MenuInfo& menu : MainMenus())
        ExpectCommandsOfTheTable(menu.items, std::string(menu.title));
    ExpectCommandsOfTheTable(ContextMenu(), "context menu");
    for (const auto bar : {StandardToolbar(), InsertToolbar(), MacrosToolbar(),
                           ChildFrameTopToolbar(), ChildFrameToolbar(), ToolbarToggles()})
        for (const int id : bar)
            if (id != 0) {
                const CommandSpec* spec = FindCommand(id);
                EXPECT_TRUE(spec && spec->id == id) << "button " << id;
            }
}

TEST(CommandTableTest, EveryKeyParsesAndStartsOneCommand)
{
    std::map<int, int> owners; // key -> command
    for (const CommandSpec& spec : CommandTable()) {
        const QString keys =
            QString::fromUtf8(spec.keys.data(), static_cast<qsizetype>(spec.keys.size()));
        if (keys.isEmpty())
            continue;
        for (const QString& text : keys.split(QLatin1Char(';'))) {
            const QKeySequence key = QKeySequence::fromString(text.trimmed());
            ASSERT_EQ(key.count(), 1) << spec.id << ": " << text.toStdString();
            // Shift+Tab arrives as its own key; both stand for the same command.
            QKeyCombination pressed = key[0];
            if (pressed.key() == Qt::Key_Backtab)
                pressed = QKeyCombination(pressed.keyboardModifiers(), Qt::Key_Tab);
            const auto [owner, first] = owners.emplace(pressed.toCombined(), spec.id);
            EXPECT_TRUE(first || owner->second == spec.id)
                << text.toStdString() << " starts " << owner->second << " and " << spec.id;
            EXPECT_EQ(CKCommandKeys::Commands().CommandOf(key[0]), spec.id) << text.toStdString();
        }
    }
}

} // namespace

namespace {

// The rows the shortcuts list shows: name and keys of each row not hidden by the search.
std::map<QString, QString> ShownShortcuts(const CKShortcutsDialog& dialog)
{
    std::map<QString, QString> shown;
    const QTableWidget& table = *dialog.Table();
    for (int row = 0; row < table.rowCount(); ++row)
        if (!table.isRowHidden(row))
            shown[table.item(row, 0)->text()] = table.item(row, 1)->text();
    return shown;
}

TEST(CommandTableTest, ShortcutsListEveryCommandWithKeysAndNarrowToTheSearch)
{
    CKShortcutsDialog dialog;
    const std::map<QString, QString> all = ShownShortcuts(dialog);
    // Menu texts lose their mnemonic and dots; commands without a menu item show their prompt.
    EXPECT_EQ(all.at(QStringLiteral("Save")),
              QKeySequence(QStringLiteral("Ctrl+S")).toString(QKeySequence::NativeText));
    EXPECT_EQ(all.at(QStringLiteral("Open")),
              QKeySequence(QStringLiteral("Ctrl+O")).toString(QKeySequence::NativeText));
    EXPECT_TRUE(all.contains(QStringLiteral("Search backward as you type")));
    EXPECT_FALSE(all.contains(QStringLiteral("Save As"))); // it has no keys
    for (const CommandSpec& spec : CommandTable()) {
        if (!CKCommandKeys::Commands().KeysOf(spec.id).isEmpty()) {
            EXPECT_FALSE(spec.menu.empty() && spec.prompt.empty())
                << "command " << spec.id << " has keys but no name";
        }
    }

    dialog.SearchField()->setText(QStringLiteral("ctrl+shift+i"));
    EXPECT_EQ(
        ShownShortcuts(dialog),
        (std::map<QString, QString>{
            {QStringLiteral("Search backward as you type"),
             QKeySequence(QStringLiteral("Ctrl+Shift+I")).toString(QKeySequence::NativeText)}}));
    dialog.SearchField()->setText(QStringLiteral("SAVE"));
    const std::map<QString, QString> saves = ShownShortcuts(dialog);
    EXPECT_TRUE(saves.contains(QStringLiteral("Save")));
    EXPECT_TRUE(saves.contains(QStringLiteral("Save All")));
    EXPECT_FALSE(saves.contains(QStringLiteral("Open")));
    dialog.SearchField()->clear();
    EXPECT_EQ(ShownShortcuts(dialog).size(), all.size());
}

} // namespace
