#include "FileLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "AtomicFile.h"

namespace {

bool locksOff = false;

void ReportUnlocked(const std::string& name, int error) {
  if (LockRefused(error)) {
    std::fprintf(stderr, "sonorix: %s: cannot be locked (%s); not written\n", name.c_str(), std::strerror(error));
    return;
  }
  std::fprintf(stderr, "sonorix: %s: no lock within %.0f s; going on without it\n", name.c_str(),
               kLockTimeoutMs / 1000.0);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t w = ::write(fd, bytes.data(), bytes.size());
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(w));
  }
  return true;
}

}  // namespace

void SwitchOffLocksForTesting(bool off) { locksOff = off; }

bool LockRefused(int error) { return error != ETIMEDOUT; }

bool LockWholeFile(int fd, uint32_t timeoutMs) {
  if (locksOff) return true;
  // Polled: a blocking wait has no deadline, and a signal-timed one would
  // disturb the program's other threads.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;  // start 0, length 0: the whole file, however long
    if (::fcntl(fd, F_OFD_SETLK, &lock) == 0) return true;
    if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) {
      errno = ETIMEDOUT;
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

FileLock::FileLock(const std::string& dataFileName, uint32_t timeoutMs) {
  const std::string path = FinalTarget(dataFileName) + ".lock";
  if (locksOff) return;
  // A class sharing a folder shares its lock files too: the group may write
  // them whatever the umask.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    refusal_ = errno;
    ReportUnlocked(dataFileName, refusal_);
    errno = refusal_;
    return;
  }
  ShareWithFolderGroup(fd, path);
  if (!LockWholeFile(fd, timeoutMs)) {
    const int error = errno;
    ReportUnlocked(dataFileName, error);
    ::close(fd);
    if (LockRefused(error)) refusal_ = error;
    errno = error;
    return;
  }
  fd_ = fd;
}

FileLock::~FileLock() {
  if (fd_ < 0) return;
  // The lock file stays: removing it would let a waiter lock an unlinked file
  // while a newcomer locks a fresh one. Closing the last descriptor of the
  // open file description releases the lock.
  ::close(fd_);
}

bool AppendLocked(const std::string& name, std::string_view bytes, uint32_t timeoutMs) {
  const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  ShareWithFolderGroup(fd, FinalTarget(name));
  // Under the lock an NFS client revalidates the file's size before the
  // append and sends the data before the lock goes, so appends from many
  // machines neither overlap nor leave holes.
  if (!LockWholeFile(fd, timeoutMs)) {
    const int error = errno;
    ReportUnlocked(name, error);
    if (LockRefused(error)) {
      ::close(fd);
      errno = error;
      return false;
    }
  }
  bool ok = WriteAll(fd, bytes);
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  errno = error;
  return ok;
}
