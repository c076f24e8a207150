// Walking a folder for the files a search takes.
#include "findfiles/core/FolderWalk.h"

#include "res/Strings.h"
#include "text/FileFilter.h"
#include "text/SafeFileWriter.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fnmatch.h>
#include <set>
#include <sys/stat.h>
#include <utility>

std::vector<std::string> ParseFileMasks(std::string_view text)
{
    std::vector<std::string> masks;
    size_t i = 0;
    while (i < text.size()) {
        const size_t end = text.find_first_of(";, \t", i);
        const std::string_view mask = text.substr(i, end == std::string_view::npos ? end : end - i);
        if (!mask.empty())
            masks.emplace_back(mask == "*.*" ? "*" : mask);
        if (end == std::string_view::npos)
            break;
        i = end + 1;
    }
    return masks;
}

std::string DefaultFileMasks()
{
    const std::vector<FileFilterEntry> entries = ParseFileFilter(ResString(IDS_FILE_FILTER));
    return entries.empty() ? std::string("*") : entries.front().patternText;
}

bool MatchesFileMasks(std::string_view name, const std::vector<std::string>& masks)
{
    if (masks.empty())
        return true;
    const std::string text(name);
    return std::any_of(masks.begin(), masks.end(), [&](const std::string& mask) {
        return fnmatch(mask.c_str(), text.c_str(), FNM_CASEFOLD) == 0;
    });
}

namespace {

struct FolderId {
    dev_t device;
    ino_t inode;
    friend bool operator<(const FolderId& a, const FolderId& b)
    {
        return std::pair(a.device, a.inode) < std::pair(b.device, b.inode);
    }
};

struct Pending {
    std::string path;
    std::string relative;
};

std::string Joined(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

} // namespace

bool CFolderWalk::Walk(const std::string& folder, const std::atomic<bool>& stop)
{
    struct stat st;
    if (stat(folder.c_str(), &st) != 0) {
        m_problem(folder, SystemErrorText(errno));
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        m_problem(folder, SystemErrorText(ENOTDIR));
        return false;
    }
    std::set<FolderId> visited{{st.st_dev, st.st_ino}};
    std::vector<Pending> pending{{folder, ""}};
    bool first = true;
    while (!pending.empty() && !stop.load(std::memory_order_relaxed)) {
        const Pending current = std::move(pending.back());
        pending.pop_back();
        DIR* dir = opendir(current.path.c_str());
        if (!dir) {
            m_problem(current.path, SystemErrorText(errno));
            if (first)
                return false;
            continue;
        }
        first = false;
        std::vector<std::pair<std::string, unsigned char>> entries;
        errno = 0;
        while (const dirent* entry = readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                entries.emplace_back(name, entry->d_type);
            errno = 0;
        }
        if (errno != 0)
            m_problem(current.path, SystemErrorText(errno));
        closedir(dir);
        std::sort(entries.begin(), entries.end());

        std::vector<Pending> subfolders;
        for (const auto& [name, type] : entries) {
            if (stop.load(std::memory_order_relaxed))
                return true;
            const std::string path = Joined(current.path, name);
            const std::string relative =
                current.relative.empty() ? name : current.relative + "/" + name;
            if (type == DT_REG) {
                if (MatchesFileMasks(name, m_options.masks))
                    m_file(path, relative);
                continue;
            }
            if (type != DT_DIR && type != DT_LNK && type != DT_UNKNOWN)
                continue; // a FIFO, a device or a socket
            const bool hidden = m_options.skipHiddenFolders && name[0] == '.';
            if (type == DT_DIR && (!m_options.subfolders || hidden))
                continue;
            // A link is followed; so is an entry whose type the folder does not tell.
            if (stat(path.c_str(), &st) != 0) {
                m_problem(path, SystemErrorText(errno));
                continue;
            }
            if (S_ISREG(st.st_mode)) {
                if (MatchesFileMasks(name, m_options.masks))
                    m_file(path, relative);
            } else if (S_ISDIR(st.st_mode) && m_options.subfolders && !hidden
                       && visited.insert({st.st_dev, st.st_ino}).second) {
                subfolders.push_back({path, relative}); // not yet reached through a link or a loop
            }
        }
        // Taken from the back: the first subfolder by name is walked first.
        pending.insert(pending.end(), std::make_move_iterator(subfolders.rbegin()),
                       std::make_move_iterator(subfolders.rend()));
    }
    return true;
}
