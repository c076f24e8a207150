// The bar at the top of a document window that tells that another program changed or removed
// the document's file.
#pragma once

#include <QFrame>

class CTagwrightDoc;
class QLabel;
class QPushButton;

class CKDiskChangeBar : public QFrame {
    Q_OBJECT
public:
    explicit CKDiskChangeBar(CTagwrightDoc& doc, QWidget* parent = nullptr);

    QString Text() const;
    // The buttons shown now, left to right.
    QList<QPushButton*> Buttons() const;

private:
    // Shows what the document reports, or hides the bar when its file is as it was.
    void Update();

    CTagwrightDoc* m_doc;
    QLabel* m_text;
    // Changed: Reload, Show Differences, Keep my text. Gone: Save, Close.
    QPushButton* m_reload;
    QPushButton* m_differences;
    QPushButton* m_keep;
    QPushButton* m_save;
    QPushButton* m_close;
};
