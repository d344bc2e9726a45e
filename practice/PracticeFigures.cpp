#include "PracticeFigures.h"

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
