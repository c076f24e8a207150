// Command actions, routing along the chain of targets and the update passes.
#include "frame/CommandRouter.h"

#include "controls/QtText.h"
#include "res/Commands.h"
#include "res/Strings.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <new>

namespace {

constexpr int kIdleIntervalMs = 200;

// The desktop theme's image where it has one, the program's own otherwise.
QIcon CommandImage(int id, std::string_view rowIcon)
{
    const CommandIcon* icon = FindCommandIcon(id);
    const std::string_view resource = !rowIcon.empty() ? rowIcon : icon ? icon->resourceName : std::string_view();
    const QIcon own = resource.empty() ? QIcon() : QIcon(QStringLiteral(":/toolbar/") + FromUtf8(resource));
    return icon && !icon->themeName.empty() ? QIcon::fromTheme(FromUtf8(icon->themeName), own) : own;
}

} // namespace

CKCommandRouter::CKCommandRouter(Chain chain, const CCommandCatalogue& catalogue, Report report,
                                 QObject* parent)
    : QObject(parent), m_chain(std::move(chain)), m_catalogue(catalogue),
      m_report(std::move(report)), m_idleTimer(new QTimer(this))
{
    m_idleTimer->setInterval(kIdleIntervalMs);
    connect(m_idleTimer, &QTimer::timeout, this, [this] {
        UpdateAll();
        emit idle();
    });
    m_idleTimer->start();
}

QAction* CKCommandRouter::NewAction(int id)
{
    auto* action = new QAction(this);
    if (const CommandInfo* info = m_catalogue.Find(id)) {
        action->setText(FromUtf8(info->menuText));
        action->setStatusTip(FromUtf8(info->prompt));
        action->setToolTip(FromUtf8(info->toolTip));
        action->setIcon(CommandImage(id, info->icon));
    }
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] {
        Route(id);
        UpdateAll();
    });
    return action;
}

QAction* CKCommandRouter::Action(int id)
{
    if (const auto it = m_actions.find(id); it != m_actions.end())
        return it->second;
    QAction* action = NewAction(id);
    if (const CommandInfo* info = m_catalogue.Find(id))
        action->setShortcuts(QKeySequence::listFromString(FromUtf8(info->keys)));
    m_actions.emplace(id, action);
    return action;
}

QAction* CKCommandRouter::ButtonAction(int id)
{
    if (const auto it = m_buttonActions.find(id); it != m_buttonActions.end())
        return it->second;
    // The keys stay with the command's own action: one shortcut, one owner.
    QAction* action = NewAction(id);
    m_buttonActions.emplace(id, action);
    Action(id); // the updates of the command's action carry over to the button
    return action;
}

bool CKCommandRouter::Route(int id)
{
    try {
        // The handler may close the window that was first in the chain, so each target is
        // asked from a fresh chain only once.
        for (CKCommandTarget* target : m_chain())
            if (target->OnCommand(id))
                return true;
    } catch (const std::bad_alloc&) {
        if (m_report)
            m_report(ResText(IDS_OUT_OF_MEMORY));
        return true;
    }
    return false;
}

void CKCommandRouter::Update(int id)
{
    const auto it = m_actions.find(id);
    if (it == m_actions.end())
        return;
    CmdUI ui(id);
    bool handled = false;
    for (CKCommandTarget* target : m_chain())
        if ((handled = target->OnUpdateCommand(ui)))
            break;
    QAction* action = it->second;
    action->setEnabled(handled && ui.enabled);
    // The key after a tab is shown from the action's shortcut; in the text a screen reader
    // would read it as part of the name.
    if (handled && ui.hasText)
        action->setText(QString::fromStdString(ui.text).section(QLatin1Char('\t'), 0, 0));
    if (action->isCheckable())
        action->setChecked(ui.checked);
    if (const auto button = m_buttonActions.find(id); button != m_buttonActions.end()) {
        QAction* mirror = button->second;
        mirror->setEnabled(action->isEnabled());
        mirror->setCheckable(action->isCheckable());
        mirror->setChecked(action->isChecked());
    }
}

void CKCommandRouter::UpdateAll()
{
    for (const auto& [id, action] : m_actions)
        Update(id);
}

void CKCommandRouter::WatchMenu(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
}

void CKCommandRouter::UpdateMenu(QMenu* menu)
{
    for (QAction* action : menu->actions()) {
        if (action->menu())
            UpdateMenu(action->menu());
        else if (!action->isSeparator() && action->data().isValid())
            Update(action->data().toInt());
    }
}

void CKCommandRouter::FillToolBar(QToolBar* bar, std::span<const int> buttons)
{
    bool separatorDue = false;
    for (const int id : buttons) {
        if (id == 0) {
            separatorDue = !bar->actions().isEmpty();
            continue;
        }
        // A command no component offers (yet) has no button.
        if (!m_catalogue.Find(id))
            continue;
        if (separatorDue)
            bar->addSeparator();
        separatorDue = false;
        QAction* action = ButtonAction(id);
        bar->addAction(action);
        // Screen readers name a button by its tooltip, the text a sighted user sees.
        if (QWidget* button = bar->widgetForAction(action))
            button->setAccessibleName(action->toolTip());
    }
    // The arrow to the buttons that do not fit has no text of its own.
    if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More buttons"));
}
