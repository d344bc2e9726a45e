// Choosing and voicing a question: which set class, which transposition and
// form, and which notes in the chosen range, with the figure's order and waits.
#pragma once

#include <cstdint>
#include <functional>

#include "Catalogue.h"
#include "FilterState.h"
#include "Question.h"
#include "Random.h"

// How a question's notes are spread (the filter window's range index).
enum class VoicingRange : int32_t { ClosePosition = 0, WithinOneOctave = 1, WithinTwoOctaves = 2 };

// 0 close position, 1 one octave, 2 two octaves; anything else is close position.
VoicingRange VoicingRangeFromIndex(int32_t rangeIndex);

struct NoteLimits {
  int32_t lowestNote = 43;
  int32_t highestNote = 67;
  int32_t gapUnit = 250;  // figure waits are one or two units
};

struct QuestionRequest {
  int32_t listLength = 0;                     // length of the current cardinality list
  std::function<bool(int)> isEnabled;         // list index -> may be asked
  std::function<const SetClassEntry*(int)> entry;  // list index -> catalogue entry
  VoicingRange range = VoicingRange::ClosePosition;
  NoteLimits limits;
  // Picks the list index among the enabled ones (-1: none); when empty,
  // random(length) is drawn until enabled.
  std::function<int(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng)> choose;
};

// Draws random(length) until the index is enabled. Returns -1, drawing
// nothing, when no index below length is enabled: the plain loop would never end.
int ChooseListIndex(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng);

// Whether an entry can be voiced: cardinality 3 or 4 and pitch classes 0..11,
// which is what makes every voicing loop end.
bool CanVoice(const SetClassEntry& entry);

// A range of at least 23 semitones within 0..127: every set class then fits
// in each voicing.
bool LimitsUsable(const NoteLimits& limits);

// Draws the transposition and the form, then voices the entry in the range;
// fills every field of the question except listIndex.
void VoiceQuestion(const SetClassEntry& entry, VoicingRange range, const NoteLimits& limits, RandomSource& rng,
                   QuestionState& question);

// The whole choice: set class, transposition, form, voicing, figure, noteCount
// and a cleared last wrong row. Returns false and leaves the question as it was
// when nothing can be asked (an empty list, nothing enabled, an unusable entry).
bool GenerateQuestion(const QuestionRequest& request, RandomSource& rng, QuestionState& question);

// The drill's eligibility and filter-change bookkeeping at a question.
struct FilterCheck {
  bool partial = false;  // not every set class of the cardinality is enabled
  bool changed = false;  // differs from the state the drill runs with
};
FilterCheck CheckFilterState(const FilterState& current, int32_t cardinalityIndex, const FilterState& drillState);
