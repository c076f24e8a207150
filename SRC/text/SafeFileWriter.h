// Writes a file so that a failure or a crash never leaves it empty or half written.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Writes into a temporary file "TGW-<name>-XXXXXX" in the target's folder, flushes it to disk
// and renames it over the target. The new file keeps the owner, group, permission bits and
// extended attributes (access lists included) of the file it replaces. Where it could not keep
// them, or the file has other names, the new text is written over the old file in place
// instead, once a synced copy of the old text exists. A symbolic link is followed, so the file
// it points to is replaced and the link stays a link, except a link in a sticky folder that
// belongs to neither the folder's owner nor the user. The backup "<name>.bak" is built aside
// and takes its name only once the new file is in place. Any failure leaves the folder as it
// was (after an in-place write fails, the copy of the old text stays and the error names it)
// and keeps the system's error number and a text that says what went wrong. Temporary files
// that killed saves of the same target left behind are removed.
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

    int Error() const { return m_error; }
    // The reason of the failure, for a message that names the file.
    std::string ErrorText() const;

private:
    static constexpr size_t kBufferSize = 1 << 16;

    bool Fail(int error, std::string text = {});
    bool Flush();
    bool Reserve(size_t length);
    void Discard();
    bool MakeBackupTemp(const std::string& pattern, bool allowLink);
    bool CommitByRename(bool backup);
    bool CommitInPlace(bool backup);

    std::string m_target;     // the path after following symbolic links
    std::string m_tempPath;   // empty once renamed or removed
    std::string m_backupTemp; // the backup being built, empty once renamed or removed
    int m_fd = -1;            // the temporary file
    int m_lockFd = -1;        // holds the temporary file's lock until it is gone
    int m_backupLockFd = -1;  // the same for the backup being built
    bool m_targetExists = false;
    bool m_inPlace = false; // the old file is overwritten rather than replaced
    int m_error = 0;
    std::string m_errorText;
    const std::array<uint8_t, 256>* m_conversion = nullptr;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
};

// The system's text for an error number.
std::string SystemErrorText(int error);
