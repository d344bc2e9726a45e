#include "PartName.h"

#include <cctype>
#include <cstdio>

bool ReadDecimal(std::string_view text, uint64_t& n) {
  if (text.empty() || text.size() > 19) return false;
  n = 0;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    n = n * 10 + static_cast<uint64_t>(c - '0');
  }
  return true;
}

bool IsDeviceName(std::string_view name) {
  if (name.empty() || name.size() > 32) return false;
  for (char c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  return true;
}

std::optional<ServerPart> ParseServerPart(std::string_view name) {
  const size_t last = name.rfind('.');
  if (last == std::string_view::npos || last == 0) return std::nullopt;
  const size_t device = name.rfind('.', last - 1);
  if (device == std::string_view::npos || device == 0) return std::nullopt;
  ServerPart part;
  part.stem = std::string(name.substr(0, device));
  part.device = std::string(name.substr(device + 1, last - device - 1));
  if (!IsDeviceName(part.device)) return std::nullopt;
  const std::string_view numbers = name.substr(last + 1);
  const size_t dash = numbers.find('-');
  part.folded = dash != std::string_view::npos;
  if (!ReadDecimal(numbers.substr(0, dash), part.first)) return std::nullopt;
  part.last = part.first;
  if (part.folded && (!ReadDecimal(numbers.substr(dash + 1), part.last) || part.last < part.first)) return std::nullopt;
  return part;
}

std::optional<ServerPart> ParsePartName(std::string_view name) {
  std::optional<ServerPart> part = ParseServerPart(name);
  if (!part) return std::nullopt;
  for (const char* stem : kClassStems)
    if (part->stem == stem) return part;
  return std::nullopt;
}

std::string FoldedPartName(const std::string& stem, const std::string& device, uint64_t first, uint64_t last) {
  char digits[48];
  std::snprintf(digits, sizeof digits, "%08llu-%08llu", static_cast<unsigned long long>(first),
                static_cast<unsigned long long>(last));
  return stem + "." + device + "." + digits;
}
