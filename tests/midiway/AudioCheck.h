// Listening to the built-in synthesizer: it renders into a WAV file when
// $MIDIWAY_AUDIO_FILE is set; these helpers open it that way and read the file back.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "midiway.h"

namespace audiocheck {

using Clock = std::chrono::steady_clock;

// Sets (or, with nullptr, removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

struct Wav {
  uint32_t rate = 0;
  std::vector<float> mono;  // -1 .. 1, the channels averaged
  float Peak(size_t begin, size_t end) const;
};

// Reads a 16-bit PCM WAV file; throws std::runtime_error when it is not one.
Wav ReadWav(const std::string& path);

// Frames where sound starts after at least 50 ms of silence.
std::vector<size_t> Onsets(const Wav& wav);

// Level of frequency hz in mono[begin, end), Hann-windowed (Goertzel).
double Level(const Wav& wav, double hz, size_t begin, size_t end);

// A port on the built-in synthesizer that renders into a temporary WAV file.
class Listener {
 public:
  explicit Listener(const std::string& name, uint32_t window = 0);
  ~Listener();
  Listener(const Listener&) = delete;
  Listener& operator=(const Listener&) = delete;

  uint32_t handle() const { return handle_; }
  void Note(uint8_t key, uint8_t velocity = 64);  // note-on, channel 1, now
  // Frame of the file that was playing at t (an upper bound: the file starts
  // no later than OpenMidiOut returned).
  size_t FrameAt(Clock::time_point t) const;
  void SleepUntilSeconds(double seconds) const;  // seconds after the open
  Wav Finish();                                  // closes the port, reads the file

 private:
  ScopedEnv file_;
  ScopedEnv driver_;
  std::string path_;
  uint32_t handle_ = 0;
  Clock::time_point start_;
};

bool HaveSoundFont();

}  // namespace audiocheck
