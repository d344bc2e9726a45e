// Any bytes as report.dat, whole, read in pieces of any size: the reader
// never fails or reads out of bounds, reads the pieces as it reads the whole,
// keeps or counts every line (unverified, ambiguous, unplaced), the figures
// add up, and what it kept, written back as the drill window writes it,
// reads back verified.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "FuzzSupport.h"
#include "ProgressFigures.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace {

// The lines the reader counts: not empty once a CR before the LF is gone,
// and a last line ending in its only Ctrl-Z ends the log before that byte.
size_t CountedLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
    pos = end + 1;
  }
  if (!lines.empty() && lines.back().find('\x1a') + 1 == lines.back().size()) {
    std::string_view last = lines.back().substr(0, lines.back().size() - 1);
    if (!last.empty() && last.back() == '\r') last.remove_suffix(1);
    if (last.empty()) lines.pop_back();
  }
  return lines.size();
}

bool SameSegments(const std::vector<LoggedSegment>& a, const std::vector<LoggedSegment>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tie(a[i].correct, a[i].incorrect, a[i].seconds, a[i].modeCode) !=
        std::tie(b[i].correct, b[i].incorrect, b[i].seconds, b[i].modeCode))
      return false;
  return true;
}

bool SameFilters(const std::vector<FilterState>& a, const std::vector<FilterState>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tie(a[i].LowMask, a[i].HighMask, a[i].ModeCode) != std::tie(b[i].LowMask, b[i].HighMask, b[i].ModeCode))
      return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ReportLog log = ParseReportLog(text);

  // Cut anywhere, the same log.
  std::vector<LoggedDrill> drills;
  ReportLogReader reader([&drills](LoggedDrill&& drill) { drills.push_back(std::move(drill)); });
  InPieces(text, [&reader](std::string_view piece) { reader.Feed(piece); });
  const ReportLog pieces = reader.Finish();
  Require(std::tie(pieces.records, pieces.unverified, pieces.ambiguous, pieces.unknown, pieces.unplacedFilters,
                   pieces.lostByName, pieces.namedDamagedStarts) ==
          std::tie(log.records, log.unverified, log.ambiguous, log.unknown, log.unplacedFilters, log.lostByName,
                   log.namedDamagedStarts));
  Require(drills.size() == log.drills.size());
  std::sort(drills.begin(), drills.end(), [](const LoggedDrill& a, const LoggedDrill& b) { return a.offset < b.offset; });
  for (size_t i = 0; i < drills.size(); ++i) {
    const LoggedDrill& a = drills[i];
    const LoggedDrill& b = log.drills[i];
    Require(a.offset == b.offset && a.date == b.date && a.personIndex == b.personIndex && a.person == b.person);
    Require(a.filtersUnknown == b.filtersUnknown && a.unverified == b.unverified && a.ambiguous == b.ambiguous);
    Require(SameSegments(a.segments, b.segments) && SameFilters(a.filters, b.filters));
  }

  size_t kept = 0;
  int64_t charged = log.unknown + log.namedDamagedStarts;
  for (const LoggedDrill& drill : log.drills) {
    kept += 1 + drill.filters.size() + drill.segments.size();
    charged += drill.unverified;
  }
  for (const auto& [name, lost] : log.lostByName) charged += lost;
  Require(log.records >= 0 && log.unverified >= 0);
  Require(static_cast<size_t>(log.records) == CountedLines(text));
  // A damaged F line is counted and remembered by its drill; an F that no
  // drill was shown to own, and a D that verifies for two drills alike, are
  // counted apart.
  Require(log.ambiguous >= 0 && log.unplacedFilters >= 0 && log.unknown <= log.unverified);
  Require(kept + static_cast<size_t>(log.unverified) + static_cast<size_t>(log.ambiguous) +
              static_cast<size_t>(log.unplacedFilters) ==
          static_cast<size_t>(log.records));
  // Every unverified line is charged once: to a drill, a name or nobody.
  Require(charged == log.unverified);

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
