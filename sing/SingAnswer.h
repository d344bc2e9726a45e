// What the Sing window shows and plays after the verdict, without widgets:
// the right notes in the student's range, and the set class the sung notes
// make, if any.
#pragma once

#include <vector>

#include "Catalogue.h"
#include "SingExercise.h"
#include "SungNotes.h"
#include "VoiceRange.h"

// The right notes of the exercise (the core's), moved into the range as a
// whole when Sonorix chose them (Sing the class).
std::vector<int> RightNotesIn(const SingExercise& exercise, VoiceRange range);
// Each sung note as its nearest MIDI note.
std::vector<int> NearestNotes(const std::vector<SungNote>& sung);
// The catalogue's set class of the sung pitch classes (3 or 4 distinct ones,
// in any transposition or inversion), nullptr when they make none.
const SetClassEntry* ClassOfNotes(const Catalogue& catalogue, const std::vector<int>& midi);
