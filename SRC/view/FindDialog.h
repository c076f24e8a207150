// The Find dialog and the Go to line dialog: they collect their fields; the view searches and
// moves.
#pragma once

#include "settings/core/SettingsStore.h"
#include "view/core/FindCommands.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The option boxes both search dialogs share, ticked from FIND_* flags. "Whole word" cannot be
// ticked while "Regular Expression" is: it is cleared and disabled, and enabled again when the
// expression box is cleared.
struct SearchOptionBoxes {
    explicit SearchOptionBoxes(uint32_t flags);
    // FIND_WHOLE_WORD, FIND_MATCH_CASE and FIND_REGEXP as ticked.
    uint32_t Flags() const;

    QCheckBox* wholeWord;
    QCheckBox* matchCase;
    QCheckBox* regex;
};

class CKFindDialog : public QDialog {
    Q_OBJECT
public:
    // findNext searches with the fields and answers whether it found a match, which closes
    // the dialog; a miss leaves it open.
    using FindNext = std::function<bool(const FindOptions&)>;

    CKFindDialog(const FindOptions& initial, FindNext findNext, QWidget* parent = nullptr);

    FindOptions Fields() const;

    QLineEdit* TextEdit() const { return m_text; }
    QCheckBox* WholeWordBox() const { return m_options.wholeWord; }
    QCheckBox* MatchCaseBox() const { return m_options.matchCase; }
    QCheckBox* RegexBox() const { return m_options.regex; }
    QRadioButton* UpButton() const { return m_up; }
    QPushButton* FindNextButton() const { return m_findNext; }

private:
    void UpdateButtons();

    FindNext m_onFindNext;
    QLineEdit* m_text;
    SearchOptionBoxes m_options;
    QRadioButton* m_up;
    QRadioButton* m_down;
    QPushButton* m_findNext;
};

class CKGotoLineDialog : public QDialog {
    Q_OBJECT
public:
    // lineCount: the text's lines, named in the prompt; proposed: the number shown at first.
    CKGotoLineDialog(int lineCount, int proposed, QWidget* parent = nullptr);

    // The number typed (digits only; too many of them count as very large).
    long long Number() const;
    QLineEdit* NumberEdit() const { return m_number; }
    QPushButton* OkButton() const { return m_ok; }

private:
    QLineEdit* m_number;
    QPushButton* m_ok;
};

// Find's fields across runs: "Flags" and "FindWhat" in "Settings/Find".
inline constexpr std::string_view kFindKey = "Settings/Find";
inline constexpr std::string_view kFlagsValue = "Flags";
inline constexpr std::string_view kFindWhatValue = "FindWhat";
FindOptions ReadFindSettings(const SettingsStore& store);
// A text of the search settings: stored as UTF-8, used as Windows-1251.
std::string ReadSettingsText(const SettingsStore& store, std::string_view key,
                             std::string_view name);
void WriteSettingsText(SettingsStore& store, std::string_view key, std::string_view name,
                       std::string_view text);
void WriteFindSettings(SettingsStore& store, const FindOptions& fields);
