#include "PracticeFigures.h"

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <map>

void PracticeTotals::Add(const PracticeRecord& record) {
  ++questions;
  if (record.FirstTryRight()) ++firstTryRight;
  if (record.reveal != Reveal::None) ++revealed;
  seconds += record.seconds;
}

double PracticeTotals::FirstTryPercent() const { return questions > 0 ? 100.0 * firstTryRight / questions : -1; }

std::vector<PracticeDay> PracticeDays(const PracticeLog& log, const std::string& person) {
  std::map<int32_t, PracticeDay> days;
  for (const PracticeRecord& record : log.records) {
    if (record.person != person) continue;
    PracticeDay& day = days[record.day];
    day.day = record.day;
    day.Add(record);
  }
  std::vector<PracticeDay> out;
  out.reserve(days.size());
  for (const auto& [day, figures] : days) out.push_back(figures);
  return out;
}

namespace {

std::string Join(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

std::vector<std::string> SummaryLines(const PracticeSummary& s) {
  std::vector<std::string> lines;
  lines.push_back("Questions: " + std::to_string(s.totals.questions));
  std::string right = "Right at the first try: " + std::to_string(s.totals.firstTryRight);
  if (s.totals.questions > 0)
    right += " (" + std::to_string(static_cast<int>(std::lround(s.totals.FirstTryPercent()))) + " %)";
  lines.push_back(right);
  lines.push_back("Revealed: " + std::to_string(s.totals.revealed));
  char time[32];
  std::snprintf(time, sizeof time, "Time: %u:%.2u", s.drillSeconds / 60, s.drillSeconds % 60);
  lines.push_back(time);
  lines.push_back("Moved up: " + (s.moves.up.empty() ? std::string("none") : Join(s.moves.up)));
  lines.push_back("Moved down: " + (s.moves.down.empty() ? std::string("none") : Join(s.moves.down)));
  return lines;
}

void AddClassPractice(std::vector<PersonFigures>& rows, const PracticeLog& log, int32_t today) {
  const int32_t weekStart = WeekStartOf(today);
  std::string lastName;
  PersonFigures* row = nullptr;
  for (const PracticeRecord& r : log.records) {
    // One student's lines mostly follow each other: look the row up once for them.
    if (!row || r.person != lastName) {
      row = &RowOf(rows, PersonKey(r.person));
      lastName = r.person;
    }
    ++row->practiceQuestions;
    if (r.FirstTryRight()) ++row->practiceFirstTry;
    row->practiceSeconds += r.seconds;
    if (r.day >= weekStart && r.day <= today) {
      ++row->practiceQuestionsThisWeek;
      row->practiceSecondsThisWeek += r.seconds;
    }
    if (!row->lastPracticeDay || r.day > *row->lastPracticeDay) row->lastPracticeDay = r.day;
  }
}

std::map<std::string, StudentClasses> StudentClassFigures(const PracticeLog& log, int count) {
  std::map<std::string, std::map<std::string, ClassAnswered>> asked;
  std::map<std::string, std::map<std::pair<std::string, std::string>, int32_t>> confused;
  for (const PracticeRecord& r : log.records) {
    const std::string key = PersonKey(r.person);
    ClassAnswered& a = asked[key][r.asked];
    a.name = r.asked;
    ++a.asked;
    if (r.FirstTryRight()) ++a.firstTry;
    if (!r.answers.empty() && r.answers.front() != r.asked) ++confused[key][{r.asked, r.answers.front()}];
  }
  std::map<std::string, StudentClasses> figures;
  const auto limit = static_cast<size_t>(std::max(count, 0));
  for (auto& [person, classes] : asked) {
    StudentClasses& s = figures[person];
    for (auto& entry : classes) s.hardest.push_back(entry.second);
    std::stable_sort(s.hardest.begin(), s.hardest.end(), [](const ClassAnswered& x, const ClassAnswered& y) {
      // Compared as fractions: the lower share of first-try answers first, then the more asked.
      const int64_t lhs = int64_t{x.firstTry} * y.asked, rhs = int64_t{y.firstTry} * x.asked;
      return lhs != rhs ? lhs < rhs : x.asked > y.asked;
    });
    if (s.hardest.size() > limit) s.hardest.resize(limit);
    for (const auto& [pair, times] : confused[person]) s.confusions.push_back({pair.first, pair.second, times});
    std::stable_sort(s.confusions.begin(), s.confusions.end(),
                     [](const ClassConfused& x, const ClassConfused& y) { return x.times > y.times; });
    if (s.confusions.size() > limit) s.confusions.resize(limit);
  }
  return figures;
}
