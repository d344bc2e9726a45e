// What every data-file fuzzer needs: the input as a file's text, and a check
// that stops the run loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// The file's text as the program reads it: cut at the first Ctrl-Z.
inline std::string_view FileText(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  return text.substr(0, text.find('\x1a'));
}

inline void Require(bool condition) {
  if (!condition) std::abort();
}
