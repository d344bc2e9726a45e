#include "ClassFigures.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "ConfusionMatrix.h"
#include "HighScores.h"

namespace {

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
  if (other.firstDay && (!firstDay || *other.firstDay < *firstDay)) firstDay = other.firstDay;
  if (other.lastDay && (!lastDay || *other.lastDay > *lastDay)) lastDay = other.lastDay;
  for (size_t m = 0; m < kModes; ++m) {
    AddTotals(byMode[m], other.byMode[m]);
    AddTotals(eligibleByMode[m], other.eligibleByMode[m]);
    bestScore[m] = Better(bestScore[m], other.bestScore[m]);
  }
  AddTotals(ineligible, other.ineligible);
  ineligibleDrills += other.ineligibleDrills;
  AddTotals(notEnded, other.notEnded);
  notEndedDrills += other.notEndedDrills;
  unverified += other.unverified;
  ambiguous += other.ambiguous;
  practiceQuestions += other.practiceQuestions;
  practiceFirstTry += other.practiceFirstTry;
  singQuestions += other.singQuestions;
  singFirstTry += other.singFirstTry;
  practiceSeconds += other.practiceSeconds;
  practiceQuestionsThisWeek += other.practiceQuestionsThisWeek;
  practiceSecondsThisWeek += other.practiceSecondsThisWeek;
  if (other.lastPracticeDay && (!lastPracticeDay || *other.lastPracticeDay > *lastPracticeDay))
    lastPracticeDay = other.lastPracticeDay;
}

ClassRowBuilder::ClassRowBuilder(int32_t today) : today_(today), weekStart_(WeekStartOf(today)) {}

void ClassRowBuilder::Add(const LoggedDrill& drill) {
  auto at = byName_.find(drill.person);
  if (at == byName_.end()) at = byName_.emplace(drill.person, &people_[PersonKey(drill.person)]).first;
  PersonFigures& p = *at->second;
  p.unverified += drill.unverified;
  p.ambiguous += drill.ambiguous;
  if (drill.segments.empty()) return;
  ++p.verifiedDrills;
  const int32_t day = DayOf(drill.date);
  if (!p.firstDay || day < *p.firstDay) p.firstDay = day;
  if (!p.lastDay || day > *p.lastDay) p.lastDay = day;
  AnswerTotals drillTotals;
  for (const LoggedSegment& segment : drill.segments) {
    drillTotals.Add(segment);
    if (segment.modeCode >= 0 && segment.modeCode < kModes) p.byMode[static_cast<size_t>(segment.modeCode)].Add(segment);
  }
  AddTotals(p.all, drillTotals);
  if (day >= weekStart_ && day <= today_) p.secondsThisWeek += drillTotals.seconds;
  if (drillTotals.right < kEndedFrom) {
    // Left by Exit or a new login before END: no score, whatever its filters.
    ++p.notEndedDrills;
    AddTotals(p.notEnded, drillTotals);
    return;
  }
  if (!IsEligible(drill)) {
    ++p.ineligibleDrills;
    AddTotals(p.ineligible, drillTotals);
    return;
  }
  const int32_t mode = drill.filters.front().ModeCode;
  AddTotals(p.eligibleByMode[static_cast<size_t>(mode)], drillTotals);
  const auto clamp = [](int64_t v, int64_t high) { return std::min<int64_t>(std::max<int64_t>(v, 0), high); };
  const ScoreResult score = ComputeScoreResult(
      static_cast<int32_t>(clamp(drillTotals.right, INT32_MAX)), static_cast<int32_t>(clamp(drillTotals.wrong, INT32_MAX)),
      static_cast<uint32_t>(clamp(drillTotals.seconds, UINT32_MAX / 1000) * 1000));
  auto& best = p.bestScore[static_cast<size_t>(mode)];
  best = Better(best, score.Score);
}

std::vector<PersonFigures> ClassRowBuilder::Rows(const ReportLog& counts) {
  for (const auto& [name, lost] : counts.lostByName) people_[PersonKey(name)].unverified += lost;
  std::vector<PersonFigures> rows;
  rows.reserve(people_.size() + 1);
  for (auto& [name, figures] : people_) {
    figures.name = name;
    rows.push_back(std::move(figures));
  }
  people_.clear();
  byName_.clear();
  if (counts.unknown > 0) {
    PersonFigures unknown;
    unknown.unknown = true;
    unknown.unverified = counts.unknown;
    rows.push_back(std::move(unknown));
  }
  return rows;
}

std::vector<PersonFigures> ClassRows(const ReportLog& log, int32_t today) {
  ClassRowBuilder builder(today);
  for (const LoggedDrill& drill : log.drills) builder.Add(drill);
  return builder.Rows(log);
}

std::optional<std::vector<PersonFigures>> ClassRowsOfFile(const std::string& fileName, int32_t today, ReportLog* counts,
                                                         const std::function<bool(uint64_t, uint64_t)>& progress) {
  ClassRowBuilder builder(today);
  ReportLogReader reader([&builder](LoggedDrill&& drill) { builder.Add(drill); });
  if (!ReadReportFile(fileName, reader, progress)) return std::nullopt;
  const ReportLog log = reader.Finish();
  if (counts) *counts = log;
  return builder.Rows(log);
}

namespace {

// By name, the unknown row after everyone.
bool RowBefore(const PersonFigures& a, bool unknown, const std::string& name) {
  if (a.unknown != unknown) return !a.unknown;
  return a.name < name;
}

}  // namespace

void MergeRows(std::vector<PersonFigures>& into, const std::vector<PersonFigures>& rows) {
  for (const PersonFigures& row : rows) {
    auto at = std::lower_bound(into.begin(), into.end(), row,
                               [](const PersonFigures& p, const PersonFigures& r) { return RowBefore(p, r.unknown, r.name); });
    if (at != into.end() && at->unknown == row.unknown && at->name == row.name) {
      at->Merge(row);
    } else {
      into.insert(at, row);
    }
  }
}

PersonFigures& RowOf(std::vector<PersonFigures>& rows, const std::string& utf8Name) {
  auto at = std::lower_bound(rows.begin(), rows.end(), utf8Name,
                             [](const PersonFigures& p, const std::string& name) { return RowBefore(p, false, name); });
  if (at != rows.end() && !at->unknown && at->name == utf8Name) return *at;
  PersonFigures row;
  row.name = utf8Name;
  return *rows.insert(at, std::move(row));
}

std::string MinutesSeconds(int64_t seconds) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%lld:%02lld", static_cast<long long>(seconds / 60),
                static_cast<long long>(seconds % 60));
  return buffer;
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

namespace {
std::string RowName(const PersonFigures& p) { return p.unknown ? "(unknown)" : p.name; }
}  // namespace

// Fields joined one by one: g++ 12 warns wrongly about "," + std::string.
std::string ClassCsv(const std::vector<PersonFigures>& rows, char separator, bool byteOrderMark) {
  std::string csv = byteOrderMark ? "\xEF\xBB\xBF" : "";
  bool first = true;
  const auto field = [&csv, &first, separator](const std::string& text) {
    if (!first) csv += separator;
    first = false;
    // Quoted when it holds the separator, a quote or a line break.
    if (text.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string::npos) {
      csv += text;
      return;
    }
    csv += '"';
    for (char c : text) {
      if (c == '"') csv += '"';
      csv += c;
    }
    csv += '"';
  };
  // Decimals with the separator's decimal mark: a ';' goes with a ','.
  const auto decimal = [separator](const std::optional<double>& value) {
    std::string text = OneDecimal(value);
    if (separator == ';')
      for (char& c : text)
        if (c == '.') c = ',';
    return text;
  };
  const auto endRow = [&csv, &first] {
    csv += "\r\n";
    first = true;
  };
  for (const char* head : {"name", "drills", "right", "wrong", "seconds", "time this week", "time in all", "first", "last"})
    field(head);
  for (int m = 0; m < kModes; ++m) {
    field("eligible accuracy " + ModeShortName(m));
    field("eligible seconds per right " + ModeShortName(m));
  }
  for (int m = 0; m < kModes; ++m) field("best score " + ModeShortName(m));
  for (const char* head : {"ineligible drills", "ineligible accuracy", "not ended drills", "not ended accuracy",
                           "unverified", "ambiguous", "practice questions", "practice first try %", "practice time",
                           "practice time this week", "sung questions", "sung first try"})
    field(head);
  endRow();
  for (const PersonFigures& p : rows) {
    field(RowName(p));
    for (int64_t n : {int64_t{p.verifiedDrills}, p.all.right, p.all.wrong, p.all.seconds}) field(std::to_string(n));
    field(MinutesSeconds(p.secondsThisWeek));
    field(MinutesSeconds(p.all.seconds));
    field(p.firstDay ? IsoDate(*p.firstDay) : std::string());
    field(LastText(p));
    for (const AnswerTotals& t : p.eligibleByMode) {
      field(decimal(t.Accuracy()));
      field(decimal(t.SecondsPerRight()));
    }
    for (const auto& best : p.bestScore) field(best ? std::to_string(*best) : std::string());
    field(std::to_string(p.ineligibleDrills));
    field(decimal(p.ineligible.Accuracy()));
    field(std::to_string(p.notEndedDrills));
    field(decimal(p.notEnded.Accuracy()));
    field(std::to_string(p.unverified));
    field(std::to_string(p.ambiguous));
    field(std::to_string(p.practiceQuestions));
    field(decimal(PracticeFirstTryPercent(p)));
    field(MinutesSeconds(p.practiceSeconds));
    field(MinutesSeconds(p.practiceSecondsThisWeek));
    field(std::to_string(p.singQuestions));
    field(std::to_string(p.singFirstTry));
    endRow();
  }
  return csv;
}

namespace {
std::optional<double> Percent(int32_t part, int32_t whole) {
  if (whole <= 0) return std::nullopt;
  return 100.0 * part / whole;
}
}  // namespace

std::optional<double> PracticeFirstTryPercent(const PersonFigures& p) {
  return Percent(p.practiceFirstTry, p.practiceQuestions);
}

std::optional<double> SingFirstTryPercent(const PersonFigures& p) { return Percent(p.singFirstTry, p.singQuestions); }

std::string ClassSummaryCsv(const std::vector<PersonFigures>& rows) {
  std::string csv =
      "name,right,wrong,seconds,unverified,last,drills,ambiguous,practice questions,practice first try,"
      "practice seconds,sung questions,sung first try\r\n";
  for (const PersonFigures& p : rows) {
    csv += CsvField(RowName(p));
    for (int64_t n : {p.all.right, p.all.wrong, p.all.seconds, int64_t{p.unverified}}) {
      csv += ',';
      csv += std::to_string(n);
    }
    csv += ',';
    csv += LastText(p);
    for (int64_t n : {int64_t{p.verifiedDrills}, int64_t{p.ambiguous}, int64_t{p.practiceQuestions},
                      int64_t{p.practiceFirstTry}, p.practiceSeconds, int64_t{p.singQuestions},
                      int64_t{p.singFirstTry}}) {
      csv += ',';
      csv += std::to_string(n);
    }
    csv += "\r\n";
  }
  return csv;
}

std::string ClassSummaryJson(const std::vector<PersonFigures>& rows) {
  std::string json = "[";
  for (size_t i = 0; i < rows.size(); ++i) {
    const PersonFigures& p = rows[i];
    json += i == 0 ? "\n  {\"name\": " : ",\n  {\"name\": ";
    json += p.unknown ? std::string("null") : JsonString(p.name);
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
    const std::pair<const char*, int64_t> more[] = {{"ambiguous", p.ambiguous},
                                                    {"practice questions", p.practiceQuestions},
                                                    {"practice first try", p.practiceFirstTry},
                                                    {"practice seconds", p.practiceSeconds},
                                                    {"sung questions", p.singQuestions},
                                                    {"sung first try", p.singFirstTry}};
    for (const auto& [key, value] : more) {
      json += ", \"";
      json += key;
      json += "\": ";
      json += std::to_string(value);
    }
    json += '}';
  }
  json += rows.empty() ? "]\n" : "\n]\n";
  return json;
}
