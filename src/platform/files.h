// Replacing a file whole: a new file is written beside the old one, pushed to
// the disk, and then put in its place in one step, so that readers see either
// the old contents or the new ones, never a mix.
#pragma once

#include <cstdio>
#include <string>

namespace platform {

// Who may later change or replace a file that createNewFile makes.
enum class FileAccess {
    // What the folder gives a new file (on POSIX, the umask).
    folderDefault,
    // Every user of the machine, for a file in a folder all users share. On
    // Windows an explicit descriptor, not inherited: SYSTEM and the
    // Administrators full control, the Users read, write and delete (so any
    // of them may replace it). On POSIX as folderDefault: there such files
    // live in each user's own folder.
    everyUserMayReplace,
};

// Opens `path` for writing in binary mode, creating it; fails when a file of
// that name exists already. Null on failure, with errno set.
std::FILE* createNewFile(const std::string& path, FileAccess access = FileAccess::folderDefault);

// Flushes `file`'s buffer and asks the system to put its bytes on the disk
// (fsync / _commit). False, with errno set, when either fails.
bool flushToDisk(std::FILE* file);

// Puts the file `from` in the place of `to`, replacing `to` in one step when
// it exists (rename / MoveFileExA with MOVEFILE_REPLACE_EXISTING). False, with
// the system's reason in `error`, when it fails; both files are then as before.
bool replaceFile(const std::string& from, const std::string& to, std::string& error);

}  // namespace platform
