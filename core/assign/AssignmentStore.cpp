#include "AssignmentStore.h"

#include <cstdio>

#include "ClassFetch.h"
#include "Clock.h"
#include "Storage.h"

const char* AssignmentsOutcomeMessage(AssignmentsOutcome outcome) {
  switch (outcome) {
    case AssignmentsOutcome::ChangedElsewhere: return kChangedElsewhereSource;
    case AssignmentsOutcome::NotTeacher: return kNotTeacherSource;
    case AssignmentsOutcome::NotWritten: return kNotWrittenSource;
    case AssignmentsOutcome::Done:
    case AssignmentsOutcome::Failed: break;
  }
  return "";
}

// --- the lab's class folder ---------------------------------------------------

void FolderAssignments::Read(std::function<void(AssignmentsAnswer)> done) {
  Storage& storage = DataStorage();
  AssignmentsAnswer answer;
  if (!storage.Exists(fileName_)) {
    read_ = std::string();
    file_ = {};
  } else if (const auto text = storage.Read(fileName_)) {
    read_ = *text;
    file_ = ParseAssignments(*text);
  } else {
    answer.outcome = AssignmentsOutcome::Failed;
    answer.fault = ClassFault::ServerFault;
  }
  answer.file = file_;
  done(std::move(answer));
}

void FolderAssignments::Write(const std::vector<Assignment>& assignments,
                              std::function<void(AssignmentsAnswer)> done) {
  AssignmentsAnswer answer;
  if (!read_) {
    // Never a blind write: what is there first.
    Read([&answer](AssignmentsAnswer got) { answer = std::move(got); });
    if (answer.outcome != AssignmentsOutcome::Done || !read_->empty()) {
      if (answer.outcome == AssignmentsOutcome::Done) answer.outcome = AssignmentsOutcome::ChangedElsewhere;
      done(std::move(answer));
      return;
    }
  }
  const std::string bytes = FormatAssignments(assignments);
  std::optional<std::string> now;
  const bool written = DataStorage().Update(
      fileName_, [this, &bytes, &now](Storage::Found found, const std::string& text) -> std::optional<std::string> {
        if (found == Storage::Found::Unreadable) return std::nullopt;
        // The text as a reader sees it: up to a Ctrl-Z.
        now = found == Storage::Found::Missing ? std::string() : text.substr(0, text.find('\x1a'));
        if (*now != *read_) return std::nullopt;
        return bytes;
      });
  if (written) {
    read_ = bytes;
    file_ = ParseAssignments(bytes);
  } else if (now && *now != *read_) {
    answer.outcome = AssignmentsOutcome::ChangedElsewhere;
    read_ = *now;
    file_ = ParseAssignments(*now);
  } else {
    // A student's account in the lab's folder, or a full disk.
    answer.outcome = AssignmentsOutcome::NotWritten;
  }
  answer.file = file_;
  done(std::move(answer));
}

// --- the class on a WebDAV server ---------------------------------------------

ServerAssignments::ServerAssignments(ClassConnection connection, Transport& transport, Scheduler& scheduler)
    : connection_(std::move(connection)),
      transport_(transport),
      scheduler_(scheduler),
      address_(AddressOf(connection_.address, connection_.address.path + kAssignmentsFileName)),
      alive_(std::make_shared<bool>(true)) {}

ServerAssignments::~ServerAssignments() { *alive_ = false; }

void ServerAssignments::KeepCopy(Storage& storage, std::string name) {
  copyStorage_ = &storage;
  copyName_ = std::move(name);
}

void ServerAssignments::Get(std::function<void(Got)> done) {
  // The kept copy's tag asks for the file only when it changed (a server
  // that ignores it sends the file); the class server's leave (CORS) names
  // If-None-Match already, as the first write needs it.
  std::optional<AssignmentsCopy> copy;
  if (copyStorage_)
    if (const auto text = copyStorage_->ReadAll(copyName_)) copy = ParseAssignmentsCopy(*text);
  HttpRequest get{"GET", address_, {}, {}};
  if (copy && IsStrongEtag(copy->etag)) get.headers.emplace_back("If-None-Match", copy->etag);
  else copy.reset();
  SendToClass(transport_, connection_, std::move(get),
              [this, copy = std::move(copy), done = std::move(done)](HttpResponse r) {
                Got got;
                if (r.link == HttpResponse::Link::Answered && r.status == 304 && copy) {
                  got.exists = true;
                  got.text = copy->bytes;
                  got.etag = copy->etag;
                  done(std::move(got));
                  return;
                }
                if (r.link == HttpResponse::Link::Answered && r.status == 404) {
                  // A copy of a file that is gone is never asked with again.
                  if (copy) copyStorage_->Replace(copyName_, std::string_view());
                  done(got);
                  return;
                }
                got.fault = FaultOfResponse(r);
                if (got.fault == ClassFault::None && r.status != 200) got.fault = ClassFault::ServerFault;
                if (got.fault == ClassFault::None) {
                  got.exists = true;
                  got.text = std::move(r.body);
                  got.etag = r.Header("ETag");
                  // Only a strong tag names these bytes; a weak one keeps no copy.
                  if (copyStorage_ && (IsStrongEtag(got.etag) || copy))
                    copyStorage_->Replace(copyName_, IsStrongEtag(got.etag)
                                                         ? AssignmentsCopyText({got.etag, got.text})
                                                         : std::string());
                }
                done(std::move(got));
              },
              alive_);
}

void ServerAssignments::Read(std::function<void(AssignmentsAnswer)> done) {
  Get([this, done = std::move(done)](Got got) {
    AssignmentsAnswer answer;
    if (got.fault != ClassFault::None) {
      answer.outcome = AssignmentsOutcome::Failed;
      answer.fault = got.fault;
      answer.file = ParseAssignments(text_);
      done(std::move(answer));
      return;
    }
    known_ = true;
    exists_ = got.exists;
    text_ = std::move(got.text);
    etag_ = IsStrongEtag(got.etag) ? got.etag : std::string();
    answer.file = ParseAssignments(text_);
    done(std::move(answer));
  });
}

void ServerAssignments::Changed(std::function<void(AssignmentsAnswer)> done) {
  Read([done = std::move(done)](AssignmentsAnswer answer) {
    if (answer.outcome == AssignmentsOutcome::Done) answer.outcome = AssignmentsOutcome::ChangedElsewhere;
    done(std::move(answer));
  });
}

void ServerAssignments::Write(const std::vector<Assignment>& assignments,
                              std::function<void(AssignmentsAnswer)> done) {
  std::string bytes = FormatAssignments(assignments);
  if (!known_) {
    // Never a blind write: what is there first.
    Read([this, bytes = std::move(bytes), done = std::move(done)](AssignmentsAnswer answer) mutable {
      if (answer.outcome != AssignmentsOutcome::Done) done(std::move(answer));
      else if (exists_) {
        answer.outcome = AssignmentsOutcome::ChangedElsewhere;
        done(std::move(answer));
      } else {
        Put(std::move(bytes), std::move(done));
      }
    });
    return;
  }
  if (exists_ && etag_.empty()) Confirm(std::move(bytes), 0, std::move(done));
  else Put(std::move(bytes), std::move(done));
}

// The tag was weak or unknown: the file read again must still hold what was
// read (else another device wrote it), and carry a strong tag to name.
void ServerAssignments::Confirm(std::string bytes, int weakReads, std::function<void(AssignmentsAnswer)> done) {
  Get([this, bytes = std::move(bytes), weakReads, done = std::move(done)](Got got) mutable {
    AssignmentsAnswer answer;
    answer.file = ParseAssignments(text_);
    if (got.fault != ClassFault::None) {
      answer.outcome = AssignmentsOutcome::Failed;
      answer.fault = got.fault;
      done(std::move(answer));
      return;
    }
    if (!got.exists || got.text != text_) {
      exists_ = got.exists;
      text_ = std::move(got.text);
      etag_ = IsStrongEtag(got.etag) ? got.etag : std::string();
      answer.outcome = AssignmentsOutcome::ChangedElsewhere;
      answer.file = ParseAssignments(text_);
      done(std::move(answer));
      return;
    }
    if (IsStrongEtag(got.etag)) {
      etag_ = got.etag;
      Put(std::move(bytes), std::move(done));
      return;
    }
    if (weakReads + 1 >= kMaxWeakReads) {
      answer.outcome = AssignmentsOutcome::Failed;
      answer.fault = ClassFault::NoStrongVersion;
      done(std::move(answer));
      return;
    }
    std::weak_ptr<bool> alive = alive_;
    scheduler_.After(kWeakWaitMs, [this, alive, bytes = std::move(bytes), weakReads, done = std::move(done)]() mutable {
      const auto live = alive.lock();
      if (live && *live) Confirm(std::move(bytes), weakReads + 1, std::move(done));
    });
  });
}

void ServerAssignments::Put(std::string bytes, std::function<void(AssignmentsAnswer)> done) {
  HttpRequest put{"PUT", address_, {{"Content-Type", "text/plain; charset=utf-8"}}, bytes};
  if (exists_) put.headers.emplace_back("If-Match", etag_);
  else put.headers.emplace_back("If-None-Match", "*");
  SendToClass(transport_, connection_, std::move(put),
              [this, bytes = std::move(bytes), done = std::move(done)](HttpResponse r) mutable {
                AssignmentsAnswer answer;
                if (r.link == HttpResponse::Link::Answered && r.status == 412) {
                  Changed(std::move(done));
                  return;
                }
                const ClassFault fault = FaultOfResponse(r);
                if (fault == ClassFault::None) {
                  exists_ = true;
                  text_ = std::move(bytes);
                  // Apache gives the new file's tag; a weak one is read again at the next write.
                  const std::string tag = r.Header("ETag");
                  etag_ = IsStrongEtag(tag) ? tag : std::string();
                } else {
                  answer.outcome =
                      fault == ClassFault::Forbidden ? AssignmentsOutcome::NotTeacher : AssignmentsOutcome::Failed;
                  answer.fault = fault;
                }
                answer.file = ParseAssignments(text_);
                done(std::move(answer));
              },
              alive_);
}

// --- the kept copy --------------------------------------------------------------

namespace {
constexpr std::string_view kCopyMagic = "sonorix assignments copy 1\r\n";
}

std::string AssignmentsCopyName(const ClassAddress& address) {
  char name[48];
  std::snprintf(name, sizeof name, "classfiles-%016llx-assignments.dat",
                static_cast<unsigned long long>(ClassCacheHash(FolderAddress(address))));
  return name;
}

std::string AssignmentsCopyText(const AssignmentsCopy& copy) {
  return std::string(kCopyMagic) + EncodePathSegment(copy.etag) + "\r\n" + std::to_string(copy.bytes.size()) +
         "\r\n" + copy.bytes + "\r\nend\r\n";
}

std::optional<AssignmentsCopy> ParseAssignmentsCopy(std::string_view text) {
  if (text.substr(0, kCopyMagic.size()) != kCopyMagic) return std::nullopt;
  text.remove_prefix(kCopyMagic.size());
  const size_t tagEnd = text.find("\r\n");
  if (tagEnd == std::string_view::npos) return std::nullopt;
  AssignmentsCopy copy{DecodePercent(text.substr(0, tagEnd)), {}};
  text.remove_prefix(tagEnd + 2);
  const size_t sizeEnd = text.find("\r\n");
  const std::string_view digits = text.substr(0, sizeEnd);
  if (sizeEnd == std::string_view::npos || digits.empty() || digits.size() > 9 ||
      digits.find_first_not_of("0123456789") != std::string_view::npos)
    return std::nullopt;
  const size_t size = std::stoul(std::string(digits));
  text.remove_prefix(sizeEnd + 2);
  if (text.size() != size + 7 || text.substr(size) != "\r\nend\r\n") return std::nullopt;
  copy.bytes = std::string(text.substr(0, size));
  return copy;
}
