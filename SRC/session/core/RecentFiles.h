// The recent-file list: the last files opened or saved, newest first, kept in the store as
// "File1" to "File9" under "Recent File List".
#pragma once

#include "settings/core/SettingsStore.h"

#include <string>
#include <string_view>
#include <vector>

inline constexpr std::string_view kRecentFilesKey = "Recent File List";

class RecentFiles {
public:
    static constexpr int kSize = 9;

    void Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;

    // Puts path first, removing an older entry of the same path.
    void Add(const std::string& path);
    void Remove(int index);
    const std::vector<std::string>& Paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};
