// Playing set classes outside a question: each in its prime form, voiced in
// the drill's range and played in the drill's manner, with a pause between.
#pragma once

#include <cstdint>
#include <vector>

#include "Catalogue.h"
#include "Playback.h"
#include "QuestionGenerator.h"
#include "Random.h"

// Between the two set classes of a confusion.
inline constexpr uint32_t kBetweenClassesMs = 1000;
// Between a wrong answer and the set class it named.
inline constexpr uint32_t kAfterWrongAnswerMs = 500;

// The entry voiced as a question would be, but always in form A. False, the
// voicing untouched, when the entry cannot be voiced or the limits are unusable.
bool VoicePrimeForm(const SetClassEntry& entry, VoicingRange range, const NoteLimits& limits, RandomSource& rng,
                    QuestionState& voicing);

struct SetClassPlay {
  VoicingRange range = VoicingRange::ClosePosition;
  NoteLimits limits;
  PlayManner manner = PlayManner::Chord;
};

// Adds to `plan` a pause of `pauseBefore` ms, then each entry, `pauseBetween`
// ms apart. Entries that cannot be voiced are skipped. Returns how many were
// added.
int PlanSetClasses(const std::vector<const SetClassEntry*>& entries, const SetClassPlay& how, uint32_t pauseBefore,
                   uint32_t pauseBetween, RandomSource& rng, PlaybackPlan& plan);

// Practice's reveal: after `leadInMs`, the question (when given), then the
// class named (when given) in its prime form, a pause between; both in the
// manner of `how`. The moments the parts begin, for naming them as they sound.
struct RevealPlan {
  PlaybackPlan plan;
  bool hasQuestion = false, hasNamed = false;
  uint32_t questionAtMs = 0, namedAtMs = 0;
};
RevealPlan PlanReveal(const QuestionState* question, const SetClassEntry* named, const SetClassPlay& how,
                      uint32_t leadInMs, RandomSource& rng);
