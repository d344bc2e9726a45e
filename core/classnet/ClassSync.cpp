#include "ClassSync.h"

#include "Clock.h"

#include <algorithm>
#include <map>

namespace {

// Tries of one change before the run stops with Busy and leaves it waiting.
constexpr int kMaxAttempts = 5;
// Reads of a file that keeps a weak tag; Apache's turns strong after a second.
constexpr int kMaxWeakReads = 4;
constexpr uint32_t kWeakWaitMs = 1100;

bool Is2xx(const HttpResponse& r) { return FaultOfResponse(r) == ClassFault::None; }

}  // namespace

ClassSync::ClassSync(ClassConnection connection, Transport& transport, Outbox& outbox, Scheduler& scheduler)
    : connection_(std::move(connection)),
      transport_(transport),
      outbox_(outbox),
      scheduler_(scheduler),
      alive_(std::make_shared<bool>(true)) {}

ClassSync::~ClassSync() { *alive_ = false; }

std::string ClassSync::AccountFolder() const {
  return AddressOf(connection_.address, AccountFolderPath(connection_.address, connection_.credentials.account));
}

std::string ClassSync::FileAddress(const std::string& file) const { return AccountFolder() + EncodePathSegment(file); }

void ClassSync::Request(HttpRequest request, std::function<void(HttpResponse)> done) {
  SendToClass(transport_, connection_, std::move(request), std::move(done), alive_);
}

void ClassSync::Join(std::function<void(ClassFault)> done) {
  if (!IsUsableAccount(connection_.credentials.account)) {
    done(ClassFault::Unauthorized);
    return;
  }
  const std::string folder = AccountFolder();
  const std::string folderPath = AccountFolderPath(connection_.address, connection_.credentials.account);
  HttpRequest find{"PROPFIND", folder, {{"Depth", "0"}, {"Content-Type", "application/xml; charset=utf-8"}}, PropfindBody()};
  Request(find, [this, folder, folderPath, done = std::move(done)](HttpResponse r) {
    if (r.link == HttpResponse::Link::Answered && r.status == 404) {
      Request({"MKCOL", folder, {}, {}}, [done](HttpResponse made) {
        // 405: made meanwhile by another device.
        done(made.link == HttpResponse::Link::Answered && made.status == 405 ? ClassFault::None
                                                                             : FaultOfResponse(made));
      });
      return;
    }
    done(ParseListing(r, folderPath).fault);
  });
}

void ClassSync::SendWaiting(std::function<void(SyncReport)> done) {
  if (done) waiting_.push_back(std::move(done));
  if (sending_) return;
  sending_ = true;
  sent_ = 0;
  SendNext();
}

void ClassSync::SendNext() {
  const std::vector<OutboxEntry> entries = outbox_.Entries();
  if (entries.empty()) {
    Finish(ClassFault::None);
    return;
  }
  if (entries.front().kind == OutboxEntry::Kind::Part) SendPart(entries.front(), 1);
  else SendMerge(entries.front(), 1, 0);
}

void ClassSync::Sent(const OutboxEntry& entry) {
  // Left in the outbox it would only be found on the server again next time;
  // a storage that cannot write stops the run rather than send it in a loop.
  if (!outbox_.Remove(entry.number)) {
    Finish(ClassFault::OutboxUnwritable);
    return;
  }
  ++sent_;
  SendNext();
}

void ClassSync::SendPart(const OutboxEntry& entry, int attempt) {
  const std::string url = FileAddress(entry.file);
  HttpRequest put{"PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/plain; charset=utf-8"}}, entry.bytes};
  Request(put, [this, entry, url, attempt](HttpResponse r) {
    if (Is2xx(r)) {
      Sent(entry);
      return;
    }
    if (r.link != HttpResponse::Link::Answered || r.status != 412) {
      Finish(FaultOfResponse(r));
      return;
    }
    // There already: sent before, its answer lost; or the name is another's.
    Request({"GET", url, {}, {}}, [this, entry, attempt](HttpResponse got) {
      if (Is2xx(got)) {
        if (got.body == entry.bytes) {
          Sent(entry);
        } else if (outbox_.Rename(entry.number)) {
          SendNext();
        } else {
          Finish(ClassFault::ServerFault);
        }
      } else if (got.link == HttpResponse::Link::Answered && got.status == 404 && attempt < kMaxAttempts) {
        SendPart(entry, attempt + 1);
      } else {
        const ClassFault fault = FaultOfResponse(got);
        Finish(fault == ClassFault::NotFound ? ClassFault::Busy : fault);
      }
    });
  });
}

void ClassSync::SendMerge(const OutboxEntry& entry, int attempt, int weakReads) {
  if (attempt > kMaxAttempts) {
    Finish(ClassFault::Busy);
    return;
  }
  const std::string url = FileAddress(entry.file);
  Request({"GET", url, {}, {}}, [this, entry, url, attempt, weakReads](HttpResponse got) {
    const std::weak_ptr<bool> alive = alive_;
    auto retry = [this, entry, attempt](HttpResponse put) {
      if (Is2xx(put)) Sent(entry);
      else if (put.link == HttpResponse::Link::Answered && put.status == 412) SendMerge(entry, attempt + 1, 0);
      else Finish(FaultOfResponse(put));
    };
    if (got.link == HttpResponse::Link::Answered && got.status == 404) {
      Request({"PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/plain; charset=utf-8"}},
               MergeRecords("", entry.bytes)},
              retry);
      return;
    }
    if (!Is2xx(got)) {
      Finish(FaultOfResponse(got));
      return;
    }
    const std::string etag = got.Header("ETag");
    if (etag.empty() || IsWeakEtag(etag)) {
      if (weakReads + 1 >= kMaxWeakReads) {
        Finish(ClassFault::NoStrongVersion);
        return;
      }
      scheduler_.After(kWeakWaitMs, [this, alive, entry, attempt, weakReads] {
        const auto live = alive.lock();
        if (live && *live) SendMerge(entry, attempt, weakReads + 1);
      });
      return;
    }
    const std::string merged = MergeRecords(got.body, entry.bytes);
    if (merged == got.body) {
      Sent(entry);
      return;
    }
    Request({"PUT", url, {{"If-Match", etag}, {"Content-Type", "text/plain; charset=utf-8"}}, merged}, retry);
  });
}

void ClassSync::Finish(ClassFault fault) {
  lastFault_ = fault;
  sending_ = false;
  SyncReport report{fault, sent_};
  auto waiting = std::move(waiting_);
  waiting_.clear();
  for (auto& done : waiting) done(report);
}

std::string ClassSync::StatusText() { return SyncStatusText(outbox_.Count()); }

const char* SyncStatusSource(Outbox::Waiting waiting) {
  if (waiting.drills > 0) return "%n drills waiting for the network";
  // A score or other change waits without a drill: never "saved" until it went.
  return waiting.others > 0 ? "Changes waiting for the network" : "Saved to the class";
}

std::string SyncStatusText(Outbox::Waiting waiting) {
  if (waiting.drills == 1) return "1 drill waiting for the network";
  std::string text = SyncStatusSource(waiting);
  const size_t n = text.find("%n");
  if (n != std::string::npos) text.replace(n, 2, std::to_string(waiting.drills));
  return text;
}

struct ClassSync::FoldRun {
  struct Plan {
    std::string folded;               // the name it gets
    std::vector<std::string> singles; // in order
    std::vector<std::string> covered; // held by a folded part already
  };
  std::vector<Plan> plans;
  size_t plan = 0;
  std::string bytes;
  int folded = 0;
  std::function<void(ClassFault, int)> done;
};

void ClassSync::Fold(size_t atLeast, std::function<void(ClassFault, int)> done) {
  const std::string folderPath = AccountFolderPath(connection_.address, connection_.credentials.account);
  HttpRequest list{"PROPFIND", AccountFolder(), {{"Depth", "1"}, {"Content-Type", "application/xml; charset=utf-8"}},
                   PropfindBody()};
  const std::string device = outbox_.Device();
  Request(list, [this, folderPath, device, atLeast, done = std::move(done)](HttpResponse r) {
    const DavListing listing = ParseListing(r, folderPath);
    if (listing.fault != ClassFault::None) {
      done(listing.fault, 0);
      return;
    }
    std::vector<std::pair<ServerPart, std::string>> mine;
    for (const DavEntry& e : listing.entries) {
      if (e.folder) continue;
      const std::optional<ServerPart> part = ParseServerPart(e.name);
      if (part && part->device == device) mine.emplace_back(*part, e.name);
    }
    std::map<std::string, FoldRun::Plan> byStem;
    std::map<std::string, std::vector<std::pair<uint64_t, std::string>>> singles;
    for (const auto& entry : mine) {
      const ServerPart& part = entry.first;
      const bool covered =
          std::any_of(mine.begin(), mine.end(), [&part](const auto& other) { return other.first.Covers(part); });
      if (covered) byStem[part.stem].covered.push_back(entry.second);
      else if (!part.folded) singles[part.stem].emplace_back(part.first, entry.second);
    }
    auto run = std::make_shared<FoldRun>();
    run->done = done;
    for (auto& [stem, list] : singles) {
      FoldRun::Plan& plan = byStem[stem];
      if (list.size() < atLeast) continue;
      std::sort(list.begin(), list.end());
      plan.folded = FoldedPartName(stem, device, list.front().first, list.back().first);
      for (const auto& single : list) plan.singles.push_back(single.second);
    }
    for (auto& [stem, plan] : byStem)
      if (!plan.singles.empty() || !plan.covered.empty()) run->plans.push_back(std::move(plan));
    FoldNext(run);
  });
}

void ClassSync::FoldNext(std::shared_ptr<FoldRun> run) {
  if (run->plan >= run->plans.size()) {
    run->done(ClassFault::None, run->folded);
    return;
  }
  run->bytes.clear();
  if (run->plans[run->plan].singles.empty()) FoldDelete(run, 0);
  else FoldFetch(run, 0);
}

void ClassSync::FoldFetch(std::shared_ptr<FoldRun> run, size_t next) {
  FoldRun::Plan& plan = run->plans[run->plan];
  if (next < plan.singles.size()) {
    Request({"GET", FileAddress(plan.singles[next]), {}, {}}, [this, run, next](HttpResponse got) {
      if (FaultOfResponse(got) != ClassFault::None) {
        run->done(FaultOfResponse(got), run->folded);
        return;
      }
      run->bytes += got.body;
      FoldFetch(run, next + 1);
    });
    return;
  }
  const std::string url = FileAddress(plan.folded);
  HttpRequest put{"PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/plain; charset=utf-8"}}, run->bytes};
  Request(put, [this, run, url](HttpResponse r) {
    if (FaultOfResponse(r) == ClassFault::None) {
      FoldDelete(run, 0);
      return;
    }
    if (r.link != HttpResponse::Link::Answered || r.status != 412) {
      run->done(FaultOfResponse(r), run->folded);
      return;
    }
    // There already: an earlier fold whose answer was lost, if it holds the same.
    Request({"GET", url, {}, {}}, [this, run](HttpResponse got) {
      if (FaultOfResponse(got) == ClassFault::None && got.body == run->bytes) FoldDelete(run, 0);
      else run->done(ClassFault::Busy, run->folded);
    });
  });
}

void ClassSync::FoldDelete(std::shared_ptr<FoldRun> run, size_t next) {
  const FoldRun::Plan& plan = run->plans[run->plan];
  const size_t total = plan.singles.size() + plan.covered.size();
  if (next >= total) {
    run->folded += static_cast<int>(plan.singles.size());
    ++run->plan;
    FoldNext(run);
    return;
  }
  const std::string& name = next < plan.singles.size() ? plan.singles[next] : plan.covered[next - plan.singles.size()];
  Request({"DELETE", FileAddress(name), {}, {}}, [this, run, next](HttpResponse r) {
    // Gone already is as good.
    if (FaultOfResponse(r) != ClassFault::None && !(r.link == HttpResponse::Link::Answered && r.status == 404)) {
      run->done(FaultOfResponse(r), run->folded);
      return;
    }
    FoldDelete(run, next + 1);
  });
}
