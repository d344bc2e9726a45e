// The parameter Sonorix opens its MIDI output ports with.
#pragma once

#include <cstdint>

inline constexpr uint32_t kOutputOpenParameter = 78624;
