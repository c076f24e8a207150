// What one run leaves for the next besides the preferences: the folders of the last Open and
// Save dialogs, the preview file still to delete, the code page and line ending the next open
// takes, the main window's layout and the recent files.
#pragma once

#include "session/core/RecentFiles.h"
#include "text/FileFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;

// The main window's size, place and bars as the toolkit saves them; empty when none was kept.
struct WindowLayout {
    std::vector<uint8_t> geometry;
    std::vector<uint8_t> state;
};

class CSession {
public:
    explicit CSession(SettingsStore& store) : m_store(store) {}
    CSession(const CSession&) = delete;
    CSession& operator=(const CSession&) = delete;

    // At start-up: the recent files. The remembered format starts as Windows-1251 with the
    // line ending detected, whatever the last run left.
    void Load();
    // At exit: the recent files. The remembered format goes into the global record.
    void Save() const;

    // The format the next file opened without a choice of its own is read in.
    const FileFormat& RememberedFormat() const { return m_format; }
    void SetRememberedFormat(const FileFormat& format) { m_format = format; }

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
};
