// The changes waiting for the class's server, in a file of ours in the
// student's data folder, so that nothing waits only in memory: the drill goes
// on offline, and what waits is sent later, in order, exactly once.
//
// The file, classout.dat, CR LF lines:
//   Q <device> <next number>
//   E <number> <kind> <file> :<bytes> <CRC-32 of the line before it, hex>
// with blanks, control bytes and '%' of the file and the bytes %-escaped.
// A line that does not read back whole (torn, changed by hand) is left out
// and counted; the others stay. Each change is added and removed by one
// locked rewrite of the whole file through the core's storage; the lines a
// rewrite leaves alone are copied as they were read.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "PartName.h"

class Storage;

inline constexpr const char* kOutboxFileName = "classout.dat";
// The file on the server the drill log is sent to, in parts.
inline constexpr const char* kClassLogName = "report.dat";

struct OutboxEntry {
  enum class Kind {
    // A new file of its own that is never rewritten: it needs no version
    // tag, and sending it twice finds it there.
    Part,
    // Records merged into a shared file of the account's folder, each record
    // a line whose first word names it; a rewrite under If-Match.
    Merge,
  };
  uint64_t number = 0;
  Kind kind = Kind::Part;
  std::string file;  // within the account's folder
  std::string bytes;
};

class Outbox {
 public:
  // The device is named once, at random, when the file has no name yet.
  explicit Outbox(Storage& storage, std::string fileName = kOutboxFileName,
                  std::function<std::string()> newDeviceName = {});

  // A part of the file `stem` on the server: its own file "<stem>.<device>.<number>".
  bool AddPart(const std::string& stem, std::string_view bytes);
  bool AddMerge(const std::string& file, std::string_view records);
  // What waits, oldest first, read afresh (another copy may have added).
  std::vector<OutboxEntry> Entries();
  // The oldest alone, as a run sends them one by one.
  std::optional<OutboxEntry> Front();
  // Sent: it goes. True when it is gone.
  bool Remove(uint64_t number);
  // A part whose name another device holds on the server (a copied data
  // folder): it gets a new number, and so a new name, at its place in line.
  bool Rename(uint64_t number);
  // Nothing waits any more (the class was left); the device keeps its name
  // and its numbers go on, so no part name comes round again.
  bool Clear();
  // What waits: the drills (parts of the drill log), and other changes.
  struct Waiting {
    int drills = 0;
    int others = 0;
  };
  Waiting Count();
  // Lines left out at the last reading because they did not read back whole.
  int Damaged() const { return damaged_; }
  std::string Device();
  // The number the next change gets: how many this device has queued.
  uint64_t NextNumber();

 private:
  struct Content;
  Content Parse(const std::string& text);
  bool Edit(const std::function<bool(Content&)>& change);

  Storage& storage_;
  std::string fileName_;
  std::function<std::string()> newDeviceName_;
  int damaged_ = 0;
};

// Lines of `local` whose first word no line of `remote` starts with,
// appended to `remote`: neither side loses a record, none comes twice.
std::string MergeRecords(std::string_view remote, std::string_view local);
