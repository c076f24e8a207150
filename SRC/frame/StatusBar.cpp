// The status bar's panes, what a screen reader reads for an empty one, and the clock.
#include "frame/StatusBar.h"

#include "controls/QtText.h"
#include "res/CommandIds.h"
#include "res/Strings.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include <iterator>

namespace {

constexpr int kMinuteMs = 60'000;
// The clock changes just after the minute starts, never just before.
constexpr int kClockLateMs = 20;

// The panes right of the message pane: the text that sizes each, the name a screen reader
// reads while it shows nothing (an empty overwrite or read-only pane means the mode is off),
// and the part of the view's status it shows.
struct PaneSpec {
    int id;
    const char* sizing;
    const char* emptyName;
    std::string ViewStatus::*text;
};
constexpr PaneSpec kPanes[] = {
    {ID_PANE_POSITION, "Ln XXX, Col XXX", "Caret position", &ViewStatus::position},
    {ID_PANE_OVERWRITE, "OVR", "Overwrite off", &ViewStatus::overwrite},
    {ID_PANE_LINE_ENDING, "CLRF: UNIX", "Line ending", &ViewStatus::lineEnding},
    {ID_PANE_CODE_PAGE, "ENC: DOS", "Code page", &ViewStatus::codePage},
    {ID_PANE_READ_ONLY, "READ", "Read-only off", &ViewStatus::readOnly},
};

QString ClockText() { return QTime::currentTime().toString(QStringLiteral("HH:mm")); }

QLabel* NewPane(QWidget* parent, const QString& sizing)
{
    auto* pane = new QLabel(parent);
    pane->setAlignment(Qt::AlignCenter);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(sizing) + 8);
    return pane;
}

} // namespace

int MillisecondsToNextMinute(QTime now)
{
    return kMinuteMs - now.msecsSinceStartOfDay() % kMinuteMs;
}

CKStatusBar::CKStatusBar(QWidget* parent)
    : QStatusBar(parent), m_message(new QLabel(ResText(IDS_IDLE_MESSAGE), this)),
      m_clock(NewPane(this, ClockText())), m_clockTimer(new QTimer(this))
{
    addWidget(m_message, 1);
    for (const PaneSpec& spec : kPanes) {
        QLabel* pane = NewPane(this, QString::fromLatin1(spec.sizing));
        addPermanentWidget(pane);
        m_panes[spec.id] = pane;
        ShowPane(spec.id, {});
    }
    m_panes[ID_PANE_CODE_PAGE]->installEventFilter(this);
    m_panes[ID_PANE_CODE_PAGE]->setCursor(Qt::PointingHandCursor);
    addPermanentWidget(m_clock);
    // Once a minute, on the minute: the program does nothing while nothing changes.
    m_clockTimer->setObjectName(QStringLiteral("clock"));
    m_clockTimer->setSingleShot(true);
    connect(m_clockTimer, &QTimer::timeout, this, &CKStatusBar::UpdateClock);
    UpdateClock();
}

void CKStatusBar::UpdateClock()
{
    m_clock->setText(ClockText());
    m_clockTimer->start(MillisecondsToNextMinute(QTime::currentTime()) + kClockLateMs);
}

void CKStatusBar::ShowPane(int id, const std::string& text)
{
    QLabel& pane = *m_panes[id];
    pane.setText(QString::fromStdString(text));
    pane.setEnabled(!text.empty());
    // A label with no name of its own is read by its text. The name is set only when it
    // changes: each change is announced.
    QString name;
    if (text.empty())
        for (const PaneSpec& spec : kPanes)
            if (spec.id == id)
                name = QString::fromLatin1(spec.emptyName);
    if (pane.accessibleName() != name)
        pane.setAccessibleName(name);
}

void CKStatusBar::SetCodePageNote(const QString& note)
{
    QLabel* pane = m_panes[ID_PANE_CODE_PAGE];
    if (pane->toolTip() != note)
        pane->setToolTip(note);
}

void CKStatusBar::ShowStatus(const ViewStatus* status)
{
    for (const PaneSpec& spec : kPanes)
        ShowPane(spec.id, status ? status->*spec.text : std::string());
    const QString prompt = status ? FromWindows1251(status->prompt) : QString();
    if (!prompt.isEmpty()) {
        m_message->setText(prompt);
        m_viewPromptShown = true;
    } else if (m_viewPromptShown) {
        m_message->setText(ResText(IDS_IDLE_MESSAGE));
        m_viewPromptShown = false;
    }
}

void CKStatusBar::ShowMenuPrompt(const QString& prompt)
{
    if (!prompt.isEmpty()) {
        if (!m_menuPromptShown)
            m_savedMessage = m_message->text();
        m_menuPromptShown = true;
        m_message->setText(prompt);
    } else {
        EndMenuPrompt();
    }
}

void CKStatusBar::EndMenuPrompt()
{
    if (!m_menuPromptShown)
        return;
    m_menuPromptShown = false;
    m_message->setText(m_savedMessage);
}

QString CKStatusBar::PaneText(int paneId) const
{
    if (paneId == ID_PANE_MESSAGE)
        return m_message->text();
    if (paneId == ID_PANE_CLOCK)
        return m_clock->text();
    const auto it = m_panes.find(paneId);
    return it == m_panes.end() ? QString() : it->second->text();
}

bool CKStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    QLabel* codePage = m_panes[ID_PANE_CODE_PAGE];
    if (watched == codePage && event->type() == QEvent::MouseButtonPress && codePage->isEnabled()) {
        emit codePagePaneClicked(codePage->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}
