#include "EndOfDrill.h"

#include "CumulativeFile.h"
#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

EndOfDrill SaveEndedDrill(const EndedDrillFacts& drill, const ErrorStats& drillStats) {
  EndOfDrill end;
  end.score = ComputeScoreResult(drill.correct, drill.incorrect, drill.elapsedMs);
  end.errorsWritten = UpdateCumulativeFile(drillStats, drill.filtersUsed, end.cumulative);

  // Another running copy must not slip its save in between this load and
  // this save. A lock not had in time is given up.
  FileLock lock(kHighScoreFileName);
  if (PlatformFileExists(kHighScoreFileName)) {
    const auto text = ReadTextFile(kHighScoreFileName);
    end.tablesReadable = text.has_value();
    if (text) end.tables = ParseHighScores(*text);
  }
  if (!drill.filtersUsed) {
    const HighScoreEntry entry{drill.today, end.score.Correct, end.score.Incorrect, end.score.TimePerInterval,
                               end.score.Score};
    end.newEntryIndex = ::InsertHighScore(end.tables, drill.modeCode, entry);
    if (end.newEntryIndex < 0) end.newEntryIndex = 0;
  }
  if (end.tablesReadable) {
    HighScoreSet saved = end.tables;
    CapHighScores(saved);
    WriteFileAtomic(kHighScoreFileName, FormatHighScores(saved));
  }
  return end;
}
