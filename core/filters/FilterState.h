// The drill settings as three integers: compared, logged, saved, offered at login.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct FilterState {
  int32_t LowMask = 4095;   // bit i: set class of list index i (0..15) enabled
  int32_t HighMask = 0;     // bit i-16: list indices 16..31
  int32_t ModeCode = 0;     // RangeIndex + 3 * CardinalityIndex, 0..5
};

// Where the last saved settings are kept, in the working directory.
inline constexpr const char* kFiltersFileName = "filters.dat";

inline constexpr int32_t kTrichordCount = 12;
inline constexpr int32_t kTetrachordCount = 29;
inline constexpr int32_t kAllTrichordsLow = 4095;      // list indices 0..11
inline constexpr int32_t kAllTetrachordsLow = 65535;   // list indices 0..15
inline constexpr int32_t kAllTetrachordsHigh = 8191;   // list indices 16..28

// Every set class of the cardinality enabled; cardinality index 0 is
// trichords, any other tetrachords. The range plays no part.
bool IsAllOn(int32_t cardinalityIndex, int32_t lowMask, int32_t highMask);
// The same, the cardinality taken from ModeCode (0..2 trichords).
bool IsAllOn(const FilterState& state);

// The masks of the first `length` check marks: bits 0..15 and bits 16..31.
int32_t MaskLowOf(const bool* checked, int length);
int32_t MaskHighOf(const bool* checked, int length);
// Whether the state enables list index i (0..31).
bool MaskEnables(const FilterState& state, int listIndex);

// Keeps only the mask bits of the cardinality's nominal list (12 or 29 set
// classes); a state enabling none of them enables all of them.
FilterState NormaliseFilterState(FilterState state);

// The file's bytes: LowMask CR LF HighMask CR LF ModeCode, no break at the end.
std::string FormatFiltersFile(const FilterState& state);
// Three integers and a ModeCode of 0..5, normalised; nullopt otherwise.
std::optional<FilterState> ParseFiltersFile(std::string_view text);
// A missing, unreadable or damaged file gives all trichords in close position.
FilterState LoadFiltersFile(const std::string& fileName);
// Replaces the file atomically; false when it could not be written.
bool SaveFiltersFile(const std::string& fileName, const FilterState& state);
