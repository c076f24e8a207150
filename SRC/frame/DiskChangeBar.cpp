// The file-changed bar: what happened to the file and what the user can do about it. It acts
// only through the document.
#include "frame/DiskChangeBar.h"

#include "doc/TagwrightDoc.h"
#include "res/Strings.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QString Res(int id)
{
    const std::string_view text = ResString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

CKDiskChangeBar::CKDiskChangeBar(CTagwrightDoc& doc, QWidget* parent)
    : QFrame(parent), m_doc(&doc), m_text(new QLabel(this))
{
    setObjectName("diskChangeBar");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addWidget(m_text, 1);
    // A key given presses the button from anywhere in the document window while it shows; as
    // the window's own shortcut it cannot reach the bar of another window, as a mnemonic would.
    const auto button = [&](int text, QKeySequence key, auto action) {
        auto* b = new QPushButton(Res(text), this);
        b->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
        if (parent && !key.isEmpty()) {
            auto* shortcut = new QAction(b);
            shortcut->setShortcut(key);
            shortcut->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            parent->addAction(shortcut);
            connect(shortcut, &QAction::triggered, b, [b] {
                if (b->isVisible())
                    b->click();
            });
            b->setToolTip(key.toString(QKeySequence::NativeText));
        }
        return b;
    };
    m_reload = button(IDS_DISK_RELOAD, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_R),
                      [this] { m_doc->ReloadFromDisk(); });
    m_differences = button(IDS_DISK_SHOW_DIFFERENCES, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_D),
                           [this] { m_doc->ShowDiskDifferences(); });
    m_keep = button(IDS_DISK_KEEP, QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_K),
                    [this] { m_doc->KeepMyText(); });
    m_save = button(IDS_DISK_SAVE, {}, [this] { m_doc->DoFileSave(); });
    m_close = button(IDS_DISK_CLOSE, {}, [this] { emit m_doc->closeRequested(); });

    connect(m_doc, &CTagwrightDoc::diskChangeChanged, this, &CKDiskChangeBar::Update);
    Update();
}

QString CKDiskChangeBar::Text() const { return m_text->text(); }

QList<QPushButton*> CKDiskChangeBar::Buttons() const
{
    QList<QPushButton*> shown;
    for (QPushButton* b : {m_reload, m_differences, m_keep, m_save, m_close})
        if (!b->isHidden())
            shown << b;
    return shown;
}

void CKDiskChangeBar::Update()
{
    const DiskChange change = m_doc->DiskChangeShown();
    const bool changed = change == DiskChange::Changed;
    const bool gone = change == DiskChange::Gone;
    m_text->setText(Res(gone ? IDS_DISK_GONE : IDS_DISK_CHANGED));
    for (QPushButton* b : {m_reload, m_differences, m_keep})
        b->setVisible(changed);
    for (QPushButton* b : {m_save, m_close})
        b->setVisible(gone);
    setVisible(changed || gone);
}
