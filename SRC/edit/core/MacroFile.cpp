// Reading and writing the macro file.
#include "edit/core/MacroFile.h"

#include "res/Strings.h"
#include "text/FileDescriptor.h"
#include "text/SafeFileWriter.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Prefix forms: one byte below 255; 0xFF and 16 bits below 65534; 0xFF 0xFF 0xFF and 32 bits.
constexpr uint32_t kShortLimit = 0xFF;
constexpr uint32_t kMediumLimit = 0xFFFE;
constexpr size_t kLongestPrefix = 7;
// No valid file is longer: the magic and thirty strings of the longest kind.
constexpr size_t kLongestFile =
    1 + kMacroFileMagic.size() + 3 * kMacroCount * (kLongestPrefix + kMacroTextLimit);

void AppendLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i));
}

void AppendString(std::string& out, std::string_view text)
{
    const uint32_t n = static_cast<uint32_t>(text.size());
    if (n < kShortLimit) {
        out += static_cast<char>(n);
    } else if (n < kMediumLimit) {
        out += '\xFF';
        AppendLittleEndian(out, n, 2);
    } else {
        out += "\xFF\xFF\xFF";
        AppendLittleEndian(out, n, 4);
    }
    out += text;
}

enum class Take { Ok, CutShort, Bad };

// Takes count bytes as a little-endian number from the front of in.
bool TakeNumber(std::string_view& in, size_t count, uint32_t& value)
{
    if (in.size() < count)
        return false;
    value = 0;
    for (size_t i = 0; i < count; ++i)
        value |= uint32_t(static_cast<uint8_t>(in[i])) << (8 * i);
    in.remove_prefix(count);
    return true;
}

Take TakeString(std::string_view& in, std::string& out)
{
    uint32_t n;
    if (!TakeNumber(in, 1, n))
        return Take::CutShort;
    if (n == kShortLimit) {
        if (!TakeNumber(in, 2, n))
            return Take::CutShort;
        if (n == 0xFFFF && !TakeNumber(in, 4, n))
            return Take::CutShort;
    }
    if (n > kMacroTextLimit || n > in.size())
        return Take::Bad;
    out.assign(in.data(), n);
    in.remove_prefix(n);
    return Take::Ok;
}

MacroFileStatus StatusOf(Take take)
{
    return take == Take::Bad ? MacroFileStatus::BadFile : MacroFileStatus::CutShort;
}

std::string WithArgument(std::string_view format, std::string_view argument)
{
    std::string text(format);
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

} // namespace

std::string EncodeMacroFile(std::span<const MacroRecord> records)
{
    std::string out;
    AppendString(out, kMacroFileMagic);
    for (const MacroRecord& r : records) {
        AppendString(out, r.name);
        AppendString(out, r.after);
        AppendString(out, r.before);
    }
    return out;
}

MacroFileStatus DecodeMacroFile(std::string_view bytes,
                                const std::function<void(const MacroRecord&)>& onRecord)
{
    std::string magic;
    if (TakeString(bytes, magic) != Take::Ok || magic != kMacroFileMagic)
        return MacroFileStatus::BadFile;
    for (int i = 0; i < kMacroCount; ++i) {
        MacroRecord record;
        for (std::string* field : {&record.name, &record.after, &record.before}) {
            const Take take = TakeString(bytes, *field);
            if (take != Take::Ok)
                return StatusOf(take);
        }
        onRecord(record);
    }
    return MacroFileStatus::Ok;
}

MacroFileStatus ReadMacroFile(const std::string& path,
                              const std::function<void(const MacroRecord&)>& onRecord,
                              std::string* reason)
{
    const auto cannotRead = [reason](std::string why) {
        if (reason)
            *reason = std::move(why);
        return MacroFileStatus::CannotRead;
    };
    // Opening does not wait either, for a file that turns into a FIFO meanwhile.
    const FileDescriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (file.Get() < 0 || fstat(file.Get(), &st) != 0)
        return cannotRead(SystemErrorText(errno));
    if (!S_ISREG(st.st_mode))
        return cannotRead(S_ISDIR(st.st_mode) ? SystemErrorText(EISDIR)
                                              : "It is not a regular file.");
    // Whatever follows the longest valid file is never looked at.
    std::string bytes(kLongestFile, '\0');
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(file.Get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return cannotRead(SystemErrorText(errno));
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return DecodeMacroFile(bytes, onRecord);
}

std::string MacroReadMessage(MacroFileStatus status, const std::string& path,
                             const std::string& reason)
{
    switch (status) {
    case MacroFileStatus::Ok:
        return {};
    case MacroFileStatus::CannotRead:
        return std::string(ResString(IDS_MACRO_CANNOT_READ))
               + (reason.empty() ? std::string() : "\n\n" + path + "\n" + reason);
    case MacroFileStatus::BadFile:
        return std::string(ResString(IDS_MACRO_BAD_FILE));
    case MacroFileStatus::CutShort:
        return WithArgument(ResString(IDS_MACRO_FILE_CUT_SHORT), path);
    }
    return {};
}

int WriteMacroFile(const std::string& path, std::span<const MacroRecord> records)
{
    const std::string bytes = EncodeMacroFile(records);
    SafeFileWriter writer;
    if (writer.Open(path.c_str()) && writer.Write(bytes.data(), bytes.size())
        && writer.Commit(false))
        return 0;
    return writer.Error() != 0 ? writer.Error() : EIO;
}
