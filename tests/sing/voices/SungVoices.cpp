#include "SungVoices.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <random>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;

double Hz(double midi) { return 440.0 * std::exp2((midi - 69.0) / 12.0); }

// Resonances of an open "ah", so the harmonics are shaped as a sung vowel's.
double VowelGain(double hz) {
  const double formants[3][2] = {{700, 110}, {1220, 120}, {2600, 160}};
  double gain = 0.04;
  for (const auto& f : formants) gain += 1.0 / (1.0 + std::pow((hz - f[0]) / f[1], 2));
  return gain;
}

struct Timeline {
  std::vector<double> start;  // seconds
  double end = 0;
};

Timeline Lay(const std::vector<VoiceNote>& notes, const VoiceOptions& o) {
  Timeline t;
  double at = o.leadSeconds;
  for (const VoiceNote& n : notes) {
    t.start.push_back(at);
    at += n.seconds + (n.slurToNext ? 0 : n.gapAfter);
  }
  t.end = at + o.tailSeconds;
  return t;
}

// Pink noise (Paul Kellet's filter) of unit RMS, about.
class Pink {
 public:
  explicit Pink(uint32_t seed) : rng_(seed) {}
  double Next() {
    const double w = white_(rng_);
    b0_ = 0.99886 * b0_ + w * 0.0555179;
    b1_ = 0.99332 * b1_ + w * 0.0750759;
    b2_ = 0.96900 * b2_ + w * 0.1538520;
    b3_ = 0.86650 * b3_ + w * 0.3104856;
    b4_ = 0.55000 * b4_ + w * 0.5329522;
    b5_ = -0.7616 * b5_ - w * 0.0168980;
    const double p = b0_ + b1_ + b2_ + b3_ + b4_ + b5_ + b6_ + w * 0.5362;
    b6_ = w * 0.115926;
    return p * 0.2;
  }

 private:
  std::mt19937 rng_;
  std::normal_distribution<double> white_{0, 1};
  double b0_ = 0, b1_ = 0, b2_ = 0, b3_ = 0, b4_ = 0, b5_ = 0, b6_ = 0;
};

std::vector<float> RenderSynthetic(const std::vector<VoiceNote>& notes, const VoiceOptions& o, const Timeline& t) {
  const double sr = o.sampleRate;
  const size_t total = size_t(t.end * sr);
  std::vector<float> out(total, 0.0f);
  std::mt19937 rng(o.seed * 7919u + 17u);
  std::normal_distribution<double> gauss(0, 1);
  std::uniform_real_distribution<double> uniform(0, 1);
  const bool bass = o.kind == VoiceKind::SyntheticBass;
  const double vibratoPhase0 = uniform(rng) * kTwoPi;
  double phase = 0, jitter = 0, breathLp = 0;
  for (size_t i = 0; i < notes.size(); ++i) {
    const VoiceNote& n = notes[i];
    const double s = t.start[i], e = s + n.seconds;
    const bool slurIn = i > 0 && notes[i - 1].slurToNext;
    const bool slurOut = n.slurToNext && i + 1 < notes.size();
    const double from = slurIn ? notes[i - 1].midi + notes[i - 1].detuneCents / 100 : n.midi - 0.7;
    const double target = n.midi + n.detuneCents / 100;
    const double glide = slurIn ? 0.07 : 0.05;
    for (size_t k = size_t(s * sr); k < size_t(e * sr) && k < total; ++k) {
      const double at = k / sr - s;
      double midi = at < glide ? from + (target - from) * (at / glide) : target;
      midi += 0.30 * std::sin(kTwoPi * 5.5 * (k / sr) + vibratoPhase0);
      jitter = 0.995 * jitter + 0.004 * gauss(rng);  // slow wander, a few cents
      midi += jitter;
      const double f0 = Hz(midi);
      phase += kTwoPi * f0 / sr;
      if (phase > kTwoPi * 1e6) phase = std::fmod(phase, kTwoPi);
      double amp = 1.0;
      if (!slurIn) amp = std::min(amp, at / 0.04);
      if (!slurOut) amp = std::min(amp, (n.seconds - at) / 0.04);
      amp = std::clamp(amp, 0.0, 1.0) * (1.0 + 0.03 * gauss(rng) * 0.3);
      double v = 0;
      for (int h = 1; h * f0 < 5000 && h <= 40; ++h) {
        double a = VowelGain(h * f0) / std::pow(h, 0.7);
        if (bass && h == 1) a *= 0.25;
        if (bass && h == 2) a *= 2.5;
        v += a * std::sin(h * phase);
      }
      // Breath through the voice: high, soft noise.
      const double w = gauss(rng);
      breathLp = 0.7 * breathLp + 0.3 * w;
      out[k] += float(amp * (0.12 * v + 0.004 * (w - breathLp)));
    }
    // A breath in a long enough gap: loud noise with no pitch.
    if (!slurOut && n.gapAfter >= 0.2 && i + 1 < notes.size()) {
      const size_t b0 = size_t((e + 0.04) * sr), b1 = size_t((e + 0.04 + 0.14) * sr);
      for (size_t k = b0; k < b1 && k < total; ++k) {
        const double x = double(k - b0) / double(b1 - b0);
        const double w = gauss(rng);
        breathLp = 0.6 * breathLp + 0.4 * w;
        out[k] += float(0.02 * std::sin(std::numbers::pi * x) * (w - breathLp));
      }
    }
  }
  return out;
}

std::vector<float> RenderFluid(const std::vector<VoiceNote>& notes, const VoiceOptions& o, const Timeline& t) {
  const std::string font = SoundFontPath();
  if (font.empty()) return {};
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", o.sampleRate);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setnum(settings, "synth.gain", 0.5);
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::vector<float> out;
  if (synth && fluid_synth_sfload(synth, font.c_str(), 1) != FLUID_FAILED) {
    fluid_synth_program_change(synth, 0, o.kind == VoiceKind::ChoirAahs ? 52 : 53);
    // A singer stops within a few tens of milliseconds; the patches ring on
    // for a third of a second, an echo no voice makes.
    fluid_synth_set_gen(synth, 0, GEN_VOLENVRELEASE, -3600);
    struct Event {
      size_t at;
      int key;
      bool on;
      int bend;
    };
    std::vector<Event> events;
    for (size_t i = 0; i < notes.size(); ++i) {
      const VoiceNote& n = notes[i];
      const int key = int(std::lround(n.midi));
      const double cents = (n.midi - key) * 100 + n.detuneCents;
      const int bend = std::clamp(int(std::lround(8192 + cents / 200.0 * 8192)), 0, 16383);
      events.push_back({size_t(t.start[i] * o.sampleRate), key, true, bend});
      events.push_back({size_t((t.start[i] + n.seconds) * o.sampleRate), key, false, bend});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
      return a.at < b.at || (a.at == b.at && !a.on && b.on);
    });
    const size_t total = size_t(t.end * o.sampleRate);
    out.resize(total);
    std::vector<float> right(total);
    size_t done = 0;
    for (size_t e = 0; e <= events.size(); ++e) {
      const size_t until = e < events.size() ? std::min(events[e].at, total) : total;
      while (done < until) {
        const int len = int(std::min<size_t>(until - done, 4096));
        fluid_synth_write_float(synth, len, out.data() + done, 0, 1, right.data() + done, 0, 1);
        done += size_t(len);
      }
      if (e == events.size()) break;
      if (events[e].on) {
        fluid_synth_pitch_bend(synth, 0, events[e].bend);
        fluid_synth_noteon(synth, 0, events[e].key, 100);
      } else {
        fluid_synth_noteoff(synth, 0, events[e].key);
      }
    }
  }
  if (synth) delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return out;
}

}  // namespace

std::string SoundFontPath() {
  const char* path = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  return std::ifstream(path).good() ? path : "";
}

std::vector<std::pair<double, double>> NoteTimes(const std::vector<VoiceNote>& notes, const VoiceOptions& options) {
  const Timeline t = Lay(notes, options);
  std::vector<std::pair<double, double>> times;
  for (size_t i = 0; i < notes.size(); ++i) times.emplace_back(t.start[i], t.start[i] + notes[i].seconds);
  return times;
}

std::vector<float> RenderVoice(const std::vector<VoiceNote>& notes, const VoiceOptions& o) {
  const Timeline t = Lay(notes, o);
  std::vector<float> out = o.kind == VoiceKind::ChoirAahs || o.kind == VoiceKind::VoiceOohs
                               ? RenderFluid(notes, o, t)
                               : RenderSynthetic(notes, o, t);
  // The noise is set against the voice's own level while it sings.
  double power = 0;
  size_t count = 0;
  for (size_t i = 0; i < notes.size(); ++i)
    for (size_t k = size_t(t.start[i] * o.sampleRate); k < size_t((t.start[i] + notes[i].seconds) * o.sampleRate) &&
                                                         k < out.size();
         ++k, ++count)
      power += double(out[k]) * out[k];
  const double rms = count ? std::sqrt(power / count) : 0.1;
  Pink pink(o.seed);
  std::mt19937 rng(o.seed + 99u);
  std::normal_distribution<double> white(0, 1);
  const double noise = o.snrDb < 150 ? rms * std::pow(10.0, -o.snrDb / 20) : 0;
  const double room = std::pow(10.0, o.roomDb / 20);
  for (float& s : out) s = float(std::clamp(s + noise * pink.Next() + room * white(rng), -1.0, 1.0));
  return out;
}

bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate) {
  std::ofstream out(path, std::ios::binary);
  if (!out) return false;
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  const uint32_t bytes = uint32_t(samples.size() * 2);
  out.write("RIFF", 4);
  u32(36 + bytes);
  out.write("WAVEfmt ", 8);
  u32(16);
  u16(1);
  u16(1);
  u32(uint32_t(sampleRate));
  u32(uint32_t(sampleRate) * 2);
  u16(2);
  u16(16);
  out.write("data", 4);
  u32(bytes);
  for (float s : samples) {
    const int16_t v = int16_t(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767));
    out.write(reinterpret_cast<const char*>(&v), 2);
  }
  return bool(out);
}

std::optional<std::vector<float>> ReadWav(const std::string& path, int& sampleRate) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u32 = [&](size_t at) {
    uint32_t v;
    std::memcpy(&v, &b[at], 4);
    return v;
  };
  auto u16 = [&](size_t at) {
    uint16_t v;
    std::memcpy(&v, &b[at], 2);
    return v;
  };
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0)
    return std::nullopt;
  int format = 0, channels = 0, bits = 0;
  for (size_t at = 12; at + 8 <= b.size();) {
    const uint32_t size = u32(at + 4);
    const size_t body = at + 8;
    if (size > b.size() - body) return std::nullopt;
    if (std::memcmp(&b[at], "fmt ", 4) == 0 && size >= 16) {
      format = u16(body);
      channels = u16(body + 2);
      sampleRate = int(u32(body + 4));
      bits = u16(body + 14);
      if (format == 0xFFFE && size >= 26) format = u16(body + 24);  // the extensible header's sub-format
    } else if (std::memcmp(&b[at], "data", 4) == 0) {
      if (channels < 1 || sampleRate < 1000 || !((format == 1 && bits == 16) || (format == 3 && bits == 32)))
        return std::nullopt;
      const size_t frame = size_t(channels) * size_t(bits / 8);
      std::vector<float> samples;
      for (size_t k = body; k + frame <= body + size; k += frame) {
        if (format == 1) {
          samples.push_back(int16_t(u16(k)) / 32768.0f);
        } else {
          float f;
          std::memcpy(&f, &b[k], 4);
          samples.push_back(f);
        }
      }
      return samples;
    }
    at = body + size + (size & 1);
  }
  return std::nullopt;
}
