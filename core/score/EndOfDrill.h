// What happens to the files when a drill has ended, in its order and without
// a window: the score, errors.dat, then hiscore.dat, each under its lock.
#pragma once

#include <cstdint>

#include "ErrorStats.h"
#include "HighScores.h"

struct EndedDrillFacts {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t elapsedMs = 0;
  bool filtersUsed = false;
  int modeCode = 0;  // the table of its range and cardinality
  double today = 0;  // the entry's date
};

struct EndOfDrill {
  ScoreResult score;
  ErrorStats cumulative{};     // errors.dat as written (or as it would have been)
  bool errorsWritten = false;
  // The tables after the insertion and before the cap: a drill pushed past
  // row 100 is shown once, then gone from the file.
  HighScoreSet tables;
  int newEntryIndex = 0;       // 0 when nothing was inserted
  bool tablesReadable = true;  // false: hiscore.dat exists but was not read, and was kept
};

// Computes the score; folds the drill's statistics into errors.dat unless it
// used filters; loads hiscore.dat (six empty tables when there is none yet),
// inserts the drill into its table unless it used filters, and saves the
// tables capped at 100 rows, unless the file could not be read or locked. In
// a shared folder an entry that could not be saved is kept in the account's
// own folder (and the student told) until CatchUpKeptHighScores adds it.
EndOfDrill SaveEndedDrill(const EndedDrillFacts& drill, const ErrorStats& drillStats);

// Inserts the entries kept by earlier runs into hiscore.dat when it can be
// written now; the kept copy goes once they are in.
void CatchUpKeptHighScores();
