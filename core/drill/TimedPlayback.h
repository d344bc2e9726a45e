// Playback that never waits: each note is stamped with its moment, and the
// whole passage goes to the output at once, for the output's clock to play.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "Playback.h"

// Collects what the playback functions send: their waits move a cursor
// instead of the caller's thread. Put() hands every note-on with its
// note-off (timed notes sound until one comes) to the output, in time order.
class TimedPlaybackPort : public PlaybackPort {
 public:
  // Takes one record with its delta in the output's ticks; false when the
  // output refuses it.
  using Output = std::function<bool(const MIDIEVENT& event)>;

  // The output's own clock: 120 beats a minute, 480 ticks a beat.
  static constexpr uint32_t kTicksPerSecond = 960;
  // As long as a note sounded at once rings before the output releases it.
  static constexpr uint32_t kHoldMs = 2000;

  explicit TimedPlaybackPort(uint32_t leadInMs = 0) : cursor_(leadInMs) {}

  void Send(const MIDIEVENT& event) override;
  // Milliseconds from the moment Put() is called.
  uint32_t Now() override { return cursor_; }
  void WaitUntil(uint32_t moment) override;
  void Sleep(uint32_t ms) override { cursor_ += ms; }

  struct Stamped {
    uint32_t ms;
    MIDIEVENT event;
  };
  // Note-ons and note-offs by their moments, a note-off before a note-on of
  // the same moment.
  std::vector<Stamped> Events() const;
  // The moment the last note ends.
  uint32_t EndMs() const;
  // Puts the events with deltas in ticks; stops at the first refusal and
  // returns how many were taken.
  size_t Put(const Output& output) const;

 private:
  uint32_t cursor_;
  std::vector<Stamped> notes_;
};
