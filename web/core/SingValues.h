// A sing exercise and its sung notes as the page holds them, to and from the
// core's own: both the singing's module and the drill's use these.
#pragma once

#include <emscripten/val.h>

#include <vector>

#include "SingExercise.h"
#include "SungNotes.h"

// A number field, or `fallback` when it is missing or no number.
int IntOf(const emscripten::val& object, const char* key, int fallback);

emscripten::val ExerciseValue(const SingExercise& exercise);
// Whatever the page hands back; missing fields keep their defaults.
SingExercise ExerciseOf(const emscripten::val& value);

emscripten::val SungNoteValue(const SungNote& note);
std::vector<SungNote> NotesOf(const emscripten::val& list);
