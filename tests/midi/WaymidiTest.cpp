// TWayMidi and TWayMidiOut against the recording driver library.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <string>
#include <thread>

#include "EventLoop.h"
#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Raised.h"
#include "Waymidi.h"

namespace {

std::vector<std::string> Names() {
  std::vector<std::string> names;
  for (const auto& c : RecorderCalls()) names.push_back(c.name);
  return names;
}

using Names_ = std::vector<std::string>;

MIDIEVENT NoteOn(uint8_t note) { return MIDIEVENT{0xFFFFFFFFu, 0x90, note, 64, 0}; }

class Port : public ::testing::Test {
 protected:
  void SetUp() override {
    RecorderReset();
    midi = std::make_unique<TWayMidi>();
    out.WayMidi = midi.get();
    RecorderReset();  // forget the library's creation
  }
  // Held by pointer: TWayMidi's destructor may raise, which a member's could not.
  std::unique_ptr<TWayMidi> midi;
  TWayMidiOut out;
};

TEST_F(Port, OpenResultAbove32Opens) {
  RecorderSetOpenResult(32);
  EXPECT_FALSE(out.Open(0, 78624));
  EXPECT_FALSE(out.IsOpen);
  EXPECT_EQ(out.Handle, 0u);
  // A refused open keeps what it tried.
  EXPECT_EQ(out.Description, "Recorder");
  EXPECT_EQ(out.DeviceId, 0);
  EXPECT_EQ(out.OpenParam, 78624u);

  RecorderSetOpenResult(33);
  EXPECT_TRUE(out.Open(0, 5));
  EXPECT_TRUE(out.IsOpen);
  EXPECT_EQ(out.Handle, 33u);
  EXPECT_EQ(out.OpenParam, 5u);
  EXPECT_EQ(RecorderCalls().back().args[0], out.MessageWindow());
}

TEST_F(Port, RefusedPortDropsEveryEvent) {
  RecorderSetOpenResult(0);
  out.Open(0, 78624);
  RecorderReset();
  auto e = NoteOn(60);
  EXPECT_TRUE(out.Put(&e));
  EXPECT_TRUE(RecorderCalls().empty());
}

TEST_F(Port, OnlyTheLow16BitsOfPutCount) {
  out.Open(0, 78624);
  auto e = NoteOn(61);
  for (uint32_t taken : {0u, 0x10000u, 0xFFFF0000u}) {
    RecorderSetPutResult(taken);
    EXPECT_TRUE(out.Put(&e)) << std::hex << taken;
  }
  for (uint32_t refused : {1u, 0x8000u, 0xFFFF0001u}) {
    RecorderSetPutResult(refused);
    EXPECT_FALSE(out.Put(&e)) << std::hex << refused;
  }
  auto puts = RecorderPuts();
  ASSERT_EQ(puts.size(), 6u);
  EXPECT_EQ(puts[0].args[0], 100u);
  EXPECT_EQ(puts[0].event.data1, 61);
}

TEST_F(Port, OpenNeedsALibrary) {
  TWayMidiOut lone;
  EXPECT_EQ(Raised([&] { lone.Open(0, 78624); }), "No WayMidi");
  EXPECT_FALSE(lone.IsOpen);
  EXPECT_TRUE(RecorderCalls().empty());
}

TEST_F(Port, SecondOpenRaisesAndLeavesTheFirstAlone) {
  const char* devices[] = {"First", "Second"};
  RecorderSetOutDevices(devices, 2);
  out.Open(0, 78624);
  RecorderSetOpenResult(200);
  EXPECT_EQ(Raised([&] { out.Open(1, 1); }), "already open");
  EXPECT_TRUE(out.IsOpen);
  EXPECT_EQ(out.Handle, 100u);
  EXPECT_EQ(out.DeviceId, 0);
  EXPECT_EQ(out.OpenParam, 78624u);
  EXPECT_EQ(out.Description, "First");
  EXPECT_EQ(Names(), (Names_{"GetMidiOutDescription", "OpenMidiOut"}));
}

TEST_F(Port, CloseResetsThenClosesAndKeepsTheHandle) {
  out.Open(0, 78624);
  RecorderReset();
  out.Close();
  EXPECT_FALSE(out.IsOpen);
  EXPECT_EQ(out.Description, "");
  EXPECT_EQ(out.Handle, 100u);
  EXPECT_EQ(Names(), (Names_{"ResetMidiOut", "CloseMidiOut"}));
  EXPECT_EQ(RecorderCalls()[0].args[0], 100u);
  EXPECT_EQ(RecorderCalls()[1].args[0], 100u);
  // It opens again, on another device.
  EXPECT_TRUE(out.Open(0, 78624));
}

TEST_F(Port, CloseAndResetOnAClosedPortRaiseAndTouchNothing) {
  out.Description = "left over";
  for (auto op : {&TWayMidiOut::Close, &TWayMidiOut::Reset}) {
    EXPECT_EQ(Raised([&] { (out.*op)(); }), "midiOut not open");
  }
  EXPECT_EQ(out.Description, "left over");
  EXPECT_TRUE(RecorderCalls().empty());
}

TEST_F(Port, LongDescriptionIsCutAt31Characters) {
  const char* devices[] = {"A device name that is much longer than the buffer"};
  RecorderSetOutDevices(devices, 1);
  out.Open(0, 78624);
  EXPECT_EQ(out.Description, std::string(devices[0]).substr(0, 31));
}

TEST(PortLifetime, DestroyingAnOpenPortResetsAndClosesIt) {
  RecorderReset();
  TWayMidi midi;
  {
    TWayMidiOut open;
    open.WayMidi = &midi;
    open.Open(0, 78624);
    TWayMidiOut closed;
    closed.WayMidi = &midi;
    RecorderReset();
  }  // closed goes first, then open
  EXPECT_EQ(Names(), (Names_{"ResetMidiOut", "CloseMidiOut"}));
}

TEST(PortLifetime, DestroyingAClosedPortCallsNothing) {
  RecorderReset();
  TWayMidi midi;
  {
    TWayMidiOut port;
    port.WayMidi = &midi;
    port.Open(0, 78624);
    port.Close();
    RecorderReset();
  }
  EXPECT_TRUE(RecorderCalls().empty());
}

TEST(PortMessages, RoomReportedFromAnotherThreadReachesTheGuiThread) {
  RecorderReset();
  TWayMidi midi;
  TWayMidiOut port;
  port.WayMidi = &midi;
  port.Open(0, 78624);
  int calls = 0;
  TWayMidiOut* sender = nullptr;
  QThread* thread = nullptr;
  port.OutBufferReady = [&](TWayMidiOut* s) {
    ++calls;
    sender = s;
    thread = QThread::currentThread();
  };
  const uint32_t window = RecorderCalls().back().args[0];
  int queued = 0;
  std::thread library([&] {
    queued += PlatformPostMessage(window, MIDIWAY_MSG_SYNC_BEAT, port.Handle, 0);  // not the port's
    queued += PlatformPostMessage(window, MIDIWAY_MSG_OUTPUT_READY, port.Handle, 0);
  });
  library.join();
  EXPECT_EQ(queued, 2);
  EXPECT_EQ(calls, 0);  // nothing runs until the event loop delivers it
  ASSERT_TRUE(ProcessEventsUntil([&] { return calls > 0; }));
  QCoreApplication::processEvents();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(sender, &port);
  EXPECT_EQ(thread, QCoreApplication::instance()->thread());
}

TEST(PortMessages, MessageQueuedForADestroyedPortIsDropped) {
  RecorderReset();
  TWayMidi midi;
  bool called = false;
  uint32_t window = 0;
  {
    auto port = std::make_unique<TWayMidiOut>();
    port->WayMidi = &midi;
    port->OutBufferReady = [&](TWayMidiOut*) { called = true; };
    window = port->MessageWindow();
    EXPECT_EQ(PlatformPostMessage(window, MIDIWAY_MSG_OUTPUT_READY, 0, 0), 1);
  }
  EXPECT_EQ(PlatformPostMessage(window, MIDIWAY_MSG_OUTPUT_READY, 0, 0), 0);
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(called);
}

TEST(LibraryLifetime, FailedUnloadIsReportedByTheDestructor) {
  auto* midi = new TWayMidi;
  // The recorder is loaded with the test program, so after its open count has
  // been taken down behind the component's back, the component's own unload
  // is refused instead of unmapping anything.
  void* h = dlopen("libMidiway.so", RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(h, nullptr);
  dlclose(h);
  dlclose(h);
  EXPECT_EQ(Raised([&] { delete midi; }), "FreeLibrary failed");
  // The library is still there and loads again.
  TWayMidi again;
  EXPECT_NE(again.PutMidiOut, nullptr);
}

}  // namespace
