#include "DataFile.h"

#include "FileLock.h"
#include "Storage.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <mutex>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> ReadWholeFile(const std::string& name) { return ReadFileBytes(name); }

std::optional<std::string> ReadTextFile(const std::string& name) { return UpToCtrlZ(ReadWholeFile(name)); }

bool AppendToFile(const std::string& name, std::string_view bytes) { return AppendLocked(name, bytes); }

// --- a data folder shared with other accounts ----------------------------------

namespace {

std::mutex sharedMutex;
std::string configFolder;  // empty: the data folder is the account's own
std::string keptFolder;
bool teacher = false;
FileTroubleHandler troubleHandler;
std::set<std::pair<int, std::string>> told;

bool MakeFolders(const std::string& dir) {
  std::string partial;
  size_t pos = 0;
  while (pos != std::string::npos) {
    pos = dir.find('/', pos + 1);
    partial = dir.substr(0, pos);
    if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool FolderIsShared(const std::string& dir) {
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & (S_ISGID | S_IWGRP | S_IWOTH)) != 0;
}

void SetSharedDataFolder(const std::string& configDir, const std::string& keptDir) {
  std::lock_guard<std::mutex> hold(sharedMutex);
  configFolder = configDir;
  keptFolder = keptDir;
}

bool DataFolderIsShared() {
  std::lock_guard<std::mutex> hold(sharedMutex);
  return !configFolder.empty();
}

void SetAccountIsTeacher(bool isTeacher) {
  std::lock_guard<std::mutex> hold(sharedMutex);
  teacher = isTeacher;
}

bool AccountMayOversee() {
  std::lock_guard<std::mutex> hold(sharedMutex);
  return configFolder.empty() || teacher;
}

std::string AccountFile(const std::string& bareName) {
  std::string dir;
  {
    std::lock_guard<std::mutex> hold(sharedMutex);
    dir = configFolder;
  }
  if (dir.empty()) return bareName;
  MakeFolders(dir);
  return dir + "/" + bareName;
}

void SetFileTroubleHandler(FileTroubleHandler handler) {
  std::lock_guard<std::mutex> hold(sharedMutex);
  troubleHandler = std::move(handler);
  told.clear();
}

void ReportFileTrouble(FileTrouble trouble, const std::string& file, const std::string& reason,
                       const std::string& kept) {
  std::fprintf(stderr, "sonorix: %s: %s%s%s\n", file.c_str(), reason.c_str(), kept.empty() ? "" : "; kept in ",
               kept.c_str());
  FileTroubleHandler handler;
  {
    std::lock_guard<std::mutex> hold(sharedMutex);
    // Once per file and kind: a drill that cannot log would say so at every record.
    if (!troubleHandler || !told.insert({static_cast<int>(trouble), file}).second) return;
    handler = troubleHandler;
  }
  handler(trouble, file, reason, kept);
}

std::string KeptFolder() {
  std::lock_guard<std::mutex> hold(sharedMutex);
  return keptFolder;
}

std::string KeptFile(const std::string& bareName) {
  const std::string dir = KeptFolder();
  if (dir.empty() || !MakeFolders(dir)) return {};
  return dir + "/" + bareName;
}

void KeepUnsavedAppend(const std::string& name, std::string_view bytes, int error) {
  // A folder of one's own has nobody else to refuse a write.
  if (!DataFolderIsShared()) return;
  std::string kept = KeptFile(name);
  if (!kept.empty() && !AppendLocked(kept, bytes)) kept.clear();
  ReportFileTrouble(FileTrouble::NotWritten, name, std::strerror(error), kept);
}

void CatchUpUnsavedAppends(const std::vector<std::string>& names) {
  const std::string dir = KeptFolder();
  if (dir.empty()) return;
  for (const std::string& name : names) {
    const std::string kept = dir + "/" + name;
    struct stat keptStat {};
    if (::stat(kept.c_str(), &keptStat) != 0) continue;
    // The kept copy stays locked until it is gone, so two starts never add it twice.
    FileLock keptLock(kept);
    if (keptLock.Refused()) continue;
    const auto bytes = ReadWholeFile(kept);
    if (!bytes || bytes->empty()) continue;
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    if (fd < 0) continue;
    ShareWithFolderGroup(fd, FinalTarget(name));
    bool ok = LockWholeFile(fd, kLockTimeoutMs);
    std::string text = *bytes;
    struct stat st {};
    if (ok && text[0] != '\r' && text[0] != '\n' && ::fstat(fd, &st) == 0 && st.st_size > 0) {
      char last = '\n';
      const int readable = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
      if (readable >= 0) {
        if (::pread(readable, &last, 1, st.st_size - 1) == 1 && last != '\n') text.insert(0, "\r\n");
        ::close(readable);
      }
    }
    size_t done = 0;
    while (ok && done < text.size()) {
      const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) ok = false;
      else done += static_cast<size_t>(n);
    }
    ok = ::close(fd) == 0 && ok;
    if (ok) {
      ::unlink(kept.c_str());
    } else {
      std::fprintf(stderr, "sonorix: %s: still cannot be added to %s\n", kept.c_str(), name.c_str());
    }
  }
}
