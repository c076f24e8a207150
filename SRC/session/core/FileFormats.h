// The code page and line ending each file was last opened or saved with: a bounded list, newest
// first, kept in the store as "File1", "File2", ... under "File Formats".
#pragma once

#include "text/FileFormat.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class SettingsStore;

class FileFormats {
public:
    static constexpr int kSize = 200;

    // Entries that do not read back as a known page, a line ending and a path are left out.
    void Load(const SettingsStore& store);
    void Save(SettingsStore& store) const;

    // Puts path first with its format, removing an older entry of the same path.
    void Remember(const std::string& path, const FileFormat& format);
    std::optional<FileFormat> Find(std::string_view path) const;

private:
    struct Entry {
        std::string path;
        FileFormat format;
    };
    std::vector<Entry> m_entries;
    int m_storedValues = 0; // the values the store held at the load, blanked when unused
};
