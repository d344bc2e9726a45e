#include "ClassFetch.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "Clock.h"
#include "Storage.h"

namespace {

// Requests on their way at once: enough to hide the round trips, few enough
// for a school's server.
constexpr int kInFlight = 6;  // what a browser lets one origin have over HTTP/1.1
// Listings of one folder when its files keep going while they are fetched
// (a device folding its parts meanwhile).
constexpr int kMaxListings = 3;
// Of a drill log read in one step: a few milliseconds' work in a page.
constexpr size_t kStepBytes = 64 * 1024;

constexpr std::string_view kCacheMagic = "sonorix class files 1\r\n";
constexpr std::string_view kFiguresMagic = "sonorix class figures 1\r\n";

bool Strong(const std::string& etag) { return !etag.empty() && !IsWeakEtag(etag); }

uint64_t Fnv64(std::string_view text) {
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

std::string_view Line(std::string_view& text) {
  const size_t end = text.find("\r\n");
  if (end == std::string_view::npos) {
    text = {};
    return {};
  }
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 2);
  return line;
}


// The figures as numbers between spaces; "-" for a figure that has none.
struct FigureWriter {
  std::string text;
  void Put(int64_t n) {
    text += std::to_string(n);
    text += ' ';
  }
  void Put(const std::optional<int32_t>& n) {
    if (n) Put(*n);
    else text += "- ";
  }
  void Put(const AnswerTotals& t) {
    Put(t.right);
    Put(t.wrong);
    Put(t.seconds);
  }
  void Put(const std::string& s) {
    text += s.empty() ? std::string("-") : EncodePathSegment(s);
    text += ' ';
  }
};

struct FigureReader {
  std::string_view text;
  bool ok = true;
  std::string_view Token() {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\r' || text.front() == '\n')) text.remove_prefix(1);
    size_t end = 0;
    while (end < text.size() && text[end] != ' ' && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view token = text.substr(0, end);
    text.remove_prefix(end);
    if (token.empty()) ok = false;
    return token;
  }
  template <typename T>
  void Get(T& n) {
    const std::string_view token = Token();
    Number(token, n);
  }
  template <typename T>
  void Number(std::string_view token, T& n) {
    T v = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), v);
    if (error != std::errc() || end != token.data() + token.size()) ok = false;
    else n = v;
  }
  void Get(std::optional<int32_t>& n) {
    const std::string_view token = Token();
    if (token == "-") {
      n.reset();
      return;
    }
    int32_t v = 0;
    Number(token, v);
    n = v;
  }
  void Get(AnswerTotals& t) {
    Get(t.right);
    Get(t.wrong);
    Get(t.seconds);
  }
  void Get(std::string& s) {
    const std::string_view token = Token();
    s = token == "-" ? std::string() : DecodePercent(token);
  }
};

// Every figure of a folder, in one order for writing and reading.
template <typename Io, typename Folder>
void Figures(Io& io, Folder& f) {
  auto& p = f.row;
  io.Get(p.verifiedDrills);
  io.Get(p.all);
  io.Get(p.secondsThisWeek);
  io.Get(p.firstDay);
  io.Get(p.lastDay);
  for (auto& t : p.byMode) io.Get(t);
  for (auto& t : p.eligibleByMode) io.Get(t);
  io.Get(p.ineligible);
  io.Get(p.ineligibleDrills);
  io.Get(p.notEnded);
  io.Get(p.notEndedDrills);
  for (auto& b : p.bestScore) io.Get(b);
  io.Get(p.unverified);
  io.Get(p.ambiguous);
  io.Get(p.practiceQuestions);
  io.Get(p.practiceFirstTry);
  io.Get(p.practiceSeconds);
  io.Get(p.practiceQuestionsThisWeek);
  io.Get(p.practiceSecondsThisWeek);
  io.Get(p.lastPracticeDay);
  io.Get(f.records);
  io.Get(f.unverified);
  io.Get(f.ambiguous);
  io.Get(f.practiceDamaged);
  for (auto& c : f.errors) {
    for (auto& n : c.Correct) io.Get(n);
    for (auto& n : c.Wrong) io.Get(n);
    for (auto& row : c.CorrectByRip)
      for (auto& n : row) io.Get(n);
    for (auto& row : c.WrongByRip)
      for (auto& n : row) io.Get(n);
    for (auto& n : c.ConfusedWith) io.Get(n);
  }
}

// Writes through the reader's names.
struct FigurePutter {
  FigureWriter w;
  template <typename T>
  void Get(const T& v) {
    w.Put(v);
  }
  void Get(const int32_t& v) { w.Put(static_cast<int64_t>(v)); }
};
}  // namespace

std::string FolderFiguresText(const FolderReading& folder, uint64_t key, int32_t today) {
  FigurePutter out;
  Figures(out, folder);
  const bool student = folder.student.has_value();
  out.w.Put(student ? 1 : 0);
  if (student) {
    out.w.Put(static_cast<int64_t>(folder.student->hardest.size()));
    for (const ClassAnswered& a : folder.student->hardest) {
      out.w.Put(a.name);
      out.w.Put(a.asked);
      out.w.Put(a.firstTry);
    }
    out.w.Put(static_cast<int64_t>(folder.student->confusions.size()));
    for (const ClassConfused& c : folder.student->confusions) {
      out.w.Put(c.asked);
      out.w.Put(c.answered);
      out.w.Put(c.times);
    }
  }
  char head[80];
  std::snprintf(head, sizeof head, "%d %016llx %016llx\r\n", today, static_cast<unsigned long long>(key),
                static_cast<unsigned long long>(Fnv64(out.w.text)));
  return std::string(kFiguresMagic) + head + out.w.text + "\r\nend\r\n";
}

std::optional<FolderReading> ParseFolderFigures(std::string_view text, uint64_t key, int32_t today) {
  if (key == 0 || text.substr(0, kFiguresMagic.size()) != kFiguresMagic) return std::nullopt;
  text.remove_prefix(kFiguresMagic.size());
  const std::string_view head = Line(text);
  const std::string_view body = Line(text);
  if (Line(text) != "end") return std::nullopt;
  char expected[80];
  std::snprintf(expected, sizeof expected, "%d %016llx %016llx", today, static_cast<unsigned long long>(key),
                static_cast<unsigned long long>(Fnv64(body)));
  if (head != expected) return std::nullopt;
  FolderReading folder;
  FigureReader in{body};
  Figures(in, folder);
  int student = 0;
  in.Get(student);
  if (student) {
    StudentClasses s;
    int32_t count = 0;
    in.Get(count);
    for (int32_t i = 0; in.ok && i < count; ++i) {
      ClassAnswered a;
      in.Get(a.name);
      in.Get(a.asked);
      in.Get(a.firstTry);
      s.hardest.push_back(std::move(a));
    }
    in.Get(count);
    for (int32_t i = 0; in.ok && i < count; ++i) {
      ClassConfused c;
      in.Get(c.asked);
      in.Get(c.answered);
      in.Get(c.times);
      s.confusions.push_back(std::move(c));
    }
    folder.student = std::move(s);
  }
  if (!in.ok || in.text.find_first_not_of(' ') != std::string_view::npos) return std::nullopt;
  return folder;
}

uint64_t FolderKey(const std::string& account, std::vector<std::pair<std::string, std::string>> namesAndTags) {
  std::sort(namesAndTags.begin(), namesAndTags.end());
  std::string all = EncodePathSegment(account);
  for (const auto& [name, tag] : namesAndTags) {
    if (!Strong(tag)) return 0;
    all += ' ' + EncodePathSegment(name) + ' ' + EncodePathSegment(tag);
  }
  const uint64_t key = Fnv64(all);
  return key == 0 ? 1 : key;
}

std::string FolderCacheText(const std::string& account, const std::map<std::string, CachedFile>& files) {
  std::string text(kCacheMagic);
  text += EncodePathSegment(account);
  text += "\r\n";
  for (const auto& [name, file] : files) {
    text += EncodePathSegment(name);
    text += ' ';
    text += file.etag.empty() ? std::string("-") : EncodePathSegment(file.etag);
    text += ' ';
    text += std::to_string(file.bytes.size());
    text += "\r\n";
    text += file.bytes;
    text += "\r\n";
  }
  text += "end\r\n";
  return text;
}

std::map<std::string, CachedFile> ParseFolderCache(std::string_view text, const std::string& account) {
  std::map<std::string, CachedFile> files;
  if (text.substr(0, kCacheMagic.size()) != kCacheMagic) return {};
  text.remove_prefix(kCacheMagic.size());
  if (DecodePercent(Line(text)) != account) return {};
  for (;;) {
    const std::string_view head = Line(text);
    if (head == "end") return files;
    const size_t a = head.find(' ');
    const size_t b = a == std::string_view::npos ? a : head.find(' ', a + 1);
    if (b == std::string_view::npos) return {};
    const std::string_view digits = head.substr(b + 1);
    if (digits.empty() || digits.size() > 12 || digits.find_first_not_of("0123456789") != std::string_view::npos)
      return {};
    const size_t size = std::stoull(std::string(digits));
    if (size > text.size() || text.substr(size, 2) != "\r\n") return {};
    const std::string_view tag = head.substr(a + 1, b - a - 1);
    files[DecodePercent(head.substr(0, a))] = {tag == "-" ? std::string() : DecodePercent(tag),
                                               std::string(text.substr(0, size))};
    text.remove_prefix(size + 2);
  }
}

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
                static_cast<unsigned long long>(Fnv64(FolderAddress(connection_.address))),
                static_cast<unsigned long long>(Fnv64(account)));
  return cachePrefix_ + name;
}

std::string ClassFetch::FiguresCacheName(const std::string& account) const {
  // Named as the files' cache, so that what forgets one forgets both.
  std::string name = CacheName(account);
  name.insert(name.size() - 4, "-figures");
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
  queue_.push_back([this, alive, request = std::move(request), done = std::move(done)]() mutable {
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
  while (running_ && inFlight_ < kInFlight && !queue_.empty()) {
    auto send = std::move(queue_.front());
    queue_.pop_front();
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
  if (folderSink_) folderSink_(folder->account, files);
  folder->key = FolderKey(folder->account, std::move(tags));
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
