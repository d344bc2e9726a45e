// The sing log for the page: a judged try goes to sing.dat through the page's
// files, as the desktop appends it; and each person's counts. Lives in the
// drill's module, which has the files and the clock; the tracker does not.
#include <emscripten/bind.h>

#include <string>

#include "SingLog.h"
#include "SingValues.h"

using emscripten::val;

namespace {

// The verdict as the page got it from the singing's module: only right or
// wrong goes to the file, the notes come from `sung`.
bool RecordSung(const val& exercise, const val& sung, bool right, int attempt, const std::string& person) {
  if (person.empty()) return false;
  SingVerdict verdict;
  verdict.right = right;
  return AppendSingRecord(kSingFileName, MakeSingRecord(ExerciseOf(exercise), NotesOf(sung), verdict, attempt, person));
}

val SingCountsOf(const std::string& person) {
  const std::optional<SingLog> log = LoadSingLog(kSingFileName, &person);
  const SingCounts c = log ? CountSing(*log, &person) : SingCounts{};
  val v = val::object();
  v.set("sung", c.sung);
  v.set("firstTryRight", c.firstTryRight);
  v.set("readable", log.has_value());
  return v;
}

}  // namespace

EMSCRIPTEN_BINDINGS(sonorix_sing_log) {
  emscripten::function("recordSung", &RecordSung);
  emscripten::function("singCounts", &SingCountsOf);
}
