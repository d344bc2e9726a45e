// The question generator over many thousands of questions: notes stay in the
// range, each voicing keeps its shape, the set class and form are the ones
// chosen, and the choice honours the enabled set classes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "Playback.h"
#include "QuestionGenerator.h"

namespace {

// Forte's prime forms, in catalogue order.
const std::vector<std::vector<int>> kTrichords = {{0, 1, 2}, {0, 1, 3}, {0, 1, 4}, {0, 1, 5}, {0, 1, 6}, {0, 2, 4},
                                                  {0, 2, 5}, {0, 2, 6}, {0, 2, 7}, {0, 3, 6}, {0, 3, 7}, {0, 4, 8}};
const std::vector<std::vector<int>> kTetrachords = {
    {0, 1, 2, 3}, {0, 1, 2, 4}, {0, 1, 3, 4}, {0, 1, 2, 5}, {0, 1, 2, 6}, {0, 1, 2, 7}, {0, 1, 4, 5}, {0, 1, 5, 6},
    {0, 1, 6, 7}, {0, 2, 3, 5}, {0, 1, 3, 5}, {0, 2, 3, 6}, {0, 1, 3, 6}, {0, 2, 3, 7}, {0, 1, 4, 6}, {0, 1, 5, 7},
    {0, 3, 4, 7}, {0, 1, 4, 7}, {0, 1, 4, 8}, {0, 1, 5, 8}, {0, 2, 4, 6}, {0, 2, 4, 7}, {0, 2, 5, 7}, {0, 2, 4, 8},
    {0, 2, 6, 8}, {0, 3, 5, 8}, {0, 2, 5, 8}, {0, 3, 6, 9}, {0, 1, 3, 7}};

std::vector<SetClassEntry> MakeEntries(const std::vector<std::vector<int>>& forms) {
  std::vector<SetClassEntry> entries(forms.size());
  for (size_t k = 0; k < forms.size(); ++k) {
    entries[k].cardinality = static_cast<int32_t>(forms[k].size());
    for (size_t j = 0; j < forms[k].size(); ++j) entries[k].pitchClasses[j] = forms[k][j];
  }
  return entries;
}

using PcSet = std::set<int>;

PcSet Transposed(const SetClassEntry& e, int t, bool inverted) {
  PcSet s;
  for (int j = 0; j < e.cardinality; ++j) s.insert((((inverted ? -e.pitchClasses[j] : e.pitchClasses[j]) + t) % 12 + 12) % 12);
  return s;
}

// Whether the pitch classes are some transposition of the form.
bool IsFormOf(const PcSet& pcs, const SetClassEntry& e, bool inverted) {
  for (int t = 0; t < 12; ++t)
    if (Transposed(e, t, inverted) == pcs) return true;
  return false;
}

bool HasDistinctForms(const SetClassEntry& e) { return !IsFormOf(Transposed(e, 0, true), e, false); }

struct Case {
  int cardinality;
  VoicingRange range;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
  const char* range[] = {"Close", "OneOctave", "TwoOctaves"};
  return std::string(info.param.cardinality == 3 ? "Trichords" : "Tetrachords") +
         range[static_cast<int>(info.param.range)];
}

class QuestionInvariants : public ::testing::TestWithParam<Case> {};

TEST_P(QuestionInvariants, EveryQuestionKeepsRangeShapeSetClassAndForm) {
  const Case c = GetParam();
  const auto entries = MakeEntries(c.cardinality == 3 ? kTrichords : kTetrachords);
  const int length = static_cast<int>(entries.size());
  // Every third set class switched off, to see the choice honour the filter.
  auto enabled = [](int i) { return i % 3 != 1; };

  QuestionRequest request;
  request.listLength = length;
  request.isEnabled = enabled;
  request.entry = [&](int i) { return &entries[static_cast<size_t>(i)]; };
  request.range = c.range;

  RandomSource rng;
  rng.Seed(20240917u + static_cast<uint32_t>(c.cardinality * 10 + static_cast<int>(c.range)));
  std::map<int, std::set<int>> formsSeen;
  std::set<int> gapsSeen, joinedSeen, transpositionsSeen;
  const int n = c.cardinality;
  constexpr int kQuestions = 30000;
  for (int k = 0; k < kQuestions; ++k) {
    QuestionState q;
    q.lastWrongRow = 5;
    ASSERT_TRUE(GenerateQuestion(request, rng, q));
    ASSERT_TRUE(q.listIndex >= 0 && q.listIndex < length);
    ASSERT_TRUE(enabled(q.listIndex)) << "disabled class " << q.listIndex << " asked";
    ASSERT_EQ(q.noteCount, n);
    ASSERT_EQ(q.lastWrongRow, -1);
    ASSERT_TRUE(q.isFormB == 0 || q.isFormB == 1);
    ASSERT_TRUE(q.joinedIndex == 0 || q.joinedIndex == 1);
    const SetClassEntry& e = entries[static_cast<size_t>(q.listIndex)];

    std::vector<int> sorted(q.sortedNotes, q.sortedNotes + n), played(q.playedNotes, q.playedNotes + n);
    ASSERT_TRUE(std::is_sorted(sorted.begin(), sorted.end()));
    std::vector<int> check = played;
    std::sort(check.begin(), check.end());
    ASSERT_EQ(check, sorted) << "sorted notes are not the played notes in order";
    for (int note : sorted) ASSERT_TRUE(note >= 43 && note <= 67) << note;
    for (int j = 0; j < n; ++j) ASSERT_TRUE(q.noteGaps[j] == 250 || q.noteGaps[j] == 500) << q.noteGaps[j];

    PcSet pcs;
    for (int note : sorted) pcs.insert(note % 12);
    ASSERT_EQ(static_cast<int>(pcs.size()), n) << "notes repeat a pitch class";
    ASSERT_TRUE(IsFormOf(pcs, e, q.isFormB != 0)) << "not the chosen set class in the chosen form";

    const int span = sorted[static_cast<size_t>(n - 1)] - sorted[0];
    if (c.range == VoicingRange::ClosePosition) {
      ASSERT_LE(span, 11);
      ASSERT_EQ(played, sorted);
      // A close chord of the form itself: the prime form above its lowest
      // note, or the inversion's ascending base for form B.
      for (int j = 0; j < n; ++j) {
        const int above = sorted[static_cast<size_t>(j)] - sorted[0];
        const int expected = q.isFormB ? e.pitchClasses[n - 1] - e.pitchClasses[n - 1 - j] : e.pitchClasses[j];
        ASSERT_EQ(above, expected);
      }
    } else {
      if (c.range == VoicingRange::WithinOneOctave) {
        ASSERT_LE(span, 11);
      }
      ASSERT_LE(sorted[1] - sorted[0], 12);
      ASSERT_LE(sorted[2] - sorted[1], 12);
      // The figure follows the prime form's order: note j carries p[j]
      // transposed (form A) or inverted (form B) by one common amount.
      const int t = ((q.isFormB ? played[0] + e.pitchClasses[0] : played[0] - e.pitchClasses[0]) % 12 + 12) % 12;
      for (int j = 0; j < n; ++j) {
        const int pc = ((q.isFormB ? t - e.pitchClasses[j] : e.pitchClasses[j] + t) % 12 + 12) % 12;
        ASSERT_EQ(played[static_cast<size_t>(j)] % 12, pc) << "figure order broken at note " << j;
      }
    }
    formsSeen[q.listIndex].insert(q.isFormB);
    for (int j = 0; j < n; ++j) gapsSeen.insert(q.noteGaps[j]);
    joinedSeen.insert(q.joinedIndex);
    transpositionsSeen.insert(sorted[0] % 12);
  }

  for (int i = 0; i < length; ++i) {
    if (!enabled(i)) {
      EXPECT_EQ(formsSeen.count(i), 0u);
      continue;
    }
    ASSERT_EQ(formsSeen.count(i), 1u) << "enabled class " << i << " never asked";
    const size_t forms = HasDistinctForms(entries[static_cast<size_t>(i)]) ? 2u : 1u;
    if (forms == 2u) {
      EXPECT_EQ(formsSeen[i].size(), 2u) << "class " << i << " asked in one form only";
    }
  }
  EXPECT_EQ(gapsSeen, (std::set<int>{250, 500}));
  EXPECT_EQ(joinedSeen, (std::set<int>{0, 1}));
  EXPECT_EQ(transpositionsSeen.size(), 12u);
}

INSTANTIATE_TEST_SUITE_P(RangesAndCardinalities, QuestionInvariants,
                         ::testing::Values(Case{3, VoicingRange::ClosePosition}, Case{3, VoicingRange::WithinOneOctave},
                                           Case{3, VoicingRange::WithinTwoOctaves}, Case{4, VoicingRange::ClosePosition},
                                           Case{4, VoicingRange::WithinOneOctave},
                                           Case{4, VoicingRange::WithinTwoOctaves}),
                         CaseName);

TEST(QuestionGenerator, ClosePositionExampleVoicings) {
  // 0 3 7 at T = 0 sounds 48 51 55 or 60 63 67 as form A, 53 57 60 as form B.
  const auto entries = MakeEntries({{0, 3, 7}});
  std::set<std::vector<int>> seen;
  RandomSource rng;
  rng.Seed(7);
  for (int k = 0; k < 20000; ++k) {
    QuestionState q;
    VoiceQuestion(entries[0], VoicingRange::ClosePosition, NoteLimits{}, rng, q);
    if (q.sortedNotes[0] % 12 == (q.isFormB ? 5 : 0)) seen.insert({q.sortedNotes[0], q.sortedNotes[1], q.sortedNotes[2]});
  }
  EXPECT_EQ(seen, (std::set<std::vector<int>>{{48, 51, 55}, {60, 63, 67}, {53, 57, 60}}));
}

TEST(QuestionGenerator, SpreadVoicingsReachTheWholeRange) {
  // Two octaves allow a 24-semitone tetrachord; one octave never more than 11.
  const auto entries = MakeEntries(kTetrachords);
  RandomSource rng;
  rng.Seed(99);
  int widest = 0, lowest = 127, highest = 0;
  for (int k = 0; k < 20000; ++k) {
    QuestionState q;
    VoiceQuestion(entries[static_cast<size_t>(k % 29)], VoicingRange::WithinTwoOctaves, NoteLimits{}, rng, q);
    widest = std::max(widest, q.sortedNotes[3] - q.sortedNotes[0]);
    lowest = std::min(lowest, q.sortedNotes[0]);
    highest = std::max(highest, q.sortedNotes[3]);
  }
  EXPECT_GT(widest, 12);
  EXPECT_EQ(lowest, 43);
  EXPECT_EQ(highest, 67);
}

TEST(QuestionGenerator, OnlyEnabledClassOfAListIsAlwaysChosen) {
  const auto entries = MakeEntries(kTetrachords);
  QuestionRequest request;
  request.listLength = 29;
  request.isEnabled = [](int i) { return i == 28; };  // list index 28: high mask bit 12
  request.entry = [&](int i) { return &entries[static_cast<size_t>(i)]; };
  RandomSource rng;
  rng.Seed(3);
  for (int k = 0; k < 200; ++k) {
    QuestionState q;
    ASSERT_TRUE(GenerateQuestion(request, rng, q));
    EXPECT_EQ(q.listIndex, 28);
  }
}

TEST(QuestionGenerator, NothingToAskLeavesTheQuestionAndReturns) {
  // A damaged state must not hang the drill: no enabled class, an empty list,
  // an entry that cannot be voiced or unusable note limits give no question.
  auto entries = MakeEntries(kTrichords);
  QuestionRequest request;
  request.listLength = 12;
  request.isEnabled = [](int) { return false; };
  request.entry = [&](int i) { return &entries[static_cast<size_t>(i)]; };
  RandomSource rng;
  QuestionState q;
  q.listIndex = 7;
  q.sortedNotes[0] = 55;
  EXPECT_FALSE(GenerateQuestion(request, rng, q));

  request.isEnabled = [](int) { return true; };
  request.listLength = 0;
  EXPECT_FALSE(GenerateQuestion(request, rng, q));

  request.listLength = 12;
  entries[4].pitchClasses[2] = 40;
  EXPECT_FALSE(GenerateQuestion(request, rng, q));
  entries[4].pitchClasses[2] = 5;
  entries[4].cardinality = 5;
  EXPECT_FALSE(GenerateQuestion(request, rng, q));
  entries[4].cardinality = 3;

  request.entry = [](int) -> const SetClassEntry* { return nullptr; };
  EXPECT_FALSE(GenerateQuestion(request, rng, q));
  request.entry = [&](int i) { return &entries[static_cast<size_t>(i)]; };

  request.limits.highestNote = 50;
  EXPECT_FALSE(GenerateQuestion(request, rng, q));
  EXPECT_EQ(q.listIndex, 7);
  EXPECT_EQ(q.sortedNotes[0], 55);

  request.limits = NoteLimits{};
  EXPECT_TRUE(GenerateQuestion(request, rng, q));
}

TEST(QuestionGenerator, ATetrachordThenATrichordClearsTheUnusedNote) {
  const auto tetra = MakeEntries(kTetrachords);
  const auto tri = MakeEntries(kTrichords);
  RandomSource rng;
  rng.Seed(11);
  QuestionState q;
  VoiceQuestion(tetra[0], VoicingRange::WithinTwoOctaves, NoteLimits{}, rng, q);
  EXPECT_EQ(q.noteCount, 4);
  VoiceQuestion(tri[0], VoicingRange::WithinTwoOctaves, NoteLimits{}, rng, q);
  EXPECT_EQ(q.noteCount, 3);
  EXPECT_EQ(q.sortedNotes[3], 0);
  EXPECT_EQ(q.playedNotes[3], 0);
}

TEST(VoicingRange, IndexOutsideTheGroupIsClosePosition) {
  EXPECT_EQ(VoicingRangeFromIndex(0), VoicingRange::ClosePosition);
  EXPECT_EQ(VoicingRangeFromIndex(1), VoicingRange::WithinOneOctave);
  EXPECT_EQ(VoicingRangeFromIndex(2), VoicingRange::WithinTwoOctaves);
  EXPECT_EQ(VoicingRangeFromIndex(-1), VoicingRange::ClosePosition);
  EXPECT_EQ(VoicingRangeFromIndex(3), VoicingRange::ClosePosition);
}

TEST(RandomSource, BoundsSeedsAndSpread) {
  RandomSource a, b;
  a.Seed(12345);
  b.Seed(12345);
  for (int k = 0; k < 100; ++k) ASSERT_EQ(a.Next(), b.Next());
  b.Seed(12346);
  int same = 0;
  for (int k = 0; k < 100; ++k) same += a.Next() == b.Next();
  EXPECT_LT(same, 3);

  EXPECT_EQ(a.random(0), 0);
  EXPECT_EQ(a.random(-5), 0);
  // Every value of random(29) turns up about equally often.
  std::array<int, 29> counts{};
  constexpr int kDraws = 29 * 4000;
  for (int k = 0; k < kDraws; ++k) {
    const int v = a.random(29);
    ASSERT_TRUE(v >= 0 && v < 29);
    ++counts[static_cast<size_t>(v)];
  }
  for (int c : counts) EXPECT_NEAR(c, 4000, 400);
  for (int k = 0; k < 10000; ++k) ASSERT_GE(a.Next(), 0);
  EXPECT_EQ(&ProgramRandom(), &ProgramRandom());
}

}  // namespace

namespace {

std::vector<std::pair<uint32_t, int>> Timed(const PlaybackPlan& plan) {
  std::vector<std::pair<uint32_t, int>> timed;
  for (const PlanNote& p : plan.notes) timed.emplace_back(p.atMs, p.key);
  return timed;
}

std::vector<NoteApproach> Approaches(const PlaybackPlan& plan) {
  std::vector<NoteApproach> approaches;
  for (const PlanNote& p : plan.notes) approaches.push_back(p.approach);
  return approaches;
}

constexpr NoteApproach kWith = NoteApproach::Together, kWait = NoteApproach::Deadline, kSleep = NoteApproach::Sleep;

}  // namespace

// Each manner's notes at their moments, and how a player that waits in place reaches each.
TEST(PlaybackPlanTest, NotesAtTheirTimesAndHowEachIsReached) {
  QuestionState q;
  q.noteCount = 4;
  const int32_t sorted[4] = {48, 52, 55, 61}, played[4] = {55, 48, 61, 52}, gaps[4] = {250, -40, 500, 0};
  for (int i = 0; i < 4; ++i) {
    q.sortedNotes[i] = sorted[i];
    q.playedNotes[i] = played[i];
    q.noteGaps[i] = gaps[i];
  }
  q.joinedIndex = 2;
  using Timeline = std::vector<std::pair<uint32_t, int>>;
  const PlaybackPlan chord = PlanQuestionNotes(q, PlayManner::Chord);
  EXPECT_EQ(Timed(chord), (Timeline{{0, 48}, {0, 52}, {0, 55}, {0, 61}}));
  EXPECT_EQ(Approaches(chord), (std::vector<NoteApproach>{kWith, kWith, kWith, kWith}));
  EXPECT_EQ(chord.endMs, 0u);
  // A negative gap waits nothing, but is still a wait of its own.
  const PlaybackPlan figure = PlanQuestionNotes(q, PlayManner::Figure);
  EXPECT_EQ(Timed(figure), (Timeline{{0, 55}, {250, 48}, {250, 61}, {750, 52}}));
  EXPECT_EQ(Approaches(figure), (std::vector<NoteApproach>{kWith, kWait, kWait, kWait}));
  EXPECT_EQ(figure.endMs, 750u);
  // No wait after the joined note.
  const PlaybackPlan mixed = PlanQuestionNotes(q, PlayManner::MixedFigure);
  EXPECT_EQ(Timed(mixed), (Timeline{{0, 55}, {250, 48}, {250, 61}, {250, 52}}));
  EXPECT_EQ(Approaches(mixed), (std::vector<NoteApproach>{kWith, kWait, kWait, kWith}));
  EXPECT_EQ(mixed.endMs, 250u);
  // Arpeggios sleep after every note, the last included.
  const PlaybackPlan up = PlanArpeggio(q, true), down = PlanArpeggio(q, false);
  EXPECT_EQ(Timed(up), (Timeline{{0, 48}, {1000, 52}, {2000, 55}, {3000, 61}}));
  EXPECT_EQ(Timed(down), (Timeline{{0, 61}, {1000, 55}, {2000, 52}, {3000, 48}}));
  EXPECT_EQ(Approaches(down), (std::vector<NoteApproach>{kWith, kSleep, kSleep, kSleep}));
  EXPECT_EQ(up.endMs, 4 * kArpeggioStepMs);
  for (const PlaybackPlan* plan : {&chord, &figure, &mixed, &up, &down})
    for (const PlanNote& note : plan->notes) {
      EXPECT_EQ(note.velocity, 64);
      EXPECT_EQ(note.lengthMs, kNoteHoldMs);
    }
  q.noteCount = 9;  // damaged: never past the four notes
  EXPECT_EQ(PlanQuestionNotes(q, PlayManner::Figure).notes.size(), 4u);
  q.noteCount = -3;
  EXPECT_TRUE(PlanArpeggio(q, true).notes.empty());
}

// Every set class in every range and form, in each manner and arpeggio: the
// figure's notes fall on its grid of gap units, one or two units apart, the
// joined pair together; arpeggios step on the second; the plan ends with its
// last note's wait.
TEST(PlaybackPlanTest, EveryQuestionOnTheFigureGrid) {
  for (int cardinality : {3, 4}) {
    const auto entries = MakeEntries(cardinality == 3 ? kTrichords : kTetrachords);
    for (size_t chosen = 0; chosen < entries.size(); ++chosen) {
      for (int range = 0; range < 3; ++range) {
        for (int gapUnit : {250, 125}) {
          QuestionRequest request;
          request.listLength = static_cast<int>(entries.size());
          request.isEnabled = [chosen](int i) { return i == static_cast<int>(chosen); };
          request.entry = [&](int i) { return &entries[static_cast<size_t>(i)]; };
          request.range = VoicingRangeFromIndex(range);
          request.limits.gapUnit = gapUnit;
          RandomSource rng;
          rng.Seed(static_cast<uint32_t>(chosen * 31 + static_cast<size_t>(range) * 7 + static_cast<size_t>(gapUnit)));
          for (int draw = 0; draw < 20; ++draw) {
            QuestionState q;
            ASSERT_TRUE(GenerateQuestion(request, rng, q));
            const int n = q.noteCount;
            ASSERT_EQ(n, cardinality);
            const PlaybackPlan chord = PlanQuestionNotes(q, PlayManner::Chord);
            ASSERT_EQ(chord.notes.size(), static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) {
              EXPECT_EQ(chord.notes[i].key, q.sortedNotes[i]);
              EXPECT_EQ(chord.notes[i].atMs, 0u);
            }
            for (PlayManner manner : {PlayManner::Figure, PlayManner::MixedFigure}) {
              const PlaybackPlan figure = PlanQuestionNotes(q, manner);
              ASSERT_EQ(figure.notes.size(), static_cast<size_t>(n));
              int together = 0;
              for (int i = 0; i < n; ++i) {
                const PlanNote& note = figure.notes[static_cast<size_t>(i)];
                EXPECT_EQ(note.key, q.playedNotes[i]);
                EXPECT_EQ(note.atMs % static_cast<uint32_t>(gapUnit), 0u) << "off the grid";
                EXPECT_EQ(note.lengthMs, kNoteHoldMs) << "a set class strikes no key twice";
                if (i == 0) continue;
                const uint32_t step = note.atMs - figure.notes[static_cast<size_t>(i - 1)].atMs;
                const bool joined = manner == PlayManner::MixedFigure && i - 1 == q.joinedIndex;
                EXPECT_EQ(step, joined ? 0u : static_cast<uint32_t>(q.noteGaps[i - 1]));
                EXPECT_TRUE(joined || step == static_cast<uint32_t>(gapUnit) || step == 2u * static_cast<uint32_t>(gapUnit));
                EXPECT_EQ(note.approach, joined ? NoteApproach::Together : NoteApproach::Deadline);
                together += joined;
              }
              EXPECT_EQ(together, manner == PlayManner::MixedFigure ? 1 : 0);
              EXPECT_EQ(figure.endMs, figure.notes.back().atMs);
              EXPECT_EQ(SoundingUntilMs(figure), figure.endMs + kNoteHoldMs);
            }
            for (bool up : {true, false}) {
              const PlaybackPlan arpeggio = PlanArpeggio(q, up);
              ASSERT_EQ(arpeggio.notes.size(), static_cast<size_t>(n));
              for (int k = 0; k < n; ++k) {
                EXPECT_EQ(arpeggio.notes[static_cast<size_t>(k)].key, q.sortedNotes[up ? k : n - 1 - k]);
                EXPECT_EQ(arpeggio.notes[static_cast<size_t>(k)].atMs, static_cast<uint32_t>(k) * kArpeggioStepMs);
              }
              EXPECT_EQ(arpeggio.endMs, static_cast<uint32_t>(n) * kArpeggioStepMs);
            }
          }
        }
      }
    }
  }
}

// Parts joined: the pause and what lies between are slept, and a key struck
// again is released just before, not while, it sounds anew.
TEST(PlaybackPlanTest, AppendedPartsSleepBetweenAndCutHolds) {
  QuestionState q;
  q.noteCount = 3;
  const int32_t notes[3] = {60, 64, 67}, gaps[3] = {333, 333, 0};
  for (int i = 0; i < 3; ++i) {
    q.sortedNotes[i] = q.playedNotes[i] = notes[i];
    q.noteGaps[i] = gaps[i];
  }
  PlaybackPlan plan;
  plan.endMs = 500;  // a lead-in
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::Figure), 0);
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::Chord), 1000);
  AppendPlan(plan, PlanArpeggio(q, true), 500);
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::Chord), 0);
  using Timeline = std::vector<std::pair<uint32_t, int>>;
  EXPECT_EQ(Timed(plan), (Timeline{{500, 60}, {833, 64}, {1166, 67}, {2166, 60}, {2166, 64}, {2166, 67},
                                   {2666, 60}, {3666, 64}, {4666, 67}, {5666, 60}, {5666, 64}, {5666, 67}}));
  EXPECT_EQ(Approaches(plan), (std::vector<NoteApproach>{kSleep, kWait, kWait, kSleep, kWith, kWith, kSleep, kSleep,
                                                         kSleep, kSleep, kWith, kWith}));
  std::vector<uint32_t> lengths;
  for (const PlanNote& note : plan.notes) lengths.push_back(note.lengthMs);
  EXPECT_EQ(lengths, (std::vector<uint32_t>{1666, 1333, 1000, 500, 1500, 2000, 2000, 2000, 1000, 2000, 2000, 2000}));
  EXPECT_EQ(plan.endMs, 5666u);
  EXPECT_EQ(SoundingUntilMs(plan), 7666u);
}
