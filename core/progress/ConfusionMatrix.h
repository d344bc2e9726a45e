// The error statistics as a matrix per cardinality: rows the set class asked,
// columns the set class answered, the diagonal the right answers.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ErrorStats.h"

// The statistics of the drill that ended last, kept until the next begins:
// the drill clears its own once it is over.
struct EndedDrill {
  ErrorStats stats{};
  int cardinalityIndex = 0;
};

struct ConfusionMatrix {
  int cardinalityIndex = 0;  // 0 trichords (12 × 12), 1 tetrachords (29 × 29)
  int size = 0;
  // counts[asked][answered]; counts[r][r] holds the right answers.
  std::vector<std::vector<int64_t>> counts;

  int64_t RowTotal(int asked) const;
  // The cell's share of its row's answers, 0..1; none for a row without answers.
  std::optional<double> Share(int asked, int answered) const;
  // The row's right answers as a share of its answers.
  std::optional<double> Accuracy(int asked) const;
};

// Right answers of both forms on the diagonal, ConfusedWith elsewhere.
// Confusion counts beyond the list's length (a damaged file) are left out.
ConfusionMatrix BuildConfusionMatrix(const ErrorStats& stats, int cardinalityIndex);

// Whether any answer is counted for that cardinality.
bool HasAnswers(const ErrorStats& stats, int cardinalityIndex);
