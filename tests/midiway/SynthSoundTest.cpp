// What the built-in synthesizer sounds like, heard through the WAV file it
// renders in real time. Each test listens for a few seconds at most.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <thread>
#include <vector>

#include "AudioCheck.h"
#include "midiway.h"

using namespace audiocheck;
using namespace std::chrono_literals;

namespace {

constexpr double kC4 = 261.63, kEb4 = 311.13, kE4 = 329.63, kG4 = 392.00;

class SynthSound : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI SoundFont installed";
  }
};

// First frame whose level exceeds threshold (the onset of the first note).
size_t Onset(const Wav& wav, float threshold = 0.001f) {
  const auto it = std::find_if(wav.mono.begin(), wav.mono.end(), [&](float s) { return std::fabs(s) > threshold; });
  return static_cast<size_t>(it - wav.mono.begin());
}

TEST_F(SynthSound, MinorTriadShowsItsThreeFundamentalsAsSpectralPeaks) {
  Listener listener("triad");
  for (uint8_t key : {60, 63, 67}) listener.Note(key);
  listener.SleepUntilSeconds(0.8);
  const Wav wav = listener.Finish();
  ASSERT_EQ(wav.rate, 44100u);
  const size_t begin = Onset(wav) + wav.rate / 20;  // past the attack
  const size_t end = begin + wav.rate / 2;
  ASSERT_LE(end, wav.mono.size()) << "the file is shorter than the time it was open";

  std::vector<double> spectrum;  // 1 Hz steps from 100 Hz
  for (int hz = 100; hz <= 1000; ++hz) spectrum.push_back(Level(wav, hz, begin, end));
  std::vector<double> sorted = spectrum;
  std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
  const double median = sorted[sorted.size() / 2];
  for (double fundamental : {kC4, kEb4, kG4}) {
    double peak = 0, peakHz = 0;
    for (double hz = fundamental - 5; hz <= fundamental + 5; hz += 0.25)
      if (const double level = Level(wav, hz, begin, end); level > peak) peak = level, peakHz = hz;
    SCOPED_TRACE(testing::Message() << fundamental << " Hz: peak " << peak << " at " << peakHz << " Hz, median "
                                    << median);
    EXPECT_GT(peakHz, fundamental - 5);  // a local maximum, not the edge of a slope
    EXPECT_LT(peakHz, fundamental + 5);
    EXPECT_GT(peak, Level(wav, peakHz - 10, begin, end) * 10);
    EXPECT_GT(peak, Level(wav, peakHz + 10, begin, end) * 10);
    EXPECT_GT(peak, median * 100);
  }
}

TEST_F(SynthSound, FourNoteChordAtVelocity64IsClearlyAudibleAndDoesNotClip) {
  Listener listener("loudness");
  for (uint8_t key : {60, 64, 67, 72}) listener.Note(key);
  listener.SleepUntilSeconds(0.6);
  const Wav wav = listener.Finish();
  const float peak = wav.Peak(0, wav.mono.size());
  const size_t onset = Onset(wav);
  float sumSquares = 0;
  for (size_t i = onset; i < std::min(wav.mono.size(), onset + wav.rate / 2); ++i) sumSquares += wav.mono[i] * wav.mono[i];
  const double rms = std::sqrt(sumSquares / (wav.rate / 2));
  RecordProperty("peak_dbfs", std::to_string(20 * std::log10(peak)));
  RecordProperty("rms_dbfs", std::to_string(20 * std::log10(rms)));
  EXPECT_GT(peak, 0.1f) << "quieter than -20 dBFS";
  EXPECT_LT(peak, 0.89f) << "within 1 dB of clipping";
  EXPECT_GT(rms, 0.01) << "average level below -40 dBFS";
}

TEST_F(SynthSound, ResetSilencesEverythingWithin100Ms) {
  Listener listener("reset");
  for (uint8_t key : {48, 60, 64, 67}) listener.Note(key);
  listener.SleepUntilSeconds(0.3);
  const auto resetAt = Clock::now();
  ResetMidiOut(listener.handle());
  listener.SleepUntilSeconds(0.6);
  const Wav wav = listener.Finish();
  const size_t reset = listener.FrameAt(resetAt);
  const size_t silentFrom = listener.FrameAt(resetAt + 100ms);
  ASSERT_GT(wav.mono.size(), silentFrom + wav.rate / 10);
  EXPECT_GT(wav.Peak(reset - wav.rate / 10, reset), 0.05f) << "the chord did not sound before the reset";
  EXPECT_EQ(wav.Peak(silentFrom, wav.mono.size()), 0.0f);
}

// The program never sends note-offs: each note stops 2 s after its note-on,
// and a new note-on of the key starts the 2 s again.
TEST_F(SynthSound, NotesAreReleasedTwoSecondsAfterTheirLastNoteOn) {
  Listener listener("release");
  listener.Note(60);
  listener.Note(64);
  listener.SleepUntilSeconds(1.0);
  listener.Note(64);  // restrike
  listener.SleepUntilSeconds(4.3);
  const Wav wav = listener.Finish();
  const size_t onset = Onset(wav);
  auto at = [&](double seconds) { return onset + static_cast<size_t>(seconds * wav.rate); };
  // Both ring before the first release; the first is gone soon after it.
  const double c4Before = Level(wav, kC4, at(1.5), at(1.9));
  const double e4Before = Level(wav, kE4, at(1.5), at(1.9));
  const double c4After = Level(wav, kC4, at(2.4), at(2.8));
  const double e4After = Level(wav, kE4, at(2.4), at(2.8));
  EXPECT_GT(c4Before, 0.0003);
  EXPECT_GT(e4Before, 0.0003);
  EXPECT_LT(c4After, c4Before / 100) << "C4 rings on after its release";
  EXPECT_GT(e4After, e4Before / 10) << "the restruck E4 was released early";
  EXPECT_GT(e4After, c4After * 30);
  // With the restruck note released at 3 s, everything has stopped a second later.
  ASSERT_GT(wav.mono.size(), at(4.2));
  EXPECT_EQ(wav.Peak(at(4.1), wav.mono.size()), 0.0f);
}

// A file's long note sounds until its own note-off: only notes sounded now
// are released after 2 s.
TEST_F(SynthSound, TimedNotesAreNotReleasedBeforeTheirNoteOff) {
  Listener listener("held");
  const MIDIEVENT events[] = {{0, 0xC0, 19, 0, 0},         // church organ: it does not fade
                              {0, 0x90, 60, 64, 0},
                              {2400, 0x80, 60, 0, 0}};     // 2.5 s later
  for (MIDIEVENT e : events) ASSERT_EQ(PutMidiOut(listener.handle(), &e), MIDIWAY_PUT_TAKEN);
  listener.SleepUntilSeconds(3.0);
  const Wav wav = listener.Finish();
  const size_t onset = Onset(wav);
  auto at = [&](double seconds) { return onset + static_cast<size_t>(seconds * wav.rate); };
  ASSERT_GT(wav.mono.size(), at(2.9));
  const double before = Level(wav, kC4, at(1.5), at(1.9));
  EXPECT_GT(before, 0.0003);
  EXPECT_GT(Level(wav, kC4, at(2.1), at(2.4)), before / 3) << "released before its note-off";
  EXPECT_LT(Level(wav, kC4, at(2.8), at(2.9)), before / 100) << "rings on after its note-off";
}

// Timed events play from the port's clock: 120 bpm, 480 ticks per quarter.
TEST_F(SynthSound, TimedEventsAreSpacedByTheClock) {
  Listener listener("timed");
  MIDIEVENT note{0, 0x90, 72, 64, 0};
  MIDIEVENT soundOff{480, 0xB0, 120, 0, 0};  // one quarter later
  ASSERT_EQ(PutMidiOut(listener.handle(), &note), MIDIWAY_PUT_TAKEN);
  ASSERT_EQ(PutMidiOut(listener.handle(), &soundOff), MIDIWAY_PUT_TAKEN);
  listener.SleepUntilSeconds(0.9);
  const Wav wav = listener.Finish();
  const size_t onset = Onset(wav, 0);
  size_t last = wav.mono.size();
  while (last > 0 && wav.mono[last - 1] == 0) --last;
  ASSERT_LT(onset, last);
  const double sounded = static_cast<double>(last - onset) / wav.rate;
  EXPECT_NEAR(sounded, 0.5, 0.02);
  EXPECT_LT(onset, wav.rate / 20u) << "a delta of 0 after an idle spell plays at once";
}

// The synthesizer starts notes only on its 64-frame blocks; a note that
// comes while nothing sounds starts on its own frame all the same. Notes
// 250 ms apart (11025 frames, no whole number of blocks) are exactly that
// far apart in the file (from the second on: a fresh synthesizer's first
// note starts a few samples differently).
TEST_F(SynthSound, NotesInSilenceStartOnTheirOwnFrames) {
  Listener listener("exact");
  uint32_t at = 0;
  for (uint32_t tick = 96; tick <= 96 + 5 * 240; tick += 240) {
    MIDIEVENT on{tick - at, 0x90, 72, 64, 0};
    MIDIEVENT off{96, 0xB0, 120, 0, 0};
    ASSERT_EQ(PutMidiOut(listener.handle(), &on), MIDIWAY_PUT_TAKEN);
    ASSERT_EQ(PutMidiOut(listener.handle(), &off), MIDIWAY_PUT_TAKEN);
    at = tick + 96;
  }
  listener.SleepUntilSeconds(1.7);
  const Wav wav = listener.Finish();
  const std::vector<size_t> onsets = Onsets(wav);
  ASSERT_EQ(onsets.size(), 6u);
  for (size_t i = 2; i < onsets.size(); ++i) EXPECT_EQ(onsets[i] - onsets[1], 11025 * (i - 1)) << "note " << i;
}

// A file standing in for a sound card with a 50 ms buffer, its rendering
// stalled for 130 ms in a figure: the card runs dry once, the buffer grows
// once nothing sounds, and every note after it still starts on the grid
// (plus the buffer it was played with), not late by the gap. The count is
// told on stderr at the end.
TEST_F(SynthSound, RunningDryGrowsTheBufferAndKeepsNotesOnTheGrid) {
  ScopedEnv buffer("MIDIWAY_AUDIO_FILE_BUFFER_MS", "50");
  ScopedEnv stall("MIDIWAY_AUDIO_FILE_STALL_MS", "400:130");
  testing::internal::CaptureStderr();
  Wav wav;
  {
    Listener listener("dry");
    // Short notes on a 250 ms grid, each cut by all-sound-off after 100 ms:
    // 100, 350, 600 and 850 ms, then 3000, 3250 and 3500 ms.
    const std::vector<uint32_t> grid = {96, 336, 576, 816, 2880, 3120, 3360};
    uint32_t at = 0;
    for (uint32_t tick : grid) {
      MIDIEVENT on{tick - at, 0x90, 72, 64, 0};
      MIDIEVENT off{96, 0xB0, 120, 0, 0};
      ASSERT_EQ(PutMidiOut(listener.handle(), &on), MIDIWAY_PUT_TAKEN);
      ASSERT_EQ(PutMidiOut(listener.handle(), &off), MIDIWAY_PUT_TAKEN);
      at = tick + 96;
    }
    listener.SleepUntilSeconds(3.8);
    wav = listener.Finish();
  }
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("ran dry"), std::string::npos) << said;
  EXPECT_NE(said.find("its buffer grew from 50 to"), std::string::npos) << said;

  const std::vector<double> gridMs = {100, 350, 600, 850, 3000, 3250, 3500};
  const std::vector<size_t> onsets = Onsets(wav);
  ASSERT_EQ(onsets.size(), gridMs.size());
  // Against the first note: 0 before the growth, then what the buffer grew
  // by (50, 150, 350 ms: once more for each time a busy machine made it run dry).
  const double block = 64.0 * 1000 / wav.rate;
  double last = 0;
  for (size_t i = 1; i < onsets.size(); ++i) {
    const double moved =
        (static_cast<double>(onsets[i]) - static_cast<double>(onsets[0])) * 1000 / wav.rate - (gridMs[i] - gridMs[0]);
    double step = 0;
    for (double grown : {50.0, 150.0, 350.0})
      if (std::fabs(moved - grown) < std::fabs(moved - step)) step = grown;
    EXPECT_NEAR(moved, step, block + 0.1) << "note " << i;
    EXPECT_GE(step, last) << "note " << i;
    last = step;
  }
  EXPECT_NEAR(static_cast<double>(onsets[1] - onsets[0]) * 1000 / wav.rate, 250, block + 0.1) << "before the stall";
  EXPECT_GE(last, 50) << "the buffer grew";
}

}  // namespace
