#include "SingSource.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "Platform.h"

namespace {

constexpr int kMicrophoneRate = 44100;
constexpr char kWavVariable[] = "SONORIX_SING_WAV";
constexpr uint32_t kSamplesReady = 1;

class PulseSource : public SoundSource {
 public:
  explicit PulseSource(pa_simple* stream) : stream_(stream) {}
  ~PulseSource() override { pa_simple_free(stream_); }
  int SampleRate() const override { return kMicrophoneRate; }
  bool Read(float* mono, size_t count) override {
    int error = 0;
    return pa_simple_read(stream_, mono, count * sizeof(float), &error) >= 0;
  }

 private:
  pa_simple* stream_;
};

std::unique_ptr<SoundSource> OpenPulse(SourceFailure& failure) {
  pa_sample_spec spec{};
  spec.format = PA_SAMPLE_FLOAT32NE;
  spec.rate = kMicrophoneRate;
  spec.channels = 1;
  // Small fragments: a note's end reaches the judge within a few hundredths of a second.
  pa_buffer_attr attr{};
  attr.maxlength = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(kMicrophoneRate / 50 * sizeof(float));
  int error = 0;
  pa_simple* stream =
      pa_simple_new(nullptr, "Sonorix", PA_STREAM_RECORD, nullptr, "Singing", &spec, nullptr, &attr, &error);
  if (!stream) {
    failure = error == PA_ERR_ACCESS || error == PA_ERR_AUTHKEY ? SourceFailure::Refused : SourceFailure::NoMicrophone;
    return nullptr;
  }
  return std::make_unique<PulseSource>(stream);
}

uint32_t Le(const unsigned char* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// How many times faster than a microphone a WAV file is read (tests), 1 to 8.
int Speed() {
  const char* speed = std::getenv("SONORIX_SING_WAV_SPEED");
  return speed ? std::clamp(std::atoi(speed), 1, 8) : 1;
}

// A WAV file played at a microphone's pace: 16-bit, 24-bit or float, any
// channels (mixed to one). Damaged files read as what they hold up to the damage.
class WavSource : public SoundSource {
 public:
  static std::unique_ptr<WavSource> Load(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
      return nullptr;
    int format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    auto source = std::unique_ptr<WavSource>(new WavSource);
    for (size_t at = 12; at + 8 <= b.size();) {
      const uint32_t size = Le(&b[at + 4], 4);
      const size_t body = at + 8;
      const size_t end = size > b.size() - body ? b.size() : body + size;
      if (std::memcmp(&b[at], "fmt ", 4) == 0 && end - body >= 16) {
        format = static_cast<int>(Le(&b[body], 2));
        channels = static_cast<int>(Le(&b[body + 2], 2));
        rate = Le(&b[body + 4], 4);
        bits = static_cast<int>(Le(&b[body + 14], 2));
        if (format == 0xFFFE && end - body >= 26) format = static_cast<int>(Le(&b[body + 24], 2));
      } else if (std::memcmp(&b[at], "data", 4) == 0 && channels > 0) {
        const int bytes = bits / 8;
        if ((format != 1 && format != 3) || (format == 1 && bytes != 2 && bytes != 3) || (format == 3 && bytes != 4) ||
            rate < 8000 || rate > 192000)
          return nullptr;
        const size_t frame = static_cast<size_t>(bytes) * static_cast<size_t>(channels);
        for (size_t f = body; f + frame <= end; f += frame) {
          double sum = 0;
          for (int c = 0; c < channels; ++c) {
            const unsigned char* p = &b[f + static_cast<size_t>(c * bytes)];
            if (format == 3) {
              float v;
              std::memcpy(&v, p, 4);
              sum += v;
            } else {
              const uint32_t raw = Le(p, bytes);
              const int shift = 32 - bits;
              sum += static_cast<int32_t>(raw << shift) / 2147483648.0;
            }
          }
          source->samples_.push_back(static_cast<float>(sum / channels));
        }
        source->rate_ = static_cast<int>(rate);
        return source;
      }
      at = body + size + (size & 1);
      if (at < body) break;  // a size that wraps round
    }
    return nullptr;
  }

  int SampleRate() const override { return rate_; }
  bool Read(float* mono, size_t count) override {
    if (at_ >= samples_.size()) return false;
    if (at_ == 0) start_ = std::chrono::steady_clock::now();
    const size_t n = std::min(count, samples_.size() - at_);
    std::memcpy(mono, samples_.data() + at_, n * sizeof(float));
    std::fill(mono + n, mono + count, 0.0f);
    at_ += n;
    std::this_thread::sleep_until(start_ + std::chrono::microseconds(static_cast<int64_t>(at_) * 1000000 / rate_ / speed_));
    return true;
  }

 private:
  WavSource() = default;
  std::vector<float> samples_;
  size_t at_ = 0;
  int rate_ = 44100;
  int speed_ = Speed();
  std::chrono::steady_clock::time_point start_;
};

std::atomic<size_t> wavOpenings{0};

}  // namespace

void RestartWavSources() { wavOpenings = 0; }

std::unique_ptr<SoundSource> OpenSoundSource(SourceFailure& failure) {
  failure = SourceFailure::None;
  const char* files = std::getenv(kWavVariable);
  if (!files || !*files) return OpenPulse(failure);
  std::vector<std::string> names;
  for (const char* p = files;; ++p) {
    const char* colon = std::strchr(p, ':');
    names.emplace_back(p, colon ? static_cast<size_t>(colon - p) : std::strlen(p));
    if (!colon) break;
    p = colon;
  }
  const size_t turn = wavOpenings++;
  auto source = WavSource::Load(names[std::min(turn, names.size() - 1)]);
  if (!source) failure = SourceFailure::NoMicrophone;
  return source;
}

SoundListener::SoundListener(std::unique_ptr<SoundSource> source, Sink sink)
    : source_(std::move(source)), sink_(std::move(sink)), rate_(source_->SampleRate()) {
  window_ = PlatformCreateMessageWindow([this](uint32_t message, uintptr_t, intptr_t) {
    if (message != kSamplesReady) return false;
    Deliver();
    return true;
  });
  thread_ = std::thread([this] { Run(); });
}

SoundListener::~SoundListener() { Stop(); }

void SoundListener::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (window_) PlatformDestroyMessageWindow(window_);
  window_ = 0;
  source_.reset();  // the microphone closes here
}

void SoundListener::Run() {
  // About 20 ms at a time: a note's end is seen soon after it.
  std::vector<float> chunk(static_cast<size_t>(rate_ / 50));
  bool ok = true;
  while (!stop_ && (ok = source_->Read(chunk.data(), chunk.size()))) {
    std::lock_guard<std::mutex> lock(mutex_);
    pending_.insert(pending_.end(), chunk.begin(), chunk.end());
    if (!posted_) posted_ = PlatformPostMessage(window_, kSamplesReady, 0, 0) != 0;
  }
  std::lock_guard<std::mutex> lock(mutex_);
  ended_ = !ok;
  if (ended_ && !posted_) posted_ = PlatformPostMessage(window_, kSamplesReady, 0, 0) != 0;
}

void SoundListener::Deliver() {
  std::vector<float> samples;
  bool ended = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    samples.swap(pending_);
    posted_ = false;
    ended = ended_ && !stop_;
    ended_ = false;
  }
  if (stop_) return;
  sink_(samples, ended);  // may stop this listener: nothing of it is used after
}
