// Text search over a buffer: plain or regular-expression, forward or backward, with wrap and
// ranges. One CTextSearch is the search memory of a view: the last match's extent, and for a
// regular expression the matched subject and match record that Replace expands templates from.
#pragma once

#include "text/KTextBuffer.h"
#include "view/core/Regex.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr uint32_t FIND_MATCH_CASE = 0x01;
constexpr uint32_t FIND_WHOLE_WORD = 0x02; // plain searches only
constexpr uint32_t FIND_REGEXP = 0x04;
constexpr uint32_t FIND_UP = 0x10;

// Bytes that a whole-word match must not touch: digits and the letters of the page, every
// Cyrillic letter included; the underscore is not one.
bool IsFindWordByte(uint8_t b);

// How many lines past its own a regular expression's subject takes: one per "\n" in the
// pattern, since each may step over one line end.
int RegexSubjectExtraLines(std::string_view pattern);

// How the last search ended. A pattern that does not compile, or one that ran out of its step
// budget on some line, is not the same as a text that does not occur.
enum class SearchStatus { Found, NotFound, InvalidPattern, TooCostly };

class CTextSearch {
public:
    CTextSearch() = default;
    CTextSearch(const CTextSearch&) = delete;
    CTextSearch& operator=(const CTextSearch&) = delete;

    // Searches the text for pattern from start within begin..end. Forward, a match starts at
    // or after start and before end; backward (FIND_UP), it starts at or after begin and
    // before start. With wrap, a pass that finds nothing is followed by one over the whole
    // range. found is where the match starts; MatchEnd() where it ends.
    bool SearchInRange(const CKTextBuffer& text, std::string_view pattern, TextPoint start,
                       TextPoint begin, TextPoint end, uint32_t flags, bool wrap, TextPoint& found);
    // SearchInRange over the whole text.
    bool SearchText(const CKTextBuffer& text, std::string_view pattern, TextPoint start,
                    uint32_t flags, bool wrap, TextPoint& found);

    // The first match in subject at or after from: its offset and length, or -1. For a
    // regular expression the match record is kept (see Match()).
    int MatchInLine(std::string_view subject, std::string_view pattern, uint32_t flags, int& length,
                    int from = 0);

    SearchStatus Status() const { return m_status; }
    // Bytes the last match covers in the text, line breaks counted as one.
    int LastMatchLength() const { return m_lastMatchLength; }
    TextPoint MatchEnd() const { return m_matchEnd; }
    // The subject the last regular-expression match was found in (its line, or the lines
    // joined by line feeds) and its match record; empty when the last search found nothing.
    bool HasRegexMatch() const { return m_hasRegexMatch; }
    const std::string& MatchedText() const { return m_matchedText; }
    const RxMatch& Match() const { return m_match; }

private:
    struct Hit {
        int start = -1; // offset in the subject, -1: none
        int end = -1;
    };

    bool Prepare(std::string_view pattern, uint32_t flags);
    int FindPlain(std::string_view subject, int from) const;
    int FindPlainFolded(std::string_view subject, int from) const;
    bool IsWholeWord(std::string_view subject, int at) const;
    // The subject for line y: the line alone, or the line joined by line feeds with the
    // following lines that a pattern with line feeds may reach.
    std::string_view Subject(const CKTextBuffer& text, int y);
    Hit Exec(std::string_view subject, int from);
    bool Forward(const CKTextBuffer& text, TextPoint from, TextPoint end, TextPoint& found);
    bool Backward(const CKTextBuffer& text, TextPoint from, bool wholeLine, TextPoint begin,
                  TextPoint& found);
    TextPoint PointAt(int y, int offset) const;
    void Keep(std::string_view subject, const RxMatch& match);

    // The prepared pattern.
    bool m_prepared = false;
    std::string m_pattern;
    uint32_t m_flags = 0;
    std::string m_folded;            // a plain pattern without match case, upper-cased
    std::array<bool, 256> m_first{}; // bytes that fold to the folded pattern's first byte
    uint8_t m_firstBytes[2] = {};
    int m_firstCount = 0;
    RxProgram m_program;
    int m_joinLines = 0; // lines after the first that a regular-expression subject takes

    std::string m_joined;
    std::vector<int> m_lineStarts; // offsets of the lines in the last subject

    SearchStatus m_status = SearchStatus::NotFound;
    int m_lastMatchLength = 0;
    TextPoint m_matchEnd;
    bool m_hasRegexMatch = false;
    std::string m_matchedText;
    RxMatch m_match{};
};
