#include "ErrorStats.h"
#include "DrillWindowTest.h"

namespace {

struct Delta {
  int statIndex = -1;
  int position = -1;  // which count changed, in the order of errors.dat
};

std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> out;
  std::string token;
  for (char ch : text) {
    if (ch == ' ' || ch == '\r' || ch == '\n') {
      if (!token.empty()) out.push_back(token);
      token.clear();
    } else {
      token += ch;
    }
  }
  return out;
}

// Every count that differs between two snapshots, as (class, file position),
// compared through the file form so the struct's layout does not matter.
std::vector<Delta> Changes(const ErrorStats& before, const ErrorStats& after) {
  const std::vector<std::string> a = Tokens(FormatErrorStats(before));
  const std::vector<std::string> b = Tokens(FormatErrorStats(after));
  std::vector<Delta> changes;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i]) changes.push_back({static_cast<int>(i / kStatCounts), static_cast<int>(i % kStatCounts)});
  return changes;
}

// File positions: per form f, Correct at 36f, Wrong at 36f + 1, the RIP row
// pairs from 36f + 2; the confusions from 72.
int CorrectPos(int form) { return 36 * form; }
int WrongPos(int form) { return 36 * form + 1; }
int CorrectRipPos(int form, int row) { return 36 * form + 2 + 2 * row; }
int WrongRipPos(int form, int row) { return 36 * form + 3 + 2 * row; }
int ConfusedPos(int listIndex) { return 72 + listIndex; }

std::vector<int> Sorted(std::vector<int> v) {
  std::sort(v.begin(), v.end());
  return v;
}

// The row a voicing belongs to, checked against the entry's table: the first
// of rows 0..15 whose distances are those of the notes, else 16.
bool RipRowFits(const SetClassEntry& entry, int form, const std::vector<int>& heard, int row) {
  const std::vector<int> s = Sorted(heard);
  auto fits = [&](int r) {
    for (size_t i = 0; i + 1 < s.size(); ++i)
      if (entry.rip[form][r][i] != s[i + 1] - s[0]) return false;
    return true;
  };
  for (int r = 0; r < 16; ++r)
    if (fits(r)) return r == row;
  return row == 16;
}

std::string Line(const std::vector<std::pair<int, int>>& counts) {
  std::vector<int> line(kStatCounts, 0);
  for (auto [pos, value] : counts) line[static_cast<size_t>(pos)] = value;
  std::string text;
  for (int v : line) text += std::to_string(v) + " ";
  return text + "\r\n";
}

}  // namespace

class DrillStatsTest : public DrillWindowTest {
 protected:
  // Answers the standing question, first wrongly with `wrongFirst` when it is
  // >= 0, and checks what the answers added to the session statistics.
  struct Seen {
    bool formA = false, formB = false, row16 = false, spread = false;
  };

  void AnswerAndCheck(size_t& mark, Seen& seen, int statOffset, int wrongFirst = -1) {
    const std::vector<int> heard = HeardSince(mark);
    const int row = RowFor(heard);
    ASSERT_GE(row, 0);
    const int listIndex = Form1->answerRowMap[row];
    const SetClassEntry* entry = Form1->ListEntry(listIndex);
    ASSERT_NE(entry, nullptr);
    const int heardForm = FormHeard(heard, RowClass(row).prime);
    const int form = entry->hasDistinctInversion ? heardForm : 0;
    const int s = listIndex + statOffset;

    ErrorStats before = ErrorReport->SessionStats;
    if (wrongFirst >= 0) {
      const int x = WrongRowFor(heard, wrongFirst);
      AnswerByTyping(x);
      std::vector<Delta> d = Changes(before, ErrorReport->SessionStats);
      ASSERT_EQ(d.size(), 3u);
      EXPECT_EQ(d[0].statIndex, s);
      EXPECT_EQ(d[0].position, WrongPos(form));
      EXPECT_EQ(d[2].position, ConfusedPos(Form1->answerRowMap[x]));
      const int ripRow = (d[1].position - WrongRipPos(form, 0)) / 2;
      EXPECT_EQ(d[1].position, WrongRipPos(form, ripRow));
      EXPECT_TRUE(RipRowFits(*entry, form, heard, ripRow)) << ripRow;
      before = ErrorReport->SessionStats;
    }
    mark = Mark();
    AnswerByTyping(row);
    std::vector<Delta> d = Changes(before, ErrorReport->SessionStats);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0].statIndex, s);
    EXPECT_EQ(d[1].statIndex, s);
    EXPECT_EQ(d[0].position, CorrectPos(form));
    const int ripRow = (d[1].position - CorrectRipPos(form, 0)) / 2;
    EXPECT_EQ(d[1].position, CorrectRipPos(form, ripRow));
    EXPECT_TRUE(RipRowFits(*entry, form, heard, ripRow)) << ripRow;
    (form ? seen.formB : seen.formA) = true;
    if (ripRow == 16) seen.row16 = true;
    if (ripRow % 2 == 1) seen.spread = true;
  }

  static void ExpectInvariants() {
    for (const SetClassStats& k : ErrorReport->SessionStats) {
      int confusions = 0;
      for (int v : k.ConfusedWith) confusions += v;
      EXPECT_EQ(k.Wrong[0] + k.Wrong[1], confusions);
      for (int f = 0; f < 2; ++f) {
        int correct = 0, wrong = 0;
        for (int r = 0; r < kRipRows; ++r) correct += k.CorrectByRip[f][r], wrong += k.WrongByRip[f][r];
        EXPECT_EQ(k.Correct[f], correct);
        EXPECT_EQ(k.Wrong[f], wrong);
      }
    }
  }
};

TEST_F(DrillStatsTest, TrichordsInTwoOctavesCountByFormAndVoicing) {
  CreateAndShowLoggedIn();
  Form1->RadioGroup2->Button(2)->click();
  size_t mark = Mark();
  Form1->Button1->click();
  Seen seen;
  for (int q = 0; q < 60 && !(seen.formA && seen.formB && seen.spread); ++q)
    AnswerAndCheck(mark, seen, 0, q % 3 == 0 ? q % 5 : -1);
  EXPECT_TRUE(seen.formA);
  EXPECT_TRUE(seen.formB);
  EXPECT_TRUE(seen.spread);
  // Every accepted trichord voicing is a row of the table.
  EXPECT_FALSE(seen.row16);
  ExpectInvariants();
}

TEST_F(DrillStatsTest, TetrachordsCountAfterTheTrichordsAndOddVoicingsInRow16) {
  CreateAndShowLoggedIn();
  Form1->RadioGroup1->Button(1)->click();
  Form1->RadioGroup2->Button(2)->click();
  size_t mark = Mark();
  Form1->Button1->click();
  Seen seen;
  for (int q = 0; q < 60 && !(seen.formA && seen.formB && seen.row16); ++q)
    AnswerAndCheck(mark, seen, 12, q % 2 ? 3 : -1);
  EXPECT_TRUE(seen.formA && seen.formB);
  EXPECT_TRUE(seen.row16) << "two-octave voicings outside the table";
  for (int c = 0; c < 12; ++c) EXPECT_EQ(ErrorReport->SessionStats[static_cast<size_t>(c)].Correct[0], 0);
  ExpectInvariants();
}

TEST_F(DrillStatsTest, AnInvertedSymmetricClassCountsAsFormA) {
  CreateAndShowLoggedIn();
  // Only 3-12 (0, 4, 8), the last trichord.
  FilterForm->ApplyFilters(FilterState{1 << 11, 0, 0});
  ASSERT_EQ(Form1->ListBox->count(), 1);
  size_t mark = Mark();
  Form1->Button1->click();
  int inverted = 0;
  for (int q = 0; q < 20; ++q) {
    ASSERT_EQ(RowFor(HeardSince(mark)), 0);
    if (Form1->question.isFormB) ++inverted;
    mark = Mark();
    AnswerByTyping(0);
  }
  ASSERT_GT(inverted, 0) << "no inverted question to check";
  const SetClassStats& k = ErrorReport->SessionStats[11];
  EXPECT_EQ(k.Correct[0], 20);
  EXPECT_EQ(k.Correct[1], 0);
}

TEST_F(DrillStatsTest, CumulativeFileAddsTheDrillUnlessFiltersWereUsed) {
  CreateAndShowLoggedIn();
  size_t mark = Mark();
  Form1->Button1->click();
  const std::vector<int> heard = HeardSince(mark);
  const int row = RowFor(heard);
  const int listIndex = Form1->answerRowMap[row];
  const int form = Form1->ListEntry(listIndex)->hasDistinctInversion ? FormHeard(heard, RowClass(row).prime) : 0;
  AnswerByTyping(row);
  const SetClassStats& k = ErrorReport->SessionStats[static_cast<size_t>(listIndex)];
  int ripRow = 0;
  while (k.CorrectByRip[form][ripRow] == 0) ++ripRow;

  // No file yet: it is created holding this drill, byte for byte.
  ASSERT_FALSE(Form1->FiltersUsed);
  ErrorReport->UpdateCumulative();
  std::string expected;
  for (int c = 0; c < kStatClasses; ++c)
    expected += c == listIndex ? Line({{CorrectPos(form), 1}, {CorrectRipPos(form, ripRow), 1}}) : Line({});
  EXPECT_EQ(ReadFile("errors.dat"), expected);

  // An existing file, written by hand: the drill adds to it, and it comes
  // back in the program's own format.
  std::string byHand;
  for (int c = 0; c < kStatClasses; ++c) {
    for (int p = 0; p < kStatCounts; ++p) byHand += (c == listIndex && p == CorrectPos(form) ? "5" : "0") + std::string("\n");
  }
  QFile f("errors.dat");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(byHand.c_str());
  f.close();
  ErrorReport->UpdateCumulative();
  expected.clear();
  for (int c = 0; c < kStatClasses; ++c)
    expected += c == listIndex ? Line({{CorrectPos(form), 6}, {CorrectRipPos(form, ripRow), 1}}) : Line({});
  EXPECT_EQ(ReadFile("errors.dat"), expected);
  EXPECT_EQ(ErrorReport->CumulativeStats[static_cast<size_t>(listIndex)].Correct[form], 6);

  // FiltersUsed: nothing added, yet the file is rewritten (here from LF to CR LF).
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(byHand.c_str());
  f.close();
  Form1->FiltersUsed = true;
  ErrorReport->UpdateCumulative();
  expected.clear();
  for (int c = 0; c < kStatClasses; ++c) expected += c == listIndex ? Line({{CorrectPos(form), 5}}) : Line({});
  EXPECT_EQ(ReadFile("errors.dat"), expected);
  // The session's own statistics stay until the drill's end.
  EXPECT_EQ(ErrorReport->SessionStats[static_cast<size_t>(listIndex)].Correct[form], 1);

  // A damaged file reads its bad counts as 0.
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("7 x -3\r\n");
  f.close();
  Form1->FiltersUsed = true;
  ErrorReport->UpdateCumulative();
  expected = Line({{0, 7}});
  for (int c = 1; c < kStatClasses; ++c) expected += Line({});
  EXPECT_EQ(ReadFile("errors.dat"), expected);

  ErrorReport->ClearCumulative();
  ErrorReport->SaveCumulative();
  expected.clear();
  for (int c = 0; c < kStatClasses; ++c) expected += Line({});
  EXPECT_EQ(ReadFile("errors.dat"), expected);
}
