// The pitch of a voice, frame by frame, from the microphone's samples: aubio's
// "yinfft", the same code on the desktop and in the page, so that both hear
// the same notes. Only the current window of samples is kept, never more.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

struct PitchFrame {
  double seconds = 0;      // the frame's middle, from the first sample fed
  double hz = 0;           // 0 = no pitch heard
  double confidence = 0;   // 0..1, the tracker's own
  double levelDb = -120;   // RMS about the frame's time, dB below full scale
};

class PitchTracker {
 public:
  explicit PitchTracker(int sampleRate);
  ~PitchTracker();
  PitchTracker(const PitchTracker&) = delete;
  PitchTracker& operator=(const PitchTracker&) = delete;

  // Any count, any cadence: the samples are cut into hops inside.
  void Feed(const float* mono, size_t count);
  // The frames since the last call, in order.
  std::vector<PitchFrame> TakeFrames();
  int SampleRate() const;
  // About 43 ms of window and an eighth of it as the hop at every rate.
  int WindowSize() const;
  int HopSize() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// MIDI note number (fractional) of a frequency; 0 Hz and below give 0.
double MidiOfHz(double hz);
double HzOfMidi(double midi);
