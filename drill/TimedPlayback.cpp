#include "TimedPlayback.h"

#include <algorithm>

namespace TimedPlayback {

namespace {

bool IsNoteOn(const MIDIEVENT& e) { return (e.status & 0xF0) == 0x90 && e.data2 > 0; }

MIDIEVENT Event(uint8_t status, uint8_t key, uint8_t velocity) {
  MIDIEVENT e{};
  e.status = status;
  e.data1 = key;
  e.data2 = velocity;
  return e;
}

uint32_t TicksAt(uint32_t ms) {
  return static_cast<uint32_t>((static_cast<uint64_t>(ms) * kTicksPerSecond + 500) / 1000);
}

}  // namespace

std::vector<Stamped> Events(const PlaybackPlan& plan) {
  std::vector<Stamped> events;
  for (const PlanNote& note : plan.notes) {
    events.push_back({note.atMs, Event(0x90, note.key, note.velocity)});
    events.push_back({note.atMs + note.lengthMs, Event(0x80, note.key, 0)});
  }
  std::stable_sort(events.begin(), events.end(), [](const Stamped& a, const Stamped& b) {
    if (a.ms != b.ms) return a.ms < b.ms;
    return !IsNoteOn(a.event) && IsNoteOn(b.event);
  });
  return events;
}

size_t Put(const PlaybackPlan& plan, const Output& output) {
  size_t taken = 0;
  uint32_t previous = 0;  // the output's clock starts with the first timed record
  for (const Stamped& stamped : Events(plan)) {
    MIDIEVENT event = stamped.event;
    const uint32_t at = TicksAt(stamped.ms);
    // Deltas from absolute ticks, so that rounding never adds up.
    event.time = at - previous;
    previous = at;
    if (!output(event)) break;
    ++taken;
  }
  return taken;
}

}  // namespace TimedPlayback
