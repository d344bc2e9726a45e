// Writing a file whole or not at all: a temporary file beside the file,
// flushed to disk and renamed over it. Plain POSIX, no Qt: the driver library
// writes its MIDI files through it too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file a name finally stands for: symbolic links followed, even when the
// last one points at a file not made yet. The name itself when it is no link.
std::string FinalTarget(const std::string& name);

// Replaces the file's content atomically, so a crash never leaves a truncated
// file. A symbolic link is written through: the temporary file goes beside
// the link's final target and is renamed over the target, so a file shared
// through a link stays shared. The new file keeps the old one's permission
// bits and, where the writer may set it, its group; a new file gets the
// permissions open() would give it. False with errno set on any failure,
// the old file untouched.
bool WriteFileAtomic(const std::string& name, std::string_view bytes);

// Creates the file with these bytes unless something stands under its name
// already (then true, nothing written). Never replaces anything, not even a
// file another process puts there meanwhile. False with errno set on failure.
bool CreateFileAtomic(const std::string& name, std::string_view bytes);

// A folder shared through its group: set-group-ID or group-writable, so that
// other accounts of the group write the files in it.
bool FolderSharedByGroup(const std::string& dir);

// For a file of this account's in a folder shared through its group: gives it
// the folder's group and lets the group read and write it, whatever the
// umask, so the next student's copy can update it. Anything else is left as
// it is. `path` names the file, `fd` is open on it (or -1 to go by the path).
void ShareWithFolderGroup(int fd, const std::string& path);

// The temporary files a write above leaves behind when it is killed:
// "<name>.tmp" and six letters or digits.
bool IsTemporaryOf(std::string_view entry, std::string_view fileName);

// Removes those temporary files of the named files (beside each name and
// beside its final target) that were last changed longer than maxAgeSeconds
// ago: younger ones may belong to a write still running. Nothing else is
// touched. Returns how many it removed.
int RemoveStaleTemporaries(const std::vector<std::string>& names, int maxAgeSeconds = 60);
