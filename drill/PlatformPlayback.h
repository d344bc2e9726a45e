// A plan played in place, as the drill window plays it: the caller's thread
// sends each note when its moment comes and waits between, with the
// platform's clock and waits (test hooks included).
#pragma once

#include "Playback.h"

class WaitingPlayback {
 public:
  virtual ~WaitingPlayback() = default;
  void Play(const PlaybackPlan& plan);

  virtual void Send(const PlanNote& note) = 0;
  virtual uint32_t Now();
  virtual void WaitUntil(uint32_t tick);
  virtual void Sleep(uint32_t ms);
};
