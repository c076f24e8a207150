// The placeholder view: shows the buffer's text converted from Windows-1251.
#include "frame/PlainDocView.h"

#include "doc/TagwrightDoc.h"
#include "res/CommandIds.h"
#include "text/QtText.h"

#include <QFontDatabase>
#include <QTimer>

CKPlainDocView::CKPlainDocView(CTagwrightDoc& doc, QWidget* parent)
    : QPlainTextEdit(parent), m_doc(doc)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_doc.Buffer().AttachView(this);
    m_doc.AddView(this);
    Reload();
}

CKPlainDocView::~CKPlainDocView()
{
    m_doc.Buffer().DetachView(this);
    m_doc.RemoveView(this);
}

void CKPlainDocView::OnBufferChanged(CKBufferView*, const UpdateContext*, uint32_t, int)
{
    // Changes come in bursts; the text is shown again once they are over.
    if (m_reloadPending)
        return;
    m_reloadPending = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadPending = false;
        Reload();
    });
}

void CKPlainDocView::Reload()
{
    const CKTextBuffer& buffer = m_doc.Buffer();
    std::string text;
    for (int i = 0; i < buffer.LineCount(); ++i) {
        if (i > 0)
            text += '\n';
        text += buffer.Line(i);
    }
    setPlainText(FromWindows1251(text));
}

bool CKPlainDocView::PaneText(int paneId, QString& text)
{
    const CKTextBuffer& buffer = m_doc.Buffer();
    static const char* const kLineEndings[] = {"CRLF: DOS", "CRLF: UNIX", "CRLF: MAC"};
    static const char* const kCodePages[] = {"ENC: WIN", "ENC: DOS", "ENC: KOI", "ENC: ISO", "ENC: MAC"};
    switch (paneId) {
    case ID_PANE_POSITION: {
        const QTextCursor cursor = textCursor();
        text = QStringLiteral("Col %1,Ln %2").arg(cursor.positionInBlock() + 1).arg(cursor.blockNumber() + 1);
        return true;
    }
    case ID_PANE_LINE_ENDING:
        if (buffer.LineEnding() < 0 || buffer.LineEnding() > 2)
            return false;
        text = QString::fromLatin1(kLineEndings[buffer.LineEnding()]);
        return true;
    case ID_PANE_CODE_PAGE:
        if (buffer.CodePage() < 0 || buffer.CodePage() > 4)
            return false;
        text = QString::fromLatin1(kCodePages[buffer.CodePage()]);
        return true;
    case ID_PANE_READ_ONLY:
        text = QStringLiteral("READ");
        return buffer.IsReadOnly();
    default:
        return false;
    }
}
