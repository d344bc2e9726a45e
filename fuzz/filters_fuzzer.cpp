// Any bytes as filters.dat: the reader never reads out of bounds, and a
// state it accepts is one the filter window can apply and save unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "FilterState.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto state = ParseFiltersFile(text);
  if (!state) return 0;
  Require(state->ModeCode >= 0 && state->ModeCode <= 5);
  const bool trichords = state->ModeCode < 3;
  // Only the bits of the cardinality's list, and at least one of them.
  Require((static_cast<uint32_t>(state->LowMask) & ~(trichords ? 4095u : 65535u)) == 0);
  Require((static_cast<uint32_t>(state->HighMask) & ~(trichords ? 0u : 8191u)) == 0);
  Require(state->LowMask != 0 || state->HighMask != 0);
  // Saved and read again, it is the same state.
  const auto again = ParseFiltersFile(FormatFiltersFile(*state));
  Require(again && again->LowMask == state->LowMask && again->HighMask == state->HighMask &&
          again->ModeCode == state->ModeCode);
  return 0;
}
