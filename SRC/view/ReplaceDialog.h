// The Replace dialog: collects its fields, runs the session's Find Next, Replace and Replace
// All, has the view show each result, and tells the user what went wrong.
#pragma once

#include "edit/core/Replace.h"
#include "settings/core/SettingsStore.h"
#include "view/FindDialog.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CKReplaceDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the session's caret and selection in the view after each button.
    using ShowState = std::function<void(const EditCaret&)>;
    // Tells the user something (a message box unless a test replaces it).
    using Tell = std::function<void(const QString&)>;
    // Asks the user a yes/no question (a message box unless a test replaces it).
    using Ask = std::function<bool(const QString&)>;

    CKReplaceDialog(CReplaceSession& session, const ReplaceFields& initial, ShowState show,
                    QWidget* parent = nullptr);

    ReplaceFields Fields() const;
    void SetTell(Tell tell) { m_tell = std::move(tell); }
    void SetAsk(Ask ask) { m_ask = std::move(ask); }

    void FindNext();
    void Replace();
    void ReplaceAll();

    QLineEdit* FindEdit() const { return m_find; }
    QLineEdit* ReplaceEdit() const { return m_replace; }
    QCheckBox* WholeWordBox() const { return m_options.wholeWord; }
    QCheckBox* MatchCaseBox() const { return m_options.matchCase; }
    QCheckBox* RegexBox() const { return m_options.regex; }
    QRadioButton* SelectionButton() const { return m_selection; }
    QRadioButton* WholeFileButton() const { return m_wholeFile; }
    QPushButton* FindNextButton() const { return m_findNextButton; }
    QPushButton* ReplaceButton() const { return m_replaceButton; }
    QPushButton* ReplaceAllButton() const { return m_replaceAllButton; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateButtons();
    void Show(const QString& told);
    void SetDefaultButton(bool found);

    CReplaceSession& m_session;
    ShowState m_show;
    Tell m_tell;
    Ask m_ask;
    QLineEdit* m_find;
    QLineEdit* m_replace;
    SearchOptionBoxes m_options;
    QRadioButton* m_selection;
    QRadioButton* m_wholeFile;
    QPushButton* m_findNextButton;
    QPushButton* m_replaceButton;
    QPushButton* m_replaceAllButton;
};

// Replace's fields across runs: "Flags", "FindWhat" and "ReplaceWith" in "Settings/Replace".
inline constexpr std::string_view kReplaceKey = "Settings/Replace";
inline constexpr std::string_view kReplaceWithValue = "ReplaceWith";
ReplaceFields ReadReplaceSettings(const SettingsStore& store);
void WriteReplaceSettings(SettingsStore& store, const ReplaceFields& fields);

// The text of a problem a search or replacement met, or empty for none.
QString ReplaceProblemText(ReplaceProblem problem, const ReplaceFields& fields);
// What Replace All tells when it ends: how many it replaced, else its problem.
QString ReplaceAllText(const ReplaceOutcome& outcome, const ReplaceFields& fields);
