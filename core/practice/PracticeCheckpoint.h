// What a practice drill learnt from practice.dat, kept between drills in the
// account's cache folder, so that the next one reads only the lines appended
// since. The checkpoint names the log, the person, where reading stopped and
// what the bytes before that looked like; a log that no longer matches (cut,
// edited, replaced) is read whole again and the checkpoint replaced.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "PracticeLog.h"

struct PracticeLogMark {
  int64_t position = 0;  // just after the last whole line read
  int64_t size = 0;      // the file's size then
  int64_t mtimeNs = 0;
  uint64_t device = 0;
  uint64_t inode = 0;
  uint32_t lastKb = 0;   // hash of the kilobyte before position
  uint32_t firstKb = 0;  // hash of the first kilobyte, up to position
};

struct PracticeCheckpoint {
  std::string person;
  std::string log;     // absolute name of the log
  int32_t today = 0;   // the day it was learnt on
  PracticeLogMark mark;
  std::string state;   // PracticeScheduler::SaveState()
};

std::string PracticeCheckpointText(const PracticeCheckpoint& checkpoint);
// nullopt for anything PracticeCheckpointText did not write whole.
std::optional<PracticeCheckpoint> ParsePracticeCheckpoint(std::string_view text);

// $XDG_CACHE_HOME/sonorix, or ~/.cache/sonorix; empty without either.
std::string SonorixCacheFolder();
// The log's absolute name, symbolic links followed where they exist.
std::string AbsolutePracticeLog(const std::string& fileName);
// One checkpoint per log and person; empty without a cache folder.
std::string PracticeCheckpointPath(const std::string& absoluteLog, const std::string& person);

// Reads one person's lines of the log from where a matching checkpoint
// stopped, or from the start.
class PracticeLogReader {
 public:
  // An empty checkpoint name reads from the start and saves nothing.
  PracticeLogReader(const std::string& logFile, std::string person, std::string checkpointFile, int32_t today);
  ~PracticeLogReader();
  PracticeLogReader(const PracticeLogReader&) = delete;
  PracticeLogReader& operator=(const PracticeLogReader&) = delete;

  // The checkpoint, when it matches the log; null otherwise.
  const PracticeCheckpoint* Checkpoint() const { return checkpoint_ ? &*checkpoint_ : nullptr; }
  // Forgets the checkpoint: the log is read whole.
  void Restart();
  // The records on the lines that end in a line break.
  PracticeLog ReadWholeLines();
  // Keeps the state learnt up to the end of those lines.
  void Save(const std::string& state);
  // The records of a last line that has no line break yet.
  PracticeLog ReadTail();
  int64_t BytesRead() const { return bytesRead_; }

 private:
  bool Matches(const PracticeCheckpoint& checkpoint) const;
  std::optional<uint32_t> HashRange(int64_t from, int64_t to) const;
  PracticeLogMark MarkAt(int64_t position) const;

  int fd_ = -1;
  std::string person_;
  std::string log_;
  std::string checkpointFile_;
  int32_t today_;
  PracticeLogMark file_;  // size, time and identity as opened
  std::optional<PracticeCheckpoint> checkpoint_;
  int64_t start_ = 0;
  int64_t wholeEnd_ = 0;
  std::string text_;
  std::string_view tail_;
  int64_t bytesRead_ = 0;
};
