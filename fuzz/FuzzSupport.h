// What every data-file fuzzer needs: the input as a file's text, and a check
// that stops the run loudly.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

// The file's text as the program reads it: cut at the first Ctrl-Z.
inline std::string_view FileText(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  return text.substr(0, text.find('\x1a'));
}

// Says which check failed, as the inlined abort alone does not.
inline void Require(bool condition, const char* file = __builtin_FILE(), int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "%s:%d: check failed\n", file, line);
  std::abort();
}

// The input as a file read in pieces: sizes from 1 to 256 bytes, drawn from
// the input's own hash so that every run of one input cuts it alike.
template <typename Take>
void InPieces(std::string_view text, Take take) {
  uint32_t state = 2166136261u;
  for (char c : text) state = (state ^ static_cast<unsigned char>(c)) * 16777619u;
  const auto next = [&state] {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  };
  if (state == 0) state = 1;
  const uint32_t scale = next() % 9;  // pieces of up to 2^scale bytes
  for (size_t pos = 0; pos < text.size();) {
    const size_t size = std::min<size_t>(1 + next() % (1u << scale), text.size() - pos);
    take(text.substr(pos, size));
    pos += size;
  }
}
