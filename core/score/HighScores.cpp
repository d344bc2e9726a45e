#include "HighScores.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Clock.h"
#include "NumberText.h"
#include "TokenReader.h"

namespace {

constexpr double kInt32Min = std::numeric_limits<int32_t>::min();
constexpr double kInt32Max = std::numeric_limits<int32_t>::max();

// Truncated toward zero; beyond 32 bits it stops at the limit, NaN is 0.
int32_t TruncToInt32(double value) {
  if (std::isnan(value)) return 0;
  return static_cast<int32_t>(std::clamp(std::trunc(value), kInt32Min, kInt32Max));
}

// Numbers are written and read the same whatever locale the program runs in.
std::string GeneralText(double value) { return GeneralNumberText(value, 6); }

std::string FixedText(double value, int decimals, size_t width) {
  std::string text = FixedNumberText(value, decimals);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

std::string IntText(int64_t value, size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

// A token as a finite number; anything else (a word, half a number, NaN, an
// infinity, a value beyond double range) is 0.
double NumberOf(const std::string& token) {
  std::string_view digits(token);
  // A stream takes a plus sign, but not before a minus.
  if (!digits.empty() && digits.front() == '+') {
    digits.remove_prefix(1);
    if (!digits.empty() && digits.front() == '-') return 0;
  }
  return DecimalNumber(digits).value_or(0);
}

bool ValidTable(int table) { return table >= 0 && table < kHighScoreTableCount; }

}  // namespace

// --- the score ------------------------------------------------------------------

ScoreResult ComputeScoreResult(int32_t correct, int32_t incorrect, uint32_t elapsedMs) {
  ScoreResult r;
  r.Correct = correct;
  r.Incorrect = incorrect;
  r.ElapsedSeconds = std::max<int32_t>(static_cast<int32_t>(elapsedMs / 1000), 1);
  r.TimePerInterval = correct > 0 ? static_cast<float>(static_cast<double>(r.ElapsedSeconds) / correct) : 0.0f;
  r.TimePoints = r.TimePerInterval > 0 ? TruncToInt32(10000.0 / static_cast<double>(r.TimePerInterval)) : 0;
  const int64_t answers = static_cast<int64_t>(correct) + incorrect;
  r.CorrectFraction = answers > 0 && correct > 0
                          ? static_cast<float>(static_cast<double>(correct) / static_cast<double>(answers))
                          : 0.0f;
  r.Score = TruncToInt32(static_cast<double>(r.TimePoints) * static_cast<double>(r.CorrectFraction) + correct);
  return r;
}

ScoreTexts FormatScoreTexts(const ScoreResult& result) {
  ScoreTexts t;
  t.time = FixedText(result.TimePerInterval, 1, 3);
  t.timePoints = std::to_string(result.TimePoints);
  t.percentage = FixedText(static_cast<double>(result.CorrectFraction) * 100, 1, 3) + "%";
  t.longevity = std::to_string(result.Correct);
  t.score = std::to_string(result.Score);
  return t;
}

// --- the tables -----------------------------------------------------------------

HighScoreSet ParseHighScores(std::string_view text) {
  HighScoreSet set;
  TokenReader reader(text);
  std::string token;
  auto next = [&](double& value) {
    if (!reader.ReadToken(token)) return false;
    value = NumberOf(token);
    return true;
  };
  bool more = true;
  for (int t = 0; t < kHighScoreTableCount && more; ++t) {
    double count = 0;
    if (!next(count)) break;
    auto& rows = set.Rows[static_cast<size_t>(t)];
    int32_t& kept = set.EntryCount[static_cast<size_t>(t)];
    // Every entry the count announces is read, so the tables after it keep
    // their places; only the first 100 are kept. An entry the text cuts
    // short keeps what it has, 0 for the rest.
    for (int32_t i = 0; i < TruncToInt32(count) && more; ++i) {
      double fields[5] = {};
      if (!next(fields[0])) break;
      for (int f = 1; f < 5 && more; ++f) more = next(fields[f]);
      HighScoreEntry entry;
      entry.Date = fields[0];
      entry.Correct = TruncToInt32(fields[1]);
      entry.Incorrect = TruncToInt32(fields[2]);
      if (std::abs(fields[3]) <= std::numeric_limits<float>::max())
        entry.TimePerInterval = static_cast<float>(fields[3]);
      entry.Score = TruncToInt32(fields[4]);
      if (kept < kMaxHighScores) rows[static_cast<size_t>(kept++)] = entry;
    }
  }
  // A table out of score order would lose a row to the next insertion.
  for (int t = 0; t < kHighScoreTableCount; ++t) {
    auto& rows = set.Rows[static_cast<size_t>(t)];
    std::stable_sort(rows.begin(), rows.begin() + set.EntryCount[static_cast<size_t>(t)],
                     [](const HighScoreEntry& a, const HighScoreEntry& b) { return a.Score > b.Score; });
  }
  return set;
}

std::string FormatHighScores(const HighScoreSet& set) {
  std::string text;
  for (int t = 0; t < kHighScoreTableCount; ++t) {
    const int32_t count = std::clamp(set.EntryCount[static_cast<size_t>(t)], 0, kMaxHighScores);
    text += std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
      const HighScoreEntry& e = set.Rows[static_cast<size_t>(t)][static_cast<size_t>(i)];
      text += GeneralText(e.Date) + ' ' + std::to_string(e.Correct) + ' ' + std::to_string(e.Incorrect) + ' ' +
              GeneralText(e.TimePerInterval) + ' ' + std::to_string(e.Score) + "\r\n";
    }
  }
  return text;
}

int InsertHighScore(HighScoreSet& set, int table, const HighScoreEntry& entry) {
  if (!ValidTable(table)) return -1;
  auto& rows = set.Rows[static_cast<size_t>(table)];
  int32_t& count = set.EntryCount[static_cast<size_t>(table)];
  count = std::clamp(count, 0, kHighScoreSlots - 1);
  int row = 0;
  while (row < count && rows[static_cast<size_t>(row)].Score >= entry.Score) ++row;
  std::move_backward(rows.begin() + row, rows.begin() + count, rows.begin() + count + 1);
  rows[static_cast<size_t>(row)] = entry;
  ++count;
  return row;
}

void CapHighScores(HighScoreSet& set) {
  for (int32_t& count : set.EntryCount) count = std::clamp(count, 0, kMaxHighScores);
}

std::string HighScoreLine(int row, const HighScoreEntry& entry) {
  const double answers = static_cast<double>(entry.Correct) + entry.Incorrect;
  double percent = answers != 0 ? entry.Correct / answers * 100 : 0;
  if (!std::isfinite(percent)) percent = 0;
  std::string date = ShortDateText(entry.Date);
  if (date.size() < 8) date.insert(0, 8 - date.size(), ' ');
  return IntText(row + 1, 2) + ". " + date + "   " + IntText(entry.Correct, 3) + "  " + IntText(entry.Incorrect, 3) +
         "  " + FixedText(percent, 1, 2) + "%  " + FixedText(entry.TimePerInterval, 1, 3) + " " +
         IntText(entry.Score, 5);
}

std::string ShortDateText(double day) {
  // The date part of a day number, counted from 30 December 1899.
  constexpr double kFirst = -693593;  // 1 January 1
  constexpr double kLast = 2958465;   // 31 December 9999
  if (!(day >= kFirst && day < kLast + 1)) return {};
  const PlatformCivilDate date = PlatformDateOfDay(static_cast<int64_t>(std::trunc(day)));
  const int64_t y = date.year, m = date.month, d = date.day;
  char buf[16];
  const auto two = [&](char* p, int64_t v) {
    p[0] = static_cast<char>('0' + v / 10 % 10);
    p[1] = static_cast<char>('0' + v % 10);
  };
  two(buf, m);
  buf[2] = '/';
  two(buf + 3, d);
  buf[5] = '/';
  two(buf + 6, y % 100);
  return std::string(buf, 8);
}
