// The drill settings as three integers: compared, logged, saved, offered at login.
#pragma once

#include <cstdint>

struct FilterState {
  int32_t LowMask = 4095;   // bit i: set class of list index i (0..15) enabled
  int32_t HighMask = 0;     // bit i-16: list indices 16..31
  int32_t ModeCode = 0;     // RangeIndex + 3 * CardinalityIndex, 0..5
};
