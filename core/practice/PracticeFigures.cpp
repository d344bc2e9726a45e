#include "PracticeFigures.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>

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

// The cardinality and the number of a name such as "4-Z15".
std::pair<long, long> ListKey(const std::string& name) {
  const size_t hyphen = name.find('-');
  const long cardinality = std::strtol(name.c_str(), nullptr, 10);
  if (hyphen == std::string::npos) return {cardinality, 0};
  size_t digits = hyphen + 1;
  while (digits < name.size() && !std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
  return {cardinality, std::strtol(name.c_str() + digits, nullptr, 10)};
}

}  // namespace

bool ListOrderLess(const std::string& a, const std::string& b) {
  const auto ka = ListKey(a), kb = ListKey(b);
  return ka != kb ? ka < kb : a < b;
}

void SortProgress(PracticeSummary& summary, const std::map<std::string, int32_t>& before,
                  const std::map<std::string, int32_t>& after, const std::vector<std::string>& revealed) {
  std::set<std::string> names(revealed.begin(), revealed.end());
  for (const auto& [name, box] : before) names.insert(name);
  for (const auto& [name, box] : after) names.insert(name);
  summary.surer.clear();
  summary.needsWork.clear();
  for (const std::string& name : names) {
    const auto b = before.find(name);
    const auto a = after.find(name);
    const int32_t from = b == before.end() ? 1 : b->second;
    const int32_t to = a == after.end() ? 1 : a->second;
    // A class the student had to be shown is not one to be sure of yet.
    const bool wasRevealed = std::find(revealed.begin(), revealed.end(), name) != revealed.end();
    if (wasRevealed || to < from)
      summary.needsWork.push_back(name);
    else if (to > from)
      summary.surer.push_back(name);
  }
  std::sort(summary.surer.begin(), summary.surer.end(), ListOrderLess);
  std::sort(summary.needsWork.begin(), summary.needsWork.end(), ListOrderLess);
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

std::vector<std::string> FocusLines(const PracticeScheduler& scheduler,
                                    const std::vector<PracticeCandidate>& candidates) {
  constexpr size_t kFocusClasses = 3;
  std::vector<std::string> lines;
  for (const FocusItem& item : scheduler.Focus(candidates, kFocusClasses)) {
    const int percent = static_cast<int>(std::lround(item.share * 100.0));
    lines.push_back(item.name + " (" + std::to_string(percent) + " % of the questions): " + item.why);
  }
  return lines;
}
