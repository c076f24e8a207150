// The file identity and the hash of a file's bytes.
#include "text/FileIdentity.h"

#include "text/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uint64_t kPrime1 = 0x9E3779B185EBCA87ull;
constexpr uint64_t kPrime2 = 0xC2B2AE3D27D4EB4Full;
constexpr uint64_t kPrime3 = 0x165667B19E3779F9ull;

constexpr uint64_t RotateLeft(uint64_t x, int n) { return (x << n) | (x >> (64 - n)); }

uint64_t Word(const char* p)
{
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Four lanes take a word each per stripe, so that their multiplications run side by side.
uint64_t Round(uint64_t lane, uint64_t word) { return RotateLeft(lane + word, 31) * kPrime1; }

uint64_t Avalanche(uint64_t h)
{
    h ^= h >> 33;
    h *= kPrime2;
    h ^= h >> 29;
    h *= kPrime3;
    h ^= h >> 32;
    return h;
}

} // namespace

void ContentHash::Mix(const char* stripe)
{
    for (int i = 0; i < 4; ++i)
        m_lanes[i] = Round(m_lanes[i], Word(stripe + 8 * i));
}

void ContentHash::Add(const char* data, size_t size)
{
    m_total += size;
    if (m_tailSize > 0) {
        const size_t n = std::min(size, kStripe - m_tailSize);
        std::memcpy(m_tail + m_tailSize, data, n);
        m_tailSize += n;
        data += n;
        size -= n;
        if (m_tailSize < kStripe)
            return;
        Mix(m_tail);
        m_tailSize = 0;
    }
    for (; size >= kStripe; data += kStripe, size -= kStripe)
        Mix(data);
    std::memcpy(m_tail, data, size);
    m_tailSize = size;
}

uint64_t ContentHash::Value() const
{
    uint64_t h = m_total * kPrime3;
    for (int i = 0; i < 4; ++i)
        h = RotateLeft(h ^ Avalanche(m_lanes[i]), 27) * kPrime1;
    size_t i = 0;
    for (; i + 8 <= m_tailSize; i += 8)
        h = RotateLeft(h ^ Round(0, Word(m_tail + i)), 27) * kPrime1;
    for (; i < m_tailSize; ++i)
        h = RotateLeft(h ^ (static_cast<uint8_t>(m_tail[i]) * kPrime3), 11) * kPrime1;
    return Avalanche(h);
}

FileIdentity IdentityOf(const struct stat& st, uint64_t hash)
{
    FileIdentity id;
    id.exists = true;
    id.device = static_cast<uint64_t>(st.st_dev);
    id.inode = static_cast<uint64_t>(st.st_ino);
    id.size = static_cast<int64_t>(st.st_size);
    id.mtimeNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    id.hash = hash;
    return id;
}

FileIdentity StatIdentity(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return {};
    return IdentityOf(st, 0);
}

bool ReadIdentity(const std::string& path, FileIdentity& identity)
{
    const FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st;
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    constexpr size_t kBlock = 1 << 16;
    const auto block = std::make_unique<char[]>(kBlock);
    ContentHash content;
    for (;;) {
        const ssize_t n = read(fd.Get(), block.get(), kBlock);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        content.Add(block.get(), static_cast<size_t>(n));
    }
    identity = IdentityOf(st, content.Value());
    return true;
}

DiskChange CheckDiskFile(const FileIdentity& known, const std::string& path, FileIdentity* now)
{
    FileIdentity present = StatIdentity(path);
    const DiskChange change = CompareIdentity(known, present, [&](uint64_t& hash) {
        FileIdentity read;
        if (!ReadIdentity(path, read))
            return false;
        present.hash = hash = read.hash;
        return true;
    });
    if (now)
        *now = present;
    return change;
}
