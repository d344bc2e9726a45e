// Reading a long drill log and computing one person's figures from it: a log
// of years of daily practice by a class of students, as the drill window
// writes it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ProgressFigures.h"
#include "ReportReader.h"
#include "SessionLog.h"

#include "Figure.h"

namespace {

using Clock = std::chrono::steady_clock;

// S, F, then one to three D records per drill (a filter change adds D and F).
std::string MakeLog(int records) {
  std::mt19937 rng(7);
  const std::vector<std::string> people = {"Ann", "Bo Li", "Carla Dal Monte", "Dmitri", "Eun-ji", "Zoë"};
  std::string log;
  int written = 0;
  double day = 44000;
  while (written < records) {
    const std::string& person = people[rng() % people.size()];
    day += (rng() % 3 == 0) ? 1 : 0;
    log += "\r\n" + StartRecordText(day, 0, person);
    FilterState state{4095, 0, static_cast<int32_t>(rng() % 6)};
    if (state.ModeCode >= 3) state = {65535, 8191, state.ModeCode};
    log += "\r\n" + FilterRecordText(state);
    written += 2;
    const int segments = 1 + static_cast<int>(rng() % 3);
    for (int s = 0; s < segments && written < records; ++s) {
      if (s > 0) {
        log += "\r\n" + FilterRecordText(state);
        ++written;
      }
      const auto correct = static_cast<int32_t>(rng() % 40);
      const auto incorrect = static_cast<int32_t>(rng() % 10);
      log += "\r\n" + SegmentRecordText(correct, incorrect, 60 + rng() % 600,
                                        SegmentCheckValue(person, day, correct, incorrect));
      ++written;
    }
  }
  return log;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  const int records = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
  const std::string text = MakeLog(records);
  std::printf("report.dat: %d records, %zu bytes\n", records, text.size());
  double best = 1e9, bestFigures = 1e9;
  ReportLog log;
  for (int run = 0; run < 5; ++run) {
    const auto start = Clock::now();
    log = ParseReportLog(text);
    const auto parsed = Clock::now();
    size_t rows = 0;
    for (const std::string& person : PeopleInLog(log)) {
      rows += DrillsOf(log, person).size();
      rows += DailySeries(log, person).size();
      rows += WeeklyPractice(log, person).size();
    }
    const auto done = Clock::now();
    best = std::min(best, Ms(parsed - start));
    bestFigures = std::min(bestFigures, Ms(done - parsed));
    if (rows == 0) std::printf("no figures\n");
  }
  std::printf("drills %zu, unverified %d\n", log.drills.size(), log.unverified);
  std::printf("read and verify: %.1f ms (best of 5)\n", best);
  std::printf("figures of every person: %.1f ms (best of 5)\n", bestFigures);
  // My Progress opens within a blink on a class's years of logs.
  PrintFigure("My Progress: read, verify and figure report.dat", best + bestFigures, "ms", 100);
  return 0;
}
