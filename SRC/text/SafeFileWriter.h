// Writes a file so that a failure or a crash never leaves it empty or half written.
#pragma once

#include "text/FileIdentity.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// Writes into a temporary file "TGW-<name>-XXXXXX" in the target's folder, flushes it to disk
// and renames it over the target. The new file keeps the owner, group, permission bits and
// extended attributes (access lists included) of the file it replaces; a new file is created
// so that the folder's default access list applies as it would to any new file. Where the new
// file could not keep them, the file has other names, or the folder may not be written, the
// new text is written over the old file in place instead: only once a synced copy of the old
// text exists and the space for the new text is reserved; a failed write puts the old text
// back. A symbolic link is followed, so the file it points to is replaced and the link stays a
// link, except a link in a sticky folder that belongs to neither the folder's owner nor the
// user. With backup, the old file becomes "<name>.bak", a name that is checked before anything
// is touched and taken only once the new file is in place; when it cannot be taken, the save
// fails and the old file stays. Any failure leaves the folder as it was (only when the old text
// cannot be put back does its copy stay, and the error names it) and keeps the system's error
// number and a text that says what went wrong. Temporary files that killed saves of the same
// target left behind are removed; a killed in-place write leaves the copy of the old text for
// FindOldTextCopies.
class SafeFileWriter {
public:
    SafeFileWriter() = default;
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter();

    bool Open(const char* path);
    // Bytes written from now on are converted through the table on their way to the file.
    // Tables map ASCII to itself, so line terminators pass unchanged.
    void SetConversion(const std::array<uint8_t, 256>* table) { m_conversion = table; }
    bool Write(const char* data, size_t length);
    // Completes the file and puts it in place; with backup, the old file becomes "<name>.bak".
    bool Commit(bool backup);

    // The file as written, its hash that of the bytes written: valid after a good Commit.
    const FileIdentity& Written() const { return m_written; }

    int Error() const { return m_error; }
    // The reason of the failure, for a message that names the file.
    std::string ErrorText() const;

private:
    static constexpr size_t kBufferSize = 1 << 16;

    bool Fail(int error, std::string text = {});
    bool Flush();
    bool Reserve(size_t length);
    void Discard();
    bool StageAside();
    bool CheckBackupName();
    bool MakeOldText(const std::string& pattern, bool allowLink);
    bool CommitByRename(bool backup);
    bool CommitInPlace(bool backup);
    bool KeepOldTextCopy();
    bool ReserveRoom(int out);
    bool WriteInPlace(int out);
    void NoteWritten(int fd);
    bool PutBackAndFail(int error, const std::string& reason, std::string_view advice = {});

    std::string m_target;     // the path after following symbolic links
    std::string m_tempPath;   // empty once renamed or removed (or never named)
    std::string m_oldText;    // a second name or a copy of the old text until it is the backup
    int m_fd = -1;            // the temporary file
    int m_lockFd = -1;        // holds the temporary file's lock until it is gone
    int m_oldTextLockFd = -1; // the same for the old text's copy
    bool m_targetExists = false;
    bool m_inPlace = false; // the old file is overwritten rather than replaced
    bool m_folderWritable = true;
    int m_error = 0;
    std::string m_errorText;
    const std::array<uint8_t, 256>* m_conversion = nullptr;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
    ContentHash m_hash;
    FileIdentity m_written;
};

// Follows symbolic links in the last component of the path as a save does; a dangling link
// resolves to the path it names. False with the error and a reason for a link the save refuses.
bool ResolveSaveTarget(std::string& path, int& error, std::string& reason);

// The system's text for an error number.
std::string SystemErrorText(int error);
