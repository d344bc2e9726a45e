// Any bytes as report.dat: the reader never fails or reads out of bounds,
// every line is kept or counted (unverified, ambiguous, unplaced), the figures add up, and
// what it kept, written back as the drill window writes it, reads back
// verified.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "ProgressFigures.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

size_t NonEmptyLines(std::string_view text) {
  size_t lines = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    size_t length = end - pos;
    if (length > 0 && text[end - 1] == '\r') --length;
    if (length > 0) ++lines;
    pos = end + 1;
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = FileText(data, size);
  const ReportLog log = ParseReportLog(text);

  size_t kept = 0;
  for (const LoggedDrill& drill : log.drills) kept += 1 + drill.filters.size() + drill.segments.size();
  Require(log.records >= 0 && log.unverified >= 0);
  Require(static_cast<size_t>(log.records) == NonEmptyLines(text));
  // A damaged F line is counted and remembered by its drill; an F that no
  // drill was shown to own, and a D that verifies for two drills alike, are
  // counted apart.
  Require(log.ambiguous >= 0 && log.unplacedFilters >= 0 && log.unknown <= log.unverified);
  Require(kept + static_cast<size_t>(log.unverified) + static_cast<size_t>(log.ambiguous) +
              static_cast<size_t>(log.unplacedFilters) ==
          static_cast<size_t>(log.records));

  std::string rewritten;
  for (const std::string& person : PeopleInLog(log)) {
    int64_t right = 0, seconds = 0;
    for (const DrillFigures& d : DrillsOf(log, person)) {
      Require(d.right >= 0 && d.wrong >= 0 && d.seconds >= 0);
      if (auto a = d.Accuracy()) Require(*a >= 0 && *a <= 100);
      right += d.right;
      seconds += d.seconds;
    }
    int64_t weekly = 0;
    for (const WeekFigures& w : WeeklyPractice(log, person)) weekly += w.seconds;
    Require(weekly == seconds);
    int64_t daily = 0;
    for (const ModeSeries& m : DailySeries(log, person))
      for (const DayFigures& d : m.days) daily += d.right;
    Require(daily <= right);
    const std::string csv = ProgressCsv(person, DrillsOf(log, person));
    Require(csv.size() >= 2 && csv.compare(csv.size() - 2, 2, "\r\n") == 0);
  }

  for (const LoggedDrill& drill : log.drills) {
    // Only dates the log writes exactly come back the same.
    if (ParseReportLog("S " + FormatLogDouble(drill.date) + " 0 x").drills.front().date != drill.date) continue;
    rewritten += "\r\n" + StartRecordText(drill.date, drill.personIndex, drill.person);
    for (const LoggedSegment& s : drill.segments)
      rewritten += "\r\n" + SegmentRecordText(s.correct, s.incorrect, s.seconds,
                                              SegmentCheckValue(drill.person, drill.date, s.correct, s.incorrect));
  }
  const ReportLog again = ParseReportLog(rewritten);
  Require(again.unverified == 0);
  return 0;
}
