// The document window: toolbars, the view, and asking to save when the last window of a
// modified document closes.
#include "frame/ChildFrm.h"

#include "doc/TagwrightDoc.h"
#include "frame/CommandRouter.h"
#include "res/Commands.h"

#include <QCloseEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QToolBar* MakeToolBar(std::span<const int> buttons, CKCommandRouter& router, QWidget* parent)
{
    auto* bar = new QToolBar(parent);
    bar->setIconSize(QSize(16, 16));
    for (const int id : buttons) {
        if (id == 0)
            bar->addSeparator();
        else
            bar->addAction(router.Action(id));
    }
    return bar;
}

} // namespace

CChildFrame::CChildFrame(CKDocView* view, CKCommandRouter& router, QWidget* parent)
    : QWidget(parent), m_view(view), m_doc(&view->Document())
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeToolBar(ChildFrameTopToolbar(), router, this));
    layout->addWidget(MakeToolBar(ChildFrameToolbar(), router, this));
    view->Widget()->setParent(this);
    layout->addWidget(view->Widget(), 1);
    setFocusProxy(view->Widget());
}

CChildFrame::~CChildFrame()
{
    // The view detaches from the document before the document may go.
    delete m_view->Widget();
    emit viewClosed(m_doc);
}

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
    if (!m_asked && m_doc->Views().size() == 1 && !m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}
