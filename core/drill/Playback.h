// Playing a question: the rules make a plan of notes, each at its moment from
// the start; each platform plays the plan its own way.
#pragma once

#include <cstdint>
#include <vector>

#include "Question.h"

enum class PlayManner { Chord, Figure, MixedFigure };

// The "Play:" group's item: 1 figure, 2 mixed figure, anything else (none
// selected included) chord.
PlayManner PlayMannerFromItemIndex(int itemIndex);

inline constexpr uint8_t kNoteVelocity = 64;
// Arpeggios sleep this long after every note.
inline constexpr uint32_t kArpeggioStepMs = 1000;
// As long as a note sounded at once rings before the output releases it.
inline constexpr uint32_t kNoteHoldMs = 2000;

// How a player that waits in place reaches a note from the one before it (or
// from the start): with it, at a deadline read once on the clock after the
// note before (a figure's gap), or after a plain sleep (an arpeggio's step, a
// pause). The drill window's figures and arpeggios differ in just that.
enum class NoteApproach : uint8_t { Together, Deadline, Sleep };

struct PlanNote {
  uint32_t atMs = 0;
  uint8_t key = 0;
  uint8_t velocity = kNoteVelocity;
  // Until its hold ends or the key is struck again, whichever comes first.
  uint32_t lengthMs = kNoteHoldMs;
  NoteApproach approach = NoteApproach::Together;
};

struct PlaybackPlan {
  std::vector<PlanNote> notes;
  // How long the playing takes, holds aside (an arpeggio sleeps its last step too).
  uint32_t endMs = 0;
};

// Chord: the sorted notes at once. Figure: the played notes with a wait of
// noteGaps[i] after each but the last. Mixed figure: no wait after joinedIndex.
PlaybackPlan PlanQuestionNotes(const QuestionState& question, PlayManner manner);
// The sorted notes upwards / downwards, a step after each (the last included).
PlaybackPlan PlanArpeggio(const QuestionState& question, bool up);
// `more` after the end of `plan`, `pauseMs` slept between; a key struck again
// in `more` cuts its note in `plan` short.
void AppendPlan(PlaybackPlan& plan, const PlaybackPlan& more, uint32_t pauseMs);
// The moment the last note stops sounding, or the end when that is later.
uint32_t SoundingUntilMs(const PlaybackPlan& plan);
