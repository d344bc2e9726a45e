// Playing a question: note-on events and the waits between them. Nothing is
// queued with time stamps; the caller's thread waits in place.
#pragma once

#include <cstdint>
#include <vector>

#include "Question.h"
#include "midiway.h"

// Where playback sends its notes and how it waits.
class PlaybackPort {
 public:
  virtual ~PlaybackPort() = default;
  virtual void Send(const MIDIEVENT& event) = 0;
  // The millisecond clock, an absolute wait on it, and a plain sleep.
  virtual uint32_t Now() = 0;
  virtual void WaitUntil(uint32_t tick) = 0;
  virtual void Sleep(uint32_t ms) = 0;
};

enum class PlayManner { Chord, Figure, MixedFigure };

// The "Play:" group's item: 1 figure, 2 mixed figure, anything else (none
// selected included) chord.
PlayManner PlayMannerFromItemIndex(int itemIndex);

// Note on, channel 1, velocity 64, to sound at once; data1 is the note's low 8 bits.
MIDIEVENT NoteOnEvent(int32_t note);

// Arpeggios sleep this long after every note.
inline constexpr uint32_t kArpeggioStepMs = 1000;

// Chord: the sorted notes at once. Figure: the played notes with a wait of
// noteGaps[i] after each but the last. Mixed figure: no wait after joinedIndex.
void PlayQuestionNotes(const QuestionState& question, PlayManner manner, PlaybackPort& port);
// The sorted notes upwards / downwards, a sleep after each (the last included).
void ArpeggiateUp(const QuestionState& question, PlaybackPort& port);
void ArpeggiateDown(const QuestionState& question, PlaybackPort& port);

// The same notes as a plan, for a port that places them on its own clock
// instead of waiting: each note's time from the first, and how long the
// whole takes (an arpeggio holds its last step too).
struct PlannedNote {
  uint32_t atMs = 0;
  MIDIEVENT event{};
};
struct PlaybackPlan {
  std::vector<PlannedNote> notes;
  uint32_t lengthMs = 0;
};
PlaybackPlan PlanQuestionNotes(const QuestionState& question, PlayManner manner);
PlaybackPlan PlanArpeggio(const QuestionState& question, bool up);
