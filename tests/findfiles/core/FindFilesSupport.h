// Helpers of the Find in Files tests: text in a chosen page, and a search run to its end.
#pragma once

#include "findfiles/core/FindInFiles.h"
#include "text/CodePages.h"
#include "text/Utf8Text.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Windows-1251 text as a file in a page stores it.
inline std::string InPage(const std::string& text, CodePage page)
{
    if (page == CodePage::Utf8)
        return Cp1251ToUtf8(text);
    std::string bytes = text;
    if (const ByteTable* table = SaveTable(page))
        for (char& c : bytes)
            c = static_cast<char>((*table)[static_cast<uint8_t>(c)]);
    return bytes;
}

// Writes a file, making its folders.
inline void PutFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Everything a search reported, files in the order of their relative paths.
struct SearchRecord : IFindFilesSink {
    std::vector<FileResult> files;
    std::vector<SearchProblem> problems;
    FindFilesTotals totals;
    int finished = 0;

    void OnFile(FileResult file) override { files.push_back(std::move(file)); }
    void OnProblem(SearchProblem problem) override { problems.push_back(std::move(problem)); }
    void OnFinished(const FindFilesTotals& done) override
    {
        totals = done;
        ++finished;
        std::sort(files.begin(), files.end(), [](const FileResult& a, const FileResult& b) {
            return a.relativePath < b.relativePath;
        });
    }
    std::vector<std::string> Paths() const
    {
        std::vector<std::string> paths;
        for (const FileResult& file : files)
            paths.push_back(file.relativePath);
        return paths;
    }
};

inline SearchRecord RunSearch(const FindFilesOptions& options,
                              std::shared_ptr<const IOpenDocuments> documents = nullptr)
{
    SearchRecord record;
    CFindInFiles search;
    std::string problem;
    if (search.Start(options, std::move(documents), record, problem))
        search.Wait();
    return record;
}
