// An exclusive advisory lock beside a data file, held for one
// load-modify-save, so that two running copies never lose each other's update.
#pragma once

#include <cstdint>
#include <string>

class FileLock {
 public:
  // Locks "<dataFileName>.lock" in the working directory. Waits at most
  // timeoutMs; a lock that cannot be had by then is given up, and the work
  // goes on unlocked rather than hang the window.
  explicit FileLock(const std::string& dataFileName, uint32_t timeoutMs = 3000);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};
