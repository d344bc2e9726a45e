// The score of an ended drill and the six high-score tables of hiscore.dat,
// without widgets or Qt (the reader is fuzzed on its own).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

inline constexpr const char* kHighScoreFileName = "hiscore.dat";
inline constexpr int kHighScoreTableCount = 6;  // one per ModeCode
inline constexpr int kMaxHighScores = 100;      // rows a table keeps in the file
inline constexpr int kHighScoreSlots = 101;     // one more, for the row an insertion pushes out

// --- the score ------------------------------------------------------------------

struct ScoreResult {
  int32_t Correct = 0;
  int32_t Incorrect = 0;
  int32_t ElapsedSeconds = 0;
  float TimePerInterval = 0;
  int32_t TimePoints = 0;
  float CorrectFraction = 0;
  int32_t Score = 0;
};

// Time per interval in single precision, time points truncated from 10000
// divided by it, the correct fraction in single precision, the score
// truncated; the arithmetic between them in double precision.
// A drill counts as lasting at least one whole second: under that the time
// points would divide by zero. Values that would not fit 32 bits saturate.
ScoreResult ComputeScoreResult(int32_t correct, int32_t incorrect, uint32_t elapsedMs);

// The five texts of the score window: time per interval, time points,
// percentage, longevity bonus, score.
struct ScoreTexts {
  std::string time, timePoints, percentage, longevity, score;
};
ScoreTexts FormatScoreTexts(const ScoreResult& result);

// --- the tables -----------------------------------------------------------------

struct HighScoreEntry {
  double Date = 0;  // whole days since 30 December 1899
  int32_t Correct = 0;
  int32_t Incorrect = 0;
  float TimePerInterval = 0;
  int32_t Score = 0;
};

// Rows 0..EntryCount[t]-1 of table t are in use, best first; among equal
// scores the older entry stands first.
struct HighScoreSet {
  std::array<std::array<HighScoreEntry, kHighScoreSlots>, kHighScoreTableCount> Rows{};
  std::array<int32_t, kHighScoreTableCount> EntryCount{};
};

// Reads the file's text (already cut at Ctrl-Z). Never fails: a count above
// 100 reads that many entries and keeps the first 100; a negative count reads
// none; a token that is not a number reads as 0 and keeps its place; NaN and
// infinities read as 0; the end of the text leaves the fields of an entry it
// cuts short 0 and the rest of the tables empty. Each table is then sorted
// stably by descending score.
HighScoreSet ParseHighScores(std::string_view text);

// The file's bytes: per table its count and up to 100 entries, "%g" for the
// floats, single spaces, CR LF after every line.
std::string FormatHighScores(const HighScoreSet& set);

// Puts the entry directly after every entry of the table with an equal or
// higher score and returns its row. A table already holding 101 rows loses
// its last one first. -1 for a table outside 0..5.
int InsertHighScore(HighScoreSet& set, int table, const HighScoreEntry& entry);

// Lowers every count above 100 to 100, as a save does.
void CapHighScores(HighScoreSet& set);

// One line of the list: "%2d. %8s   %3d  %3d  %2.1f%%  %3.1f %5d" from the
// row number (from 1), the date as mm/dd/yy, correct, incorrect, percentage,
// time per interval and score. 0 answers show 0.0%.
std::string HighScoreLine(int row, const HighScoreEntry& entry);

// A day number as mm/dd/yy; empty outside the years 1 to 9999.
std::string ShortDateText(double day);
