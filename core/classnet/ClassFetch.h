// Reads a class folder off its WebDAV server for the teacher: one PROPFIND
// (Depth: 1) of the class folder, one of each account folder, then a GET of
// each part file whose strong ETag changed since the last look. What was
// fetched is kept in a cache through the front end's storage, so that a
// reopen with nothing changed costs only the listings. The work goes in
// small steps through the scheduler: a class of hundreds never holds up a
// page for long.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ClassReader.h"
#include "ClassRequest.h"
#include "WebDav.h"

class Scheduler;
class Storage;

struct FetchProgress {
  int done = 0;   // requests answered
  int total = 0;  // requests known so far: grows as the listings come in
};

struct ClassFetchResult {
  ClassFault fault = ClassFault::None;  // what stopped the read; None when it read all it could
  bool cancelled = false;
  ClassReading reading;
  // Account folders this account may not read; they are in no figure.
  std::vector<std::string> unreadable;
  int fetched = 0;  // files got over the network
  int cached = 0;   // files unchanged, taken from the cache
  int read = 0;     // account folders read afresh; the others' figures were kept
};

// Judges each account folder as it is read, and keeps what it made of it
// with the folder's figures, so that an unchanged folder is judged again
// from that alone.
struct FolderJudge {
  std::string key;  // what the kept text depends on besides the folder's files
  // The folder's part files judged; gives what to keep.
  std::function<std::string(const std::string& account, const FolderFiles& files)> judge;
  // What was kept of the same files, judged again; false when it was of no use (then the files are read).
  std::function<bool(const std::string& account, std::string_view kept)> again;
};

class ClassFetch {
 public:
  // The cache's files are `cachePrefix` + a name of ours, through `cache`.
  ClassFetch(ClassConnection connection, Transport& transport, Scheduler& scheduler, Storage& cache,
             std::string cachePrefix, int32_t today);
  ~ClassFetch();
  ClassFetch(const ClassFetch&) = delete;
  ClassFetch& operator=(const ClassFetch&) = delete;

  // `done` is called once, also after Cancel; `progress` after each answer.
  void Start(std::function<void(FetchProgress)> progress, std::function<void(ClassFetchResult)> done);
  void Cancel();
  bool Running() const { return running_; }
  // Requests on their way at once: 6 by default, what one origin gets over
  // HTTP/1.1, enough to hide the round trips and few enough for a school's
  // server. A front end whose own stack queues what goes beyond its
  // connections may hand over more, so that a connection never waits for it.
  void SetRequestsInFlight(int n) { inFlightLimit_ = n < 1 ? 1 : n; }
  // Hears each account folder's part files as it is read, for a reader
  // that needs the records themselves and not only the figures.
  void SetFolderSink(std::function<void(const std::string& account, const FolderFiles& files)> sink) {
    folderSink_ = std::move(sink);
  }

  void SetFolderJudge(FolderJudge judge) { judge_ = std::move(judge); }

  // The cache files of one account folder of this class: its part files, and
  // the figures read from them.
  std::string CacheName(const std::string& account) const;
  std::string FiguresCacheName(const std::string& account) const;
  std::string JudgedCacheName(const std::string& account) const;

 private:
  struct Folder;
  void Request(HttpRequest request, std::function<void(HttpResponse)> done);
  void Pump();
  void Step(std::function<void()> step);
  void ListFolder(const std::shared_ptr<Folder>& folder);
  void Listed(const std::shared_ptr<Folder>& folder, const DavListing& listing);
  void FolderDone(const std::shared_ptr<Folder>& folder);
  void ReadSome(const std::shared_ptr<Folder>& folder);
  void Answered();
  void Finish(ClassFault fault);

  ClassConnection connection_;
  Transport& transport_;
  Scheduler& scheduler_;
  Storage& cache_;
  std::string cachePrefix_;
  int32_t today_;
  bool running_ = false;
  int inFlight_ = 0;
  int inFlightLimit_ = 6;
  int foldersLeft_ = 0;
  FetchProgress progress_;
  // Requests waiting for a free slot. A listed folder's files go before the
  // listings still to come, so that folders are read while the rest is fetched.
  std::deque<std::function<void()>> queue_;
  std::deque<std::function<void()>> fileQueue_;
  std::unique_ptr<ClassReader> reader_;
  ClassFetchResult result_;
  std::function<void(FetchProgress)> onProgress_;
  std::function<void(ClassFetchResult)> onDone_;
  std::function<void(const std::string&, const FolderFiles&)> folderSink_;
  FolderJudge judge_;
  // Answers and steps of a read that ended are dropped.
  std::shared_ptr<bool> alive_;
};

// FNV-1a of the text: names the cache files and checks what they hold.
uint64_t ClassCacheHash(std::string_view text);

// The cache file's text of one account folder: its part files with their tags.
struct CachedFile {
  std::string etag;
  std::string bytes;
};
std::string FolderCacheText(const std::string& account, const std::map<std::string, CachedFile>& files);
// Empty when damaged or of another account: then everything is fetched again.
std::map<std::string, CachedFile> ParseFolderCache(std::string_view text, const std::string& account);

// The figures of one account folder, for the folder whose part files and
// strong tags give `key` (FolderKey) on the day `today`.
std::string FolderFiguresText(const FolderReading& folder, uint64_t key, int32_t today);
// nullopt when damaged, or for another key or day: then the folder is read again.
std::optional<FolderReading> ParseFolderFigures(std::string_view text, uint64_t key, int32_t today);
// What a FolderJudge kept of the folder whose files give `key` (FolderKey),
// for the judge of `judgeKey`; nullopt when damaged or for another folder or judge.
std::string FolderJudgedText(std::string_view kept, uint64_t key, const std::string& judgeKey);
std::optional<std::string> ParseFolderJudged(std::string_view text, uint64_t key, const std::string& judgeKey);
// Of the account and its part files' names and tags; 0 (no key) when a tag is weak or missing.
uint64_t FolderKey(const std::string& account, std::vector<std::pair<std::string, std::string>> namesAndTags);
