// Placing events on an output's frames from its jittered word on when they
// are heard, as a busy machine's sound server gives it: no sound card needed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "StreamClock.h"

namespace {

using midiway::StreamClock;

constexpr double kRate = 44100.0;
constexpr int64_t kMs = 1'000'000;

// An output asking for audio every 10 to 30 ms; its frames are heard at
// origin + frame / (rate x speed), and each word on it comes late by up to
// 6 ms (a stalled reporter: now and then 40 ms), or a little early.
struct Output {
  int64_t origin = 1000 * kMs;
  double speed = 1.0;
  uint64_t frame = 0;
  int64_t now = 900 * kMs;
  std::mt19937 random{7};

  double HeardNs(double f) const { return static_cast<double>(origin) + f * 1e9 / (kRate * speed); }
  // Runs the output until `until`, telling the clock at each request.
  void RunUntil(StreamClock& clock, int64_t until) {
    std::uniform_int_distribution<int64_t> gap(10 * kMs, 30 * kMs), late(0, 6 * kMs);
    std::uniform_int_distribution<int> odd(0, 19);
    while (now < until) {
      now += gap(random);
      frame = static_cast<uint64_t>(std::max(0.0, (static_cast<double>(now) - static_cast<double>(origin)) * kRate * speed / 1e9 + 0.2 * kRate));
      const int kind = odd(random);
      const int64_t error = kind == 0 ? 40 * kMs : kind == 1 ? -kMs / 5 : late(random);
      clock.Observe(frame, static_cast<int64_t>(HeardNs(static_cast<double>(frame))) + error);
    }
  }
  // Where an event at ns really belongs.
  double TrueFrame(int64_t ns) const { return (static_cast<double>(ns) - static_cast<double>(origin)) * kRate * speed / 1e9; }
};

// Notes put at jittered moments land exactly their moments' distance apart,
// to the sample, however the reports jitter; the whole lies within a
// millisecond of where the output really is, through a drift of the output's
// clock and across a gap in it that nobody reported.
TEST(MidiwayStreamClock, JitteredReportsMoveNoNoteOffItsSample) {
  for (const double speed : {1.0, 1.0003}) {
    SCOPED_TRACE(speed);
    StreamClock clock(kRate, 25 * kMs, 10 * kMs);
    Output output;
    output.speed = speed;
    output.RunUntil(clock, 2000 * kMs);
    ASSERT_TRUE(clock.Anchored());
    std::mt19937 random(11);
    std::uniform_int_distribution<int64_t> jitter(0, 5 * kMs);
    for (int figure = 0; figure < 80; ++figure) {
      // A figure: three notes 500 and 250 ms apart, each put a little late.
      const int64_t start = output.now + 40 * kMs;
      std::vector<int64_t> puts, frames;
      for (const int64_t at : {0 * kMs, 500 * kMs, 750 * kMs}) {
        const int64_t put = start + at + jitter(random);
        output.RunUntil(clock, put);
        puts.push_back(put);
        frames.push_back(clock.FrameAt(put));
        // A drift is followed once it is off by more than jitter, 10 ms.
        EXPECT_NEAR(static_cast<double>(frames.back()), output.TrueFrame(put), (speed == 1.0 ? 0.001 : 0.0105) * kRate)
            << "figure " << figure;
      }
      for (size_t i = 1; i < puts.size(); ++i) {
        const double apart = static_cast<double>(puts[i] - puts[0]) * kRate / 1e9;
        // Following a drift bends the mapping a little within a figure.
        const double bend = speed == 1.0 ? 0 : apart * 5e-4;
        EXPECT_NEAR(static_cast<double>(frames[i] - frames[0]), apart, 1.0 + bend) << "figure " << figure << ", note " << i;
      }
      output.RunUntil(clock, start + 1250 * kMs);
    }
  }
  // Frames heard 60 ms later from some moment on, unreported: placed anew
  // within seconds, and exactly again.
  StreamClock clock(kRate, 25 * kMs, 10 * kMs);
  Output output;
  output.RunUntil(clock, 3000 * kMs);
  output.origin += 60 * kMs;
  output.RunUntil(clock, 6000 * kMs);
  const int64_t a = output.now, b = a + 250 * kMs;
  EXPECT_NEAR(static_cast<double>(clock.FrameAt(a)), output.TrueFrame(a), 0.001 * kRate);
  EXPECT_EQ(clock.FrameAt(b) - clock.FrameAt(a), 11025);
}

}  // namespace
