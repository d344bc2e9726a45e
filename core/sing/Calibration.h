// The noise gate from the room's own noise: about three seconds of silence
// before the first exercise. Frames louder than the gate may be singing.
#pragma once

#include <vector>

#include "PitchTracker.h"

class NoiseCalibration {
 public:
  void Add(const PitchFrame& frame);
  // Some dB above the room's loud end of noise, never below -70 dB or above
  // -30 dB; the default gate until Ready.
  double GateDb() const;
  // About three seconds heard.
  bool Ready() const;
  double Seconds() const;

 private:
  std::vector<double> levels_;
  double first_ = -1, last_ = -1;
};
