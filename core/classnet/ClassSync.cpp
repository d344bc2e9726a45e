#include "ClassSync.h"

#include "Clock.h"

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
