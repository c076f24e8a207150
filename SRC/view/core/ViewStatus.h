// What the status bar shows of the active view, as a plain value: one text per pane, empty
// for a pane that shows nothing and is disabled.
#pragma once

#include "text/FileFormat.h"

#include <string>

struct ViewStatus {
    std::string position;   // "Col 5,Ln 1"
    std::string lineEnding; // "CRLF: UNIX"
    std::string codePage;   // "ENC: KOI"
    std::string overwrite;  // "OVR" while overwrite mode is on
    std::string readOnly;   // "READ" while the text is read-only
    std::string prompt;     // the message pane's text while an incremental search runs, in
                            // Windows-1251 like the text searched
};

// The caret's display column and line, both from 1; the column comes first.
std::string PositionText(int column, int line);
// The texts of a line-ending mode and of a code page; empty for a value without one.
std::string LineEndingText(LineEnding mode);
std::string CodePageText(CodePage page);
std::string OverwriteText(bool on);
std::string ReadOnlyText(bool on);
