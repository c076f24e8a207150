// The document window: toolbars, the file-changed and encoding hint bars, the view, and asking
// to save when the last window of a modified document closes.
#include "frame/ChildFrm.h"

#include "doc/TagwrightDoc.h"
#include "frame/DiskChangeBar.h"
#include "frame/EncodingBar.h"
#include "frame/MenuBuilder.h"
#include "frame/SplitPanes.h"
#include "res/Commands.h"

#include <QCloseEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QToolBar* MakeToolBar(const QString& name, std::span<const int> buttons, CKMenuBuilder& menus,
                      QWidget* parent)
{
    auto* bar = new QToolBar(name, parent);
    bar->setIconSize(QSize(16, 16));
    menus.FillToolBar(*bar, buttons);
    return bar;
}

} // namespace

CChildFrame::CChildFrame(CTagwrightDoc& doc, const DocViewFactory& factory, CKMenuBuilder& menus,
                         QWidget* parent)
    : QWidget(parent), m_doc(&doc), m_panes(new CKSplitPanes(doc, factory, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar(QStringLiteral("View"), ChildFrameTopToolbar(), menus, this));
    layout->addWidget(MakeToolBar(QStringLiteral("Document"), ChildFrameToolbar(), menus, this));
    layout->addWidget(new CKDiskChangeBar(doc, this));
    layout->addWidget(new CKEncodingBar(doc, this));
    layout->addWidget(m_panes, 1);
    setFocusProxy(m_panes);
}

CChildFrame::~CChildFrame()
{
    // The views leave the document before the window is gone, which may be the document's
    // last: its owner learns of that when the window is destroyed.
    delete m_panes;
}

CKDocView* CChildFrame::View() { return m_panes->ActiveView(); }

std::vector<CKDocView*> CChildFrame::Views() const { return m_panes->Views(); }

void CChildFrame::ToggleSplit() { m_panes->ToggleSplit(); }

CTagwrightDoc& CChildFrame::Document() { return *m_doc; }

void CChildFrame::CloseWithoutAsking()
{
    m_asked = true;
    if (parentWidget())
        parentWidget()->close();
    else
        close();
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // Closing the last window of a document asks to save it.
    if (!m_asked && m_doc->Views().size() == m_panes->Views().size() && !m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}
