#include "DesktopHost.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AtomicFile.h"
#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

std::optional<std::string> DesktopStorage::Read(const std::string& name) { return ReadTextFile(name); }

std::optional<std::string> DesktopStorage::ReadAll(const std::string& name) { return ReadWholeFile(name); }

bool DesktopStorage::Exists(const std::string& name) { return PlatformFileExists(name); }

bool DesktopStorage::Replace(const std::string& name, std::string_view bytes) { return WriteFileAtomic(name, bytes); }

namespace {

// The errno of the last failed update on this thread, for Keep's message.
thread_local int lastUpdateError = 0;

}  // namespace

bool DesktopStorage::Append(const std::string& name, std::string_view bytes, bool onFreshLine) {
  if (!onFreshLine) {
    if (AppendToFile(name, bytes)) return true;
    KeepUnsavedAppend(name, bytes, errno);
    return false;
  }
  // A record lock on the file itself, held from the look at its last byte to
  // the end of the write. A lock refused is no write.
  const int fd = ::open(name.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    KeepUnsavedAppend(name, bytes, errno);
    return false;
  }
  ShareWithFolderGroup(fd, FinalTarget(name));
  if (!LockWholeFile(fd, kLockTimeoutMs)) {
    const int error = errno;
    if (LockRefused(error)) {
      ::close(fd);
      std::fprintf(stderr, "sonorix: %s cannot be locked, not appended\n", name.c_str());
      KeepUnsavedAppend(name, bytes, error);
      return false;
    }
    std::fprintf(stderr, "sonorix: %s not locked, appended without the lock\n", name.c_str());
  }
  std::string all(bytes);
  struct stat info {};
  if (::fstat(fd, &info) == 0 && info.st_size > 0) {
    char last = '\n';
    if (::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') all.insert(0, "\r\n");
  }
  size_t done = 0;
  int error = 0;
  while (done < all.size()) {
    const ssize_t n = ::write(fd, all.data() + done, all.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      break;
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  // Nothing of it written: kept whole. A part written stays for the reader to skip.
  if (error != 0 && done == 0) KeepUnsavedAppend(name, bytes, error);
  return error == 0 && done == all.size();
}

bool DesktopStorage::Update(const std::string& name, const Edit& edit) {
  // Another running copy must not slip its save in between this load and
  // this save. A lock not had in time is given up; one refused is no save,
  // though the edit still sees what the file holds.
  FileLock lock(name);
  int error = lock.Refusal();
  Found found = Found::Missing;
  std::string text;
  if (PlatformFileExists(name)) {
    auto old = ReadTextFile(name);
    found = old ? Found::Text : Found::Unreadable;
    if (old) {
      text = std::move(*old);
    } else if (error == 0) {
      error = errno != 0 ? errno : EIO;
    }
  }
  const std::optional<std::string> next = edit(found, text);
  if (error == 0 && !next) error = EIO;
  if (error == 0 && !WriteFileAtomic(name, *next)) error = errno != 0 ? errno : EIO;
  lastUpdateError = error;
  return error == 0;
}

int DesktopStorage::LastUpdateError() { return lastUpdateError != 0 ? lastUpdateError : EIO; }

bool DesktopStorage::Keep(const std::string& name, const Edit& edit) {
  if (!DataFolderIsShared()) return false;
  std::string kept = KeptFile(name);
  if (!kept.empty()) {
    FileLock keptLock(kept);
    const auto old = ReadTextFile(kept);
    const auto next = edit(old ? Found::Text : Found::Missing, old ? *old : std::string());
    if (keptLock.Refused() || !next || !WriteFileAtomic(kept, *next)) kept.clear();
  }
  const int error = LastUpdateError();
  ReportFileTrouble(FileTrouble::NotWritten, name, std::strerror(error), kept);
  return !kept.empty();
}

std::optional<std::string> DesktopStorage::Kept(const std::string& name) {
  const std::string dir = KeptFolder();
  if (dir.empty()) return std::nullopt;
  const std::string kept = dir + "/" + name;
  if (!PlatformFileExists(kept)) return std::nullopt;
  FileLock keptLock(kept);
  if (keptLock.Refused()) return std::nullopt;
  return ReadTextFile(kept);
}

void DesktopStorage::ForgetKept(const std::string& name) {
  const std::string dir = KeptFolder();
  if (!dir.empty()) ::unlink((dir + "/" + name).c_str());
}

uint32_t DesktopClock::NowMs() { return PlatformTickCount(); }

double DesktopClock::Today() { return PlatformToday(); }

int32_t DesktopClock::SecondOfDay() {
  if (const auto hook = PlatformSecondOfDayHook()) return hook();
  return Clock::SecondOfDay();
}

// Hands the core the desktop's storage and clock as the program starts. The
// link option beside this library keeps this file in every program linking it.
static bool HandOverHost() {
  static DesktopStorage hostStorage;
  static DesktopClock hostClock;
  SetHostStorage(hostStorage);
  SetHostClock(hostClock);
  return true;
}
extern "C" const bool sonorix_desktop_host;
const bool sonorix_desktop_host = HandOverHost();
