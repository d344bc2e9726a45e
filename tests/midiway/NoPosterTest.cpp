// A host that hands over no poster gets no messages, and the port still
// works: a refused put is taken once the buffer has room again.
#include <gtest/gtest.h>

#include <thread>

#include "AudioCheck.h"
#include "midiway.h"

using namespace audiocheck;
using namespace std::chrono_literals;

TEST(MidiwayWithoutPoster, FullBufferRecoversWithoutMessages) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  Listener listener("noposter", 4711);
  MIDIEVENT volume{50, 0xBF, 7, 100, 0};
  size_t taken = 0;
  while (taken <= MIDIWAY_OUT_BUFFER_EVENTS && PutMidiOut(listener.handle(), &volume) == MIDIWAY_PUT_TAKEN) ++taken;
  ASSERT_EQ(taken, MIDIWAY_OUT_BUFFER_EVENTS);
  const auto giveUp = Clock::now() + 2s;
  uint32_t result = MIDIWAY_PUT_FULL;
  while (result != MIDIWAY_PUT_TAKEN && Clock::now() < giveUp) {
    std::this_thread::sleep_for(10ms);
    result = PutMidiOut(listener.handle(), &volume);
  }
  EXPECT_EQ(result, MIDIWAY_PUT_TAKEN);
}
