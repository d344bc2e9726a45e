#include "Notation.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>

namespace notation {
namespace {

constexpr int kLetterPitch[7] = {0, 2, 4, 5, 7, 9, 11};
// Treble staff's bottom line E4, bass staff's G2, as diatonic steps.
constexpr int kTrebleBottom = 2 + 7 * 5;
constexpr int kBassBottom = 4 + 7 * 3;

int PitchClass(int midi) { return ((midi % 12) + 12) % 12; }
int OctaveOf(int midi) { return (midi >= 0 ? midi / 12 : (midi - 11) / 12) - 1; }
bool IsBlack(int midi) {
  const int pc = PitchClass(midi);
  return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

SpelledNote Spell(int midi, bool sharp) {
  const int pc = PitchClass(midi);
  SpelledNote note;
  note.midi = midi;
  note.octave = OctaveOf(midi);
  int target = pc;
  if (IsBlack(midi)) {
    note.alter = sharp ? 1 : -1;
    target = pc - note.alter;  // the white key the sign alters; never leaves the octave
  }
  note.letter = static_cast<int>(std::find(std::begin(kLetterPitch), std::end(kLetterPitch), target) - kLetterPitch);
  return note;
}

// Signs written for notes sounding together: each altered note, and each
// natural that shares its height with an altered one.
int SignsWritten(const std::vector<SpelledNote>& notes) {
  int signs = 0;
  for (size_t i = 0; i < notes.size(); ++i) {
    if (notes[i].alter != 0) {
      ++signs;
      continue;
    }
    for (size_t j = 0; j < notes.size(); ++j)
      if (j != i && notes[j].alter != 0 && DiatonicStep(notes[j]) == DiatonicStep(notes[i])) {
        ++signs;
        break;
      }
  }
  return signs;
}

// Pairs whose interval is augmented or diminished as spelled (the tritone
// aside): C-D# is, C-Eb is not.
int OddIntervals(const std::vector<SpelledNote>& notes) {
  static const int kSizes[7][2] = {{0, 0}, {1, 2}, {3, 4}, {5, 6}, {6, 7}, {8, 9}, {10, 11}};
  int odd = 0;
  for (size_t i = 0; i < notes.size(); ++i)
    for (size_t j = 0; j < notes.size(); ++j) {
      if (notes[j].midi <= notes[i].midi) continue;
      const int letters = ((notes[j].letter - notes[i].letter) % 7 + 7) % 7;
      const int semitones = (notes[j].midi - notes[i].midi) % 12;
      odd += semitones != kSizes[letters][0] && semitones != kSizes[letters][1];
    }
  return odd;
}

}  // namespace

int MidiOf(int letter, int alter, int octave) { return (octave + 1) * 12 + kLetterPitch[((letter % 7) + 7) % 7] + alter; }

int DiatonicStep(const SpelledNote& note) { return note.letter + 7 * (note.octave + 1); }

std::vector<SpelledNote> SpellTogether(const std::vector<int>& midi) {
  std::vector<size_t> black;
  for (size_t i = 0; i < midi.size(); ++i)
    if (IsBlack(midi[i])) black.push_back(i);
  std::vector<SpelledNote> best;
  // Signs, odd intervals, a mix of sharps and flats, then flats: lowest wins.
  std::tuple<int, int, int, int> bestCost{1 << 30, 0, 0, 0};
  const unsigned choices = black.size() < 12 ? 1u << black.size() : 1u;
  for (unsigned mask = 0; mask < choices; ++mask) {
    std::vector<SpelledNote> notes;
    int flats = 0;
    for (size_t i = 0; i < midi.size(); ++i) {
      const auto at = std::find(black.begin(), black.end(), i);
      const bool flat = at != black.end() && ((mask >> (at - black.begin())) & 1u);
      flats += flat;
      notes.push_back(Spell(midi[i], !flat));
    }
    const int sharps = static_cast<int>(black.size()) - flats;
    const std::tuple<int, int, int, int> cost{SignsWritten(notes), OddIntervals(notes), std::min(flats, sharps), flats};
    if (cost < bestCost) {
      bestCost = cost;
      best = std::move(notes);
    }
  }
  return best;
}

std::vector<SpelledNote> SpellInTurn(const std::vector<int>& midi) {
  std::vector<SpelledNote> notes;
  for (size_t i = 0; i < midi.size(); ++i) {
    if (i > 0 && midi[i] == midi[i - 1]) {
      notes.push_back(notes.back());  // a repeated note keeps its name
      continue;
    }
    bool up = true;
    if (i > 0) {
      up = midi[i] > midi[i - 1];
    } else {
      for (size_t j = 1; j < midi.size(); ++j)
        if (midi[j] != midi[0]) {
          up = midi[j] > midi[0];
          break;
        }
    }
    notes.push_back(Spell(midi[i], up));
  }
  return notes;
}

std::string NoteName(const SpelledNote& note, Language language) {
  static const char* const kEnglish[7] = {"C", "D", "E", "F", "G", "A", "B"};
  static const char* const kSolfege[7] = {"Do", "Re", "Mi", "Fa", "Sol", "La", "Si"};
  static const char* const kFrench[7] = {"do", "ré", "mi", "fa", "sol", "la", "si"};
  const char* sign = note.alter > 0 ? "♯" : note.alter < 0 ? "♭" : "";
  switch (language) {
    case Language::English:
      return kEnglish[note.letter] + std::string(sign) + std::to_string(note.octave);
    case Language::German: {
      // German writes H for B, B for B flat, and the signs as syllables.
      static const char* const kGerman[7] = {"C", "D", "E", "F", "G", "A", "H"};
      std::string name = kGerman[note.letter];
      if (note.alter > 0) name += "is";
      if (note.alter < 0) {
        if (note.letter == 6)
          name = "B";
        else if (note.letter == 2 || note.letter == 5)
          name += "s";  // Es, As
        else
          name += "es";
      }
      return name + std::to_string(note.octave);
    }
    case Language::French:
      return kFrench[note.letter] + std::string(sign) + std::to_string(note.octave - 1);
    case Language::Spanish:
    case Language::Italian:
      return kSolfege[note.letter] + std::string(sign) + std::to_string(note.octave - 1);
  }
  return {};
}

Clef ClefFor(int midi) { return midi >= 60 ? Clef::Treble : Clef::Bass; }

int StaffPosition(Clef clef, const SpelledNote& note) {
  return DiatonicStep(note) - (clef == Clef::Treble ? kTrebleBottom : kBassBottom);
}

std::vector<int> LedgerLines(int position) {
  std::vector<int> lines;
  for (int p = -2; p >= position; p -= 2) lines.push_back(p);
  for (int p = 10; p <= position; p += 2) lines.push_back(p);
  return lines;
}

Group LayOut(const std::vector<std::vector<int>>& columns) {
  Group group;
  std::vector<int> played;
  for (const auto& column : columns) played.insert(played.end(), column.begin(), column.end());
  const bool together = columns.size() == 1;
  group.spelled = together ? SpellTogether(played) : SpellInTurn(played);

  // The sign in force at each height of each staff within the group.
  std::map<std::pair<Clef, int>, int> inForce;
  size_t next = 0;
  for (const auto& sounding : columns) {
    Column column;
    for (size_t i = 0; i < sounding.size(); ++i) {
      PlacedNote placed;
      placed.note = group.spelled[next++];
      placed.clef = ClefFor(placed.note.midi);
      placed.position = StaffPosition(placed.clef, placed.note);
      placed.ledgers = LedgerLines(placed.position);
      column.notes.push_back(placed);
    }
    std::sort(column.notes.begin(), column.notes.end(),
              [](const PlacedNote& a, const PlacedNote& b) { return a.note.midi < b.note.midi; });

    for (PlacedNote& note : column.notes) {
      bool shared = false;
      for (const PlacedNote& other : column.notes)
        shared |= &other != &note && other.clef == note.clef && other.position == note.position;
      const auto held = inForce.find({note.clef, note.position});
      const int before = held == inForce.end() ? 0 : held->second;
      if (note.note.alter != before || shared)
        note.sign = note.note.alter > 0 ? Sign::Sharp : note.note.alter < 0 ? Sign::Flat : Sign::Natural;
    }
    for (const PlacedNote& note : column.notes) inForce[{note.clef, note.position}] = note.note.alter;

    // Seconds (and a letter written twice): a note steps right, by as many
    // noteheads as it takes to touch none within a step of it.
    for (size_t i = 0; i < column.notes.size(); ++i) {
      PlacedNote& note = column.notes[i];
      for (bool touching = true; touching;) {
        touching = false;
        for (size_t j = 0; j < i; ++j)
          touching |= column.notes[j].clef == note.clef && column.notes[j].shift == note.shift &&
                      std::abs(note.position - column.notes[j].position) <= 1;
        if (touching) ++note.shift;
      }
    }

    // Signs from the top down, each in the column nearest the notes where no
    // sign within a sixth stands already.
    std::vector<std::vector<std::pair<Clef, int>>> taken;
    for (auto it = column.notes.rbegin(); it != column.notes.rend(); ++it) {
      if (it->sign == Sign::None) continue;
      size_t c = 0;
      for (; c < taken.size(); ++c) {
        const bool clash = std::any_of(taken[c].begin(), taken[c].end(), [&](const std::pair<Clef, int>& t) {
          return t.first == it->clef && std::abs(t.second - it->position) < 6;
        });
        if (!clash) break;
      }
      if (c == taken.size()) taken.emplace_back();
      taken[c].push_back({it->clef, it->position});
      it->signColumn = static_cast<int>(c);
    }
    column.signColumns = static_cast<int>(taken.size());
    group.columns.push_back(std::move(column));
  }
  return group;
}

std::array<int, 6> IntervalClassVector(const std::vector<int>& pitchClasses) {
  std::array<int, 6> vector{};
  for (size_t i = 0; i < pitchClasses.size(); ++i)
    for (size_t j = i + 1; j < pitchClasses.size(); ++j) {
      const int d = PitchClass(pitchClasses[j] - pitchClasses[i]);
      const int ic = std::min(d, 12 - d);
      if (ic > 0) ++vector[static_cast<size_t>(ic - 1)];
    }
  return vector;
}

std::string FormatVector(const std::array<int, 6>& vector) {
  std::string text = "⟨";
  for (int n : vector) text += n < 10 ? std::to_string(n) : "(" + std::to_string(n) + ")";
  return text + "⟩";
}

std::string SetClassLine(const std::string& name, const std::vector<int>& primeForm) {
  std::string text = std::to_string(primeForm.size()) + "-" + name + " (";
  for (size_t i = 0; i < primeForm.size(); ++i) text += (i ? ", " : "") + std::to_string(primeForm[i]);
  return text + ") " + FormatVector(IntervalClassVector(primeForm));
}

Keyboard LayOutKeyboard(const std::vector<int>& first, const std::vector<int>& second) {
  Keyboard keyboard;
  std::vector<int> all = first;
  all.insert(all.end(), second.begin(), second.end());
  if (all.empty()) return keyboard;
  const auto [low, high] = std::minmax_element(all.begin(), all.end());
  const int from = (OctaveOf(*low) + 1) * 12;
  const int to = (OctaveOf(*high) + 1) * 12 + 11;
  std::vector<Key> black;
  for (int midi = from; midi <= to; ++midi) {
    Key key;
    key.midi = midi;
    key.black = IsBlack(midi);
    key.pressed[0] = std::find(first.begin(), first.end(), midi) != first.end();
    key.pressed[1] = std::find(second.begin(), second.end(), midi) != second.end();
    if (key.black) {
      key.width = 0.6;
      key.x = keyboard.whiteKeys - 0.3;  // astride the white keys' border
      black.push_back(key);
    } else {
      key.x = keyboard.whiteKeys++;
      keyboard.keys.push_back(key);
    }
  }
  keyboard.keys.insert(keyboard.keys.end(), black.begin(), black.end());
  return keyboard;
}

}  // namespace notation
