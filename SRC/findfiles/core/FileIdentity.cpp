// File identities from the file system.
#include "findfiles/core/FileIdentity.h"

#include <sys/stat.h>

FileIdentity IdentityOf(const struct stat& st)
{
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino),
            static_cast<int64_t>(st.st_size), static_cast<int64_t>(st.st_mtim.tv_sec),
            static_cast<int64_t>(st.st_mtim.tv_nsec)};
}

std::optional<FileIdentity> ReadIdentity(const std::string& path)
{
    struct stat st;
    if (stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return IdentityOf(st);
}
