// What the drill log and the error statistics say about a whole class: one
// row of figures per person, merged by name, and the class's hardest set
// classes and most frequent confusions. Shared by the teacher's window and
// the sonorix-class command.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ErrorStats.h"
#include "ProgressFigures.h"
#include "ReportReader.h"

inline constexpr int kModes = 6;  // ModeCode 0..5: range and cardinality

struct PersonFigures {
  std::string name;
  int32_t verifiedDrills = 0;  // drills with at least one verified segment
  AnswerTotals all;            // the verified segments
  int64_t secondsThisWeek = 0;
  std::optional<int32_t> lastDay;  // the day of the latest drill with a verified segment
  std::array<AnswerTotals, kModes> byMode;
  // The best score by the score window's formula of an eligible drill of at
  // least five right answers, per high-score table.
  std::array<std::optional<int32_t>, kModes> bestScore;
  int32_t unverified = 0;  // records of the person's drills that are damaged or fail their check

  // Adds another log's figures of the same name.
  void Merge(const PersonFigures& other);
};

// One row per name in the log, sorted by name. `today` is a day number: the
// week is the one from the Monday on or before it.
std::vector<PersonFigures> ClassRows(const ReportLog& log, int32_t today);

// Merges rows of the same name into `into`, keeping it sorted by name.
void MergeRows(std::vector<PersonFigures>& into, const std::vector<PersonFigures>& rows);

struct HardClass {
  int cardinalityIndex = 0;  // 0 trichords, 1 tetrachords
  int listIndex = 0;         // in the catalogue's list of that cardinality
  int64_t right = 0;
  int64_t wrong = 0;
  double accuracy = 0;  // percent
};
// The set classes answered least accurately (at least `minAnswers` answers),
// worst first, at most `count`; ties by more answers, then by list order.
std::vector<HardClass> HardestClasses(const ErrorStats& stats, int count, int64_t minAnswers = 1);

struct Confusion {
  int cardinalityIndex = 0;
  int asked = 0;     // list index of the set class played
  int answered = 0;  // list index of the set class given
  int64_t count = 0;
};
// The most frequent wrong answers, most first, at most `count`.
std::vector<Confusion> FrequentConfusions(const ErrorStats& stats, int count);

// The rows as RFC 4180 CSV in UTF-8, a header row first, CR LF after every
// row: name, drills, right, wrong, seconds, minutes this week and in all,
// last (ISO date), accuracy and seconds per right answer per mode, best score
// per mode, unverified.
std::string ClassCsv(const std::vector<PersonFigures>& rows);
// The command's short CSV: name,right,wrong,seconds,unverified,last.
std::string ClassSummaryCsv(const std::vector<PersonFigures>& rows);
// The same as a JSON array of objects with those keys (and drills).
std::string ClassSummaryJson(const std::vector<PersonFigures>& rows);

// Short names of the modes for column heads: "close 3", "1 oct 4".
std::string ModeShortName(int32_t modeCode);
