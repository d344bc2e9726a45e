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

// How alike the window is to itself one lag later: near 1 for a voice, low
// for breath and noise.
double Correlation(const std::vector<float>& x, int lag) {
  const int n = int(x.size()) - lag;
  double xy = 0, xx = 0, yy = 0;
  for (int i = 0; i < n; ++i) {
    const double a = x[size_t(i)], b = x[size_t(i + lag)];
    xy += a * b;
    xx += a * a;
    yy += b * b;
  }
  return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0;
}

// The period yinfft found, made exact: the best-correlated lag near it,
// between samples by a parabola. yinfft alone reads low voices sharp (E2
// by about 35 cents at 48 kHz), and Debian's aubio 0.4.9 gives it no
// confidence (always about 0), so the correlation stands in for that too.
struct Refined {
  double period = 0;
  double confidence = 0;
};
Refined Refine(const std::vector<float>& x, double period) {
  const int low = std::max(2, int(period * 0.96)), high = std::min(int(x.size()) / 2, int(period * 1.04) + 1);
  if (high - low < 2) return {};
  std::vector<double> r;
  for (int lag = low - 1; lag <= high + 1; ++lag) r.push_back(Correlation(x, lag));
  size_t best = 1;
  for (size_t i = 1; i + 1 < r.size(); ++i)
    if (r[i] > r[best]) best = i;
  const double a = r[best - 1], b = r[best], c = r[best + 1];
  const double curve = a - 2 * b + c;
  const double shift = curve < 0 ? std::clamp(0.5 * (a - c) / curve, -0.5, 0.5) : 0;
  return {double(low - 1 + int(best)) + shift, std::clamp(b, 0.0, 1.0)};
}

}  // namespace

struct PitchTracker::Impl {
  int rate = 0, window = 0, hop = 0;
  aubio_pitch_t* pitch = nullptr;
  fvec_t* in = nullptr;
  fvec_t* out = nullptr;
  std::vector<float> recent;  // the tracker's window: the last samples, no more
  int filled = 0;          // samples of the current hop
  long long consumed = 0;  // samples handed to the tracker
  std::vector<PitchFrame> frames;

  explicit Impl(int sampleRate)
      : rate(std::clamp(sampleRate, 8000, 192000)), window(WindowFor(rate)), hop(window / 8) {
    pitch = new_aubio_pitch("yinfft", uint_t(window), uint_t(hop), uint_t(rate));
    in = new_fvec(uint_t(hop));
    out = new_fvec(1);
    recent.assign(size_t(window), 0.0f);
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
    std::copy(recent.begin() + hop, recent.end(), recent.begin());
    std::copy(in->data, in->data + hop, recent.end() - hop);
    // The level of the window's middle half, where the frame's time is.
    frame.levelDb = LevelDb(recent.data() + window / 4, window / 2);
    if (pitch) {
      aubio_pitch_do(pitch, in, out);
      const double hz = out->data[0];
      frame.hz = std::isfinite(hz) && hz > 20 && hz < rate / 4.0 ? hz : 0;
      if (frame.hz > 0) {
        const Refined refined = Refine(recent, rate / frame.hz);
        frame.hz = refined.period > 0 ? rate / refined.period : 0;
        frame.confidence = refined.confidence;
      }
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
