// The flags of the few lines that have any (bookmarks), kept apart from the lines themselves.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// Entries by line number, ascending; lines coming and going move the entries after them, so
// a change costs in proportion to the flagged lines, never to all lines.
class CLineFlagTable {
public:
    uint32_t At(int line) const;
    // Flags 0 removes the line's entry.
    void Set(int line, uint32_t flags);
    void Clear() { m_entries.clear(); }

    // The first line at or after from (at or before it, going back) with the flag; -1 if none.
    int NextWith(uint32_t flag, int from) const;
    int PrevWith(uint32_t flag, int from) const;

    // count lines were inserted right after line `after`.
    void LinesInserted(int after, int count);
    // count lines starting at first were removed, and their flags with them.
    void LinesRemoved(int first, int count);

private:
    using Entry = std::pair<int, uint32_t>;
    std::vector<Entry>::iterator LowerBound(int line);
    std::vector<Entry>::const_iterator LowerBound(int line) const;

    std::vector<Entry> m_entries;
};
