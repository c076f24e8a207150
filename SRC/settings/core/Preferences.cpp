// The preferences' defaults, their switches, and the change notification of the live set.
#include "settings/core/Preferences.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

// The field of each switch, in the order of Switch.
constexpr int32_t PreferenceValues::*kSwitchFields[] = {
    &PreferenceValues::rememberLastDirectory,
    &PreferenceValues::createBackups,
    &PreferenceValues::smoothScroll,
    &PreferenceValues::selectionMargin,
    &PreferenceValues::dragDropDisabled,
    &PreferenceValues::debugOn,
    &PreferenceValues::saveBeforePreview,
    &PreferenceValues::autoIndent,
    &PreferenceValues::smartIndent,
    &PreferenceValues::smartUndo,
    &PreferenceValues::useTabs,
    &PreferenceValues::recoveryCopies,
    &PreferenceValues::reloadChangedFiles,
    &PreferenceValues::reopenLastSession,
    &PreferenceValues::lowerCaseTags,
};
static_assert(std::size(kSwitchFields) == static_cast<size_t>(Switch::LowerCaseTags) + 1);

int32_t PreferenceValues::*FieldOf(Switch s) { return kSwitchFields[static_cast<size_t>(s)]; }

// The record keeps colours as 0x00BBGGRR; the colour classes give theirs as 0xRRGGBB.
uint32_t StoredColour(uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

template <size_t N>
std::string ZeroTerminated(const std::array<char, N>& field)
{
    return std::string(field.data(), strnlen(field.data(), N));
}

} // namespace

std::string LogFont::FaceName() const { return ZeroTerminated(faceName); }

std::string PreferenceValues::BrowserPath(int browser) const
{
    return ZeroTerminated(browser == 1 ? browser1 : browser2);
}

bool PreferenceValues::IsOn(Switch s) const { return this->*FieldOf(s) != 0; }

PreferenceValues DefaultPreferences()
{
    PreferenceValues p;
    p.font.height = -13;
    p.font.charSet = 204;
    p.font.quality = 2;
    p.font.pitchAndFamily = 0x31;
    std::memcpy(p.font.faceName.data(), "Courier", 7);
    for (int c = 0; c < kColourClassCount; ++c) {
        const ColourPair rgb = DefaultColours(static_cast<ColourClass>(c));
        p.colours[c] = {StoredColour(rgb.text), StoredColour(rgb.background)};
    }
    p.rememberLastDirectory = 1;
    p.createBackups = 1;
    p.selectionMargin = 1;
    p.saveBeforePreview = 1;
    p.autoIndent = 1;
    p.smartIndent = 1;
    p.smartUndo = 1;
    p.useTabs = 1;
    p.tabSize = 4;
    p.recoveryCopies = 1;
    p.reopenLastSession = 1;
    p.spellingTypes = (1 << Number(SourceType::Html)) | (1 << Number(SourceType::PlainText));
    return p;
}

StoredColours AutomaticStoredColours(ColourClass colourClass)
{
    const ColourPair rgb = AutomaticColours(colourClass);
    return {StoredColour(rgb.text), StoredColour(rgb.background)};
}

StoredColours CPreferences::Colours(ColourClass colourClass) const
{
    return m_values.colours[static_cast<size_t>(colourClass)];
}

bool CPreferences::SpellingOnFor(SourceType type) const
{
    return IsKnown(type) && ((m_values.spellingTypes >> Number(type)) & 1) != 0;
}

template <typename Change>
void CPreferences::Apply(Change change)
{
    if (m_batchDepth > 0) {
        change(m_values);
        return;
    }
    const PreferenceValues before = m_values;
    change(m_values);
    if (m_values != before)
        Notify();
}

void CPreferences::SetOn(Switch s, bool on)
{
    // A stored number other than 1 that already says the same stays as it was.
    if (IsOn(s) == on)
        return;
    Apply([&](PreferenceValues& v) { v.*FieldOf(s) = on ? 1 : 0; });
}

void CPreferences::SetTabSize(int columns)
{
    Apply([&](PreferenceValues& v) { v.tabSize = columns; });
}

void CPreferences::SetFont(const LogFont& font)
{
    Apply([&](PreferenceValues& v) { v.font = font; });
}

void CPreferences::SetColours(ColourClass colourClass, StoredColours colours)
{
    Apply([&](PreferenceValues& v) { v.colours[static_cast<size_t>(colourClass)] = colours; });
}

void CPreferences::SetBrowserPath(int browser, std::string_view path)
{
    Apply([&](PreferenceValues& v) {
        auto& field = browser == 1 ? v.browser1 : v.browser2;
        field.fill(0);
        std::copy_n(path.begin(), std::min(path.size(), kBrowserPathSize - 1), field.begin());
    });
}

void CPreferences::SetSpellingOnFor(SourceType type, bool on)
{
    if (!IsKnown(type))
        return;
    const int32_t bit = int32_t{1} << Number(type);
    Apply([&](PreferenceValues& v) {
        v.spellingTypes = on ? v.spellingTypes | bit : v.spellingTypes & ~bit;
    });
}

void CPreferences::SetValues(const PreferenceValues& values)
{
    Apply([&](PreferenceValues& v) { v = values; });
}

void CPreferences::BeginChange()
{
    if (m_batchDepth++ == 0)
        m_beforeBatch = m_values;
}

void CPreferences::EndChange()
{
    assert(m_batchDepth > 0);
    if (--m_batchDepth == 0 && m_values != m_beforeBatch)
        Notify();
}

void CPreferences::Subscribe(CSettingsListener* listener)
{
    assert(std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end());
    m_listeners.push_back(listener);
}

void CPreferences::Unsubscribe(CSettingsListener* listener) { std::erase(m_listeners, listener); }

void CPreferences::Notify()
{
    // A listener may leave while it is told.
    const std::vector<CSettingsListener*> listeners = m_listeners;
    for (CSettingsListener* listener : listeners)
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) != m_listeners.end())
            listener->OnSettingsChanged();
}
