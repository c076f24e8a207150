// A document window inside the main window: the document's two toolbars and its encoding
// hint bar above a view of it.
#pragma once

#include "doc/DocView.h"

#include <QWidget>

#include <vector>

class CKMenuBuilder;
class CKSplitPanes;
class CTagwrightDoc;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    CChildFrame(CTagwrightDoc& doc, const DocViewFactory& factory, CKMenuBuilder& menus,
                QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The active pane's view.
    CKDocView* View();
    std::vector<CKDocView*> Views() const;
    CKSplitPanes& Panes() { return *m_panes; }
    // Window > Split: 2 x 2 panes, or back to one.
    void ToggleSplit();
    CTagwrightDoc& Document();
    // Closes without asking to save (the document was asked already).
    void CloseWithoutAsking();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CTagwrightDoc* m_doc;
    CKSplitPanes* m_panes;
    bool m_asked = false;
};
