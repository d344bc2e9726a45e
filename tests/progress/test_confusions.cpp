#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Atonalfunctions.h"
#include "Catalogue.h"
#include "ConfusionMatrix.h"
#include "ScratchDir.h"
#include "SetClassPlayer.h"

namespace {

// errors.dat as the score window leaves it, read back as the window reads it.
ErrorStats KnownErrorsFile() {
  ErrorStats s{};
  // 3-11 (stat 10): 6 right (4 form A, 2 form B), 3 named 3-10, 1 named 3-1.
  for (int i = 0; i < 4; ++i) AddCorrectAnswer(s, 10, 0, 0);
  for (int i = 0; i < 2; ++i) AddCorrectAnswer(s, 10, 1, 3);
  for (int i = 0; i < 3; ++i) AddWrongAnswer(s, 10, 1, 2, 9);
  AddWrongAnswer(s, 10, 0, 16, 0);
  // 3-1 (stat 0): only wrong answers.
  AddWrongAnswer(s, 0, 0, 0, 11);
  // 4-Z15 (stat 12 + 14): 1 right, 1 named 4-29.
  AddCorrectAnswer(s, 26, 0, 0);
  AddWrongAnswer(s, 26, 0, 0, 28);
  std::string file = FormatErrorStats(s);
  // A damaged trichord line counting a confusion with list index 20, which
  // no trichord has: left out of the matrix.
  const size_t line2 = file.find("\r\n") + 2;
  std::string damaged = file.substr(0, line2);
  for (int i = 0; i < kStatCounts; ++i) damaged += (i == 72 + 20 ? "7 " : "0 ");
  return ParseErrorStats(damaged + file.substr(file.find("\r\n", line2) + 2));
}

TEST(ConfusionMatrix, SharesOfEachRowWithRightAnswersOnTheDiagonal) {
  const ErrorStats stats = KnownErrorsFile();
  const ConfusionMatrix tri = BuildConfusionMatrix(stats, 0);
  ASSERT_EQ(tri.size, 12);
  EXPECT_EQ(tri.counts[10][10], 6);  // both forms
  EXPECT_EQ(tri.counts[10][9], 3);
  EXPECT_EQ(tri.RowTotal(10), 10);
  EXPECT_DOUBLE_EQ(*tri.Share(10, 9), 0.3);
  EXPECT_DOUBLE_EQ(*tri.Share(10, 0), 0.1);
  EXPECT_DOUBLE_EQ(*tri.Accuracy(10), 0.6);
  EXPECT_DOUBLE_EQ(*tri.Share(10, 5), 0.0);
  EXPECT_DOUBLE_EQ(*tri.Accuracy(0), 0.0);  // only wrong answers
  EXPECT_DOUBLE_EQ(*tri.Share(0, 11), 1.0);
  // Rows without answers have no shares, also the damaged one.
  EXPECT_EQ(tri.Accuracy(1), std::nullopt);
  EXPECT_EQ(tri.Share(1, 1), std::nullopt);
  EXPECT_EQ(tri.RowTotal(1), 0);
  EXPECT_EQ(tri.Share(10, 12), std::nullopt);

  const ConfusionMatrix tet = BuildConfusionMatrix(stats, 1);
  ASSERT_EQ(tet.size, 29);
  EXPECT_DOUBLE_EQ(*tet.Accuracy(14), 0.5);
  EXPECT_DOUBLE_EQ(*tet.Share(14, 28), 0.5);
  EXPECT_TRUE(HasAnswers(stats, 1));
  EXPECT_FALSE(HasAnswers(ErrorStats{}, 0));
}

// A port that keeps the notes and the clock's sleeps and waits.
class RecordingPort : public PlaybackPort {
 public:
  void Send(const MIDIEVENT& event) override { notes.push_back(event.data1); }
  uint32_t Now() override { return now; }
  void WaitUntil(uint32_t tick) override {
    waits.push_back(tick - now);
    now = tick;
  }
  void Sleep(uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
  }
  std::vector<int> notes;
  std::vector<uint32_t> waits, sleeps;
  uint32_t now = 0;
};

PitchClassSet PitchClasses(const int32_t* notes, int n) {
  PitchClassSet set;
  for (int i = 0; i < n; ++i) set.elements[set.count++] = notes[i] % 12;
  std::sort(set.elements, set.elements + set.count);
  return set;
}

TEST(SetClassPlayer, AlwaysThePrimeFormInTheRangeAndManner) {
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(ShippedDataPath("ftclass.dat")));
  RandomSource rng;
  rng.Seed(99);
  for (int cardinality : {3, 4}) {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue, cardinality, list);
    for (int i = 0; i < list.length; ++i) {
      const SetClassEntry& e = *list.items[static_cast<size_t>(i)];
      PitchClassSet prime;
      for (int j = 0; j < e.cardinality; ++j) prime.elements[prime.count++] = e.pitchClasses[j];
      for (int range = 0; range < 3; ++range) {
        for (int draw = 0; draw < 40; ++draw) {
          QuestionState q;
          ASSERT_TRUE(VoicePrimeForm(e, VoicingRangeFromIndex(range), NoteLimits{}, rng, q));
          ASSERT_EQ(q.noteCount, cardinality);
          EXPECT_TRUE(q.isFormB == 0 || !e.hasDistinctInversion);
          EXPECT_GE(q.sortedNotes[0], 43);
          EXPECT_LE(q.sortedNotes[cardinality - 1], 67);
          // Transposed prime form: same normal form at zero as the prime itself.
          EXPECT_TRUE(SamePitchClassSet(NormalFormAtZero(PitchClasses(q.sortedNotes, cardinality)),
                                        NormalFormAtZero(prime)))
              << cardinality << "-" << e.name;
        }
      }
    }
  }

  // Two set classes as figures: the pause before, each figure's waits, the
  // pause between; an entry that cannot be voiced is skipped.
  CardinalityList tri;
  tri.length = FillCardinalityList(catalogue, 3, tri);
  SetClassEntry broken;
  broken.cardinality = 7;
  RecordingPort port;
  SetClassPlay how;
  how.manner = PlayManner::Figure;
  EXPECT_EQ(PlaySetClasses({tri.items[10], &broken, tri.items[9]}, how, 500, kBetweenClassesMs, rng, port), 2);
  EXPECT_EQ(port.notes.size(), 6u);
  EXPECT_EQ(port.sleeps, (std::vector<uint32_t>{500, kBetweenClassesMs}));
  EXPECT_EQ(port.waits.size(), 4u);
  RecordingPort chord;
  how.manner = PlayManner::Chord;
  EXPECT_EQ(PlaySetClasses({tri.items[0]}, how, 0, 0, rng, chord), 1);
  EXPECT_TRUE(chord.sleeps.empty() && chord.waits.empty());
  EXPECT_TRUE(std::is_sorted(chord.notes.begin(), chord.notes.end()));
}

}  // namespace
