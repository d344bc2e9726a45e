#include "SingExercise.h"

#include <algorithm>

namespace {

std::string ClassName(const SetClassEntry& entry) { return std::to_string(entry.cardinality) + "-" + entry.name; }

std::vector<int> PrimeOf(const SetClassEntry& entry) {
  const int n = std::clamp(int(entry.cardinality), 0, 12);
  return std::vector<int>(entry.pitchClasses, entry.pitchClasses + n);
}

int PitchClassOf(int value) { return ((value % 12) + 12) % 12; }

}  // namespace

std::vector<int> FormFromZero(const std::vector<int>& prime, bool inverted) {
  if (!inverted || prime.empty()) return prime;
  // The inversion's normal form, as the drill voices form B: the top of the
  // prime form becomes the bottom.
  std::vector<int> form;
  for (size_t j = prime.size(); j-- > 0;) form.push_back(prime.back() - prime[j]);
  return form;
}

SingExercise BackExercise(const std::string& className, const std::vector<int>& played) {
  SingExercise e;
  e.kind = SingKind::Back;
  e.className = className;
  for (int note : played) {
    e.played.push_back(std::clamp(note, 0, 127));
    e.expected.push_back(PitchClassOf(e.played.back()));
  }
  e.startPitchClass = e.expected.empty() ? 0 : e.expected.front();
  return e;
}

SingExercise BackExercise(const QuestionState& question, const SetClassEntry& entry, int setClassList) {
  const int n = std::clamp(int(question.noteCount), 0, 4);
  SingExercise e = BackExercise(ClassName(entry), std::vector<int>(question.playedNotes, question.playedNotes + n));
  e.setClassList = setClassList;
  e.listIndex = question.listIndex;
  e.primeForm = PrimeOf(entry);
  e.inverted = question.isFormB != 0;
  return e;
}

SingExercise ClassExercise(const std::string& className, const std::vector<int>& primeForm, bool inverted,
                           int startMidi, bool anyForm) {
  SingExercise e;
  e.kind = SingKind::Class;
  e.className = className;
  e.primeForm = primeForm;
  e.inverted = inverted;
  e.anyForm = anyForm;
  e.startPitchClass = PitchClassOf(startMidi);
  e.played = {std::clamp(startMidi, 0, 127)};
  const std::vector<int> form = FormFromZero(e.primeForm, inverted);
  for (size_t j = 1; j < form.size(); ++j) e.expected.push_back(PitchClassOf(e.startPitchClass + form[j]));
  return e;
}

SingExercise ClassExercise(const SetClassEntry& entry, int setClassList, int listIndex, bool inverted, int startMidi,
                           bool anyForm) {
  SingExercise e = ClassExercise(ClassName(entry), PrimeOf(entry), inverted, startMidi, anyForm);
  e.setClassList = setClassList;
  e.listIndex = listIndex;
  return e;
}

size_t NotesToSing(const SingExercise& e) {
  if (e.kind == SingKind::Class && e.anyForm) return e.primeForm.size();
  return e.expected.size();
}

std::vector<int> RightNotes(const SingExercise& e) {
  if (e.kind == SingKind::Back || e.played.empty()) return e.played;
  std::vector<int> notes;
  for (int step : FormFromZero(e.primeForm, e.inverted)) notes.push_back(e.played.front() + step);
  return notes;
}

std::string PitchClassName(int pitchClass) {
  static const char* const kNames[12] = {"C", "C♯", "D", "D♯", "E", "F", "F♯", "G", "G♯", "A", "A♯", "B"};
  return kNames[PitchClassOf(pitchClass)];
}

std::string Prompt(const SingExercise& e) {
  if (e.kind == SingKind::Back) return e.className;
  return e.className + (e.inverted ? ", inverted form, from " : ", prime form, from ") + PitchClassName(e.startPitchClass);
}
