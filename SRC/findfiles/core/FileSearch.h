// Searches one file, or one open document, for the matches Find would find in it, each
// search starting where the previous match ended, as Replace All goes through a text. A
// plain pattern is looked for in the file's own bytes first; only the lines that may hold a
// match are converted and searched as Find searches them.
#pragma once

#include "findfiles/core/FindFilesTypes.h"
#include "findfiles/core/RawLiteral.h"
#include "text/CodePages.h"
#include "view/core/TextSearch.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

class CFileLines;

// The line ending the editor's load takes for a file that starts with these bytes.
LineEnding DetectFileLineEnding(std::string_view head);

class CFileSearcher {
public:
    explicit CFileSearcher(const FindFilesOptions& options);
    ~CFileSearcher();

    enum class Outcome { Searched, Binary, Failed };

    // Searches the file at path; an open document among documents is searched in its text
    // instead. Problems (the file cannot be read, a line too costly for the expression) are
    // added to problems; matches found until stop is set are kept.
    Outcome SearchFile(const std::string& path, const std::string& relative,
                       const IOpenDocuments* documents, const std::atomic<bool>& stop,
                       FileResult& result, std::vector<SearchProblem>& problems);
    // Searches the lines of a document.
    void SearchDocument(const OpenDocument& document, const std::atomic<bool>& stop,
                        FileResult& result, std::vector<SearchProblem>& problems);

private:
    class FileSource;
    class DocumentSource;
    template <typename Source>
    void Walk(Source& source, const std::atomic<bool>& stop, FileResult& result,
              std::vector<SearchProblem>& problems);
    const CRawLiteral& LiteralFor(CodePage codePage);
    // Whether a match may lie in these bytes in one of the pages; true when some page's
    // bytes are no guide.
    bool MayMatchInSomePage(std::string_view bytes);

    const FindFilesOptions& m_options;
    int m_joinLines; // lines after the first that a regular expression's subject takes
    CTextSearch m_search;
    std::unique_ptr<CRawLiteral> m_literals[kCodePageCount]; // by code page, made when first needed
    // The literals that tell whether a match may lie in a file in some page; null: one page
    // has none, so any file may hold a match.
    std::vector<std::unique_ptr<CRawLiteral>> m_telling;
    CRawLiteral::ByteCounts m_byteCounts{};
    size_t m_sampled = 0;       // bytes counted in m_byteCounts
    std::vector<char> m_buffer; // the blocks files are read into
    std::string m_subject;
    std::vector<int> m_lineStarts; // offsets of the lines in m_subject
};
