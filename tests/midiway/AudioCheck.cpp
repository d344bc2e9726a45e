#include "AudioCheck.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

namespace audiocheck {

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  if (value != nullptr)
    setenv(name, value, 1);
  else
    unsetenv(name);
}

ScopedEnv::~ScopedEnv() {
  if (old_)
    setenv(name_.c_str(), old_->c_str(), 1);
  else
    unsetenv(name_.c_str());
}

float Wav::Peak(size_t begin, size_t end) const {
  float peak = 0;
  for (size_t i = begin; i < std::min(end, mono.size()); ++i) peak = std::max(peak, std::fabs(mono[i]));
  return peak;
}

namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | b.at(at + i);
  return value;
}

}  // namespace

Wav ReadWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
    throw std::runtime_error("not a WAV file: " + path);
  if (Le(b, 4, 4) != b.size() - 8) throw std::runtime_error("RIFF size does not match the file");
  Wav wav;
  unsigned channels = 0;
  for (size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = Le(b, at + 4, 4);
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0) {
      if (Le(b, at + 8, 2) != 1 || Le(b, at + 22, 2) != 16) throw std::runtime_error("not 16-bit PCM");
      channels = Le(b, at + 10, 2);
      wav.rate = Le(b, at + 12, 4);
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      if (channels == 0 || at + 8 + size > b.size()) throw std::runtime_error("bad data chunk");
      const size_t frames = size / (2 * channels);
      wav.mono.resize(frames);
      for (size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (unsigned c = 0; c < channels; ++c)
          sum += static_cast<int16_t>(Le(b, at + 8 + (f * channels + c) * 2, 2)) / 32768.0f;
        wav.mono[f] = sum / channels;
      }
      return wav;
    }
    at += 8 + size + (size & 1);
  }
  throw std::runtime_error("no data chunk");
}

std::vector<size_t> Onsets(const Wav& wav) {
  std::vector<size_t> onsets;
  size_t silent = wav.rate;
  for (size_t i = 0; i < wav.mono.size(); ++i) {
    if (std::fabs(wav.mono[i]) > 0.001f) {
      if (silent >= wav.rate / 20) onsets.push_back(i);
      silent = 0;
    } else {
      ++silent;
    }
  }
  return onsets;
}

double Level(const Wav& wav, double hz, size_t begin, size_t end) {
  end = std::min(end, wav.mono.size());
  if (begin >= end) return 0;
  const size_t n = end - begin;
  const double w = 2 * std::numbers::pi * hz / wav.rate;
  const double coefficient = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = 0; i < n; ++i) {
    const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (n - 1));
    const double s0 = wav.mono[begin + i] * hann + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  return std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - coefficient * s1 * s2)) / n;
}

Listener::Listener(const std::string& name, uint32_t window)
    : file_("MIDIWAY_AUDIO_FILE",
            (testing::TempDir() + "midiway-" + name + "-" + std::to_string(getpid()) + ".wav").c_str()),
      driver_("MIDIWAY_AUDIO_DRIVER", nullptr),
      path_(std::getenv("MIDIWAY_AUDIO_FILE")) {
  handle_ = OpenMidiOut(window, 0, 0, 78624);
  start_ = Clock::now();
  if (handle_ <= 32) {
    char error[256];
    GetMidiwayLastError(error, sizeof error);
    throw std::runtime_error(std::string("built-in synthesizer refused: ") + error);
  }
}

Listener::~Listener() {
  if (handle_ > 32) CloseMidiOut(handle_);
  std::error_code ec;
  std::filesystem::remove(path_, ec);
}

void Listener::Note(uint8_t key, uint8_t velocity) {
  MIDIEVENT event{MIDIWAY_TIME_NOW, 0x90, key, velocity, 0};
  ASSERT_EQ(PutMidiOut(handle_, &event) & 0xFFFF, 0u);
}

size_t Listener::FrameAt(Clock::time_point t) const {
  const double seconds = std::chrono::duration<double>(t - start_).count();
  return static_cast<size_t>(std::max(0.0, seconds) * 44100);
}

void Listener::SleepUntilSeconds(double seconds) const {
  std::this_thread::sleep_until(start_ + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds)));
}

Wav Listener::Finish() {
  CloseMidiOut(handle_);
  handle_ = 0;
  return ReadWav(path_);
}

bool HaveSoundFont() {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists("/usr/share/sounds/sf2/default-GM.sf2", ec) || fs::exists("/usr/share/sounds/sf3/default-GM.sf3", ec))
    return true;
  for (const char* folder : {"/usr/share/sounds/sf2", "/usr/share/soundfonts"})
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
      if (it->path().extension() == ".sf2" || it->path().extension() == ".sf3") return true;
  return false;
}

}  // namespace audiocheck
