// A benchmark's result beside its goal, one line each, in a form bench/run.sh
// gathers into one table:
//   FIGURE<TAB>what<TAB>value unit<TAB>goal<TAB>met|MISSED
#pragma once

#include <cstdio>

// Prints the figure; true when it meets the goal (at most `goal`, or at
// least it when `atLeast`).
inline bool PrintFigure(const char* what, double value, const char* unit, double goal, bool atLeast = false) {
  const bool met = atLeast ? value >= goal : value <= goal;
  std::printf("FIGURE\t%s\t%.2f %s\t%s %.2f %s\t%s\n", what, value, unit, atLeast ? ">=" : "<=", goal, unit,
              met ? "met" : "MISSED");
  std::fflush(stdout);
  return met;
}
