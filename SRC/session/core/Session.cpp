// The session's values in the settings store.
#include "session/core/Session.h"

#include "settings/core/SettingsStore.h"

namespace {

constexpr std::string_view kLastFilesKey = "Settings/LastFiles";
constexpr std::string_view kLastOpenPath = "LastOpenPath";
constexpr std::string_view kLastSavePath = "LastSavePath";
constexpr std::string_view kLastPreview = "LastPreview";
constexpr std::string_view kWindowGeometry = "WindowGeometry";
constexpr std::string_view kWindowState = "WindowState";
constexpr std::string_view kDocumentTabs = "DocumentTabs";

} // namespace

void CSession::Load()
{
    m_format = {};
    m_recent.Load(m_store);
    m_fileFormats.Load(m_store);
    m_lastDocuments.Load(m_store);
}

void CSession::Save() const
{
    m_recent.Save(m_store);
    m_fileFormats.Save(m_store);
    if (m_openDocuments)
        m_openDocuments->Save(m_store);
}

FileFormat CSession::FormatToOpen(std::string_view path) const
{
    if (const std::optional<FileFormat> known = m_fileFormats.Find(path))
        return {known->codePage, LineEnding::Auto};
    // Another file's page never carries over; "Detect" chosen last is a way of opening, not a
    // page, so it does.
    return {m_format.codePage == CodePage::Detect ? CodePage::Detect : CodePage::Windows1251,
            LineEnding::Auto};
}

void CSession::RememberFileFormat(const std::string& path, const FileFormat& format)
{
    m_fileFormats.Remember(path, format);
}

std::string CSession::LastOpenFolder() const
{
    return m_store.ReadString(kLastFilesKey, kLastOpenPath);
}

void CSession::SetLastOpenFolder(std::string_view folder)
{
    m_store.WriteString(kLastFilesKey, kLastOpenPath, folder);
}

std::string CSession::LastSaveFolder() const
{
    return m_store.ReadString(kLastFilesKey, kLastSavePath);
}

void CSession::SetLastSaveFolder(std::string_view folder)
{
    m_store.WriteString(kLastFilesKey, kLastSavePath, folder);
}

std::string CSession::PendingPreview() const
{
    return m_store.ReadString(kLastFilesKey, kLastPreview);
}

void CSession::SetPendingPreview(std::string_view file)
{
    m_store.WriteString(kLastFilesKey, kLastPreview, file);
    m_store.Flush();
}

WindowLayout CSession::ReadWindowLayout() const
{
    WindowLayout layout;
    if (auto geometry = m_store.ReadBytes(kSettingsKey, kWindowGeometry))
        layout.geometry = std::move(*geometry);
    if (auto state = m_store.ReadBytes(kSettingsKey, kWindowState))
        layout.state = std::move(*state);
    layout.documentTabs = m_store.ReadNumber(kSettingsKey, kDocumentTabs, 0) != 0;
    return layout;
}

void CSession::SaveWindowLayout(const WindowLayout& layout)
{
    m_store.WriteBinary(kSettingsKey, kWindowState, layout.state.data(), layout.state.size());
    m_store.WriteBinary(kSettingsKey, kWindowGeometry, layout.geometry.data(),
                        layout.geometry.size());
    m_store.WriteNumber(kSettingsKey, kDocumentTabs, layout.documentTabs ? 1 : 0);
}
