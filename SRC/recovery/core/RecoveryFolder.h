// Where recovery files live: one sub-folder per running instance, owned through a lock on a
// file in it, so that two instances never share files and the folders of runs that did not end
// cleanly are known by nobody holding their lock.
#pragma once

#include <memory>
#include <string>
#include <vector>

// "$XDG_STATE_HOME/tagwright/recovery", with "~/.local/state" when the variable is unset
// or not absolute.
std::string DefaultRecoveryRoot();

// A sub-folder whose lock this process holds. The lock goes with the object.
class RecoveryFolder {
public:
    RecoveryFolder(std::string path, int lockFd) : m_path(std::move(path)), m_lockFd(lockFd) {}
    RecoveryFolder(const RecoveryFolder&) = delete;
    RecoveryFolder& operator=(const RecoveryFolder&) = delete;
    ~RecoveryFolder();

    const std::string& Path() const { return m_path; }
    std::string FileFor(int serial) const;
    // The names of the recovery files in it, sorted.
    std::vector<std::string> Files() const;
    // Removes the folder if it holds no recovery file (leftover temporary files go too).
    bool RemoveIfEmpty();

private:
    std::string m_path;
    int m_lockFd = -1;
};

// Makes root (mode 0700) and a new locked sub-folder in it for this run; null with error set
// when that fails. The folder is prepared under a hidden name and renamed once locked, so a
// scan never sees it unlocked.
std::unique_ptr<RecoveryFolder> CreateRecoveryFolder(const std::string& root, int& error);

// Takes the lock of every sub-folder of root that nobody holds: the leftovers of runs that did
// not end cleanly. Empty leftovers are removed on the way and not returned.
std::vector<std::unique_ptr<RecoveryFolder>> ClaimLeftoverFolders(const std::string& root);

// Moves a recovery file into another folder under a new name (same file system). False with
// error set on failure; the file then stays where it was.
bool MoveRecoveryFile(const std::string& from, const std::string& to, int& error);
