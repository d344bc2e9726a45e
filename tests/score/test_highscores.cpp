// The score of a drill and hiscore.dat, without windows.
#include <gtest/gtest.h>

#include <string>

#include "HighScores.h"

namespace {

HighScoreEntry Entry(double date, int correct, int incorrect, float time, int score) {
  return HighScoreEntry{date, correct, incorrect, time, score};
}

std::string Texts(const ScoreResult& r) {
  const ScoreTexts t = FormatScoreTexts(r);
  return t.time + " " + t.timePoints + " " + t.percentage + " " + t.longevity + " " + t.score;
}

}  // namespace

TEST(Score, FormulaTruncatesAtEachStep) {
  ScoreResult r = ComputeScoreResult(20, 5, 100999);  // 100.999 s are 100 whole seconds
  EXPECT_EQ(r.ElapsedSeconds, 100);
  EXPECT_EQ(Texts(r), "5.0 2000 80.0% 20 1620");
  r = ComputeScoreResult(143, 2, 331000);
  EXPECT_EQ(Texts(r), "2.3 4320 98.6% 143 4403");
  EXPECT_EQ(r.TimePerInterval, 331.0f / 143.0f);
  // 10000 / 3.2000000477 (3.2 in single precision) is 3124.99995: truncated.
  r = ComputeScoreResult(10, 0, 32000);
  EXPECT_EQ(r.TimePoints, 3124);
  EXPECT_EQ(r.Score, 3134);
  // 3333 x 0.6666667 (2/3 in single precision) + 6 = 2228.00007.
  EXPECT_EQ(Texts(ComputeScoreResult(6, 3, 18000)), "3.0 3333 66.7% 6 2228");
}

TEST(Score, ADrillUnderOneSecondCountsAsOneSecond) {
  // No division by zero: the score of a drill of one second. 10000 divided
  // by 0.2 in single precision (0.200000003) is 49999.9993.
  const ScoreResult r = ComputeScoreResult(5, 0, 999);
  EXPECT_EQ(r.ElapsedSeconds, 1);
  EXPECT_EQ(Texts(r), "0.2 49999 100.0% 5 50004");
  EXPECT_EQ(Texts(ComputeScoreResult(5, 0, 0)), Texts(r));
  // Values beyond 32 bits saturate rather than wrap.
  EXPECT_EQ(ComputeScoreResult(2000000000, 0, 1000).Score, 2147483647);
}

TEST(HighScores, InsertionGoesBelowEveryEqualOrHigherScore) {
  HighScoreSet set;
  EXPECT_EQ(InsertHighScore(set, 4, Entry(1, 1, 0, 1, 500)), 0);
  EXPECT_EQ(InsertHighScore(set, 4, Entry(2, 1, 0, 1, 900)), 0);
  EXPECT_EQ(InsertHighScore(set, 4, Entry(3, 1, 0, 1, 500)), 2);  // after the older 500
  EXPECT_EQ(InsertHighScore(set, 4, Entry(4, 1, 0, 1, 700)), 1);
  EXPECT_EQ(InsertHighScore(set, 4, Entry(5, 1, 0, 1, 100)), 4);
  EXPECT_EQ(set.EntryCount[4], 5);
  const double dates[] = {2, 4, 1, 3, 5};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(set.Rows[4][static_cast<size_t>(i)].Date, dates[i]);
  EXPECT_EQ(set.EntryCount[3] + set.EntryCount[5], 0);
  EXPECT_EQ(InsertHighScore(set, 6, Entry(6, 1, 0, 1, 100)), -1);
}

TEST(HighScores, FileByteForByte) {
  HighScoreSet set;
  InsertHighScore(set, 1, Entry(39001, 20, 5, 5, 1620));
  EXPECT_EQ(FormatHighScores(set), "0\r\n1\r\n39001 20 5 5 1620\r\n0\r\n0\r\n0\r\n0\r\n");
  InsertHighScore(set, 5, Entry(39002, 143, 2, 331.0f / 143, 4403));
  InsertHighScore(set, 5, Entry(1234567, -1, 0, 0.5, -7));
  EXPECT_EQ(FormatHighScores(set),
            "0\r\n1\r\n39001 20 5 5 1620\r\n0\r\n0\r\n0\r\n2\r\n39002 143 2 2.31469 4403\r\n"
            "1.23457e+06 -1 0 0.5 -7\r\n");
  // What is read is written back unchanged.
  const std::string text = FormatHighScores(set);
  EXPECT_EQ(FormatHighScores(ParseHighScores(text)), text);
  // LF and spacing do not matter to the reader, nor does what follows Ctrl-Z.
  EXPECT_EQ(FormatHighScores(ParseHighScores("0\n1\n  39001\t20 5\n5 1620\n0\n0\n0\n0\n")),
            "0\r\n1\r\n39001 20 5 5 1620\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST(HighScores, DamagedFilesKeepEveryReadableEntry) {
  struct Case {
    const char* text;
    const char* written;
  } cases[] = {
      // A negative count reads none; the next number is the next table's count.
      {"-3\n1\n39001 20 5 5 1620\n", "0\r\n1\r\n39001 20 5 5 1620\r\n0\r\n0\r\n0\r\n0\r\n"},
      // Not a number: 0 in its place; NaN and infinities: 0.
      {"1\n39001 x 5 5 1620\n1\nnan 20 -5 inf 1e999\n",
       "1\r\n39001 0 5 5 1620\r\n1\r\n0 20 -5 0 0\r\n0\r\n0\r\n0\r\n0\r\n"},
      // Half a number is no number; a fraction in a count field is cut.
      {"1.9\n5.5.5 20.7 5 5 1620\n", "1\r\n0 20 5 5 1620\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
      // The end of the file: the entry cut short keeps what it has.
      {"0\n3\n39001 20 5 5 1620\n39002 7", "0\r\n2\r\n39001 20 5 5 1620\r\n39002 7 0 0 0\r\n0\r\n0\r\n0\r\n0\r\n"},
      // Out of score order: sorted stably, best first.
      {"3\n1 1 0 1 10\n2 1 0 1 30\n3 1 0 1 10\n",
       "3\r\n2 1 0 1 30\r\n1 1 0 1 10\r\n3 1 0 1 10\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
      {"", "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatHighScores(ParseHighScores(c.text)), c.written) << c.text;

  // A count above 100 reads its entries (so the next table stays in place)
  // and keeps the first 100.
  std::string text = "150\n";
  for (int i = 0; i < 150; ++i) text += "1 1 0 1 " + std::to_string(150 - i) + "\n";
  text += "1\n39001 20 5 5 1620\n";
  const HighScoreSet set = ParseHighScores(text);
  EXPECT_EQ(set.EntryCount[0], 100);
  EXPECT_EQ(set.Rows[0][99].Score, 51);
  EXPECT_EQ(set.EntryCount[1], 1);
  EXPECT_EQ(set.Rows[1][0].Score, 1620);
}

TEST(HighScores, ListLinesAndDates) {
  EXPECT_EQ(HighScoreLine(0, Entry(38995, 20, 5, 5, 1620)), " 1. 10/05/06    20    5  80.0%  5.0  1620");
  // No answers at all read 0.0%, never nan; a date beyond the calendar is blank.
  EXPECT_EQ(HighScoreLine(2, Entry(1e300, 0, 0, 0, 0)), " 3.              0    0  0.0%  0.0     0");
  EXPECT_EQ(ShortDateText(60.5), "02/28/00");  // 28 February 1900
  EXPECT_EQ(ShortDateText(2958465), "12/31/99");
  EXPECT_EQ(ShortDateText(2958466), "");
  EXPECT_EQ(ShortDateText(-693593), "01/01/01");
}
