// A read-only plain-text view of a document, standing in for the editing view.
#pragma once

#include "doc/DocView.h"
#include "text/TextTypes.h"

#include <QPlainTextEdit>

class CKPlainDocView : public QPlainTextEdit, public CKDocView, public CKBufferView {
    Q_OBJECT
public:
    CKPlainDocView(CTagwrightDoc& doc, QWidget* parent);
    ~CKPlainDocView() override;

    QWidget* Widget() override { return this; }
    CTagwrightDoc& Document() override { return m_doc; }
    void OnSourceTypeChanged() override {}
    bool PaneText(int paneId, QString& text) override;
    bool OnCommand(int) override { return false; }
    bool OnUpdateCommand(CmdUI&) override { return false; }

    void OnBufferChanged(CKBufferView* source, const UpdateContext* ctx, uint32_t flags,
                         int line) override;
    void OnEditAction(int, const char*, int) override {}

private:
    void Reload();

    CTagwrightDoc& m_doc;
    bool m_reloadPending = false;
};
