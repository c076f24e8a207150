// Command actions, routing along the chain of targets and the update passes.
#include "frame/CommandRouter.h"

#include "controls/QtText.h"
#include "res/Strings.h"
#include "view/CommandKeys.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QTimer>

#include <new>

namespace {

// The desktop theme's image where it has one, the program's own otherwise.
QIcon CommandImage(const CommandIcon& icon)
{
    const QIcon own = icon.resourceName.empty()
                          ? QIcon()
                          : QIcon(QStringLiteral(":/toolbar/") + FromUtf8(icon.resourceName));
    return icon.themeName.empty() ? own : QIcon::fromTheme(FromUtf8(icon.themeName), own);
}

} // namespace

CKCommandRouter::CKCommandRouter(Chain chain, Report report, QObject* parent)
    : QObject(parent), m_chain(std::move(chain)), m_report(std::move(report)),
      m_pendingUpdate(new QTimer(this))
{
    m_pendingUpdate->setSingleShot(true);
    m_pendingUpdate->setInterval(0);
    connect(m_pendingUpdate, &QTimer::timeout, this, &CKCommandRouter::UpdateAll);
}

QAction* CKCommandRouter::NewAction(int id)
{
    auto* action = new QAction(this);
    if (const CommandSpec* spec = FindCommand(id)) {
        action->setText(FromUtf8(spec->menu));
        action->setStatusTip(FromUtf8(spec->prompt));
        action->setToolTip(FromUtf8(spec->tip));
        action->setIcon(CommandImage(spec->icon));
        action->setCheckable(spec->flags & CMD_CHECKABLE);
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
    action->setShortcuts(CKCommandKeys::Commands().KeysOf(id));
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
    m_pendingUpdate->stop();
    for (const auto& [id, action] : m_actions)
        Update(id);
    emit updated();
}

void CKCommandRouter::Invalidate()
{
    if (!m_pendingUpdate->isActive())
        m_pendingUpdate->start();
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
