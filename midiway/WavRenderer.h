// Plays the built-in synthesizer into a WAV file in real time, standing in
// for a sound card: frame n of the file is what a card would have played n
// frames after Start().
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace midiway {

// The 44-byte header of a 16-bit PCM WAV file with dataBytes of samples.
std::vector<uint8_t> WavHeader(uint32_t sampleRate, uint16_t channels, uint32_t dataBytes);

class WavRenderer {
 public:
  // Renders that many stereo frames, interleaved, into the buffer.
  using Render = std::function<void(int frames, float* stereo)>;

  // nullptr (with error set) when the file cannot be created.
  static std::unique_ptr<WavRenderer> Create(const std::string& path, Render render, uint32_t sampleRate,
                                             std::string& error);
  ~WavRenderer();
  WavRenderer(const WavRenderer&) = delete;
  WavRenderer& operator=(const WavRenderer&) = delete;

  // Returns the moment of frame 0.
  std::chrono::steady_clock::time_point Start();

 private:
  WavRenderer(std::FILE* file, Render render, uint32_t sampleRate);
  void RenderBlock();
  void WriteHeader();

  std::FILE* file_;
  Render render_;
  const uint32_t rate_;
  uint64_t frames_ = 0;
  uint64_t dataBytes_ = 0;
  bool failed_ = false;
  std::vector<float> mix_;
  std::vector<uint8_t> pcm_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

}  // namespace midiway
