// What one run leaves for the next besides the preferences: the folders of the last Open and
// Save dialogs, the preview file still to delete, the code page and line ending the next Open
// dialog offers, the main window's layout, the recent files, the format of each file and the
// documents open at the end.
#pragma once

#include "session/core/FileFormats.h"
#include "session/core/RecentFiles.h"
#include "session/core/SessionDocuments.h"
#include "text/FileFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SettingsStore;

// The main window's size, place and bars as the toolkit saves them; empty when none was kept.
struct WindowLayout {
    std::vector<uint8_t> geometry;
    std::vector<uint8_t> state;
    bool documentTabs = false; // the document windows shown as tabs
};

class CSession {
public:
    explicit CSession(SettingsStore& store) : m_store(store) {}
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // At start-up: the recent files, the formats of files and the documents the last run left
    // open. The remembered format starts as Windows-1251 with the line ending detected,
    // whatever the last run left.
    void Load();
    // At exit: the recent files, the formats of files, and the open documents when they were
    // set. The remembered format goes into the global record.
    void Save() const;

    // The documents open when the last run ended.
    const SessionDocuments& LastDocuments() const { return m_lastDocuments; }
    // The documents open now, for the next run; a run that never sets them leaves the last
    // run's list as it was.
    void SetOpenDocuments(SessionDocuments documents) { m_openDocuments = std::move(documents); }

    // The format chosen last in a file dialog, which the next Open dialog offers.
    const FileFormat& RememberedFormat() const { return m_format; }
    void SetRememberedFormat(const FileFormat& format) { m_format = format; }

    // The page and line ending to open path with when no dialog chose them: the page the file
    // was last opened or saved with, else Windows-1251 (or detection, when "Detect" was the
    // last choice of the Open dialog); the line ending is always detected.
    FileFormat FormatToOpen(std::string_view path) const;
    // The format a file was opened or saved with, for the next time it is opened.
    void RememberFileFormat(const std::string& path, const FileFormat& format);

    std::string LastOpenFolder() const;
    void SetLastOpenFolder(std::string_view folder);
    std::string LastSaveFolder() const;
    void SetLastSaveFolder(std::string_view folder);
    // The preview file written last, still to delete; empty when none is. Written out at once:
    // the next run deletes it also after a crash.
    std::string PendingPreview() const;
    void SetPendingPreview(std::string_view file);
    WindowLayout ReadWindowLayout() const;
    void SaveWindowLayout(const WindowLayout& layout);

    RecentFiles& Recent() { return m_recent; }
    const RecentFiles& Recent() const { return m_recent; }

private:
    SettingsStore& m_store;
    FileFormat m_format;
    RecentFiles m_recent;
    FileFormats m_fileFormats;
    SessionDocuments m_lastDocuments;
    std::optional<SessionDocuments> m_openDocuments;
};
