// How a text is kept in its file: the code page of its bytes and the ending of its lines. Their
// numbers are those the settings record, the recovery files and the file dialog's lists keep.
#pragma once

#include <cstdint>

enum class CodePage : int32_t {
    Windows1251 = 0,
    Dos866 = 1,
    Koi8R = 2,
    Iso8859_5 = 3,
    Macintosh = 4,
    Utf8 = 5, // decoded and encoded by the UTF-8 converters, not by tables
    // Not a page but a choice of the file dialogs and the command line: read a file in the page
    // its bytes show, page 0 when that is not sure.
    Detect = 6,
};
constexpr int kCodePageCount = 6;

// Unix and Macintosh both end a line with LF and differ only in the mode the buffer keeps and
// shows. Auto detects the ending when a file is read and keeps the buffer's own when it is
// written.
enum class LineEnding : int32_t { Auto = -1, Dos = 0, Unix = 1, Macintosh = 2 };
// The endings a file can have; Auto is none of them.
constexpr int kLineEndingCount = 3;

constexpr int32_t Number(CodePage page) { return static_cast<int32_t>(page); }
constexpr int32_t Number(LineEnding ending) { return static_cast<int32_t>(ending); }
// Whether a page read from a stored or typed number is one the program knows; any other
// number is kept but converts nothing.
constexpr bool IsKnown(CodePage page) { return Number(page) >= 0 && Number(page) < kCodePageCount; }

struct FileFormat {
    CodePage codePage = CodePage::Windows1251;
    LineEnding lineEnding = LineEnding::Auto;
    friend bool operator==(const FileFormat&, const FileFormat&) = default;
};
