// The names of the part files in an account's folder of the class, read the
// same way by the sender (which folds them) and by every reader:
// "<stem>.<device>.<number>", or, folded, "<stem>.<device>.<first>-<last>":
// that device's single parts first..last of the stem joined in order, which
// a reader takes instead of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct ServerPart {
  std::string stem;
  std::string device;
  uint64_t first = 0;
  uint64_t last = 0;  // first, for a single part
  bool folded = false;
  // This folded part holds that single or smaller folded part.
  bool Covers(const ServerPart& other) const {
    return folded && stem == other.stem && device == other.device && first <= other.first && other.last <= last &&
           (other.first != first || other.last != last);
  }
};
// nullopt for a name that is no part of any stem.
std::optional<ServerPart> ParseServerPart(std::string_view name);
std::string FoldedPartName(const std::string& stem, const std::string& device, uint64_t first, uint64_t last);

// The stems a reader of the class takes parts of.
inline constexpr const char* kClassStems[] = {"report.dat", "practice.dat", "errors.dat", "sing.dat"};
// A part of one of kClassStems; nullopt for any other name.
std::optional<ServerPart> ParsePartName(std::string_view name);

// A device's name: letters and digits, at most 32.
bool IsDeviceName(std::string_view name);
// Decimal digits alone, no more than 19 of them (so no 64-bit overflow).
bool ReadDecimal(std::string_view text, uint64_t& n);
