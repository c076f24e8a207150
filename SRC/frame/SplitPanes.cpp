// Splitting a document window into panes and keeping the panes' scroll positions together.
#include "frame/SplitPanes.h"

#include "view/KTextView.h"

#include <QEvent>
#include <QSplitter>
#include <QVBoxLayout>

namespace {

CKTextView* TextViewOf(CKDocView* view) { return view ? dynamic_cast<CKTextView*>(view) : nullptr; }

} // namespace

CKSplitPanes::CKSplitPanes(CTagwrightDoc& doc, DocViewFactory factory, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_factory(std::move(factory)),
      m_rows(new QSplitter(Qt::Vertical, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_rows);
    m_rows->setChildrenCollapsible(false);
    // Both rows belong to the window from the start; the second shows while it is split.
    for (int row = 0; row < 2; ++row) {
        m_rowSplitters[row] = new QSplitter(Qt::Horizontal);
        m_rowSplitters[row]->setChildrenCollapsible(false);
        m_rows->addWidget(m_rowSplitters[row]);
        connect(m_rowSplitters[row], &QSplitter::splitterMoved, this,
                [this, row] { AlignColumns(m_rowSplitters[row]); });
    }
    m_rowSplitters[1]->hide();
    m_active = MakePane(0, 0);
    setFocusProxy(m_active->Widget());
}

CKSplitPanes::~CKSplitPanes()
{
    // Views leave their document before the splitters that hold them go.
    for (CKDocView* view : Views())
        delete view->Widget();
}

std::vector<CKDocView*> CKSplitPanes::Views() const
{
    std::vector<CKDocView*> views;
    for (const auto& row : m_panes)
        for (CKDocView* view : row)
            if (view)
                views.push_back(view);
    return views;
}

CKDocView* CKSplitPanes::MakePane(int row, int column)
{
    CKDocView* view = m_factory(m_doc, nullptr);
    QWidget* widget = view->Widget();
    widget->setMinimumSize(kMinPaneSize, kMinPaneSize);
    widget->installEventFilter(this);
    m_rowSplitters[row]->insertWidget(column, widget);
    m_panes[row][column] = view;
    if (CKTextView* text = TextViewOf(view))
        text->SetSiblings(this);
    return view;
}

void CKSplitPanes::ToggleSplit()
{
    if (IsSplit()) {
        CKDocView* keep = m_active;
        for (auto& row : m_panes)
            for (CKDocView*& view : row)
                if (view && view != keep) {
                    delete view->Widget();
                    view = nullptr;
                }
        m_panes = {};
        m_panes[0][0] = keep;
        m_rowSplitters[0]->insertWidget(0, keep->Widget());
        keep->Widget()->show();
        m_rowSplitters[1]->hide();
        setFocusProxy(keep->Widget());
        keep->Widget()->setFocus();
        return;
    }
    m_rowSplitters[1]->show();
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column)
            if (!m_panes[row][column])
                MakePane(row, column);
    for (QSplitter* splitter : {m_rows, m_rowSplitters[0], m_rowSplitters[1]}) {
        const int half = (splitter->orientation() == Qt::Vertical ? height() : width()) / 2;
        splitter->setSizes({half, half});
    }
    // A new pane takes the offset of the first row's pane in its column and the top line of
    // the first column's pane in its row.
    CKTextView* origin = TextViewOf(m_panes[0][0]);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 2; ++column) {
            CKTextView* pane = TextViewOf(m_panes[row][column]);
            if (!pane || pane == origin)
                continue;
            if (CKTextView* above = TextViewOf(m_panes[0][column]); row > 0 && above)
                pane->FollowSibling(*above, false);
            else if (origin)
                pane->FollowSibling(*origin, false);
            if (CKTextView* left = TextViewOf(m_panes[row][0]); column > 0 && left)
                pane->FollowSibling(*left, true);
            else if (origin)
                pane->FollowSibling(*origin, true);
        }
}

bool CKSplitPanes::Locate(const CKTextView& view, int& row, int& column) const
{
    for (row = 0; row < 2; ++row)
        for (column = 0; column < 2; ++column)
            if (TextViewOf(m_panes[row][column]) == &view)
                return true;
    return false;
}

void CKSplitPanes::TopLineChanged(CKTextView& source)
{
    int row, column;
    if (!Locate(source, row, column))
        return;
    for (int c = 0; c < 2; ++c)
        if (CKTextView* pane = TextViewOf(m_panes[row][c]); pane && pane != &source)
            pane->FollowSibling(source, true);
}

void CKSplitPanes::OffsetCharChanged(CKTextView& source)
{
    int row, column;
    if (!Locate(source, row, column))
        return;
    for (int r = 0; r < 2; ++r)
        if (CKTextView* pane = TextViewOf(m_panes[r][column]); pane && pane != &source)
            pane->FollowSibling(source, false);
}

void CKSplitPanes::AlignColumns(QSplitter* moved)
{
    for (QSplitter* other : m_rowSplitters)
        if (other != moved && !other->isHidden())
            other->setSizes(moved->sizes());
}

bool CKSplitPanes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        for (CKDocView* view : Views())
            if (view->Widget() == watched) {
                m_active = view;
                setFocusProxy(view->Widget());
            }
    return QWidget::eventFilter(watched, event);
}
