#include "SingLog.h"

#include <algorithm>
#include <charconv>

#include "DrillFiling.h"
#include "ReportReader.h"
#include "PracticeLog.h"
#include "Storage.h"

namespace {

// A whole decimal number within low..high, an optional sign first when signed.
std::optional<int32_t> Number(std::string_view text, int32_t low, int32_t high) {
  if (text.empty() || text.size() > 6 || text[0] == '+') return std::nullopt;
  int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
  return value;
}

template <typename Take>
bool EachPart(std::string_view field, Take take) {
  size_t start = 0;
  for (;;) {
    const size_t comma = field.find(',', start);
    if (!take(field.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)))
      return false;
    if (comma == std::string_view::npos) return true;
    start = comma + 1;
  }
}

constexpr int kFields = 10;  // before the name: the check is the tenth

}  // namespace

SingRecord MakeSingRecord(const SingExercise& e, const std::vector<SungNote>& sung, const SingVerdict& verdict,
                          int attempt, const std::string& person) {
  SingRecord r;
  PracticeNow(r.day, r.secondOfDay);
  r.setClass = e.className;
  r.exercise = e.kind == SingKind::Back ? 'B' : e.anyForm ? 'X' : 'C';
  r.form = e.inverted ? 1 : 0;
  r.startPitchClass = e.startPitchClass;
  r.played.assign(e.played.begin(), e.played.end());
  for (const SungNote& n : sung) {
    const int nearest = int(n.midi + (n.midi >= 0 ? 0.5 : -0.5));
    r.sung.push_back({std::clamp(nearest, 0, 127), std::clamp(n.cents, -50, 50)});
  }
  r.right = verdict.right;
  r.attempt = std::max(1, attempt);
  r.person = person;
  return r;
}

std::string SingLine(const SingRecord& r) {
  std::string head = PracticeTimeText(r.day, r.secondOfDay);
  head += ' ' + r.setClass + ' ' + r.exercise + (r.form == 1 ? " B " : " A ") + std::to_string(r.startPitchClass) + ' ';
  for (size_t i = 0; i < r.played.size(); ++i) head += (i ? "," : "") + std::to_string(r.played[i]);
  if (r.played.empty()) head += '-';
  head += ' ';
  for (size_t i = 0; i < r.sung.size(); ++i)
    head += (i ? "," : "") + std::to_string(r.sung[i].midi) + (r.sung[i].cents < 0 ? "" : "+") +
            std::to_string(r.sung[i].cents);
  if (r.sung.empty()) head += '-';
  head += r.right ? " R " : " W ";
  head += std::to_string(r.attempt);
  return CheckedLogLine(head, r.person);
}

std::optional<SingRecord> ParseSingLine(std::string_view line) {
  size_t pos = 0;
  std::string_view f[kFields];
  for (auto& field : f) {
    const size_t end = line.find(' ', pos);
    if (end == std::string_view::npos || end == pos) return std::nullopt;
    field = line.substr(pos, end - pos);
    pos = end + 1;
  }
  const std::string_view head = line.substr(0, size_t(f[9].data() - line.data()) - 1);
  const std::string_view escapedName = line.substr(pos);
  if (!LogCheckMatches(head, f[9], escapedName)) return std::nullopt;

  SingRecord r;
  if (!ParsePracticeTime(f[0], r.day, r.secondOfDay) || !ValidClassName(f[1])) return std::nullopt;
  r.setClass = std::string(f[1]);
  if (f[2] != "B" && f[2] != "C" && f[2] != "X") return std::nullopt;
  r.exercise = f[2][0];
  if (f[3] != "A" && f[3] != "B") return std::nullopt;
  r.form = f[3] == "B" ? 1 : 0;
  const auto start = Number(f[4], 0, 11);
  if (!start) return std::nullopt;
  r.startPitchClass = *start;
  if (f[5] != "-" && !EachPart(f[5], [&](std::string_view part) {
        const auto note = Number(part, 0, 127);
        if (note) r.played.push_back(*note);
        return note.has_value();
      }))
    return std::nullopt;
  if (f[6] != "-" && !EachPart(f[6], [&](std::string_view part) {
        const size_t sign = part.find_first_of("+-");
        if (sign == std::string_view::npos || sign == 0) return false;
        const auto note = Number(part.substr(0, sign), 0, 127);
        const auto cents = Number(part.substr(part[sign] == '+' ? sign + 1 : sign), -50, 50);
        if (!note || !cents || (part[sign] == '+' && part[sign + 1] == '-')) return false;
        r.sung.push_back({*note, *cents});
        return true;
      }))
    return std::nullopt;
  if (f[7] != "R" && f[7] != "W") return std::nullopt;
  r.right = f[7] == "R";
  const auto attempt = Number(f[8], 1, 999);
  if (!attempt) return std::nullopt;
  r.attempt = *attempt;
  auto name = UnescapePracticeName(escapedName);
  if (!name) return std::nullopt;
  r.person = std::move(*name);
  return r;
}

SingLog ParseSingLog(std::string_view text, const std::string* person) {
  SingLog log;
  ForEachLogLine(PracticeLogEnd(text), [&](std::string_view line) {
    ++log.lines;
    auto record = ParseSingLine(line);
    if (!record) {
      ++log.damaged;
      return;
    }
    if (person && record->person != *person) return;
    log.records.push_back(std::move(*record));
  });
  return log;
}

std::optional<SingLog> LoadSingLog(const std::string& fileName, const std::string* person) {
  if (!DataStorage().Exists(fileName)) return SingLog{};
  auto text = DataStorage().ReadAll(fileName);
  if (!text) return std::nullopt;
  return ParseSingLog(*text, person);
}

bool AppendSingRecord(const std::string& fileName, const SingRecord& record) {
  const std::string line = SingLine(record) + "\r\n";
  if (!DataStorage().Append(fileName, line, true)) return false;
  // Only what the file took goes to the class, as a part of its own.
  FileDrillPart(kSingFileName, line);
  return true;
}

SingCounts CountSing(const SingLog& log, const std::string* person) {
  SingCounts counts;
  const std::string key = person ? PersonKey(*person) : std::string();
  for (const SingRecord& r : log.records) {
    if (r.attempt != 1 || (person && PersonKey(r.person) != key)) continue;
    ++counts.sung;
    if (r.right) ++counts.firstTryRight;
  }
  return counts;
}

void AddClassSinging(std::vector<PersonFigures>& rows, const SingLog& log) {
  for (const SingRecord& r : log.records) {
    if (r.attempt != 1) continue;
    PersonFigures& row = RowOf(rows, PersonKey(r.person));
    ++row.singQuestions;
    if (r.right) ++row.singFirstTry;
  }
}
