// The picture of a set of notes, laid out without any toolkit: how each note is
// spelled and named, where it stands on a grand staff (ledger lines, accidentals,
// seconds set beside each other), the keys pressed on a keyboard, and the set
// class line with its interval-class vector. Plain structs and the standard
// library only, so that any front end (the desktop's painter, a web page through
// a binding) draws the same picture.
//
// Spelling rule, for atonal sets where no key tells the spelling:
//   - a white key is always its own letter (never E#, Fb, B#, Cb), so a note's
//     letter never leaves its octave and middle C always sits on the treble staff;
//   - a black key is a sharp or a flat:
//     * notes sounding together take, among all spellings of their black keys,
//       the one that writes the fewest signs; a letter written twice at one height
//       (C and C#) needs a natural beside the other sign, so C C# E becomes
//       C Db E. On a tie, the fewest augmented and diminished intervals (C Eb G,
//       not C D# G; the tritone counts as neither), then all sharps or all flats
//       before a mix, then sharps before flats;
//     * notes one after another: a black key reached from below is a sharp, from
//       above a flat (sharps going up, flats going down); the first note takes the
//       direction of the step to the next note, a lone note is a sharp.
//   Within one group (a bar) a sign holds for its height until another replaces it,
//   as in print; each group starts afresh.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace notation {

enum class Language { English, German, French, Spanish, Italian };

struct SpelledNote {
  int midi = 60;
  int letter = 0;  // 0 C, 1 D, 2 E, 3 F, 4 G, 5 A, 6 B
  int alter = 0;   // -1 flat, 0 natural, +1 sharp
  int octave = 4;  // scientific pitch: middle C is C4
};

// The note of that letter, sign and octave as MIDI number.
int MidiOf(int letter, int alter, int octave);
// Diatonic steps from C-1: one step per letter, seven per octave.
int DiatonicStep(const SpelledNote& note);

// Notes sounding together, in any order; the result keeps the order.
std::vector<SpelledNote> SpellTogether(const std::vector<int>& midi);
// Notes one after another, in the order played.
std::vector<SpelledNote> SpellInTurn(const std::vector<int>& midi);

// "C♯4" in English; German "Cis4", "H3", "B3" for B flat; French, Spanish and
// Italian "do♯3" / "Do♯3" (solfège names, octaves counted so that middle C is 3,
// as their conservatories write it). UTF-8.
std::string NoteName(const SpelledNote& note, Language language);

enum class Clef { Treble, Bass };
// Up to B3 on the bass staff, C4 and above on the treble staff.
Clef ClefFor(int midi);
// Diatonic steps above the staff's bottom line (E4 treble, G2 bass): lines at
// 0, 2, 4, 6 and 8, spaces between.
int StaffPosition(Clef clef, const SpelledNote& note);
// The ledger lines a note at that position needs, nearest the staff first.
std::vector<int> LedgerLines(int position);

enum class Sign { None, Sharp, Flat, Natural };

struct PlacedNote {
  SpelledNote note;
  Clef clef = Clef::Treble;
  int position = 0;          // see StaffPosition
  std::vector<int> ledgers;  // positions of its ledger lines
  int shift = 0;             // noteheads to the right: 1 for the upper note of a second
  Sign sign = Sign::None;
  int signColumn = 0;        // 0 nearest the notes; higher columns stand further left
};

// Notes that sound together, drawn at one place.
struct Column {
  std::vector<PlacedNote> notes;  // ascending
  int signColumns = 0;            // how many columns of signs stand before it
};

// One set of notes (a bar): the question heard, or the class named beside it.
struct Group {
  std::vector<Column> columns;
  std::vector<SpelledNote> spelled;  // every note, in the order given
};

// Lays out notes that sound as `columns` (each inner list sounds together; one
// list is a chord, one note per list a figure), spelled by the rule above.
Group LayOut(const std::vector<std::vector<int>>& columns);

// Interval-class vector: how many pairs of the set's pitch classes lie 1 to 6
// semitones apart (the smaller way round).
std::array<int, 6> IntervalClassVector(const std::vector<int>& pitchClasses);
// "⟨001110⟩" (UTF-8).
std::string FormatVector(const std::array<int, 6>& vector);
// "3-11 (0, 3, 7) ⟨001110⟩" for the class "11" of prime form 0 3 7.
std::string SetClassLine(const std::string& name, const std::vector<int>& primeForm);

struct Key {
  int midi = 0;
  bool black = false;
  double x = 0;      // left edge, in white-key widths from the keyboard's left
  double width = 1;  // 1 for a white key, narrower for a black one
  bool pressed[2] = {false, false};  // by the first set, by the second
};

struct Keyboard {
  std::vector<Key> keys;  // white keys first, then the black ones drawn over them
  int whiteKeys = 0;
};

// Whole octaves from the C at or below the lowest note to the B at or above the
// highest, with the keys of each set pressed. Empty when both sets are.
Keyboard LayOutKeyboard(const std::vector<int>& first, const std::vector<int>& second);

}  // namespace notation
