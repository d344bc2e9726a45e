#include "FilterState.h"

#include <string>

#include "Storage.h"
#include "TokenReader.h"

bool IsAllOn(int32_t cardinalityIndex, int32_t lowMask, int32_t highMask) {
  if (cardinalityIndex == 0) return lowMask == kAllTrichordsLow;
  return lowMask == kAllTetrachordsLow && highMask == kAllTetrachordsHigh;
}

bool IsAllOn(const FilterState& state) {
  return IsAllOn(state.ModeCode < 3 ? 0 : 1, state.LowMask, state.HighMask);
}

int32_t MaskLowOf(const bool* checked, int length) {
  uint32_t mask = 0;
  for (int i = 0; i < 16 && i < length; ++i)
    if (checked[i]) mask |= 1u << i;
  return static_cast<int32_t>(mask);
}

int32_t MaskHighOf(const bool* checked, int length) {
  uint32_t mask = 0;
  for (int i = 16; i < 32 && i < length; ++i)
    if (checked[i]) mask |= 1u << (i - 16);
  return static_cast<int32_t>(mask);
}

bool MaskEnables(const FilterState& state, int listIndex) {
  if (listIndex < 0 || listIndex >= 32) return false;
  const auto low = static_cast<uint32_t>(state.LowMask);
  const auto high = static_cast<uint32_t>(state.HighMask);
  return listIndex < 16 ? ((low >> listIndex) & 1u) != 0 : ((high >> (listIndex - 16)) & 1u) != 0;
}

FilterState NormaliseFilterState(FilterState state) {
  const bool trichords = state.ModeCode < 3;
  const uint32_t lowBits = trichords ? kAllTrichordsLow : kAllTetrachordsLow;
  const uint32_t highBits = trichords ? 0 : kAllTetrachordsHigh;
  state.LowMask = static_cast<int32_t>(static_cast<uint32_t>(state.LowMask) & lowBits);
  state.HighMask = static_cast<int32_t>(static_cast<uint32_t>(state.HighMask) & highBits);
  if (state.LowMask == 0 && state.HighMask == 0) {
    state.LowMask = static_cast<int32_t>(lowBits);
    state.HighMask = static_cast<int32_t>(highBits);
  }
  return state;
}

std::string FormatFiltersFile(const FilterState& state) {
  return std::to_string(state.LowMask) + "\r\n" + std::to_string(state.HighMask) + "\r\n" +
         std::to_string(state.ModeCode);
}

std::optional<FilterState> ParseFiltersFile(std::string_view text) {
  TokenReader reader(text);
  FilterState state;
  if (!reader.ReadInt(state.LowMask) || !reader.ReadInt(state.HighMask) || !reader.ReadInt(state.ModeCode))
    return std::nullopt;
  if (state.ModeCode < 0 || state.ModeCode > 5) return std::nullopt;
  return NormaliseFilterState(state);
}

FilterState LoadFiltersFile(const std::string& fileName) {
  if (auto text = DataStorage().Read(fileName)) {
    if (auto state = ParseFiltersFile(*text)) return *state;
  }
  return FilterState{};
}

bool SaveFiltersFile(const std::string& fileName, const FilterState& state) {
  return DataStorage().Replace(fileName, FormatFiltersFile(state));
}
