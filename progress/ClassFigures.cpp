#include "ClassFigures.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "ConfusionMatrix.h"
#include "HighScores.h"

namespace {

// Scores of drills that reached the score window: END comes from the fifth
// right answer on.
constexpr int64_t kScoredFrom = 5;

std::optional<int32_t> Better(const std::optional<int32_t>& a, const std::optional<int32_t>& b) {
  if (!a) return b;
  if (!b) return a;
  return std::max(*a, *b);
}

void AddTotals(AnswerTotals& into, const AnswerTotals& from) {
  into.right += from.right;
  into.wrong += from.wrong;
  into.seconds += from.seconds;
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (char c : Utf8(text)) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (u < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string LastText(const PersonFigures& p) { return p.lastDay ? IsoDate(*p.lastDay) : std::string(); }

}  // namespace

void PersonFigures::Merge(const PersonFigures& other) {
  verifiedDrills += other.verifiedDrills;
  AddTotals(all, other.all);
  secondsThisWeek += other.secondsThisWeek;
  if (other.lastDay && (!lastDay || *other.lastDay > *lastDay)) lastDay = other.lastDay;
  for (int m = 0; m < kModes; ++m) {
    AddTotals(byMode[static_cast<size_t>(m)], other.byMode[static_cast<size_t>(m)]);
    bestScore[static_cast<size_t>(m)] = Better(bestScore[static_cast<size_t>(m)], other.bestScore[static_cast<size_t>(m)]);
  }
  unverified += other.unverified;
}

std::vector<PersonFigures> ClassRows(const ReportLog& log, int32_t today) {
  const int32_t weekStart = WeekStartOf(today);
  std::map<std::string, PersonFigures> people;
  for (const LoggedDrill& drill : log.drills) {
    PersonFigures& p = people[drill.person];
    p.unverified += drill.unverified;
    if (drill.segments.empty()) continue;
    ++p.verifiedDrills;
    const int32_t day = DayOf(drill.date);
    if (!p.lastDay || day > *p.lastDay) p.lastDay = day;
    AnswerTotals drillTotals;
    for (const LoggedSegment& segment : drill.segments) {
      drillTotals.Add(segment);
      if (segment.modeCode >= 0 && segment.modeCode < kModes) p.byMode[static_cast<size_t>(segment.modeCode)].Add(segment);
    }
    AddTotals(p.all, drillTotals);
    if (day >= weekStart && day <= today) p.secondsThisWeek += drillTotals.seconds;
    if (IsEligible(drill) && drillTotals.right >= kScoredFrom) {
      const int32_t mode = drill.filters.front().ModeCode;
      const auto clamp = [](int64_t v, int64_t high) { return std::min<int64_t>(std::max<int64_t>(v, 0), high); };
      const ScoreResult score = ComputeScoreResult(
          static_cast<int32_t>(clamp(drillTotals.right, INT32_MAX)), static_cast<int32_t>(clamp(drillTotals.wrong, INT32_MAX)),
          static_cast<uint32_t>(clamp(drillTotals.seconds, UINT32_MAX / 1000) * 1000));
      auto& best = p.bestScore[static_cast<size_t>(mode)];
      best = Better(best, score.Score);
    }
  }
  std::vector<PersonFigures> rows;
  rows.reserve(people.size());
  for (auto& [name, figures] : people) {
    figures.name = name;
    rows.push_back(std::move(figures));
  }
  return rows;
}

void MergeRows(std::vector<PersonFigures>& into, const std::vector<PersonFigures>& rows) {
  for (const PersonFigures& row : rows) {
    auto at = std::lower_bound(into.begin(), into.end(), row.name,
                               [](const PersonFigures& p, const std::string& name) { return p.name < name; });
    if (at != into.end() && at->name == row.name) {
      at->Merge(row);
    } else {
      into.insert(at, row);
    }
  }
}

std::vector<HardClass> HardestClasses(const ErrorStats& stats, int count, int64_t minAnswers) {
  std::vector<HardClass> classes;
  for (int c = 0; c < 2; ++c) {
    const ConfusionMatrix m = BuildConfusionMatrix(stats, c);
    for (int r = 0; r < m.size; ++r) {
      const auto accuracy = m.Accuracy(r);
      const int64_t total = m.RowTotal(r);
      if (!accuracy || total < std::max<int64_t>(minAnswers, 1)) continue;
      const int64_t right = m.counts[static_cast<size_t>(r)][static_cast<size_t>(r)];
      classes.push_back({c, r, right, total - right, *accuracy * 100});
    }
  }
  std::stable_sort(classes.begin(), classes.end(), [](const HardClass& a, const HardClass& b) {
    if (a.accuracy != b.accuracy) return a.accuracy < b.accuracy;
    return a.right + a.wrong > b.right + b.wrong;
  });
  if (classes.size() > static_cast<size_t>(std::max(count, 0))) classes.resize(static_cast<size_t>(std::max(count, 0)));
  return classes;
}

std::vector<Confusion> FrequentConfusions(const ErrorStats& stats, int count) {
  std::vector<Confusion> confusions;
  for (int c = 0; c < 2; ++c) {
    const ConfusionMatrix m = BuildConfusionMatrix(stats, c);
    for (int r = 0; r < m.size; ++r)
      for (int a = 0; a < m.size; ++a)
        if (a != r && m.counts[static_cast<size_t>(r)][static_cast<size_t>(a)] > 0)
          confusions.push_back({c, r, a, m.counts[static_cast<size_t>(r)][static_cast<size_t>(a)]});
  }
  std::stable_sort(confusions.begin(), confusions.end(),
                   [](const Confusion& x, const Confusion& y) { return x.count > y.count; });
  if (confusions.size() > static_cast<size_t>(std::max(count, 0)))
    confusions.resize(static_cast<size_t>(std::max(count, 0)));
  return confusions;
}

std::string ModeShortName(int32_t modeCode) {
  if (modeCode < 0 || modeCode >= kModes) return {};
  static const char* const kRanges[] = {"close", "1 oct", "2 oct"};
  return std::string(kRanges[modeCode % 3]) + (modeCode < 3 ? " 3" : " 4");
}

// Fields joined one by one: g++ 12 warns wrongly about "," + std::string.
std::string ClassCsv(const std::vector<PersonFigures>& rows) {
  std::string csv = "name,drills,right,wrong,seconds,minutes this week,minutes in all,last";
  const auto field = [&csv](const std::string& text) {
    csv += ',';
    csv += text;
  };
  for (int m = 0; m < kModes; ++m) {
    field("accuracy " + ModeShortName(m));
    field("seconds per right " + ModeShortName(m));
  }
  for (int m = 0; m < kModes; ++m) field("best score " + ModeShortName(m));
  csv += ",unverified\r\n";
  for (const PersonFigures& p : rows) {
    csv += CsvField(Utf8(p.name));
    for (int64_t n : {int64_t{p.verifiedDrills}, p.all.right, p.all.wrong, p.all.seconds, p.secondsThisWeek / 60,
                      p.all.seconds / 60})
      field(std::to_string(n));
    field(LastText(p));
    for (const AnswerTotals& t : p.byMode) {
      field(OneDecimal(t.Accuracy()));
      field(OneDecimal(t.SecondsPerRight()));
    }
    for (const auto& best : p.bestScore) field(best ? std::to_string(*best) : std::string());
    field(std::to_string(p.unverified));
    csv += "\r\n";
  }
  return csv;
}

std::string ClassSummaryCsv(const std::vector<PersonFigures>& rows) {
  std::string csv = "name,right,wrong,seconds,unverified,last\r\n";
  for (const PersonFigures& p : rows) {
    csv += CsvField(Utf8(p.name));
    for (int64_t n : {p.all.right, p.all.wrong, p.all.seconds, int64_t{p.unverified}}) {
      csv += ',';
      csv += std::to_string(n);
    }
    csv += ',';
    csv += LastText(p);
    csv += "\r\n";
  }
  return csv;
}

std::string ClassSummaryJson(const std::vector<PersonFigures>& rows) {
  std::string json = "[";
  for (size_t i = 0; i < rows.size(); ++i) {
    const PersonFigures& p = rows[i];
    json += i == 0 ? "\n  {\"name\": " : ",\n  {\"name\": ";
    json += JsonString(p.name);
    const std::pair<const char*, int64_t> numbers[] = {{"drills", p.verifiedDrills}, {"right", p.all.right},
                                                       {"wrong", p.all.wrong},       {"seconds", p.all.seconds},
                                                       {"unverified", p.unverified}};
    for (const auto& [key, value] : numbers) {
      json += ", \"";
      json += key;
      json += "\": ";
      json += std::to_string(value);
    }
    json += ", \"last\": ";
    if (p.lastDay) {
      json += '"';
      json += IsoDate(*p.lastDay);
      json += '"';
    } else {
      json += "null";
    }
    json += '}';
  }
  json += rows.empty() ? "]\n" : "\n]\n";
  return json;
}
