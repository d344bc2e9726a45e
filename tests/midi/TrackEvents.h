// Events and tracks for the component tests.
#pragma once

#include <cstdint>
#include <vector>

#include "Waymidi.h"

inline MIDIEVENT Ev(uint32_t time, uint8_t status, uint8_t data1, uint8_t data2 = 0, uint8_t reserved = 0) {
  return MIDIEVENT{time, status, data1, data2, reserved};
}

// A track holding these events (deltas), not recording.
inline void Fill(TWayMidiTrack* track, const std::vector<MIDIEVENT>& events) {
  track->Recording = true;
  for (const auto& e : events) track->Add(&e);
  track->Recording = false;
}
