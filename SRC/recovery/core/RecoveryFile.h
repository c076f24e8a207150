// The recovery file: a copy of a modified document's text with what is needed to reopen it,
// written atomically and checked on reading so that a damaged copy is reported, not trusted.
#pragma once

#include "syntax/SourceTypes.h"
#include "text/FileFormat.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// What a recovery file holds besides the text.
struct RecoveryInfo {
    std::string path;        // the document's file (UTF-8), empty for an untitled text
    std::string title;       // the name shown for an untitled text ("Untitled3")
    CodePage codePage = CodePage::Windows1251;
    LineEnding lineEnding = LineEnding::Dos;
    SourceType sourceType = SourceType::PlainText;
    int64_t writeTime = 0;   // seconds since 1970 (UTC) when the copy was written
    // The file on disk when the text was last read or saved; -1 when there was none. Compared
    // with the file at the next start to tell whether it changed since.
    int64_t diskTime = -1;   // modification time in nanoseconds since 1970
    int64_t diskSize = -1;

    friend bool operator==(const RecoveryInfo&, const RecoveryInfo&) = default;
};

// The lines of a text, handed to the writer one at a time: count, then line(i). Lines never
// hold CR; the file keeps them separated by CR LF, as the buffer's text copies do.
struct RecoveryLines {
    int count = 0;
    std::function<std::string_view(int)> line;
};

enum class RecoveryReadStatus { Ok, CannotRead, NotRecoveryFile, NewerVersion, Truncated, Damaged };

struct RecoveryReadResult {
    RecoveryReadStatus status = RecoveryReadStatus::CannotRead;
    int error = 0; // the system's error number for CannotRead
    RecoveryInfo info;
    std::string text; // lines separated by CR LF
    bool Ok() const { return status == RecoveryReadStatus::Ok; }
};

inline constexpr int kRecoveryVersion = 1;

// The whole file as bytes (the writer streams the same layout).
std::string EncodeRecoveryFile(const RecoveryInfo& info, const RecoveryLines& lines);
// Never throws on bad bytes: the status says what is wrong.
RecoveryReadResult DecodeRecoveryFile(std::string_view bytes);
RecoveryReadResult ReadRecoveryFile(const std::string& path);

// Writes the file through a temporary file opened with O_EXCL in the same folder, synced to
// disk and renamed over path, with mode 0600. False with errno-style error on failure; the
// old file at path then stays as it was.
bool WriteRecoveryFile(const std::string& path, const RecoveryInfo& info, const RecoveryLines& lines,
                       int& error);

// A short English description of a read status, for messages.
std::string_view RecoveryStatusText(RecoveryReadStatus status);
