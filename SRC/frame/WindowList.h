// Arranging document windows, and the "Windows..." dialog that lists them and acts on the
// chosen ones.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>

#include <functional>
#include <vector>

class QListWidget;
class QMdiArea;
class QMdiSubWindow;
class QPushButton;

// The area's windows in their order, without those that were closed and wait for deletion.
QList<QMdiSubWindow*> OpenWindows(const QMdiArea& area);
// Overlapping windows, each offset by a title bar from the one before and large enough to
// work in (at least two thirds of the area).
void CascadeWindows(QMdiArea& area, const QList<QMdiSubWindow*>& windows);
// Side by side without overlap: Horizontal puts them one above the other, each the full width;
// Vertical puts them next to each other, each the full height.
void TileWindows(QMdiArea& area, const QList<QMdiSubWindow*>& windows, Qt::Orientation orientation);

class CKWindowListDialog : public QDialog {
    Q_OBJECT
public:
    // save stores the document of a window.
    using SaveWindow = std::function<void(QMdiSubWindow*)>;
    CKWindowListDialog(QMdiArea& area, SaveWindow save, QWidget* parent = nullptr);

    QListWidget* List() const { return m_list; }
    // The button with this text ("&Activate"), for tests.
    QPushButton* Button(const QString& text) const;

private:
    void Refill();
    void UpdateButtons();
    QList<QMdiSubWindow*> Selected() const;
    QPushButton* AddButton(const QString& text, std::function<void()> action);

    QMdiArea& m_area;
    SaveWindow m_save;
    QListWidget* m_list;
    std::vector<QPointer<QMdiSubWindow>> m_windows; // in the list's order
    std::vector<QPushButton*> m_buttons;
};
