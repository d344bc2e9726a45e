// What the student is to sing: back the figure a question played, or a set
// class named with a form and a starting note.
#pragma once

#include <string>
#include <vector>

#include "Catalogue.h"
#include "Question.h"

enum class SingKind { Back, Class };

struct SingExercise {
  SingKind kind = SingKind::Back;
  int setClassList = 3;  // the cardinality list the class comes from: 3 or 4
  int listIndex = 0;     // its place in that list, as a question's listIndex
  std::string className;     // "4-Z15"
  std::vector<int> primeForm;  // from 0, ascending
  bool inverted = false;
  int startPitchClass = 0;
  bool anyForm = false;  // Class: any transposition or inversion, starting anywhere
  std::vector<int> played;    // MIDI notes played, in order
  std::vector<int> expected;  // pitch classes to sing, in order; for Class the rest after the starting note
};

// Sing it back: the question's played notes in their order.
SingExercise BackExercise(const QuestionState& question, const SetClassEntry& entry, int setClassList);
// Sing the class: the prime form (or its inversion's normal form) from the
// starting note; only the starting note is played, at startMidi.
SingExercise ClassExercise(const SetClassEntry& entry, int setClassList, int listIndex, bool inverted,
                           int startMidi, bool anyForm);

// The form's steps from 0: the prime form, or its inversion's normal form.
std::vector<int> FormFromZero(const std::vector<int>& prime, bool inverted);
// The notes of the right answer from the first played note, to play and show
// beside the sung ones: the figure itself, or the form from the start.
std::vector<int> RightNotes(const SingExercise& exercise);

// The same from a class's name and prime form alone (a tool, a test, the page).
SingExercise BackExercise(const std::string& className, const std::vector<int>& played);
SingExercise ClassExercise(const std::string& className, const std::vector<int>& primeForm, bool inverted,
                           int startMidi, bool anyForm);

// How many notes the student sings: every played note, the rest after the
// start, or with anyForm the whole class.
size_t NotesToSing(const SingExercise& exercise);

// "4-Z15, prime form, from D"; "3-11, inverted form, from F♯". Sing it back
// is just the class name.
std::string Prompt(const SingExercise& exercise);
// "C", "C♯" ... "B": a sung or asked pitch class without octave, English.
std::string PitchClassName(int pitchClass);
