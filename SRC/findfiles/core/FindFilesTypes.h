// What Find and Replace in Files is asked, and what it finds: files with their matches, and
// the files and folders it could not search.
#pragma once

#include "text/FileFormat.h"
#include "text/FileIdentity.h"
#include "text/TextTypes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct FindFilesOptions {
    std::string pattern; // Windows-1251, as Find takes it
    uint32_t flags = 0;  // FIND_MATCH_CASE, FIND_WHOLE_WORD, FIND_REGEXP
    // Set for Replace in Files: the template each match is expanded with, as Replace does.
    std::optional<std::string> replacement;
    // The folder walked; for a list of files, the folder their relative paths start from.
    std::string folder;
    // When set, exactly these files are searched (the masks still apply) instead of the folder's.
    std::optional<std::vector<std::string>> files;
    std::vector<std::string> masks; // file-name patterns such as "*.htm"; none: every file
    bool subfolders = true;
    bool skipHiddenFolders = true;
    std::optional<CodePage> codePage; // none: the detector tells each file's page
    int threads = 1;                  // files searched at once
};

// One match, in the text as the editor holds it and in the bytes of the file.
struct FoundMatch {
    int lineIndex = 0; // in FileResult::lines: the line the match starts on
    TextPoint start;   // x a character of the line, y a line, both from 0
    TextPoint end;
    // The bytes of the file the match covers; -1 for an open document.
    int64_t fileStart = -1;
    int64_t fileEnd = -1;
    // For Replace in Files: the expanded replacement, line feeds standing for line breaks.
    std::string replacement;
    bool expanded = true; // false: the template could not be expanded for this match
    bool chosen = true;   // ticked in the preview
};

struct FoundLine {
    int line = 0;     // from 0
    std::string text; // Windows-1251
};

struct FileResult {
    std::string path;                          // the folder searched joined with relativePath
    std::string relativePath;                  // below the folder searched
    CodePage codePage = CodePage::Windows1251; // the page the file was read in
    bool pageDetected = false;
    LineEnding lineEnding = LineEnding::Dos; // as the editor's load detects it
    // Searched in the editor's text rather than on disk; the owner's version of that text.
    bool openDocument = false;
    uint64_t documentVersion = 0;
    FileIdentity identity; // of the file on disk when it was searched
    std::vector<FoundLine> lines;
    std::vector<FoundMatch> matches;
};

// A file or folder that could not be searched, or a line the expression was too costly for.
struct SearchProblem {
    std::string path;
    std::string reason;
};

struct FindFilesTotals {
    int64_t filesSearched = 0;
    int64_t filesMatched = 0;
    int64_t matches = 0;
    int64_t binarySkipped = 0;
    int64_t problems = 0;
    bool cancelled = false;
};

// The lines of a document open in the editor, readable on the search's threads.
class IDocumentLines {
public:
    virtual ~IDocumentLines() = default;
    virtual int LineCount() const = 0;
    virtual std::string_view Line(int line) const = 0;
};

struct OpenDocument {
    std::shared_ptr<const IDocumentLines> lines;
    CodePage codePage = CodePage::Windows1251;
    LineEnding lineEnding = LineEnding::Dos;
    uint64_t version = 0; // the owner's mark of this text, handed back in the results
};

// The documents open in the editor, by the file they were loaded from.
class IOpenDocuments {
public:
    virtual ~IOpenDocuments() = default;
    // The document loaded from the file with this device and inode, or null. Called on the
    // search's threads.
    virtual const OpenDocument* Find(uint64_t device, uint64_t inode) const = 0;
};
