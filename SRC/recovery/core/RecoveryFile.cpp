// Layout, all numbers little-endian: "TWRECOVR", version u32, header length u32, then the
// header (path, title as u32 length + bytes; code page, line ending, source type i32; write
// time, disk time, disk size i64), text length u64, the text, and a CRC-32 of everything
// before it. Readers check every length against the bytes present before using it.
#include "recovery/core/RecoveryFile.h"

#include "settings/core/RecordFields.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kMagic = "TWRECOVR";
constexpr std::string_view kLineSeparator = "\r\n";

class Crc32 {
public:
    void Add(std::string_view bytes)
    {
        static const std::array<uint32_t, 256> table = [] {
            std::array<uint32_t, 256> t{};
            for (uint32_t i = 0; i < 256; ++i) {
                uint32_t c = i;
                for (int k = 0; k < 8; ++k)
                    c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                t[i] = c;
            }
            return t;
        }();
        uint32_t c = ~m_value;
        for (const char ch : bytes)
            c = table[(c ^ static_cast<uint8_t>(ch)) & 0xFF] ^ (c >> 8);
        m_value = ~c;
    }
    uint32_t Value() const { return m_value; }

private:
    uint32_t m_value = 0;
};

std::string EncodeHeader(const RecoveryInfo& info)
{
    CRecordWriter header;
    header.String(info.path);
    header.String(info.title);
    header.Number(Number(info.codePage));
    header.Number(Number(info.lineEnding));
    header.Number(Number(info.sourceType));
    header.Number<int64_t>(info.writeTime);
    header.Number<int64_t>(info.diskTime);
    header.Number<int64_t>(info.diskSize);
    return header.Record();
}

uint64_t TextLength(const RecoveryLines& lines)
{
    uint64_t length = 0;
    for (int i = 0; i < lines.count; ++i)
        length += lines.line(i).size();
    if (lines.count > 1)
        length += uint64_t(lines.count - 1) * kLineSeparator.size();
    return length;
}

// Everything before the text.
std::string EncodeStart(const RecoveryInfo& info, uint64_t textLength)
{
    const std::string header = EncodeHeader(info);
    CRecordWriter out;
    out.Bytes(kMagic);
    out.Number<uint32_t>(kRecoveryVersion);
    out.Number(static_cast<uint32_t>(header.size()));
    out.Bytes(header);
    out.Number(textLength);
    return out.Record();
}

// Sends the file's bytes to sink in pieces; false as soon as the sink fails.
bool StreamRecoveryFile(const RecoveryInfo& info, const RecoveryLines& lines,
                        const std::function<bool(std::string_view)>& sink)
{
    Crc32 crc;
    auto put = [&](std::string_view bytes) {
        crc.Add(bytes);
        return sink(bytes);
    };
    if (!put(EncodeStart(info, TextLength(lines))))
        return false;
    for (int i = 0; i < lines.count; ++i) {
        if (i > 0 && !put(kLineSeparator))
            return false;
        if (!put(lines.line(i)))
            return false;
    }
    CRecordWriter tail;
    tail.Number(crc.Value());
    return sink(tail.Record());
}

} // namespace

std::string EncodeRecoveryFile(const RecoveryInfo& info, const RecoveryLines& lines)
{
    std::string out;
    StreamRecoveryFile(info, lines, [&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

RecoveryReadResult DecodeRecoveryFile(std::string_view bytes)
{
    RecoveryReadResult result;
    if (bytes.substr(0, kMagic.size()) != kMagic) {
        result.status = bytes.size() < kMagic.size() && kMagic.starts_with(bytes)
                            ? RecoveryReadStatus::Truncated
                            : RecoveryReadStatus::NotRecoveryFile;
        return result;
    }
    CRecordReader reader(bytes.substr(kMagic.size()));
    const uint32_t version = reader.Number<uint32_t>();
    const uint32_t headerLength = reader.Number<uint32_t>();
    if (!reader.Short() && version > uint32_t(kRecoveryVersion)) {
        result.status = RecoveryReadStatus::NewerVersion;
        return result;
    }
    const std::string_view headerBytes = reader.Bytes(headerLength);
    const uint64_t textLength = reader.Number<uint64_t>();
    const std::string_view text = reader.Bytes(textLength);
    const size_t checked = kMagic.size() + reader.Position();
    const uint32_t stored = reader.Number<uint32_t>();
    if (reader.Short()) {
        result.status = RecoveryReadStatus::Truncated;
        return result;
    }
    Crc32 crc;
    crc.Add(bytes.substr(0, checked));
    if (version == 0 || crc.Value() != stored || kMagic.size() + reader.Position() != bytes.size()) {
        result.status = RecoveryReadStatus::Damaged;
        return result;
    }

    CRecordReader header(headerBytes);
    RecoveryInfo& info = result.info;
    info.path = header.String();
    info.title = header.String();
    info.codePage = static_cast<CodePage>(header.Number<int32_t>());
    info.lineEnding = static_cast<LineEnding>(header.Number<int32_t>());
    info.sourceType = static_cast<SourceType>(header.Number<int32_t>());
    info.writeTime = header.Number<int64_t>();
    info.diskTime = header.Number<int64_t>();
    info.diskSize = header.Number<int64_t>();
    if (header.Short()) {
        result.status = RecoveryReadStatus::Damaged;
        return result;
    }
    result.text.assign(text);
    result.status = RecoveryReadStatus::Ok;
    return result;
}

RecoveryReadResult ReadRecoveryFile(const std::string& path)
{
    RecoveryReadResult result;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    std::string bytes;
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        bytes.reserve(static_cast<size_t>(st.st_size));
    char chunk[1 << 16];
    for (;;) {
        const ssize_t got = read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.error = errno;
            close(fd);
            return result;
        }
        if (got == 0)
            break;
        bytes.append(chunk, static_cast<size_t>(got));
    }
    close(fd);
    return DecodeRecoveryFile(bytes);
}

bool WriteRecoveryFile(const std::string& path, const RecoveryInfo& info, const RecoveryLines& lines,
                       int& error)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    std::random_device random;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 16; ++attempt) {
        temp = folder + "/.tmp-" + std::to_string(random()) + std::to_string(getpid());
        fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        error = errno;
        return false;
    }

    std::string pending;
    auto flush = [&]() {
        size_t done = 0;
        while (done < pending.size()) {
            const ssize_t put = write(fd, pending.data() + done, pending.size() - done);
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return false;
            done += static_cast<size_t>(put);
        }
        pending.clear();
        return true;
    };
    constexpr size_t kChunk = 1 << 20;
    bool ok = StreamRecoveryFile(info, lines, [&](std::string_view bytes) {
        pending.append(bytes);
        return pending.size() < kChunk || flush();
    });
    ok = ok && flush() && fsync(fd) == 0;
    if (!ok)
        error = errno;
    if (close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

std::string_view RecoveryStatusText(RecoveryReadStatus status)
{
    switch (status) {
    case RecoveryReadStatus::Ok: return "readable";
    case RecoveryReadStatus::CannotRead: return "cannot be read";
    case RecoveryReadStatus::NotRecoveryFile: return "is not a recovery file";
    case RecoveryReadStatus::NewerVersion: return "was written by a newer version";
    case RecoveryReadStatus::Truncated: return "is cut short";
    case RecoveryReadStatus::Damaged: return "is damaged";
    }
    return {};
}
