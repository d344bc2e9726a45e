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

// Waits `pauseBefore` ms, then plays each entry, `pauseBetween` ms apart.
// Entries that cannot be voiced are skipped. Returns how many were played.
int PlaySetClasses(const std::vector<const SetClassEntry*>& entries, const SetClassPlay& how, uint32_t pauseBefore,
                   uint32_t pauseBetween, RandomSource& rng, PlaybackPort& port);
