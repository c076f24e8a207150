// What a document remembers of its file, to tell whether another program changed it since.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct stat;

// A fast running hash of the bytes of a file, fed block by block as they are read or written.
// Blocks may be cut anywhere: the value depends only on the bytes and their order.
class ContentHash {
public:
    void Add(const char* data, size_t size);
    uint64_t Value() const;

private:
    static constexpr size_t kStripe = 32; // four lanes of eight bytes
    void Mix(const char* stripe);

    uint64_t m_lanes[4] = {0x243F6A8885A308D3ull, 0x13198A2E03707344ull, 0xA4093822299F31D0ull,
                           0x082EFA98EC4E6C89ull};
    char m_tail[kStripe] = {};
    size_t m_tailSize = 0;
    uint64_t m_total = 0;
};

// A file as it was read or written: which file (device and inode), its size, its modification
// time in nanoseconds and the hash of its bytes. "exists" false records that there was no file.
struct FileIdentity {
    bool exists = false;
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t mtimeNs = 0;
    uint64_t hash = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

enum class DiskChange {
    None,    // the file is the one read or written, with the same bytes
    Changed, // other bytes, another file under the name, or a file where there was none
    Gone,    // the file was deleted or moved away
};

// The identity of what stat reports, with the hash of the bytes read or written (0 where the
// bytes do not matter).
FileIdentity IdentityOf(const struct stat& st, uint64_t hash = 0);

// Compares the known state with the file now: another device or inode, another size, or
// another time with bytes of another hash is a change; a touched file with the same bytes is
// not. hashNow is asked for only when the time alone differs; it returns false when the file
// cannot be read, which counts as a change.
template <typename HashNow>
DiskChange CompareIdentity(const FileIdentity& known, const FileIdentity& now, HashNow&& hashNow)
{
    if (!now.exists)
        return known.exists ? DiskChange::Gone : DiskChange::None;
    if (!known.exists || known.device != now.device || known.inode != now.inode
        || known.size != now.size)
        return DiskChange::Changed;
    if (known.mtimeNs == now.mtimeNs)
        return DiskChange::None;
    uint64_t hash = 0;
    return hashNow(hash) && hash == known.hash ? DiskChange::None : DiskChange::Changed;
}

// The file at path now, without its hash; "exists" is false when it is not there. The file a
// symbolic link names is the one looked at, as loading and saving follow links.
FileIdentity StatIdentity(const std::string& path);
// The file at path with the hash of all its bytes, read now; false when it cannot be read.
bool ReadIdentity(const std::string& path, FileIdentity& identity);
// Whether the file at path differs from the known state, reading it only when needed. When
// now is given it receives the file's present identity, its hash included where it was read.
DiskChange CheckDiskFile(const FileIdentity& known, const std::string& path,
                         FileIdentity* now = nullptr);
