// Any bytes as hiscore.dat: the reader never fails or reads out of bounds,
// every table it keeps holds at most 100 finite entries in score order, what
// it read is written back in the file's own form and reads back the same,
// and an insertion then a save keep every table within its 100 rows.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "HighScores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HighScoreSet set = ParseHighScores(FileText(data, size));
  for (int t = 0; t < kHighScoreTableCount; ++t) {
    const int32_t n = set.EntryCount[static_cast<size_t>(t)];
    Require(n >= 0 && n <= kMaxHighScores);
    for (int i = 0; i < n; ++i) {
      const HighScoreEntry& e = set.Rows[static_cast<size_t>(t)][static_cast<size_t>(i)];
      Require(std::isfinite(e.Date) && std::isfinite(e.TimePerInterval));
      if (i > 0) Require(set.Rows[static_cast<size_t>(t)][static_cast<size_t>(i - 1)].Score >= e.Score);
      const std::string line = HighScoreLine(i, e);
      Require(line.find("nan") == std::string::npos && line.find("inf") == std::string::npos);
    }
  }

  const std::string written = FormatHighScores(set);
  Require(FormatHighScores(ParseHighScores(written)) == written);
  Require(written.size() >= 2 && written.compare(written.size() - 2, 2, "\r\n") == 0);

  // A drill entering every table, and the save that follows.
  const ScoreResult r = ComputeScoreResult(static_cast<int32_t>(size % 1000) + 1, static_cast<int32_t>(size % 7),
                                           static_cast<uint32_t>(size) * 997u);
  for (int t = 0; t < kHighScoreTableCount; ++t) {
    const int32_t before = set.EntryCount[static_cast<size_t>(t)];
    const int row = InsertHighScore(set, t, HighScoreEntry{39001, r.Correct, r.Incorrect, r.TimePerInterval, r.Score});
    Require(row >= 0 && row <= before && set.EntryCount[static_cast<size_t>(t)] == before + 1);
  }
  CapHighScores(set);
  for (int32_t n : set.EntryCount) Require(n <= kMaxHighScores);
  return 0;
}
