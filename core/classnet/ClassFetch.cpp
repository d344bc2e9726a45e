#include "ClassFetch.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "Clock.h"
#include "Storage.h"

namespace {

// Listings of one folder when its files keep going while they are fetched
// (a device folding its parts meanwhile).
constexpr int kMaxListings = 3;
// Of a drill log read in one step: a few milliseconds' work in a page.
constexpr size_t kStepBytes = 64 * 1024;

bool Strong(const std::string& etag) { return IsStrongEtag(etag); }

}  // namespace

struct ClassFetch::Folder {
  std::string account;
  std::string path;  // percent-encoded, ending in '/'
  std::map<std::string, CachedFile> known;
  std::vector<std::string> current;  // the part files of the last listing
  int listings = 0;
  int pending = 0;
  int cached = 0;
  bool missing = false;  // a file of the listing was gone when it was fetched
  bool changed = false;
  std::optional<FolderReading> figures;  // as cached, for the folder as listed
  std::unique_ptr<FolderReader> reader;
  uint64_t key = 0;
};

ClassFetch::ClassFetch(ClassConnection connection, Transport& transport, Scheduler& scheduler, Storage& cache,
                       std::string cachePrefix, int32_t today)
    : connection_(std::move(connection)),
      transport_(transport),
      scheduler_(scheduler),
      cache_(cache),
      cachePrefix_(std::move(cachePrefix)),
      today_(today),
      alive_(std::make_shared<bool>(false)) {}

ClassFetch::~ClassFetch() { *alive_ = false; }

std::string ClassFetch::CacheName(const std::string& account) const {
  char name[64];
  std::snprintf(name, sizeof name, "classfiles-%016llx-%016llx.dat",
                static_cast<unsigned long long>(ClassCacheHash(FolderAddress(connection_.address))),
                static_cast<unsigned long long>(ClassCacheHash(account)));
  return cachePrefix_ + name;
}

std::string ClassFetch::FiguresCacheName(const std::string& account) const {
  // Named as the files' cache, so that what forgets one forgets both.
  std::string name = CacheName(account);
  name.insert(name.size() - 4, "-figures");
  return name;
}

std::string ClassFetch::JudgedCacheName(const std::string& account) const {
  std::string name = CacheName(account);
  name.insert(name.size() - 4, "-judged");
  return name;
}

void ClassFetch::Start(std::function<void(FetchProgress)> progress, std::function<void(ClassFetchResult)> done) {
  Cancel();
  *alive_ = false;
  alive_ = std::make_shared<bool>(true);
  running_ = true;
  inFlight_ = 0;
  foldersLeft_ = 0;
  queue_.clear();
  fileQueue_.clear();
  progress_ = {0, 1};
  result_ = ClassFetchResult{};
  reader_ = std::make_unique<ClassReader>(today_);
  onProgress_ = std::move(progress);
  onDone_ = std::move(done);
  const std::string classPath = connection_.address.path;
  Request({"PROPFIND", FolderAddress(connection_.address),
           {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}}, PropfindBody()},
          [this, classPath](HttpResponse r) {
            Answered();
            const DavListing listing = ParseListing(r, classPath);
            if (listing.fault != ClassFault::None) {
              Finish(listing.fault);
              return;
            }
            for (const DavEntry& e : listing.entries) {
              if (!e.folder || !IsUsableAccount(e.name)) continue;
              auto folder = std::make_shared<Folder>();
              folder->account = e.name;
              folder->path = AccountFolderPath(connection_.address, e.name);
              ++foldersLeft_;
              ListFolder(folder);
            }
            if (foldersLeft_ == 0) Step([this] { Finish(ClassFault::None); });
          });
}

void ClassFetch::Cancel() {
  if (!running_) return;
  result_.cancelled = true;
  Finish(ClassFault::None);
}

void ClassFetch::Request(HttpRequest request, std::function<void(HttpResponse)> done) {
  const std::weak_ptr<bool> alive = alive_;
  auto& queue = request.method == "GET" ? fileQueue_ : queue_;
  queue.push_back([this, alive, request = std::move(request), done = std::move(done)]() mutable {
    ++inFlight_;
    SendToClass(
        transport_, connection_, std::move(request),
        [this, alive, done = std::move(done)](HttpResponse r) {
          --inFlight_;
          done(std::move(r));
          // The answer may have ended the read, and the one who started it may have let it go.
          const auto live = alive.lock();
          if (live && *live) Pump();
        },
        alive);
  });
  Pump();
}

void ClassFetch::Pump() {
  while (running_ && inFlight_ < inFlightLimit_ && (!fileQueue_.empty() || !queue_.empty())) {
    auto& queue = fileQueue_.empty() ? queue_ : fileQueue_;
    auto send = std::move(queue.front());
    queue.pop_front();
    send();
  }
}

void ClassFetch::Step(std::function<void()> step) {
  const std::weak_ptr<bool> alive = alive_;
  scheduler_.After(0, [alive, step = std::move(step)] {
    const auto live = alive.lock();
    if (live && *live) step();
  });
}

void ClassFetch::Answered() {
  ++progress_.done;
  if (onProgress_) onProgress_(progress_);
}

void ClassFetch::ListFolder(const std::shared_ptr<Folder>& folder) {
  ++folder->listings;
  ++progress_.total;
  Request({"PROPFIND", AddressOf(connection_.address, folder->path),
           {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}}, PropfindBody()},
          [this, folder](HttpResponse r) {
            Answered();
            DavListing listing = ParseListing(r, folder->path);
            if (listing.fault == ClassFault::Forbidden || listing.fault == ClassFault::NotFound) {
              // Closed to this account, or gone since the class was listed: in no figure.
              if (listing.fault == ClassFault::Forbidden) result_.unreadable.push_back(folder->account);
              Step([this] {
                if (--foldersLeft_ == 0) Finish(ClassFault::None);
              });
              return;
            }
            if (listing.fault != ClassFault::None) {
              Finish(listing.fault);
              return;
            }
            Step([this, folder, listing = std::move(listing)] { Listed(folder, listing); });
          });
}

void ClassFetch::Listed(const std::shared_ptr<Folder>& folder, const DavListing& listing) {
  if (folder->listings == 1) {
    // A folder unchanged since the last look today: its figures, nothing read again.
    std::vector<std::pair<std::string, std::string>> tags;
    for (const DavEntry& e : listing.entries)
      if (!e.folder && ParsePartName(e.name)) tags.emplace_back(e.name, e.etag);
    const uint64_t key = FolderKey(folder->account, tags);
    // Whoever takes the files themselves needs them read, not only the figures.
    if (key != 0 && !folderSink_)
      if (auto text = cache_.ReadAll(FiguresCacheName(folder->account)))
        folder->figures = ParseFolderFigures(*text, key, today_);
    // The judge takes what it kept of these very files, or the folder is read for it too.
    if (folder->figures && judge_.judge) {
      const auto text = cache_.ReadAll(JudgedCacheName(folder->account));
      const auto kept = text ? ParseFolderJudged(*text, key, judge_.key) : std::nullopt;
      if (!kept || !judge_.again(folder->account, *kept)) folder->figures.reset();
    }
    if (folder->figures) {
      folder->cached = static_cast<int>(tags.size());
      FolderDone(folder);
      return;
    }
    if (auto text = cache_.ReadAll(CacheName(folder->account))) folder->known = ParseFolderCache(*text, folder->account);
  }
  folder->current.clear();
  folder->cached = 0;
  std::vector<std::string> wanted;
  for (const DavEntry& e : listing.entries) {
    if (e.folder || !ParsePartName(e.name)) continue;
    folder->current.push_back(e.name);
    const auto it = folder->known.find(e.name);
    if (it != folder->known.end() && Strong(e.etag) && it->second.etag == e.etag) ++folder->cached;
    else wanted.push_back(e.name);
  }
  if (wanted.empty()) {
    FolderDone(folder);
    return;
  }
  folder->pending = static_cast<int>(wanted.size());
  progress_.total += folder->pending;
  for (const std::string& name : wanted) {
    Request({"GET", AddressOf(connection_.address, folder->path + EncodePathSegment(name)), {}, {}},
            [this, folder, name](HttpResponse r) {
              Answered();
              const ClassFault fault = FaultOfResponse(r);
              if (fault == ClassFault::NotFound) {
                folder->missing = true;
              } else if (fault != ClassFault::None) {
                Finish(fault);
                return;
              } else {
                // A weak tag is kept as none: the file is fetched again next time.
                const std::string etag = r.Header("ETag");
                folder->known[name] = {Strong(etag) ? etag : std::string(), std::move(r.body)};
                folder->changed = true;
                ++result_.fetched;
              }
              if (--folder->pending == 0) Step([this, folder] { FolderDone(folder); });
            });
  }
}

void ClassFetch::FolderDone(const std::shared_ptr<Folder>& folder) {
  if (folder->figures) {
    result_.cached += folder->cached;
    reader_->Add(folder->account, std::move(*folder->figures));
    if (--foldersLeft_ == 0) Finish(ClassFault::None);
    return;
  }
  if (folder->missing && folder->listings < kMaxListings) {
    folder->missing = false;
    ListFolder(folder);
    return;
  }
  FolderFiles files;
  std::map<std::string, CachedFile> kept;
  std::vector<std::pair<std::string, std::string>> tags;
  for (const std::string& name : folder->current) {
    auto it = folder->known.find(name);
    if (it == folder->known.end()) continue;
    tags.emplace_back(name, it->second.etag);
    files[name] = it->second.bytes;
    kept.insert(std::move(*it));
  }
  // A cache that cannot be written costs only a slower reopen.
  if (folder->changed || kept.size() != folder->known.size())
    cache_.Replace(CacheName(folder->account), FolderCacheText(folder->account, kept));
  folder->known.clear();
  result_.cached += folder->cached;
  ++result_.read;
  if (folderSink_) folderSink_(folder->account, files);
  folder->key = FolderKey(folder->account, std::move(tags));
  if (judge_.judge) {
    const std::string judged = judge_.judge(folder->account, files);
    // Written before the figures: figures without it are read again for the judge.
    if (folder->key != 0)
      cache_.Replace(JudgedCacheName(folder->account), FolderJudgedText(judged, folder->key, judge_.key));
  }
  folder->reader = std::make_unique<FolderReader>(folder->account, files, today_);
  ReadSome(folder);
}

void ClassFetch::ReadSome(const std::shared_ptr<Folder>& folder) {
  if (!folder->reader->Step(kStepBytes)) {
    Step([this, folder] { ReadSome(folder); });
    return;
  }
  FolderReading figures = folder->reader->Finish();
  folder->reader.reset();
  if (folder->key != 0)
    cache_.Replace(FiguresCacheName(folder->account), FolderFiguresText(figures, folder->key, today_));
  reader_->Add(folder->account, std::move(figures));
  if (--foldersLeft_ == 0) Finish(ClassFault::None);
}

void ClassFetch::Finish(ClassFault fault) {
  if (!running_) return;
  running_ = false;
  *alive_ = false;
  queue_.clear();
  fileQueue_.clear();
  result_.fault = fault;
  if (fault == ClassFault::None && !result_.cancelled) result_.reading = reader_->Finish();
  reader_.reset();
  auto done = std::move(onDone_);
  onDone_ = {};
  onProgress_ = {};
  ClassFetchResult result = std::move(result_);
  result_ = ClassFetchResult{};
  if (done) done(std::move(result));
}
