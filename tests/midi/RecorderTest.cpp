// The recording driver double answers TWayMidi and TWayMidiOut as the real
// library would, and records what they ask of it.
#include <gtest/gtest.h>

#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Waymidi.h"

namespace {

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const auto& c : RecorderCalls()) names.push_back(c.name);
  return names;
}

TEST(Recorder, ComponentsTalkToIt) {
  RecorderReset();
  uint32_t now = 500;
  PlatformSetTimeHooks({[&] { return now; }, {}, {}, {}, {}});
  const char* devices[] = {"Synth A", "Port B"};
  RecorderSetOutDevices(devices, 2);
  {
    TWayMidi midi;
    EXPECT_EQ(midi.Version, 0x0200);
    EXPECT_EQ(midi.GetNumOutDevices(), 2u);
    TWayMidiOut out;
    out.WayMidi = &midi;
    ASSERT_TRUE(out.Open(1, 78624));
    EXPECT_EQ(out.Description, "Port B");
    EXPECT_EQ(out.Handle, 100u);
    now = 750;
    MIDIEVENT e{0xFFFFFFFFu, 0x90, 60, 64, 0};
    EXPECT_TRUE(out.Put(&e));
    RecorderSetPutResult(1);
    EXPECT_FALSE(out.Put(&e));
  }
  PlatformSetTimeHooks({});

  EXPECT_EQ(Names(), (std::vector<std::string>{"GetMidiwayVersion", "GetNumOutDevices", "GetMidiOutDescription",
                                               "OpenMidiOut", "PutMidiOut", "PutMidiOut", "ResetMidiOut",
                                               "CloseMidiOut"}));
  const auto& open = RecorderCalls()[3];
  EXPECT_NE(open.args[0], 0u);  // the port's message window
  EXPECT_EQ(open.args[1], 1u);
  EXPECT_EQ(open.args[2], 0u);
  EXPECT_EQ(open.args[3], 78624u);
  EXPECT_EQ(open.tick, 500u);
  auto puts = RecorderPuts();
  ASSERT_EQ(puts.size(), 2u);
  EXPECT_EQ(puts[0].args[0], 100u);
  EXPECT_EQ(puts[0].event.time, 0xFFFFFFFFu);
  EXPECT_EQ(puts[0].event.status, 0x90);
  EXPECT_EQ(puts[0].event.data1, 60);
  EXPECT_EQ(puts[0].event.data2, 64);
  EXPECT_EQ(puts[0].tick, 750u);
}

TEST(Recorder, ResetRestoresDefaults) {
  RecorderSetOpenResult(7);
  RecorderSetPutResult(3);
  RecorderReset();
  EXPECT_TRUE(RecorderCalls().empty());
  TWayMidi midi;
  TWayMidiOut out;
  out.WayMidi = &midi;
  EXPECT_TRUE(out.Open(0, 78624));
  EXPECT_EQ(out.Description, "Recorder");
  MIDIEVENT e{0xFFFFFFFFu, 0x90, 60, 64, 0};
  EXPECT_TRUE(out.Put(&e));
  char buffer[32] = "untouched";
  EXPECT_EQ(midi.GetMidiOutDescription(1, buffer), 0u);  // past the last device
}

}  // namespace
