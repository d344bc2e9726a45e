#include "FilterModel.h"

#include <algorithm>

namespace {
constexpr int kBits = 32;
}  // namespace

bool FilterModel::Asks(int listIndex) const {
  if (listIndex < 0 || listIndex >= std::min(listLength_, kBits)) return false;
  return (asks_ >> listIndex) & 1u;
}

std::vector<int32_t> FilterModel::Asked() const {
  std::vector<int32_t> asked;
  for (int i = 0; i < listLength_ && i < kBits; ++i)
    if (Asks(i)) asked.push_back(i);
  return asked;
}

FilterState FilterModel::State() const {
  bool checked[kBits] = {};
  const int length = std::clamp(listLength_, 0, kBits);
  for (int i = 0; i < length; ++i) checked[i] = Asks(i);
  FilterState state;
  state.LowMask = MaskLowOf(checked, length);
  state.HighMask = MaskHighOf(checked, length);
  state.ModeCode = ModeCode();
  return state;
}

void FilterModel::SetCardinality(int cardinality) {
  if (cardinality == cardinality_) return;
  cardinality_ = cardinality;
  Tell(Change::Choice);
}

void FilterModel::SetRange(int range) {
  if (range == range_) return;
  range_ = range;
  Tell(Change::Choice);
}

void FilterModel::SetPlayMode(int mode) {
  if (mode == playMode_) return;
  playMode_ = mode;
  Tell(Change::Choice);
}

void FilterModel::SetListLength(int length) {
  if (length == listLength_) return;
  listLength_ = length;
  Tell(Change::Choice);
}

void FilterModel::SetAsks(int listIndex, bool asks) {
  if (listIndex < 0 || listIndex >= kBits) return;
  const uint32_t bit = 1u << listIndex;
  const uint32_t now = asks ? (asks_ | bit) : (asks_ & ~bit);
  if (now == asks_) return;
  asks_ = now;
  Tell(Change::Choice);
}

void FilterModel::AskAll() {
  const int length = std::clamp(listLength_, 0, kBits);
  const uint32_t all = length == kBits ? ~0u : ((1u << length) - 1u);
  if ((asks_ & all) == all) return;
  asks_ |= all;
  Tell(Change::Choice);
}

void FilterModel::Apply(const FilterState& state) {
  const bool trichords = state.ModeCode < 3;
  cardinality_ = trichords ? 0 : 1;
  range_ = trichords ? state.ModeCode : state.ModeCode - 3;
  asks_ = static_cast<uint32_t>(state.LowMask & 0xFFFF) | (static_cast<uint32_t>(state.HighMask & 0xFFFF) << 16);
  Tell(Change::Applied);
}

int FilterModel::Listen(Listener listener) {
  listeners_.emplace_back(nextKey_, std::move(listener));
  return nextKey_++;
}

void FilterModel::StopListening(int key) {
  std::erase_if(listeners_, [key](const auto& entry) { return entry.first == key; });
}

void FilterModel::Tell(Change change) {
  // A listener may stop listening, or change the model again, while told.
  const auto now = listeners_;
  for (const auto& entry : now) entry.second(change);
}
