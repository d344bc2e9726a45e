#include "PitchTracker.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

namespace {

// The smallest power of two that holds 40 ms: two periods of a bass's
// lowest note at every usual rate.
int WindowFor(int sampleRate) {
  int n = 256;
  while (n < sampleRate * 0.04) n *= 2;
  return n;
}

double LevelDb(const float* hop, int count) {
  double power = 0;
  for (int i = 0; i < count; ++i) power += double(hop[i]) * hop[i];
  power /= std::max(count, 1);
  return std::max(-120.0, 10.0 * std::log10(power + 1e-13));
}

}  // namespace

struct PitchTracker::Impl {
  int rate = 0, window = 0, hop = 0;
  aubio_pitch_t* pitch = nullptr;
  fvec_t* in = nullptr;
  fvec_t* out = nullptr;
  int filled = 0;          // samples of the current hop
  long long consumed = 0;  // samples handed to the tracker
  std::vector<PitchFrame> frames;

  explicit Impl(int sampleRate)
      : rate(std::clamp(sampleRate, 8000, 192000)), window(WindowFor(rate)), hop(window / 8) {
    pitch = new_aubio_pitch("yinfft", uint_t(window), uint_t(hop), uint_t(rate));
    in = new_fvec(uint_t(hop));
    out = new_fvec(1);
    if (pitch) {
      aubio_pitch_set_unit(pitch, "Hz");
      // The noise gate is ours (NoteFinder): the tracker reports every frame.
      aubio_pitch_set_silence(pitch, -120);
    }
  }
  ~Impl() {
    if (pitch) del_aubio_pitch(pitch);
    if (in) del_fvec(in);
    if (out) del_fvec(out);
  }

  void Hop() {
    PitchFrame frame;
    consumed += hop;
    frame.seconds = std::max(0.0, double(consumed - window / 2) / rate);
    frame.levelDb = LevelDb(in->data, hop);
    if (pitch) {
      aubio_pitch_do(pitch, in, out);
      const double hz = out->data[0];
      frame.confidence = std::clamp(double(aubio_pitch_get_confidence(pitch)), 0.0, 1.0);
      frame.hz = std::isfinite(hz) && hz > 20 && hz < rate / 4.0 ? hz : 0;
    }
    frames.push_back(frame);
  }
};

PitchTracker::PitchTracker(int sampleRate) : impl_(std::make_unique<Impl>(sampleRate)) {}
PitchTracker::~PitchTracker() = default;

void PitchTracker::Feed(const float* mono, size_t count) {
  if (!mono || !impl_->in) return;
  Impl& t = *impl_;
  for (size_t i = 0; i < count; ++i) {
    const float s = mono[i];
    // A broken driver's NaN or an overload must not poison the tracker.
    t.in->data[t.filled++] = std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f;
    if (t.filled == t.hop) {
      t.Hop();
      t.filled = 0;
    }
  }
}

std::vector<PitchFrame> PitchTracker::TakeFrames() {
  std::vector<PitchFrame> taken;
  taken.swap(impl_->frames);
  return taken;
}

int PitchTracker::SampleRate() const { return impl_->rate; }
int PitchTracker::WindowSize() const { return impl_->window; }
int PitchTracker::HopSize() const { return impl_->hop; }

double MidiOfHz(double hz) { return hz > 0 ? 69.0 + 12.0 * std::log2(hz / 440.0) : 0; }
double HzOfMidi(double midi) { return 440.0 * std::exp2((midi - 69.0) / 12.0); }
