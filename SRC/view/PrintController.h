// Print, print without the dialog, Print Preview and Page Setup of a view: the view's font,
// tabs and whitespace with the page setup's margins, handed to the print dialogs and jobs.
#pragma once

class CKTextView;
struct PrintOptions;

class CKPrintController {
public:
    explicit CKPrintController(CKTextView& view) : m_view(view) {}

    // Without a printer to print on, the dialog comes also when it was not asked for.
    void Print(bool withDialog);
    void Preview();
    void PageSetup();

private:
    PrintOptions Options() const;

    CKTextView& m_view;
};
