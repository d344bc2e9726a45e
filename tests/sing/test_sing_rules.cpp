// The rules of singing on known notes: what each exercise asks, how the sung
// notes are judged, where the notes are placed, the noise gate.
#include <gtest/gtest.h>

#include "Calibration.h"
#include "QuestionGenerator.h"
#include "ShippedCatalogue.h"
#include "SingJudge.h"
#include "VoiceRange.h"

namespace {

std::vector<SungNote> Sung(const std::vector<double>& midi) {
  std::vector<SungNote> notes;
  for (double m : midi) notes.push_back(NoteOfMidi(m));
  return notes;
}

const SetClassEntry* Find(const CardinalityList& list, const std::string& name, int& index) {
  for (index = 0; index < list.length; ++index)
    if (list.items[size_t(index)]->name == name) return list.items[size_t(index)];
  return nullptr;
}

class SingRules : public ShippedCatalogueTest {};

}  // namespace

// Sing it back: the drill's own question, in the order played, any octave.
TEST_F(SingRules, SingItBackTakesTheDrillsQuestion) {
  const CardinalityList tetra = List(4);
  RandomSource rng;
  rng.Seed(7);
  for (int round = 0; round < 40; ++round) {
    const int index = round % tetra.length;
    QuestionState q;
    q.listIndex = index;
    VoiceQuestion(*tetra.items[size_t(index)], VoicingRange::WithinTwoOctaves, NoteLimits{}, rng, q);
    const SingExercise e = BackExercise(q, *tetra.items[size_t(index)], 4);
    ASSERT_EQ(e.played.size(), 4u);
    EXPECT_EQ(NotesToSing(e), 4u);
    std::vector<double> folded;
    for (size_t j = 0; j < 4; ++j) {
      EXPECT_EQ(e.expected[j], q.playedNotes[j] % 12);
      folded.push_back(48 + e.expected[j] + 0.3 + 12.0 * (j % 2));  // 30 cents sharp, octaves apart
    }
    EXPECT_TRUE(Judge(e, Sung(folded), {}).right) << e.className;
    std::swap(folded[1], folded[2]);  // out of order
    if (e.expected[1] != e.expected[2]) {
      EXPECT_FALSE(Judge(e, Sung(folded), {}).right);
    }
  }
}

// Sing the class: the named form from the start; the form's inversion from
// the start; with any form, any transposition or inversion, in any order.
TEST_F(SingRules, SingTheClassJudgesTheNamedOrAnyForm) {
  int index = 0;
  const SetClassEntry* z15 = Find(List(4), "Z15", index);
  ASSERT_NE(z15, nullptr);
  const SingExercise prime = ClassExercise(*z15, 4, index, false, 62, false);  // D: D Eb F# G#
  EXPECT_EQ(Prompt(prime), "4-Z15, prime form, from D");
  EXPECT_EQ(prime.played, std::vector<int>{62});
  EXPECT_EQ(prime.expected, (std::vector<int>{3, 6, 8}));
  EXPECT_EQ(RightNotes(prime), (std::vector<int>{62, 63, 66, 68}));
  EXPECT_TRUE(Judge(prime, Sung({63, 66, 68}), {}).right);
  EXPECT_TRUE(Judge(prime, Sung({62, 75, 66, 56}), {}).right) << "the start taken first, octaves folded";
  const SingVerdict wrong = Judge(prime, Sung({63, 65, 68}), {});
  EXPECT_FALSE(wrong.right);
  EXPECT_EQ(wrong.why, "note 2 is F, not F♯");
  EXPECT_EQ(wrong.notes[1].expected, 6);
  EXPECT_EQ(wrong.notes[1].sung, 5);

  const SingExercise inverted = ClassExercise(*z15, 4, index, true, 62, false);  // 0 2 5 6: D E G G#
  EXPECT_EQ(Prompt(inverted), "4-Z15, inverted form, from D");
  EXPECT_EQ(inverted.expected, (std::vector<int>{4, 7, 8}));
  EXPECT_FALSE(Judge(inverted, Sung({63, 66, 68}), {}).right);

  const SingExercise any = ClassExercise(*z15, 4, index, false, 62, true);
  EXPECT_EQ(NotesToSing(any), 4u);
  EXPECT_TRUE(Judge(any, Sung({71, 72, 75, 77}), {}).right) << "B C D# F: prime form from B";
  EXPECT_TRUE(Judge(any, Sung({68, 62, 67, 64}), {}).right) << "the inversion from D, in another order";
  const SingVerdict near = Judge(any, Sung({71, 72, 75, 76}), {});
  EXPECT_FALSE(near.right);
  ASSERT_EQ(near.notes.size(), 4u);
  EXPECT_EQ(near.notes[3].expected, 5) << "shown the class's note it missed";
  EXPECT_FALSE(Judge(any, Sung({71, 72, 75, 75}), {}).right) << "a pitch class twice";
  EXPECT_FALSE(Judge(any, Sung({71, 72, 75}), {}).right);
}

// The tolerance, adjustable 25..50 cents, and notes missing or too many.
TEST(SingJudge, ToleranceAndCounts) {
  SingExercise e;
  e.className = "3-11";
  e.played = {60, 63, 67};
  e.expected = {0, 3, 7};
  EXPECT_TRUE(Judge(e, Sung({60.39, 63, 66.61}), {}).right);
  const SingVerdict off = Judge(e, Sung({60, 63.45, 67}), {});
  EXPECT_FALSE(off.right);
  EXPECT_EQ(off.why, "note 2 is 45 cents sharp");
  EXPECT_TRUE(Judge(e, Sung({60, 63.45, 67}), {50}).right);
  EXPECT_TRUE(Judge(e, Sung({60, 63.25, 67}), {25}).right);
  EXPECT_TRUE(Judge(e, Sung({60, 63.45, 67}), {90}).right) << "kept at 50";
  EXPECT_FALSE(Judge(e, Sung({60, 63.3, 67}), {0}).right) << "kept at 25";
  EXPECT_EQ(Judge(e, {}, {}).why, "nothing was sung");
  EXPECT_EQ(Judge(e, Sung({60, 63}), {}).why, "2 of 3 notes were heard");
  const SingVerdict extra = Judge(e, Sung({60, 63, 67, 70}), {});
  EXPECT_FALSE(extra.right);
  EXPECT_EQ(extra.why, "more notes than asked");
  EXPECT_EQ(extra.notes.size(), 4u);
  EXPECT_FALSE(Judge(SingExercise{}, {}, {}).right) << "an empty exercise is never right";
}

// One wording of the verdict for both front ends: of the notes asked, those
// right; an extra note is wrong but never one more to sing.
TEST(SingJudge, TheVerdictIsWordedOnceWithItsNumbers) {
  SingExercise e;
  e.className = "3-11";
  e.expected = {0, 3, 7};
  for (const auto& [midi, words] : std::vector<std::pair<std::vector<double>, std::string>>{
           {{60, 63, 67}, "Right! %1|3-11"},
           {{}, "No note was heard. Sing a little louder or closer to the microphone."},
           {{60, 63}, "Not yet: %1 of %2 notes right (%3).|2|3|3-11"},
           {{60, 63, 67, 70}, "Not yet: %1 of %2 notes right (%3).|3|3|3-11"}}) {
    const VerdictWords w = WordsOf(e, Judge(e, Sung(midi), {}), midi.size());
    std::string text = w.source;
    for (const std::string& a : w.args) text += "|" + a;
    EXPECT_EQ(text, words);
  }
}

// Played notes moved by octaves into each voice, order and pitch classes kept.
TEST(SingVoiceRange, PlacesEveryNoteWhereTheVoiceSings) {
  const std::vector<int> wide = {43, 61, 50, 66};  // two octaves wide
  for (Voice voice : {Voice::Soprano, Voice::Alto, Voice::Tenor, Voice::Bass, Voice::Mine}) {
    const VoiceRange range = RangeOf(voice);
    EXPECT_GE(range.high - range.low, 12);
    const std::vector<int> placed = PlaceInRange(wide, range);
    ASSERT_EQ(placed.size(), wide.size());
    for (size_t i = 0; i < wide.size(); ++i) {
      EXPECT_EQ(placed[i] % 12, wide[i] % 12);
      EXPECT_GE(placed[i], range.low);
      EXPECT_LE(placed[i], range.high);
    }
  }
  EXPECT_EQ(PlaceInRange({62, 63, 66, 68}, RangeOf(Voice::Tenor)), (std::vector<int>{50, 51, 54, 56}))
      << "a close figure moves whole";
  const VoiceRange mine = RangeFromNotes(67, 64);
  EXPECT_EQ(mine.high - mine.low, 12) << "widened to an octave";
  EXPECT_EQ(PlaceInRange({60, 71, 61}, mine).size(), 3u);
  EXPECT_EQ(RangeFromNotes(-50, 500).low, 24) << "nothing outside the keyboard";
}

// Three seconds of the room set the gate above its noise, within bounds.
TEST(SingCalibration, SetsTheGateFromTheRoom) {
  NoiseCalibration quiet, loud;
  for (int i = 0; i < 600; ++i) {
    quiet.Add({i * 0.005, 0, 0, i == 300 ? -20.0 : -68.0});  // one click
    loud.Add({i * 0.005, 0, 0, -25.0});
  }
  EXPECT_TRUE(quiet.Ready());
  EXPECT_NEAR(quiet.GateDb(), -58, 0.5);
  EXPECT_EQ(loud.GateDb(), -30);
  NoiseCalibration early;
  early.Add({0, 0, 0, -80});
  early.Add({1, 0, 0, -80});
  EXPECT_FALSE(early.Ready());
  EXPECT_EQ(early.GateDb(), -50);
}
