#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

constexpr std::string_view kTempMark = ".tmp";
constexpr size_t kTempLetters = 6;  // mkstemp's XXXXXX

std::string DirOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  const char* p = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t w = ::write(fd, p, left);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    p += w;
    left -= static_cast<size_t>(w);
  }
  return true;
}

// The process's umask without changing it (umask() would, for a moment, for
// every thread).
mode_t CurrentUmask() {
  mode_t mask = 022;
  if (std::FILE* f = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, f)) {
      if (std::strncmp(line, "Umask:", 6) == 0) {
        mask = static_cast<mode_t>(std::strtoul(line + 6, nullptr, 8)) & 0777;
        break;
      }
    }
    std::fclose(f);
  }
  return mask;
}

// A filled temporary beside `target`, its permissions (and group) taken from
// `like` when given. The temporary's name on success, empty with errno set.
std::string WriteTemporary(const std::string& target, std::string_view bytes, const struct stat* like) {
  std::string temp = target + std::string(kTempMark) + "XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return {};
  bool ok = WriteAll(fd, bytes);
  if (ok && like) {
    // The group first: changing it may clear the set-group-ID bit, which the
    // mode then sets again. A group the writer is no member of stays as it is.
    struct stat own {};
    if (::fstat(fd, &own) == 0 && own.st_gid != like->st_gid) (void)::fchown(fd, static_cast<uid_t>(-1), like->st_gid);
    ok = ::fchmod(fd, like->st_mode & 07777) == 0;
  } else if (ok) {
    ok = ::fchmod(fd, 0666 & ~CurrentUmask()) == 0;
  }
  // A file replaced by another account must stay writable for the group.
  if (ok) ShareWithFolderGroup(fd, target);
  ok = ok && ::fsync(fd) == 0;
  int error = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    errno = error;
    return {};
  }
  return temp;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure.
void SyncFolder(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

bool FolderSharedByGroup(const std::string& dir) {
  struct stat st {};
  return ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & (S_ISGID | S_IWGRP)) != 0;
}

void ShareWithFolderGroup(int fd, const std::string& path) {
  struct stat folder {};
  const std::string dir = DirOf(path);
  if (::stat(dir.c_str(), &folder) != 0 || (folder.st_mode & (S_ISGID | S_IWGRP)) == 0) return;
  struct stat st {};
  if ((fd >= 0 ? ::fstat(fd, &st) : ::lstat(path.c_str(), &st)) != 0 || !S_ISREG(st.st_mode)) return;
  if (st.st_uid != ::geteuid()) return;
  if (st.st_gid != folder.st_gid) {
    const int rc = fd >= 0 ? ::fchown(fd, static_cast<uid_t>(-1), folder.st_gid)
                           : ::lchown(path.c_str(), static_cast<uid_t>(-1), folder.st_gid);
    if (rc == 0) st.st_mode &= ~static_cast<mode_t>(S_ISGID);
  }
  const mode_t wanted = (st.st_mode & 07777) | S_IRGRP | S_IWGRP;
  if (wanted != (st.st_mode & 07777)) (void)(fd >= 0 ? ::fchmod(fd, wanted) : ::chmod(path.c_str(), wanted));
}

std::string FinalTarget(const std::string& name) {
  std::string path = name;
  // As many links as the kernel itself follows.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
    if (n < 0 || static_cast<size_t>(n) >= link.size()) return path;
    link.resize(static_cast<size_t>(n));
    path = link[0] == '/' ? link : DirOf(path) + "/" + link;
  }
  return path;
}

bool WriteFileAtomic(const std::string& name, std::string_view bytes) {
  const std::string target = FinalTarget(name);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  const std::string temp = WriteTemporary(target, bytes, exists ? &old : nullptr);
  if (temp.empty()) return false;
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temp.c_str());
    errno = error;
    return false;
  }
  SyncFolder(DirOf(target));
  return true;
}

bool CreateFileAtomic(const std::string& name, std::string_view bytes) {
  struct stat st {};
  if (::lstat(name.c_str(), &st) == 0) return true;
  const std::string temp = WriteTemporary(name, bytes, nullptr);
  if (temp.empty()) return false;
  int rc = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE);
  // A file system without the no-replace rename: a hard link never replaces either.
  if (rc != 0 && (errno == EINVAL || errno == ENOSYS)) rc = ::link(temp.c_str(), name.c_str());
  const int error = errno;
  ::unlink(temp.c_str());  // gone already after a rename; after a link, the spare name
  if (rc != 0 && error != EEXIST) {
    errno = error;
    return false;
  }
  SyncFolder(DirOf(name));
  return true;
}

bool IsTemporaryOf(std::string_view entry, std::string_view fileName) {
  if (entry.size() != fileName.size() + kTempMark.size() + kTempLetters) return false;
  if (entry.substr(0, fileName.size()) != fileName || entry.substr(fileName.size(), kTempMark.size()) != kTempMark)
    return false;
  for (char c : entry.substr(fileName.size() + kTempMark.size())) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letter) return false;
  }
  return true;
}

int RemoveStaleTemporaries(const std::vector<std::string>& names, int maxAgeSeconds) {
  int removed = 0;
  const time_t now = std::time(nullptr);
  std::vector<std::string> done;  // a folder and a base name, each pair scanned once
  for (const std::string& name : names) {
    for (const std::string& path : {name, FinalTarget(name)}) {
      const std::string dir = DirOf(path);
      const std::string base = BaseOf(path);
      const std::string key = dir + '\0' + base;
      bool seen = false;
      for (const auto& d : done) seen = seen || d == key;
      if (seen) continue;
      done.push_back(key);
      DIR* folder = ::opendir(dir.c_str());
      if (!folder) continue;
      while (const dirent* entry = ::readdir(folder)) {
        if (!IsTemporaryOf(entry->d_name, base)) continue;
        const std::string temp = dir + "/" + entry->d_name;
        struct stat st {};
        // Only plain files of ours; a link or folder by such a name is left alone.
        if (::lstat(temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime <= maxAgeSeconds) continue;
        if (::unlink(temp.c_str()) == 0) ++removed;
      }
      ::closedir(folder);
    }
  }
  return removed;
}
