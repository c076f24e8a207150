// The panes of a document window: one view, or 2 x 2 views of the same document after
// Window > Split. Panes of a row keep the same top line, panes of a column the same
// horizontal offset.
#pragma once

#include "doc/DocView.h"
#include "view/ViewSiblings.h"

#include <QWidget>

#include <array>
#include <vector>

class QSplitter;

class CKSplitPanes : public QWidget, public CKViewSiblings {
    Q_OBJECT
public:
    static constexpr int kMinPaneSize = 10;

    CKSplitPanes(CTagwrightDoc& doc, DocViewFactory factory, QWidget* parent = nullptr);
    ~CKSplitPanes() override;

    // The pane that had the keyboard focus last.
    CKDocView* ActiveView() const { return m_active; }
    std::vector<CKDocView*> Views() const;
    CKDocView* Pane(int row, int column) const { return m_panes[row][column]; }
    bool IsSplit() const { return m_panes[1][1] != nullptr; }
    // Splits into 2 x 2 panes, or back to the active pane alone.
    void ToggleSplit();

    void TopLineChanged(CKTextView& source) override;
    void OffsetCharChanged(CKTextView& source) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CKDocView* MakePane(int row, int column);
    bool Locate(const CKTextView& view, int& row, int& column) const;
    void AlignColumns(QSplitter* moved);

    CTagwrightDoc& m_doc;
    DocViewFactory m_factory;
    QSplitter* m_rows;
    std::array<QSplitter*, 2> m_rowSplitters{};
    std::array<std::array<CKDocView*, 2>, 2> m_panes{};
    CKDocView* m_active = nullptr;
};
