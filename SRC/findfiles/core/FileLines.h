// The lines of a file as the editor's load splits them, read in large blocks and walked in
// order. Only the lines asked for are looked at: a search hops from one candidate to the next
// and counts the lines between them without converting or copying them.
#pragma once

#include "text/FileFormat.h"
#include "text/FileIdentity.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CRawLiteral;

class CFileLines {
public:
    // buffer: storage of the caller's, kept from file to file so that no block is allocated
    // and cleared for each.
    explicit CFileLines(std::vector<char>& buffer) : m_buffer(buffer) {}
    CFileLines(const CFileLines&) = delete;
    CFileLines& operator=(const CFileLines&) = delete;

    // Opens a regular file (never a FIFO, a device or a socket); false with the reason.
    bool Open(const std::string& path, std::string& error);
    // Reads the first block; false with the reason.
    bool ReadHead(std::string& error);
    ~CFileLines();

    const FileIdentity& Identity() const { return m_identity; }
    // The start of the file as read so far: the first block, some 256 KB.
    std::string_view Head() const { return {m_buffer.data(), m_dataEnd}; }
    bool HeadIsWhole() const { return m_endOfFile; }
    // The line ending the lines are split at (0: CR LF, else LF); set before walking them.
    void SetLineEnding(LineEnding mode) { m_crlf = mode == LineEnding::Dos; }

    // The current line, from 0.
    int Current() const { return m_line; }
    // Moves to line y, at or after the current one; false when the file has fewer lines.
    bool GoTo(int y);
    // Moves to the first line from the current one on that holds a candidate of literal;
    // false when none is left, or once stop is set.
    bool GoToCandidate(const CRawLiteral& literal, const std::atomic<bool>& stop);
    // The bytes of line Current() + ahead without its terminator, and where they are in the
    // file; false when the file has no such line. Valid until the cursor moves.
    bool Line(int ahead, std::string_view& bytes, int64_t& fileOffset);

    // A read failed: the reason, else empty.
    const std::string& Error() const { return m_error; }

private:
    struct Span {
        size_t contentEnd; // where the terminator starts
        size_t next;       // where the next line starts
        bool last;         // the last line of the file: no terminator follows
    };
    // The line that starts at buffer offset start, reading more as needed (which may move the
    // bytes: start is adjusted). False when no line starts there.
    bool LineAt(size_t& start, Span& span);
    // Where the terminator of the line from start ends, within the bytes read; npos if none.
    size_t TerminatorEnd(size_t start, size_t from, size_t& contentEnd) const;
    // Moves the bytes from the current line on to the front and reads more (a failed read
    // ends the file); returns the shift by which offsets move.
    size_t ReadMore();
    void Fill();
    // The end of the last line whose terminator has been read.
    size_t CompleteEnd() const;
    // Moves the cursor to the line holding offset at, counting the lines passed.
    void Advance(size_t at);

    int m_fd = -1;
    FileIdentity m_identity;
    std::vector<char>& m_buffer;
    size_t m_dataEnd = 0;
    int64_t m_bufferOffset = 0; // where the buffer starts in the file
    bool m_endOfFile = false;
    bool m_crlf = true;
    size_t m_pos = 0; // where the current line starts in the buffer
    int m_line = 0;
    bool m_pastEnd = false; // moved beyond the last line
    std::string m_error;
};
