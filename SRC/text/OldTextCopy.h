// The copy of the old text that a save keeps while it writes over a file in place, and what
// is left of it when such a save was killed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where a save keeps the copy of the old text of target (a path without links): a pattern
// ending in "XXXXXX". Beside the file as "<name>.old-XXXXXX" (a long name cut so that the copy's
// name fits) when the file's folder may be written, else in a folder of the user's own. Empty,
// with the error number, when that folder cannot be made or is not the user's alone.
std::string OldTextCopyPattern(const std::string& target, bool besideTarget, int& error);

struct OldTextCopy {
    std::string path;
    int64_t size = 0;
    int64_t madeAt = 0; // seconds since the epoch
};

// The copies that killed saves of the file at path (links followed as a save follows them)
// left behind: regular files of the user's own that no running save holds, newest first.
std::vector<OldTextCopy> FindOldTextCopies(const std::string& path);

// Writes the copy's text over the file the way a save does, then removes the copy. False with
// the reason when the file could not be written; the copy then stays.
bool RestoreOldTextCopy(const std::string& copy, const std::string& path, std::string& reason);
