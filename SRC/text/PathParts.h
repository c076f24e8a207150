// The folder and the name of a path, as the save and its helpers split it.
#pragma once

#include <climits>
#include <string>
#include <unistd.h>

// The folder part; "." for a bare name, "/" for a file in the root.
inline std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

inline std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The longest name a file in the folder may have, in bytes.
inline size_t NameLimit(const std::string& folder)
{
    const long limit = pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
}
