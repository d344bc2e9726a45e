#include "ClassSync.h"

#include "ClassReader.h"
#include "Clock.h"

#include <algorithm>
#include <cstdint>
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

void ClassSync::Guarded(std::function<void()> then, std::function<void(ClassFault)> failed) {
  if (preconditions_ != Preconditions::Unknown) {
    then();
    return;
  }
  const std::string probe = FileAddress(kPreconditionProbeName);
  HttpRequest put{"PUT", probe, {{"If-Match", "\"sonorix-matches-no-file\""}, {"Content-Type", "text/plain"}}, ""};
  Request(put, [this, probe, then = std::move(then), failed = std::move(failed)](HttpResponse r) {
    // Refused, as it should be; some servers say 404 (or 409) for a file that is not there.
    if (r.link == HttpResponse::Link::Answered && (r.status == 412 || r.status == 404 || r.status == 409)) {
      preconditions_ = Preconditions::Kept;
      then();
    } else if (Is2xx(r)) {
      // Written though no file matched: this server writes whatever it is asked.
      preconditions_ = Preconditions::Ignored;
      Request({"DELETE", probe, {}, {}}, [then](HttpResponse) { then(); });
    } else {
      failed(FaultOfResponse(r));
    }
  });
}

void ClassSync::SendNext() {
  const std::optional<OutboxEntry> front = outbox_.Front();
  if (!front) {
    Finish(ClassFault::None);
    return;
  }
  Guarded(
      [this, entry = *front] {
        if (entry.kind == OutboxEntry::Kind::Part) SendPart(entry, 1);
        else SendMerge(entry, 1, 0);
      },
      [this](ClassFault fault) { Finish(fault); });
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

void ClassSync::SendPart(const OutboxEntry& entry, int attempt, bool looked) {
  const std::string url = FileAddress(entry.file);
  // There already: sent before, its answer lost; or the name is another's.
  auto look = [this, entry, url, attempt] {
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
        SendPart(entry, attempt + 1, true);
      } else {
        const ClassFault fault = FaultOfResponse(got);
        Finish(fault == ClassFault::NotFound ? ClassFault::Busy : fault);
      }
    });
  };
  // A server that would write over the name is asked first.
  if (preconditions_ == Preconditions::Ignored && !looked) {
    look();
    return;
  }
  HttpRequest put{"PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/plain; charset=utf-8"}}, entry.bytes};
  Request(put, [this, entry, look](HttpResponse r) {
    if (Is2xx(r)) Sent(entry);
    else if (r.link != HttpResponse::Link::Answered || r.status != 412) Finish(FaultOfResponse(r));
    else look();
  });
}

void ClassSync::SendMerge(const OutboxEntry& entry, int attempt, int weakReads) {
  if (attempt > kMaxAttempts) {
    Finish(ClassFault::Busy);
    return;
  }
  // Its rewrite would name no version the server checks: it waits.
  if (preconditions_ == Preconditions::Ignored) {
    Finish(ClassFault::NoStrongVersion);
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
  struct File {
    std::string name;
    uint64_t first = 0;
    uint64_t last = 0;
    int64_t size = -1;  // as listed; -1 when the server said none
  };
  struct Plan {
    std::string stem;
    std::vector<File> files;           // joined into one, in order
    std::vector<std::string> covered;  // held by a folded part already
  };
  std::vector<Plan> plans;
  size_t plan = 0;
  std::string bytes;
  ErrorStats errors{};
  std::string device;
  int folded = 0;
  std::function<void(ClassFault, int)> done;
};

namespace {

// A stem whose folded part is the sum of its parts, not their join.
bool Summed(const std::string& stem) { return stem == kErrorsFileName; }

}  // namespace

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
    // A part still waiting here may be sent after one with a higher number
    // (it was renamed); a range over its number would hide it from readers.
    uint64_t below = UINT64_MAX;
    for (const OutboxEntry& e : outbox_.Entries())
      if (e.kind == OutboxEntry::Kind::Part) below = std::min(below, e.number);
    std::vector<std::pair<ServerPart, const DavEntry*>> mine;
    for (const DavEntry& e : listing.entries) {
      if (e.folder) continue;
      const std::optional<ServerPart> part = ParseServerPart(e.name);
      if (part && part->device == device) mine.emplace_back(*part, &e);
    }
    std::map<std::string, std::vector<FoldRun::File>> open;
    std::map<std::string, std::vector<std::string>> covered;
    // Named, not bound: the page's compiler (clang 14) captures no structured binding.
    for (const auto& entry : mine) {
      const ServerPart& part = entry.first;
      const bool isCovered =
          std::any_of(mine.begin(), mine.end(), [&](const auto& other) { return other.first.Covers(part); });
      if (isCovered) covered[part.stem].push_back(entry.second->name);
      else if (part.last < below) open[part.stem].push_back({entry.second->name, part.first, part.last, entry.second->size});
    }
    auto run = std::make_shared<FoldRun>();
    run->done = done;
    run->device = device;
    for (auto& [stem, names] : covered) run->plans.push_back({stem, {}, std::move(names)});
    for (auto& [stem, files] : open) {
      if (files.size() < atLeast) continue;
      std::sort(files.begin(), files.end(), [](const FoldRun::File& a, const FoldRun::File& b) { return a.first < b.first; });
      // Each folded part stays well under the largest answer a reader takes;
      // one that is full is left as it is and a new range begins after it.
      FoldRun::Plan plan{stem, {}, {}};
      int64_t bytes = 0;
      for (FoldRun::File& file : files) {
        const int64_t size = Summed(stem) ? 0 : std::max<int64_t>(file.size, 0);
        if (!plan.files.empty() && bytes + size > static_cast<int64_t>(kMaxFoldBytes)) {
          if (plan.files.size() > 1) run->plans.push_back(std::move(plan));
          plan = {stem, {}, {}};
          bytes = 0;
        }
        plan.files.push_back(std::move(file));
        bytes += size;
      }
      if (plan.files.size() > 1) run->plans.push_back(std::move(plan));
    }
    if (run->plans.empty()) {
      FoldNext(run);
      return;
    }
    Guarded([this, run] { FoldNext(run); }, [run](ClassFault fault) { run->done(fault, 0); });
  });
}

void ClassSync::FoldNext(std::shared_ptr<FoldRun> run) {
  if (run->plan >= run->plans.size()) {
    run->done(ClassFault::None, run->folded);
    return;
  }
  run->bytes.clear();
  run->errors = ErrorStats{};
  if (run->plans[run->plan].files.empty()) FoldDelete(run, 0);
  else FoldFetch(run, 0);
}

void ClassSync::FoldFetch(std::shared_ptr<FoldRun> run, size_t next) {
  FoldRun::Plan& plan = run->plans[run->plan];
  if (next < plan.files.size()) {
    Request({"GET", FileAddress(plan.files[next].name), {}, {}}, [this, run, next](HttpResponse got) {
      if (FaultOfResponse(got) != ClassFault::None) {
        run->done(FaultOfResponse(got), run->folded);
        return;
      }
      FoldRun::Plan& plan = run->plans[run->plan];
      if (Summed(plan.stem)) {
        AddErrorPart(run->errors, got.body);
      } else if (next > 0 && run->bytes.size() + got.body.size() > kMaxFoldBytes) {
        // Larger than listed: the rest is a range of its own.
        FoldRun::Plan rest{plan.stem, {plan.files.begin() + static_cast<std::ptrdiff_t>(next), plan.files.end()}, {}};
        plan.files.resize(next);
        run->plans.insert(run->plans.begin() + static_cast<std::ptrdiff_t>(run->plan) + 1, std::move(rest));
        if (next == 1) {
          ++run->plan;
          FoldNext(run);
        } else {
          FoldPut(run);
        }
        return;
      } else {
        AppendLogPart(run->bytes, got.body);
      }
      FoldFetch(run, next + 1);
    });
    return;
  }
  if (plan.files.size() < 2) {
    ++run->plan;
    FoldNext(run);
    return;
  }
  if (Summed(plan.stem)) run->bytes = FormatErrorStats(run->errors);
  FoldPut(run);
}

void ClassSync::FoldPut(std::shared_ptr<FoldRun> run, bool looked) {
  const FoldRun::Plan& plan = run->plans[run->plan];
  const std::string url = FileAddress(FoldedPartName(plan.stem, run->device, plan.files.front().first, plan.files.back().last));
  // There already: an earlier fold whose answer was lost, if it holds the same.
  auto look = [this, run, url, looked] {
    Request({"GET", url, {}, {}}, [this, run, looked](HttpResponse got) {
      if (FaultOfResponse(got) == ClassFault::None && got.body == run->bytes) FoldDelete(run, 0);
      else if (!looked && got.link == HttpResponse::Link::Answered && got.status == 404) FoldPut(run, true);
      else run->done(ClassFault::Busy, run->folded);
    });
  };
  // A server that would write over the name is asked first.
  if (preconditions_ == Preconditions::Ignored && !looked) {
    look();
    return;
  }
  HttpRequest put{"PUT", url, {{"If-None-Match", "*"}, {"Content-Type", "text/plain; charset=utf-8"}}, run->bytes};
  Request(put, [this, run, look](HttpResponse r) {
    if (FaultOfResponse(r) == ClassFault::None) FoldDelete(run, 0);
    else if (r.link != HttpResponse::Link::Answered || r.status != 412) run->done(FaultOfResponse(r), run->folded);
    else look();
  });
}

void ClassSync::FoldDelete(std::shared_ptr<FoldRun> run, size_t next) {
  const FoldRun::Plan& plan = run->plans[run->plan];
  const size_t total = plan.files.size() + plan.covered.size();
  if (next >= total) {
    run->folded += static_cast<int>(plan.files.size());
    ++run->plan;
    FoldNext(run);
    return;
  }
  const std::string& name = next < plan.files.size() ? plan.files[next].name : plan.covered[next - plan.files.size()];
  Request({"DELETE", FileAddress(name), {}, {}}, [this, run, next](HttpResponse r) {
    // Gone already is as good.
    if (FaultOfResponse(r) != ClassFault::None && !(r.link == HttpResponse::Link::Answered && r.status == 404)) {
      run->done(FaultOfResponse(r), run->folded);
      return;
    }
    FoldDelete(run, next + 1);
  });
}
