// Walks a folder for the files a search takes: names matched by masks, subfolders on request,
// hidden folders skipped on request, every folder visited once however many links lead to it,
// and nothing but regular files handed on (FIFOs, devices and sockets are never opened).
#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The masks of a mask text: "*.htm;*.html", also with commas or blanks between them; "*.*"
// stands for every file, as in the file dialogs.
std::vector<std::string> ParseFileMasks(std::string_view text);
// The masks a search starts with: the supported types of the open-file filter.
std::string DefaultFileMasks();
// Whether a file name matches one of the masks (letters of either case); no masks match all.
bool MatchesFileMasks(std::string_view name, const std::vector<std::string>& masks);

struct FolderWalkOptions {
    std::vector<std::string> masks;
    bool subfolders = true;
    bool skipHiddenFolders = true;
};

class CFolderWalk {
public:
    // path: the folder joined with relative; relative: the path below the folder searched.
    using FileFound = std::function<void(const std::string& path, const std::string& relative)>;
    using Problem = std::function<void(const std::string& path, const std::string& reason)>;

    CFolderWalk(FolderWalkOptions options, FileFound file, Problem problem)
        : m_options(std::move(options)), m_file(std::move(file)), m_problem(std::move(problem))
    {
    }
    // Walks the folder, files of a folder before its subfolders, each in name order; stops
    // early once stop is set. False when the folder itself cannot be read (told as a
    // problem).
    bool Walk(const std::string& folder, const std::atomic<bool>& stop);

private:
    FolderWalkOptions m_options;
    FileFound m_file;
    Problem m_problem;
};
