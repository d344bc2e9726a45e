#include "Playback.h"

#include <algorithm>


PlayManner PlayMannerFromItemIndex(int itemIndex) {
  switch (itemIndex) {
    case 1: return PlayManner::Figure;
    case 2: return PlayManner::MixedFigure;
    default: return PlayManner::Chord;
  }
}

MIDIEVENT NoteOnEvent(int32_t note) {
  MIDIEVENT event{};
  event.time = MIDIWAY_TIME_NOW;
  event.status = 144;
  event.data1 = static_cast<uint8_t>(note & 0xFF);
  event.data2 = 64;
  return event;
}

namespace {

// The note arrays hold four entries; a damaged count must not read past them.
int NoteCount(const QuestionState& q) { return std::clamp<int32_t>(q.noteCount, 0, 4); }

}  // namespace

void PlayQuestionNotes(const QuestionState& q, PlayManner manner, PlaybackPort& port) {
  const int n = NoteCount(q);
  if (manner == PlayManner::Chord) {
    for (int j = 0; j < n; ++j) port.Send(NoteOnEvent(q.sortedNotes[j]));
    return;
  }
  for (int i = 0; i < n; ++i) {
    port.Send(NoteOnEvent(q.playedNotes[i]));
    if (i >= n - 1) break;
    if (manner == PlayManner::MixedFigure && i == q.joinedIndex) continue;
    const auto gap = static_cast<uint32_t>(std::max<int32_t>(q.noteGaps[i], 0));
    // The deadline is read once; the wait sleeps to it rather than polling.
    port.WaitUntil(port.Now() + gap);
  }
}

void ArpeggiateUp(const QuestionState& q, PlaybackPort& port) {
  const int n = NoteCount(q);
  for (int i = 0; i < n; ++i) {
    port.Send(NoteOnEvent(q.sortedNotes[i]));
    port.Sleep(kArpeggioStepMs);
  }
}

void ArpeggiateDown(const QuestionState& q, PlaybackPort& port) {
  for (int i = NoteCount(q) - 1; i >= 0; --i) {
    port.Send(NoteOnEvent(q.sortedNotes[i]));
    port.Sleep(kArpeggioStepMs);
  }
}

PlaybackPlan PlanQuestionNotes(const QuestionState& q, PlayManner manner) {
  PlaybackPlan plan;
  const int n = NoteCount(q);
  for (int i = 0; i < n; ++i) {
    const int32_t note = manner == PlayManner::Chord ? q.sortedNotes[i] : q.playedNotes[i];
    plan.notes.push_back({plan.lengthMs, NoteOnEvent(note)});
    if (manner == PlayManner::Chord || i >= n - 1) continue;
    if (manner == PlayManner::MixedFigure && i == q.joinedIndex) continue;
    plan.lengthMs += static_cast<uint32_t>(std::max<int32_t>(q.noteGaps[i], 0));
  }
  return plan;
}

PlaybackPlan PlanArpeggio(const QuestionState& q, bool up) {
  PlaybackPlan plan;
  const int n = NoteCount(q);
  for (int k = 0; k < n; ++k) {
    plan.notes.push_back({plan.lengthMs, NoteOnEvent(q.sortedNotes[up ? k : n - 1 - k])});
    plan.lengthMs += kArpeggioStepMs;
  }
  return plan;
}
