// The class figures of a folder, kept in the account's cache folder so that
// an unchanged log is not read again. A file of ours, never in the class
// folder: $XDG_CACHE_HOME/sonorix/ (by default ~/.cache/sonorix/).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ClassFigures.h"

// What tells one state of a log file from another: its identity, size and
// modification time. A missing file has a stamp too.
struct FileStamp {
  bool exists = false;
  uint64_t device = 0;
  uint64_t inode = 0;
  uint64_t size = 0;
  int64_t modifiedNs = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

struct ClassCacheKey {
  std::string folder;  // absolute
  int32_t today = 0;   // the week's figures depend on it
  FileStamp report;
  FileStamp practice;
  FileStamp sing{};  // sing.dat, where there is one
  bool operator==(const ClassCacheKey&) const = default;
};

struct CachedClass {
  std::vector<PersonFigures> rows;
  int32_t records = 0;
  int32_t unverified = 0;
  int32_t ambiguous = 0;
};

// $XDG_CACHE_HOME/sonorix/ (made, private to the account) with its final
// '/'; empty when there is none (no HOME) or it cannot be made.
std::string ClassCacheFolder();
// The cache file of a folder; empty when there is no cache folder (no HOME).
std::string ClassCachePath(const std::string& folder);
// nullopt when missing, damaged or made for another key.
std::optional<CachedClass> LoadClassCache(const std::string& cacheFile, const ClassCacheKey& key);
// Writes it atomically, making the folders; false when it cannot.
bool SaveClassCache(const std::string& cacheFile, const ClassCacheKey& key, const CachedClass& figures);
