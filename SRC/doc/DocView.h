// A view of a document as the document and the frames see it. The text view and the editing
// view derived from it stand behind it, so the document and the frame logic never depend on
// which one is shown.
#pragma once

#include "res/CommandTarget.h"
#include "session/core/SessionDocuments.h"
#include "view/core/ViewStatus.h"

#include <functional>

class CTagwrightDoc;
class QWidget;

class CKDocView : public CKCommandTarget {
public:
    ~CKDocView() override = default;

    virtual QWidget* Widget() = 0;
    virtual CTagwrightDoc& Document() = 0;
    // The document's source type changed: colour the whole text again.
    virtual void OnSourceTypeChanged() = 0;
    // What the status bar shows of the view.
    virtual ViewStatus Status() = 0;
    // The caret's line, which a reopened document gives back to each view; a view without a
    // caret of its own keeps none.
    virtual int CaretLine() const { return 0; }
    virtual void SetCaretLine(int) {}
    // The first line the view shows, which a reloaded document gives back to each view.
    virtual int FirstVisibleLine() const { return 0; }
    virtual void ShowFromLine(int) {}
    // Caret, selection and first line together, which the next session gives back; a place
    // beyond the text is brought inside it.
    virtual ViewPlace Place() const { return {}; }
    virtual void MoveToPlace(const ViewPlace&) {}
    // The window that routes the view's keys and shows its context menu; none for a view on
    // its own.
    virtual void SetCommandHost(CKCommandHost*) {}
};

// Makes the view that a new document window shows.
using DocViewFactory = std::function<CKDocView*(CTagwrightDoc& doc, QWidget* parent)>;
