// What tells a file on disk apart from a changed one: device, inode, size and modification
// time to the nanosecond.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct stat;

struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;

    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

FileIdentity IdentityOf(const struct stat& st);
// The identity of the file a path names (links followed), or nullopt with errno set.
std::optional<FileIdentity> ReadIdentity(const std::string& path);
