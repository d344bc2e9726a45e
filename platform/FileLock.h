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
  // Waits at most timeoutMs; a lock still busy by then is given up with a
  // line on stderr, and the work goes on unlocked rather than hang. A lock
  // refused (the lock file cannot be opened or locked at all) is Refused():
  // the caller must not write the file then.
  explicit FileLock(const std::string& dataFileName, uint32_t timeoutMs = kLockTimeoutMs);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Locked() const { return fd_ >= 0; }
  bool Refused() const { return refusal_ != 0; }
  int Refusal() const { return refusal_; }  // the errno of a refusal

 private:
  int fd_ = -1;
  int refusal_ = 0;
};

// Takes an exclusive record lock on the whole of an open file, waiting at
// most timeoutMs. False when it could not be had (errno set).
bool LockWholeFile(int fd, uint32_t timeoutMs);

// Whether a failure of LockWholeFile (its errno) was a refusal rather than a
// lock held elsewhere for too long.
bool LockRefused(int error);

// Appends bytes in one write under an exclusive record lock on the file
// itself, creating it when it does not exist. A lock not had in time is
// reported on stderr and the append goes on without; a refused one is a
// failure. False with errno set on failure.
// Tests only: with `off` true no lock is taken at all (every lock counts as
// had), to show that the tests of the locks fail without them.
void SwitchOffLocksForTesting(bool off);

bool AppendLocked(const std::string& name, std::string_view bytes, uint32_t timeoutMs = kLockTimeoutMs);
