// What a scored drill leaves in the files, taken from the drill's end rather
// than from any window: run as the drill ends, before its score is shown.
#pragma once

#include <algorithm>
#include <optional>

#include "Clock.h"
#include "DrillSession.h"
#include "EndOfDrill.h"

// The table of the range and cardinality in force at the end.
inline int RangeOfResult(const DrillResult& r) {
  return std::clamp(r.filters.ModeCode - 3 * r.cardinalityIndex, 0, 2);
}
inline int CardinalityOfResult(const DrillResult& r) { return std::clamp(r.cardinalityIndex, 0, 1); }

inline EndOfDrill SaveDrillResult(const DrillResult& r) {
  EndedDrillFacts drill;
  drill.correct = r.correct;
  drill.incorrect = r.incorrect;
  drill.elapsedMs = r.endedAt - r.drillStart;
  drill.filtersUsed = r.filtersUsed;
  drill.modeCode = RangeOfResult(r) + 3 * CardinalityOfResult(r);
  drill.today = CoreClock().Today();
  return SaveEndedDrill(drill, r.stats);
}

// Only a drill ended by END, and not a practice drill, leaves a score: its
// files are written as it ends, and what they hold is handed back for the
// score to show.
inline std::optional<EndOfDrill> SaveScoredDrill(const DrillResult& r) {
  if (!r.scored || r.practice) return std::nullopt;
  return SaveDrillResult(r);
}
