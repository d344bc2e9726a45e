#include "DesktopHost.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AtomicFile.h"
#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

std::optional<std::string> DesktopStorage::Read(const std::string& name) { return ReadTextFile(name); }

bool DesktopStorage::Exists(const std::string& name) { return PlatformFileExists(name); }

bool DesktopStorage::Replace(const std::string& name, std::string_view bytes) { return WriteFileAtomic(name, bytes); }

bool DesktopStorage::Append(const std::string& name, std::string_view bytes, bool onFreshLine) {
  if (!onFreshLine) return AppendToFile(name, bytes);
  // A record lock on the file itself, held from the look at its last byte to
  // the end of the write. Group and others may write it as far as the umask
  // lets them, so a class sharing a folder shares it.
  const int fd = ::open(name.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  if (!LockWholeFile(fd, kLockTimeoutMs))
    std::fprintf(stderr, "sonorix: %s not locked, appended without the lock\n", name.c_str());
  std::string all(bytes);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    char last = '\n';
    if (::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') all.insert(0, "\r\n");
  }
  size_t done = 0;
  while (done < all.size()) {
    const ssize_t n = ::write(fd, all.data() + done, all.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  const bool ok = done == all.size();
  return ::close(fd) == 0 && ok;
}

bool DesktopStorage::Update(const std::string& name, const Edit& edit) {
  // Another running copy must not slip its save in between this load and
  // this save. A lock not had in time is given up.
  FileLock lock(name);
  Found found = Found::Missing;
  std::string text;
  if (PlatformFileExists(name)) {
    auto old = ReadTextFile(name);
    found = old ? Found::Text : Found::Unreadable;
    if (old) text = std::move(*old);
  }
  const std::optional<std::string> next = edit(found, text);
  return next && WriteFileAtomic(name, *next);
}

uint32_t DesktopClock::NowMs() { return PlatformTickCount(); }

double DesktopClock::Today() { return PlatformToday(); }

Storage& HostStorage() {
  static DesktopStorage storage;
  return storage;
}

Clock& HostClock() {
  static DesktopClock clock;
  return clock;
}
