// Any bytes as a class's report.dat: the class rows, their JSON and CSV are
// the same however the log is cut into pieces, are valid UTF-8, and their
// counts add up to what the reader counted; two copies of the log merged
// give every figure twice.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ClassFigures.h"
#include "FuzzSupport.h"
#include "ReportReader.h"

namespace {

constexpr int32_t kToday = 45000;

bool ValidUtf8(const std::string& text) { return Utf8(text) == text; }

int64_t Sum(const AnswerTotals& t) { return t.right + t.wrong + t.seconds; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const ReportLog log = ParseReportLog(text);
  const std::vector<PersonFigures> rows = ClassRows(log, kToday);

  ClassRowBuilder builder(kToday);
  ReportLogReader reader([&builder](LoggedDrill&& drill) { builder.Add(drill); });
  InPieces(text, [&reader](std::string_view piece) { reader.Feed(piece); });
  const std::vector<PersonFigures> pieces = builder.Rows(reader.Finish());

  const std::string json = ClassSummaryJson(rows);
  const std::string csv = ClassSummaryCsv(rows);
  const std::string full = ClassCsv(rows, ';', true);
  Require(ClassSummaryJson(pieces) == json && ClassSummaryCsv(pieces) == csv && ClassCsv(pieces, ';', true) == full);
  Require(ValidUtf8(json) && ValidUtf8(csv) && ValidUtf8(full));
  Require(json.front() == '[' && json.back() == '\n');
  for (char c : json) Require(static_cast<unsigned char>(c) >= 0x20 || c == '\n');

  int64_t unverified = 0, ambiguous = 0, right = 0, wrong = 0, seconds = 0;
  int32_t drills = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const PersonFigures& p = rows[i];
    Require(p.unknown == (i + 1 == rows.size() && log.unknown > 0));
    Require(p.unknown ? p.unverified == log.unknown && p.name.empty() : ValidUtf8(p.name));
    if (i > 0 && !p.unknown) Require(rows[i - 1].name < p.name);
    unverified += p.unverified;
    ambiguous += p.ambiguous;
    right += p.all.right;
    wrong += p.all.wrong;
    seconds += p.all.seconds;
    drills += p.verifiedDrills;
    // A drill with answers is eligible, ineligible or not ended.
    AnswerTotals split = p.ineligible;
    for (const AnswerTotals& t : p.eligibleByMode) split.right += t.right, split.wrong += t.wrong, split.seconds += t.seconds;
    split.right += p.notEnded.right, split.wrong += p.notEnded.wrong, split.seconds += p.notEnded.seconds;
    Require(Sum(split) == Sum(p.all) && split.right == p.all.right);
    Require(p.firstDay.has_value() == (p.verifiedDrills > 0) && p.lastDay.has_value() == p.firstDay.has_value());
    if (p.firstDay) Require(*p.firstDay <= *p.lastDay);
  }
  int64_t segmentsRight = 0;
  int32_t drillsWithSegments = 0;
  for (const LoggedDrill& d : log.drills) {
    for (const LoggedSegment& s : d.segments) segmentsRight += s.correct;
    drillsWithSegments += d.segments.empty() ? 0 : 1;
  }
  Require(right == segmentsRight && drills == drillsWithSegments && wrong >= 0 && seconds >= 0);
  // Every unverified line is in one row, but a damaged S line that named its person.
  Require(unverified + log.namedDamagedStarts == log.unverified);
  // An ambiguous record marks each drill it fits: two at least.
  Require(ambiguous >= 2 * int64_t{log.ambiguous});

  // Two machines' copies of the same log: one row each, every count twice.
  std::vector<PersonFigures> twice = rows;
  MergeRows(twice, pieces);
  Require(twice.size() == rows.size());
  for (size_t i = 0; i < rows.size(); ++i)
    Require(twice[i].all.right == 2 * rows[i].all.right && twice[i].unverified == 2 * rows[i].unverified &&
            twice[i].verifiedDrills == 2 * rows[i].verifiedDrills && twice[i].lastDay == rows[i].lastDay);
  return 0;
}
