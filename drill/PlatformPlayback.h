// Playback on the desktop: the platform's clock and waits (test hooks included).
#pragma once

#include "Playback.h"

class PlatformPlaybackPort : public PlaybackPort {
 public:
  uint32_t Now() override;
  void WaitUntil(uint32_t tick) override;
  void Sleep(uint32_t ms) override;
};
