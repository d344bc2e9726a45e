#include "ReportRecords.h"

#include <cstdio>

#include "Clock.h"
#include "NumberText.h"

namespace report_record {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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

// At most `n` blank-separated fields into `f`; their count, or n + 1 when more follow.
size_t SplitFields(std::string_view text, std::string_view* f, size_t n) {
  size_t count = 0;
  for (size_t p = 0; p < text.size();) {
    while (p < text.size() && IsBlank(text[p])) ++p;
    const size_t start = p;
    while (p < text.size() && !IsBlank(text[p])) ++p;
    if (p == start) break;
    if (count == n) return n + 1;
    f[count++] = text.substr(start, p - start);
  }
  return count;
}

}  // namespace

std::optional<double> Number(std::string_view field) {
  if (field.empty() || field.size() > 40) return std::nullopt;
  for (char c : field) {
    const bool ok = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
    if (!ok) return std::nullopt;
  }
  // A stream accepts a plus sign where the plain notation has none.
  if (field.front() == '+') field.remove_prefix(1);
  if (field.empty() || field.front() == '+') return std::nullopt;
  // Plain [-]digits[.digits] with at most 15 digits is read exactly here: the
  // digits as a whole number and one division by an exact power of ten round
  // correctly, as the general path does. Anything else takes the general path.
  static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  std::string_view digits = field;
  const bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  int64_t mantissa = 0;
  int count = 0;
  int fraction = -1;
  bool plain = !digits.empty();
  for (char c : digits) {
    if (c == '.' && fraction < 0) {
      fraction = 0;
    } else if (c >= '0' && c <= '9' && count < 15) {
      mantissa = mantissa * 10 + (c - '0');
      ++count;
      if (fraction >= 0) ++fraction;
    } else {
      plain = false;
      break;
    }
  }
  if (plain && count > 0 && fraction != 0) {
    const double value = static_cast<double>(mantissa) / kTens[fraction > 0 ? fraction : 0];
    return negative ? -value : value;
  }
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
  std::string_view f[3];
  if (SplitFields(rest, f, 3) != 3) return std::nullopt;
  constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
  const auto mode = Integer(f[0], 0, 5);
  const auto low = Integer(f[1], kMin, kMax);
  const auto high = Integer(f[2], kMin, kMax);
  if (!mode || !low || !high) return std::nullopt;
  return FilterState{static_cast<int32_t>(*low), static_cast<int32_t>(*high), static_cast<int32_t>(*mode)};
}

std::optional<SegmentFields> ReadSegmentFields(std::string_view rest) {
  std::string_view f[4];
  if (SplitFields(rest, f, 4) != 4) return std::nullopt;
  const auto correct = Integer(f[0], 0, std::numeric_limits<int32_t>::max());
  const auto incorrect = Integer(f[1], 0, std::numeric_limits<int32_t>::max());
  const auto seconds = Integer(f[2], 0, std::numeric_limits<uint32_t>::max());
  const auto check = Number(f[3]);
  if (!correct || !incorrect || !seconds || !check) return std::nullopt;
  return SegmentFields{static_cast<int32_t>(*correct), static_cast<int32_t>(*incorrect),
                       static_cast<uint32_t>(*seconds), *check};
}

LoggedSegment SegmentOf(const SegmentFields& d, const LoggedDrill& drill) {
  LoggedSegment segment;
  segment.correct = d.correct;
  segment.incorrect = d.incorrect;
  segment.seconds = d.seconds;
  segment.modeCode = drill.filters.empty() || drill.filtersUnknown ? -1 : drill.filters.back().ModeCode;
  return segment;
}

}  // namespace report_record

std::string Utf8(const std::string& bytes) {
  std::string out;
  size_t i = 0;
  while (i < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[i]);
    size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    bool valid = length > 0 && i + length <= bytes.size();
    for (size_t k = 1; valid && k < length; ++k) valid = (static_cast<unsigned char>(bytes[i + k]) >> 6) == 2;
    if (valid && length > 1) {
      const auto c1 = static_cast<unsigned char>(bytes[i + 1]);
      // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
      if (length == 2) valid = c >= 0xC2;
      if (length == 3) valid = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0);
      if (length == 4) valid = !(c == 0xF0 && c1 < 0x90) && c <= 0xF4 && !(c == 0xF4 && c1 >= 0x90);
    }
    if (valid) {
      out.append(bytes, i, length);
      i += length;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
      ++i;
    }
  }
  return out;
}

std::string PersonKey(const std::string& name) { return Utf8(name); }

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
