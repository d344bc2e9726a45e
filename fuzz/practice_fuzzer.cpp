// Any bytes as practice.dat: the reader never fails or reads out of bounds,
// counts every line it skips, keeps only records that write back to their own
// line and read back the same, reads one person's records as it reads all,
// and the class's practice columns add up.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ClassFigures.h"
#include "FuzzSupport.h"
#include "PracticeLog.h"
#include "PracticeFigures.h"

namespace {

bool Same(const PracticeRecord& a, const PracticeRecord& b) {
  return std::tie(a.day, a.secondOfDay, a.asked, a.form, a.voicing, a.answers, a.reveal, a.seconds, a.person) ==
         std::tie(b.day, b.secondOfDay, b.asked, b.form, b.voicing, b.answers, b.reveal, b.seconds, b.person);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const PracticeLog log = ParsePracticeLog(text);
  Require(log.damaged >= 0 && static_cast<size_t>(log.lines) == log.records.size() + static_cast<size_t>(log.damaged));

  // Each record is the line it was read from, written back byte for byte.
  std::string rewritten;
  for (const PracticeRecord& r : log.records) {
    const std::string line = PracticeLine(r);
    Require(text.find(line) != std::string_view::npos);
    const auto again = ParsePracticeLine(line);
    Require(again && Same(*again, r));
    Require(r.secondOfDay >= 0 && r.secondOfDay < 86400 && (r.form == 0 || r.form == 1));
    rewritten += line + "\r\n";
  }
  const PracticeLog back = ParsePracticeLog(rewritten);
  Require(back.damaged == 0 && back.records.size() == log.records.size());

  // One person's reading is the whole reading's records of that name.
  if (!log.records.empty()) {
    const std::string person = log.records[log.records.size() / 2].person;
    const PracticeLog own = ParsePracticeLog(text, &person);
    size_t k = 0;
    for (const PracticeRecord& r : log.records) {
      if (r.person != person) continue;
      Require(k < own.records.size() && Same(own.records[k], r));
      ++k;
    }
    Require(k == own.records.size() && own.lines == log.lines);
  }

  std::vector<PersonFigures> rows;
  AddClassPractice(rows, log, 45000);
  int64_t questions = 0, firstTry = 0, seconds = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const PersonFigures& p = rows[i];
    Require(Utf8(p.name) == p.name && (i == 0 || rows[i - 1].name < p.name));
    Require(p.practiceFirstTry <= p.practiceQuestions && p.practiceQuestionsThisWeek <= p.practiceQuestions);
    Require(p.practiceSecondsThisWeek <= p.practiceSeconds && p.lastPracticeDay.has_value());
    // Only practice: no drill, so no last drill date.
    Require(p.verifiedDrills == 0 && !p.lastDay);
    questions += p.practiceQuestions;
    firstTry += p.practiceFirstTry;
    seconds += p.practiceSeconds;
  }
  int64_t firstTryRecords = 0, recordSeconds = 0;
  for (const PracticeRecord& r : log.records) {
    firstTryRecords += r.FirstTryRight() ? 1 : 0;
    recordSeconds += r.seconds;
  }
  Require(questions == static_cast<int64_t>(log.records.size()) && firstTry == firstTryRecords &&
          seconds == recordSeconds);
  const std::string json = ClassSummaryJson(rows);
  Require(Utf8(json) == json && (json.find("\"last\": null") != std::string::npos) == !rows.empty());
  return 0;
}
