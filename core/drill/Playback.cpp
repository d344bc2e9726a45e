#include "Playback.h"

#include <algorithm>

PlayManner PlayMannerFromItemIndex(int itemIndex) {
  switch (itemIndex) {
    case 1: return PlayManner::Figure;
    case 2: return PlayManner::MixedFigure;
    default: return PlayManner::Chord;
  }
}

namespace {

// The note arrays hold four entries; a damaged count must not read past them.
int NoteCount(const QuestionState& q) { return std::clamp<int32_t>(q.noteCount, 0, 4); }

PlanNote Note(uint32_t atMs, int32_t note, NoteApproach approach) {
  PlanNote n;
  n.atMs = atMs;
  n.key = static_cast<uint8_t>(note & 0xFF);
  n.approach = approach;
  return n;
}

// A key struck again before its hold ends is released just before it, so
// that the release does not cut the new note short.
void CutHolds(PlaybackPlan& plan) {
  std::vector<PlanNote>& notes = plan.notes;
  for (size_t i = 0; i < notes.size(); ++i) {
    uint32_t length = kNoteHoldMs;
    for (size_t j = i + 1; j < notes.size(); ++j) {
      if (notes[j].key != notes[i].key) continue;
      length = std::min(length, notes[j].atMs - notes[i].atMs);
      break;
    }
    notes[i].lengthMs = length;
  }
}

}  // namespace

PlaybackPlan PlanQuestionNotes(const QuestionState& q, PlayManner manner) {
  PlaybackPlan plan;
  const int n = NoteCount(q);
  NoteApproach approach = NoteApproach::Together;
  for (int i = 0; i < n; ++i) {
    const int32_t note = manner == PlayManner::Chord ? q.sortedNotes[i] : q.playedNotes[i];
    plan.notes.push_back(Note(plan.endMs, note, approach));
    approach = NoteApproach::Together;
    if (manner == PlayManner::Chord || i >= n - 1) continue;
    if (manner == PlayManner::MixedFigure && i == q.joinedIndex) continue;
    plan.endMs += static_cast<uint32_t>(std::max<int32_t>(q.noteGaps[i], 0));
    approach = NoteApproach::Deadline;
  }
  CutHolds(plan);
  return plan;
}

PlaybackPlan PlanArpeggio(const QuestionState& q, bool up) {
  PlaybackPlan plan;
  const int n = NoteCount(q);
  for (int k = 0; k < n; ++k) {
    plan.notes.push_back(Note(plan.endMs, q.sortedNotes[up ? k : n - 1 - k], k ? NoteApproach::Sleep : NoteApproach::Together));
    plan.endMs += kArpeggioStepMs;
  }
  CutHolds(plan);
  return plan;
}

void AppendPlan(PlaybackPlan& plan, const PlaybackPlan& more, uint32_t pauseMs) {
  const uint32_t start = plan.endMs + pauseMs;
  const uint32_t before = plan.notes.empty() ? 0 : plan.notes.back().atMs;
  for (size_t i = 0; i < more.notes.size(); ++i) {
    PlanNote note = more.notes[i];
    note.atMs += start;
    // What lies between the parts (a pause, a lead-in, an arpeggio's last step) is slept.
    if (i == 0 && note.approach == NoteApproach::Together && note.atMs > before) note.approach = NoteApproach::Sleep;
    plan.notes.push_back(note);
  }
  plan.endMs = start + more.endMs;
  CutHolds(plan);
}

uint32_t SoundingUntilMs(const PlaybackPlan& plan) {
  uint32_t until = plan.endMs;
  for (const PlanNote& note : plan.notes) until = std::max(until, note.atMs + note.lengthMs);
  return until;
}
