#include "ClassOverviewReport.h"

#include "ProgressFigures.h"
#include "ReportReader.h"

namespace {

ClassCell Number(int64_t value) { return {std::to_string(value), static_cast<double>(value)}; }

ClassCell Optional(const std::optional<double>& value) {
  return value ? ClassCell{OneDecimal(value), *value} : ClassCell{OneDecimal(value)};
}

ClassCell Duration(int64_t seconds) { return {MinutesSeconds(seconds), static_cast<double>(seconds)}; }

ClassCell Day(const std::optional<int32_t>& day) {
  return day ? ClassCell{IsoDate(*day), static_cast<double>(*day)} : ClassCell{};
}

}  // namespace

ClassCell ClassCellOf(const PersonFigures& p, int column) {
  // Named in full: emscripten's clang 14 finds no enumerators through `using enum`.
  using C = ClassColumns;
  if (column >= C::kFirstModeColumn && column < C::kFirstBestColumn) {
    const AnswerTotals& t = p.eligibleByMode[static_cast<size_t>((column - C::kFirstModeColumn) / 2)];
    return Optional((column - C::kFirstModeColumn) % 2 == 0 ? t.Accuracy() : t.SecondsPerRight());
  }
  if (column >= C::kFirstBestColumn && column < C::kIneligibleAccuracy) {
    const auto& best = p.bestScore[static_cast<size_t>(column - C::kFirstBestColumn)];
    return best ? Number(*best) : ClassCell{};
  }
  switch (column) {
    case C::kName: return {p.unknown ? kUnknownRowSource : p.name.empty() ? kNoNameSource : p.name, 0};
    case C::kDrills: return Number(p.verifiedDrills);
    case C::kWeekTime: return Duration(p.secondsThisWeek);
    case C::kAllTime: return Duration(p.all.seconds);
    case C::kFirst: return Day(p.firstDay);
    case C::kLast: return Day(p.lastDay);
    case C::kIneligibleAccuracy: return Optional(p.ineligible.Accuracy());
    case C::kIneligibleDrills: return Number(p.ineligibleDrills);
    case C::kNotEnded: return Number(p.notEndedDrills);
    case C::kPracticeQuestions: return Number(p.practiceQuestions);
    case C::kPracticeFirstTry: return Optional(PracticeFirstTryPercent(p));
    case C::kPracticeWeekTime: return Duration(p.practiceSecondsThisWeek);
    case C::kPracticeTime: return Duration(p.practiceSeconds);
    case C::kUnverified: return Number(p.unverified);
    case C::kAmbiguous: return Number(p.ambiguous);
    default: return {};
  }
}

ClassHead ClassHeadOf(int column) {
  // Named in full: emscripten's clang 14 finds no enumerators through `using enum`.
  using C = ClassColumns;
  if (column >= C::kFirstModeColumn && column < C::kFirstBestColumn)
    return {(column - C::kFirstModeColumn) / 2, (column - C::kFirstModeColumn) % 2 == 0 ? "\n% right" : "\ns/right"};
  if (column >= C::kFirstBestColumn && column < C::kIneligibleAccuracy) return {column - C::kFirstBestColumn, "\nbest score"};
  switch (column) {
    case C::kName: return {-1, "Name"};
    case C::kDrills: return {-1, "Drills"};
    case C::kWeekTime: return {-1, "Time\nthis week"};
    case C::kAllTime: return {-1, "Time\nin all"};
    case C::kFirst: return {-1, "First\npractice"};
    case C::kLast: return {-1, "Last\npractice"};
    case C::kIneligibleAccuracy: return {-1, "Ineligible\n% right"};
    case C::kIneligibleDrills: return {-1, "Ineligible\ndrills"};
    case C::kNotEnded: return {-1, "Not ended\ndrills"};
    case C::kPracticeQuestions: return {-1, "Practice\nquestions"};
    case C::kPracticeFirstTry: return {-1, "Practice\nfirst try %"};
    case C::kPracticeWeekTime: return {-1, "Practice\nthis week"};
    case C::kPracticeTime: return {-1, "Practice\nin all"};
    case C::kUnverified: return {-1, "Unverified"};
    case C::kAmbiguous: return {-1, "Ambiguous"};
    default: return {};
  }
}

std::vector<int> ClassReportGeneralColumns() {
  // Named in full: emscripten's clang 14 finds no enumerators through `using enum`.
  using C = ClassColumns;
  std::vector<int> general = {C::kName, C::kDrills, C::kWeekTime, C::kAllTime, C::kFirst, C::kLast};
  for (int c = C::kIneligibleAccuracy; c < C::kColumns; ++c) general.push_back(c);
  return general;
}

std::vector<int> ClassReportModeColumns() {
  // Named in full: emscripten's clang 14 finds no enumerators through `using enum`.
  using C = ClassColumns;
  std::vector<int> modes = {C::kName};
  for (int c = C::kFirstModeColumn; c < C::kIneligibleAccuracy; ++c) modes.push_back(c);
  return modes;
}

ClassOverviewReport MakeClassOverviewReport(const std::vector<PersonFigures>& rows, const ErrorStats& stats,
                                            std::map<std::string, StudentClasses> students, int32_t today) {
  ClassOverviewReport report;
  report.today = today;
  for (const PersonFigures& p : rows) {
    for (const auto& day : {p.firstDay, p.lastDay, p.lastPracticeDay}) {
      if (!day) continue;
      if (!report.firstDay || *day < *report.firstDay) report.firstDay = day;
      if (!report.lastDay || *day > *report.lastDay) report.lastDay = day;
    }
  }
  report.hardest = HardestClasses(stats, kHardestShown);
  report.confusions = FrequentConfusions(stats, kConfusionsShown);
  report.students = std::move(students);
  return report;
}
