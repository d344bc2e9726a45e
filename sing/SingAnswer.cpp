#include "SingAnswer.h"

#include <algorithm>
#include <cmath>

#include "Atonalfunctions.h"

namespace {

int PitchClass(int n) { return ((n % 12) + 12) % 12; }

PitchClassSet SetOf(std::vector<int> pcs) {
  std::sort(pcs.begin(), pcs.end());
  pcs.erase(std::unique(pcs.begin(), pcs.end()), pcs.end());
  PitchClassSet set;
  for (int pc : pcs) set.elements[set.count++] = pc;
  return set;
}

}  // namespace

std::vector<int> RightNotesIn(const SingExercise& exercise, VoiceRange range) {
  const std::vector<int> notes = RightNotes(exercise);
  return exercise.kind == SingKind::Back ? notes : PlaceInRange(notes, range);
}

std::vector<int> NearestNotes(const std::vector<SungNote>& sung) {
  std::vector<int> notes;
  for (const SungNote& note : sung) notes.push_back(static_cast<int>(std::lround(note.midi)));
  return notes;
}

const SetClassEntry* ClassOfNotes(const Catalogue& catalogue, const std::vector<int>& midi) {
  std::vector<int> pcs;
  for (int n : midi) pcs.push_back(PitchClass(n));
  const PitchClassSet sung = SetOf(pcs);
  if (sung.count < 3 || sung.count > 4) return nullptr;
  const PitchClassSet heard = NormalFormAtZero(sung);
  for (int i = 0; i < kCatalogueSize; ++i) {
    const SetClassEntry* entry = catalogue.Entry(i);
    if (!entry || entry->cardinality != sung.count) continue;
    PitchClassSet prime;
    for (int k = 0; k < entry->cardinality; ++k) prime.elements[prime.count++] = entry->pitchClasses[k];
    PitchClassSet inversion;
    for (int k = 0; k < prime.count; ++k) inversion.elements[inversion.count++] = PitchClass(-prime.elements[k]);
    if (SamePitchClassSet(heard, NormalFormAtZero(prime)) || SamePitchClassSet(heard, NormalFormAtZero(SetOf(
            std::vector<int>(inversion.elements, inversion.elements + inversion.count)))))
      return entry;
  }
  return nullptr;
}
