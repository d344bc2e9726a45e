#include "Calibration.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kCalibrationSeconds = 3.0;
constexpr double kDefaultGateDb = -50;
// Singing stands well above the room: the gate sits this far above its noise.
constexpr double kMarginDb = 10;
}  // namespace

void NoiseCalibration::Add(const PitchFrame& frame) {
  if (!std::isfinite(frame.levelDb)) return;
  if (first_ < 0) first_ = frame.seconds;
  last_ = frame.seconds;
  levels_.push_back(frame.levelDb);
}

double NoiseCalibration::Seconds() const { return first_ < 0 ? 0 : last_ - first_; }

bool NoiseCalibration::Ready() const { return Seconds() >= kCalibrationSeconds * 0.95; }

double NoiseCalibration::GateDb() const {
  if (!Ready() || levels_.empty()) return kDefaultGateDb;
  // The room's loud end (95th percentile), so a cough in the quiet sets nothing.
  std::vector<double> sorted = levels_;
  const size_t at = std::min(sorted.size() - 1, sorted.size() * 95 / 100);
  std::nth_element(sorted.begin(), sorted.begin() + long(at), sorted.end());
  return std::clamp(sorted[at] + kMarginDb, -70.0, -30.0);
}
