#include "VoiceRange.h"

#include <algorithm>
#include <cmath>

VoiceRange RangeOf(Voice voice) {
  switch (voice) {
    case Voice::Soprano: return {60, 79};  // C4..G5
    case Voice::Alto: return {53, 72};     // F3..C5
    case Voice::Bass: return {40, 60};     // E2..C4
    case Voice::Tenor:
    case Voice::Mine: break;
  }
  return {48, 67};  // C3..G4
}

VoiceRange RangeFromNotes(int a, int b) {
  a = std::clamp(a, 24, 96);
  b = std::clamp(b, 24, 96);
  VoiceRange range{std::min(a, b), std::max(a, b)};
  if (range.high - range.low < 12) {
    const int middle = (range.low + range.high) / 2;
    range = {middle - 6, middle + 6};
  }
  return range;
}

std::vector<int> PlaceInRange(const std::vector<int>& midi, VoiceRange range) {
  if (midi.empty()) return {};
  if (range.high - range.low < 11) range = RangeFromNotes(range.low, range.high);
  const auto [lo, hi] = std::minmax_element(midi.begin(), midi.end());
  // Whole octaves that bring the figure's middle nearest the range's middle.
  const double apart = (range.low + range.high - *lo - *hi) / 2.0;
  const int shift = 12 * int(std::lround(apart / 12.0));
  std::vector<int> placed;
  placed.reserve(midi.size());
  for (int note : midi) {
    int n = note + shift;
    while (n < range.low) n += 12;
    while (n > range.high) n -= 12;
    placed.push_back(n);
  }
  return placed;
}
