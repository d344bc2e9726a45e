#include "ClassOverviewReport.h"

#include "ProgressFigures.h"
#include "ReportReader.h"

namespace {

using Col = ClassColumns;

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
  if (column >= Col::kFirstModeColumn && column < Col::kFirstBestColumn) {
    const AnswerTotals& t = p.eligibleByMode[static_cast<size_t>((column - Col::kFirstModeColumn) / 2)];
    return Optional((column - Col::kFirstModeColumn) % 2 == 0 ? t.Accuracy() : t.SecondsPerRight());
  }
  if (column >= Col::kFirstBestColumn && column < Col::kIneligibleAccuracy) {
    const auto& best = p.bestScore[static_cast<size_t>(column - Col::kFirstBestColumn)];
    return best ? Number(*best) : ClassCell{};
  }
  switch (column) {
    case Col::kName: return {p.unknown ? kUnknownRowSource : p.name.empty() ? kNoNameSource : p.name, 0};
    case Col::kDrills: return Number(p.verifiedDrills);
    case Col::kWeekTime: return Duration(p.secondsThisWeek);
    case Col::kAllTime: return Duration(p.all.seconds);
    case Col::kFirst: return Day(p.firstDay);
    case Col::kLast: return Day(p.lastDay);
    case Col::kIneligibleAccuracy: return Optional(p.ineligible.Accuracy());
    case Col::kIneligibleDrills: return Number(p.ineligibleDrills);
    case Col::kNotEnded: return Number(p.notEndedDrills);
    case Col::kPracticeQuestions: return Number(p.practiceQuestions);
    case Col::kPracticeFirstTry: return Optional(PracticeFirstTryPercent(p));
    case Col::kPracticeWeekTime: return Duration(p.practiceSecondsThisWeek);
    case Col::kPracticeTime: return Duration(p.practiceSeconds);
    case Col::kSingQuestions: return Number(p.singQuestions);
    case Col::kSingFirstTry: return Optional(SingFirstTryPercent(p));
    case Col::kUnverified: return Number(p.unverified);
    case Col::kAmbiguous: return Number(p.ambiguous);
    default: return {};
  }
}

ClassHead ClassHeadOf(int column) {
  if (column >= Col::kFirstModeColumn && column < Col::kFirstBestColumn)
    return {(column - Col::kFirstModeColumn) / 2, (column - Col::kFirstModeColumn) % 2 == 0 ? "\n% right" : "\ns/right"};
  if (column >= Col::kFirstBestColumn && column < Col::kIneligibleAccuracy) return {column - Col::kFirstBestColumn, "\nbest score"};
  switch (column) {
    case Col::kName: return {-1, "Name"};
    case Col::kDrills: return {-1, "Drills"};
    case Col::kWeekTime: return {-1, "Time\nthis week"};
    case Col::kAllTime: return {-1, "Time\nin all"};
    case Col::kFirst: return {-1, "First\npractice"};
    case Col::kLast: return {-1, "Last\npractice"};
    case Col::kIneligibleAccuracy: return {-1, "Ineligible\n% right"};
    case Col::kIneligibleDrills: return {-1, "Ineligible\ndrills"};
    case Col::kNotEnded: return {-1, "Not ended\ndrills"};
    case Col::kPracticeQuestions: return {-1, "Practice\nquestions"};
    case Col::kPracticeFirstTry: return {-1, "Practice\nfirst try %"};
    case Col::kPracticeWeekTime: return {-1, "Practice\nthis week"};
    case Col::kPracticeTime: return {-1, "Practice\nin all"};
    case Col::kSingQuestions: return {-1, "Sung\nquestions"};
    case Col::kSingFirstTry: return {-1, "Sung\nfirst try %"};
    case Col::kUnverified: return {-1, "Unverified"};
    case Col::kAmbiguous: return {-1, "Ambiguous"};
    default: return {};
  }
}

std::vector<int> ClassReportGeneralColumns() {
  std::vector<int> general = {Col::kName, Col::kDrills, Col::kWeekTime, Col::kAllTime, Col::kFirst, Col::kLast};
  for (int c = Col::kIneligibleAccuracy; c < Col::kColumns; ++c) general.push_back(c);
  return general;
}

std::vector<int> ClassReportModeColumns() {
  std::vector<int> modes = {Col::kName};
  for (int c = Col::kFirstModeColumn; c < Col::kIneligibleAccuracy; ++c) modes.push_back(c);
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
