// Where the class's assignments.txt lives, read and written the same way by
// every front end: the lab's class folder (the shared data folder), or
// <class>/assignments.txt on the class's WebDAV server. Only the teacher
// writes it, and never over what another device wrote: a write names the
// version it was read at, and when the file changed since, it is read again
// and the teacher is told, with the file as it is now.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Assignments.h"
#include "ClassRequest.h"
#include "WebDav.h"

class Scheduler;
class Storage;

enum class AssignmentsOutcome {
  Done,             // read, or written
  ChangedElsewhere, // another device changed the file since it was read: nothing was written
  NotTeacher,       // the server lets this account read it only
  NotWritten,       // the folder on disk would not take it
  Failed,           // see the fault
};
// English source texts, which each front end's catalogue translates; "" for Done and Failed.
inline constexpr const char* kChangedElsewhereSource =
    "Another device changed the assignments meanwhile; they are shown as they are now. Please make your change "
    "again.";
inline constexpr const char* kNotTeacherSource = "Only the teacher may change the assignments.";
inline constexpr const char* kNotWrittenSource = "The assignments could not be saved.";
const char* AssignmentsOutcomeMessage(AssignmentsOutcome outcome);

struct AssignmentsAnswer {
  AssignmentsOutcome outcome = AssignmentsOutcome::Done;
  ClassFault fault = ClassFault::None;  // for Failed
  // The file as it is now (after a write, as written; after ChangedElsewhere,
  // as the other device left it). Kept when Failed.
  AssignmentFile file;
};

class AssignmentsPlace {
 public:
  virtual ~AssignmentsPlace() = default;
  // `done` is called once, perhaps before Read returns (a folder on disk).
  virtual void Read(std::function<void(AssignmentsAnswer)> done) = 0;
  // The whole list replaces the file as last read; without a read before,
  // one is made first and a file found there counts as changed elsewhere.
  virtual void Write(const std::vector<Assignment>& assignments, std::function<void(AssignmentsAnswer)> done) = 0;
  // Where it is, for the window: a file name or an address.
  virtual std::string Where() const = 0;
};

// assignments.txt of the data folder through the data storage, written under
// the file's lock and only while it still holds what was read.
class FolderAssignments : public AssignmentsPlace {
 public:
  explicit FolderAssignments(std::string fileName = kAssignmentsFileName) : fileName_(std::move(fileName)) {}
  void Read(std::function<void(AssignmentsAnswer)> done) override;
  void Write(const std::vector<Assignment>& assignments, std::function<void(AssignmentsAnswer)> done) override;
  std::string Where() const override { return fileName_; }

 private:
  std::string fileName_;
  std::optional<std::string> read_;  // the text as read; "" for a missing file
  AssignmentFile file_;
};

// <class>/assignments.txt: GET with its ETag kept; created with
// If-None-Match: *, replaced with If-Match: <its strong ETag>. A weak tag
// (Apache's for a file changed within the last second) is never sent: the
// file is read again, and when it holds what was read, a second later, until
// the tag is strong. With a copy kept (KeepCopy), a read asks with the
// copy's tag (If-None-Match) and a 304 takes the copy: a reopen fetches
// nothing that did not change.
class ServerAssignments : public AssignmentsPlace {
 public:
  ServerAssignments(ClassConnection connection, Transport& transport, Scheduler& scheduler);
  ~ServerAssignments() override;
  ServerAssignments(const ServerAssignments&) = delete;
  ServerAssignments& operator=(const ServerAssignments&) = delete;

  void Read(std::function<void(AssignmentsAnswer)> done) override;
  void Write(const std::vector<Assignment>& assignments, std::function<void(AssignmentsAnswer)> done) override;
  std::string Where() const override { return address_; }
  // The file as last read, with its strong tag, kept in `storage` as `name`.
  void KeepCopy(Storage& storage, std::string name);

  static constexpr int kMaxWeakReads = 4;
  static constexpr uint32_t kWeakWaitMs = 1100;

 private:
  struct Got {
    ClassFault fault = ClassFault::None;
    bool exists = false;
    std::string text, etag;
  };
  void Get(std::function<void(Got)> done);
  void Put(std::string bytes, std::function<void(AssignmentsAnswer)> done);
  void Confirm(std::string bytes, int weakReads, std::function<void(AssignmentsAnswer)> done);
  void Changed(std::function<void(AssignmentsAnswer)> done);

  ClassConnection connection_;
  Transport& transport_;
  Scheduler& scheduler_;
  std::string address_;
  bool known_ = false;   // a read came back
  bool exists_ = false;  // the file was there
  std::string text_;     // its bytes then, or as written last
  std::string etag_;     // the strong tag of those bytes; "" when unknown
  Storage* copyStorage_ = nullptr;
  std::string copyName_;
  std::shared_ptr<bool> alive_;
};

// The name of the kept copy of a class's assignments.txt, one per class address: named as
// the class's files' cache, so that what forgets those forgets it too.
std::string AssignmentsCopyName(const ClassAddress& address);
// The copy's text, and back; nullopt when damaged.
struct AssignmentsCopy {
  std::string etag, bytes;
};
std::string AssignmentsCopyText(const AssignmentsCopy& copy);
std::optional<AssignmentsCopy> ParseAssignmentsCopy(std::string_view text);
