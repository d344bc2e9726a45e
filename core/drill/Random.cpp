#include "Random.h"

// A PCG32 generator (permuted congruential, 64-bit state): small, fast and far
// more uniform than needed for random(n) with n <= 29.
namespace {
constexpr uint64_t kMultiplier = 6364136223846793005ULL;
constexpr uint64_t kIncrement = 1442695040888963407ULL;
}  // namespace

void RandomSource::Seed(uint32_t seed) {
  state_ = 0;
  Next();
  state_ += seed;
  Next();
}

int32_t RandomSource::Next() {
  const uint64_t old = state_;
  state_ = old * kMultiplier + kIncrement;
  const auto xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
  const auto rot = static_cast<uint32_t>(old >> 59u);
  const uint32_t out = (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
  return static_cast<int32_t>(out >> 1);  // non-negative 31 bits
}

int32_t RandomSource::random(int32_t n) {
  const int32_t value = Next();
  // A non-positive bound has no valid result; 0 keeps callers' indices in range.
  if (n <= 0) return 0;
  return value % n;
}

RandomSource& ProgramRandom() {
  static RandomSource source;
  return source;
}
