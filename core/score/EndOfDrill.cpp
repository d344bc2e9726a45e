#include "EndOfDrill.h"

#include <algorithm>

#include "CumulativeFile.h"
#include "DrillFiling.h"
#include "Storage.h"

namespace {

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
  // The class adds up what each device's errors.dat took, no more.
  if (end.errorsWritten && !drill.filtersUsed) FileDrillPart(kErrorsFileName, FormatErrorStats(drillStats));

  const HighScoreEntry entry{drill.today, end.score.Correct, end.score.Incorrect, end.score.TimePerInterval,
                             end.score.Score};
  const bool saved =
      DataStorage().Update(kHighScoreFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
        end.tablesReadable = found != Storage::Found::Unreadable;
        if (found == Storage::Found::Text) end.tables = ParseHighScores(text);
        if (!drill.filtersUsed) {
          end.newEntryIndex = ::InsertHighScore(end.tables, drill.modeCode, entry);
          if (end.newEntryIndex < 0) end.newEntryIndex = 0;
        }
        if (!end.tablesReadable) return std::nullopt;
        HighScoreSet capped = end.tables;
        CapHighScores(capped);
        return FormatHighScores(capped);
      });
  if (!saved && !drill.filtersUsed) {
    DataStorage().Keep(kHighScoreFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
      HighScoreSet all;
      if (found == Storage::Found::Text) all = ParseHighScores(text);
      ::InsertHighScore(all, drill.modeCode, entry);
      return FormatHighScores(all);
    });
  }
  return end;
}

void CatchUpKeptHighScores() {
  const auto kept = DataStorage().Kept(kHighScoreFileName);
  if (!kept) return;
  const HighScoreSet entries = ParseHighScores(*kept);
  const bool added =
      DataStorage().Update(kHighScoreFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
        if (found == Storage::Found::Unreadable) return std::nullopt;
        HighScoreSet tables;
        if (found == Storage::Found::Text) tables = ParseHighScores(text);
        InsertAll(tables, entries);
        CapHighScores(tables);
        return FormatHighScores(tables);
      });
  if (added) DataStorage().ForgetKept(kHighScoreFileName);
}
