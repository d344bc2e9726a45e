#include "ClassLink.h"

#include <algorithm>

#include "Clock.h"
#include "Storage.h"

std::optional<ClassLinkState> ParseClassLink(std::string_view text) {
  std::optional<ClassAddress> address;
  std::optional<std::string> account;
  uint64_t looked = 0;
  while (!text.empty()) {
    const size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t blank = line.find(' ');
    if (blank == std::string_view::npos) {
      if (line.empty()) continue;
      return std::nullopt;
    }
    const std::string_view key = line.substr(0, blank);
    const std::string_view value = line.substr(blank + 1);
    if (key == "address") {
      const AddressCheck check = ParseClassAddress(value);
      if (address || check.fault != AddressFault::None) return std::nullopt;
      address = check.address;
    } else if (key == "looked") {
      looked = 0;
      for (char c : value) {
        if (c < '0' || c > '9' || looked > UINT64_MAX / 10 - 1) return std::nullopt;
        looked = looked * 10 + static_cast<uint64_t>(c - '0');
      }
    } else if (key == "account") {
      if (account || !IsUsableAccount(value)) return std::nullopt;
      account = std::string(value);
    }
    // Other lines are a later version's; they do not make the file damaged.
  }
  if (!address || !account) return std::nullopt;
  return ClassLinkState{*address, *account, looked};
}

std::string ClassLinkText(const ClassLinkState& state) {
  std::string text = "address " + FolderAddress(state.address) + "\r\naccount " + state.account + "\r\n";
  if (state.looked > 0) text += "looked " + std::to_string(state.looked) + "\r\n";
  return text;
}

std::string ClassStatusText(const ClassStatus& status) {
  std::string text = status.source;
  const size_t n = text.find("%n");
  if (n != std::string::npos) text.replace(n, 2, std::to_string(status.count));
  return text;
}

ClassLink::ClassLink(Storage& own, Transport& transport, Scheduler& scheduler)
    : own_(own),
      transport_(transport),
      scheduler_(scheduler),
      outbox_(own, kOutboxFileName),
      alive_(std::make_shared<bool>(true)) {
  Read();
}

ClassLink::~ClassLink() {
  *alive_ = false;
  if (CurrentDrillFiling() == this) SetDrillFiling(nullptr);
}

void ClassLink::Read() {
  state_.reset();
  damaged_ = false;
  const std::optional<std::string> text = own_.Read(kClassLinkFileName);
  if (!text || text->find_first_not_of(" \r\n") == std::string::npos) return;
  state_ = ParseClassLink(*text);
  damaged_ = !state_;
}

std::string ClassLink::Address() const { return state_ ? FolderAddress(state_->address) : std::string(); }

AddressFault ClassLink::CheckAddress(std::string_view addressText) { return ParseClassAddress(addressText).fault; }

AddressFault ClassLink::Join(std::string_view addressText, Credentials credentials,
                             std::function<void(ClassFault)> done) {
  const AddressCheck check = ParseClassAddress(addressText);
  if (check.fault != AddressFault::None) return check.fault;
  const uint64_t generation = ++joinGeneration_;
  ClassConnection connection{check.address, credentials};
  joining_ = std::make_unique<ClassSync>(connection, transport_, outbox_, scheduler_);
  const std::weak_ptr<bool> alive = alive_;
  joining_->Join([this, alive, generation, connection, done = std::move(done)](ClassFault fault) {
    const auto live = alive.lock();
    if (!live || !*live || generation != joinGeneration_) return;
    // Its answer is being told from within it: it goes after this turn.
    std::shared_ptr<ClassSync> finished(joining_.release());
    scheduler_.After(0, [finished] {});
    if (fault == ClassFault::None) {
      ClassLinkState state{connection.address, connection.credentials.account};
      // The same class again keeps its last look.
      if (state_ && FolderAddress(state_->address) == FolderAddress(state.address) && state_->account == state.account)
        state.looked = state_->looked;
      if (!own_.Replace(kClassLinkFileName, ClassLinkText(state))) {
        fault = ClassFault::OutboxUnwritable;
      } else {
        state_ = state;
        damaged_ = false;
        Connect(connection.credentials.password);
      }
    }
    if (done) done(fault);
    if (fault == ClassFault::None) SendNow();
    Tell();
  });
  return AddressFault::None;
}

void ClassLink::CancelJoin() {
  ++joinGeneration_;
  joining_.reset();
}

void ClassLink::Leave() {
  ++generation_;
  ++joinGeneration_;
  sync_.reset();
  joining_.reset();
  outbox_.Clear();
  // An empty file is no class; the storage has no removal of its own.
  if (own_.Exists(kClassLinkFileName)) own_.Replace(kClassLinkFileName, "");
  state_.reset();
  damaged_ = false;
  lastFault_ = ClassFault::None;
  retryMs_ = 0;
  folding_ = false;
  Tell();
}

void ClassLink::Connect(std::string password) {
  ++generation_;
  sync_ = std::make_unique<ClassSync>(ClassConnection{state_->address, {state_->account, std::move(password)}},
                                      transport_, outbox_, scheduler_);
  lastFault_ = ClassFault::None;
  retryMs_ = 0;
  folding_ = false;  // the old one's fold is dropped with it
}

void ClassLink::SetPassword(std::string password) {
  if (!state_) return;
  Connect(std::move(password));
  SendNow();
  Tell();
}

void ClassLink::SendNow(std::function<void(SyncReport)> done) {
  if (!sync_) {
    if (done) done({ClassFault::Unauthorized, 0});
    return;
  }
  const std::weak_ptr<bool> alive = alive_;
  const uint64_t generation = generation_;
  sync_->SendWaiting([this, alive, generation, done = std::move(done)](SyncReport report) {
    const auto live = alive.lock();
    if (live && *live && generation == generation_) Sent(report);
    if (done) done(report);
  });
}

void ClassLink::Sent(const SyncReport& report) {
  lastFault_ = report.fault;
  if (report.fault == ClassFault::None) {
    retryMs_ = 0;
    if (report.sent > 0) MaybeFold();
  } else if (report.fault != ClassFault::Unauthorized) {
    // A wrong password is not tried again and again (a server may lock the
    // account for it): the next comes with a new password, or a new drill.
    PlanRetry();
  }
  Tell();
}

void ClassLink::PlanRetry() {
  if (sendPlanned_) return;
  retryMs_ = retryMs_ == 0 ? kFirstRetryMs : std::min(retryMs_ * 2, kLastRetryMs);
  sendPlanned_ = true;
  const std::weak_ptr<bool> alive = alive_;
  scheduler_.After(retryMs_, [this, alive] {
    const auto live = alive.lock();
    if (!live || !*live) return;
    sendPlanned_ = false;
    SendNow();
  });
}

Outbox::Waiting ClassLink::Waiting() { return state_ ? outbox_.Count() : Outbox::Waiting{}; }

ClassStatus ClassLink::Status() {
  if (!state_) return {};
  if (!sync_) return {"The class's password is needed to send", -1};
  if (lastFault_ != ClassFault::None) return {ClassFaultMessage(lastFault_), -1};
  const Outbox::Waiting waiting = outbox_.Count();
  if (waiting.drills == 1) return {"%n drill waiting for the network", 1};
  return {SyncStatusSource(waiting), waiting.drills > 0 ? waiting.drills : -1};
}

void ClassLink::Filed(const std::string& file, const std::string& bytes) {
  if (!state_) return;
  if (!outbox_.AddPart(file, bytes)) {
    lastFault_ = ClassFault::OutboxUnwritable;
    Tell();
    return;
  }
  // At once: the answers come later, so the drill's other parts, filed in
  // the same turn, go in the same run.
  SendNow();
  Tell();
}

void ClassLink::Tell() {
  if (changed_) changed_();
}

void ClassLink::MaybeFold() {
  if (!state_ || !sync_ || folding_) return;
  const uint64_t next = outbox_.NextNumber();
  if (next <= state_->looked + kFoldEvery) return;
  // Looked at once per so many parts, whatever the answer: a server that
  // refuses the listing is not asked again at every drill.
  ClassLinkState state = *state_;
  state.looked = next;
  if (!own_.Replace(kClassLinkFileName, ClassLinkText(state))) return;
  state_ = state;
  folding_ = true;
  const std::weak_ptr<bool> alive = alive_;
  sync_->Fold(kFoldEvery, [this, alive](ClassFault, int) {
    const auto live = alive.lock();
    if (live && *live) folding_ = false;
  });
}
