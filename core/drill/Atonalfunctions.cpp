#include "Atonalfunctions.h"

namespace {

// Counts outside 0..12 cannot come from a valid set; clamping keeps every
// index inside the 12 slots whatever the caller hands in.
int32_t SafeCount(const PitchClassSet& set) {
  if (set.count < 0) return 0;
  if (set.count > 12) return 12;
  return set.count;
}

// Interval in semitones reduced into 0..11.
int32_t Up(int32_t from, int32_t to) {
  int32_t d = to - from;
  return d < 0 ? d + 12 : d;
}

}  // namespace

PitchClassSet NormalFormAtZero(const PitchClassSet& source) {
  PitchClassSet result;
  const int32_t n = SafeCount(source);
  result.count = n;
  if (n == 0) return result;
  const int32_t* s = source.elements;

  // intervals[p][k]: step k of the rotation starting at p; the last step is
  // the gap from the rotation's last element back up to its first.
  int32_t intervals[12][12] = {};
  for (int32_t p = 0; p < n; ++p)
    for (int32_t k = 0; k < n; ++k) intervals[p][k] = Up(s[(p + k) % n], s[(p + k + 1) % n]);

  // The largest closing gap gives the smallest span.
  int32_t largestGap = 0;
  for (int32_t p = 0; p < n; ++p)
    if (intervals[p][n - 1] > largestGap) largestGap = intervals[p][n - 1];

  // Among the rotations of smallest span, the one packed most to the left.
  int32_t best = -1;  // some rotation always has the largest gap
  for (int32_t p = 0; p < n; ++p) {
    if (intervals[p][n - 1] != largestGap) continue;
    if (best < 0) {
      best = p;
      continue;
    }
    for (int32_t k = 0; k < n - 1; ++k) {
      if (intervals[p][k] == intervals[best][k]) continue;
      if (intervals[p][k] < intervals[best][k]) best = p;
      break;
    }
  }

  for (int32_t g = 0; g < n; ++g) result.elements[g] = Up(s[best], s[(best + g) % n]);
  return result;
}

bool SamePitchClassSet(const PitchClassSet& a, const PitchClassSet& b) {
  if (a.count != b.count) return false;
  const int32_t n = SafeCount(a);
  for (int32_t i = 0; i < n; ++i)
    if (a.elements[i] != b.elements[i]) return false;
  return true;
}

bool HasDistinctInversion(const PitchClassSet& set, PitchClassSet& inversionNormalForm) {
  const int32_t n = SafeCount(set);
  PitchClassSet inversion;
  inversion.count = n;
  for (int32_t i = 0; i < n; ++i) inversion.elements[i] = set.elements[n - 1] - set.elements[n - 1 - i];
  inversionNormalForm = NormalFormAtZero(inversion);
  return !SamePitchClassSet(set, inversionNormalForm);
}
