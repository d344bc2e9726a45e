// Played groups and their set classes, without windows or MIDI: every class
// of the shipped catalogue in every transposition, form and many voicings.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "Catalogue.h"
#include "PlayedChord.h"
#include "ScratchDir.h"
#include "ShippedCatalogue.h"

namespace {

constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kNoteOff = 0x80;

class PlayedChordTest : public ShippedCatalogueTest {};

// The pitch classes of a class's prime form, transposed by t, inverted first when asked.
std::set<int> Transformed(const SetClassEntry& entry, int t, bool invert) {
  std::set<int> pcs;
  for (int i = 0; i < entry.cardinality; ++i) pcs.insert(((invert ? -entry.pitchClasses[i] : entry.pitchClasses[i]) + t + 24) % 12);
  return pcs;
}

// Plays the notes as a student might: note-ons in the given order a few ms
// apart, pedal and other controllers between them, then the note-offs in
// another order, some as note-ons of velocity 0, on any channel. Returns the
// group the last release ended, and fails if any earlier message ended one.
std::optional<PlayedGroup> PlayRolled(NoteGatherer& gatherer, const std::vector<int>& notes, std::mt19937& rng,
                                      uint32_t& now) {
  const uint8_t channel = static_cast<uint8_t>(rng() % 16);
  auto feed = [&](uint8_t status, int d1, int d2) {
    now += rng() % 40;
    return gatherer.Feed(static_cast<uint8_t>(status | channel), static_cast<uint8_t>(d1), static_cast<uint8_t>(d2), now);
  };
  EXPECT_FALSE(feed(0xB0, 64, 127));  // sustain pedal down
  for (int n : notes) EXPECT_FALSE(feed(kNoteOn, n, 1 + static_cast<int>(rng() % 127)));
  std::vector<int> order = notes;
  std::shuffle(order.begin(), order.end(), rng);
  std::optional<PlayedGroup> group;
  for (size_t i = 0; i < order.size(); ++i) {
    group = rng() % 2 ? feed(kNoteOff, order[i], 64) : feed(kNoteOn, order[i], 0);
    if (i + 1 < order.size() && group) {
      ADD_FAILURE() << "ended with keys still down";
    }
    if (i == 0) {
      EXPECT_FALSE(feed(0xB0, 64, 0));  // pedal up halfway
    }
  }
  return group;
}

TEST_F(PlayedChordTest, EveryClassInEveryTranspositionFormAndVoicingIsRecognised) {
  std::mt19937 rng(20061);
  NoteGatherer gatherer;
  uint32_t now = 0xFFFFF000u;  // the tick count wraps during the test
  for (int cardinality : {3, 4}) {
    const CardinalityList list = List(cardinality);
    ASSERT_EQ(list.length, cardinality == 3 ? 12 : 29);
    for (int i = 0; i < list.length; ++i) {
      const SetClassEntry& entry = *list.items[static_cast<size_t>(i)];
      for (int t = 0; t < 12; ++t) {
        for (bool invert : {false, true}) {
          const std::set<int> pcs = Transformed(entry, t, invert);
          // Close position, then open voicings over three octaves from C2
          // (36), some with a pitch class doubled in another octave.
          for (int voicing = 0; voicing < 6; ++voicing) {
            std::vector<int> notes;
            for (int pc : pcs) notes.push_back((voicing == 0 ? 60 : 36 + 12 * static_cast<int>(rng() % 3)) + pc);
            if (voicing >= 3) notes.push_back(36 + 12 * static_cast<int>(rng() % 3) + *std::next(pcs.begin(), rng() % pcs.size()));
            std::sort(notes.begin(), notes.end());
            notes.erase(std::unique(notes.begin(), notes.end()), notes.end());
            const std::vector<int> sorted = notes;
            std::shuffle(notes.begin(), notes.end(), rng);

            const auto group = PlayRolled(gatherer, notes, rng, now);
            ASSERT_TRUE(group) << entry.name;
            EXPECT_EQ(group->notes, sorted);
            const PlayedAnswer answer = IdentifyPlayedSetClass(PitchClassesOfNotes(group->notes), list, cardinality);
            EXPECT_EQ(answer.pitchClassCount, cardinality);
            ASSERT_EQ(answer.listIndex, i) << cardinality << "-" << entry.name << " T" << t << (invert ? "I" : "");
          }
        }
      }
    }
  }
}

// Other counts of pitch classes name nothing; nor does a damaged list make
// the search read beyond it.
TEST_F(PlayedChordTest, OtherCountsAndDamagedListsNameNothing) {
  const CardinalityList trichords = List(3);
  const PitchClassSet c{{0, 4, 7}, 3};
  const PitchClassSet cMajorSeventh{{0, 4, 7, 11}, 4};
  EXPECT_EQ(IdentifyPlayedSetClass(c, trichords, 3).listIndex, 10);  // 3-11
  const PlayedAnswer four = IdentifyPlayedSetClass(cMajorSeventh, trichords, 3);
  EXPECT_EQ(four.pitchClassCount, 4);
  EXPECT_EQ(four.listIndex, -1);
  EXPECT_EQ(IdentifyPlayedSetClass(PitchClassesOfNotes({60, 72, 84}), trichords, 3).pitchClassCount, 1);
  CardinalityList damaged = trichords;
  damaged.length = 1000;
  EXPECT_EQ(IdentifyPlayedSetClass(c, damaged, 3).listIndex, 10);
  damaged.length = -5;
  EXPECT_EQ(IdentifyPlayedSetClass(c, damaged, 3).listIndex, -1);
}

TEST_F(PlayedChordTest, GroupsEndWhenTheKeysAreUpOrAfterAPauseWithKeysHeld) {
  NoteGatherer gatherer(1500);
  // Notes one after another with the keys held: no pause long enough yet.
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 60, 90, 1000));
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 64, 90, 2000));
  EXPECT_FALSE(gatherer.Poll(3499));
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 67, 90, 3400));
  EXPECT_FALSE(gatherer.Feed(0xFE, 0, 0, 4000));  // active sensing
  EXPECT_FALSE(gatherer.Poll(4899));
  auto group = gatherer.Poll(4900);
  ASSERT_TRUE(group);
  EXPECT_EQ(group->notes, std::vector<int>({60, 64, 67}));
  EXPECT_EQ(group->endTick, 4900u);
  EXPECT_FALSE(gatherer.Open());

  // The keys of the ended group, released later, end nothing; a key pressed
  // while one of them is still down starts a group of its own.
  EXPECT_FALSE(gatherer.Feed(kNoteOff, 60, 0, 5000));
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 62, 80, 5100));
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 62, 80, 5150));  // struck again while down
  group = gatherer.Feed(kNoteOn, 62, 0, 5200);
  ASSERT_TRUE(group);
  EXPECT_EQ(group->notes, std::vector<int>({62}));
  EXPECT_FALSE(gatherer.Feed(kNoteOff, 64, 0, 5300));

  // A key held from before takes part again when struck again.
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 67, 80, 6000));
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 71, 80, 6010));
  group = gatherer.Feed(0xB0, 123, 0, 6020);  // all notes off
  ASSERT_TRUE(group);
  EXPECT_EQ(group->notes, std::vector<int>({67, 71}));

  // Releases of keys never pressed, and a poll with nothing open, end nothing.
  EXPECT_FALSE(gatherer.Feed(kNoteOff, 40, 0, 7000));
  EXPECT_FALSE(gatherer.Poll(100000));
  // A discarded group is forgotten: its release ends nothing.
  EXPECT_FALSE(gatherer.Feed(kNoteOn, 50, 80, 8000));
  gatherer.Discard();
  EXPECT_FALSE(gatherer.Feed(kNoteOff, 50, 0, 8100));
  EXPECT_FALSE(gatherer.Open());
}

}  // namespace
