// An exclusive lock held for one load-modify-save of a data file, so that two
// running copies (on one machine or on many sharing a folder) never lose each
// other's update. POSIX record locks on the open file description: NFS and
// SMB clients pass them to the server, unlike flock() on some mounts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr uint32_t kLockTimeoutMs = 3000;

class FileLock {
 public:
  // Locks "<final target of dataFileName>.lock", beside the file that a
  // symbolic link stands for, so every copy sharing it locks the same file.
  // Waits at most timeoutMs; a lock that cannot be had by then is given up
  // with a line on stderr, and the work goes on unlocked rather than hang.
  explicit FileLock(const std::string& dataFileName, uint32_t timeoutMs = kLockTimeoutMs);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// Takes an exclusive record lock on the whole of an open file, waiting at
// most timeoutMs. False when it could not be had (errno set).
bool LockWholeFile(int fd, uint32_t timeoutMs);

// Appends bytes in one write under an exclusive record lock on the file
// itself, creating it when it does not exist. A lock not had in time is
// reported on stderr and the append goes on without. False on failure.
bool AppendLocked(const std::string& name, std::string_view bytes, uint32_t timeoutMs = kLockTimeoutMs);
