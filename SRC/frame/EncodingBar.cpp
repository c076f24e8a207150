// The encoding hint bar: the hint's text, a button that reopens the file in the suggested
// page and one that dismisses the hint. It never converts anything by itself.
#include "frame/EncodingBar.h"

#include "controls/QtText.h"
#include "doc/TagwrightDoc.h"
#include "res/Strings.h"
#include "text/CodePages.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace {

QString PageText(CodePage page) { return FromUtf8(CodePageShortName(page)); }

} // namespace

CKEncodingBar::CKEncodingBar(CTagwrightDoc& doc, QWidget* parent)
    : QFrame(parent), m_doc(&doc), m_text(new QLabel(this)), m_reopen(new QPushButton(this)),
      m_close(new QToolButton(this))
{
    setObjectName("encodingBar");
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    m_text->setForegroundRole(QPalette::ToolTipText);
    m_text->setWordWrap(true);
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    m_close->setAutoRaise(true);
    m_close->setToolTip(ResText(IDS_HINT_CLOSE_TIP));
    m_close->setAccessibleName(ResText(IDS_HINT_CLOSE_TIP));
    // The text names the page once a hint shows; the hidden button has a name all the same.
    m_reopen->setText(ResText(IDS_HINT_REOPEN_OTHER));
    m_reopen->setFocusPolicy(Qt::StrongFocus);
    m_close->setFocusPolicy(Qt::StrongFocus);
    // Alt+R presses the button from anywhere in the document window. It is the window's own
    // shortcut rather than a mnemonic, which the bars of windows shown side by side would share.
    if (parent) {
        m_reopenKey = new QAction(this);
        m_reopenKey->setShortcut(QKeySequence(Qt::ALT | Qt::Key_R));
        m_reopenKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        parent->addAction(m_reopenKey);
        connect(m_reopenKey, &QAction::triggered, m_reopen, &QPushButton::click);
        m_reopen->setToolTip(m_reopenKey->shortcut().toString(QKeySequence::NativeText));
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_reopen);
    layout->addWidget(m_close);

    // Reopening checks the file again and dismissing clears the hint; either way the
    // document's signal hides the bar. A declined or failed reopen leaves it showing.
    connect(m_reopen, &QPushButton::clicked, this, [this] {
        if (const std::optional<CodePage> page = m_doc->EncodingHint())
            m_doc->ReopenInCodePage(*page);
    });
    connect(m_close, &QToolButton::clicked, this, [this] { m_doc->DismissEncodingHint(); });
    connect(m_doc, &CTagwrightDoc::encodingHintChanged, this, &CKEncodingBar::Update);
    Update();
}

QString CKEncodingBar::Text() const { return m_text->text(); }

void CKEncodingBar::Update()
{
    const std::optional<CodePage> page = m_doc->EncodingHint();
    const bool shown = page && IsKnown(*page);
    if (m_reopenKey)
        m_reopenKey->setEnabled(shown);
    if (!shown) {
        hide();
        return;
    }
    const CodePage opened = m_doc->Buffer().CodePage();
    switch (m_doc->EncodingHintReason()) {
    case CodePageHint::Reason::LooksLike:
        m_text->setText(ResText(IDS_HINT_LOOKS_LIKE).arg(PageText(*page), PageText(opened)));
        break;
    case CodePageHint::Reason::Declares:
        m_text->setText(ResText(IDS_HINT_DECLARES).arg(PageText(*page), PageText(opened)));
        break;
    case CodePageHint::Reason::NotUtf8:
        m_text->setText(ResText(IDS_HINT_NOT_UTF8));
        break;
    }
    m_reopen->setText(ResText(IDS_HINT_REOPEN).arg(PageText(*page)));
    show();
}
