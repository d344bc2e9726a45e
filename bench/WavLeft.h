// Reading back what the built-in synthesizer rendered into a WAV file.
#pragma once

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// The left channel of a 16-bit stereo WAV file, as the library writes it.
inline std::vector<float> ReadLeft(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<float> left;
  for (size_t at = 44; at + 4 <= bytes.size(); at += 4) {
    int16_t sample;
    std::memcpy(&sample, &bytes[at], 2);
    left.push_back(sample / 32768.0f);
  }
  return left;
}
