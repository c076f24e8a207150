// The open documents handed to a search.
#include "findfiles/core/OpenDocuments.h"

bool COpenDocumentList::Add(const std::string& path, OpenDocument document)
{
    const FileIdentity file = StatIdentity(path);
    if (!file.exists)
        return false;
    m_entries.push_back({file.device, file.inode, std::move(document)});
    return true;
}

const OpenDocument* COpenDocumentList::Find(uint64_t device, uint64_t inode) const
{
    for (const Entry& entry : m_entries)
        if (entry.device == device && entry.inode == inode)
            return &entry.document;
    return nullptr;
}

std::shared_ptr<CCopiedLines> CCopiedLines::Of(const CKTextBuffer& buffer)
{
    std::vector<std::string> lines;
    lines.reserve(buffer.LineCount());
    for (int i = 0; i < buffer.LineCount(); ++i)
        lines.emplace_back(buffer.Line(i));
    return std::make_shared<CCopiedLines>(std::move(lines));
}
