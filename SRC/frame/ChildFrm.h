// A document window inside the main window: the document's two toolbars above a view of it.
#pragma once

#include <QWidget>

class CKCommandRouter;
class CKDocView;
class CTagwrightDoc;

class CChildFrame : public QWidget {
    Q_OBJECT
public:
    CChildFrame(CKDocView* view, CKCommandRouter& router, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CKDocView* View() { return m_view; }
    CTagwrightDoc& Document();
    // Closes without asking to save (the document was asked already).
    void CloseWithoutAsking();

signals:
    // The view is gone; the document may have no view left.
    void viewClosed(CTagwrightDoc* doc);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CKDocView* m_view;
    CTagwrightDoc* m_doc;
    bool m_asked = false;
};
