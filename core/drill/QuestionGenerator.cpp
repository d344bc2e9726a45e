#include "QuestionGenerator.h"

#include <algorithm>

VoicingRange VoicingRangeFromIndex(int32_t rangeIndex) {
  switch (rangeIndex) {
    case 1: return VoicingRange::WithinOneOctave;
    case 2: return VoicingRange::WithinTwoOctaves;
    default: return VoicingRange::ClosePosition;
  }
}

int ChooseListIndex(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
  bool any = false;
  for (int i = 0; i < listLength && !any; ++i) any = isEnabled(i);
  if (!any) return -1;
  for (;;) {
    const int i = rng.random(listLength);
    if (isEnabled(i)) return i;
  }
}

bool CanVoice(const SetClassEntry& entry) {
  if (entry.cardinality != 3 && entry.cardinality != 4) return false;
  for (int j = 0; j < entry.cardinality; ++j)
    if (entry.pitchClasses[j] < 0 || entry.pitchClasses[j] > 11) return false;
  return true;
}

namespace {

// The prime form (or its inversion) as a close chord: pitch values are not
// reduced modulo 12, so they ascend and the chord spans less than an octave.
void VoiceClosePosition(const int32_t* p, int n, int32_t t, bool formB, const NoteLimits& limits, RandomSource& rng,
                        QuestionState& q) {
  do {
    const int32_t oct = rng.random(12) * 12;
    for (int j = 0; j < n; ++j) {
      const int32_t value = formB ? t - p[n - 1 - j] : p[j] + t;
      q.sortedNotes[j] = q.playedNotes[j] = value + oct;
      q.noteGaps[j] = (rng.random(2) + 1) * limits.gapUnit;
      q.joinedIndex = rng.random(2);
    }
  } while (q.sortedNotes[0] < limits.lowestNote || q.sortedNotes[n - 1] > limits.highestNote);
}

// Each pitch class in its own random octave within the note range, kept in the
// prime form's order for the figure, until the sorted notes pass the range's test.
void VoiceSpread(const int32_t* p, int n, int32_t t, bool formB, bool oneOctave, const NoteLimits& limits,
                 RandomSource& rng, QuestionState& q) {
  int32_t pc[4];
  for (int j = 0; j < n; ++j) {
    if (formB) {
      pc[j] = t - p[j];
      if (pc[j] < 0) pc[j] += 12;
    } else {
      pc[j] = p[j] + t;
      if (pc[j] > 11) pc[j] -= 12;
    }
  }
  int32_t* s = q.sortedNotes;
  for (;;) {
    for (int j = 0; j < n; ++j) {
      int32_t note;
      do {
        note = pc[j] + rng.random(12) * 12;
      } while (note < limits.lowestNote || note > limits.highestNote);
      q.playedNotes[j] = note;
    }
    for (int j = 0; j < n; ++j) q.noteGaps[j] = (rng.random(2) + 1) * limits.gapUnit;
    q.joinedIndex = rng.random(2);
    std::copy(q.playedNotes, q.playedNotes + n, s);
    std::sort(s, s + n);
    const bool spanOk = !oneOctave || s[n - 1] - s[0] <= 11;
    if (spanOk && s[1] - s[0] <= 12 && s[2] - s[1] <= 12) return;
  }
}

}  // namespace

bool LimitsUsable(const NoteLimits& limits) {
  return limits.lowestNote >= 0 && limits.highestNote <= 127 && limits.highestNote - limits.lowestNote >= 23;
}

void VoiceQuestion(const SetClassEntry& entry, VoicingRange range, const NoteLimits& limits, RandomSource& rng,
                   QuestionState& q) {
  const int n = entry.cardinality;
  const int32_t t = rng.random(12);
  q.isFormB = rng.random(2);
  for (int j = n; j < 4; ++j) q.sortedNotes[j] = q.playedNotes[j] = q.noteGaps[j] = 0;
  if (range == VoicingRange::ClosePosition)
    VoiceClosePosition(entry.pitchClasses, n, t, q.isFormB != 0, limits, rng, q);
  else
    VoiceSpread(entry.pitchClasses, n, t, q.isFormB != 0, range == VoicingRange::WithinOneOctave, limits, rng, q);
  q.noteCount = n;
  q.lastWrongRow = -1;
}

bool GenerateQuestion(const QuestionRequest& request, RandomSource& rng, QuestionState& question) {
  if (!request.isEnabled || !request.entry || !LimitsUsable(request.limits)) return false;
  const int32_t length = std::min<int32_t>(request.listLength, kMaxListLength);
  // Check the entries first so that a usable question is never half replaced.
  for (int i = 0; i < length; ++i) {
    if (!request.isEnabled(i)) continue;
    const SetClassEntry* e = request.entry(i);
    if (e == nullptr || !CanVoice(*e)) return false;
  }
  const int chosen = request.choose ? request.choose(length, request.isEnabled, rng)
                                    : ChooseListIndex(length, request.isEnabled, rng);
  if (chosen < 0 || chosen >= length || !request.isEnabled(chosen)) return false;
  question.listIndex = chosen;
  VoiceQuestion(*request.entry(chosen), request.range, request.limits, rng, question);
  return true;
}

FilterCheck CheckFilterState(const FilterState& current, int32_t cardinalityIndex, const FilterState& drillState) {
  FilterCheck check;
  check.partial = !IsAllOn(cardinalityIndex, current.LowMask, current.HighMask);
  check.changed = current.LowMask != drillState.LowMask || current.HighMask != drillState.HighMask ||
                  current.ModeCode != drillState.ModeCode;
  return check;
}
