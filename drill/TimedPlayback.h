// A plan played on the output's own clock: every note goes out at once,
// stamped with its moment, so nothing waits and the window goes on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "Playback.h"
#include "midiway.h"

namespace TimedPlayback {

// The output's own clock: 120 beats a minute, 480 ticks a beat.
inline constexpr uint32_t kTicksPerSecond = 960;

struct Stamped {
  uint32_t ms;
  MIDIEVENT event;
};
// Each note's note-on and its note-off (timed notes sound until one comes)
// by their moments, a note-off before a note-on of the same moment.
std::vector<Stamped> Events(const PlaybackPlan& plan);

// Takes one record with its delta in the output's ticks; false when the
// output refuses it.
using Output = std::function<bool(const MIDIEVENT& event)>;
// Puts the events with deltas in ticks; stops at the first refusal and
// returns how many were taken.
size_t Put(const PlaybackPlan& plan, const Output& output);

}  // namespace TimedPlayback
