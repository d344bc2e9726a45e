#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ErrorStats.h"

namespace {

// 3-11 (0, 3, 7), form A, as the catalogue builds it.
constexpr int32_t kMinorTriadA[kRipRows][3] = {{3, 7, 0}, {7, 15, 0}, {4, 9, 0}, {9, 16, 0}, {5, 8, 0}, {8, 17, 0}};
// 3-12 (0, 4, 8): every rotation gives the same two rows.
constexpr int32_t kAugmented[kRipRows][3] = {{4, 8, 0}, {8, 16, 0}, {4, 8, 0}, {8, 16, 0}, {4, 8, 0}, {8, 16, 0}};

ErrorStats RandomStats(unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int32_t> count(0, 100000);
  ErrorStats s{};
  for (auto& c : s) {
    for (int f = 0; f < 2; ++f) {
      c.Correct[f] = count(rng);
      c.Wrong[f] = count(rng);
      for (int r = 0; r < kRipRows; ++r) {
        c.CorrectByRip[f][r] = count(rng);
        c.WrongByRip[f][r] = count(rng);
      }
    }
    for (auto& v : c.ConfusedWith) v = count(rng);
  }
  return s;
}

bool SameStats(const ErrorStats& a, const ErrorStats& b) { return FormatErrorStats(a) == FormatErrorStats(b); }

std::string ZeroLine() {
  std::string line;
  for (int i = 0; i < kStatCounts; ++i) line += "0 ";
  return line + "\r\n";
}

}  // namespace

TEST(ErrorStatsFile, EmptyStatisticsAre41LinesOf101ZerosEachFollowedByABlank) {
  ErrorStats s{};
  std::string expected;
  for (int i = 0; i < kStatClasses; ++i) expected += ZeroLine();
  EXPECT_EQ(FormatErrorStats(s), expected);
}

TEST(ErrorStatsFile, CountsAppearInTheFileOrder) {
  ErrorStats s{};
  SetClassStats& c = s[40];
  c.Correct[0] = 1;
  c.Wrong[0] = 2;
  c.CorrectByRip[0][0] = 3;
  c.WrongByRip[0][0] = 4;
  c.CorrectByRip[0][16] = 5;
  c.WrongByRip[0][16] = 6;
  c.Correct[1] = 7;
  c.Wrong[1] = 8;
  c.CorrectByRip[1][1] = 9;
  c.WrongByRip[1][16] = 10;
  c.ConfusedWith[0] = 11;
  c.ConfusedWith[28] = 12;

  // Per form: Correct, Wrong, then 17 pairs; then 29 confusions.
  std::string line = "1 2 3 4 ";
  for (int k = 1; k < 16; ++k) line += "0 0 ";
  line += "5 6 ";
  line += "7 8 0 0 9 0 ";
  for (int k = 2; k < 16; ++k) line += "0 0 ";
  line += "0 10 ";
  line += "11 ";
  for (int k = 1; k < 28; ++k) line += "0 ";
  line += "12 \r\n";

  const std::string text = FormatErrorStats(s);
  ASSERT_EQ(text.size(), 40 * ZeroLine().size() + line.size());
  EXPECT_EQ(text.substr(40 * ZeroLine().size()), line);
}

TEST(ErrorStatsFile, ReadsBackWhatItWrote) {
  for (unsigned seed : {1u, 2u, 3u}) {
    ErrorStats s = RandomStats(seed);
    EXPECT_TRUE(SameStats(ParseErrorStats(FormatErrorStats(s)), s));
  }
  // LF line breaks and any other spacing read the same.
  ErrorStats s = RandomStats(4);
  std::string text = FormatErrorStats(s);
  std::string lf;
  for (char ch : text) {
    if (ch == '\r') continue;
    lf += ch == ' ' ? "\t " : std::string(1, ch);
  }
  EXPECT_TRUE(SameStats(ParseErrorStats(lf), s));
}

TEST(ErrorStatsFile, DamagedFilesReadMissingAndBadCountsAsZero) {
  EXPECT_TRUE(SameStats(ParseErrorStats(""), ErrorStats{}));
  EXPECT_TRUE(SameStats(ParseErrorStats("   \r\n\r\n"), ErrorStats{}));

  // A short file: the first counts are read, the rest are 0.
  ErrorStats shortFile = ParseErrorStats("5 6 7");
  EXPECT_EQ(shortFile[0].Correct[0], 5);
  EXPECT_EQ(shortFile[0].Wrong[0], 6);
  EXPECT_EQ(shortFile[0].CorrectByRip[0][0], 7);
  EXPECT_EQ(shortFile[0].WrongByRip[0][0], 0);
  EXPECT_EQ(shortFile[1].Correct[0], 0);

  // Bad tokens read as 0 and keep their places, so later counts stay in theirs.
  ErrorStats bad = ParseErrorStats("x -3 99999999999 2147483647 +4 12abc 2147483648 -0 9");
  const SetClassStats& c = bad[0];
  EXPECT_EQ(c.Correct[0], 0);
  EXPECT_EQ(c.Wrong[0], 0);
  EXPECT_EQ(c.CorrectByRip[0][0], 0);
  EXPECT_EQ(c.WrongByRip[0][0], 2147483647);
  EXPECT_EQ(c.CorrectByRip[0][1], 4);
  EXPECT_EQ(c.WrongByRip[0][1], 0);
  EXPECT_EQ(c.CorrectByRip[0][2], 0);
  EXPECT_EQ(c.WrongByRip[0][2], 0);
  EXPECT_EQ(c.CorrectByRip[0][3], 9);

  // Extra tokens after the 4141 counts are ignored.
  ErrorStats s = RandomStats(5);
  EXPECT_TRUE(SameStats(ParseErrorStats(FormatErrorStats(s) + "1 2 3\r\n"), s));
}

TEST(ErrorStatsRip, FirstMatchingRowOrSixteen) {
  const int32_t closeRoot[4] = {60, 63, 67, 0};
  const int32_t openRoot[4] = {48, 55, 63, 0};       // 7, 15
  const int32_t firstInversion[4] = {51, 55, 60, 0};  // 4, 9
  const int32_t lastRow[4] = {43, 51, 60, 0};         // 8, 17
  const int32_t noRow[4] = {48, 63, 67, 0};           // 15, 19
  EXPECT_EQ(MatchRipRow(kMinorTriadA, closeRoot, 3), 0);
  EXPECT_EQ(MatchRipRow(kMinorTriadA, openRoot, 3), 1);
  EXPECT_EQ(MatchRipRow(kMinorTriadA, firstInversion, 3), 2);
  EXPECT_EQ(MatchRipRow(kMinorTriadA, lastRow, 3), 5);
  EXPECT_EQ(MatchRipRow(kMinorTriadA, noRow, 3), 16);
  // Distances are not reduced modulo 12: 60 63 79 is (3, 19), no row.
  const int32_t wide[4] = {60, 63, 79, 0};
  EXPECT_EQ(MatchRipRow(kMinorTriadA, wide, 3), 16);
  // Equal rows: the first one wins.
  const int32_t augmented[4] = {52, 56, 60, 0};
  EXPECT_EQ(MatchRipRow(kAugmented, augmented, 3), 0);

  // Tetrachords compare three distances; 4-Z15 form A (0, 1, 4, 6), rotation 1 spread.
  int32_t z15[kRipRows][3] = {};
  z15[0][0] = 1, z15[0][1] = 4, z15[0][2] = 6;
  z15[5][0] = 3, z15[5][1] = 5, z15[5][2] = 11;
  const int32_t tetra[4] = {44, 47, 49, 55};
  EXPECT_EQ(MatchRipRow(z15, tetra, 4), 5);
  const int32_t tetraNone[4] = {44, 47, 49, 56};
  EXPECT_EQ(MatchRipRow(z15, tetraNone, 4), 16);
  // The same three notes as a trichord question compare two distances only.
  EXPECT_EQ(MatchRipRow(z15, tetraNone, 3), 5);
}

TEST(ErrorStatsAnswers, CountsByFormRipAndConfusionKeepTheirInvariants) {
  ErrorStats s{};
  // One question (3-11 inverted, row 2): wrong with X = 4, wrong with Y = 7, right.
  AddWrongAnswer(s, 10, 1, 2, 4);
  AddWrongAnswer(s, 10, 1, 2, 7);
  AddCorrectAnswer(s, 10, 1, 2);
  // Another question on the same class, form A, no matching voicing.
  AddCorrectAnswer(s, 10, 0, 16);
  AddWrongAnswer(s, 10, 0, 16, 4);

  const SetClassStats& c = s[10];
  EXPECT_EQ(c.Wrong[1], 2);
  EXPECT_EQ(c.Correct[1], 1);
  EXPECT_EQ(c.WrongByRip[1][2], 2);
  EXPECT_EQ(c.CorrectByRip[1][2], 1);
  EXPECT_EQ(c.Correct[0], 1);
  EXPECT_EQ(c.CorrectByRip[0][16], 1);
  EXPECT_EQ(c.WrongByRip[0][16], 1);
  EXPECT_EQ(c.ConfusedWith[4], 2);
  EXPECT_EQ(c.ConfusedWith[7], 1);

  for (const SetClassStats& k : s) {
    int confusions = 0;
    for (int v : k.ConfusedWith) confusions += v;
    EXPECT_EQ(k.Wrong[0] + k.Wrong[1], confusions);
    for (int f = 0; f < 2; ++f) {
      int correct = 0, wrong = 0;
      for (int r = 0; r < kRipRows; ++r) {
        correct += k.CorrectByRip[f][r];
        wrong += k.WrongByRip[f][r];
      }
      EXPECT_EQ(k.Correct[f], correct);
      EXPECT_EQ(k.Wrong[f], wrong);
    }
  }

  // Indices outside their ranges change nothing.
  const std::string before = FormatErrorStats(s);
  AddCorrectAnswer(s, -1, 0, 0);
  AddCorrectAnswer(s, 41, 0, 0);
  AddCorrectAnswer(s, 0, 2, 0);
  AddCorrectAnswer(s, 0, 0, 17);
  AddWrongAnswer(s, 0, 0, 0, 29);
  AddWrongAnswer(s, 0, 0, 0, -1);
  EXPECT_EQ(FormatErrorStats(s), before);

  ClearStats(s);
  EXPECT_TRUE(SameStats(s, ErrorStats{}));
}

TEST(ErrorStatsAnswers, SumsStopAtTheLargestCount) {
  ErrorStats into = ParseErrorStats("2147483640 5");
  ErrorStats from{};
  from[0].Correct[0] = 100;
  from[0].Wrong[0] = 3;
  from[3].ConfusedWith[2] = 1;
  AddStats(into, from);
  EXPECT_EQ(into[0].Correct[0], 2147483647);
  EXPECT_EQ(into[0].Wrong[0], 8);
  EXPECT_EQ(into[3].ConfusedWith[2], 1);

  ErrorStats full = ParseErrorStats("2147483647 0 2147483647");
  AddCorrectAnswer(full, 0, 0, 0);
  EXPECT_EQ(full[0].Correct[0], 2147483647);
  EXPECT_EQ(full[0].CorrectByRip[0][0], 2147483647);
}
