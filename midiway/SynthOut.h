// Device 0: the built-in synthesizer (FluidSynth with a General MIDI
// SoundFont), heard through the first audio output that comes up, or
// rendered into the WAV file named by $MIDIWAY_AUDIO_FILE.
#pragma once

#include <fluidsynth.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "OutPort.h"
#include "PulseOut.h"
#include "StreamBuffer.h"
#include "StreamClock.h"
#include "WavRenderer.h"

namespace midiway {

inline constexpr char kSynthDescription[] = "Built-in synthesizer";

// Master gain, 20 dB above FluidSynth's quiet default. With the default GM
// SoundFont a velocity-64 chord of four piano notes then peaks at -9 to -14
// dBFS across the keyboard: clearly audible, and notes still ringing from the
// previous question (+6 dB) do not clip.
inline constexpr double kSynthGain = 2.0;

// Short periods, so that an event put now waits little for its callback.
inline constexpr int kPeriodFrames = 128;
inline constexpr int kPeriods = 3;
// What a PulseAudio stream buffers ahead, unless $MIDIWAY_AUDIO_LATENCY_MS
// says otherwise: a busy machine holds the player's thread, or the whole
// machine, up for 70 to 100 ms at times, and a buffer shorter than that runs
// dry (an audible gap, and the notes after it late). Each time it runs dry
// all the same, it doubles, up to the bound. Notes are placed for the bound
// from the start, so that a growth moves none of them: the delay is
// harmless, as no note answers a key the student plays.
inline constexpr int kPulseBufferMs = 240;
inline constexpr int kPulseBufferMaxMs = 310;
// The sink takes the stream's audio in pieces this long.
inline constexpr int kPulseRequestMs = 10;
// Beyond the buffer and the sink's piece, for the server's timing estimate.
inline constexpr int kPulseMarginMs = 10;

// FluidSynth renders in blocks of this many frames and starts a note only at
// a block's first frame: an event sounds at the block start nearest its
// frame, or, while nothing sounds, the blocks are moved to start on it.
inline constexpr int kSynthBlockFrames = 64;
// How long before its moment the port hands a timed event over: longer than
// the port's thread is ever held up on a busy machine.
inline constexpr auto kSynthLookahead = std::chrono::milliseconds(20);

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
  void SendAt(const uint8_t* message, int length, Clock::time_point at, bool timed) override;
  void SendExclusiveAt(const std::vector<uint8_t>& message, Clock::time_point at, bool timed) override;
  Clock::duration Lookahead() const override;
  void DropTimed() override;

  // The one latency from an event's moment to its sound in the output's
  // frames: 0 for a rendered file (its frame n is the moment n frames after
  // its start) or its stand-in card's buffer; for our PulseAudio stream,
  // followed by when its frames are heard, the buffer and a margin; one
  // audio period and half a block for another sound card's callback, which
  // may come that much before its frames' moment.
  Clock::duration Latency() const;

  // Times the output ran dry, and its buffer now (ms; 0 when it has none of ours).
  unsigned Underruns() const { return buffer_ ? buffer_->Underruns() : 0; }
  int BufferMs() const { return buffer_ ? buffer_->Ms() : 0; }

 private:
  // An event waiting for its frame in the audio callback.
  struct Scheduled {
    int64_t frame;  // in the output's frames; the block start nearest it is where it sounds
    uint64_t order;
    bool timed;
    int length;  // 0: exclusive
    uint8_t message[3];
    std::vector<uint8_t> exclusive;
  };

  SynthOut() = default;
  bool LoadSoundFont(std::string& error);
  bool StartAudio(std::string& error);
  static int Render(void* self, int length, int nfx, float* fx[], int nout, float* out[]);
  // Renders into an interleaved stereo buffer for our own outputs; returns
  // a new buffer in frames when it grows now, else 0.
  uint32_t RenderStereo(int frames, float* stereo);
  // Our PulseAudio stream's: followed by when its frames are heard, as the
  // server asks for them in pieces of any size.
  uint32_t RenderPulse(int frames, float* stereo, std::chrono::nanoseconds playsIn);
  int64_t FramesOf(int ms) const { return std::llround(rate_ * ms / 1000.0); }
  // Nothing waits to sound and nothing sounds: the buffer may grow.
  bool Quiet();
  // The stand-in card ran dry: the frames after the silence play that much later.
  void RanDry(uint64_t silentFrames);
  // Renders `length` frames from the output's frame rendered_, in pieces
  // between the events due in them; render(offset, frames, silent) renders
  // one piece, or silence in its place without advancing the synthesizer.
  template <class Piece>
  void RenderTimed(int length, Piece&& render);
  void Schedule(Scheduled event, Clock::time_point at);
  void Play(const Scheduled& event);
  void PlayMessage(const uint8_t* message, int length);
  // The output's word that frame `frame` is heard at `heard`, taken unless
  // an event is being placed this very moment (the audio thread never waits).
  void Observe(uint64_t frame, Clock::time_point heard);

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_audio_driver_t* driver_ = nullptr;
  std::unique_ptr<WavRenderer> wav_;
  std::unique_ptr<PulseOut> pulse_;
  std::unique_ptr<StreamBuffer> buffer_;  // of our own outputs
  void* sdl_ = nullptr;  // SDL2, while this synthesizer holds its audio subsystem
  // Frames the audio output has asked for; counted only when the output
  // renders through Render (every driver but those without a callback mode).
  std::atomic<uint64_t> rendered_{0};
  bool counted_ = false;
  double rate_ = 44100.0;

  // Timed rendering: only through our own callback or the rendered file.
  std::atomic<bool> timedRendering_{false};
  std::mutex clockMutex_;
  StreamClock clock_{44100.0, 5'000'000, 2'000'000};  // where the output's frames stand
  std::mutex queueMutex_;
  std::vector<Scheduled> queue_;  // by frame, then order
  uint64_t order_ = 0;
  // The audio thread's: output frames that were not the synthesizer's (the
  // silence put in to start a note on its own frame rather than a block's).
  int64_t skew_ = 0;
  bool dry_ = false;  // the output just ran dry
  std::array<float, 2 * kSynthBlockFrames> scratch_{};  // what is dropped after it
};

}  // namespace midiway
