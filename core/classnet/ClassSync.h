// Sends what the outbox holds to the account's folder of the class, in order,
// exactly once, through the front end's transport.
//
// How a file is written without locks (Nextcloud has none that work):
// - The drill log grows by parts: every drill's records go to a new file of
//   their own, "report.dat.<device>.<number>", created with If-None-Match: *
//   and never rewritten. A part needs no version tag at all, so Apache's weak
//   ETag (W/"…", a file changed within the last second, which no If-Match
//   matches) never stands in the way of the log; two devices never write the
//   same file; a part sent twice (the answer lost on the way) is found there
//   with the same bytes, and counts as sent. A reader joins the parts in the
//   order of their names.
// - Any other file of the folder is replaced with If-Match: <its strong
//   ETag>; on 412 it is read again, merged and tried again. A weak tag is
//   never sent: the file is read again a second later, when Apache gives a
//   strong one.
// Redirects within the class's server are followed; one to another origin is
// refused, so the password never reaches another server.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ClassAddress.h"
#include "ClassRequest.h"
#include "Outbox.h"
#include "WebDav.h"

class Scheduler;

// A folded part grows no larger than this, well under the largest answer a
// reader takes (kMaxAnswerBytes).
inline constexpr size_t kMaxFoldBytes = kMaxAnswerBytes / 2;

struct SyncReport {
  ClassFault fault = ClassFault::None;  // what stopped the sending; None when all went
  int sent = 0;                         // changes that reached the server on this run
};

class ClassSync {
 public:
  ClassSync(ClassConnection connection, Transport& transport, Outbox& outbox, Scheduler& scheduler);
  ~ClassSync();
  ClassSync(const ClassSync&) = delete;
  ClassSync& operator=(const ClassSync&) = delete;

  // Finds the account's folder, creating it when it is not there: the first
  // answer that shows the account, the password and the address are good.
  void Join(std::function<void(ClassFault)> done);
  // Sends what waits, oldest first; the first fault stops the run and keeps
  // that change and all after it for the next. Called again while a run is
  // on, it reports at that run's end, which takes what was added meanwhile.
  void SendWaiting(std::function<void(SyncReport)> done);

  // Keeps the account's folder to a few files: when at least `atLeast`
  // files of one stem of this device are there (singles and its folded
  // parts), they are joined into one folded part (If-None-Match: *), the
  // statistics of errors.dat added up; only once it is there are the files
  // it holds deleted. Files a folded part already holds (a fold cut short)
  // go too. A fold that would pass kMaxFoldBytes begins a new range. One
  // PROPFIND of the folder, then a GET of each file folded. `done` tells the
  // first fault and how many files were folded.
  void Fold(size_t atLeast, std::function<void(ClassFault, int)> done);

  bool Sending() const { return sending_; }
  const ClassConnection& Connection() const { return connection_; }
  std::string AccountFolder() const;
  // The status line: "Saved to the class" or how many drills wait.
  std::string StatusText();

 private:
  void Request(HttpRequest request, std::function<void(HttpResponse)> done);
  void SendNext();
  void SendPart(const OutboxEntry& entry, int attempt);
  void SendMerge(const OutboxEntry& entry, int attempt, int weakReads);
  void Sent(const OutboxEntry& entry);
  void Finish(ClassFault fault);
  struct FoldRun;
  void FoldNext(std::shared_ptr<FoldRun> run);
  void FoldFetch(std::shared_ptr<FoldRun> run, size_t next);
  void FoldPut(std::shared_ptr<FoldRun> run);
  void FoldDelete(std::shared_ptr<FoldRun> run, size_t next);
  std::string FileAddress(const std::string& file) const;

  ClassConnection connection_;
  Transport& transport_;
  Outbox& outbox_;
  Scheduler& scheduler_;
  bool sending_ = false;
  int sent_ = 0;
  ClassFault lastFault_ = ClassFault::None;
  std::vector<std::function<void(SyncReport)>> waiting_;
  // Answers that come after the end of this object are dropped.
  std::shared_ptr<bool> alive_;
};

// English source text of the status line; "%n" is the number, as in each
// front end's plural forms.
const char* SyncStatusSource(Outbox::Waiting waiting);
std::string SyncStatusText(Outbox::Waiting waiting);
