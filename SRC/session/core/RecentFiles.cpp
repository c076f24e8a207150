// The recent-file list and its place in the store.
#include "session/core/RecentFiles.h"

#include <algorithm>

namespace {

std::string ValueName(int index) { return "File" + std::to_string(index + 1); }

} // namespace

void RecentFiles::Load(const SettingsStore& store)
{
    m_paths.clear();
    for (int i = 0; i < kSize; ++i) {
        std::string path = store.ReadString(kRecentFilesKey, ValueName(i));
        if (!path.empty())
            m_paths.push_back(std::move(path));
    }
}

void RecentFiles::Save(SettingsStore& store) const
{
    for (int i = 0; i < kSize; ++i)
        store.WriteString(kRecentFilesKey, ValueName(i),
                          i < static_cast<int>(m_paths.size()) ? m_paths[i] : std::string());
}

void RecentFiles::Add(const std::string& path)
{
    m_paths.erase(std::remove(m_paths.begin(), m_paths.end(), path), m_paths.end());
    m_paths.insert(m_paths.begin(), path);
    if (m_paths.size() > kSize)
        m_paths.resize(kSize);
}

void RecentFiles::Remove(int index)
{
    if (index >= 0 && index < static_cast<int>(m_paths.size()))
        m_paths.erase(m_paths.begin() + index);
}
