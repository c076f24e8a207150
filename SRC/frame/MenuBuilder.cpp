// The menu bar, the toolbars and the context menu, and their entries that change.
#include "frame/MenuBuilder.h"

#include "controls/QtText.h"
#include "frame/CommandRouter.h"
#include "res/CommandIds.h"
#include "res/CommandTable.h"
#include "res/Commands.h"
#include "res/Strings.h"
#include "syntax/SourceTypes.h"
#include "text/CodePages.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

CKMenuBuilder::CKMenuBuilder(CKCommandRouter& router, MenuSources sources, QObject* parent)
    : QObject(parent), m_router(router), m_sources(std::move(sources))
{
}

std::vector<QAction*> CKMenuBuilder::RunActions(int firstId)
{
    std::vector<QAction*> actions;
    if (const CommandSpec* run = FindCommand(firstId))
        for (int place = 0; place < run->count; ++place)
            actions.push_back(m_router.Action(run->id + place));
    return actions;
}

void CKMenuBuilder::FillMenuBar(QMenuBar& bar)
{
    for (const MenuInfo& info : MainMenus()) {
        QMenu* menu = bar.addMenu(FromUtf8(info.title));
        m_router.WatchMenu(menu);
        if (info.needsDocument)
            m_documentMenus.push_back(menu);
        for (const MenuItem& item : info.items)
            if (QAction* added = AddItem(*menu, item); added && item.needsDocument)
                m_documentItems.push_back(added);
        // The prompt of the last item highlighted goes with its menu.
        connect(menu, &QMenu::aboutToHide, this, &CKMenuBuilder::menuClosed);
    }
    if (auto* more = bar.findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(QStringLiteral("More menus")); // the arrow to menus that do not fit
}

void CKMenuBuilder::AddItems(QMenu& menu, std::span<const MenuItem> items)
{
    for (const MenuItem& item : items)
        AddItem(menu, item);
}

QAction* CKMenuBuilder::AddItem(QMenu& menu, const MenuItem& item)
{
    switch (item.kind) {
    case MenuItemKind::Command: {
        QAction* action = m_router.Action(item.id);
        menu.addAction(action);
        return action;
    }
    case MenuItemKind::Separator:
        return menu.addSeparator();
    case MenuItemKind::Submenu: {
        QMenu* sub = menu.addMenu(FromUtf8(item.text));
        m_router.WatchMenu(sub);
        AddItems(*sub, item.items);
        return sub->menuAction();
    }
    case MenuItemKind::RecentFiles:
        AddNumberedRun(menu, ID_FILE_MRU_FIRST, IDS_SLOT_RECENT_FILE, m_recentItems,
                       &CKMenuBuilder::UpdateRecentFileItems);
        return nullptr;
    case MenuItemKind::SourceTypes: {
        QMenu* types = menu.addMenu(FromUtf8(item.text));
        m_router.WatchMenu(types);
        // One type at a time: the items show radio marks.
        auto* group = new QActionGroup(types);
        group->setExclusive(true);
        int type = 0;
        for (QAction* action : RunActions(ID_SOURCE_TYPE_FIRST)) {
            action->setText(FromUtf8(SourceTypeName(static_cast<SourceType>(type++))));
            group->addAction(action);
            types->addAction(action);
        }
        return types->menuAction();
    }
    case MenuItemKind::CodePages: {
        // One entry per code page, named as in the file dialog.
        m_codePageMenu = menu.addMenu(FromUtf8(item.text));
        m_router.WatchMenu(m_codePageMenu);
        int page = 0;
        for (QAction* action : RunActions(ID_FILE_REOPEN_FIRST)) {
            action->setText(FromUtf8(CodePageName(static_cast<CodePage>(page++))));
            m_codePageMenu->addAction(action);
        }
        return m_codePageMenu->menuAction();
    }
    case MenuItemKind::Toolbars: {
        QMenu* bars = menu.addMenu(FromUtf8(item.text));
        m_router.WatchMenu(bars);
        for (const int id : ToolbarToggles())
            bars->addAction(m_router.Action(id));
        return bars->menuAction();
    }
    case MenuItemKind::UserTools:
        AddNumberedRun(menu, ID_TOOLS_FIRST, IDS_SLOT_TOOL, m_toolItems,
                       &CKMenuBuilder::UpdateToolItems);
        return nullptr;
    case MenuItemKind::Windows:
        m_windowSeparator = menu.addSeparator();
        AddNumberedRun(menu, ID_WINDOW_DOCUMENT_FIRST, IDS_SLOT_WINDOW, m_windowItems,
                       &CKMenuBuilder::UpdateWindowItems);
        return nullptr;
    }
    return nullptr;
}

void CKMenuBuilder::FillToolBar(QToolBar& bar, std::span<const int> buttons)
{
    bool separatorDue = false;
    for (const int id : buttons) {
        if (id == 0) {
            separatorDue = !bar.actions().isEmpty();
            continue;
        }
        if (separatorDue)
            bar.addSeparator();
        separatorDue = false;
        QAction* action = m_router.ButtonAction(id);
        bar.addAction(action);
        // Screen readers name a button by its tooltip, the text a sighted user sees.
        if (QWidget* button = bar.widgetForAction(action))
            button->setAccessibleName(action->toolTip());
    }
    // The arrow to the buttons that do not fit has no text of its own.
    if (auto* more = bar.findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More buttons"));
}

void CKMenuBuilder::ShowContextMenu(QMenu& menu, QPoint globalPos)
{
    m_router.WatchMenu(&menu);
    AddItems(menu, ContextMenu());
    menu.exec(globalPos);
}

void CKMenuBuilder::ShowDocumentItems(bool haveDocument)
{
    if (haveDocument == m_documentItemsShown)
        return;
    m_documentItemsShown = haveDocument;
    for (QMenu* menu : m_documentMenus)
        menu->menuAction()->setVisible(haveDocument);
    for (QAction* item : m_documentItems) {
        item->setVisible(haveDocument);
        // Hiding an action leaves its shortcut switched off after it shows again; setting
        // the shortcut anew registers it in the action's present state.
        if (haveDocument && !item->shortcut().isEmpty())
            item->setShortcut(item->shortcut());
    }
}

void CKMenuBuilder::AddNumberedRun(QMenu& menu, int firstId, int slotName,
                                   std::vector<QAction*>& items, void (CKMenuBuilder::*update)())
{
    for (QAction* action : RunActions(firstId)) {
        // Screen readers list the hidden entries too: each has a name before it has a text.
        action->setText(ResText(slotName).arg(items.size() + 1));
        menu.addAction(action);
        items.push_back(action);
    }
    connect(&menu, &QMenu::aboutToShow, this, update);
    (this->*update)();
}

void CKMenuBuilder::ShowNumbered(const std::vector<QAction*>& items, const QStringList& texts)
{
    for (size_t i = 0; i < items.size(); ++i) {
        const bool shown = static_cast<qsizetype>(i) < texts.size();
        items[i]->setVisible(shown);
        // The tenth entry takes the key 0.
        if (shown)
            items[i]->setText(
                QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(texts[static_cast<qsizetype>(i)]));
    }
}

void CKMenuBuilder::UpdateRecentFileItems()
{
    ShowNumbered(m_recentItems, m_sources.recentFiles());
}

void CKMenuBuilder::UpdateToolItems() { ShowNumbered(m_toolItems, m_sources.toolNames()); }

void CKMenuBuilder::UpdateWindowItems()
{
    const QStringList titles = m_sources.windowTitles();
    m_windowSeparator->setVisible(!titles.isEmpty());
    ShowNumbered(m_windowItems, titles);
}
