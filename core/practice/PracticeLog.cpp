#include "PracticeLog.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

#include <fcntl.h>
#include <unistd.h>

#include "Clock.h"
#include "Storage.h"

namespace {

std::string Hex8(uint32_t value) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%08x", value);
  return buffer;
}

// Everything but the check, in line order: the part the check covers.
std::string CheckedText(std::string_view head, std::string_view escapedName) {
  std::string text(head);
  text += ' ';
  text += escapedName;
  return text;
}

}  // namespace

uint32_t PracticeHash(std::string_view bytes, uint32_t hash) {
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 16777619u;
  }
  return hash;
}

std::string EscapePracticeName(const std::string& name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\0': out += "\\0"; break;
      case '\x1a': out += "\\z"; break;
      default: out += c;
    }
  }
  return out;
}

std::optional<std::string> UnescapePracticeName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      // Written escaped, so met raw only in a damaged line; taken as it is,
      // the reader filtering by name would disagree with the one that is not.
      if (text[i] == '\0' || text[i] == '\r' || text[i] == '\x1a') return std::nullopt;
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case '0': out += '\0'; break;
      case 'z': out += '\x1a'; break;
      default: return std::nullopt;
    }
  }
  return out;
}

// "3-11", "4-Z15": a cardinality, a hyphen, then letters and digits.
bool ValidClassName(std::string_view name) {
  if (name.size() < 3 || name.size() > 8 || name[1] != '-') return false;
  if (name[0] < '1' || name[0] > '9') return false;
  for (size_t i = 2; i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
  }
  return true;
}

namespace {

std::optional<int64_t> Digits(std::string_view text, int64_t high) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > high) return std::nullopt;
  return value;
}

// A number as the log writes it: no leading zero, so that the line is the record's own.
std::optional<int64_t> Number(std::string_view text, int64_t high) {
  if (text.size() > 1 && text[0] == '0') return std::nullopt;
  return Digits(text, high);
}

}  // namespace

bool ParsePracticeTime(std::string_view text, int32_t& day, int32_t& secondOfDay) {
  // yyyy-mm-ddThh:mm:ss
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':')
    return false;
  const auto y = Digits(text.substr(0, 4), 9999), mo = Digits(text.substr(5, 2), 12), d = Digits(text.substr(8, 2), 31);
  const auto h = Digits(text.substr(11, 2), 23), mi = Digits(text.substr(14, 2), 59), s = Digits(text.substr(17, 2), 59);
  if (!y || !mo || !d || !h || !mi || !s || *mo < 1 || *d < 1) return false;
  day = DayOfCivil(*y, static_cast<int>(*mo), static_cast<int>(*d));
  const PlatformCivilDate back = PlatformDateOfDay(day);
  if (back.month != *mo || back.day != *d) return false;  // 31 February
  secondOfDay = static_cast<int32_t>(*h * 3600 + *mi * 60 + *s);
  return true;
}

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace

int32_t DayOfCivil(int64_t year, int month, int day) {
  // Days from 1 March of year 0 (era arithmetic), then shifted to 30 December 1899.
  year -= month <= 2 ? 1 : 0;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int64_t yoe = year - era * 400;
  const int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const int64_t unixDay = era * 146097 + doe - 719468;
  return static_cast<int32_t>(unixDay + 25569);
}

std::string PracticeTimeText(int32_t day, int32_t secondOfDay) {
  const PlatformCivilDate date = PlatformDateOfDay(day);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04lld-%02d-%02dT%02d:%02d:%02d", static_cast<long long>(date.year),
                date.month, date.day, secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  return buffer;
}

void PracticeNow(int32_t& day, int32_t& secondOfDay) {
  day = static_cast<int32_t>(CoreClock().Today());
  secondOfDay = CoreClock().SecondOfDay();
  if (secondOfDay < 0 || secondOfDay > 86399) secondOfDay = 0;
}

std::string CheckedLogLine(const std::string& head, const std::string& person) {
  const std::string name = EscapePracticeName(person);
  return head + ' ' + Hex8(PracticeHash(CheckedText(head, name))) + ' ' + name;
}

bool LogCheckMatches(std::string_view head, std::string_view check, std::string_view escapedName) {
  return check.size() == 8 && Hex8(PracticeHash(CheckedText(head, escapedName))) == check;
}

std::string PracticeLine(const PracticeRecord& r) {
  std::string head = PracticeTimeText(r.day, r.secondOfDay);
  head += ' ';
  head += r.asked;
  head += r.form == 1 ? " B " : " A ";
  for (size_t i = 0; i < r.voicing.size(); ++i) {
    if (i) head += ',';
    head += std::to_string(r.voicing[i]);
  }
  if (r.voicing.empty()) head += '-';
  head += ' ';
  for (size_t i = 0; i < r.answers.size(); ++i) {
    if (i) head += ',';
    head += r.answers[i];
  }
  if (r.answers.empty()) head += '-';
  head += ' ';
  head += static_cast<char>(r.reveal);
  head += ' ';
  head += std::to_string(r.seconds);
  return CheckedLogLine(head, r.person);
}

std::optional<PracticeRecord> ParsePracticeLine(std::string_view line) {
  // Seven fields, the check, then the name after exactly one blank.
  size_t pos = 0;
  std::string_view f[8];
  for (int i = 0; i < 8; ++i) {
    const size_t end = line.find(' ', pos);
    if (end == std::string_view::npos || end == pos) return std::nullopt;
    f[i] = line.substr(pos, end - pos);
    pos = end + 1;
  }
  const std::string_view head = line.substr(0, static_cast<size_t>(f[7].data() - line.data()) - 1);
  const std::string_view escapedName = line.substr(pos);
  if (!LogCheckMatches(head, f[7], escapedName)) return std::nullopt;

  PracticeRecord r;
  if (!ParsePracticeTime(f[0], r.day, r.secondOfDay)) return std::nullopt;
  if (!ValidClassName(f[1])) return std::nullopt;
  r.asked = std::string(f[1]);
  if (f[2] != "A" && f[2] != "B") return std::nullopt;
  r.form = f[2] == "B" ? 1 : 0;
  if (f[3] != "-") {
    for (std::string_view part : Split(f[3], ',')) {
      const auto value = Number(part, 127);
      if (!value) return std::nullopt;
      r.voicing.push_back(static_cast<int32_t>(*value));
    }
  }
  if (f[4] != "-") {
    for (std::string_view part : Split(f[4], ',')) {
      if (!ValidClassName(part)) return std::nullopt;
      r.answers.emplace_back(part);
    }
  }
  if (f[5].size() != 1 || (f[5][0] != 'N' && f[5][0] != 'S' && f[5][0] != 'A')) return std::nullopt;
  r.reveal = static_cast<Reveal>(f[5][0]);
  const auto seconds = Number(f[6], 0xffffffffLL);
  if (!seconds) return std::nullopt;
  r.seconds = static_cast<uint32_t>(*seconds);
  auto name = UnescapePracticeName(escapedName);
  if (!name) return std::nullopt;
  r.person = std::move(*name);
  return r;
}

namespace {

// The name field as written: after the eighth blank. Empty view when the line
// has fewer fields.
std::optional<std::string_view> NameField(std::string_view line) {
  size_t pos = 0;
  for (int i = 0; i < 8; ++i) {
    pos = line.find(' ', pos);
    if (pos == std::string_view::npos) return std::nullopt;
    ++pos;
  }
  return line.substr(pos);
}

}  // namespace

std::string_view PracticeLogEnd(std::string_view text) {
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == '\r' || text[end - 1] == '\n')) --end;
  return end > 0 && text[end - 1] == '\x1a' ? text.substr(0, end - 1) : text;
}

void ForEachLogLine(std::string_view text, const std::function<void(std::string_view)>& take) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) take(line);
  }
}

PracticeLog ParsePracticeLines(std::string_view text, const std::string* person) {
  const std::string wanted = person ? EscapePracticeName(*person) : std::string();
  PracticeLog log;
  ForEachLogLine(text, [&](std::string_view line) {
    ++log.lines;
    // Other people's lines are passed over unread: a drill reads one person.
    if (person) {
      const auto name = NameField(line);
      if (name && *name != wanted) return;
    }
    auto record = ParsePracticeLine(line);
    if (!record) {
      ++log.damaged;
      return;
    }
    if (person && record->person != *person) return;
    log.records.push_back(std::move(*record));
  });
  return log;
}

PracticeLog ParsePracticeLog(std::string_view text, const std::string* person) {
  return ParsePracticeLines(PracticeLogEnd(text), person);
}

std::optional<std::string> ReadPracticeFileBytes(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (n == 0) break;
    bytes.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::optional<PracticeLog> LoadPracticeLog(const std::string& fileName, const std::string* person) {
  if (!DataStorage().Exists(fileName)) return PracticeLog{};
  auto text = DataStorage().ReadAll(fileName);
  if (!text) return std::nullopt;
  return ParsePracticeLog(*text, person);
}

bool AppendPracticeRecord(const std::string& fileName, const PracticeRecord& record) {
  // Locked as report.dat is, and on a line of its own even after a torn
  // write. A class sharing a folder shares the file.
  return DataStorage().Append(fileName, PracticeLine(record) + "\r\n", true);
}
