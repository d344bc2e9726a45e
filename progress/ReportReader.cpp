#include "ReportReader.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <unordered_map>

#include "NumberText.h"
#include "Storage.h"
#include "TokenReader.h"
#include "Clock.h"
#include "SessionLog.h"

namespace {

// Day numbers of 1 January 100 and 31 December 9999: what a date can be.
constexpr double kFirstDay = -657434;
constexpr double kLastDay = 2958465;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::vector<std::string_view> Fields(std::string_view text) {
  std::vector<std::string_view> fields;
  size_t p = 0;
  while (p < text.size()) {
    while (p < text.size() && IsBlank(text[p])) ++p;
    const size_t start = p;
    while (p < text.size() && !IsBlank(text[p])) ++p;
    if (p > start) fields.push_back(text.substr(start, p - start));
  }
  return fields;
}

// A decimal integer within [low, high], nothing else in the field.
std::optional<int64_t> Integer(std::string_view field, int64_t low, int64_t high) {
  size_t p = 0;
  const bool negative = !field.empty() && field[0] == '-';
  if (negative || (!field.empty() && field[0] == '+')) ++p;
  if (p == field.size()) return std::nullopt;
  int64_t value = 0;
  for (; p < field.size(); ++p) {
    if (field[p] < '0' || field[p] > '9') return std::nullopt;
    value = value * 10 + (field[p] - '0');
    if (value > (int64_t{1} << 40)) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < low || value > high) return std::nullopt;
  return value;
}

// A finite decimal number as a stream writes a double: digits, an optional
// fraction and an optional exponent.
std::optional<double> Number(std::string_view field) {
  if (field.empty() || field.size() > 40) return std::nullopt;
  for (char c : field) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!ok) return std::nullopt;
  }
  // A stream accepts a plus sign where the plain notation has none.
  if (field.front() == '+') field.remove_prefix(1);
  if (field.empty() || field.front() == '+') return std::nullopt;
  return DecimalNumber(field);
}

std::optional<LoggedDrill> StartRecord(std::string_view rest) {
  // The name runs to the end of the line after the blank behind the index.
  const size_t dateEnd = rest.find(' ');
  if (dateEnd == std::string_view::npos) return std::nullopt;
  const size_t indexEnd = rest.find(' ', dateEnd + 1);
  const std::string_view index =
      rest.substr(dateEnd + 1, indexEnd == std::string_view::npos ? std::string_view::npos : indexEnd - dateEnd - 1);
  const auto date = Number(rest.substr(0, dateEnd));
  const auto person = Integer(index, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
  if (!date || !person || *date < kFirstDay || *date > kLastDay) return std::nullopt;
  LoggedDrill drill;
  drill.date = *date;
  drill.personIndex = static_cast<int32_t>(*person);
  if (indexEnd != std::string_view::npos) drill.person = std::string(rest.substr(indexEnd + 1));
  return drill;
}

std::optional<FilterState> FilterRecord(std::string_view rest) {
  const auto f = Fields(rest);
  if (f.size() != 3) return std::nullopt;
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  const auto mode = Integer(f[0], 0, 5);
  const auto low = Integer(f[1], kMin, kMax);
  const auto high = Integer(f[2], kMin, kMax);
  if (!mode || !low || !high) return std::nullopt;
  return FilterState{static_cast<int32_t>(*low), static_cast<int32_t>(*high), static_cast<int32_t>(*mode)};
}

// The fields of a D record, read once.
struct SegmentFields {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t seconds = 0;
  double check = 0;
};

std::optional<SegmentFields> ReadSegmentFields(std::string_view rest) {
  // Split by hand: the log holds a D record per drill, a vector each would show.
  std::string_view f[4];
  size_t count = 0;
  for (size_t p = 0; p < rest.size();) {
    while (p < rest.size() && IsBlank(rest[p])) ++p;
    const size_t start = p;
    while (p < rest.size() && !IsBlank(rest[p])) ++p;
    if (p == start) break;
    if (count == 4) return std::nullopt;
    f[count++] = rest.substr(start, p - start);
  }
  if (count != 4) return std::nullopt;
  const auto correct = Integer(f[0], 0, std::numeric_limits<int32_t>::max());
  const auto incorrect = Integer(f[1], 0, std::numeric_limits<int32_t>::max());
  const auto seconds = Integer(f[2], 0, std::numeric_limits<uint32_t>::max());
  const auto check = Number(f[3]);
  if (!correct || !incorrect || !seconds || !check) return std::nullopt;
  return SegmentFields{static_cast<int32_t>(*correct), static_cast<int32_t>(*incorrect),
                       static_cast<uint32_t>(*seconds), *check};
}

// Whether the D record's check value matches the drill it would belong to.
bool Matches(const SegmentFields& d, const LoggedDrill& drill) {
  const double expected = SegmentCheckValue(drill.person, drill.date, d.correct, d.incorrect);
  if (d.check == expected) return true;
  // Compared as written: the log keeps six significant digits, so only values
  // this close can be written alike.
  if (std::fabs(d.check - expected) > 1e-5 * std::max(std::fabs(d.check), std::fabs(expected)) + 1e-9) return false;
  return FormatLogDouble(d.check) == FormatLogDouble(expected);
}

LoggedSegment SegmentOf(const SegmentFields& d, const LoggedDrill& drill) {
  LoggedSegment segment;
  segment.correct = d.correct;
  segment.incorrect = d.incorrect;
  segment.seconds = d.seconds;
  segment.modeCode = drill.filters.empty() || drill.filtersUnknown ? -1 : drill.filters.back().ModeCode;
  return segment;
}

}  // namespace

namespace {

// The drills still open in a log that several copies append to, where each
// copy's records stand between the others'. Each person's latest drill is
// open (a later S of the same name ended the earlier one). A D record's check
// value plus its answers gives the name's byte sum plus the date of its drill
// when it is whole, which finds the candidates at once.
class OpenDrills {
 public:
  void Started(const ReportLog& log, size_t index) {
    const LoggedDrill& drill = log.drills[index];
    auto [at, fresh] = latest_.try_emplace(drill.person, index);
    if (!fresh) {
      Forget(log, at->second);
      at->second = index;
    }
    byKey_.emplace(KeyOf(drill), index);
  }

  // The latest open drill other than `tried` whose check value the record matches.
  std::optional<size_t> Find(const ReportLog& log, size_t tried, const SegmentFields& d) const {
    std::optional<size_t> found;
    const auto consider = [&](size_t index) {
      if (index != tried && (!found || index > *found) && Matches(d, log.drills[index])) found = index;
    };
    const double key = d.check + d.correct + 2.0 * d.incorrect;
    if (std::fabs(key) < kExactBelow) {
      const auto [first, last] = byKey_.equal_range(key);
      for (auto it = first; it != last; ++it) consider(it->second);
    } else {
      // Written with six significant digits: only a comparison as written tells.
      for (const auto& [name, index] : latest_) consider(index);
    }
    return found;
  }

 private:
  // Check values below this are written whole, so the key is exact.
  static constexpr double kExactBelow = 999999;

  static double KeyOf(const LoggedDrill& drill) { return SegmentCheckValue(drill.person, drill.date, 0, 0); }

  void Forget(const ReportLog& log, size_t index) {
    const auto [first, last] = byKey_.equal_range(KeyOf(log.drills[index]));
    for (auto it = first; it != last; ++it)
      if (it->second == index) {
        byKey_.erase(it);
        return;
      }
  }

  std::unordered_map<std::string, size_t> latest_;
  std::unordered_multimap<double, size_t> byKey_;
};

}  // namespace

ReportLog ParseReportLog(std::string_view text) {
  text = text.substr(0, text.find('\x1a'));
  ReportLog log;
  constexpr size_t kNone = static_cast<size_t>(-1);
  size_t drill = kNone;     // the drill the latest S record started; none after a damaged S
  size_t previous = kNone;  // the drill of the record just before, which an F record continues
  OpenDrills open;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    const size_t lineStart = pos;
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    ++log.records;
    const char kind = line[0];
    const bool shaped = line.size() >= 2 && line[1] == ' ' && (kind == 'S' || kind == 'F' || kind == 'D');
    const std::string_view rest = shaped ? line.substr(2) : std::string_view();
    const size_t before = previous;
    previous = kNone;
    if (shaped && kind == 'S') {
      auto started = StartRecord(rest);
      if (started) {
        started->offset = lineStart;
        log.drills.push_back(std::move(*started));
        drill = previous = log.drills.size() - 1;
        open.Started(log, drill);
        continue;
      }
      drill = kNone;
    } else if (shaped && kind == 'F' && (before != kNone || drill != kNone)) {
      // A filter change writes D then F: the F belongs to that D's drill.
      LoggedDrill& owner = log.drills[before != kNone ? before : drill];
      if (auto state = FilterRecord(rest)) {
        owner.filters.push_back(*state);
        previous = before != kNone ? before : drill;
        continue;
      }
      owner.filtersUnknown = true;
      ++owner.unverified;
    } else if (shaped && kind == 'D' && !log.drills.empty()) {
      if (const auto d = ReadSegmentFields(rest)) {
        if (drill != kNone && Matches(*d, log.drills[drill])) {
          log.drills[drill].segments.push_back(SegmentOf(*d, log.drills[drill]));
          previous = drill;
          continue;
        }
        // In a folder a class shares, another copy's records may stand
        // between a drill's S and its D.
        if (auto other = open.Find(log, drill, *d)) {
          log.drills[*other].segments.push_back(SegmentOf(*d, log.drills[*other]));
          previous = *other;
          continue;
        }
      }
      if (drill != kNone) ++log.drills[drill].unverified;
    } else if (drill != kNone) {
      ++log.drills[drill].unverified;
    }
    ++log.unverified;
  }
  return log;
}

std::optional<ReportLog> LoadReportLog(const std::string& fileName) {
  if (!DataStorage().Exists(fileName)) return ReportLog{};
  auto text = DataStorage().Read(fileName);
  if (!text) return std::nullopt;
  return ParseReportLog(*text);
}

bool IsEligible(const LoggedDrill& drill) {
  return !drill.filtersUnknown && drill.filters.size() == 1 && IsAllOn(drill.filters.front());
}

int32_t DayOf(double date) { return static_cast<int32_t>(std::floor(date)); }

std::string IsoDate(int32_t day) {
  const PlatformCivilDate date = PlatformDateOfDay(day);
  const int64_t y = date.year, m = date.month, d = date.day;
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, "%04lld-%02lld-%02lld", static_cast<long long>(y), static_cast<long long>(m),
                static_cast<long long>(d));
  return buffer;
}

int32_t WeekStartOf(int32_t day) {
  // Day 0, 30 December 1899, was a Saturday: five days after a Monday.
  const int32_t weekday = static_cast<int32_t>(((int64_t{day} + 5) % 7 + 7) % 7);
  return day - weekday;
}
