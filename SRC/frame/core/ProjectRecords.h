// The records behind the project tree: a name, a path and a kind per item, in one array whose
// indexes the tree's items carry. The tree lives only while the program runs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

enum ProjectItemKind : int { PROJECT_ROOT = 0, PROJECT_FOLDER = 1, PROJECT_FILE = 2 };

struct ProjectRecord {
    std::string name; // UTF-8
    std::string path; // UTF-8, empty for the root and folders
    int kind = PROJECT_ROOT;
};

class ProjectRecords {
public:
    // Names are cut to this many characters.
    static constexpr size_t kMaxNameChars = 260;

    // The record of the root, "Project", is always the first.
    ProjectRecords();

    // Appends a record; its index. The path is kept whole: a cut path would name another
    // file or none.
    int Add(std::string_view name, std::string_view path, int kind);

    int Count() const { return static_cast<int>(m_records.size()); }
    bool IsValid(int index) const { return index >= 0 && index < Count(); }
    // The record at index, which must be valid.
    const ProjectRecord& At(int index) const { return m_records[static_cast<size_t>(index)]; }
    // New folders go only under the root or a folder.
    bool HoldsFolders(int index) const;
    bool IsFile(int index) const { return IsValid(index) && At(index).kind == PROJECT_FILE; }

private:
    std::vector<ProjectRecord> m_records;
};

// The first maxChars characters of UTF-8 text, never cutting a character in two.
std::string_view CutUtf8(std::string_view text, size_t maxChars);
