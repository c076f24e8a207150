// The user's preferences: the values the Options pages edit and their defaults, and the one
// set a run keeps, which every window reads and which tells its listeners of each change.
#pragma once

#include "syntax/ColourClass.h"
#include "syntax/SourceTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The editor font in the 60-byte logical-font layout of the settings record.
struct LogFont {
    int32_t height = 0; // negative: character height in pixels
    int32_t width = 0;
    int32_t escapement = 0;
    int32_t orientation = 0;
    int32_t weight = 0;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 0;
    uint8_t clipPrecision = 0;
    uint8_t quality = 0;
    uint8_t pitchAndFamily = 0;
    std::array<char, 32> faceName{}; // zero-terminated

    std::string FaceName() const;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Text and background colour of one colour class as the record stores them, 0x00BBGGRR each.
struct StoredColours {
    uint32_t text = 0;
    uint32_t background = 0;
    friend bool operator==(const StoredColours&, const StoredColours&) = default;
};
constexpr size_t kBrowserPathSize = 260; // zero-terminated, so at most 259 bytes of path

// The preferences that are on or off.
enum class Switch {
    RememberLastDirectory,
    CreateBackups,
    SmoothScroll,
    SelectionMargin,
    DragDropDisabled,
    DebugSubsystem,
    SaveBeforePreview,
    AutoIndent,
    SmartIndent,
    SmartUndo,
    UseTabs,
    RecoveryCopies,
    ReloadChangedFiles,
    ReopenLastSession,
    LowerCaseTags,
};

// The numbers are kept as they were stored: a switch is on when its number is not 0.
struct PreferenceValues {
    LogFont font;
    std::array<StoredColours, kColourClassCount> colours{}; // by ColourClass
    std::array<char, kBrowserPathSize> browser1{};
    std::array<char, kBrowserPathSize> browser2{};
    int32_t rememberLastDirectory = 0;
    int32_t createBackups = 0;
    int32_t smoothScroll = 0;
    int32_t selectionMargin = 0;
    int32_t dragDropDisabled = 0;
    int32_t debugOn = 0;
    int32_t saveBeforePreview = 0;
    int32_t autoIndent = 0;
    int32_t smartIndent = 0;
    int32_t smartUndo = 0;
    int32_t useTabs = 0;
    int32_t tabSize = 0;
    // Kept beside the record: whether modified documents keep recovery copies.
    int32_t recoveryCopies = 0;
    // Kept beside the record: whether an unmodified document whose file another program
    // changed is read again without asking.
    int32_t reloadChangedFiles = 0;
    // Kept beside the record: whether a start opens again the documents the last run left open.
    int32_t reopenLastSession = 0;
    // Kept beside the record: whether tags the program inserts have lower-case names.
    int32_t lowerCaseTags = 0;
    // Kept beside the record: the source types whose documents are spell checked unless
    // switched for one document, a bit by type.
    int32_t spellingTypes = 0;

    // The path of browser 1 or 2.
    std::string BrowserPath(int browser) const;
    bool IsOn(Switch s) const;
    friend bool operator==(const PreferenceValues&, const PreferenceValues&) = default;
};

// What a fresh profile gets.
PreferenceValues DefaultPreferences();
// The colours of a class that the options page's "Automatic" choice stores.
StoredColours AutomaticStoredColours(ColourClass colourClass);

// Told after the preferences changed: at once, or at the end of a batch of changes.
class CSettingsListener {
public:
    virtual void OnSettingsChanged() = 0;

protected:
    ~CSettingsListener() = default;
};

class CPreferences {
public:
    explicit CPreferences(const PreferenceValues& values = DefaultPreferences()) : m_values(values)
    {
    }
    CPreferences(const CPreferences&) = delete;
    CPreferences& operator=(const CPreferences&) = delete;

    // Every value; a copy of them is a snapshot that SetValues brings back.
    const PreferenceValues& Values() const { return m_values; }
    bool IsOn(Switch s) const { return m_values.IsOn(s); }
    int TabSize() const { return m_values.tabSize; }
    const LogFont& Font() const { return m_values.font; }
    StoredColours Colours(ColourClass colourClass) const;
    std::string BrowserPath(int browser) const { return m_values.BrowserPath(browser); }
    bool SpellingOnFor(SourceType type) const;

    // Each setter tells the listeners when it changed something.
    void SetOn(Switch s, bool on);
    // The Editing page keeps it from 1 to 63.
    void SetTabSize(int columns);
    void SetFont(const LogFont& font);
    void SetColours(ColourClass colourClass, StoredColours colours);
    // A longer path is cut to 259 bytes.
    void SetBrowserPath(int browser, std::string_view path);
    void SetSpellingOnFor(SourceType type, bool on);
    void SetValues(const PreferenceValues& values);

    // The changes made between the two reach the listeners once, at the end of the outermost
    // batch, unless they left every value as it was.
    void BeginChange();
    void EndChange();

    void Subscribe(CSettingsListener* listener);
    void Unsubscribe(CSettingsListener* listener);

private:
    template <typename Change>
    void Apply(Change change);
    void Notify();

    PreferenceValues m_values;
    int m_batchDepth = 0;
    PreferenceValues m_beforeBatch; // the values when the outermost batch began
    std::vector<CSettingsListener*> m_listeners;
};

// A batch of changes for the lifetime of the object.
class CPreferenceBatch {
public:
    explicit CPreferenceBatch(CPreferences& preferences) : m_preferences(preferences)
    {
        m_preferences.BeginChange();
    }
    ~CPreferenceBatch() { m_preferences.EndChange(); }
    CPreferenceBatch(const CPreferenceBatch&) = delete;
    CPreferenceBatch& operator=(const CPreferenceBatch&) = delete;

private:
    CPreferences& m_preferences;
};
