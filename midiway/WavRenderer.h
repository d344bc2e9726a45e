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

// Standing in for a sound card with a buffer, the file shows what a card
// would play when its buffer runs dry: silence for as long as nothing came,
// then the sound, later by as much.
struct WavCard {
  uint32_t bufferFrames = 0;  // 0: rendered just in time, never dry
  // A stall of the rendering thread, to see the buffer run dry: at that many
  // ms after Start, for that many ms; length 0 for none.
  int64_t stallAtMs = 0;
  int64_t stallMs = 0;
  // Called on the rendering thread with the silent frames put in.
  std::function<void(uint64_t frames)> ranDry;
};

class WavRenderer {
 public:
  // Renders that many stereo frames, interleaved, into the buffer; returns a
  // new buffer in frames, or 0 to keep it.
  using Render = std::function<uint32_t(int frames, float* stereo)>;

  // nullptr (with error set) when the file cannot be created.
  static std::unique_ptr<WavRenderer> Create(const std::string& path, Render render, uint32_t sampleRate,
                                             std::string& error, WavCard card = {});
  ~WavRenderer();
  WavRenderer(const WavRenderer&) = delete;
  WavRenderer& operator=(const WavRenderer&) = delete;

  // Returns the moment of frame 0.
  std::chrono::steady_clock::time_point Start();

 private:
  WavRenderer(std::FILE* file, Render render, uint32_t sampleRate, WavCard card);
  void RenderBlock();
  void WriteSilence(uint64_t frames);
  void WritePcm();
  void WriteHeader();

  std::FILE* file_;
  Render render_;
  const uint32_t rate_;
  WavCard card_;
  uint64_t frames_ = 0;   // rendered
  uint64_t silence_ = 0;  // put in where the card ran dry
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
