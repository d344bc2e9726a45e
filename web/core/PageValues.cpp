// The value types more than one binding hands the page.
#include "PageValues.h"

#include <emscripten/bind.h>

namespace {

// As the page plays a note: whole milliseconds and MIDI bytes as numbers.
struct NoteValue {
  double atMs = 0;
  int key = 0;
  int velocity = 0;
  double lengthMs = 0;
};

}  // namespace

emscripten::val PlanValue(const PlaybackPlan& plan) {
  std::vector<NoteValue> notes;
  notes.reserve(plan.notes.size());
  for (const PlanNote& n : plan.notes) notes.push_back({static_cast<double>(n.atMs), n.key, n.velocity, static_cast<double>(n.lengthMs)});
  return JsArray(notes);
}

std::vector<int> IntsOf(const emscripten::val& list) {
  if (!list.isArray()) return {};
  std::vector<int> out;
  const int length = list["length"].as<int>();
  for (int i = 0; i < length; ++i) {
    const emscripten::val v = list[i];
    if (v.isNumber()) out.push_back(v.as<int>());
  }
  return out;
}

EMSCRIPTEN_BINDINGS(sonorix_values) {
  emscripten::value_object<NoteValue>("PlannedNote")
      .field("atMs", &NoteValue::atMs)
      .field("key", &NoteValue::key)
      .field("velocity", &NoteValue::velocity)
      .field("lengthMs", &NoteValue::lengthMs);
}
