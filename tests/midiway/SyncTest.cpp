// The sync: beats, position, pause and stop, and an output port that plays
// on its clock, tempo changes included, heard through the rendered file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "AudioCheck.h"
#include "midiway.h"

using namespace audiocheck;
using namespace std::chrono_literals;

namespace {

struct Posted {
  uint32_t message;
  uintptr_t wParam;
  Clock::time_point at;
};

std::mutex g_mutex;
std::condition_variable g_arrived;
std::vector<Posted> g_posted;

std::vector<Posted> Take() {
  std::lock_guard lock(g_mutex);
  auto taken = g_posted;
  g_posted.clear();
  return taken;
}

size_t Count(const std::vector<Posted>& posted, uint32_t message) {
  size_t n = 0;
  for (const auto& p : posted) n += p.message == message;
  return n;
}

}  // namespace

extern "C" int PlatformPostMessage(uint32_t, uint32_t message, uintptr_t wParam, intptr_t) {
  std::lock_guard lock(g_mutex);
  g_posted.push_back({message, wParam, Clock::now()});
  g_arrived.notify_all();
  return 1;
}

namespace {
[[maybe_unused]] const bool g_posterHandedOver = (SetMidiwayPoster(&PlatformPostMessage), true);
}  // namespace

namespace {

uint32_t Position(uint32_t sync) {
  uint32_t position = 0;
  EXPECT_EQ(GetPosition(sync, &position), MIDIWAY_OK);
  return position;
}

// Ticks the clock should have moved between two readings, as a range: the
// wall time around them is known only from outside the readings.
struct Window {
  Clock::time_point before, after;
  bool Holds(double ticks, double msPerTick, Clock::time_point innerBefore, Clock::time_point innerAfter) const {
    const double least = std::chrono::duration<double, std::milli>(innerAfter - innerBefore).count() / msPerTick;
    const double most = std::chrono::duration<double, std::milli>(after - before).count() / msPerTick;
    return ticks >= least - 1.5 && ticks <= most + 1.5;
  }
};

TEST(MidiwaySync, BeatsPositionPauseAndStop) {
  const uint32_t sync = OpenSync(7, 0, 100000, 10);  // a beat every 100 ms, 1 tick = 10 ms
  ASSERT_GT(sync, 32u);
  EXPECT_EQ(GetTempo(sync), 100000u);
  EXPECT_EQ(GetResolution(sync), 10u);
  std::this_thread::sleep_for(150ms);
  EXPECT_EQ(Position(sync), 0u) << "a new sync stands until started";
  Take();
  StartSync(sync);
  std::this_thread::sleep_for(360ms);
  const uint32_t position = Position(sync);
  auto posted = Take();
  // A beat at every 10 ticks from position 0, none ahead of the clock.
  const size_t beats = Count(posted, MIDIWAY_MSG_SYNC_BEAT);
  EXPECT_GE(position, 20u);
  EXPECT_LE(beats, position / 10 + 1);
  EXPECT_GE(beats + 1, position / 10 + 1) << position;
  for (size_t i = 1; i < posted.size(); ++i) {
    EXPECT_EQ(posted[i].wParam, sync);
    EXPECT_GT(posted[i].at - posted[i - 1].at, 50ms) << "beats come one by one";
  }

  PauseSync(sync, 1);
  const uint32_t held = Position(sync);
  std::this_thread::sleep_for(120ms);
  EXPECT_EQ(Position(sync), held);
  EXPECT_TRUE(Take().empty()) << "no beats while paused";

  for (const uint32_t tempo : {100000u, 50000u}) {  // as it was, then twice as fast
    SetTempo(sync, tempo);
    if (tempo == 100000u) ReStartSync(sync);
    Window window;
    window.before = Clock::now();
    const uint32_t from = Position(sync);
    const auto innerBefore = Clock::now();
    std::this_thread::sleep_for(100ms);
    const auto innerAfter = Clock::now();
    const uint32_t to = Position(sync);
    window.after = Clock::now();
    EXPECT_TRUE(window.Holds(to - from, tempo / 10000.0, innerBefore, innerAfter))
        << tempo << ": " << from << " to " << to;
  }
  StopSync(sync);
  EXPECT_EQ(Position(sync), 0u);
  EXPECT_EQ(CloseSync(sync), MIDIWAY_OK);
  EXPECT_NE(StartSync(sync), MIDIWAY_OK);
}

TEST(MidiwaySync, PortOnASyncWaitsForItAndFollowsTempoEvents) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  const std::string wav = testing::TempDir() + "midiway-sync-" + std::to_string(getpid()) + ".wav";
  ScopedEnv file("MIDIWAY_AUDIO_FILE", wav.c_str());
  const uint32_t sync = OpenSync(9, 0, 500000, 480);
  const uint32_t port = OpenMidiOut(11, 0, sync, 78624);
  ASSERT_GT(port, 32u);
  // Notes cut short by "all sound off", so that each one starts in silence:
  // at 0 and 500 ms, then at twice the speed 250 ms later.
  const MIDIEVENT events[] = {
      {0, 0x90, 72, 100, 0},   {120, 0xB0, 120, 0, 0},
      {360, MIDIWAY_STATUS_TEMPO, 0x03, 0xD0, 0x90},  // 250000
      {0, 0x90, 74, 100, 0},   {120, 0xB0, 120, 0, 0},
      {360, 0x90, 76, 100, 0}, {120, 0xB0, 120, 0, 0},
  };
  for (const auto& e : events) ASSERT_EQ(PutMidiOut(port, const_cast<MIDIEVENT*>(&e)), MIDIWAY_PUT_TAKEN);
  std::this_thread::sleep_for(300ms);  // nothing plays before the sync starts
  Take();
  StartSync(sync);
  {
    std::unique_lock lock(g_mutex);
    ASSERT_TRUE(g_arrived.wait_for(lock, 3s, [] {
      for (const auto& p : g_posted)
        if (p.message == MIDIWAY_MSG_SYNC_DONE) return true;
      return false;
    })) << "no 0x5457 after the last event played";
  }
  EXPECT_EQ(GetTempo(sync), 250000u) << "the file's tempo reached the sync";
  std::this_thread::sleep_for(100ms);
  CloseMidiOut(port);
  CloseSync(sync);
  const Wav sound = ReadWav(wav);
  std::remove(wav.c_str());
  const auto onsets = Onsets(sound);
  ASSERT_EQ(onsets.size(), 3u);
  EXPECT_GT(onsets[0], sound.rate / 4) << "sounded before the sync started (at 0.3 s)";
  const double second = (onsets[1] - onsets[0]) * 1000.0 / sound.rate;
  const double third = (onsets[2] - onsets[0]) * 1000.0 / sound.rate;
  RecordProperty("second_ms", std::to_string(second));
  RecordProperty("third_ms", std::to_string(third));
  EXPECT_NEAR(second, 500.0, 40.0);  // the bench measures the fine timing; this is about tempo
  EXPECT_NEAR(third, 750.0, 40.0);
}

}  // namespace
