// The program's single pseudo-random source.
#pragma once

#include <cstdint>

class RandomSource {
 public:
  void Seed(uint32_t seed);
  // The next non-negative 31-bit value.
  int32_t Next();
  // The next value modulo n; 0 when n is 0.
  int32_t random(int32_t n);

 private:
  uint64_t state_ = 0x853c49e6748fea9bULL;
};

RandomSource& ProgramRandom();
