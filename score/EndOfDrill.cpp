#include "EndOfDrill.h"

#include <algorithm>
#include <cerrno>
#include <functional>
#include <cstring>
#include <unistd.h>

#include "CumulativeFile.h"
#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

namespace {

// hiscore.dat loaded under its lock, `insert` run on the tables, the tables
// saved capped. The errno of a failure, 0 when saved; `readable` false when
// the file exists but was not read (it is kept then).
int UpdateHighScores(HighScoreSet& tables, bool& readable, const std::function<void(HighScoreSet&)>& insert) {
  // Another running copy must not slip its save in between this load and
  // this save. A lock not had in time is given up; one refused is no save.
  FileLock lock(kHighScoreFileName);
  readable = true;
  int error = lock.Refusal();
  if (PlatformFileExists(kHighScoreFileName)) {
    const auto text = ReadTextFile(kHighScoreFileName);
    readable = text.has_value();
    if (text) {
      tables = ParseHighScores(*text);
    } else if (error == 0) {
      error = errno != 0 ? errno : EIO;
    }
  }
  insert(tables);
  if (error != 0 || !readable) return error != 0 ? error : EIO;
  HighScoreSet saved = tables;
  CapHighScores(saved);
  return WriteFileAtomic(kHighScoreFileName, FormatHighScores(saved)) ? 0 : errno;
}

// Every entry of `from` into `into`, table by table.
void InsertAll(HighScoreSet& into, const HighScoreSet& from) {
  for (int t = 0; t < kHighScoreTableCount; ++t) {
    const int count = std::min(from.EntryCount[static_cast<size_t>(t)], kHighScoreSlots);
    for (int i = 0; i < count; ++i) ::InsertHighScore(into, t, from.Rows[static_cast<size_t>(t)][static_cast<size_t>(i)]);
  }
}

}  // namespace

EndOfDrill SaveEndedDrill(const EndedDrillFacts& drill, const ErrorStats& drillStats) {
  EndOfDrill end;
  end.score = ComputeScoreResult(drill.correct, drill.incorrect, drill.elapsedMs);
  end.errorsWritten = UpdateCumulativeFile(drillStats, drill.filtersUsed, end.cumulative);

  const HighScoreEntry entry{drill.today, end.score.Correct, end.score.Incorrect, end.score.TimePerInterval,
                             end.score.Score};
  const int error = UpdateHighScores(end.tables, end.tablesReadable, [&](HighScoreSet& tables) {
    if (drill.filtersUsed) return;
    end.newEntryIndex = ::InsertHighScore(tables, drill.modeCode, entry);
    if (end.newEntryIndex < 0) end.newEntryIndex = 0;
  });
  if (error != 0 && !drill.filtersUsed && DataFolderIsShared()) {
    std::string kept = KeptFile(kHighScoreFileName);
    if (!kept.empty()) {
      FileLock keptLock(kept);
      HighScoreSet all;
      if (const auto old = ReadTextFile(kept)) all = ParseHighScores(*old);
      ::InsertHighScore(all, drill.modeCode, entry);
      if (keptLock.Refused() || !WriteFileAtomic(kept, FormatHighScores(all))) kept.clear();
    }
    ReportFileTrouble(FileTrouble::NotWritten, kHighScoreFileName, std::strerror(error), kept);
  }
  return end;
}

void CatchUpKeptHighScores() {
  const std::string dir = KeptFolder();
  if (dir.empty()) return;
  const std::string kept = dir + "/" + kHighScoreFileName;
  if (!PlatformFileExists(kept)) return;
  FileLock keptLock(kept);
  const auto text = ReadTextFile(kept);
  if (keptLock.Refused() || !text) return;
  const HighScoreSet entries = ParseHighScores(*text);
  HighScoreSet tables;
  bool readable = true;
  if (UpdateHighScores(tables, readable, [&](HighScoreSet& t) { InsertAll(t, entries); }) == 0) ::unlink(kept.c_str());
}
