// A plan stamped with its moments: what reaches the output, in what order
// and with which deltas, without the caller ever waiting.
#include <gtest/gtest.h>

#include <vector>

#include "Platform.h"
#include "TimedPlayback.h"

namespace {

struct Put {
  uint32_t time;
  int status, note;
};

std::vector<Put> PutAll(const PlaybackPlan& plan, size_t refuseAt = SIZE_MAX) {
  std::vector<Put> puts;
  TimedPlayback::Put(plan, [&](const MIDIEVENT& e) {
    if (puts.size() == refuseAt) return false;
    puts.push_back({e.time, e.status, e.data1});
    return true;
  });
  return puts;
}

}  // namespace

// A figure and a chord struck again on one key: the figure's moments become
// stamps, every note gets its release, and a key struck again is released
// just before, not while, it sounds anew. Deltas follow absolute ticks.
TEST(TimedPlayback, StampsReleasesAndDeltas) {
  QuestionState q;
  q.noteCount = 3;
  const int played[] = {60, 64, 67}, sorted[] = {60, 64, 67}, gaps[] = {333, 333, 0};
  for (int i = 0; i < 3; ++i) {
    q.playedNotes[i] = played[i];
    q.sortedNotes[i] = sorted[i];
    q.noteGaps[i] = gaps[i];
  }
  PlaybackPlan plan;
  plan.endMs = 500;
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::Figure), 0);
  EXPECT_EQ(plan.endMs, 1166u);
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::Chord), 1000);  // 60 again at 2166, before its hold ends
  EXPECT_EQ(SoundingUntilMs(plan), 4166u);

  const std::vector<Put> puts = PutAll(plan);
  ASSERT_EQ(puts.size(), 12u);
  // 0.5 s, then 333 ms steps at 0.96 ticks a millisecond, rounded from the start.
  EXPECT_EQ(puts[0].time, 480u);
  EXPECT_EQ(puts[1].time, 320u);
  EXPECT_EQ(puts[2].time, 319u);
  uint32_t total = 0;
  int sounding = 0;
  std::vector<int> on, off;
  for (const Put& p : puts) {
    total += p.time;
    EXPECT_NE(p.time, MIDIWAY_TIME_NOW);
    if ((p.status & 0xF0) == 0x90) {
      on.push_back(p.note);
      ++sounding;
    } else {
      EXPECT_EQ(p.status & 0xF0, 0x80);
      off.push_back(p.note);
      --sounding;
    }
    EXPECT_GE(sounding, 0);
  }
  EXPECT_EQ(total, 3999u) << "4166 ms from the start, rounded once";
  EXPECT_EQ(sounding, 0) << "every note released";
  EXPECT_EQ(on, (std::vector<int>{60, 64, 67, 60, 64, 67}));
  // The figure's releases come at 2166, just before the chord strikes its keys again.
  EXPECT_EQ(off, (std::vector<int>{60, 64, 67, 60, 64, 67}));
  EXPECT_EQ(puts[3].time, 960u);
  for (int i = 3; i < 6; ++i) EXPECT_EQ(puts[i].status & 0xF0, 0x80);
  EXPECT_EQ(puts[6].status & 0xF0, 0x90);
  EXPECT_EQ(puts[6].time, 0u);

  // A refusal stops the putting: what follows would come at the wrong time.
  EXPECT_EQ(PutAll(plan, 5).size(), 5u);
}

// Putting never touches the platform's clock.
TEST(TimedPlayback, NeverWaits) {
  std::vector<uint32_t> slept;
  PlatformTimeHooks hooks;
  hooks.sleep = [&](uint32_t ms) { slept.push_back(ms); };
  hooks.waitUntil = [&](uint32_t ms) { slept.push_back(ms); };
  PlatformSetTimeHooks(hooks);
  QuestionState q;
  q.noteCount = 4;
  PlaybackPlan plan = PlanArpeggio(q, true);
  AppendPlan(plan, PlanQuestionNotes(q, PlayManner::MixedFigure), 0);
  EXPECT_EQ(PutAll(plan).size(), 16u);
  PlatformSetTimeHooks({});
  EXPECT_TRUE(slept.empty());
  EXPECT_EQ(plan.endMs, 4 * kArpeggioStepMs);
}
