// Right and wrong answers per set class, form, voicing pattern and confusion.
#pragma once

#include <array>
#include <cstdint>

constexpr int kStatClasses = 41;  // 12 trichords, then 29 tetrachords
constexpr int kRipRows = 17;      // row 16 collects voicings that match no row

struct SetClassStats {
  int32_t Correct[2] = {};
  int32_t Wrong[2] = {};
  int32_t CorrectByRip[2][kRipRows] = {};
  int32_t WrongByRip[2][kRipRows] = {};
  int32_t ConfusedWith[29] = {};
};

using ErrorStats = std::array<SetClassStats, kStatClasses>;
