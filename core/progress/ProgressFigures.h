// What the drill log says about one person's progress: figures per drill,
// accuracy and speed per day for each range and cardinality, practice time
// per week, and the table as CSV for a teacher.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DrillNotes.h"
#include "ReportReader.h"

// "close position", "within 1 octave", "within 2 octaves"; "trichords",
// "tetrachords"; "" for a mode outside 0..5.
std::string RangeName(int32_t modeCode);
std::string CardinalityName(int32_t modeCode);

// The answers of some segments and the time they took.
struct AnswerTotals {
  int64_t right = 0;
  int64_t wrong = 0;
  int64_t seconds = 0;
  void Add(const LoggedSegment& segment);
  // Percent of the answers that were right; none without answers.
  std::optional<double> Accuracy() const;
  // Seconds per right answer; none without a right answer.
  std::optional<double> SecondsPerRight() const;
};

struct DrillFigures : AnswerTotals {
  uint64_t offset = 0;  // of its S record in the log, to find its note
  double date = 0;
  std::vector<int32_t> modes;  // the modes it drilled, in order; empty when none was readable
  bool ended = false;     // reached END: five right answers or more
  bool eligible = false;  // ended, with every set class and one setting throughout
  int32_t secondsOfDay = -1;      // when it began; -1 when no note says
  std::vector<int32_t> manners;   // "Play:" manners heard; empty when no note says
};

// Gives each drill what its note in drillnotes.dat says.
void AttachDrillNotes(std::vector<DrillFigures>& drills, const DrillNotes& notes);

// Every person the log holds (names as UTF-8), sorted, each once. The
// functions below take a name in either encoding.
std::vector<std::string> PeopleInLog(const ReportLog& log);

// The person's drills with at least one verified segment, in log order.
std::vector<DrillFigures> DrillsOf(const ReportLog& log, const std::string& person);

struct DayFigures : AnswerTotals {
  int32_t day = 0;
};

struct ModeSeries {
  int32_t modeCode = 0;
  std::vector<DayFigures> days;  // ascending, only days with answers in this mode
};

// One series per mode the person drilled, in ModeCode order. A segment
// counts on the day its drill began, under the mode in force for it.
std::vector<ModeSeries> DailySeries(const ReportLog& log, const std::string& person);
// The same per drill: each point's `day` holds the drill's number among the
// person's drills with answers (1, 2, ...), as in DrillsOf.
std::vector<ModeSeries> DrillSeries(const ReportLog& log, const std::string& person);
// On how many days the person drilled (with answers). Below this many days the
// charts show each drill instead of each day.
int32_t DaysDrilled(const ReportLog& log, const std::string& person);
inline constexpr int32_t kDaysForDailyCharts = 7;

struct WeekFigures {
  int32_t weekStart = 0;  // day number of its Monday
  int64_t seconds = 0;
};

// Practice time per week from the first week with practice to the last,
// weeks without practice included as 0.
// `more` adds time on given days (day number, seconds): practice mode's.
std::vector<WeekFigures> WeeklyPractice(const ReportLog& log, const std::string& person,
                                        const std::vector<std::pair<int32_t, int64_t>>& more = {});

// The table as RFC 4180 CSV in UTF-8: a header row, then one row per drill,
// CR LF after every row.
std::string ProgressCsv(const std::string& person, const std::vector<DrillFigures>& drills);
// A CSV field, quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& text);

// Texts of the table's cells, shared by the window and the CSV.
std::string ModesText(const std::vector<int32_t>& modes, std::string (*name)(int32_t));
std::string OneDecimal(const std::optional<double>& value);
