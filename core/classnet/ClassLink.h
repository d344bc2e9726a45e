// The one class this device joined: where it is, as whom, and what waits to
// go there. Every drill's bytes (DrillFiling) become parts in the outbox as
// the drill ends and are sent at once; what could not go is tried again with
// a growing pause, and at every start.
//
// classlink.dat, a file of ours in the account's own data folder (never a
// shared one), CR LF lines:
//   address <the class folder's address>
//   account <the account the server knows>
//   looked <the outbox's number at the last look for parts to fold>
// The password is never in it: the front end keeps it, or asks again.
//
// Each front end makes one and hands it to SetDrillFiling for as long as it lives.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ClassAddress.h"
#include "ClassSync.h"
#include "DrillFiling.h"
#include "Outbox.h"
#include "WebDav.h"

class Scheduler;
class Storage;

inline constexpr const char* kClassLinkFileName = "classlink.dat";

struct ClassLinkState {
  ClassAddress address;
  std::string account;
  // The outbox's number when the server's folder was last looked at for
  // parts to fold ("looked <n>").
  uint64_t looked = 0;
};
// nullopt for text no writer makes: a missing line, an address that would
// not be accepted when typed, an account no folder can be named after.
std::optional<ClassLinkState> ParseClassLink(std::string_view text);
std::string ClassLinkText(const ClassLinkState& state);

// The status line, as its English source text and the number for "%n".
struct ClassStatus {
  const char* source = "";  // empty when the device is in no class
  int count = -1;           // -1 when the text has no number
};
// The source with its number put in, in English.
std::string ClassStatusText(const ClassStatus& status);

class ClassLink : public DrillFiling {
 public:
  // `own` is the account's own data folder: classlink.dat and classout.dat.
  ClassLink(Storage& own, Transport& transport, Scheduler& scheduler);
  ~ClassLink() override;
  ClassLink(const ClassLink&) = delete;
  ClassLink& operator=(const ClassLink&) = delete;

  // As classlink.dat says; a damaged file is no class (and is left alone).
  bool Joined() const { return state_.has_value(); }
  bool HasPassword() const { return sync_ != nullptr; }
  // The class's address and the account with its password, for a request
  // of another kind (the class's assignments); nullopt without a password.
  std::optional<ClassConnection> Connection() const {
    return sync_ ? std::optional<ClassConnection>(sync_->Connection()) : std::nullopt;
  }
  std::string Account() const { return state_ ? state_->account : std::string(); }
  // The class folder's address, "" when in no class.
  std::string Address() const;
  // classlink.dat was there and could not be read as one.
  bool Damaged() const { return damaged_; }

  // Checks the address as typed; None when Join would try it.
  static AddressFault CheckAddress(std::string_view addressText);
  // Tries the address and the account on the server; only a yes keeps them
  // (and the password, in memory) and starts sending what waits. A fault of
  // the address returns at once and `done` is never called; else `done`
  // tells the server's answer. Joined to another class before, what waits
  // goes to the new one: it is the same student's work.
  AddressFault Join(std::string_view addressText, Credentials credentials, std::function<void(ClassFault)> done);
  // A join still asking is dropped: its answer changes nothing.
  void CancelJoin();
  bool JoinAsking() const { return joining_ != nullptr; }
  // Forgets the class: address, account, password and what waits. The
  // drill's own files stay.
  void Leave();

  // After a restart: the remembered or typed password, to send with.
  void SetPassword(std::string password);
  // Sends what waits now, if the password is known; `done` may be empty.
  void SendNow(std::function<void(SyncReport)> done = {});
  Outbox::Waiting Waiting();
  ClassFault LastFault() const { return lastFault_; }

  ClassStatus Status();
  std::string StatusText() { return ClassStatusText(Status()); }
  // Told whenever the status may have changed.
  void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  // A drill's bytes, queued and sent when in a class; dropped otherwise.
  void Filed(const std::string& file, const std::string& bytes) override;

  // The pause before the next try after a fault, in ms (0: none planned).
  uint32_t RetryDelay() const { return retryMs_; }
  static constexpr uint32_t kFirstRetryMs = 5000;
  static constexpr uint32_t kLastRetryMs = 300000;
  // The folder is looked at after this many more parts, and a stem's files
  // of this device are folded into one when there are at least as many.
  static constexpr uint64_t kFoldEvery = 8;

 private:
  void Read();
  void Connect(std::string password);
  void Sent(const SyncReport& report);
  void PlanRetry();
  void MaybeFold();
  void Tell();

  Storage& own_;
  Transport& transport_;
  Scheduler& scheduler_;
  Outbox outbox_;
  std::optional<ClassLinkState> state_;
  bool damaged_ = false;
  std::unique_ptr<ClassSync> sync_;
  std::unique_ptr<ClassSync> joining_;
  ClassFault lastFault_ = ClassFault::None;
  uint32_t retryMs_ = 0;
  // A new send, a join or a leave makes the planned try and any answer of
  // an earlier one stale.
  uint64_t generation_ = 0;
  uint64_t joinGeneration_ = 0;
  bool sendPlanned_ = false;
  bool folding_ = false;
  std::function<void()> changed_;
  std::shared_ptr<bool> alive_;
};
