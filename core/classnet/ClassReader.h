// What a class folder says: every account folder's part files read into one
// row per account, the class's error statistics and its six high-score
// tables. The same for a folder fetched from the server and for a local
// copy of it (a folder synced by a cloud client), on every front end.
//
// An account folder holds parts "<stem>.<device>.<n>" and folded parts
// "<stem>.<device>.<first>-<last>" (the device's singles first..last joined
// in order). A folded range covers the singles and the smaller ranges of its
// device within it: those are left out, so nothing counts twice while a
// device is between writing a folded part and deleting its singles.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ClassFigures.h"
#include "ErrorStats.h"
#include "PartName.h"
#include "PracticeFigures.h"

// One account folder's files, name → bytes.
using FolderFiles = std::map<std::string, std::string>;
// Per account folder.
using ClassFiles = std::map<std::string, FolderFiles>;

// The parts of one stem to read, in order: per device by number, covered ones left out.
std::vector<std::string> PartsToRead(const FolderFiles& files, std::string_view stem);

// A part's text appended to the parts before it, as a reader joins them: a
// final Ctrl-Z dropped, a line break between lines that would run together.
void AppendLogPart(std::string& log, std::string_view part);
// Adds the counts of an errors.dat part (a drill's, or a folded part's one
// sum or many blocks one after the other) to `into`.
void AddErrorPart(ErrorStats& into, std::string_view part);

struct ClassHighScore {
  std::string account;
  int32_t score = 0;
};

struct ClassReading {
  std::vector<PersonFigures> rows;  // one per account folder, by name
  ErrorStats errors{};
  // ModeCode 0..5: one entry per account with a score, best first.
  std::array<std::vector<ClassHighScore>, kModes> highScores;
  int32_t records = 0;           // drill log records read
  int32_t unverified = 0;        // of them damaged or failing their check
  int32_t ambiguous = 0;
  int32_t practiceDamaged = 0;   // practice lines that did not read back
  // Per account, from its practice: the set classes hardest for it and its confusions.
  std::map<std::string, StudentClasses> students;
};

// What one account folder adds to the class: kept by a front end's cache, so
// that a folder unchanged since the last look is not read again.
struct FolderReading {
  PersonFigures row;
  std::optional<StudentClasses> student;
  ErrorStats errors{};
  int32_t records = 0;
  int32_t unverified = 0;
  int32_t ambiguous = 0;
  int32_t practiceDamaged = 0;
};
// Every record of the folder is the account's, whatever name it holds.
FolderReading ReadFolder(const std::string& account, const FolderFiles& files, int32_t today);

class ReportLogReader;
struct PracticeLog;
// The same in steps: a term's drill log is read a piece at a time, so that a
// page never waits long for one folder.
class FolderReader {
 public:
  FolderReader(std::string account, const FolderFiles& files, int32_t today);
  ~FolderReader();
  FolderReader(const FolderReader&) = delete;
  FolderReader& operator=(const FolderReader&) = delete;
  // Reads up to `bytes` more of the drill log, or, once it is read, the
  // practice and sing logs in a step of their own; true when all are read.
  bool Step(size_t bytes);
  FolderReading Finish();

 private:
  std::string account_;
  int32_t today_;
  std::string report_, practice_, sing_;
  std::vector<std::string> errors_;
  size_t read_ = 0;
  ClassRowBuilder rows_;
  std::unique_ptr<ReportLogReader> log_;
  std::unique_ptr<PracticeLog> practiceLog_;
};

// Folder by folder, so that a front end can read a large class in steps.
class ClassReader {
 public:
  explicit ClassReader(int32_t today) : today_(today) {}
  void AddFolder(const std::string& account, const FolderFiles& files) {
    Add(account, ReadFolder(account, files, today_));
  }
  void Add(const std::string& account, FolderReading folder);
  ClassReading Finish();

 private:
  int32_t today_;
  ClassReading reading_;
};

ClassReading ReadClass(const ClassFiles& files, int32_t today);

// The parts of one of kClassStems joined as one log, in the order PartsToRead gives.
std::string JoinedParts(const FolderFiles& files, std::string_view stem);

// A local copy of the layout: each subfolder of `folder` is an account, its
// part files read (other files are passed over). nullopt when `folder`
// cannot be listed; an account folder that cannot be read is named in
// `unreadable`.
std::optional<ClassFiles> ReadLocalClass(const std::string& folder, std::vector<std::string>* unreadable = nullptr);
