#include "SingJudge.h"

#include <algorithm>
#include <cstdlib>

namespace {

int PitchClassOf(int value) { return ((value % 12) + 12) % 12; }

// The pitch classes of the class's 24 forms (each transposition of the
// prime form and of its inversion) that hold `first`, the one holding most
// of `sung` first.
std::vector<int> BestForm(const std::vector<int>& prime, const std::vector<int>& sung) {
  std::vector<int> best;
  int bestHits = -1;
  for (int inverted = 0; inverted < 2; ++inverted) {
    for (int t = 0; t < 12; ++t) {
      std::vector<int> form;
      for (int p : prime) form.push_back(PitchClassOf(inverted ? t - p : t + p));
      if (!sung.empty() && std::find(form.begin(), form.end(), sung.front()) == form.end()) continue;
      int hits = 0;
      std::vector<int> left = form;
      for (int pc : sung) {
        auto it = std::find(left.begin(), left.end(), pc);
        if (it != left.end()) {
          ++hits;
          left.erase(it);
        }
      }
      if (hits > bestHits) {
        bestHits = hits;
        best = form;
      }
    }
  }
  return best;
}

// What each sung note should have been: the sung pitch class where the form
// holds it (each once), else the form's next pitch class not yet sung.
std::vector<int> ExpectedInAnyForm(const std::vector<int>& prime, const std::vector<int>& sung) {
  const std::vector<int> form = BestForm(prime, sung);
  std::vector<int> left = form, expected(sung.size(), -1);
  for (size_t i = 0; i < sung.size(); ++i) {
    auto it = std::find(left.begin(), left.end(), sung[i]);
    if (it != left.end()) {
      expected[i] = sung[i];
      left.erase(it);
    }
  }
  for (size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] < 0 && !left.empty()) {
      expected[i] = left.front();
      left.erase(left.begin());
    }
  }
  expected.insert(expected.end(), left.begin(), left.end());  // not sung at all
  return expected;
}

}  // namespace

std::vector<SungNote> NotesJudged(const SingExercise& e, const std::vector<SungNote>& sung) {
  // Singing the played start again first is taking the pitch, not answering.
  if (e.kind == SingKind::Class && !e.anyForm && !sung.empty() && sung.front().pitchClass == e.startPitchClass)
    return {sung.begin() + 1, sung.end()};
  return sung;
}

SingVerdict Judge(const SingExercise& e, const std::vector<SungNote>& heard, const SingSettings& settings) {
  const int tolerance = Sanitized(settings).toleranceCents;
  const std::vector<SungNote> sung = NotesJudged(e, heard);
  const size_t wanted = NotesToSing(e);
  std::vector<int> expected;
  if (e.kind == SingKind::Class && e.anyForm) {
    std::vector<int> pcs;
    for (size_t i = 0; i < sung.size() && i < wanted; ++i) pcs.push_back(sung[i].pitchClass);
    expected = ExpectedInAnyForm(e.primeForm, pcs);
  } else {
    expected = e.expected;
  }
  expected.resize(std::min(expected.size(), wanted));

  SingVerdict v;
  v.right = sung.size() == wanted && wanted > 0;
  for (size_t i = 0; i < std::max(expected.size(), sung.size()); ++i) {
    NoteVerdict n;
    n.expected = i < expected.size() ? expected[i] : -1;
    if (i < sung.size()) {
      n.sung = sung[i].pitchClass;
      n.cents = sung[i].cents;
    }
    n.right = n.expected >= 0 && n.sung == n.expected && std::abs(n.cents) <= tolerance;
    v.right = v.right && n.right;
    if (v.why.empty() && !n.right) {
      const std::string at = "note " + std::to_string(i + 1);
      if (n.expected < 0)
        v.why = "more notes than asked";
      else if (n.sung < 0)
        v.why = sung.empty() ? "nothing was sung"
                             : std::to_string(sung.size()) + " of " + std::to_string(wanted) + " notes were heard";
      else if (n.sung == n.expected)
        v.why = at + " is " + std::to_string(std::abs(n.cents)) + " cents " + (n.cents > 0 ? "sharp" : "flat");
      else
        v.why = at + " is " + PitchClassName(n.sung) + ", not " + PitchClassName(n.expected);
    }
    v.notes.push_back(n);
  }
  if (v.right) v.why.clear();
  return v;
}

VerdictWords WordsOf(const SingExercise& exercise, const SingVerdict& verdict, size_t heard) {
  if (verdict.right) return {"Right! %1", {exercise.className}};
  if (heard == 0) return {"No note was heard. Sing a little louder or closer to the microphone.", {}};
  // Of the notes asked: an extra note sung is wrong, never one more to sing.
  int right = 0, asked = 0;
  for (const NoteVerdict& n : verdict.notes) {
    if (n.expected < 0) continue;
    ++asked;
    if (n.right) ++right;
  }
  return {"Not yet: %1 of %2 notes right (%3).", {std::to_string(right), std::to_string(asked), exercise.className}};
}
