// The recovery file: a copy of a modified document's text with what is needed to reopen it,
// written atomically and checked on reading so that a damaged copy is reported, not trusted.
#pragma once

#include "syntax/SourceTypes.h"
#include "text/FileFormat.h"
#include "text/FileIdentity.h"
#include "text/TextLines.h"

#include <cstdint>
#include <string>
#include <string_view>

// What a recovery file holds besides the text.
struct RecoveryInfo {
    // The document's file as the system names it (its bytes, which need not be UTF-8), empty
    // for an untitled text.
    std::string path;
    std::string title; // the name shown for an untitled text ("Untitled3")
    CodePage codePage = CodePage::Windows1251;
    LineEnding lineEnding = LineEnding::Dos;
    SourceType sourceType = SourceType::PlainText;
    int64_t writeTime = 0; // seconds since 1970 (UTC) when the copy was written
    // The file on disk when the text was last read or saved; -1 when there was none. Compared
    // with the file at the next start to tell whether it changed since.
    int64_t diskTime = -1; // modification time in nanoseconds since 1970
    int64_t diskSize = -1;
    // Bytes of the file that its last reading could not keep; until a save, saving asks first.
    int64_t lossyBytes = 0;
    // The rest of the file's identity. Copies written by earlier versions lack it.
    bool diskIdentity = false;
    uint64_t diskDevice = 0;
    uint64_t diskInode = 0;
    uint64_t diskHash = 0;

    friend bool operator==(const RecoveryInfo&, const RecoveryInfo&) = default;
};

enum class RecoveryReadStatus {
    Ok,
    CannotRead,
    NotRecoveryFile,
    NewerVersion,
    Truncated,
    Damaged,
    NotAFile,
    TooLarge
};

// The state of the document's file that a copy records, and back.
FileIdentity RecordedDiskState(const RecoveryInfo& info);
void RecordDiskState(RecoveryInfo& info, const FileIdentity& state);

struct RecoveryReadResult {
    RecoveryReadStatus status = RecoveryReadStatus::CannotRead;
    int error = 0; // the system's error number for CannotRead
    RecoveryInfo info;
    std::string text; // lines separated by CR LF
    bool Ok() const { return status == RecoveryReadStatus::Ok; }
};

// Version 2 added the lossy byte count; version 1 files are still read.
inline constexpr int kRecoveryVersion = 2;
// No copy is written or read beyond this size: a larger file is not one of ours.
inline constexpr uint64_t kMaxRecoveryFileSize = uint64_t(2) << 30;

// The whole file as bytes (the writer streams the same layout).
std::string EncodeRecoveryFile(const RecoveryInfo& info, const CTextLines& lines);
// Never throws on bad bytes: the status says what is wrong.
RecoveryReadResult DecodeRecoveryFile(std::string_view bytes);
// Reads regular files only, never waiting on a pipe or device, and checks the lengths the
// file claims against its size before it takes memory for them.
RecoveryReadResult ReadRecoveryFile(const std::string& path);

// Writes the file through a temporary file opened with O_EXCL in the same folder, synced to
// disk and renamed over path, with mode 0600. False with errno-style error on failure (EFBIG
// for a copy larger than kMaxRecoveryFileSize); the old file at path then stays as it was.
bool WriteRecoveryFile(const std::string& path, const RecoveryInfo& info, const CTextLines& lines,
                       int& error);

// The file's modification time (nanoseconds since 1970, to the millisecond) and size as a copy
// records them; false, leaving both alone, when there is no such file.
bool DiskStamp(const std::string& path, int64_t& time, int64_t& size);

// A short English description of a read status, for messages.
std::string_view RecoveryStatusText(RecoveryReadStatus status);
