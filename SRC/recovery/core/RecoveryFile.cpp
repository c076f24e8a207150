// Layout, all numbers little-endian: "TWRECOVR", version u32, header length u32, then the
// header (path, title as u32 length + bytes; code page, line ending, source type i32; write
// time, disk time, disk size i64; from version 2 the lossy byte count i64 and, when present, the
// file's device, inode and hash u64), text length u64,
// the text, and a CRC-32 of everything before it. Readers check every length against the bytes
// present before using it.
#include "recovery/core/RecoveryFile.h"

#include "settings/core/RecordFields.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kMagic = "TWRECOVR";
constexpr std::string_view kLineSeparator = "\r\n";
// The magic, the version and the header's length.
constexpr size_t kStartSize = kMagic.size() + 2 * sizeof(uint32_t);
constexpr size_t kCrcSize = sizeof(uint32_t);

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
    header.Number<int64_t>(info.lossyBytes);
    if (info.diskIdentity) {
        header.Number<uint64_t>(info.diskDevice);
        header.Number<uint64_t>(info.diskInode);
        header.Number<uint64_t>(info.diskHash);
    }
    return header.Record();
}

uint64_t TextLength(const CTextLines& lines)
{
    uint64_t length = 0;
    for (int i = 0; i < lines.LineCount(); ++i)
        length += lines.Line(i).size();
    if (lines.LineCount() > 1)
        length += uint64_t(lines.LineCount() - 1) * kLineSeparator.size();
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
bool StreamRecoveryFile(const RecoveryInfo& info, const CTextLines& lines,
                        const std::function<bool(std::string_view)>& sink)
{
    Crc32 crc;
    auto put = [&](std::string_view bytes) {
        crc.Add(bytes);
        return sink(bytes);
    };
    if (!put(EncodeStart(info, TextLength(lines))))
        return false;
    for (int i = 0; i < lines.LineCount(); ++i) {
        if (i > 0 && !put(kLineSeparator))
            return false;
        if (!put(lines.Line(i)))
            return false;
    }
    CRecordWriter tail;
    tail.Number(crc.Value());
    return sink(tail.Record());
}

} // namespace

std::string EncodeRecoveryFile(const RecoveryInfo& info, const CTextLines& lines)
{
    std::string out;
    StreamRecoveryFile(info, lines, [&](std::string_view bytes) {
        out.append(bytes);
        return true;
    });
    return out;
}

namespace {

// Decodes all but the text, which is left where it lies in bytes.
RecoveryReadStatus DecodeParts(std::string_view bytes, RecoveryInfo& info, std::string_view& text)
{
    if (bytes.substr(0, kMagic.size()) != kMagic)
        return bytes.size() < kMagic.size() && kMagic.starts_with(bytes)
                   ? RecoveryReadStatus::Truncated
                   : RecoveryReadStatus::NotRecoveryFile;
    CRecordReader reader(bytes.substr(kMagic.size()));
    const uint32_t version = reader.Number<uint32_t>();
    const uint32_t headerLength = reader.Number<uint32_t>();
    if (!reader.Short() && version > uint32_t(kRecoveryVersion))
        return RecoveryReadStatus::NewerVersion;
    const std::string_view headerBytes = reader.Bytes(headerLength);
    const uint64_t textLength = reader.Number<uint64_t>();
    text = reader.Bytes(textLength);
    const size_t checked = kMagic.size() + reader.Position();
    const uint32_t stored = reader.Number<uint32_t>();
    if (reader.Short())
        return RecoveryReadStatus::Truncated;
    Crc32 crc;
    crc.Add(bytes.substr(0, checked));
    if (version == 0 || crc.Value() != stored || kMagic.size() + reader.Position() != bytes.size())
        return RecoveryReadStatus::Damaged;

    CRecordReader header(headerBytes);
    info.path = header.String();
    info.title = header.String();
    info.codePage = static_cast<CodePage>(header.Number<int32_t>());
    info.lineEnding = static_cast<LineEnding>(header.Number<int32_t>());
    info.sourceType = static_cast<SourceType>(header.Number<int32_t>());
    info.writeTime = header.Number<int64_t>();
    info.diskTime = header.Number<int64_t>();
    info.diskSize = header.Number<int64_t>();
    if (version >= 2)
        info.lossyBytes = header.Number<int64_t>();
    // The rest of the file's identity; copies written before it was kept lack it.
    info.diskIdentity = version >= 2 && !header.AtEnd();
    if (info.diskIdentity) {
        info.diskDevice = header.Number<uint64_t>();
        info.diskInode = header.Number<uint64_t>();
        info.diskHash = header.Number<uint64_t>();
    }
    return header.Short() ? RecoveryReadStatus::Damaged : RecoveryReadStatus::Ok;
}

// Reads until count bytes are at the end of bytes or the file ends; false on a read error.
bool ReadMore(int fd, std::string& bytes, uint64_t count)
{
    const size_t start = bytes.size();
    bytes.resize(start + count);
    size_t done = 0;
    while (done < count) {
        const ssize_t got = read(fd, bytes.data() + start + done, count - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            bytes.resize(start + done);
            return got == 0;
        }
        done += static_cast<size_t>(got);
    }
    return true;
}

// Reads a file of size bytes a part at a time: the start, then the header with the text's
// length, then the text, each only once the lengths read so far fit the file's size. Ok when
// the decoder is to judge what bytes holds: the whole file, or a start too short or too foreign
// to claim any length. Otherwise what is wrong.
RecoveryReadStatus ReadWithinSize(int fd, uint64_t size, std::string& bytes, int& error)
{
    const auto readTo = [&](uint64_t end) {
        const bool ok = ReadMore(fd, bytes, end - bytes.size());
        if (!ok)
            error = errno;
        return ok;
    };
    if (!readTo(std::min<uint64_t>(size, kStartSize)))
        return RecoveryReadStatus::CannotRead;
    if (bytes.size() < kStartSize || bytes.substr(0, kMagic.size()) != kMagic)
        return RecoveryReadStatus::Ok;
    CRecordReader start(std::string_view(bytes).substr(kMagic.size()));
    const uint32_t version = start.Number<uint32_t>();
    const uint64_t textStart = kStartSize + start.Number<uint32_t>() + sizeof(uint64_t);
    if (version > uint32_t(kRecoveryVersion))
        return RecoveryReadStatus::NewerVersion;
    if (textStart + kCrcSize > size)
        return RecoveryReadStatus::Truncated;
    if (!readTo(textStart))
        return RecoveryReadStatus::CannotRead;
    CRecordReader lengthField(std::string_view(bytes).substr(textStart - sizeof(uint64_t)));
    const uint64_t textLength = lengthField.Number<uint64_t>();
    if (textLength > size - textStart - kCrcSize)
        return RecoveryReadStatus::Truncated;
    if (textStart + textLength + kCrcSize != size)
        return RecoveryReadStatus::Damaged;
    return readTo(size) ? RecoveryReadStatus::Ok : RecoveryReadStatus::CannotRead;
}

} // namespace

RecoveryReadResult DecodeRecoveryFile(std::string_view bytes)
{
    RecoveryReadResult result;
    std::string_view text;
    result.status = DecodeParts(bytes, result.info, text);
    if (result.Ok())
        result.text.assign(text);
    return result;
}

FileIdentity RecordedDiskState(const RecoveryInfo& info)
{
    FileIdentity state;
    state.exists = info.diskSize >= 0;
    if (state.exists) {
        state.device = info.diskDevice;
        state.inode = info.diskInode;
        state.size = info.diskSize;
        state.mtimeNs = info.diskTime;
        state.hash = info.diskHash;
    }
    return state;
}

void RecordDiskState(RecoveryInfo& info, const FileIdentity& state)
{
    info.diskIdentity = true;
    info.diskTime = state.exists ? state.mtimeNs : -1;
    info.diskSize = state.exists ? state.size : -1;
    info.diskDevice = state.device;
    info.diskInode = state.inode;
    info.diskHash = state.hash;
}

RecoveryReadResult ReadRecoveryFile(const std::string& path)
{
    RecoveryReadResult result;
    // A pipe would block the start until someone writes to it, and a device is never a copy:
    // neither is opened for reading.
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) {
        result.error = errno;
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.status = RecoveryReadStatus::NotAFile;
        return result;
    }
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    std::string bytes;
    if (fstat(fd, &st) != 0) {
        result.error = errno;
    } else if (!S_ISREG(st.st_mode)) {
        result.status = RecoveryReadStatus::NotAFile;
    } else if (uint64_t(st.st_size) > kMaxRecoveryFileSize) {
        result.status = RecoveryReadStatus::TooLarge;
    } else {
        result.status = ReadWithinSize(fd, uint64_t(st.st_size), bytes, result.error);
    }
    close(fd);
    if (!result.Ok())
        return result;
    // The text stays where it was read: no second copy of a large text.
    std::string_view text;
    result.status = DecodeParts(bytes, result.info, text);
    if (result.Ok()) {
        const size_t offset = static_cast<size_t>(text.data() - bytes.data());
        const size_t length = text.size();
        bytes.resize(offset + length);
        bytes.erase(0, offset);
        result.text = std::move(bytes);
    }
    return result;
}

bool WriteRecoveryFile(const std::string& path, const RecoveryInfo& info, const CTextLines& lines,
                       int& error)
{
    // A copy the next start would refuse to read is not written.
    if (EncodeStart(info, 0).size() + TextLength(lines) + kCrcSize > kMaxRecoveryFileSize) {
        error = EFBIG;
        return false;
    }
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

bool DiskStamp(const std::string& path, int64_t& time, int64_t& size)
{
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return false;
    constexpr int64_t kMillisecond = 1'000'000;
    time = int64_t(st.st_mtim.tv_sec) * 1'000'000'000
           + st.st_mtim.tv_nsec / kMillisecond * kMillisecond;
    size = st.st_size;
    return true;
}

std::string_view RecoveryStatusText(RecoveryReadStatus status)
{
    switch (status) {
    case RecoveryReadStatus::Ok:
        return "readable";
    case RecoveryReadStatus::CannotRead:
        return "cannot be read";
    case RecoveryReadStatus::NotRecoveryFile:
        return "is not a recovery file";
    case RecoveryReadStatus::NewerVersion:
        return "was written by a newer version";
    case RecoveryReadStatus::Truncated:
        return "is cut short";
    case RecoveryReadStatus::Damaged:
        return "is damaged";
    case RecoveryReadStatus::NotAFile:
        return "is not a regular file";
    case RecoveryReadStatus::TooLarge:
        return "is larger than a recovery copy can be";
    }
    return {};
}
