// The bar at the top of a document window that suggests reopening the file in another code page.
#pragma once

#include <QFrame>

class CTagwrightDoc;
class QAction;
class QLabel;
class QPushButton;
class QToolButton;

class CKEncodingBar : public QFrame {
    Q_OBJECT
public:
    explicit CKEncodingBar(CTagwrightDoc& doc, QWidget* parent = nullptr);

    QPushButton* ReopenButton() const { return m_reopen; }
    QToolButton* CloseButton() const { return m_close; }
    QString Text() const;

private:
    // Shows the document's current hint, or hides the bar when there is none.
    void Update();

    CTagwrightDoc* m_doc;
    QLabel* m_text;
    QPushButton* m_reopen;
    QToolButton* m_close;
    QAction* m_reopenKey = nullptr;
};
