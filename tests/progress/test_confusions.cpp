#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Atonalfunctions.h"
#include "Catalogue.h"
#include "ConfusionMatrix.h"
#include "ScratchDir.h"
#include "ShippedCatalogue.h"
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

std::vector<int> Keys(const PlaybackPlan& plan) {
  std::vector<int> keys;
  for (const PlanNote& note : plan.notes) keys.push_back(note.key);
  return keys;
}

// The gaps a player that waits in place sleeps, and how many deadlines it waits for.
std::vector<uint32_t> Sleeps(const PlaybackPlan& plan) {
  std::vector<uint32_t> sleeps;
  uint32_t before = 0;
  for (const PlanNote& note : plan.notes) {
    if (note.approach == NoteApproach::Sleep) sleeps.push_back(note.atMs - before);
    before = note.atMs;
  }
  return sleeps;
}

size_t Waits(const PlaybackPlan& plan) {
  return static_cast<size_t>(std::count_if(plan.notes.begin(), plan.notes.end(),
                                           [](const PlanNote& n) { return n.approach == NoteApproach::Deadline; }));
}

PitchClassSet PitchClasses(const int32_t* notes, int n) {
  PitchClassSet set;
  for (int i = 0; i < n; ++i) set.elements[set.count++] = notes[i] % 12;
  std::sort(set.elements, set.elements + set.count);
  return set;
}

// Whether the notes are the set class's prime form transposed: the same
// normal form at zero.
bool IsPrimeFormOf(const int32_t* notes, const SetClassEntry& e) {
  PitchClassSet prime;
  for (int j = 0; j < e.cardinality; ++j) prime.elements[prime.count++] = e.pitchClasses[j];
  return SamePitchClassSet(NormalFormAtZero(PitchClasses(notes, e.cardinality)), NormalFormAtZero(prime));
}

class SetClassPlayer : public ShippedCatalogueTest {};

TEST_F(SetClassPlayer, AlwaysThePrimeFormInTheRangeAndManner) {
  RandomSource rng;
  rng.Seed(99);
  for (int cardinality : {3, 4}) {
    const CardinalityList list = List(cardinality);
    for (int i = 0; i < list.length; ++i) {
      const SetClassEntry& e = *list.items[static_cast<size_t>(i)];
      for (int range = 0; range < 3; ++range) {
        for (int draw = 0; draw < 40; ++draw) {
          QuestionState q;
          ASSERT_TRUE(VoicePrimeForm(e, VoicingRangeFromIndex(range), NoteLimits{}, rng, q));
          ASSERT_EQ(q.noteCount, cardinality);
          EXPECT_TRUE(q.isFormB == 0 || !e.hasDistinctInversion);
          EXPECT_GE(q.sortedNotes[0], 43);
          EXPECT_LE(q.sortedNotes[cardinality - 1], 67);
          EXPECT_TRUE(IsPrimeFormOf(q.sortedNotes, e)) << cardinality << "-" << e.name;
        }
      }
    }
  }

  // Two set classes as figures: the pause before, each figure's waits, the
  // pause between; an entry that cannot be voiced is skipped.
  const CardinalityList tri = List(3);
  SetClassEntry broken;
  broken.cardinality = 7;
  PlaybackPlan plan;
  SetClassPlay how;
  how.manner = PlayManner::Figure;
  EXPECT_EQ(PlanSetClasses({tri.items[10], &broken, tri.items[9]}, how, 500, kBetweenClassesMs, rng, plan), 2);
  EXPECT_EQ(plan.notes.size(), 6u);
  EXPECT_EQ(Sleeps(plan), (std::vector<uint32_t>{500, kBetweenClassesMs}));
  EXPECT_EQ(Waits(plan), 4u);
  PlaybackPlan chord;
  how.manner = PlayManner::Chord;
  EXPECT_EQ(PlanSetClasses({tri.items[0]}, how, 0, 0, rng, chord), 1);
  EXPECT_TRUE(Sleeps(chord).empty() && Waits(chord) == 0);
  const std::vector<int> keys = Keys(chord);
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

// Every confused pair and every reveal as a plan: the class asked, then the
// other a pause after its last note, each in its prime form and manner; a
// reveal's parts begin where its notes do, after the lead-in.
TEST_F(SetClassPlayer, EveryPairAndRevealAsAPlan) {
  RandomSource rng;
  rng.Seed(7);
  for (int cardinality : {3, 4}) {
    const CardinalityList list = List(cardinality);
    const auto n = static_cast<size_t>(cardinality);
    for (int asked = 0; asked < list.length; ++asked) {
      for (int answered = 0; answered < list.length; ++answered) {
        const SetClassEntry* a = list.items[static_cast<size_t>(asked)];
        const SetClassEntry* b = list.items[static_cast<size_t>(answered)];
        for (PlayManner manner : {PlayManner::Chord, PlayManner::Figure, PlayManner::MixedFigure}) {
          SetClassPlay how;
          how.range = VoicingRangeFromIndex((asked + answered) % 3);
          how.manner = manner;
          PlaybackPlan pair;
          ASSERT_EQ(PlanSetClasses({a, b}, how, 0, kBetweenClassesMs, rng, pair), 2);
          ASSERT_EQ(pair.notes.size(), 2 * n);
          const PlanNote& first = pair.notes[n - 1];
          const PlanNote& second = pair.notes[n];
          EXPECT_EQ(pair.notes.front().atMs, 0u);
          EXPECT_EQ(second.atMs, first.atMs + kBetweenClassesMs);
          EXPECT_EQ(second.approach, NoteApproach::Sleep);
          EXPECT_EQ(pair.endMs, pair.notes.back().atMs);
          int32_t keys[2][4] = {};
          for (size_t i = 0; i < n; ++i) {
            keys[0][i] = pair.notes[i].key;
            keys[1][i] = pair.notes[n + i].key;
          }
          EXPECT_TRUE(IsPrimeFormOf(keys[0], *a)) << cardinality << "-" << a->name;
          EXPECT_TRUE(IsPrimeFormOf(keys[1], *b)) << cardinality << "-" << b->name;

          QuestionState question;
          ASSERT_TRUE(VoicePrimeForm(*a, how.range, how.limits, rng, question));
          const uint32_t leadIn = static_cast<uint32_t>(answered) * 100;
          const RevealPlan both = PlanReveal(&question, b, how, leadIn, rng);
          ASSERT_EQ(both.plan.notes.size(), 2 * n);
          EXPECT_TRUE(both.hasQuestion && both.hasNamed);
          EXPECT_EQ(both.questionAtMs, leadIn);
          EXPECT_EQ(both.plan.notes.front().atMs, leadIn);
          EXPECT_EQ(both.plan.notes.front().approach, leadIn ? NoteApproach::Sleep : NoteApproach::Together);
          for (size_t i = 0; i < n; ++i)
            EXPECT_EQ(both.plan.notes[i].key, manner == PlayManner::Chord ? question.sortedNotes[i] : question.playedNotes[i]);
          EXPECT_EQ(both.namedAtMs, both.plan.notes[n - 1].atMs + kBetweenClassesMs);
          EXPECT_EQ(both.plan.notes[n].atMs, both.namedAtMs);
          const RevealPlan namedOnly = PlanReveal(nullptr, b, how, leadIn, rng);
          EXPECT_FALSE(namedOnly.hasQuestion);
          EXPECT_EQ(namedOnly.namedAtMs, leadIn);
          ASSERT_EQ(namedOnly.plan.notes.size(), n);
          EXPECT_EQ(namedOnly.plan.notes.front().atMs, leadIn);
          const RevealPlan askedOnly = PlanReveal(&question, nullptr, how, leadIn, rng);
          EXPECT_FALSE(askedOnly.hasNamed);
          EXPECT_EQ(askedOnly.plan.notes.size(), n);
          EXPECT_EQ(askedOnly.plan.endMs, askedOnly.plan.notes.back().atMs);
        }
      }
    }
  }
}

}  // namespace
