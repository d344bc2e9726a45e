#include "FilterSteps.h"

#include <algorithm>

namespace {
constexpr int kBits = 32;
}  // namespace

int FilterSteps::BuildPage(int cardinality) {
  const int length = std::clamp(drill_.UseListOf(cardinality + 3), 0, kBits);
  for (int i = 0; i < length; ++i) model_.SetAsks(i, true);
  return length;
}

void FilterSteps::CheckFirst(int count) {
  for (int i = 0; i < std::min(count, kBits); ++i) model_.SetAsks(i, true);
}

void FilterSteps::SetAll(bool on) {
  const int length = std::clamp(drill_.ListLength(), 0, kBits);
  for (int i = 0; i < length; ++i) model_.SetAsks(i, on);
}

void FilterSteps::AskMasked(const FilterState& masks) {
  // Bits beyond the list stand for no set class and enable nothing.
  const int length = drill_.ListLength();
  for (int i = 0; i < kBits; ++i) model_.SetAsks(i, i < length && MaskEnables(masks, i));
  if (!AnyAsked()) SetAll(true);
}

void FilterSteps::FillAnswerList() { drill_.ShowRows(model_.Asked()); }

void FilterSteps::ChangePage(int cardinality) {
  BuildPage(cardinality);
  CheckFirst(cardinality == 0 ? kTrichordCount : kTetrachordCount);
  FillAnswerList();
}

void FilterSteps::Apply(const FilterState& state) {
  const bool trichords = state.ModeCode < 3;
  model_.SetRange(trichords ? state.ModeCode : state.ModeCode - 3);
  model_.SetCardinality(trichords ? 0 : 1);
  BuildPage(model_.Cardinality());
  AskMasked(state);
  FillAnswerList();
  drill_.UseNoteCount(model_.Cardinality() + 3);
}

void FilterSteps::Close(bool save) {
  if (!AnyAsked()) CheckFirst(model_.Cardinality() == 0 ? kTrichordCount : kTetrachordCount);
  if (save) drill_.Save(State());
  FillAnswerList();
  drill_.FiltersApplied();
}

bool FilterSteps::AnyAsked() const {
  const int length = std::clamp(drill_.ListLength(), 0, kBits);
  for (int i = 0; i < length; ++i)
    if ((model_.Marks() >> i) & 1u) return true;
  return false;
}

FilterState FilterSteps::State() const {
  bool checked[kBits] = {};
  const int length = std::clamp(drill_.ListLength(), 0, kBits);
  for (int i = 0; i < length; ++i) checked[i] = ((model_.Marks() >> i) & 1u) != 0;
  FilterState state;
  state.LowMask = MaskLowOf(checked, length);
  state.HighMask = MaskHighOf(checked, length);
  state.ModeCode = model_.ModeCode();
  return state;
}
