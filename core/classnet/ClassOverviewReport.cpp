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
  using enum ClassColumns::Column;
  if (column >= kFirstModeColumn && column < kFirstBestColumn) {
    const AnswerTotals& t = p.eligibleByMode[static_cast<size_t>((column - kFirstModeColumn) / 2)];
    return Optional((column - kFirstModeColumn) % 2 == 0 ? t.Accuracy() : t.SecondsPerRight());
  }
  if (column >= kFirstBestColumn && column < kIneligibleAccuracy) {
    const auto& best = p.bestScore[static_cast<size_t>(column - kFirstBestColumn)];
    return best ? Number(*best) : ClassCell{};
  }
  switch (column) {
    case kName: return {p.unknown ? kUnknownRowSource : p.name.empty() ? kNoNameSource : p.name, 0};
    case kDrills: return Number(p.verifiedDrills);
    case kWeekTime: return Duration(p.secondsThisWeek);
    case kAllTime: return Duration(p.all.seconds);
    case kFirst: return Day(p.firstDay);
    case kLast: return Day(p.lastDay);
    case kIneligibleAccuracy: return Optional(p.ineligible.Accuracy());
    case kIneligibleDrills: return Number(p.ineligibleDrills);
    case kNotEnded: return Number(p.notEndedDrills);
    case kPracticeQuestions: return Number(p.practiceQuestions);
    case kPracticeFirstTry: return Optional(PracticeFirstTryPercent(p));
    case kPracticeWeekTime: return Duration(p.practiceSecondsThisWeek);
    case kPracticeTime: return Duration(p.practiceSeconds);
    case kUnverified: return Number(p.unverified);
    case kAmbiguous: return Number(p.ambiguous);
    default: return {};
  }
}

ClassHead ClassHeadOf(int column) {
  using enum ClassColumns::Column;
  if (column >= kFirstModeColumn && column < kFirstBestColumn)
    return {(column - kFirstModeColumn) / 2, (column - kFirstModeColumn) % 2 == 0 ? "\n% right" : "\ns/right"};
  if (column >= kFirstBestColumn && column < kIneligibleAccuracy) return {column - kFirstBestColumn, "\nbest score"};
  switch (column) {
    case kName: return {-1, "Name"};
    case kDrills: return {-1, "Drills"};
    case kWeekTime: return {-1, "Time\nthis week"};
    case kAllTime: return {-1, "Time\nin all"};
    case kFirst: return {-1, "First\npractice"};
    case kLast: return {-1, "Last\npractice"};
    case kIneligibleAccuracy: return {-1, "Ineligible\n% right"};
    case kIneligibleDrills: return {-1, "Ineligible\ndrills"};
    case kNotEnded: return {-1, "Not ended\ndrills"};
    case kPracticeQuestions: return {-1, "Practice\nquestions"};
    case kPracticeFirstTry: return {-1, "Practice\nfirst try %"};
    case kPracticeWeekTime: return {-1, "Practice\nthis week"};
    case kPracticeTime: return {-1, "Practice\nin all"};
    case kUnverified: return {-1, "Unverified"};
    case kAmbiguous: return {-1, "Ambiguous"};
    default: return {};
  }
}

std::vector<int> ClassReportGeneralColumns() {
  using enum ClassColumns::Column;
  std::vector<int> general = {kName, kDrills, kWeekTime, kAllTime, kFirst, kLast};
  for (int c = kIneligibleAccuracy; c < kColumns; ++c) general.push_back(c);
  return general;
}

std::vector<int> ClassReportModeColumns() {
  using enum ClassColumns::Column;
  std::vector<int> modes = {kName};
  for (int c = kFirstModeColumn; c < kIneligibleAccuracy; ++c) modes.push_back(c);
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
