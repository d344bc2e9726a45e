#include "SingValues.h"

#include <string>

#include "PageValues.h"

using emscripten::val;

int IntOf(const val& object, const char* key, int fallback) {
  const val v = object[key];
  return v.isNumber() ? v.as<int>() : fallback;
}

namespace {

bool IsObject(const val& v) { return !v.isNull() && v.typeOf().as<std::string>() == "object"; }

double NumberOf(const val& object, const char* key) {
  const val v = object[key];
  return v.isNumber() ? v.as<double>() : 0;
}

}  // namespace

val ExerciseValue(const SingExercise& e) {
  val v = val::object();
  v.set("kind", e.kind == SingKind::Back ? 0 : 1);
  v.set("setClassList", e.setClassList);
  v.set("listIndex", e.listIndex);
  v.set("className", e.className);
  v.set("primeForm", JsArray(e.primeForm));
  v.set("inverted", e.inverted);
  v.set("startPitchClass", e.startPitchClass);
  v.set("anyForm", e.anyForm);
  v.set("played", JsArray(e.played));
  v.set("expected", JsArray(e.expected));
  v.set("right", JsArray(RightNotes(e)));
  v.set("prompt", Prompt(e));
  return v;
}

SingExercise ExerciseOf(const val& v) {
  SingExercise e;
  if (!IsObject(v)) return e;
  e.kind = IntOf(v, "kind", 0) == 1 ? SingKind::Class : SingKind::Back;
  e.setClassList = IntOf(v, "setClassList", 3);
  e.listIndex = IntOf(v, "listIndex", 0);
  e.className = v["className"].isString() ? v["className"].as<std::string>() : std::string();
  e.primeForm = IntsOf(v["primeForm"]);
  e.inverted = v["inverted"].isTrue();
  e.startPitchClass = IntOf(v, "startPitchClass", 0);
  e.anyForm = v["anyForm"].isTrue();
  e.played = IntsOf(v["played"]);
  e.expected = IntsOf(v["expected"]);
  return e;
}

val SungNoteValue(const SungNote& n) {
  val v = val::object();
  v.set("start", n.start);
  v.set("end", n.end);
  v.set("midi", n.midi);
  v.set("pitchClass", n.pitchClass);
  v.set("cents", n.cents);
  return v;
}

std::vector<SungNote> NotesOf(const val& list) {
  std::vector<SungNote> notes;
  if (!list.isArray()) return notes;
  const int count = list["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const val n = list[i];
    if (!IsObject(n)) continue;
    // The pitch decides; the class and cents follow from it as the core finds them.
    SungNote note = NoteOfMidi(NumberOf(n, "midi"));
    note.start = NumberOf(n, "start");
    note.end = NumberOf(n, "end");
    notes.push_back(note);
  }
  return notes;
}
