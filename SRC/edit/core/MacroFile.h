// The macro file: the magic string and ten records of three length-prefixed byte strings
// (name, After text, Before text), with no other framing.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kMacroFileMagic = "TGWRMACROFILE100";
inline constexpr int kMacroCount = 10;
// The longest text a macro may have; a longer string makes the file bad.
inline constexpr size_t kMacroTextLimit = 4096;

struct MacroRecord {
    std::string name;
    std::string after;
    std::string before;
    friend bool operator==(const MacroRecord&, const MacroRecord&) = default;
};

// The file's bytes for the magic and the records in order.
std::string EncodeMacroFile(std::span<const MacroRecord> records);

enum class MacroFileStatus {
    Ok,
    CannotRead, // the file cannot be opened or read
    BadFile,    // wrong magic, or a length beyond the limit or beyond the end of the file
    CutShort,   // the file ends before the ten records are complete
};

// Decodes the magic and ten records, handing each complete record to onRecord as soon as it
// is read, so that the records before a fault are kept. Bytes after the tenth record are
// ignored. No length is trusted: it is checked against the limit and the bytes left before
// anything is taken.
MacroFileStatus DecodeMacroFile(std::string_view bytes,
                                const std::function<void(const MacroRecord&)>& onRecord);
// The same on a file. Only a regular file is read: a FIFO or a device could keep the import
// waiting for ever. When the file cannot be read, reason says why.
MacroFileStatus ReadMacroFile(const std::string& path,
                              const std::function<void(const MacroRecord&)>& onRecord,
                              std::string* reason = nullptr);
// The message for a failed read (the cut-short message and one with a reason name the file).
std::string MacroReadMessage(MacroFileStatus status, const std::string& path,
                             const std::string& reason = {});

// Writes the file through a temporary file renamed over the target, so that a failure leaves
// any file of that name as it was. Gives 0 or the system's error number.
int WriteMacroFile(const std::string& path, std::span<const MacroRecord> records);
