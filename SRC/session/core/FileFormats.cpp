// The per-file formats and their place in the store: each value is "PAGE LINE-ENDING PATH".
#include "session/core/FileFormats.h"

#include "session/core/StoredNumbers.h"
#include "settings/core/SettingsStore.h"

#include <algorithm>

namespace {

constexpr std::string_view kFileFormatsKey = "File Formats";

std::string ValueName(int index) { return "File" + std::to_string(index + 1); }

bool IsFileEnding(LineEnding ending)
{
    return Number(ending) >= 0 && Number(ending) < kLineEndingCount;
}

} // namespace

void FileFormats::Load(const SettingsStore& store)
{
    m_entries.clear();
    m_storedValues = 0;
    for (int i = 0; i < kSize; ++i) {
        const std::string value = store.ReadString(kFileFormatsKey, ValueName(i));
        if (!value.empty())
            m_storedValues = i + 1;
        std::string_view text = value;
        const auto page = TakeNumber(text);
        const auto ending = TakeNumber(text);
        if (!page || !ending || text.empty())
            continue;
        const FileFormat format{static_cast<CodePage>(*page), static_cast<LineEnding>(*ending)};
        if (IsKnown(format.codePage) && IsFileEnding(format.lineEnding) && !Find(text))
            m_entries.push_back({std::string(text), format});
    }
}

void FileFormats::Save(SettingsStore& store) const
{
    // Only as many values as are used, or were stored before: the list is long.
    const int count = std::max(static_cast<int>(m_entries.size()), m_storedValues);
    for (int i = 0; i < count; ++i) {
        std::string value;
        if (i < static_cast<int>(m_entries.size())) {
            const Entry& e = m_entries[i];
            value = std::to_string(Number(e.format.codePage)) + ' '
                    + std::to_string(Number(e.format.lineEnding)) + ' ' + e.path;
        }
        store.WriteString(kFileFormatsKey, ValueName(i), value);
    }
}

void FileFormats::Remember(const std::string& path, const FileFormat& format)
{
    std::erase_if(m_entries, [&](const Entry& e) { return e.path == path; });
    m_entries.insert(m_entries.begin(), {path, format});
    if (m_entries.size() > kSize)
        m_entries.resize(kSize);
}

std::optional<FileFormat> FileFormats::Find(std::string_view path) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& e) { return e.path == path; });
    if (it == m_entries.end())
        return std::nullopt;
    return it->format;
}
