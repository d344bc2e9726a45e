// Device 0: the built-in synthesizer (FluidSynth with a General MIDI
// SoundFont), heard through the first audio output that comes up, or
// rendered into the WAV file named by $MIDIWAY_AUDIO_FILE.
#pragma once

#include <fluidsynth.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "OutPort.h"
#include "WavRenderer.h"

namespace midiway {

inline constexpr char kSynthDescription[] = "Built-in synthesizer";

// Master gain, 20 dB above FluidSynth's quiet default. With the default GM
// SoundFont a velocity-64 chord of four piano notes then peaks at -9 to -14
// dBFS across the keyboard: clearly audible, and notes still ringing from the
// previous question (+6 dB) do not clip.
inline constexpr double kSynthGain = 2.0;

// Short periods so that a note sounds within about 10 ms of its put.
inline constexpr int kPeriodFrames = 128;
inline constexpr int kPeriods = 3;

// SoundFonts to try, in order of preference.
std::vector<std::string> SoundFontCandidates();

class SynthOut : public OutSink {
 public:
  // nullptr, with error and refusal code set, when the synthesizer, a
  // SoundFont or an audio output cannot be had.
  static std::unique_ptr<SynthOut> Open(std::string& error, uint32_t& code);
  ~SynthOut() override;

  void Send(const uint8_t* message, int length) override;
  void Silence() override;
  void Start() override;
  void SendExclusive(const std::vector<uint8_t>& message) override;
  void WaitForAudio(Clock::time_point deadline) override;

 private:
  SynthOut() = default;
  bool LoadSoundFont(std::string& error);
  bool StartAudio(std::string& error);
  static int Render(void* self, int length, int nfx, float* fx[], int nout, float* out[]);

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  std::unique_ptr<WavRenderer> wav_;
  void* sdl_ = nullptr;  // SDL2, while this synthesizer holds its audio subsystem
  // Frames the audio output has asked for; counted only when the output
  // renders through Render (every driver but those without a callback mode).
  std::atomic<uint64_t> rendered_{0};
  bool counted_ = false;
};

}  // namespace midiway
