#include "TimedPlayback.h"

#include <algorithm>

namespace {

bool IsNoteOn(const MIDIEVENT& e) { return (e.status & 0xF0) == 0x90 && e.data2 > 0; }

MIDIEVENT NoteOffFor(const MIDIEVENT& on) {
  MIDIEVENT off = on;
  off.status = static_cast<uint8_t>(0x80 | (on.status & 0x0F));
  off.data2 = 0;
  return off;
}

uint32_t TicksAt(uint32_t ms) {
  return static_cast<uint32_t>((static_cast<uint64_t>(ms) * TimedPlaybackPort::kTicksPerSecond + 500) / 1000);
}

}  // namespace

void TimedPlaybackPort::Send(const MIDIEVENT& event) { notes_.push_back({cursor_, event}); }

void TimedPlaybackPort::WaitUntil(uint32_t moment) {
  if (static_cast<int32_t>(moment - cursor_) > 0) cursor_ = moment;
}

std::vector<TimedPlaybackPort::Stamped> TimedPlaybackPort::Events() const {
  std::vector<Stamped> events;
  for (size_t i = 0; i < notes_.size(); ++i) {
    const Stamped& note = notes_[i];
    events.push_back(note);
    if (!IsNoteOn(note.event)) continue;
    // A key struck again before its hold ends is released just before it,
    // so that this release does not cut the new note short.
    uint32_t end = note.ms + kHoldMs;
    for (size_t j = i + 1; j < notes_.size(); ++j) {
      const MIDIEVENT& later = notes_[j].event;
      if (IsNoteOn(later) && later.data1 == note.event.data1 && (later.status & 0x0F) == (note.event.status & 0x0F)) {
        end = std::min(end, notes_[j].ms);
        break;
      }
    }
    events.push_back({end, NoteOffFor(note.event)});
  }
  std::stable_sort(events.begin(), events.end(), [](const Stamped& a, const Stamped& b) {
    if (a.ms != b.ms) return a.ms < b.ms;
    return !IsNoteOn(a.event) && IsNoteOn(b.event);
  });
  return events;
}

uint32_t TimedPlaybackPort::EndMs() const {
  const std::vector<Stamped> events = Events();
  return events.empty() ? cursor_ : std::max(cursor_, events.back().ms);
}

size_t TimedPlaybackPort::Put(const Output& output) const {
  size_t taken = 0;
  uint32_t previous = 0;  // the output's clock starts with the first timed record
  for (const Stamped& stamped : Events()) {
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
