#include "ProgressFigures.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <set>

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string RangeName(int32_t modeCode) {
  if (modeCode < 0 || modeCode > 5) return {};
  static const char* const kNames[] = {"close position", "within 1 octave", "within 2 octaves"};
  return kNames[modeCode % 3];
}

std::string CardinalityName(int32_t modeCode) {
  if (modeCode < 0 || modeCode > 5) return {};
  return modeCode < 3 ? "trichords" : "tetrachords";
}

void AnswerTotals::Add(const LoggedSegment& segment) {
  right += segment.correct;
  wrong += segment.incorrect;
  seconds += segment.seconds;
}

std::optional<double> AnswerTotals::Accuracy() const {
  if (right + wrong <= 0) return std::nullopt;
  return 100.0 * static_cast<double>(right) / static_cast<double>(right + wrong);
}

std::optional<double> AnswerTotals::SecondsPerRight() const {
  if (right <= 0) return std::nullopt;
  return static_cast<double>(seconds) / static_cast<double>(right);
}

namespace {

// The same person when the names decode to the same text; bytes alike first.
bool IsPerson(const LoggedDrill& drill, const std::string& key) {
  return drill.person == key || PersonKey(drill.person) == key;
}

}  // namespace

std::vector<std::string> PeopleInLog(const ReportLog& log) {
  std::vector<std::string> people;
  for (const LoggedDrill& drill : log.drills) people.push_back(PersonKey(drill.person));
  std::sort(people.begin(), people.end());
  people.erase(std::unique(people.begin(), people.end()), people.end());
  return people;
}

std::vector<DrillFigures> DrillsOf(const ReportLog& log, const std::string& person) {
  const std::string key = PersonKey(person);
  std::vector<DrillFigures> drills;
  for (const LoggedDrill& drill : log.drills) {
    if (!IsPerson(drill, key) || drill.segments.empty()) continue;
    DrillFigures f;
    f.offset = drill.offset;
    f.date = drill.date;
    for (const LoggedSegment& s : drill.segments) f.Add(s);
    f.ended = f.right >= 5;
    f.eligible = f.ended && IsEligible(drill);
    for (const FilterState& state : drill.filters)
      if (std::find(f.modes.begin(), f.modes.end(), state.ModeCode) == f.modes.end()) f.modes.push_back(state.ModeCode);
    drills.push_back(std::move(f));
  }
  return drills;
}

void AttachDrillNotes(std::vector<DrillFigures>& drills, const DrillNotes& notes) {
  for (DrillFigures& d : drills) {
    const auto found = notes.find(d.offset);
    // A note for another day belongs to a log that was since replaced.
    if (found == notes.end() || found->second.day != DayOf(d.date)) continue;
    d.secondsOfDay = found->second.secondsOfDay;
    d.manners = found->second.manners;
  }
}

std::vector<ModeSeries> DailySeries(const ReportLog& log, const std::string& person) {
  const std::string key = PersonKey(person);
  std::map<int32_t, std::map<int32_t, DayFigures>> byMode;
  for (const LoggedDrill& drill : log.drills) {
    if (!IsPerson(drill, key)) continue;
    const int32_t day = DayOf(drill.date);
    for (const LoggedSegment& s : drill.segments) {
      if (s.modeCode < 0) continue;
      DayFigures& d = byMode[s.modeCode][day];
      d.day = day;
      d.Add(s);
    }
  }
  std::vector<ModeSeries> series;
  for (const auto& [mode, days] : byMode) {
    ModeSeries m;
    m.modeCode = mode;
    for (const auto& entry : days) m.days.push_back(entry.second);
    series.push_back(std::move(m));
  }
  return series;
}

std::vector<ModeSeries> DrillSeries(const ReportLog& log, const std::string& person) {
  const std::string key = PersonKey(person);
  std::map<int32_t, std::vector<DayFigures>> byMode;
  int32_t number = 0;
  for (const LoggedDrill& drill : log.drills) {
    if (!IsPerson(drill, key) || drill.segments.empty()) continue;
    ++number;
    for (const LoggedSegment& s : drill.segments) {
      if (s.modeCode < 0) continue;
      std::vector<DayFigures>& points = byMode[s.modeCode];
      if (points.empty() || points.back().day != number) points.push_back(DayFigures{{}, number});
      points.back().Add(s);
    }
  }
  std::vector<ModeSeries> series;
  for (auto& [mode, points] : byMode) series.push_back(ModeSeries{mode, std::move(points)});
  return series;
}

int32_t DaysDrilled(const ReportLog& log, const std::string& person) {
  const std::string key = PersonKey(person);
  std::set<int32_t> days;
  for (const LoggedDrill& drill : log.drills)
    if (IsPerson(drill, key) && !drill.segments.empty()) days.insert(DayOf(drill.date));
  return static_cast<int32_t>(days.size());
}

std::vector<WeekFigures> WeeklyPractice(const ReportLog& log, const std::string& person,
                                        const std::vector<std::pair<int32_t, int64_t>>& more) {
  const std::string key = PersonKey(person);
  std::map<int32_t, int64_t> byWeek;
  for (const auto& [day, seconds] : more) byWeek[WeekStartOf(day)] += seconds;
  for (const LoggedDrill& drill : log.drills) {
    if (!IsPerson(drill, key) || drill.segments.empty()) continue;
    int64_t& seconds = byWeek[WeekStartOf(DayOf(drill.date))];
    for (const LoggedSegment& s : drill.segments) seconds += s.seconds;
  }
  std::vector<WeekFigures> weeks;
  if (byWeek.empty()) return weeks;
  const int32_t first = byWeek.begin()->first;
  const int32_t last = byWeek.rbegin()->first;
  for (int64_t week = first; week <= last; week += 7) {
    const auto found = byWeek.find(static_cast<int32_t>(week));
    weeks.push_back({static_cast<int32_t>(week), found == byWeek.end() ? 0 : found->second});
  }
  return weeks;
}

std::string ModesText(const std::vector<int32_t>& modes, std::string (*name)(int32_t)) {
  std::vector<std::string> names;
  for (int32_t mode : modes) {
    std::string n = name(mode);
    if (std::find(names.begin(), names.end(), n) == names.end()) names.push_back(std::move(n));
  }
  std::string text;
  for (const std::string& n : names) text += (text.empty() ? "" : " / ") + n;
  return text;
}

std::string OneDecimal(const std::optional<double>& value) {
  if (!value) return {};
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.1f", *value);
  return buffer;
}

std::string ProgressCsv(const std::string& person, const std::vector<DrillFigures>& drills) {
  std::string csv =
      "Name,Date,Time,Range,Cardinality,Play,Right,Wrong,Accuracy %,Seconds per right answer,Eligible\r\n";
  const std::string name = CsvField(Utf8(person));
  for (const DrillFigures& d : drills) {
    csv += name + "," + IsoDate(DayOf(d.date)) + "," + TimeOfDayText(d.secondsOfDay) + "," +
           CsvField(ModesText(d.modes, RangeName)) + "," + CsvField(ModesText(d.modes, CardinalityName)) + "," +
           CsvField(MannersText(d.manners)) + "," + std::to_string(d.right) + "," +
           std::to_string(d.wrong) + "," + OneDecimal(d.Accuracy()) + "," + OneDecimal(d.SecondsPerRight()) + "," +
           (d.eligible ? "yes" : d.ended ? "no" : "not ended") + "\r\n";
  }
  return csv;
}
