#include "EndOfDrill.h"

#include "CumulativeFile.h"
#include "Storage.h"

EndOfDrill SaveEndedDrill(const EndedDrillFacts& drill, const ErrorStats& drillStats) {
  EndOfDrill end;
  end.score = ComputeScoreResult(drill.correct, drill.incorrect, drill.elapsedMs);
  end.errorsWritten = UpdateCumulativeFile(drillStats, drill.filtersUsed, end.cumulative);

  DataStorage().Update(kHighScoreFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
    end.tablesReadable = found != Storage::Found::Unreadable;
    if (found == Storage::Found::Text) end.tables = ParseHighScores(text);
    if (!drill.filtersUsed) {
      const HighScoreEntry entry{drill.today, end.score.Correct, end.score.Incorrect, end.score.TimePerInterval,
                                 end.score.Score};
      end.newEntryIndex = ::InsertHighScore(end.tables, drill.modeCode, entry);
      if (end.newEntryIndex < 0) end.newEntryIndex = 0;
    }
    if (!end.tablesReadable) return std::nullopt;
    HighScoreSet saved = end.tables;
    CapHighScores(saved);
    return FormatHighScores(saved);
  });
  return end;
}
