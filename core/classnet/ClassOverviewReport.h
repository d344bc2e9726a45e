// The Class Overview as values, one making for the desktop's window, its
// printed report and the page's teacher overview: the table's columns and
// cell texts, the class's hardest set classes and most frequent confusions,
// and each student's from practice mode. Cell texts carry the point as the
// decimal mark and English names for the rows without one; each front end
// translates and localizes them.
#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "ClassFigures.h"
#include "ErrorStats.h"
#include "PracticeFigures.h"

struct ClassColumns {
  // Name, drills, time this week and in all, first and last drill; two per
  // mode (eligible drills only); a best score per table; the drills that
  // were not eligible or not ended; practice mode; unverified and ambiguous.
  enum Column {
    kName,
    kDrills,
    kWeekTime,
    kAllTime,
    kFirst,
    kLast,
    kFirstModeColumn,
    kFirstBestColumn = kFirstModeColumn + 2 * kModes,
    kIneligibleAccuracy = kFirstBestColumn + kModes,
    kIneligibleDrills,
    kNotEnded,
    kPracticeQuestions,
    kPracticeFirstTry,
    kPracticeWeekTime,
    kPracticeTime,
    kSingQuestions,
    kSingFirstTry,
    kUnverified,
    kAmbiguous,
    kColumns
  };
};

// A cell's text and the number it sorts by (an empty cell below every number).
struct ClassCell {
  std::string text;
  double key = -std::numeric_limits<double>::infinity();
};
inline constexpr const char* kUnknownRowSource = "(unknown)";
inline constexpr const char* kNoNameSource = "(no name)";
// The name cell's text is the English source for a row without a name.
ClassCell ClassCellOf(const PersonFigures& p, int column);

// A column's head: the mode's short name (when `mode` is one) before the
// source text, which holds a line break where the head takes two lines.
struct ClassHead {
  int mode = -1;
  const char* source = "";
};
ClassHead ClassHeadOf(int column);

// The printed report shows the table in two, each fitting a page's width.
std::vector<int> ClassReportGeneralColumns();
std::vector<int> ClassReportModeColumns();

inline constexpr int kHardestShown = 8;
inline constexpr int kConfusionsShown = 8;
inline constexpr int kStudentClassesShown = 3;  // per student in the printed report

struct ClassOverviewReport {
  int32_t today = 0;
  // The earliest and latest day of any drill or practice.
  std::optional<int32_t> firstDay;
  std::optional<int32_t> lastDay;
  std::vector<HardClass> hardest;
  std::vector<Confusion> confusions;
  std::map<std::string, StudentClasses> students;  // by row name
};
ClassOverviewReport MakeClassOverviewReport(const std::vector<PersonFigures>& rows, const ErrorStats& stats,
                                            std::map<std::string, StudentClasses> students, int32_t today);
