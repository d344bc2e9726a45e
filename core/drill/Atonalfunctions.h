// Pitch-class set arithmetic: normal form at zero, comparison, inversional symmetry.
#pragma once

#include <cstdint>

struct PitchClassSet {
  int32_t elements[12] = {};
  int32_t count = 0;
};

// The normal order of the source (ascending, distinct pitch classes),
// transposed so that its first element is 0.
PitchClassSet NormalFormAtZero(const PitchClassSet& source);

// Equal counts and equal elements position by position.
bool SamePitchClassSet(const PitchClassSet& a, const PitchClassSet& b);

// True when the normal form of the set's inversion differs from the set,
// which must itself be a prime form. Hands out that normal form.
bool HasDistinctInversion(const PitchClassSet& set, PitchClassSet& inversionNormalForm);
