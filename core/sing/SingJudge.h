// The verdict on what was sung: pitch classes only (octaves folded), each note
// within the tolerance of its semitone.
#pragma once

#include <string>
#include <vector>

#include "SingExercise.h"
#include "SungNotes.h"

struct NoteVerdict {
  int expected = -1;  // pitch class; -1 when nothing was expected here (an extra note)
  int sung = -1;      // pitch class; -1 when not sung
  int cents = 0;      // the sung note's deviation from its semitone
  bool right = false;
};

struct SingVerdict {
  bool right = false;
  std::vector<NoteVerdict> notes;  // one per expected note, then any extra sung ones
  std::string why;                 // short English reason when wrong; empty when right
};

// Back: the played figure's pitch classes in order. Class: the named form's
// rest from the start, in order; with anyForm, any transposition or inversion
// of the class, in any order, each pitch class once. A note off its semitone
// by more than the tolerance is wrong even when its pitch class is right.
// The notes that answer: Class drops a first note on the played start.
std::vector<SungNote> NotesJudged(const SingExercise& exercise, const std::vector<SungNote>& sung);
SingVerdict Judge(const SingExercise& exercise, const std::vector<SungNote>& sung, const SingSettings& settings);

// The verdict in words, the same on every front end: an English source text
// of the context kVerdictContext, translated by each front end, and what
// goes in for %1, %2, ... in order.
inline constexpr const char* kVerdictContext = "SingVerdict";
struct VerdictWords {
  const char* source = "";
  std::vector<std::string> args;
};
// `heard`: the notes heard, those the verdict passed over included.
VerdictWords WordsOf(const SingExercise& exercise, const SingVerdict& verdict, size_t heard);
