#include "ConfusionMatrix.h"

#include "FilterState.h"

int64_t ConfusionMatrix::RowTotal(int asked) const {
  if (asked < 0 || asked >= size) return 0;
  int64_t total = 0;
  for (int64_t count : counts[static_cast<size_t>(asked)]) total += count;
  return total;
}

std::optional<double> ConfusionMatrix::Share(int asked, int answered) const {
  const int64_t total = RowTotal(asked);
  if (total <= 0 || answered < 0 || answered >= size) return std::nullopt;
  return static_cast<double>(counts[static_cast<size_t>(asked)][static_cast<size_t>(answered)]) /
         static_cast<double>(total);
}

std::optional<double> ConfusionMatrix::Accuracy(int asked) const { return Share(asked, asked); }

ConfusionMatrix BuildConfusionMatrix(const ErrorStats& stats, int cardinalityIndex) {
  ConfusionMatrix m;
  m.cardinalityIndex = cardinalityIndex == 1 ? 1 : 0;
  m.size = m.cardinalityIndex == 1 ? kTetrachordCount : kTrichordCount;
  const int first = StatIndex(0, m.cardinalityIndex);
  m.counts.assign(static_cast<size_t>(m.size), std::vector<int64_t>(static_cast<size_t>(m.size), 0));
  for (int r = 0; r < m.size; ++r) {
    const SetClassStats& s = stats[static_cast<size_t>(first + r)];
    auto& row = m.counts[static_cast<size_t>(r)];
    for (int c = 0; c < m.size; ++c) row[static_cast<size_t>(c)] = s.ConfusedWith[c];
    // Naming the set class asked is a right answer, never a confusion.
    row[static_cast<size_t>(r)] = int64_t{s.Correct[0]} + s.Correct[1];
  }
  return m;
}

bool HasAnswers(const ErrorStats& stats, int cardinalityIndex) {
  const ConfusionMatrix m = BuildConfusionMatrix(stats, cardinalityIndex);
  for (int r = 0; r < m.size; ++r)
    if (m.RowTotal(r) > 0) return true;
  return false;
}
