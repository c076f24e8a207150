// The open documents handed to a search: a list filled before the search starts and only read
// while it runs, and two ways to hold a document's lines.
#pragma once

#include "findfiles/core/FindFilesTypes.h"
#include "text/KTextBuffer.h"

#include <memory>
#include <string>
#include <vector>

class COpenDocumentList : public IOpenDocuments {
public:
    // Adds the document loaded from path; false when the path names no file (an untitled or
    // deleted one cannot be found by a search anyway).
    bool Add(const std::string& path, OpenDocument document);
    const OpenDocument* Find(uint64_t device, uint64_t inode) const override;

private:
    struct Entry {
        uint64_t device;
        uint64_t inode;
        OpenDocument document;
    };
    std::vector<Entry> m_entries;
};

// Lines copied out of a buffer.
class CCopiedLines : public IDocumentLines {
public:
    explicit CCopiedLines(std::vector<std::string> lines) : m_lines(std::move(lines)) {}
    static std::shared_ptr<CCopiedLines> Of(const CKTextBuffer& buffer);
    int LineCount() const override { return static_cast<int>(m_lines.size()); }
    std::string_view Line(int line) const override { return m_lines[line]; }

private:
    std::vector<std::string> m_lines;
};

// A buffer's pinned snapshot: no text is copied. The owner releases the pin when the search
// is over.
class CSnapshotLines : public IDocumentLines {
public:
    explicit CSnapshotLines(std::shared_ptr<CKTextSnapshot> snapshot)
        : m_snapshot(std::move(snapshot))
    {
    }
    int LineCount() const override { return m_snapshot->LineCount(); }
    std::string_view Line(int line) const override { return m_snapshot->Line(line); }

private:
    std::shared_ptr<CKTextSnapshot> m_snapshot;
};
