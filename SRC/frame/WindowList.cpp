// Window arrangement and the window-list dialog.
#include "frame/WindowList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

void ShowNormal(QMdiSubWindow* window)
{
    if (window->isMinimized() || window->isMaximized())
        window->showNormal();
}

} // namespace

QList<QMdiSubWindow*> OpenWindows(const QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    // A closed window stays in the area, hidden, until it is deleted.
    for (QMdiSubWindow* window : area.subWindowList())
        if (!window->isHidden() || window->isMinimized())
            windows.append(window);
    return windows;
}

void CascadeWindows(QMdiArea& area, const QList<QMdiSubWindow*>& windows)
{
    if (windows.isEmpty())
        return;
    const QSize space = area.viewport()->size();
    const int step = std::max(20, area.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 4);
    const int count = static_cast<int>(windows.size());
    const int width = std::max(space.width() * 2 / 3, space.width() - step * (count - 1));
    const int height = std::max(space.height() * 2 / 3, space.height() - step * (count - 1));
    // Offsets start again at the corner once a window would reach past the area.
    const int steps =
        std::max(1, std::min((space.width() - width) / step, (space.height() - height) / step) + 1);
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        ShowNormal(window);
        const int offset = (i % steps) * step;
        window->setGeometry(offset, offset, width, height);
        window->raise();
    }
}

void TileWindows(QMdiArea& area, const QList<QMdiSubWindow*>& windows, Qt::Orientation orientation)
{
    if (windows.isEmpty())
        return;
    const QSize space = area.viewport()->size();
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        ShowNormal(windows[i]);
        if (orientation == Qt::Horizontal) {
            const int top = space.height() * i / count;
            windows[i]->setGeometry(0, top, space.width(), space.height() * (i + 1) / count - top);
        } else {
            const int left = space.width() * i / count;
            windows[i]->setGeometry(left, 0, space.width() * (i + 1) / count - left,
                                    space.height());
        }
    }
}

CKWindowListDialog::CKWindowListDialog(QMdiArea& area, SaveWindow save, QWidget* parent)
    : QDialog(parent), m_area(area), m_save(std::move(save)), m_list(new QListWidget(this))
{
    setWindowTitle(QStringLiteral("Windows"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setAccessibleName(QStringLiteral("Select window"));
    auto* label = new QLabel(QStringLiteral("&Select window:"), this);
    label->setBuddy(m_list);
    auto* left = new QVBoxLayout;
    left->addWidget(label);
    left->addWidget(m_list, 1);
    auto* buttons = new QVBoxLayout;
    const auto add = [&](const QString& text, std::function<void()> action) {
        buttons->addWidget(AddButton(text, std::move(action)));
    };
    add(QStringLiteral("&Activate"), [this] {
        const QList<QMdiSubWindow*> chosen = Selected();
        if (!chosen.isEmpty()) {
            ShowNormal(chosen.front());
            m_area.setActiveSubWindow(chosen.front());
        }
        accept();
    });
    add(QStringLiteral("&OK"), [this] { accept(); });
    add(QStringLiteral("&Save"), [this] {
        for (QMdiSubWindow* window : Selected())
            m_save(window);
        Refill();
    });
    add(QStringLiteral("&Close Window(s)"), [this] {
        for (QMdiSubWindow* window : Selected())
            window->close();
        Refill();
    });
    add(QStringLiteral("Cascade"), [this] { CascadeWindows(m_area, Selected()); });
    add(QStringLiteral("Tile &Horizontally"),
        [this] { TileWindows(m_area, Selected(), Qt::Horizontal); });
    add(QStringLiteral("Tile &Vertically"),
        [this] { TileWindows(m_area, Selected(), Qt::Vertical); });
    add(QStringLiteral("&Minimize"), [this] {
        // A window minimised here becomes the active one, and while the area shows its
        // windows maximised it would open at full size again: that state ends first.
        for (QMdiSubWindow* window : m_area.subWindowList())
            if (window->isMaximized())
                window->showNormal();
        for (QMdiSubWindow* window : Selected())
            window->showMinimized();
    });
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    m_buttons.front()->setDefault(true);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(m_list, &QListWidget::itemDoubleClicked, m_buttons.front(), &QPushButton::click);
    resize(520, 320);
    Refill();
}

QPushButton* CKWindowListDialog::AddButton(const QString& text, std::function<void()> action)
{
    auto* button = new QPushButton(text, this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, std::move(action));
    m_buttons.push_back(button);
    return button;
}

QPushButton* CKWindowListDialog::Button(const QString& text) const
{
    for (QPushButton* button : m_buttons)
        if (button->text() == text)
            return button;
    return nullptr;
}

void CKWindowListDialog::Refill()
{
    // The windows chosen before stay chosen; at first the active one is.
    QList<QMdiSubWindow*> chosen = Selected();
    if (m_windows.empty())
        chosen = {m_area.activeSubWindow()};
    m_list->clear();
    m_windows.clear();
    for (QMdiSubWindow* window : OpenWindows(m_area)) {
        m_windows.emplace_back(window);
        m_list->addItem(window->windowTitle());
        if (chosen.contains(window))
            m_list->item(m_list->count() - 1)->setSelected(true);
    }
    UpdateButtons();
}

QList<QMdiSubWindow*> CKWindowListDialog::Selected() const
{
    QList<QMdiSubWindow*> chosen;
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->isSelected() && m_windows[static_cast<size_t>(row)])
            chosen.append(m_windows[static_cast<size_t>(row)]);
    return chosen;
}

void CKWindowListDialog::UpdateButtons()
{
    const qsizetype chosen = Selected().size();
    for (QPushButton* button : m_buttons) {
        if (button->text() == QStringLiteral("&OK"))
            continue;
        button->setEnabled(button->text() == QStringLiteral("&Activate") ? chosen == 1
                                                                         : chosen > 0);
    }
}
