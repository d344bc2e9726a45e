#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "Notation.h"
#include "test_catalogue_shipped.h"

using namespace notation;

namespace {

std::string Names(const std::vector<SpelledNote>& notes, Language language = Language::English) {
  std::string text;
  for (const SpelledNote& n : notes) text += (text.empty() ? "" : " ") + NoteName(n, language);
  return text;
}

std::vector<Sign> Signs(const Group& group) {
  std::vector<Sign> signs;
  for (const Column& c : group.columns)
    for (const PlacedNote& n : c.notes) signs.push_back(n.sign);
  return signs;
}

// The white keys from G2 up, each a step higher than the last.
std::vector<SpelledNote> WhiteKeysFromG2To(int highest) {
  std::vector<SpelledNote> keys;
  for (int step = 4 + 7 * 3;; ++step) {
    SpelledNote n{0, step % 7, 0, step / 7 - 1};
    n.midi = MidiOf(n.letter, 0, n.octave);
    if (n.midi > highest) return keys;
    keys.push_back(n);
  }
}

}  // namespace

TEST(NotationStaff, EveryQuestionNoteInBothClefs) {
  // The staff's lines: bass G2 B2 D3 F3 A3, treble E4 G4 B4 D5 F5.
  const auto whites = WhiteKeysFromG2To(67);
  ASSERT_EQ(whites.front().midi, 43);
  ASSERT_EQ(whites.back().midi, 67);
  for (size_t i = 0; i < whites.size(); ++i) {
    SCOPED_TRACE(NoteName(whites[i], Language::English));
    const int bass = static_cast<int>(i);
    EXPECT_EQ(StaffPosition(Clef::Bass, whites[i]), bass);
    EXPECT_EQ(StaffPosition(Clef::Treble, whites[i]), bass - 12);
    // A sharp stands at its letter's height, a flat at the letter above.
    if (whites[i].letter != 2 && whites[i].letter != 6 && whites[i].midi < 67) {
      const SpelledNote sharp = SpellTogether({whites[i].midi + 1})[0];
      const SpelledNote flat = SpellInTurn({whites[i].midi + 2, whites[i].midi + 1})[1];
      EXPECT_EQ(StaffPosition(Clef::Bass, sharp), bass);
      EXPECT_EQ(StaffPosition(Clef::Bass, flat), bass + 1);
      EXPECT_EQ(MidiOf(flat.letter, flat.alter, flat.octave), whites[i].midi + 1);
    }
  }
  for (int midi = 43; midi <= 67; ++midi) {
    SCOPED_TRACE(midi);
    for (const SpelledNote& note : {SpellTogether({midi})[0], SpellInTurn({midi + 1, midi})[1]}) {
      for (Clef clef : {Clef::Treble, Clef::Bass}) {
        const int position = StaffPosition(clef, note);
        const std::vector<int> ledgers = LedgerLines(position);
        // Every line between the staff and the note, none further.
        const int expected = position < 0 ? -position / 2 : position > 8 ? (position - 8) / 2 : 0;
        ASSERT_EQ(static_cast<int>(ledgers.size()), expected) << position;
        for (size_t k = 0; k < ledgers.size(); ++k)
          EXPECT_EQ(ledgers[k], position < 0 ? -2 - 2 * static_cast<int>(k) : 10 + 2 * static_cast<int>(k));
      }
      // On its own staff only middle C's line is ever needed.
      const int own = StaffPosition(ClefFor(midi), note);
      EXPECT_EQ(LedgerLines(own).size(), note.octave == 4 && note.letter == 0 ? 1u : 0u);
      EXPECT_EQ(ClefFor(midi), midi >= 60 ? Clef::Treble : Clef::Bass);
      EXPECT_EQ(note.octave, midi >= 60 ? 4 : midi >= 48 ? 3 : 2) << "a white key's letter never leaves its octave";
    }
  }
}

TEST(NotationSpelling, TheRuleOnATableOfCases) {
  struct Case {
    std::vector<int> notes;
    bool together;
    const char* expected;
  };
  const Case cases[] = {
      {{60, 61, 64}, true, "C4 D♭4 E4"},        // C C# E would need a natural
      {{60, 63, 67}, true, "C4 E♭4 G4"},        // a tie of signs: no augmented second
      {{60, 61, 66}, true, "C4 D♭4 G♭4"},
      {{61, 65, 68}, true, "D♭4 F4 A♭4"},       // not the diminished fourth C# F
      {{61, 66, 68}, true, "C♯4 F♯4 G♯4"},      // a full tie: sharps
      {{58, 59, 60}, true, "A♯3 B3 C4"},        // B flat and B would need a natural
      {{48, 52, 56}, true, "C3 E3 G♯3"},
      {{60, 61}, false, "C4 C♯4"},              // up: sharp
      {{62, 61}, false, "D4 D♭4"},              // down: flat
      {{61, 64, 63}, false, "C♯4 E4 E♭4"},      // the first follows the step to the second
      {{66, 63, 67}, false, "G♭4 E♭4 G4"},
      {{61}, false, "C♯4"},
      {{61, 61, 59}, false, "D♭4 D♭4 B3"},       // a repeated note keeps its name
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const auto spelled = c.together ? SpellTogether(c.notes) : SpellInTurn(c.notes);
    EXPECT_EQ(Names(spelled), c.expected);
    for (size_t i = 0; i < spelled.size(); ++i)
      EXPECT_EQ(MidiOf(spelled[i].letter, spelled[i].alter, spelled[i].octave), c.notes[i]);
  }
}

TEST(NotationSpelling, NamesInEachLanguage) {
  const auto notes = SpellTogether({58, 59, 61, 63, 68});  // B flat, B, C#/Db, D#/Eb, G#/Ab
  const std::vector<SpelledNote> flats = {SpellInTurn({59, 58})[1], SpellInTurn({64, 63})[1], SpellInTurn({69, 68})[1],
                                          SpellInTurn({62, 61})[1]};
  EXPECT_EQ(Names(flats, Language::German), "B3 Es4 As4 Des4");
  EXPECT_EQ(NoteName(SpellTogether({59})[0], Language::German), "H3");
  EXPECT_EQ(NoteName(SpellTogether({61})[0], Language::German), "Cis4");
  EXPECT_EQ(NoteName(SpellTogether({61})[0], Language::English), "C♯4");
  // Middle C is do3 where solfège names are written.
  EXPECT_EQ(NoteName(SpellTogether({61})[0], Language::French), "do♯3");
  EXPECT_EQ(NoteName(flats[0], Language::Italian), "Si♭2");
  EXPECT_EQ(NoteName(SpellTogether({62})[0], Language::Spanish), "Re3");
  EXPECT_EQ(NoteName(SpellTogether({62})[0], Language::French), "ré3");
  EXPECT_EQ(notes.size(), 5u);
}

TEST(NotationLayout, SecondsSignsAndHeightsInEveryChord) {
  // Every trichord and tetrachord, in both forms, at every close position
  // that fits the questions' range and at the comparison's heights above it.
  const auto records = ShippedRecords();
  int chords = 0;
  for (const ShippedRecord& r : records) {
    if (r.cardinality != 3 && r.cardinality != 4) continue;
    for (int inverted = 0; inverted < 2; ++inverted)
      for (int low = 43; low <= 67; ++low) {
        std::vector<int> notes;
        for (int pc : r.pitchClasses) notes.push_back(low + (inverted ? r.pitchClasses.back() - pc : pc));
        const Group group = LayOut({notes});
        ASSERT_EQ(group.columns.size(), 1u);
        const auto& placed = group.columns[0].notes;
        ++chords;
        for (size_t i = 0; i < placed.size(); ++i) {
          const PlacedNote& a = placed[i];
          EXPECT_EQ(a.position, StaffPosition(ClefFor(a.note.midi), a.note));
          bool sharesHeight = false;
          for (size_t j = 0; j < placed.size(); ++j) {
            if (i == j) continue;
            const PlacedNote& b = placed[j];
            if (a.clef != b.clef) continue;
            sharesHeight |= a.position == b.position;
            // Noteheads at one place never touch; signs in one column keep a sixth apart.
            if (a.shift == b.shift) {
              EXPECT_GT(std::abs(a.position - b.position), 1) << Names(group.spelled);
            }
            if (a.sign != Sign::None && b.sign != Sign::None && a.signColumn == b.signColumn) {
              EXPECT_GE(std::abs(a.position - b.position), 6) << Names(group.spelled);
            }
          }
          // A sign for each black key, and a natural only where a letter is written twice.
          const Sign expected = a.note.alter > 0 ? Sign::Sharp : a.note.alter < 0 ? Sign::Flat
                                : sharesHeight   ? Sign::Natural
                                                 : Sign::None;
          EXPECT_EQ(a.sign, expected) << Names(group.spelled);
          EXPECT_LT(a.signColumn, std::max(group.columns[0].signColumns, 1));
        }
      }
  }
  EXPECT_EQ(chords, 41 * 2 * 25);

  // C D E: the D beside the others. C C# D: three places, none touching.
  const Group third = LayOut({{60, 62, 64}});
  EXPECT_EQ(third.columns[0].notes[0].shift, 0);
  EXPECT_EQ(third.columns[0].notes[1].shift, 1);
  EXPECT_EQ(third.columns[0].notes[2].shift, 0);
  // Across the staves nothing is displaced: B3 below, C4 above.
  const Group across = LayOut({{59, 60}});
  EXPECT_EQ(across.columns[0].notes[0].clef, Clef::Bass);
  EXPECT_EQ(across.columns[0].notes[1].clef, Clef::Treble);
  EXPECT_EQ(across.columns[0].notes[1].shift, 0);
}

TEST(NotationLayout, ASignHoldsForItsHeightWithinTheGroup) {
  // C, C#, C: the third needs a natural; a new group starts afresh.
  EXPECT_EQ(Signs(LayOut({{60}, {61}, {60}})), (std::vector<Sign>{Sign::None, Sign::Sharp, Sign::Natural}));
  EXPECT_EQ(Signs(LayOut({{61}, {64}, {61}})), (std::vector<Sign>{Sign::Sharp, Sign::None, Sign::Flat}));
  EXPECT_EQ(Signs(LayOut({{61}, {62}, {65}, {61}})).back(), Sign::Flat);
  // A repeated sharp is not written again; octaves are heights of their own.
  EXPECT_EQ(Signs(LayOut({{56}, {61}, {66}, {61}})),
            (std::vector<Sign>{Sign::Sharp, Sign::Sharp, Sign::Sharp, Sign::Flat}));
  EXPECT_EQ(Signs(LayOut({{49}, {61}})), (std::vector<Sign>{Sign::Sharp, Sign::Sharp}));
}

TEST(NotationKeyboard, WholeOctavesWithEachSetsKeys) {
  const Keyboard k = LayOutKeyboard({55, 60, 63}, {55, 59, 62});
  ASSERT_EQ(k.whiteKeys, 14);  // C3 to B4
  ASSERT_EQ(k.keys.size(), 24u);
  EXPECT_EQ(std::count_if(k.keys.begin(), k.keys.end(), [](const Key& key) { return key.black; }), 10);
  std::map<int, const Key*> byMidi;
  for (const Key& key : k.keys) byMidi[key.midi] = &key;
  EXPECT_EQ(byMidi.begin()->first, 48);
  EXPECT_EQ(byMidi.rbegin()->first, 71);
  EXPECT_TRUE(byMidi[55]->pressed[0] && byMidi[55]->pressed[1]);
  EXPECT_TRUE(byMidi[63]->pressed[0] && !byMidi[63]->pressed[1] && byMidi[63]->black);
  EXPECT_TRUE(!byMidi[59]->pressed[0] && byMidi[59]->pressed[1]);
  // A black key stands astride the border of the white keys around it.
  EXPECT_LT(byMidi[63]->x, byMidi[64]->x);
  EXPECT_GT(byMidi[63]->x + byMidi[63]->width, byMidi[64]->x);
  EXPECT_TRUE(LayOutKeyboard({}, {}).keys.empty());
}

TEST(NotationSetClass, IntervalVectorOfEveryShippedClass) {
  const auto records = ShippedRecords();
  ASSERT_EQ(records.size(), 222u);
  std::map<int, std::map<std::array<int, 6>, std::vector<std::string>>> byVector;
  for (const ShippedRecord& r : records) {
    SCOPED_TRACE(std::to_string(r.cardinality) + "-" + r.name);
    const auto vector = IntervalClassVector(r.pitchClasses);
    int pairs = 0;
    for (int n : vector) pairs += n;
    EXPECT_EQ(pairs, r.cardinality * (r.cardinality - 1) / 2);
    // The same for every transposition and inversion, in any order and octave.
    for (int t = 0; t < 12; ++t) {
      std::vector<int> moved, inverted;
      for (int pc : r.pitchClasses) {
        moved.push_back(pc + t + 12 * (pc % 3));
        inverted.push_back(t - pc);
      }
      std::reverse(moved.begin(), moved.end());
      EXPECT_EQ(IntervalClassVector(moved), vector);
      EXPECT_EQ(IntervalClassVector(inverted), vector);
    }
    byVector[r.cardinality][vector].push_back(r.name);
  }
  // Two classes share a vector exactly when both are Z-related.
  for (const auto& [cardinality, vectors] : byVector)
    for (const auto& [vector, names] : vectors) {
      SCOPED_TRACE(std::to_string(cardinality) + "-" + names[0] + " " + FormatVector(vector));
      for (const std::string& name : names) EXPECT_EQ(name[0] == 'Z', names.size() > 1);
    }
  EXPECT_EQ(SetClassLine("11", {0, 3, 7}), "3-11 (0, 3, 7) ⟨001110⟩");
  EXPECT_EQ(SetClassLine("Z15", {0, 1, 4, 6}), "4-Z15 (0, 1, 4, 6) ⟨111111⟩");
  EXPECT_EQ(FormatVector(IntervalClassVector({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11})), "⟨(12)(12)(12)(12)(12)6⟩");
}
