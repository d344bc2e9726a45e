#include "PlatformPlayback.h"

#include "Platform.h"

uint32_t WaitingPlayback::Now() { return PlatformTickCount(); }
void WaitingPlayback::WaitUntil(uint32_t tick) { PlatformWaitUntil(tick); }
void WaitingPlayback::Sleep(uint32_t ms) { PlatformSleep(ms); }

void WaitingPlayback::Play(const PlaybackPlan& plan) {
  uint32_t previous = 0;
  for (const PlanNote& note : plan.notes) {
    const uint32_t gap = note.atMs - previous;
    switch (note.approach) {
      case NoteApproach::Together: break;
      // The deadline is read once, after the note before; the wait sleeps to it rather than polling.
      case NoteApproach::Deadline: WaitUntil(Now() + gap); break;
      case NoteApproach::Sleep: Sleep(gap); break;
    }
    Send(note);
    previous = note.atMs;
  }
  if (plan.endMs > previous) Sleep(plan.endMs - previous);
}
