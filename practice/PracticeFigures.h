// Figures of practice: per day for My Progress, and the summary at the end of
// a practice drill.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "PracticeLog.h"
#include "PracticeScheduler.h"

struct PracticeTotals {
  int32_t questions = 0;
  int32_t firstTryRight = 0;
  int32_t revealed = 0;
  int64_t seconds = 0;
  void Add(const PracticeRecord& record);
  // Percent of the questions right at the first try; -1 without questions.
  double FirstTryPercent() const;
};

struct PracticeDay : PracticeTotals {
  int32_t day = 0;
};

// The person's practice per day, ascending, days without practice left out.
std::vector<PracticeDay> PracticeDays(const PracticeLog& log, const std::string& person);

// The lines of the summary window: questions, right at the first try,
// revealed, time, and the classes that moved between boxes.
struct PracticeSummary {
  PracticeTotals totals;
  uint32_t drillSeconds = 0;  // from BEGIN to END
  BoxMoves moves;
};
std::vector<std::string> SummaryLines(const PracticeSummary& summary);
