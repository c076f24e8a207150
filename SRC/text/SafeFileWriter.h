// Writes a file so that a failure or a crash never leaves it empty or half written.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Writes into a temporary file "TGW??????" in the target's folder, flushes it to disk and
// renames it over the target. The new file keeps the permission bits, owner and group of the
// file it replaces; a symbolic link is followed, so the file it points to is replaced and the
// link stays a link. Any failure leaves the target (and its backup) as they were, removes the
// temporary file and keeps the system's error number.
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

private:
    static constexpr size_t kBufferSize = 1 << 16;

    bool Fail(int error);
    bool Flush();
    bool Reserve(size_t length);
    void Discard();

    std::string m_target;   // the path after following symbolic links
    std::string m_tempPath; // empty once renamed or removed
    int m_fd = -1;
    bool m_targetExists = false;
    int m_error = 0;
    const std::array<uint8_t, 256>* m_conversion = nullptr;
    std::unique_ptr<char[]> m_buffer;
    size_t m_used = 0;
};

// The system's text for an error number.
std::string SystemErrorText(int error);
