// Character offsets of a text seen as one string with "\n" between lines, for clients that
// address text by offset: the start of each line is cached and filled only as far as asked.
#pragma once

#include "text/TextTypes.h"
#include "view/core/ViewModel.h"

#include <cstdint>
#include <vector>

class CTextOffsets {
public:
    explicit CTextOffsets(const CViewModelHost& text) : m_text(text) {}

    // The offset where a line starts; lines past the end start where the text ends.
    int64_t LineStart(int line);
    int64_t OffsetOf(TextPoint p) { return LineStart(p.y) + p.x; }
    // The position of an offset, clamped to the text; the offset of a line's "\n" is the end
    // of that line.
    TextPoint PointAt(int64_t offset);
    // Characters in the whole text, the "\n" between lines included.
    int64_t Length();

    // The lines after line changed (their starts are stale); the starts up to it stay.
    void ForgetAfter(int line);
    void ForgetAll() { m_starts.clear(); }
    // Whether the start of line is known without reading any line.
    bool Knows(int line) const { return line >= 0 && line < static_cast<int>(m_starts.size()); }

private:
    // Fills the cache up to line, or while the next line starts at or before offset.
    void FillTo(int line, int64_t offset);
    int LineLength(int line) const { return static_cast<int>(m_text.Line(line).size()); }

    const CViewModelHost& m_text;
    std::vector<int64_t> m_starts;
};
